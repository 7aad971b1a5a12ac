#include "db/DbObjectId.h"

#include <cwchar>
#include <cwctype>

const AcDbObjectId AcDbObjectId::kNull;

AcDbHandle::AcDbHandle(const wchar_t* hex) {
    if (!hex || !*hex) return;
    std::uint64_t value = 0;
    int digits = 0;
    for (const wchar_t* p = hex; *p; ++p) {
        const wchar_t c = *p;
        int d;
        if (c >= L'0' && c <= L'9') d = c - L'0';
        else if (c >= L'a' && c <= L'f') d = c - L'a' + 10;
        else if (c >= L'A' && c <= L'F') d = c - L'A' + 10;
        else return;
        if (++digits > 16) return;
        value = value * 16 + static_cast<std::uint64_t>(d);
    }
    m_value = value;
}

std::wstring AcDbHandle::text() const {
    wchar_t buffer[24];
    std::swprintf(buffer, 24, L"%llX", static_cast<unsigned long long>(m_value));
    return buffer;
}
