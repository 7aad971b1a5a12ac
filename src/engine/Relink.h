#pragma once
// Re-pointing a link's database path from one folder to another, and writing only the
// "Database" item of its record.
#include "mfc/Afx.h"
#include "db/DrawingDatabase.h"

// Whether the stored location (as the drawing at drawingPath reads it) starts with from, as
// Windows compares paths: letter case and "/" against "\" do not count, and a prefix ends at
// a separator. A relative location is compared as written and as resolved. True with the
// location that replaces it in newLocation: to followed by the rest, kept relative to the
// drawing's folder when the stored one was relative and a relative form exists (another drive
// has none), and newResolved, the file it names.
bool RelinkLocation(const CString& drawingPath, const CString& stored, const CString& from, const CString& to,
                    CString& newLocation, CString& newResolved);

// Replaces the text of the "Database" item of an object open for write, leaving every other
// application and item as stored; false, changing nothing, when the host refuses it.
bool WriteDatabaseItem(AcDbObject* pObj, const CString& location);
