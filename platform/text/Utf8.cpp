#include "text/Utf8.h"

namespace platform {

namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one sequence at bytes[i]; returns the code point and advances i. Malformed input
// yields U+FFFD and consumes one byte.
char32_t DecodeOne(std::string_view bytes, size_t& i, bool& valid) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int len = 0;
    char32_t c = 0;
    if ((b0 & 0xE0) == 0xC0) { len = 2; c = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { len = 3; c = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { len = 4; c = b0 & 0x07; }
    else { valid = false; ++i; return 0xFFFD; }
    if (i + len > bytes.size()) { valid = false; ++i; return 0xFFFD; }
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + k]);
        if ((b & 0xC0) != 0x80) { valid = false; ++i; return 0xFFFD; }
        c = (c << 6) | (b & 0x3F);
    }
    const bool overlong = (len == 2 && c < 0x80) || (len == 3 && c < 0x800) || (len == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) { valid = false; ++i; return 0xFFFD; }
    i += len;
    return c;
}

}  // namespace

std::string ToUtf8(std::wstring_view text) {
    std::string out;
    AppendUtf8(out, text);
    return out;
}

void AppendUtf8(std::string& out, std::wstring_view text) {
    // ASCII, the common case, goes over at once.
    size_t ascii = 0;
    while (ascii < text.size() && static_cast<char32_t>(text[ascii]) < 0x80) ++ascii;
    const size_t start = out.size();
    out.resize(start + ascii);
    for (size_t i = 0; i < ascii; ++i) out[start + i] = static_cast<char>(text[i]);
    if (ascii == text.size()) return;
    out.reserve(out.size() + (text.size() - ascii) * 2);
    for (size_t i = ascii; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        if constexpr (sizeof(wchar_t) == 2) {
            // Surrogate pairs, should wide text ever be 16-bit.
            if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
                const char32_t lo = static_cast<char32_t>(text[i + 1]);
                if (lo >= 0xDC00 && lo <= 0xDFFF) {
                    c = 0x10000 + ((c - 0xD800) << 10) + (lo - 0xDC00);
                    ++i;
                }
            }
        }
        AppendUtf8(out, c);
    }
}

std::wstring FromUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    bool valid = true;
    for (size_t i = 0; i < bytes.size();) {
        const char32_t c = DecodeOne(bytes, i, valid);
        if constexpr (sizeof(wchar_t) == 2) {
            if (c >= 0x10000) {
                out.push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
                out.push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
                continue;
            }
        }
        out.push_back(static_cast<wchar_t>(c));
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    bool valid = true;
    for (size_t i = 0; i < bytes.size() && valid;) DecodeOne(bytes, i, valid);
    return valid;
}

}  // namespace platform
