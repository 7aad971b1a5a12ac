#pragma once
// A statement's rows read whole from its cursor, for Query: the memory limit counted as the
// rows come (provider::RowBytes), and running out of memory raised as the provider raises it.
#include "provider/Provider.h"

namespace platform::odbc {

provider::ResultSet WholeResult(provider::Cursor& cursor, const provider::StatementLimits& limits);

}  // namespace platform::odbc
