#pragma once
// A cell text kept as UTF-8 in 8 bytes: up to 7 bytes inline (a number, a short code), a
// longer text in one heap block (length prefix, then the bytes). A table of a million cells
// costs little more than its text.
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace platform {

class CompactText {
public:
    CompactText() = default;
    explicit CompactText(std::wstring_view text) { assign(text); }
    ~CompactText() { release(); }
    CompactText(CompactText&& other) noexcept : m_word(other.m_word) { other.m_word = 0; }
    CompactText& operator=(CompactText&& other) noexcept {
        if (this != &other) {
            release();
            m_word = other.m_word;
            other.m_word = 0;
        }
        return *this;
    }
    CompactText(const CompactText&) = delete;
    CompactText& operator=(const CompactText&) = delete;

    void assign(std::wstring_view text);
    // The same for text already in UTF-8, which must be valid.
    void assignUtf8(std::string_view utf8);
    bool empty() const { return m_word == 0; }
    std::string_view utf8() const {
        if (m_word == 0) return {};
        if (isInline()) return {m_bytes + 1, static_cast<size_t>(static_cast<unsigned char>(m_bytes[0]) >> 1)};
        std::uint32_t n;
        std::memcpy(&n, m_block, sizeof n);
        return {m_block + sizeof n, n};
    }
    std::wstring wide() const;
    // Whether the text is this wide text (as assign would store it), without a copy.
    bool equals(std::wstring_view text) const;
    // Characters (code points) of the text.
    size_t length() const;

private:
    // Heap blocks are aligned, so a pointer's lowest bit is 0; an inline text sets it, with
    // its length in the other bits of the first byte (little-endian layout).
    bool isInline() const { return (m_bytes[0] & 1) != 0; }
    // Room for n bytes of text (in place, inline or in a block); null for none.
    char* prepare(size_t n);
    void release();
    union {
        char* m_block;
        char m_bytes[8];
        std::uint64_t m_word = 0;
    };
    static_assert(sizeof(char*) == 8, "CompactText packs a pointer into 8 bytes");
    static_assert(std::endian::native == std::endian::little, "CompactText tags the pointer's lowest byte");
};

}  // namespace platform
