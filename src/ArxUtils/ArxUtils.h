#pragma once
// Drawing utilities shared by the table builder, the link record, the table commands and
// the main data dialog: adding entities to the current space and dragging them into place,
// one string of extended data per application name, and the drawing's table style names.
#include "mfc/Afx.h"
#include "db/DrawingDatabase.h"
#include "editor/Editor.h"

// Appends a new entity to the current space of the database (the working database when
// none is given). The entity stays open; the caller closes it on success, deletes it on
// failure. Returns 3 (eInvalidInput) when the current space cannot be opened.
Acad::ErrorStatus addToCurrentSpace(AcDbEntity* pEntity, AcDbDatabase* pDb = nullptr);

// Lets the user drag the entities of the set to a point; moves them there (RTNORM) or, when
// the user cancels, erases them and returns the drag's result. Frees the set either way.
int dragSelectionSet(ads_name ss, const wchar_t* prompt, const AcGePoint3d& basePoint);

// The application's string: the first group 1000 item that is not inside a 1002 "{" "}"
// pair. False when there is none (the value is emptied when the application has no data at
// all, left alone otherwise).
bool getXdata(AcDbObject* pObj, const wchar_t* appName, CString& value);
bool getXdata(const ads_name entityName, const wchar_t* appName, CString& value);
bool getXdata(AcDbObjectId id, const wchar_t* appName, CString& value);

// Replaces the application's data with one string, registering the application on first
// use. False only for a missing object or application name.
bool setXdata(AcDbObject* pObj, const wchar_t* appName, const wchar_t* value);

// Appends the names of the working database's table styles.
Acad::ErrorStatus getTableStyleNames(CStringArray& names);
