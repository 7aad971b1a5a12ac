#include "db/ListFormat.h"

#include <cwchar>

namespace platform {

std::wstring ListNumber(double value) {
    wchar_t buffer[64];
    std::swprintf(buffer, 64, L"%.4f", value == 0 ? 0.0 : value);  // never "-0.0000"
    return buffer;
}

std::wstring ListPoint(const AcGePoint3d& p) {
    return L"X=" + ListNumber(p.x) + L" Y=" + ListNumber(p.y) + L" Z=" + ListNumber(p.z);
}

}  // namespace platform
