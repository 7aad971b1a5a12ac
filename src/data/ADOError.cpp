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
    // Keys are found at the start of each "Key=Value;" part, without regard to case; a
    // value in braces runs to the closing brace.
    CString out;
    const std::wstring& text = connectString.str();
    size_t i = 0;
    while (i < text.size()) {
        size_t keyStart = i;
        while (keyStart < text.size() && (text[keyStart] == L' ' || text[keyStart] == L'\t')) ++keyStart;
        const size_t eq = text.find(L'=', keyStart);
        const size_t semi = text.find(L';', i);
        if (eq == std::wstring::npos || (semi != std::wstring::npos && semi < eq)) {
            const size_t end = semi == std::wstring::npos ? text.size() : semi + 1;
            out += CString(text.substr(i, end - i));
            i = end;
            continue;
        }
        CString key(text.substr(keyStart, eq - keyStart));
        key.Trim();
        size_t valueEnd;
        if (eq + 1 < text.size() && text[eq + 1] == L'{') {
            const size_t close = text.find(L'}', eq + 2);
            valueEnd = close == std::wstring::npos ? text.size() : close + 1;
            const size_t next = text.find(L';', valueEnd);
            valueEnd = next == std::wstring::npos ? text.size() : next;
        } else {
            valueEnd = semi == std::wstring::npos ? text.size() : semi;
        }
        out += CString(text.substr(i, eq + 1 - i));
        const bool secret = key.CompareNoCase(L"Pwd") == 0 || key.CompareNoCase(L"Password") == 0 ||
                            key.CompareNoCase(L"Jet OLEDB:Database Password") == 0;
        if (secret && valueEnd > eq + 1) out += L"***";
        else out += CString(text.substr(eq + 1, valueEnd - eq - 1));
        if (valueEnd < text.size()) out += L";";
        i = valueEnd + 1;
    }
    return out;
}
