#include "Alert.h"

#include <algorithm>
#include <string>
#include <vector>

#include "Console.h"

namespace platform {

void ShowAlert(const wchar_t* text) {
    // Tabs are expanded so that the frame stays straight.
    std::vector<std::wstring> lines(1);
    for (const wchar_t* p = text ? text : L""; *p; ++p) {
        if (*p == L'\n') lines.emplace_back();
        else if (*p == L'\t') lines.back().append(4 - lines.back().size() % 4, L' ');
        else if (*p != L'\r') lines.back() += *p;
    }
    while (lines.size() > 1 && lines.back().empty()) lines.pop_back();
    size_t width = 0;
    for (const auto& line : lines) width = std::max(width, line.size());
    std::wstring out = L"\n+" + std::wstring(width + 2, L'-') + L"+\n";
    for (const auto& line : lines) out += L"| " + line + std::wstring(width - line.size(), L' ') + L" |\n";
    out += L"+" + std::wstring(width + 2, L'-') + L"+\n";
    WriteOutput(std::wstring_view(out));
}

}  // namespace platform
