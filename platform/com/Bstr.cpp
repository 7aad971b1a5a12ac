#include "com/Bstr.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "text/Utf8.h"

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    // Prefix: the length in bytes, as a 32-bit count, right before the characters.
    auto* block = static_cast<unsigned char*>(std::malloc(sizeof(std::uint32_t) * 2 + (length + 1) * sizeof(OLECHAR)));
    if (!block) return nullptr;
    const std::uint32_t bytes = length * sizeof(OLECHAR);
    std::memcpy(block + sizeof(std::uint32_t), &bytes, sizeof bytes);
    auto* chars = reinterpret_cast<OLECHAR*>(block + sizeof(std::uint32_t) * 2);
    if (text) std::memcpy(chars, text, length * sizeof(OLECHAR));
    else std::memset(chars, 0, length * sizeof(OLECHAR));
    chars[length] = 0;
    return chars;
}

BSTR SysAllocString(const OLECHAR* text) { return text ? SysAllocStringLen(text, static_cast<UINT>(std::wcslen(text))) : nullptr; }

void SysFreeString(BSTR text) {
    if (text) std::free(reinterpret_cast<unsigned char*>(text) - sizeof(std::uint32_t) * 2);
}

UINT SysStringLen(BSTR text) {
    if (!text) return 0;
    std::uint32_t bytes;
    std::memcpy(&bytes, reinterpret_cast<unsigned char*>(text) - sizeof(std::uint32_t), sizeof bytes);
    return bytes / sizeof(OLECHAR);
}

_bstr_t::_bstr_t(const wchar_t* text) {
    if (text) m_data = std::make_shared<Data>(SysAllocString(text));
}

_bstr_t::_bstr_t(std::wstring_view text) : m_data(std::make_shared<Data>(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())))) {}

_bstr_t::_bstr_t(const char* utf8) {
    if (utf8) {
        const std::wstring wide = platform::FromUtf8(utf8);
        m_data = std::make_shared<Data>(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
    }
}

_bstr_t::_bstr_t(BSTR text, bool copy) {
    if (text) m_data = std::make_shared<Data>(copy ? SysAllocStringLen(text, SysStringLen(text)) : text);
}

std::string _bstr_t::ToUtf8() const { return platform::ToUtf8(view()); }

_bstr_t& _bstr_t::operator+=(const _bstr_t& other) {
    std::wstring joined(view());
    joined += other.view();
    m_data = std::make_shared<Data>(SysAllocStringLen(joined.data(), static_cast<UINT>(joined.size())));
    return *this;
}
