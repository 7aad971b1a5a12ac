// The parent's side of a read: the reader process run contained, and its output read back
// (the child's side is MdbChild.cpp).
#include "access/MdbReader.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>

#include "access/ContainedProcess.h"
#include "access/MdbChild.h"
#include "access/Wire.h"

namespace platform::mdb {
namespace {

std::atomic<long long> g_timeLimitMs{10000};

Status RunReader(const std::function<int(wire::Writer&)>& body, std::string& output, const std::function<bool()>& stop = {}) {
    int exitStatus = -1;
    const ContainedResult result = RunContained(body, std::chrono::milliseconds(g_timeLimitMs.load()), output, exitStatus, stop);
    if (result == ContainedResult::Stopped) return Status::Cancelled;
    if (result != ContainedResult::Ok) return Status::Damaged;
    switch (exitStatus) {
    case child::kExitOk: return Status::Ok;
    case child::kExitNotAccess: return Status::NotAccess;
    default: return Status::Damaged;
    }
}

// One table's rows as the child wrote them, up to its 'E' and count of rows missing (added to
// missing); false when they do not read.
bool ParseRows(wire::Reader& r, size_t table, size_t columnCount, const TablesRowCallback& onRow, size_t& missing) {
    std::vector<Value> row(columnCount);
    for (;;) {
        std::uint8_t marker;
        if (!r.U8(marker)) return false;
        if (marker == 'E') {
            std::uint32_t count;
            if (!r.U32(count)) return false;
            missing += count;
            return true;
        }
        if (marker != 'R') return false;
        for (auto& value : row) {
            std::uint8_t kind;
            if (!r.U8(kind)) return false;
            value.kind = static_cast<Value::Kind>(kind);
            bool ok = true;
            switch (kind) {
            case Value::Null: break;
            case Value::Int: ok = r.I64(value.i); break;
            case Value::Real: ok = r.F64(value.d); break;
            case Value::Text:
            case Value::Blob: ok = r.View(value.bytes); break;
            default: ok = false;
            }
            if (!ok) return false;
        }
        if (onRow) onRow(table, row);
    }
}

Status CheckFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return Status::NotFound;
    return Status::Ok;
}

}  // namespace

std::chrono::milliseconds TimeLimit() { return std::chrono::milliseconds(g_timeLimitMs.load()); }
void SetTimeLimit(std::chrono::milliseconds limit) { g_timeLimitMs = limit.count() > 0 ? limit.count() : 1; }

Status ReadCatalog(const std::string& path, Catalog& catalog, const std::vector<std::string>& rowsOf, const TablesRowCallback& onRow,
                   bool* rowsRead) {
    if (rowsRead) *rowsRead = false;
    if (Status s = CheckFile(path); s != Status::Ok) return s;
    std::string output;
    const Status status = RunReader([&](wire::Writer& w) { return child::CatalogChild(path, rowsOf, w); }, output);
    // A reader that failed (or was stopped) after the whole catalogue failed on the rows read
    // with it, when the caller can do without them: what it wrote of the catalogue counts.
    if (status != Status::Ok && !(status == Status::Damaged && rowsRead && !rowsOf.empty())) return status;
    wire::Reader r(output);
    catalog = Catalog{};
    std::uint8_t jet3;
    std::uint32_t tableCount;
    if (!r.U8(jet3) || !r.U32(tableCount)) return Status::Damaged;
    catalog.jet3 = jet3 != 0;
    for (std::uint32_t t = 0; t < tableCount; ++t) {
        Table table;
        std::uint8_t kind;
        std::uint32_t columnCount;
        if (!r.Str(table.name) || !r.U8(kind) || kind > 2 || !r.U32(columnCount)) return Status::Damaged;
        table.kind = static_cast<TableKind>(kind);
        for (std::uint32_t c = 0; c < columnCount; ++c) {
            Column col;
            std::uint8_t fixed, autoNumber, calculated;
            std::int32_t type, size, scale, precision;
            if (!r.Str(col.name) || !r.I32(type) || !r.I32(size) || !r.I32(scale) || !r.I32(precision) || !r.U8(fixed) || !r.U8(autoNumber) ||
                !r.U8(calculated))
                return Status::Damaged;
            col.type = type;
            col.size = size;
            col.scale = scale;
            col.precision = precision;
            col.fixed = fixed != 0;
            col.autoNumber = autoNumber != 0;
            col.calculated = calculated != 0;
            table.columns.push_back(std::move(col));
        }
        catalog.tables.push_back(std::move(table));
    }
    std::uint8_t end;
    if (!r.U8(end) || end != 'E') return Status::Damaged;
    bool rowsOk = status == Status::Ok;
    for (size_t t = 0; t < rowsOf.size() && rowsOk; ++t) {
        std::uint8_t present;
        if (!r.U8(present) || present > 1) {
            rowsOk = false;
            break;
        }
        if (!present) continue;
        const auto table = std::find_if(catalog.tables.begin(), catalog.tables.end(),
                                        [&](const Table& x) { return x.kind != TableKind::Linked && x.name == rowsOf[t]; });
        size_t missing = 0;  // a catalogue table with rows missing counts as not read
        rowsOk = table != catalog.tables.end() && ParseRows(r, t, table->columns.size(), onRow, missing) && missing == 0;
    }
    if (rowsRead) *rowsRead = rowsOk;
    return rowsOk || rowsRead ? Status::Ok : Status::Damaged;
}

Status ReadRowsOfTables(const std::string& path, const std::vector<std::pair<std::string, size_t>>& tables, const TablesRowCallback& onRow,
                        size_t* missingRows, const std::function<bool()>& stop) {
    if (missingRows) *missingRows = 0;
    if (Status s = CheckFile(path); s != Status::Ok) return s;
    std::string output;
    const Status status = RunReader([&](wire::Writer& w) { return child::RowsChild(path, tables, w); }, output, stop);
    if (status != Status::Ok) return status;
    wire::Reader r(output);
    size_t missing = 0;
    for (size_t t = 0; t < tables.size(); ++t)
        if (!ParseRows(r, t, tables[t].second, onRow, missing)) return Status::Damaged;
    if (missingRows) *missingRows = missing;
    return missing && !missingRows ? Status::Damaged : Status::Ok;
}

}  // namespace platform::mdb
