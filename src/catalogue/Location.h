#pragma once
// Database locations: a path absolute, or relative to the folder of the current drawing.
#include "mfc/Afx.h"

// The location resolved against the drawing at basePath (its full file path; empty for a
// drawing never saved). Absolute locations come back unchanged. A relative location that
// cannot be resolved (the result would pass the 260-character path limit) comes back empty:
// taken as it stands it would name a file beside the current folder, another database.
CString ResolveRelativePath(const CString& basePath, const CString& location);
// The same, false when a relative location cannot be resolved.
bool TryResolveRelativePath(const CString& basePath, const CString& location, CString& resolved);

// The location relative to the drawing's folder (".\parts.mdb", "..\data\parts.mdb"), or the
// location unchanged when no relative path exists (another drive).
CString MakeRelativePath(const CString& basePath, const CString& location);

// Whether two locations name the same database: both resolved against the current
// drawing, then compared without regard to case.
bool IsSameLocation(const CString& locationA, const CString& locationB);

// Locations as a link's driver reads them. Only a file location is relative to the drawing;
// a server (HOST[:PORT]/DATABASE) or a data source name stands as it is, and is never
// resolved, relinked or looked for on disk.
bool IsFileDriver(const CString& driverName);
bool TryResolveLinkLocation(const CString& driverName, const CString& basePath, const CString& location, CString& resolved);
// Whether the location of a database opened with driverName names the same database as location.
bool IsSameLinkLocation(const CString& driverName, const CString& openLocation, const CString& location);

// The current drawing's full path; empty when none is open or it was never saved.
CString GetCurrentDrawingPath();
