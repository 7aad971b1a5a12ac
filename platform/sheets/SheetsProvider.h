#pragma once
// Workbooks and text files as one provider of the data-access component, under the names of
// the Access engine's Excel and text drivers (and the ACE and Jet providers with their "Excel
// ..." or "Text" extended properties), read by our own reader: SQL runs over them in the
// Access engine, as over an Access file.
#include "provider/Provider.h"

namespace platform::sheets {

const provider::Provider& SheetsProvider();

}  // namespace platform::sheets
