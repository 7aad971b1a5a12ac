#include "app/VeloCommands.h"

#include "win/ModuleFile.h"
#include "editor/Print.h"
#include "runtime/HtmlHelp.h"
#include "runtime/ShellExecute.h"
#include "win/ShellPath.h"
#include "app/VelloriaApp.h"
#include "ArxUtils/ArxUtils.h"
#include "editor/Editor.h"
#include "catalogue/DatabasePtrArray.h"
#include "catalogue/TrustedSources.h"
#include "types/CellGrid.h"
#include "data/QueryLimits.h"
#include "engine/TableBuilder.h"
#include "engine/TableSize.h"
#include "engine/LinkLayoutFit.h"
#include "engine/TableLinkIO.h"
#include "app/ModuleDialogs.h"

namespace {

// The product's pages and support address.
constexpr const wchar_t* kWebsiteUrl = L"https://www.morvane.com/velloria";
constexpr const wchar_t* kFaqUrl = L"https://www.morvane.com/velloria/faq";
constexpr const wchar_t* kWhatsNewUrl = L"https://www.morvane.com/velloria/whats-new";
constexpr const wchar_t* kDemoUrl = L"https://www.morvane.com/velloria/demo";
constexpr const wchar_t* kSupportMail = L"mailto:support@morvane.com?subject=Velloria";


void OpenWithShell(const wchar_t* target) { ShellExecuteW(nullptr, L"open", target, nullptr, nullptr, SW_SHOWNORMAL); }

// The names of the columns a link's source gives; false when they cannot be read.
bool readSourceColumns(CMyDatabase* pDatabase, const CTableLink& link, CStringArray& columns) {
    if (!pDatabase || (!pDatabase->m_Database.IsOpen() && !pDatabase->m_Database.Open())) return false;
    CString sql = link.m_strSQL;
    if (sql.IsEmpty() && !link.m_strTable.IsEmpty()) sql = pDatabase->TableQuery(link.m_strTable);
    CCellGrid fetched;
    if (sql.IsEmpty() || !pDatabase->FetchRecords(sql, fetched) || fetched.GetRows() < 1) return false;
    for (int c = 0; c < fetched.GetCols(); ++c) columns.Add(fetched.GetCell(0, c));
    return true;
}

// After the link was given another source: its headings and widths that do not fit the new
// columns are cleared, with a note. A source that cannot be read leaves them as they are.
void fitLayoutToNewSource(CTableLink& link, const CTableLink& oldSource) {
    if (link.m_arrHeadings.IsEmpty() && link.m_arrWidths.IsEmpty()) return;
    CStringArray oldColumns, newColumns;
    const bool bOldKnown = readSourceColumns(GetOpenDatabases().FindDatabase(oldSource.m_strDatabase), oldSource, oldColumns);
    CMyDatabase* pDatabase =
        GetOpenDatabases().FindOrAddDatabase(link.m_strConnectDriver, link.m_strDatabase, link.m_strUser, link.m_strPassword);
    if (!readSourceColumns(pDatabase, link, newColumns)) return;
    const CString note = FitLayoutToColumns(link, bOldKnown ? &oldColumns : nullptr, newColumns);
    if (!note.IsEmpty()) acutPrintf(L"%s", note.GetString());
}

}  // namespace

void OpenLinkedDatabases() {
    resbuf* filter = BuildLinkedTableFilter();
    ads_name ss = {0, 0};
    const int result = acedSSGet(L"X", nullptr, nullptr, filter, ss);
    acutRelRb(filter);
    if (result != RTNORM) return;

    Adesk::Int32 length = 0;
    acedSSLength(ss, &length);
    CDatabasePtrArray& databases = GetOpenDatabases();
    for (Adesk::Int32 i = 0; i < length; ++i) {
        ads_name entity;
        if (acedSSName(ss, i, entity) != RTNORM) continue;
        CString driver, database, user, password;
        if (!getXdata(entity, L"Connect_Driver", driver) || !getXdata(entity, L"Database", database) || !getXdata(entity, L"User", user) ||
            !getXdata(entity, L"Password", password))
            continue;
        if (driver.IsEmpty() || database.IsEmpty()) continue;
        // A stranger's drawing does not connect to the user's servers by being looked at.
        CString source;
        if (!IsLinkTrusted(driver, database, &source)) {
            acutPrintf(L"\nThe database of a linked table is not opened: %s", UntrustedReason(source).GetString());
            continue;
        }
        databases.AddDatabase(driver, database, user, password);
    }
    acedSSFree(ss);
}

