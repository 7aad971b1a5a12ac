#pragma once
// The one error report of the data access layer.
#include "mfc/Afx.h"
#include "ado/Ado.h"

// "<header>\n\tCode = ...\n\tCode meaning = ...\n\tSource = ...\n\tDescription = ...\n"
CString FormatComErrorBody(const wchar_t* header, const _com_error& e);

// The connect string as it may be shown: the values of Pwd= and Password= become "***".
CString HideConnectStringPasswords(const CString& connectString);
