#include "access/MdbReader.h"

#include "access/ContainedProcess.h"
#include "access/MdbDecode.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <strings.h>

#include <mdbtools.h>

namespace platform::mdb {
namespace {

std::atomic<long long> g_timeLimitMs{10000};

// Child exit codes.
constexpr int kExitOk = 0;
constexpr int kExitNotAccess = 3;
constexpr int kExitDamaged = 4;

Status RunReader(const std::function<int(wire::Writer&)>& body, std::string& output) {
    int exitStatus = -1;
    const ContainedResult result = RunContained(body, std::chrono::milliseconds(g_timeLimitMs.load()), output, exitStatus);
    if (result != ContainedResult::Ok) return Status::Damaged;
    switch (exitStatus) {
    case kExitOk: return Status::Ok;
    case kExitNotAccess: return Status::NotAccess;
    default: return Status::Damaged;
    }
}

MdbHandle* OpenFile(const std::string& path) {
    MdbHandle* mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    return mdb;
}

using decode::FileLimits;

FileLimits LimitsOf(MdbHandle* mdb, const std::string& path) {
    FileLimits limits;
    limits.pageSize = static_cast<long>(mdb->fmt->pg_size);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && limits.pageSize > 0) limits.pages = static_cast<long>(st.st_size / limits.pageSize);
    return limits;
}

int TableRows(MdbHandle* mdb, const std::string& path, const std::string& tableName, size_t columnCount, wire::Writer& w);

// The catalogue, then for each named table a 0 (the file has no such table) or a 1 and its rows.
int CatalogChild(const std::string& path, const std::vector<std::string>& rowsOf, wire::Writer& w) {
    MdbHandle* mdb = OpenFile(path);
    if (!mdb) return kExitNotAccess;
    if (!mdb_read_catalog(mdb, MDB_ANY)) return kExitDamaged;
    w.U8(mdb->f->jet_version == MDB_VER_JET3 ? 1 : 0);
    std::vector<MdbCatalogEntry*> entries;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE || entry->object_type == MDB_LINKED_TABLE) entries.push_back(entry);
    }
    w.U32(static_cast<std::uint32_t>(entries.size()));
    std::vector<unsigned> columnCounts(entries.size(), 0);  // of each table, for its rows below
    for (size_t e = 0; e < entries.size(); ++e) {
        MdbCatalogEntry* entry = entries[e];
        w.Str(entry->object_name);
        if (entry->object_type == MDB_LINKED_TABLE) {
            w.U8(static_cast<std::uint8_t>(TableKind::Linked));
            w.U32(0);
            continue;
        }
        // Access takes every MSys table for a system table, whatever its flags say.
        const bool system = mdb_is_system_table(entry) || strncasecmp(entry->object_name, "MSys", 4) == 0;
        w.U8(static_cast<std::uint8_t>(system ? TableKind::System : TableKind::User));
        MdbTableDef* table = mdb_read_table(entry);
        if (!table || !mdb_read_columns(table)) return kExitDamaged;
        w.U32(table->num_cols);
        columnCounts[e] = table->num_cols;
        for (unsigned c = 0; c < table->num_cols; ++c) {
            auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
            const decode::ColumnCoding coding = decode::CodingOf(col);
            w.Str(col->name);
            w.U32(static_cast<std::uint32_t>(coding.type));
            w.U32(static_cast<std::uint32_t>(col->col_size));
            w.U32(static_cast<std::uint32_t>(coding.scale));
            w.U32(static_cast<std::uint32_t>(col->col_scale));  // libmdb's name for the precision
            w.U8(col->is_fixed ? 1 : 0);
            w.U8(col->is_long_auto ? 1 : 0);
            w.U8(coding.calculated ? 1 : 0);
        }
        w.MaybeFlush();
    }
    w.U8('E');
    for (const std::string& name : rowsOf) {
        const auto it = std::find_if(entries.begin(), entries.end(), [&](MdbCatalogEntry* e) {
            return e->object_type == MDB_TABLE && name == e->object_name;
        });
        if (it == entries.end()) {
            w.U8(0);
            continue;
        }
        w.U8(1);
        const size_t columns = columnCounts[static_cast<size_t>(it - entries.begin())];
        if (const int status = TableRows(mdb, path, name, columns, w); status != kExitOk) return status;
    }
    return kExitOk;
}