void DbTable_Create() {
    OpenLinkedDatabases();
    if (const CDialogTable* pDialogs = ModuleDialogs()) pDialogs->pfnCreateTable();
}

void DbTable_Properties() {
    ads_name entity;
    ads_point point;
    if (acedEntSel(L"\nPlease select a database table:", entity, point) != RTNORM) return;
    AcDbObjectId id;
    if (acdbGetObjectId(id, entity) != Acad::eOk) return;

    CTableLink link;
    if (!ReadTableLinkById(link, id)) {
        acutPrintf(L"\nFailed to read the information of the database table.");
        return;
    }

    const CDialogTable* pDialogs = ModuleDialogs();
    if (!pDialogs) return;
    CLinkSourceFields fields{link.m_strConnectDriver, link.m_strDatabase, link.m_strTable, link.m_strSQL, link.m_strUser, link.m_strPassword};
    if (!pDialogs->pfnEditLinkSource(fields)) return;
    const CString &driver = fields.strDriver, &database = fields.strDatabase, &table = fields.strTable, &sql = fields.strSQL,
                  &user = fields.strUser, &password = fields.strPassword;
    const int bUpdateTable = fields.bUpdateTable;

    if (driver.CompareNoCase(link.m_strConnectDriver) == 0 && database.CompareNoCase(link.m_strDatabase) == 0 &&
        table.CompareNoCase(link.m_strTable) == 0 && sql.CompareNoCase(link.m_strSQL) == 0 && user.CompareNoCase(link.m_strUser) == 0 &&
        password.CompareNoCase(link.m_strPassword) == 0)
        return;

    CTableLink oldSource;
    oldSource.m_strDatabase = link.m_strDatabase;
    oldSource.m_strTable = link.m_strTable;
    oldSource.m_strSQL = link.m_strSQL;
    const bool bSourceChanged = database.CompareNoCase(link.m_strDatabase) != 0 || table.CompareNoCase(link.m_strTable) != 0 ||
                                sql.CompareNoCase(link.m_strSQL) != 0;
    link.m_strConnectDriver = driver;
    link.m_strDatabase = database;
    link.m_strTable = table;
    link.m_strSQL = sql;
    link.m_strUser = user;
    link.m_strPassword = password;
    if (bSourceChanged) fitLayoutToNewSource(link, oldSource);
    if (!WriteTableLinkById(link, id)) return;
    if (!bUpdateTable) return;

    CMyDatabase* pDatabase =
        GetOpenDatabases().FindOrAddDatabase(link.m_strConnectDriver, link.m_strDatabase, link.m_strUser, link.m_strPassword);
    if (!pDatabase) {
        acutPrintf(L"\nFailed to open database %s.", link.m_strDatabase.GetString());
        return;
    }
    CCellGrid grid;
    if (!pDatabase->ReadRecords(link, grid)) return;
    AcDbTable* pTable = nullptr;
    if (acdbOpenObject(pTable, id, AcDb::kForWrite) != Acad::eOk) return;
    const CQueryLimits limits = GetQueryLimits();
    if (const CString strTooLarge = CheckTableSize(grid, link, pTable, limits.m_nCellLimit, limits.m_nMemoryLimitBytes); !strTooLarge.IsEmpty()) {
        pTable->close();
        acutPrintf(L"\nThe table is not refreshed: %s.", strTooLarge.GetString());
        return;
    }
    BuildTable(grid, link, pTable);
    pTable->close();
}

void Velo_Help() {
    wchar_t szPath[MAX_PATH] = L"";
    ::GetModuleFileNameW(_hdllInstance, szPath, MAX_PATH);
    PathRemoveFileSpecW(szPath);
    PathAddBackslashW(szPath);
    CString strHelpFile(szPath);
    strHelpFile += L"Velloria.chm";
    // The help viewer says what it could not show.
    HtmlHelpW(nullptr, strHelpFile, HH_DISPLAY_TOPIC, 0);
}

void Velo_About() {
    if (const CDialogTable* pDialogs = ModuleDialogs()) pDialogs->pfnAbout();
}

void Velo_Live_Update() {
    if (const CDialogTable* pDialogs = ModuleDialogs()) pDialogs->pfnLiveUpdate();
}
void Velo_Website() { OpenWithShell(kWebsiteUrl); }
void Velo_Support() { OpenWithShell(kSupportMail); }
void Velo_Faq() { OpenWithShell(kFaqUrl); }
void Velo_New() { OpenWithShell(kWhatsNewUrl); }
void Velo_Demo() { OpenWithShell(kDemoUrl); }
