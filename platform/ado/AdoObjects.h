#pragma once
// The objects behind the component's class ids.
#include "Ado.h"

namespace platform::ado {

// A new Connection or Recordset object (one reference held by the caller), or null for a
// class this component does not serve.
IUnknown* CreateComponentObject(REFCLSID clsid);

}  // namespace platform::ado
