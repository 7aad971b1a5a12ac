#include "com/ComError.h"

#include <cstdio>
#include <cwchar>

namespace {

struct MessageRow {
    std::uint32_t code;
    const wchar_t* text;
};

// The system texts of the codes this component raises or passes on. Codes of the
// component's own facility (0x800A....) and the provider's OLE DB codes have no system
// text, as on the platform.
constexpr MessageRow kMessages[] = {
    {0x00000000u, L"The operation completed successfully."},
    {0x80004001u, L"Not implemented"},
    {0x80004002u, L"No such interface supported"},
    {0x80004003u, L"Invalid pointer"},
    {0x80004005u, L"Unspecified error"},
    {0x8000FFFFu, L"Catastrophic failure"},
    {0x8007000Eu, L"Not enough memory resources are available to complete this operation."},
    {0x80070057u, L"The parameter is incorrect."},
    {0x80020004u, L"Parameter not found."},
    {0x80020005u, L"Type mismatch."},
    {0x8002000Au, L"Out of present range."},
    {0x80040110u, L"Class does not support aggregation (or class object is remote)"},
    {0x80040154u, L"Class not registered"},
    {0x800401F0u, L"CoInitialize has not been called."},
};

}  // namespace

namespace platform {

std::wstring SystemMessageForHresult(HRESULT hr) {
    for (const auto& row : kMessages)
        if (row.code == static_cast<std::uint32_t>(hr)) return row.text;
    return {};
}

}  // namespace platform

const wchar_t* _com_error::ErrorMessage() const {
    if (m_message.empty()) {
        m_message = platform::SystemMessageForHresult(m_hr);
        if (m_message.empty()) {
            const auto code = static_cast<std::uint32_t>(m_hr);
            wchar_t buffer[64];
            if (code >= 0x80040201u && code <= 0x8004FFFFu)
                std::swprintf(buffer, 64, L"IDispatch error #%d", static_cast<int>((code - 0x200u) & 0xFFFFu));
            else
                std::swprintf(buffer, 64, L"Unknown error 0x%0lX", static_cast<unsigned long>(code));
            m_message = buffer;
        }
    }
    return m_message.c_str();
}

void _com_issue_error(HRESULT hr) { throw _com_error(hr); }

void _com_issue_errorex(HRESULT hr, const wchar_t* source, const wchar_t* description) {
    throw _com_error(hr, _bstr_t(source), _bstr_t(description));
}
