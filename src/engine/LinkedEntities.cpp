#include "engine/LinkedEntities.h"

#include "catalogue/Location.h"
#include "editor/EntityList.h"
#include "engine/TableLinkIO.h"

namespace {

const wchar_t* const kLinkApps[] = {L"Connect_Driver", L"Database", L"Table", L"SQL", L"User", L"Password", kTableLinkLayoutApp};

bool HasApp(const AcDbObject& object, const wchar_t* pszApp) {
    for (const AcDbXDataApp& app : object.xDataApps())
        if (CString(app.app.c_str()).CompareNoCase(pszApp) == 0) return true;
    return false;
}

bool IsLinkApp(const std::wstring& name) {
    for (const wchar_t* app : kLinkApps)
        if (CString(name.c_str()).CompareNoCase(app) == 0) return true;
    return false;
}

void AddIfLinked(AcDbObjectId id, std::vector<CLinkedEntity>& entities) {
    AcDbEntity* pEntity = nullptr;
    if (acdbOpenObject(pEntity, id, AcDb::kForRead) != Acad::eOk) return;
    bool bUnread = false;
    for (const std::wstring& app : pEntity->unreadXDataApps()) bUnread = bUnread || IsLinkApp(app);
    bool bAny = bUnread;
    for (const wchar_t* app : kLinkApps) bAny = bAny || HasApp(*pEntity, app);
    if (!bAny) {
        pEntity->close();
        return;
    }
    CLinkedEntity linked;
    linked.m_id = id;
    linked.m_strType = pEntity->entityTypeName();
    const bool bHasLayout = ReadTableLink(linked.m_link, pEntity);
    const bool bHasDatabase = HasApp(*pEntity, L"Database");
    linked.m_bSelected = bHasDatabase && (linked.m_strType == L"ACAD_TABLE" || linked.m_strType == L"INSERT");
    int& nRows = linked.m_nTableRows;
    int& nCols = linked.m_nTableCols;
    if (AcDbTable* pTable = AcDbTable::cast(pEntity)) {
        nRows = pTable->numRows();
        nCols = pTable->numColumns();
    }
    pEntity->close();

    if (bUnread)
        linked.m_strDamage = L"the link record is past the limits of extended data (at most 255 bytes a string, 16383 bytes an "
                             L"entity) and cannot be read";
    else if (!bHasLayout)
        linked.m_strDamage = L"the link record has no layout block (application " + CString(kTableLinkLayoutApp) + L")";
    else if (!bHasDatabase)
        linked.m_strDamage = L"the link record has no \"Database\" item";
    else if (!linked.m_bSelected)
        linked.m_strDamage = L"the entity is a " + linked.m_strType + L", not a table: only tables are refreshed";
    else
        linked.m_strDamage = CheckLinkRecord(linked.m_link, nRows, nCols);
    entities.push_back(linked);
}

}  // namespace

void FindLinkedEntities(AcDbDatabase* pDb, std::vector<CLinkedEntity>& entities) {
    if (!pDb) return;
    // The drawing's entities as LIST, the cells tool and a selection of everything take them.
    for (AcDbObjectId id : platform::LayoutEntities(pDb)) AddIfLinked(id, entities);
}

CString CheckLinkRecord(const CTableLink& link, int nTableRows, int nTableCols) {
    if (link.m_strConnectDriver.IsEmpty() || link.m_strDatabase.IsEmpty() || (link.m_strTable.IsEmpty() && link.m_strSQL.IsEmpty()))
        return L"the link record names no driver, database, table or query";
    CString strResolved;
    if (!TryResolveLinkLocation(link.m_strConnectDriver, GetCurrentDrawingPath(), link.m_strDatabase, strResolved)) {
        CString strReason;
        strReason.Format(L"the database path %s, joined to the drawing's folder, passes the limit of %d characters",
                         link.m_strDatabase.GetString(), MAX_PATH);
        return strReason;
    }
    if (nTableRows >= 0 &&
        (link.m_nStartRow < 0 || link.m_nStartCol < 0 || link.m_nStartRow >= nTableRows || link.m_nStartCol >= nTableCols)) {
        CString strReason;
        strReason.Format(L"the start cell (row %d, column %d) lies outside the table of %d rows and %d columns", link.m_nStartRow,
                         link.m_nStartCol, nTableRows, nTableCols);
        return strReason;
    }
    return CString();
}
