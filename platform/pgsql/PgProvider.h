#pragma once
// The provider for PostgreSQL servers over libpq, for the connect strings that name
// PostgreSQL's ODBC driver and no provider (PgConnectString.h).
#include "provider/Provider.h"

namespace platform::pgsql {

const provider::Provider& PgProvider();

}  // namespace platform::pgsql
