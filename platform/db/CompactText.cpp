#include "db/CompactText.h"

#include <cstdlib>
#include <malloc.h>
#include <new>

namespace platform {

namespace {
char32_t Valid(wchar_t ch) {
    const auto c = static_cast<char32_t>(ch);
    return (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) ? U'\uFFFD' : c;
}
size_t EncodedLength(char32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }
// Writes the UTF-8 form of c at out; returns the end.
char* Encode(char32_t c, char* out) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}
}  // namespace

void CompactText::release() {
    if (m_word != 0 && !isInline()) std::free(m_block);
    m_word = 0;
}

char* CompactText::prepare(size_t n) {
    // Rewriting a cell with a text of about the same length (a refresh) reuses its block.
    const bool reuse = m_word != 0 && !isInline() && n > 7 && [&] {
        const size_t room = malloc_usable_size(m_block) - sizeof(std::uint32_t);
        return n <= room && room <= 2 * n + 16;
    }();
    if (!reuse) release();
    if (n == 0) return nullptr;
    if (n <= 7) {
        m_bytes[0] = static_cast<char>((n << 1) | 1);
        return m_bytes + 1;
    }
    if (!reuse) {
        m_block = static_cast<char*>(std::malloc(sizeof(std::uint32_t) + n));
        if (!m_block) throw std::bad_alloc();
    }
    const auto n32 = static_cast<std::uint32_t>(n);
    std::memcpy(m_block, &n32, sizeof n32);
    return m_block + sizeof n32;
}

void CompactText::assignUtf8(std::string_view utf8) {
    if (char* out = prepare(utf8.size())) std::memcpy(out, utf8.data(), utf8.size());
}

void CompactText::assign(std::wstring_view text) {
    size_t n = 0;
    for (wchar_t ch : text) n += EncodedLength(Valid(ch));
    char* out = prepare(n);
    if (!out) return;
    for (wchar_t ch : text) out = Encode(Valid(ch), out);
}

bool CompactText::equals(std::wstring_view text) const {
    const std::string_view stored = utf8();
    size_t at = 0;
    for (wchar_t ch : text) {
        char encoded[4];
        const size_t n = static_cast<size_t>(Encode(Valid(ch), encoded) - encoded);
        if (stored.size() - at < n || stored.compare(at, n, encoded, n) != 0) return false;
        at += n;
    }
    return at == stored.size();
}

std::wstring CompactText::wide() const {
    const std::string_view s = utf8();
    std::wstring out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        char32_t c;
        size_t len;
        if (b < 0x80) { c = b; len = 1; }
        else if (b < 0xE0) { c = b & 0x1F; len = 2; }
        else if (b < 0xF0) { c = b & 0x0F; len = 3; }
        else { c = b & 0x07; len = 4; }
        for (size_t k = 1; k < len && i + k < s.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(static_cast<wchar_t>(c));
        i += len;
    }
    return out;
}

size_t CompactText::length() const {
    size_t n = 0;
    for (char ch : utf8())
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace platform
