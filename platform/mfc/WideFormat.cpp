#include "mfc/WideFormat.h"

#include <cwchar>
#include <cwctype>
#include <vector>

namespace platform {

std::wstring TranslateWideFormat(const wchar_t* format) {
    std::wstring out;
    if (!format) return out;
    for (const wchar_t* p = format; *p;) {
        if (*p != L'%') {
            out.push_back(*p++);
            continue;
        }
        out.push_back(*p++);
        if (*p == L'%') {
            out.push_back(*p++);
            continue;
        }
        // Flags, width, precision.
        while (*p && std::wcschr(L"-+ #0", *p)) out.push_back(*p++);
        while (*p && (std::iswdigit(*p) || *p == L'*')) out.push_back(*p++);
        if (*p == L'.') {
            out.push_back(*p++);
            while (*p && (std::iswdigit(*p) || *p == L'*')) out.push_back(*p++);
        }
        // Length modifiers.
        bool narrow = false, wide = false;
        std::wstring length;
        for (;;) {
            if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') { length += L"ll"; p += 3; continue; }
            if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') { p += 3; continue; }
            if (*p == L'h') { narrow = true; length.push_back(*p++); continue; }
            if (*p == L'l') { wide = true; length.push_back(*p++); continue; }
            if (*p == L'w') { wide = true; ++p; continue; }
            if (*p && std::wcschr(L"LqjztI", *p)) { length.push_back(*p++); continue; }
            break;
        }
        const wchar_t conv = *p;
        if (!conv) break;
        ++p;
        if (conv == L's' || conv == L'c') {
            if (narrow) out.push_back(conv);                 // %hs: narrow
            else { out.push_back(L'l'); out.push_back(conv); } // %s, %ls, %ws: wide
            (void)wide;
        } else if (conv == L'S' || conv == L'C') {
            out.push_back(conv == L'S' ? L's' : L'c');         // %S: narrow in a wide format
        } else {
            out += length;
            out.push_back(conv);
        }
    }
    return out;
}

std::wstring FormatWideV(const wchar_t* format, va_list args) {
    if (!format) return {};
    const std::wstring fmt = TranslateWideFormat(format);
    std::vector<wchar_t> buffer(256);
    // vswprintf reports -1 both for a short buffer and for an unconvertible narrow argument,
    // so growth is bounded.
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        const int n = std::vswprintf(buffer.data(), buffer.size(), fmt.c_str(), copy);
        va_end(copy);
        if (n >= 0 && static_cast<size_t>(n) < buffer.size()) return std::wstring(buffer.data(), n);
        if (buffer.size() >= (size_t{1} << 26)) return std::wstring(format);
        buffer.resize(buffer.size() * 4);
    }
}

std::wstring FormatWide(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    std::wstring s = FormatWideV(format, args);
    va_end(args);
    return s;
}

}  // namespace platform
