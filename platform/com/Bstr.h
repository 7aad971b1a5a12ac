#pragma once
// BSTR and _bstr_t: length-prefixed wide strings as the component hands them over.
#include <memory>
#include <string>
#include <string_view>

#include "win/WinTypes.h"

using OLECHAR = wchar_t;
using BSTR = OLECHAR*;

// The length prefix sits in front of the characters; a null BSTR reads as empty.
BSTR SysAllocString(const OLECHAR* text);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);

class _bstr_t {
public:
    _bstr_t() = default;
    _bstr_t(const wchar_t* text);
    _bstr_t(std::wstring_view text);
    _bstr_t(const std::wstring& text) : _bstr_t(std::wstring_view(text)) {}
    // Narrow text is taken as UTF-8.
    _bstr_t(const char* utf8);
    // Takes ownership of a BSTR when copy is false (as the framework's constructor).
    _bstr_t(BSTR text, bool copy);

    operator const wchar_t*() const { return m_data ? m_data->text : nullptr; }
    BSTR GetBSTR() const { return m_data ? m_data->text : nullptr; }
    // A new BSTR the caller frees.
    BSTR copy() const { return SysAllocStringLen(GetBSTR(), length()); }
    UINT length() const { return m_data ? SysStringLen(m_data->text) : 0; }
    std::wstring_view view() const { return m_data ? std::wstring_view(m_data->text, length()) : std::wstring_view(); }
    std::string ToUtf8() const;

    _bstr_t& operator+=(const _bstr_t& other);
    friend _bstr_t operator+(const _bstr_t& a, const _bstr_t& b) {
        _bstr_t r(a.view());
        r += b;
        return r;
    }
    friend bool operator==(const _bstr_t& a, const _bstr_t& b) { return a.view() == b.view(); }
    friend bool operator!=(const _bstr_t& a, const _bstr_t& b) { return !(a == b); }
    bool operator!() const { return length() == 0; }

private:
    struct Data {
        BSTR text;
        explicit Data(BSTR t) : text(t) {}
        ~Data() { SysFreeString(text); }
        Data(const Data&) = delete;
        Data& operator=(const Data&) = delete;
    };
    std::shared_ptr<Data> m_data;
};
