#pragma once
// Names that are near a name someone typed: for "did you mean ...?" when a table or query is
// not found.
#include "mfc/Afx.h"

// Up to three of the names nearest to the name (letters added, dropped, changed or swapped,
// without regard to case), nearest first; only names close enough to be a slip of the
// fingers (about a third of the name's letters), and none equal to it.
void NearestNames(const CStringArray& names, const CString& name, CStringArray& nearest);

// "did you mean A?", "did you mean A or B?", "did you mean A, B or C?"; empty without names.
CString DidYouMean(const CStringArray& names);
