#pragma once
// A cell text kept as UTF-8 in one heap block (length prefix, then the bytes), or nothing
// for an empty text: 8 bytes per cell plus the text, so a table of a million cells costs
// little more than its text.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace platform {

class CompactText {
public:
    CompactText() = default;
    explicit CompactText(std::wstring_view text) { assign(text); }
    ~CompactText() { delete[] m_block; }
    CompactText(CompactText&& other) noexcept : m_block(other.m_block) { other.m_block = nullptr; }
    CompactText& operator=(CompactText&& other) noexcept {
        if (this != &other) {
            delete[] m_block;
            m_block = other.m_block;
            other.m_block = nullptr;
        }
        return *this;
    }
    CompactText(const CompactText&) = delete;
    CompactText& operator=(const CompactText&) = delete;

    void assign(std::wstring_view text);
    bool empty() const { return m_block == nullptr; }
    std::string_view utf8() const {
        if (!m_block) return {};
        std::uint32_t n;
        std::memcpy(&n, m_block, sizeof n);
        return {m_block + sizeof n, n};
    }
    std::wstring wide() const;
    // Characters (code points) of the text.
    size_t length() const;

private:
    char* m_block = nullptr;
};

}  // namespace platform
