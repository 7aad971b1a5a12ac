#pragma once
// Comma-separated lists: how column headings and widths are stored and exchanged.
#include "mfc/Afx.h"

// Splits a string into tokens at any of a set of delimiter characters. Tokens are never
// empty and never trimmed.
class CTokenizer {
public:
    CTokenizer(const CString& text, const CString& delimiters);
    bool Next(CString& token);

private:
    bool IsDelimiter(wchar_t ch) const { return m_strDelimiters.Find(ch) >= 0; }

    CString m_strText;
    CString m_strDelimiters;
    int m_nPosition = 0;
};

// Each value as "%g" followed by ",", trailing commas removed.
CString JoinDoubleList(const CArray<double, double>& list);
// Each string followed by ",", trailing commas removed.
CString JoinStringList(const CStringArray& list);
// Append the tokens of text (converted with wcstod); always true.
bool SplitDoubleList(const CString& text, CArray<double, double>& list);
bool SplitStringList(const CString& text, CStringArray& list);
