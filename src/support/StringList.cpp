#include "support/StringList.h"

#include <cwchar>

CTokenizer::CTokenizer(const CString& text, const CString& delimiters) : m_strText(text), m_strDelimiters(delimiters) {}

bool CTokenizer::Next(CString& token) {
    token.Empty();
    const int length = m_strText.GetLength();
    while (m_nPosition < length && IsDelimiter(m_strText[m_nPosition])) ++m_nPosition;
    if (m_nPosition >= length) return false;
    const int start = m_nPosition;
    while (m_nPosition < length && !IsDelimiter(m_strText[m_nPosition])) ++m_nPosition;
    token = m_strText.Mid(start, m_nPosition - start);
    return true;
}

CString JoinDoubleList(const CArray<double, double>& list) {
    CString text;
    for (INT_PTR i = 0; i < list.GetSize(); ++i) text.AppendFormat(L"%g,", list[i]);
    text.TrimRight(L',');
    return text;
}

CString JoinStringList(const CStringArray& list) {
    CString text;
    for (INT_PTR i = 0; i < list.GetSize(); ++i) {
        text += list[i];
        text += L',';
    }
    text.TrimRight(L',');
    return text;
}

bool SplitDoubleList(const CString& text, CArray<double, double>& list) {
    CTokenizer tokens(text, L",");
    CString token;
    while (tokens.Next(token)) list.Add(std::wcstod(token, nullptr));
    return true;
}

bool SplitStringList(const CString& text, CStringArray& list) {
    CTokenizer tokens(text, L",");
    CString token;
    while (tokens.Next(token)) list.Add(token);
    return true;
}
