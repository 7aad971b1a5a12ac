#include "mfc/String.h"

#include <cwctype>

#include "text/TextCase.h"

#include "text/Utf8.h"
#include "mfc/WideFormat.h"


namespace {
bool IsSpace(wchar_t ch) { return std::iswspace(static_cast<wint_t>(ch)) != 0; }
}  // namespace

CString::CString(const char* utf8) : m_text(platform::FromUtf8(utf8 ? utf8 : "")) {}
CString::CString(const std::string& utf8) : m_text(platform::FromUtf8(utf8)) {}

CString CString::FromUtf8(std::string_view utf8) { return CString(platform::FromUtf8(utf8)); }
std::string CString::ToUtf8() const { return platform::ToUtf8(m_text); }

CString CString::Left(int count) const {
    if (count <= 0) return {};
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    if (count <= 0) return {};
    if (static_cast<size_t>(count) >= m_text.size()) return *this;
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(count)));
}

CString CString::Mid(int first) const {
    if (first < 0) first = 0;
    if (static_cast<size_t>(first) >= m_text.size()) return {};
    return CString(m_text.substr(static_cast<size_t>(first)));
}

CString CString::Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (count <= 0 || static_cast<size_t>(first) >= m_text.size()) return {};
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

int CString::Find(wchar_t ch, int start) const {
    if (start < 0 || static_cast<size_t>(start) > m_text.size()) return -1;
    const size_t pos = m_text.find(ch, static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const wchar_t* sub, int start) const {
    if (!sub || start < 0 || static_cast<size_t>(start) > m_text.size()) return -1;
    const size_t pos = m_text.find(sub, static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const {
    const size_t pos = m_text.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(wchar_t target) { return TrimRight(target).TrimLeft(target); }
CString& CString::Trim(const wchar_t* targets) { return TrimRight(targets).TrimLeft(targets); }

CString& CString::TrimLeft() {
    size_t i = 0;
    while (i < m_text.size() && IsSpace(m_text[i])) ++i;
    m_text.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(wchar_t target) {
    size_t i = 0;
    while (i < m_text.size() && m_text[i] == target) ++i;
    m_text.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(const wchar_t* targets) {
    if (!targets) return *this;
    const size_t i = m_text.find_first_not_of(targets);
    m_text.erase(0, i == std::wstring::npos ? m_text.size() : i);
    return *this;
}

CString& CString::TrimRight() {
    size_t n = m_text.size();
    while (n > 0 && IsSpace(m_text[n - 1])) --n;
    m_text.resize(n);
    return *this;
}

CString& CString::TrimRight(wchar_t target) {
    size_t n = m_text.size();
    while (n > 0 && m_text[n - 1] == target) --n;
    m_text.resize(n);
    return *this;
}

CString& CString::TrimRight(const wchar_t* targets) {
    if (!targets) return *this;
    const size_t i = m_text.find_last_not_of(targets);
    m_text.resize(i == std::wstring::npos ? 0 : i + 1);
    return *this;
}

CString& CString::MakeLower() {
    for (auto& ch : m_text) ch = platform::ToLowerChar(ch);
    return *this;
}

CString& CString::MakeUpper() {
    for (auto& ch : m_text) ch = platform::ToUpperChar(ch);
    return *this;
}

int CString::CompareNoCase(const wchar_t* other) const {
    return platform::CompareNoCase(m_text, other ? other : L"");
}

int CString::Replace(wchar_t oldCh, wchar_t newCh) {
    int n = 0;
    for (auto& ch : m_text)
        if (ch == oldCh) { ch = newCh; ++n; }
    return n;
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText) {
    if (!oldText || !*oldText) return 0;
    const std::wstring from(oldText);
    const std::wstring to(newText ? newText : L"");
    int n = 0;
    std::wstring out;
    size_t pos = 0;
    for (;;) {
        const size_t hit = m_text.find(from, pos);
        if (hit == std::wstring::npos) break;
        out.append(m_text, pos, hit - pos);
        out += to;
        pos = hit + from.size();
        ++n;
    }
    if (n) {
        out.append(m_text, pos, std::wstring::npos);
        m_text.swap(out);
    }
    return n;
}

int CString::Remove(wchar_t ch) {
    const size_t before = m_text.size();
    std::erase(m_text, ch);
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int index, wchar_t ch) {
    if (index < 0) index = 0;
    if (static_cast<size_t>(index) > m_text.size()) index = GetLength();
    m_text.insert(m_text.begin() + index, ch);
    return GetLength();
}

int CString::Insert(int index, const wchar_t* text) {
    if (index < 0) index = 0;
    if (static_cast<size_t>(index) > m_text.size()) index = GetLength();
    if (text) m_text.insert(static_cast<size_t>(index), text);
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (index < 0) index = 0;
    if (count > 0 && static_cast<size_t>(index) < m_text.size()) m_text.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

CString CString::Tokenize(const wchar_t* delimiters, int& start) const {
    if (start < 0 || static_cast<size_t>(start) >= m_text.size()) {
        start = -1;
        return {};
    }
    const std::wstring delims(delimiters ? delimiters : L"");
    size_t from = m_text.find_first_not_of(delims, static_cast<size_t>(start));
    if (from == std::wstring::npos) {
        start = -1;
        return {};
    }
    size_t to = m_text.find_first_of(delims, from);
    if (to == std::wstring::npos) to = m_text.size();
    start = static_cast<int>(to + 1);
    return CString(m_text.substr(from, to - from));
}

void CString::Format(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const wchar_t* format, va_list args) { m_text = platform::FormatWideV(format, args); }

void CString::AppendFormat(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    m_text += platform::FormatWideV(format, args);
    va_end(args);
}

wchar_t* CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) {
        const size_t keep = m_text.size();
        m_text.resize(static_cast<size_t>(minLength));
        // The caller writes a terminated string; mark the unused part empty.
        std::fill(m_text.begin() + static_cast<std::ptrdiff_t>(keep), m_text.end(), L'\0');
    }
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) {
        const size_t n = std::wcslen(m_text.c_str());
        m_text.resize(n);
    } else if (static_cast<size_t>(newLength) <= m_text.size()) {
        m_text.resize(static_cast<size_t>(newLength));
    }
}
