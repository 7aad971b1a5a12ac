#include "access/ConnectString.h"

#include "access/AccessErrors.h"
#include "mfc/String.h"

namespace platform::access {
namespace {

std::wstring Trimmed(std::wstring_view s) {
    const auto first = s.find_first_not_of(L" \t\r\n");
    if (first == std::wstring_view::npos) return {};
    const auto last = s.find_last_not_of(L" \t\r\n");
    return std::wstring(s.substr(first, last - first + 1));
}

const std::wstring* Find(const std::vector<std::pair<std::wstring, std::wstring>>& pairs, std::wstring_view key) {
    for (const auto& [k, v] : pairs)
        if (platform::CompareNoCase(k, key) == 0) return &v;
    return nullptr;
}

bool IsAccessDriver(std::wstring_view name) {
    return platform::CompareNoCase(name, L"Microsoft Access Driver (*.mdb, *.accdb)") == 0 ||
           platform::CompareNoCase(name, L"Microsoft Access Driver (*.mdb)") == 0;
}

}  // namespace

std::vector<std::pair<std::wstring, std::wstring>> ParseConnectString(std::wstring_view text) {
    std::vector<std::pair<std::wstring, std::wstring>> pairs;
    size_t i = 0;
    while (i < text.size()) {
        const size_t eq = text.find(L'=', i);
        const size_t semi = text.find(L';', i);
        if (eq == std::wstring_view::npos || (semi != std::wstring_view::npos && semi < eq)) {
            // A part without "=": skipped, as the component does with empty parts.
            i = semi == std::wstring_view::npos ? text.size() : semi + 1;
            continue;
        }
        std::wstring key = Trimmed(text.substr(i, eq - i));
        size_t v = eq + 1;
        while (v < text.size() && (text[v] == L' ' || text[v] == L'\t')) ++v;
        std::wstring value;
        if (v < text.size() && (text[v] == L'{' || text[v] == L'"' || text[v] == L'\'')) {
            // A value in braces (ODBC) runs to the first "}" that is not doubled, one in quotes
            // (OLE DB) to the first such quote; either may hold ";".
            const wchar_t close = text[v] == L'{' ? L'}' : text[v];
            size_t k = v + 1;
            for (; k < text.size(); ++k) {
                if (text[k] != close) {
                    value += text[k];
                } else if (k + 1 < text.size() && text[k + 1] == close) {
                    value += close;
                    ++k;
                } else {
                    break;
                }
            }
            const size_t next = text.find(L';', k);
            i = next == std::wstring_view::npos ? text.size() : next + 1;
        } else {
            const size_t end = text.find(L';', v);
            value = Trimmed(text.substr(v, (end == std::wstring_view::npos ? text.size() : end) - v));
            i = end == std::wstring_view::npos ? text.size() : end + 1;
        }
        if (!key.empty()) pairs.emplace_back(std::move(key), std::move(value));
    }
    return pairs;
}

ConnectTarget ResolveConnectString(std::wstring_view text) {
    const auto pairs = ParseConnectString(text);
    const std::wstring* provider = Find(pairs, L"Provider");
    ConnectTarget target;
    if (provider && platform::CompareNoCase(*provider, L"MSDASQL") != 0 && platform::CompareNoCase(*provider, L"MSDASQL.1") != 0) {
        if (platform::CompareNoCase(*provider, L"Microsoft.ACE.OLEDB.12.0") == 0 ||
            platform::CompareNoCase(*provider, L"Microsoft.ACE.OLEDB.16.0") == 0)
            target.route = Route::AceOleDb;
        else if (platform::CompareNoCase(*provider, L"Microsoft.Jet.OLEDB.4.0") == 0)
            target.route = Route::JetOleDb;
        else
            RaiseProviderNotFound();
        const std::wstring* source = Find(pairs, L"Data Source");
        target.database = source ? *source : std::wstring();
        if (const std::wstring* password = Find(pairs, L"Jet OLEDB:Database Password")) target.password = *password;
        return target;
    }
    // No provider: the OLE DB provider for ODBC drivers, which needs a driver it knows.
    target.route = Route::Odbc;
    const std::wstring* driver = Find(pairs, L"Driver");
    if (!driver || !IsAccessDriver(*driver)) RaiseNoDriver();
    const std::wstring* dbq = Find(pairs, L"Dbq");
    if (!dbq) dbq = Find(pairs, L"DBQ");
    target.database = dbq ? *dbq : std::wstring();
    if (const std::wstring* password = Find(pairs, L"Pwd")) target.password = *password;
    return target;
}

}  // namespace platform::access
