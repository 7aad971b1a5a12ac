#pragma once
// Every entity of a drawing that carries a link record, or part of one, and what keeps a
// record from being refreshed as written. The updater refreshes what the linked-table filter
// selects; the tools also need the records the filter cannot see (no "Database" item, or
// extended data past the host's limits) so that none is passed over in silence.
#include <vector>

#include "db/DrawingDatabase.h"
#include "types/TableLink.h"

struct CLinkedEntity {
    AcDbObjectId m_id;
    CString m_strType;     // "ACAD_TABLE", "INSERT" ...
    CTableLink m_link;     // as far as it could be read
    bool m_bSelected = false;  // found by the linked-table selection filter (the updater sees it)
    CString m_strDamage;   // why the record cannot be refreshed as written; empty when it can
    int m_nTableRows = -1;     // the table's size as it stands now (-1: the entity is no table)
    int m_nTableCols = -1;
};

// The linked entities of the drawing: those of model space and the layouts, in the order LIST,
// the cells tool and a selection of everything ("X") take them.
void FindLinkedEntities(AcDbDatabase* pDb, std::vector<CLinkedEntity>& entities);

// Why a record read from an entity cannot be refreshed as written; empty when it can. For a
// table, its size (rows and columns, or -1 when the entity is no table): a start cell outside
// the table would delete rows or write past its columns.
CString CheckLinkRecord(const CTableLink& link, int nTableRows, int nTableCols);