int TableRows(MdbHandle* mdb, const std::string& path, const std::string& tableName, size_t columnCount, wire::Writer& w) {
    MdbCatalogEntry* found = nullptr;
    for (unsigned i = 0; i < mdb->num_catalog && !found; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && tableName == entry->object_name) found = entry;
    }
    if (!found) return kExitDamaged;
    MdbTableDef* table = mdb_read_table(found);
    if (!table || !mdb_read_columns(table) || table->num_cols != columnCount) return kExitDamaged;
    const FileLimits limits = LimitsOf(mdb, path);
    const bool jet3 = mdb->f->jet_version == MDB_VER_JET3;
    std::vector<MdbField> fields(table->num_cols);
    std::vector<decode::ColumnCoding> columns(table->num_cols);
    for (unsigned c = 0; c < table->num_cols; ++c) columns[c] = decode::CodingOf(static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c)));
    std::vector<int> slot(table->num_cols);
    std::string scratch, text;
    mdb_rewind_table(table);
    long pagesRead = 0;
    std::uint32_t skipped = 0;  // rows the page lists that do not read: the parent says so
    // Data pages come from the table's usage map; each is visited once at most.
    while (mdb_read_next_dpg(table)) {
        if (++pagesRead > limits.pages) return kExitDamaged;
        int rows = mdb_get_int16(mdb->pg_buf, mdb->fmt->row_count_offset);
        if (rows < 0 || rows > 1000) return kExitDamaged;
        for (int r = 0; r < rows; ++r) {
            int rowStart = 0;
            size_t rowSize = 0;
            if (mdb_find_row(mdb, r, &rowStart, &rowSize) != 0) {
                ++skipped;
                continue;
            }
            if (rowSize == 0 || (rowStart & 0x4000)) continue;  // deleted
            rowStart &= 0x1FFF;
            if (rowStart + static_cast<long>(rowSize) > limits.pageSize || mdb_crack_row(table, rowStart, rowSize, fields.data()) < 0) {
                ++skipped;
                continue;
            }
            for (unsigned c = 0; c < table->num_cols; ++c) slot[c] = -1;
            for (unsigned f = 0; f < table->num_cols; ++f) {
                const int colnum = fields[f].colnum;
                if (colnum >= 0 && static_cast<unsigned>(colnum) < table->num_cols) slot[colnum] = static_cast<int>(f);
            }
            w.U8('R');
            for (unsigned c = 0; c < table->num_cols; ++c) {
                if (slot[c] < 0) {
                    w.U8(Value::Null);
                    continue;
                }
                const MdbField& field = fields[static_cast<size_t>(slot[c])];
                // Long values read other pages: keep the row's page while doing so.
                decode::WriteValue(w, mdb, limits, jet3, columns[c], field, scratch, text);
            }
        }
        w.MaybeFlush();
    }
    w.U8('E');
    w.U32(skipped);
    return kExitOk;
}

// The rows of several tables, one after the other, each ended by 'E' and its count of rows
// that did not read.
int RowsChild(const std::string& path, const std::vector<std::pair<std::string, size_t>>& tables, wire::Writer& w) {
    MdbHandle* mdb = OpenFile(path);
    if (!mdb) return kExitNotAccess;
    if (!mdb_read_catalog(mdb, MDB_TABLE)) return kExitDamaged;
    for (const auto& [name, columnCount] : tables)
        if (const int status = TableRows(mdb, path, name, columnCount, w); status != kExitOk) return status;
    return kExitOk;
}

// One table's rows as TableRows wrote them, up to its 'E' and count of rows that did not
// read (added to skipped); false when they do not read.
bool ParseRows(wire::Reader& r, size_t table, size_t columnCount, const TablesRowCallback& onRow, size_t& skipped) {
    std::vector<Value> row(columnCount);
    for (;;) {
        std::uint8_t marker;
        if (!r.U8(marker)) return false;
        if (marker == 'E') {
            std::uint32_t count;
            if (!r.U32(count)) return false;
            skipped += count;
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
    const Status status = RunReader([&](wire::Writer& w) { return CatalogChild(path, rowsOf, w); }, output);
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
        size_t skipped = 0;  // a catalogue table with damaged rows counts as not read
        rowsOk = table != catalog.tables.end() && ParseRows(r, t, table->columns.size(), onRow, skipped) && skipped == 0;
    }
    if (rowsRead) *rowsRead = rowsOk;
    return rowsOk || rowsRead ? Status::Ok : Status::Damaged;
}

Status ReadRows(const std::string& path, const std::string& tableName, size_t columnCount, const RowCallback& onRow, size_t* skippedRows) {
    return ReadRowsOfTables(path, {{tableName, columnCount}}, [&](size_t, const std::vector<Value>& row) { onRow(row); }, skippedRows);
}

Status ReadRowsOfTables(const std::string& path, const std::vector<std::pair<std::string, size_t>>& tables, const TablesRowCallback& onRow,
                        size_t* skippedRows) {
    if (skippedRows) *skippedRows = 0;
    if (Status s = CheckFile(path); s != Status::Ok) return s;
    std::string output;
    const Status status = RunReader([&](wire::Writer& w) { return RowsChild(path, tables, w); }, output);
    if (status != Status::Ok) return status;
    wire::Reader r(output);
    size_t skipped = 0;
    for (size_t t = 0; t < tables.size(); ++t)
        if (!ParseRows(r, t, tables[t].second, onRow, skipped)) return Status::Damaged;
    if (skippedRows) *skippedRows = skipped;
    return skipped && !skippedRows ? Status::Damaged : Status::Ok;
}

}  // namespace platform::mdb
