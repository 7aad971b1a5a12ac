#pragma once
// _com_error: the exception a failed call of the component raises, with the result code
// and the source and description the failing component recorded.
#include <string>

#include "com/Bstr.h"
#include "com/ComBase.h"

class _com_error {
public:
    explicit _com_error(HRESULT hr) : m_hr(hr) {}
    _com_error(HRESULT hr, _bstr_t source, _bstr_t description)
        : m_hr(hr), m_source(std::move(source)), m_description(std::move(description)) {}

    HRESULT Error() const { return m_hr; }
    // The system's text for the code (see ComError.cpp for the fall-backs).
    const wchar_t* ErrorMessage() const;
    _bstr_t Source() const { return m_source; }
    _bstr_t Description() const { return m_description; }

private:
    HRESULT m_hr;
    _bstr_t m_source;
    _bstr_t m_description;
    mutable std::wstring m_message;
};

[[noreturn]] void _com_issue_error(HRESULT hr);
[[noreturn]] void _com_issue_errorex(HRESULT hr, const wchar_t* source, const wchar_t* description);

namespace platform {
// The system message for a code, language neutral, without a trailing line end; empty when
// the system has none.
std::wstring SystemMessageForHresult(HRESULT hr);
}  // namespace platform
