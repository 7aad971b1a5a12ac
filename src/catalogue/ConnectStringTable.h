#pragma once
// The driver table: driver name -> connect string template ("%s" for the resolved location,
// the user and the password, in that order).
#include "Afx.h"

// Fills the table with the two drivers (adding or overwriting); called when the module loads.
void InitConnectStringTable();

// The template of a driver name (exact key); empty for an unknown driver.
CString GetConnectStringTemplate(const CString& driverName);

// The driver names in sorted order, as the connect dialog lists them.
void GetDriverNames(CStringArray& names);
