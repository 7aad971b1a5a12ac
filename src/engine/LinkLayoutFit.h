#pragma once
// A linked table's custom column headings and widths belong to the columns of its source.
// When the link is given another source, those that no longer fit its columns are cleared,
// so that a table switched to another table or query is not headed with the old names.
#include "mfc/Afx.h"

class CTableLink;

// Clears what of the link's headings and widths does not fit the new source's columns:
// headings fit when there is one a column and, where the old source's columns are known,
// the columns are the same (by name, in any case); widths fit when there is one a column.
// Returns the note for the command line, empty when nothing was cleared.
CString FitLayoutToColumns(CTableLink& link, const CStringArray* pOldColumns, const CStringArray& newColumns);
