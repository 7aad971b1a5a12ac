#include "engine/TableUpdater.h"

#include "DrawingDatabase.h"
#include "Editor.h"
#include "Print.h"
#include "catalogue/DatabasePtrArray.h"
#include "engine/CellGrid.h"
#include "engine/TableBuilder.h"
#include "engine/TableLinkIO.h"

namespace {

// The database of a link from the open database list, opened and added when it is not
// there yet. Null when it cannot be opened (the data layer has reported why).
CMyDatabase* FindOrOpenDatabase(const CTableLink& link) {
    CDatabasePtrArray& databases = GetOpenDatabases();
    if (CMyDatabase* db = databases.FindDatabase(link.m_strDatabase)) return db;
    if (!databases.AddDatabase(link.m_strConnectDriver, link.m_strDatabase, link.m_strUser, link.m_strPassword))
        return nullptr;
    return databases.FindDatabase(link.m_strDatabase);
}

void UpdateOneTable(const ads_name entity) {
    AcDbObjectId id;
    if (acdbGetObjectId(id, entity) != Acad::eOk) return;

    CTableLink link;
    AcDbObject* pObj = nullptr;
    if (acdbOpenObject(pObj, id, AcDb::kForRead) != Acad::eOk) return;
    const bool linked = ReadTableLink(link, pObj);
    pObj->close();
    if (!linked) return;

    if (link.m_strConnectDriver.IsEmpty() || link.m_strDatabase.IsEmpty()) return;
    if (link.m_strTable.IsEmpty() && link.m_strSQL.IsEmpty()) return;

    CMyDatabase* db = FindOrOpenDatabase(link);
    if (!db) return;

    CCellGrid grid;
    if (!db->ReadRecords(link, grid)) return;

    AcDbTable* pTable = nullptr;
    if (acdbOpenObject(pTable, id, AcDb::kForWrite) != Acad::eOk) return;
    BuildTable(grid, link, pTable);
    pTable->close();
}

}  // namespace

void UpdateLinkedTables(const wchar_t* mode) {
    resbuf* filter = BuildLinkedTableFilter();
    ads_name ss = {0, 0};
    const int rc = acedSSGet(mode, nullptr, nullptr, filter, ss);
    acutRelRb(filter);
    if (rc != RTNORM) return;

    Adesk::Int32 length = 0;
    if (acedSSLength(ss, &length) != RTNORM || length <= 0) {
        acedSSFree(ss);
        return;
    }

    acutPrintf(L"\nPreparing for table update...\n");
    for (Adesk::Int32 i = 0; i < length; ++i) {
        ads_name entity = {0, 0};
        if (acedSSName(ss, i, entity) == RTNORM) UpdateOneTable(entity);
    }
    acedSSFree(ss);
}
