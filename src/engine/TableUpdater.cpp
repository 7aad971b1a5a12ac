#include "engine/TableUpdater.h"

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "db/DbEntities.h"
#include "editor/Alert.h"
#include "editor/StaleTables.h"
#include "db/DrawingDatabase.h"
#include "editor/Editor.h"
#include "editor/Print.h"
#include "editor/StatusBar.h"
#include "catalogue/DatabasePtrArray.h"
#include "catalogue/Location.h"
#include "catalogue/TrustedSources.h"
#include "types/CellGrid.h"
#include "engine/LinkedEntities.h"
#include "engine/TableBuilder.h"
#include "engine/TableLinkIO.h"
#include "engine/TableSize.h"
#include "data/QueryLimits.h"

namespace {

CTableUpdateObserver* g_pObserver = nullptr;

// One table a refresh left as it was, and why.
struct CFailedTable {
    CString m_strHandle;
    CString m_strReason;
};
// The failures of the refresh under way (null outside one), for its closing lines.
std::vector<CFailedTable>* g_pFailures = nullptr;

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void Failed(AcDbObjectId id, const CTableLink& link, const CString& reason) {
    // The table still shows what its database held before: the host marks it as stale.
    platform::MarkStale(id.database(), id, reason.str());
    if (g_pFailures) g_pFailures->push_back({CString(id.handle().text().c_str()), reason});
    if (g_pObserver) g_pObserver->OnTableFailed(id, link, reason);
}

// What the refresh did, after it: how many tables were refreshed and how many failed, and a
// line for each failure. A tool that watches the refresh (an observer) reports for itself.
void PrintRefreshSummary(int nRefreshed, const std::vector<CFailedTable>& failures) {
    if (g_pObserver) return;
    for (const CFailedTable& failure : failures) {
        const wchar_t last = failure.m_strReason.IsEmpty() ? L' ' : failure.m_strReason[failure.m_strReason.GetLength() - 1];
        const bool bStop = last == L'.' || last == L'?';
        acutPrintf(L"\nThe linked table %s is not refreshed: %s%s", failure.m_strHandle.GetString(), failure.m_strReason.GetString(),
                   bStop ? L"" : L".");
    }
    acutPrintf(L"\n%d %s refreshed, %d failed.\n", nRefreshed, nRefreshed == 1 ? L"table" : L"tables", static_cast<int>(failures.size()));
}

// Why the entity is no table to refill: a table the drawing kept as its file holds it says why.
CString NotATable(AcDbObjectId id) {
    CString reason = L"the entity is not a table that can be changed";
    AcDbEntity* pEnt = nullptr;
    if (acdbOpenObject(pEnt, id, AcDb::kForRead) == Acad::eOk) {
        if (const auto* pRaw = AcDbRawEntity::cast(pEnt); pRaw && !pRaw->unreadReason().empty())
            reason = CString(L"the table cannot be read: ") + pRaw->unreadReason().c_str();
        pEnt->close();
    }
    return reason;
}

// The databases that failed to open during one refresh: the data layer has reported each
// once, and the tables that name it after are skipped without asking (and reporting) again.
struct CRefreshRun {
    struct CFailedDatabase {
        CString m_strDriver, m_strLocation, m_strReason;
    };
    std::vector<CFailedDatabase> m_failedDatabases;
    // The reason the database failed with; null when it has not failed.
    const CString* Failure(const CString& driver, const CString& location) const {
        for (const CFailedDatabase& failed : m_failedDatabases)
            if (IsSameLinkLocation(failed.m_strDriver, failed.m_strLocation, location)) return &failed.m_strReason;
        return nullptr;
    }
};

// Takes the data layer's alerts into a text while it lives, when asked to.
class CAlertCapture {
public:
    CAlertCapture(bool bCapture, std::wstring& report) : m_bCapture(bCapture) {
        if (bCapture) m_previous = platform::SetAlertHandler([&report](std::wstring_view text) { report = text; });
    }
    ~CAlertCapture() {
        if (m_bCapture) platform::SetAlertHandler(std::move(m_previous));
    }
    CAlertCapture(const CAlertCapture&) = delete;
    CAlertCapture& operator=(const CAlertCapture&) = delete;

private:
    bool m_bCapture;
    platform::AlertHandler m_previous;
};

const wchar_t* const kCancelled = L"the refresh was cancelled";

// True when the table was refreshed (or already showed the data).
bool UpdateOneTable(const ads_name entity, CRefreshRun& run) {
    AcDbObjectId id;
    if (acdbGetObjectId(id, entity) != Acad::eOk) return false;

    CTableLink link;
    AcDbObject* pObj = nullptr;
    if (acdbOpenObject(pObj, id, AcDb::kForRead) != Acad::eOk) return false;
    const bool linked = ReadTableLink(link, pObj);
    pObj->close();
    // Without its layout block the record is no link (the command passes it over); a tool's
    // report still names it.
    if (!linked) {
        Failed(id, link, L"the link record has no layout block");
        return false;
    }
    if (const CString strDamage = CheckLinkRecord(link, -1, -1); !strDamage.IsEmpty()) {
        Failed(id, link, strDamage);
        return false;
    }

    // A server or data source runs the link's SQL with the user's credentials: only for one
    // the user trusts, whoever made the drawing.
    CString source;
    if (!IsLinkTrusted(link.m_strConnectDriver, link.m_strDatabase, &source)) {
        Failed(id, link, UntrustedReason(source));
        return false;
    }

    const auto fetchStart = std::chrono::steady_clock::now();
    if (const CString* pReason = run.Failure(link.m_strConnectDriver, link.m_strDatabase)) {
        Failed(id, link, *pReason);
        return false;
    }
    // A tool that watches the refresh, and a command line that says failures in plain lines,
    // put each failure's reason on the table's own line: the data layer's reports are taken
    // for it instead of being shown as well. Where the host shows alerts, they are shown.
    std::wstring report;
    const CAlertCapture capture(g_pObserver != nullptr || platform::GetAlertStyle() == platform::AlertStyle::Line, report);
    CMyDatabase* db = GetOpenDatabases().FindOrAddDatabase(link.m_strConnectDriver, link.m_strDatabase, link.m_strUser,
                                                            link.m_strPassword);
    if (!db) {
        // Said for each table that names it; the database is not tried again in this refresh.
        const CString strReason = L"cannot open the database " + link.m_strDatabase +
                                  (report.empty() ? CString() : L": " + CString(platform::AlertReason(report).c_str()));
        run.m_failedDatabases.push_back({link.m_strConnectDriver, link.m_strDatabase, strReason});
        Failed(id, link, strReason);
        return false;
    }

    // The reader completes the link (a table becomes its query); the report names the stored one.
    const CTableLink stored = link;
    CCellGrid grid;
    if (!db->ReadRecords(link, grid)) {
        if (UserBreakRequested()) Failed(id, stored, kCancelled);
        else Failed(id, stored, db->FailureReason(stored));
        return false;
    }
    const double fetchSeconds = Seconds(fetchStart);

    const auto fillStart = std::chrono::steady_clock::now();
    AcDbTable* pTable = nullptr;
    if (acdbOpenObject(pTable, id, AcDb::kForRead) != Acad::eOk) {
        Failed(id, stored, NotATable(id));
        return false;
    }
    const int rowsBefore = pTable->numRows(), colsBefore = pTable->numColumns();
    // A start cell outside the table would delete rows before the data (the heading among
    // them) or write past the columns: such a record is reported, the table left as it is.
    if (const CString strDamage = CheckLinkRecord(link, rowsBefore, colsBefore); !strDamage.IsEmpty()) {
        pTable->close();
        Failed(id, stored, strDamage);
        return false;
    }
    // A table the refresh would make too large to hold or to save is refused while it is
    // still as it was.
    const CQueryLimits limits = GetQueryLimits();
    if (const CString strTooLarge = CheckTableSize(grid, link, pTable, limits.m_nCellLimit, limits.m_nMemoryLimitBytes); !strTooLarge.IsEmpty()) {
        pTable->close();
        Failed(id, stored, strTooLarge);
        return false;
    }
    // A table that already shows the data is left as it is: not modified, so the drawing does
    // not change (nor is the table rewritten when it is saved).
    if (!TableHoldsGrid(grid, link, pTable)) {
        if (pTable->upgradeOpen() != Acad::eOk) {
            pTable->close();
            Failed(id, stored, L"the entity is not a table that can be changed");
            return false;
        }
        const bool bCompare = g_pObserver && g_pObserver->WantsChanges();
        CTableTexts before;
        if (bCompare) before = ReadTableTexts(pTable);
        BuildTable(grid, link, pTable);
        if (bCompare) g_pObserver->OnTableChanged(id, stored, CompareTableTexts(std::move(before), ReadTableTexts(pTable)));
    }
    const int rowsAfter = pTable->numRows(), colsAfter = pTable->numColumns();
    pTable->close();
    platform::ClearStale(id.database(), id);
    if (g_pObserver)
        g_pObserver->OnTableUpdated(id, stored, rowsBefore, colsBefore, rowsAfter, colsAfter, fetchSeconds, Seconds(fillStart));
    return true;
}

// A table the cancelled refresh did not reach, for the tool's report.
void NotReached(const ads_name entity) {
    AcDbObjectId id;
    CTableLink link;
    AcDbObject* pObj = nullptr;
    if (!g_pObserver || acdbGetObjectId(id, entity) != Acad::eOk || acdbOpenObject(pObj, id, AcDb::kForRead) != Acad::eOk) return;
    const bool linked = ReadTableLink(link, pObj);
    pObj->close();
    if (linked) Failed(id, link, kCancelled);
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
    CRefreshRun run;
    std::vector<CFailedTable> failures;
    g_pFailures = &failures;
    // Escape or ^C stops the statement running and the tables after it; each table is
    // refilled whole or not at all, so those already refreshed stay refreshed.
    const CUserBreakScope breakScope;
    int nRefreshed = 0;
    Adesk::Int32 nDone = 0;
    // The status bar's meter (shown on a terminal when the refresh takes a while).
    acedSetStatusBarProgressMeter(L"Updating tables", 0, length);
    for (; nDone < length && !UserBreakRequested(); ++nDone) {
        ads_name entity = {0, 0};
        if (acedSSName(ss, nDone, entity) == RTNORM && UpdateOneTable(entity, run)) ++nRefreshed;
        acedSetStatusBarProgressMeterPos(nDone + 1);
    }
    acedRestoreStatusBar();
    if (UserBreakRequested()) {
        for (Adesk::Int32 i = nDone; i < length; ++i) {
            ads_name entity = {0, 0};
            if (acedSSName(ss, i, entity) == RTNORM) NotReached(entity);
        }
        acutPrintf(L"\n*Cancel*\nThe refresh was cancelled: %d of %d linked tables refreshed, %d not refreshed.\n", nRefreshed,
                   static_cast<int>(length), static_cast<int>(length) - nRefreshed);
    } else {
        PrintRefreshSummary(nRefreshed, failures);
    }
    g_pFailures = nullptr;
    acedSSFree(ss);
}

CTableUpdateObserver* SetTableUpdateObserver(CTableUpdateObserver* pObserver) {
    CTableUpdateObserver* previous = g_pObserver;
    g_pObserver = pObserver;
    return previous;
}
