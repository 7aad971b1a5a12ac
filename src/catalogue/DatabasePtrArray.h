#pragma once
// The open database list: one per process, shared by every drawing.
#include "mfc/Afx.h"
#include "catalogue/MyDatabase.h"

class CDatabasePtrArray : public CArray<CMyDatabase*, CMyDatabase*> {
public:
    CMyDatabase* FindDatabase(const CString& location) const;
    bool AddDatabase(const CString& driverName, const CString& location, const CString& user, const CString& password);
    // The database at location, opened and added first when it is not in the list; null when
    // it cannot be opened (the data layer has reported why).
    CMyDatabase* FindOrAddDatabase(const CString& driverName, const CString& location, const CString& user,
                                   const CString& password);
    void GetTableNames(const CString& location, CStringArray& names) const;
    // Between two drawings of one run of a tool: every open database whose file is unchanged
    // stays open for the next drawing, pinned to the file it was opened from, so that the next
    // drawing's relative paths are matched against that file rather than against the text the
    // first drawing stored. One whose file changed or is gone is closed, to be read afresh.
    void KeepForNextDrawing();
};

// The process-wide list.
CDatabasePtrArray& GetOpenDatabases();

// Closes and destroys every database of the list; called when the module unloads.
void CloseAllDatabases();
