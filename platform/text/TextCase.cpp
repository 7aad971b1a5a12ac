#include "text/TextCase.h"

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <locale.h>

namespace platform {

namespace {
// A UTF-8 locale object for case mapping, so the mapping covers letters beyond ASCII
// without changing the process locale.
locale_t CaseLocale() {
    static locale_t loc = [] {
        locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
        if (!l) l = newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(0));
        return l;
    }();
    return loc;
}
}  // namespace

wchar_t ToLowerChar(wchar_t ch) { return static_cast<wchar_t>(towlower_l(static_cast<wint_t>(ch), CaseLocale())); }
wchar_t ToUpperChar(wchar_t ch) { return static_cast<wchar_t>(towupper_l(static_cast<wint_t>(ch), CaseLocale())); }

int CompareNoCase(std::wstring_view a, std::wstring_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const wchar_t x = ToLowerChar(a[i]);
        const wchar_t y = ToLowerChar(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace platform
