#include "catalogue/ServerUrl.h"

#include <string>

#include "catalogue/ConnectStringTable.h"
#include "provider/SourceName.h"

namespace {

struct CScheme {
    const wchar_t* m_szScheme;
    const wchar_t* m_szDriver;
};

constexpr CScheme kSchemes[] = {
    {L"postgresql", L"PostgreSQL Unicode"},   {L"postgres", L"PostgreSQL Unicode"}, {L"mysql", L"MySQL ODBC 8.0 Unicode Driver"},
    {L"mariadb", L"MariaDB ODBC 3.1 Driver"}, {L"sqlserver", L"SQL Server"},        {L"mssql", L"SQL Server"},
};

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// %XX escapes of UTF-8 bytes, as URLs carry what is not plain ASCII.
bool Decoded(const std::wstring& text, CString& out) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'%') {
            if (i + 2 >= text.size() || HexDigit(text[i + 1]) < 0 || HexDigit(text[i + 2]) < 0) return false;
            bytes += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            bytes += CString(std::wstring(1, text[i])).ToUtf8();
        }
    }
    out = CString::FromUtf8(bytes);
    return true;
}

}  // namespace

bool ParseServerUrl(const CString& text, CServerUrl& url, CString& error) {
    const std::wstring& all = text.str();
    if (CString(all.substr(0, 7).c_str()).CompareNoCase(L"sqlite:") == 0) {
        std::wstring path = all.substr(7);
        if (path.rfind(L"//", 0) == 0) path.erase(0, 2);
        if (path.empty()) return error = L"sqlite: names no file", false;
        url = {L"SQLite3 ODBC Driver", CString(path), L"", L""};
        return true;
    }
    const size_t colon = all.find(L"://");
    if (colon == std::wstring::npos) return false;
    const CString scheme(all.substr(0, colon));
    const CScheme* found = nullptr;
    for (const CScheme& s : kSchemes)
        if (scheme.CompareNoCase(s.m_szScheme) == 0) found = &s;
    if (!found) return error = L"unknown scheme " + scheme + L"://", false;
    std::wstring rest = all.substr(colon + 3);
    if (const size_t query = rest.find(L'?'); query != std::wstring::npos) rest.erase(query);
    CServerUrl parsed;
    parsed.m_strDriver = found->m_szDriver;
    if (const size_t at = rest.rfind(L'@'); at != std::wstring::npos) {
        const std::wstring credentials = rest.substr(0, at);
        rest.erase(0, at + 1);
        const size_t split = credentials.find(L':');
        if (!Decoded(credentials.substr(0, split), parsed.m_strUser) ||
            (split != std::wstring::npos && !Decoded(credentials.substr(split + 1), parsed.m_strPassword)))
            return error = L"a broken %-escape in the user or password", false;
    }
    CString database;
    const size_t slash = rest.find(L'/');
    if (slash == std::wstring::npos || !Decoded(rest.substr(slash + 1), database) || database.IsEmpty())
        return error = L"the URL names no database (" + scheme + L"://HOST[:PORT]/DATABASE)", false;
    const auto server = platform::provider::ParseServerLocation(rest.substr(0, slash) + L"/" + database.str());
    if (!server) return error = L"the URL's host or port is not one (" + scheme + L"://HOST[:PORT]/DATABASE)", false;
    parsed.m_strLocation = platform::provider::FormatServerLocation(*server).c_str();
    url = parsed;
    return true;
}

bool ResolveDatabaseArgument(const CString& database, const CString& driverOption, const CString& userOption, const CString& passwordOption,
                             CServerUrl& resolved, CString& error) {
    error.Empty();
    if (driverOption.IsEmpty() && ParseServerUrl(database, resolved, error)) {
        if (!userOption.IsEmpty()) resolved.m_strUser = userOption;
        if (!passwordOption.IsEmpty()) resolved.m_strPassword = passwordOption;
        return true;
    }
    if (!error.IsEmpty()) return false;
    resolved.m_strDriver = driverOption.IsEmpty() ? CString(L"Microsoft Access Driver (*.mdb, *.accdb)") : driverOption;
    resolved.m_strLocation = database;
    resolved.m_strUser = userOption;
    resolved.m_strPassword = passwordOption;
    const CDriverRow* row = FindDriverRow(resolved.m_strDriver);
    if (!row) return error = L"unknown driver " + resolved.m_strDriver + L" (velloria drivers lists them)", false;
    if (row->m_kind == CLocationKind::Server && !platform::provider::ParseServerLocation(database.str()))
        return error = L"the driver " + resolved.m_strDriver + L" takes a server: HOST[:PORT]/DATABASE, not " + database, false;
    return true;
}
