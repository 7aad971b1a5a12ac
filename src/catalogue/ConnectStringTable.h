#pragma once
// The driver table: driver name -> connect string template ("%s" for the resolved location,
// the user and the password, in that order).
#include "mfc/Afx.h"

// Fills the table with the two drivers (adding or overwriting); called when the module loads.
void InitConnectStringTable();

// The template of a driver name (exact key); empty for an unknown driver.
CString GetConnectStringTemplate(const CString& driverName);

// The driver names in sorted order, as the connect dialog lists them.
void GetDriverNames(CStringArray& names);

// A value as it must stand in a connect string made from `pattern`, so that it is read back
// as one value whatever it holds: through the ODBC driver ("Driver=..." templates) a value
// holding ";" or a brace, with blanks (spaces, tabs, line ends) at either end, or starting with
// a quote goes in braces with "}" doubled; through an OLE DB provider such a value goes in
// double quotes with '"' doubled. Other values stand as they are.
CString QuoteConnectValue(const CString& pattern, const CString& value);
