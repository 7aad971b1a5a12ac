#pragma once
// Database locations: a path absolute, or relative to the folder of the current drawing.
#include "Afx.h"

// The location resolved against the drawing at basePath (its full file path; empty for a
// drawing never saved). Absolute locations come back unchanged.
CString ResolveRelativePath(const CString& basePath, const CString& location);

// The location relative to the drawing's folder (".\parts.mdb", "..\data\parts.mdb"), or the
// location unchanged when no relative path exists (another drive).
CString MakeRelativePath(const CString& basePath, const CString& location);

// Whether two locations name the same database: both resolved against the current
// drawing, then compared without regard to case.
bool IsSameLocation(const CString& locationA, const CString& locationB);

// The current drawing's full path; empty when none is open or it was never saved.
CString GetCurrentDrawingPath();
