#include "provider/SourceName.h"

#include <algorithm>
#include <cwctype>

#include "text/TextCase.h"

namespace platform::provider {
namespace {

constexpr std::wstring_view kDsnPrefix = L"DSN=";

std::wstring Lower(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return out;
}

bool IsPort(std::wstring_view text) {
    return !text.empty() && text.size() <= 5 && std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// "host", "host:port", "[v6]" or "[v6]:port" into host and port; false when malformed.
bool SplitHostPort(std::wstring_view text, std::wstring& host, std::wstring& port) {
    if (!text.empty() && text.front() == L'[') {
        const size_t close = text.find(L']');
        if (close == std::wstring_view::npos || close == 1) return false;
        host.assign(text.substr(1, close - 1));
        const std::wstring_view rest = text.substr(close + 1);
        if (rest.empty()) return true;
        if (rest.front() != L':' || !IsPort(rest.substr(1))) return false;
        port.assign(rest.substr(1));
        return true;
    }
    const size_t colon = text.find(L':');
    host.assign(text.substr(0, colon));
    if (colon != std::wstring_view::npos) {
        if (!IsPort(text.substr(colon + 1))) return false;
        port.assign(text.substr(colon + 1));
    }
    return !host.empty() && host.find_first_of(L" \t;{}=") == std::wstring::npos;
}

}  // namespace

std::optional<ServerLocation> ParseServerLocation(std::wstring_view text, bool allowDatabaseless) {
    const size_t slash = text.find(L'/');
    ServerLocation location;
    if (!SplitHostPort(text.substr(0, slash), location.host, location.port)) return std::nullopt;
    if (slash != std::wstring_view::npos) location.database.assign(text.substr(slash + 1));
    if (location.database.find(L'/') != std::wstring::npos) return std::nullopt;
    if (location.database.empty() && !allowDatabaseless) return std::nullopt;
    location.host = Lower(location.host);
    // Leading zeros name the same port.
    if (!location.port.empty()) location.port = std::to_wstring(std::stoul(location.port));
    return location;
}

std::wstring FormatServerLocation(const ServerLocation& location) {
    std::wstring text = location.host.find(L':') != std::wstring::npos ? L"[" + location.host + L"]" : location.host;
    if (!location.port.empty()) text += L":" + location.port;
    if (!location.database.empty()) text += L"/" + location.database;
    return text;
}

std::wstring RemoteSourceOf(const ConnectPairs& pairs) {
    if (const std::wstring* dsn = FindConnectValue(pairs, {L"DSN"}); dsn && !dsn->empty()) return std::wstring(kDsnPrefix) + *dsn;
    const std::wstring* server = FindConnectValue(pairs, {L"Server", L"Servername", L"Host", L"Hostname", L"Address"});
    if (!server || server->empty()) return {};
    ServerLocation location;
    std::wstring_view name = *server;
    if (name.rfind(L"tcp:", 0) == 0) name.remove_prefix(4);
    // SQL Server's drivers take "host,port"; the others a Port of their own.
    if (const size_t comma = name.find(L','); comma != std::wstring_view::npos) {
        location.port.assign(name.substr(comma + 1));
        name = name.substr(0, comma);
    } else if (const std::wstring* port = FindConnectValue(pairs, {L"Port"})) {
        location.port = *port;
    }
    location.host = Lower(name);
    if (!IsPort(location.port)) location.port.clear();
    else location.port = std::to_wstring(std::stoul(location.port));
    if (const std::wstring* database = FindConnectValue(pairs, {L"Database", L"DB", L"Dbname", L"Initial Catalog"})) location.database = *database;
    return FormatServerLocation(location);
}

bool IsTrustedSource(std::wstring_view source, const std::vector<std::wstring>& trusted) {
    if (source.empty()) return false;
    const bool dsn = source.size() > kDsnPrefix.size() && platform::CompareNoCase(source.substr(0, kDsnPrefix.size()), kDsnPrefix) == 0;
    const std::optional<ServerLocation> server = dsn ? std::nullopt : ParseServerLocation(source, true);
    for (const std::wstring& entry : trusted) {
        if (dsn) {
            if (platform::CompareNoCase(entry, source) == 0) return true;
            continue;
        }
        if (!server) continue;
        const std::optional<ServerLocation> named = ParseServerLocation(entry, true);
        if (!named || named->host != server->host) continue;
        if (!named->port.empty() && !server->port.empty() && named->port != server->port) continue;
        if (!named->database.empty() && named->database != server->database) continue;
        return true;
    }
    return false;
}

}  // namespace platform::provider
