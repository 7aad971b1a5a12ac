#pragma once
// The table updater: refreshes linked tables from their databases.

// Refreshes every linked table of a selection: mode null asks the user to select objects,
// mode L"X" takes every linked entity of the drawing. Each table is refilled from its
// stored start cell with a fresh fetch of its table, view or query; a table whose link,
// database or fetch fails is left as it was and the others still refresh.
void UpdateLinkedTables(const wchar_t* mode);

#include "db/DrawingDatabase.h"
#include "engine/TableChanges.h"
#include "types/TableLink.h"

// Who wants to know how each table of a refresh fared (the update tool's report). The
// interactive command has none; the refresh itself prints the same either way.
struct CTableUpdateObserver {
    virtual ~CTableUpdateObserver() = default;
    // The table was refilled: its size before and after, and the seconds spent fetching the
    // records and filling the table.
    virtual void OnTableUpdated(AcDbObjectId id, const CTableLink& link, int nRowsBefore, int nColsBefore,
                                int nRowsAfter, int nColsAfter, double dFetchSeconds, double dFillSeconds) = 0;
    // The table was left as it was, and why.
    virtual void OnTableFailed(AcDbObjectId id, const CTableLink& link, const CString& strReason) = 0;
    // Whether the refresh should compare each refilled table's cell texts before and after
    // (reading every cell twice) and report them through OnTableChanged.
    virtual bool WantsChanges() const { return false; }
    // Before OnTableUpdated of a table whose cells were rewritten, when WantsChanges.
    virtual void OnTableChanged(AcDbObjectId /*id*/, const CTableLink& /*link*/, const CTableChanges& /*changes*/) {}
};

// Sets the observer of later refreshes (null for none); returns the previous one.
CTableUpdateObserver* SetTableUpdateObserver(CTableUpdateObserver* pObserver);
