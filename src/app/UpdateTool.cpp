// The module's side of `velloria update`: the refresh of DbTable_Update with ALL, reported
// table by table, with the changed cells for the dry run and the change report.
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "app/ChangeReport.h"
#include "app/ToolEntryPoints.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/DatabasePtrArray.h"
#include "engine/LinkedEntities.h"
#include "engine/TableUpdater.h"

namespace {

std::string HandleText(AcDbObjectId id) { return CString(id.handle().text().c_str()).ToUtf8(); }

std::string Source(const CTableLink& link) {
    std::string source = link.m_strSQL.IsEmpty() ? "table " + link.m_strTable.ToUtf8() : "sql \"" + link.m_strSQL.ToUtf8() + "\"";
    return link.m_strDatabase.ToUtf8() + " " + source;
}

// How many changed cells, and added or removed rows, a table's lines list; the report has them all.
constexpr size_t kListedCells = 20;
constexpr int kListedRows = 5;

std::string Shown(const std::string& text) { return "\"" + text + "\""; }

class CUpdateReport : public CTableUpdateObserver {
public:
    CUpdateReport(VelloriaUpdateTotals& totals, VelloriaChangeTotals& changes, const VelloriaUpdateOptions& options)
        : m_totals(totals), m_changeTotals(changes), m_options(options) {}

    void OnTableUpdated(AcDbObjectId id, const CTableLink& link, int nRowsBefore, int nColsBefore, int nRowsAfter,
                        int nColsAfter, double dFetchSeconds, double dFillSeconds) override {
        ++m_totals.tables;
        ++m_totals.refreshed;
        m_totals.fetchSeconds += dFetchSeconds;
        m_totals.fillSeconds += dFillSeconds;
        std::printf("%s  %s  %d x %d -> %d x %d", HandleText(id).c_str(), Source(link).c_str(), nRowsBefore, nColsBefore,
                    nRowsAfter, nColsAfter);
        const auto found = m_pending.find(id.handle().value());
        if (!WantsChanges()) {
            std::printf("\n");
        } else if (found == m_pending.end() || !found->second.Any()) {
            std::printf(", unchanged\n");
            m_report.AddTable(HandleText(id), link, nullptr);
        } else {
            const CTableChanges& changes = found->second;
            ++m_changeTotals.tablesChanged;
            m_changeTotals.cellsChanged += static_cast<long long>(changes.m_changed.size());
            m_changeTotals.rowsAdded += changes.m_nRowsAdded;
            m_changeTotals.rowsRemoved += changes.m_nRowsRemoved;
            std::printf(", %s\n", DescribeChanges(changes).c_str());
            if (m_options.listChanges) List(changes);
            m_report.AddTable(HandleText(id), link, &changes);
            m_pending.erase(found);
        }
    }
    void OnTableFailed(AcDbObjectId id, const CTableLink& link, const CString& strReason) override {
        ++m_totals.tables;
        ++m_totals.failed;
        std::printf("%s  %s  not refreshed: %s\n", HandleText(id).c_str(), Source(link).c_str(), strReason.ToUtf8().c_str());
        if (WantsChanges()) m_report.AddFailedTable(HandleText(id), link, strReason.ToUtf8());
    }
    bool WantsChanges() const override { return m_options.listChanges || m_options.reportFragment; }
    void OnTableChanged(AcDbObjectId id, const CTableLink&, const CTableChanges& changes) override {
        m_pending[id.handle().value()] = changes;
    }

    bool WriteFragment(std::string& error) const {
        return !m_options.reportFragment || m_report.WriteFragment(m_options.reportFragment, error);
    }

private:
    static void List(const CTableChanges& changes) {
        size_t listed = 0;
        for (const CCellChange& cell : changes.m_changed) {
            if (listed++ == kListedCells) break;
            std::printf("    row %d, column %d: %s -> %s\n", cell.m_nRow, cell.m_nCol, Shown(cell.m_strOld).c_str(),
                        Shown(cell.m_strNew).c_str());
        }
        if (changes.m_changed.size() > kListedCells)
            std::printf("    ... and %zu more changed cells\n", changes.m_changed.size() - kListedCells);
        ListRows(changes.m_after, changes.m_before.m_nRows, changes.m_after.m_nRows, "added");
        ListRows(changes.m_before, changes.m_after.m_nRows, changes.m_before.m_nRows, "removed");
    }
    // The first rows from..to of the texts; the count of the others, never dropped silently.
    static void ListRows(const CTableTexts& texts, int from, int to, const char* what) {
        for (int r = from; r < to && r < from + kListedRows; ++r) std::printf("    row %d %s: %s\n", r, what, JoinRow(texts, r).c_str());
        if (to - from > kListedRows) std::printf("    ... and %d more rows %s\n", to - from - kListedRows, what);
    }
    static std::string JoinRow(const CTableTexts& texts, int row) {
        std::string out;
        for (int c = 0; c < texts.m_nCols; ++c) out += (c ? " | " : "") + texts.At(row, c);
        return out;
    }

    VelloriaUpdateTotals& m_totals;
    VelloriaChangeTotals& m_changeTotals;
    const VelloriaUpdateOptions& m_options;
    std::map<unsigned long long, CTableChanges> m_pending;
    CChangeReportFragment m_report;
};

int RunUpdate(const VelloriaUpdateOptions& options, VelloriaUpdateTotals* totals, VelloriaChangeTotals* changes) {
    VelloriaUpdateTotals local;
    VelloriaUpdateTotals& sum = totals ? *totals : local;
    VelloriaChangeTotals localChanges;
    VelloriaChangeTotals& changeSum = changes ? *changes : localChanges;
    InitConnectStringTable();
    // Standard output carries the report; the refresh's messages and alerts go to standard error.
    std::fflush(stdout);
    const platform::OutputSink previous =
        platform::SetOutputSink([](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stderr); });
    CUpdateReport report(sum, changeSum, options);
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
    std::string error;
    if (!report.WriteFragment(error)) {
        std::fprintf(stderr, "velloria update: the change report cannot be written: %s\n", error.c_str());
        changeSum.reportFailed = 1;
    }
    std::fflush(stdout);
    return sum.failed;
}

}  // namespace

extern "C" int velloriaUpdate(VelloriaUpdateTotals* totals) { return RunUpdate(VelloriaUpdateOptions{}, totals, nullptr); }

extern "C" int velloriaUpdateWithOptions(const VelloriaUpdateOptions* options, VelloriaUpdateTotals* totals,
                                         VelloriaChangeTotals* changes) {
    return RunUpdate(options ? *options : VelloriaUpdateOptions{}, totals, changes);
}

extern "C" void velloriaNextDrawing() { GetOpenDatabases().KeepForNextDrawing(); }
