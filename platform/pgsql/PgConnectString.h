#pragma once
// Which connect strings the PostgreSQL provider takes, and what libpq is given for them. It
// takes a string that names PostgreSQL's ODBC driver ("PostgreSQL Unicode", "PostgreSQL ANSI",
// their "(x64)" forms) and no provider: the strings the module writes for a PostgreSQL server.
// "Provider=MSDASQL" keeps a string on the ODBC driver, and a data source name stays there too.
#include <string>
#include <utility>
#include <vector>

#include "provider/ConnectString.h"

namespace platform::pgsql {

bool IsPostgresConnect(const provider::ConnectPairs& pairs);
// Whether the name is one of PostgreSQL's ODBC driver (any case and spacing).
bool IsPostgresDriverName(const std::wstring& name);

using ConnectParameters = std::vector<std::pair<std::string, std::string>>;

// libpq's keywords and values for the string: the keys the module writes (Server, Port,
// Database, Uid, Pwd) and the driver's synonyms (Servername, UID, Username, User, PWD,
// Password, SSLmode); other keys are the driver's options and are dropped. An empty password
// is left out, so libpq reads ~/.pgpass or PGPASSWORD. Values keep the session's text exact:
// UTF-8, ISO dates, floats to their last digit.
ConnectParameters ConnectParametersOf(const provider::ConnectPairs& pairs, long loginSeconds);

}  // namespace platform::pgsql
