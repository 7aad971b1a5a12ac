#pragma once
// Sources beyond a file: a database server or an ODBC data source name. Statements against
// them run with the user's own credentials, so a drawing may reach them only when the user
// has trusted them. A source is named the same way wherever it comes from (a link's
// location, an Access file's ODBC link, the list of trusted sources):
//   a server:           HOST[:PORT]/DATABASE   (HOST in lower case; an IPv6 address in brackets)
//   a data source name: DSN=NAME
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "provider/ConnectString.h"

namespace platform::provider {

struct ServerLocation {
    std::wstring host;      // without brackets
    std::wstring port;      // digits; empty: the driver's default
    std::wstring database;  // may be empty in a trusted-source entry (every database there)
};

// "HOST[:PORT]/DATABASE" (the database may be missing when allowDatabaseless); none when the
// text is not one (no host, a port that is not a number, a second "/").
std::optional<ServerLocation> ParseServerLocation(std::wstring_view text, bool allowDatabaseless = false);
std::wstring FormatServerLocation(const ServerLocation& location);

// The source a connect string reaches when it is not a file: "DSN=NAME" for a data source
// name, HOST[:PORT]/DATABASE for a server (Server, Servername or Host with Port and Database,
// or SQL Server's "host,port"); empty for a file.
std::wstring RemoteSourceOf(const ConnectPairs& pairs);

// Whether an entry of the trusted list names the source: a DSN by its name (any case); a
// server by its host (any case), its port when both name one, and its database when the
// entry names one (an entry without a database trusts every database of the server).
bool IsTrustedSource(std::wstring_view source, const std::vector<std::wstring>& trusted);

}  // namespace platform::provider
