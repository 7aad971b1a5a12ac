#pragma once
// The Access engine as one provider of the data-access component: Access files through the
// Access ODBC driver's name or the ACE and Jet providers' names, read by our own engine.
#include "provider/Provider.h"

namespace platform::access {

const provider::Provider& AccessProvider();

}  // namespace platform::access
