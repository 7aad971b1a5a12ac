#include "provider/ConnectString.h"

#include "text/TextCase.h"

namespace platform::provider {
namespace {

std::wstring Trimmed(std::wstring_view s) {
    const auto first = s.find_first_not_of(L" \t\r\n");
    if (first == std::wstring_view::npos) return {};
    const auto last = s.find_last_not_of(L" \t\r\n");
    return std::wstring(s.substr(first, last - first + 1));
}

}  // namespace

ConnectPairs ParseConnectString(std::wstring_view text) {
    ConnectPairs pairs;
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

const std::wstring* FindConnectValue(const ConnectPairs& pairs, std::initializer_list<std::wstring_view> keys) {
    for (const auto& [k, v] : pairs)
        for (std::wstring_view key : keys)
            if (platform::CompareNoCase(k, key) == 0) return &v;
    return nullptr;
}

std::wstring QuoteOdbcValue(std::wstring_view value) {
    const bool edgeSpace = !value.empty() && (value.front() == L' ' || value.back() == L' ' || value.front() == L'\t' || value.back() == L'\t');
    if (!edgeSpace && value.find_first_of(L";{}=") == std::wstring_view::npos) return std::wstring(value);
    std::wstring quoted(1, L'{');
    for (wchar_t c : value) {
        if (c == L'}') quoted += L'}';
        quoted += c;
    }
    return quoted + L'}';
}

}  // namespace platform::provider
