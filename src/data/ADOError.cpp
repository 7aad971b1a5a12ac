#include "data/ADOError.h"

CString FormatComErrorBody(const wchar_t* header, const _com_error& e) {
    const _bstr_t source = e.Source();
    const _bstr_t description = e.Description();
    CString body;
    body.Format(L"%s\n\tCode = %08lx\n\tCode meaning = %s\n\tSource = %s\n\tDescription = %s\n", header,
                static_cast<unsigned long>(static_cast<DWORD>(e.Error())), e.ErrorMessage(),
                static_cast<const wchar_t*>(source) ? static_cast<const wchar_t*>(source) : L"",
                static_cast<const wchar_t*>(description) ? static_cast<const wchar_t*>(description) : L"");
    return body;
}

CString HideConnectStringPasswords(const CString& connectString) {
    // Read as the component reads it: keys at the start of each "Key=Value;" part, without
    // regard to case; a value in braces runs to the first "}" not doubled, one in quotes to the
    // first such quote. A value that never closes runs to the end, and is hidden to the end.
    CString out;
    const std::wstring& text = connectString.str();
    size_t i = 0;
    while (i < text.size()) {
        const size_t eq = text.find(L'=', i);
        const size_t semi = text.find(L';', i);
        if (eq == std::wstring::npos || (semi != std::wstring::npos && semi < eq)) {
            const size_t end = semi == std::wstring::npos ? text.size() : semi + 1;
            out += CString(text.substr(i, end - i));
            i = end;
            continue;
        }
        CString key(text.substr(i, eq - i));
        key.Trim();
        size_t valueStart = eq + 1;
        while (valueStart < text.size() && (text[valueStart] == L' ' || text[valueStart] == L'\t')) ++valueStart;
        size_t valueEnd = valueStart;
        if (valueStart < text.size() && (text[valueStart] == L'{' || text[valueStart] == L'"' || text[valueStart] == L'\'')) {
            const wchar_t close = text[valueStart] == L'{' ? L'}' : text[valueStart];
            size_t k = valueStart + 1;
            while (k < text.size()) {
                if (text[k] == close && k + 1 < text.size() && text[k + 1] == close) k += 2;
                else if (text[k] == close) break;
                else ++k;
            }
            valueEnd = k < text.size() ? k + 1 : text.size();
            const size_t next = text.find(L';', valueEnd);
            valueEnd = next == std::wstring::npos ? text.size() : next;
        } else {
            valueEnd = semi == std::wstring::npos ? text.size() : semi;
        }
        out += CString(text.substr(i, valueStart - i));
        const bool secret = key.CompareNoCase(L"Pwd") == 0 || key.CompareNoCase(L"Password") == 0 ||
                            key.CompareNoCase(L"Jet OLEDB:Database Password") == 0;
        if (secret && valueEnd > valueStart) out += L"***";
        else out += CString(text.substr(valueStart, valueEnd - valueStart));
        if (valueEnd < text.size()) out += L";";
        i = valueEnd + 1;
    }
    return out;
}
