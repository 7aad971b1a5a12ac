#pragma once
// ODBC as one provider of the data-access component: every connect string that names an ODBC
// driver or data source name other than Access's own, through the driver manager.
#include "provider/Provider.h"

namespace platform::odbc {

const provider::Provider& OdbcProvider();

}  // namespace platform::odbc
