#pragma once
// Case mapping and case-insensitive comparison of wide text, independent of the process
// locale (which stays "C" for number formatting).
#include <string_view>

namespace platform {
wchar_t ToLowerChar(wchar_t ch);
wchar_t ToUpperChar(wchar_t ch);
int CompareNoCase(std::wstring_view a, std::wstring_view b);
}  // namespace platform
