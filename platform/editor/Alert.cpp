#include "editor/Alert.h"

#include <algorithm>
#include <string>
#include <vector>

#include "db/AdsDefs.h"
#include "editor/Console.h"

int acedAlert(const wchar_t* message) {
    std::vector<std::wstring> lines;
    std::wstring line;
    for (const wchar_t* p = message ? message : L""; *p; ++p) {
        if (*p == L'\r') continue;
        if (*p == L'\n') {
            lines.push_back(line);
            line.clear();
        } else if (*p == L'\t') {
            line.append(4 - line.size() % 4, L' ');  // tab stops keep the frame straight
        } else {
            line.push_back(*p);
        }
    }
    lines.push_back(line);
    while (lines.size() > 1 && lines.back().empty()) lines.pop_back();  // a text ending in a line feed
    size_t width = 0;
    for (const auto& l : lines) width = std::max(width, l.size());
    const std::wstring rule = L"+" + std::wstring(width + 2, L'-') + L"+\n";
    std::wstring text = L"\n" + rule;
    for (const auto& l : lines) text += L"| " + l + std::wstring(width - l.size(), L' ') + L" |\n";
    text += rule;
    platform::WriteOutput(std::wstring_view(text));
    return RTNORM;
}
