// The module's side of `velloria update`: the refresh of DbTable_Update with ALL, reported
// table by table.
#include <cstdio>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "app/ToolEntryPoints.h"
#include "catalogue/ConnectStringTable.h"
#include "engine/LinkedEntities.h"
#include "engine/TableUpdater.h"

namespace {

std::string HandleText(AcDbObjectId id) { return CString(id.handle().text().c_str()).ToUtf8(); }

std::string Source(const CTableLink& link) {
    std::string source = link.m_strSQL.IsEmpty() ? "table " + link.m_strTable.ToUtf8() : "sql \"" + link.m_strSQL.ToUtf8() + "\"";
    return link.m_strDatabase.ToUtf8() + " " + source;
}

class CUpdateReport : public CTableUpdateObserver {
public:
    explicit CUpdateReport(VelloriaUpdateTotals& totals) : m_totals(totals) {}

    void OnTableUpdated(AcDbObjectId id, const CTableLink& link, int nRowsBefore, int nColsBefore, int nRowsAfter,
                        int nColsAfter, double dFetchSeconds, double dFillSeconds) override {
        ++m_totals.tables;
        ++m_totals.refreshed;
        m_totals.fetchSeconds += dFetchSeconds;
        m_totals.fillSeconds += dFillSeconds;
        std::printf("%s  %s  %d x %d -> %d x %d\n", HandleText(id).c_str(), Source(link).c_str(), nRowsBefore, nColsBefore,
                    nRowsAfter, nColsAfter);
    }
    void OnTableFailed(AcDbObjectId id, const CTableLink& link, const CString& strReason) override {
        ++m_totals.tables;
        ++m_totals.failed;
        std::printf("%s  %s  not refreshed: %s\n", HandleText(id).c_str(), Source(link).c_str(), strReason.ToUtf8().c_str());
    }

private:
    VelloriaUpdateTotals& m_totals;
};

}  // namespace

extern "C" int velloriaUpdate(VelloriaUpdateTotals* totals) {
    VelloriaUpdateTotals local;
    VelloriaUpdateTotals& sum = totals ? *totals : local;
    InitConnectStringTable();
    // Standard output carries the report; the refresh's messages and alerts go to standard error.
    std::fflush(stdout);
    const platform::OutputSink previous =
        platform::SetOutputSink([](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stderr); });
    CUpdateReport report(sum);
    CTableUpdateObserver* before = SetTableUpdateObserver(&report);
    UpdateLinkedTables(L"X");
    SetTableUpdateObserver(before);
    // Records the linked-table filter cannot see (no "Database" item, or extended data past
    // the host's limits) are not refreshed either: they are named, never passed over.
    std::vector<CLinkedEntity> entities;
    FindLinkedEntities(acdbHostApplicationServices()->workingDatabase(), entities);
    for (const CLinkedEntity& entity : entities)
        if (!entity.m_bSelected) report.OnTableFailed(entity.m_id, entity.m_link, entity.m_strDamage);
    platform::SetOutputSink(previous);
    std::fflush(stdout);
    return sum.failed;
}
