#include "MdbReader.h"

#include "ContainedProcess.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

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

// ---- decoding inside the child ---------------------------------------------------------

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252, the code page of Jet 3 files written in the West.
constexpr std::uint16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void DecodeText(bool jet3, const unsigned char* p, size_t n, std::string& out) {
    out.clear();
    if (jet3) {
        for (size_t i = 0; i < n; ++i) {
            const unsigned char c = p[i];
            AppendUtf8(out, (c >= 0x80 && c < 0xA0) ? kCp1252High[c - 0x80] : c);
        }
        return;
    }
    // UTF-16LE, optionally in the compressed form that starts with FF FE: single bytes
    // stand for U+0000..U+00FF, and a zero byte toggles between one- and two-byte units.
    std::u16string units;
    units.reserve(n);
    if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
        bool compressed = true;
        size_t i = 2;
        while (i < n) {
            if (p[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                units.push_back(p[i++]);
            } else if (i + 1 < n) {
                units.push_back(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
                i += 2;
            } else {
                break;
            }
        }
    } else {
        for (size_t i = 0; i + 1 < n; i += 2) units.push_back(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
    }
    for (size_t i = 0; i < units.size(); ++i) {
        std::uint32_t cp = units[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
}

struct FileLimits {
    long pageSize = 4096;
    long pages = 0;
};

// A long value (memo or OLE): inline in the row, on one other page, or on a chain of pages.
// The chain is followed at most once per page of the file.
bool ReadLongValue(MdbHandle* mdb, const FileLimits& limits, int start, int size, std::string& out) {
    out.clear();
    if (size < MDB_MEMO_OVERHEAD || start < 0 || start + size > limits.pageSize) return false;
    const unsigned char* row = mdb->pg_buf + start;
    const std::uint32_t header = static_cast<std::uint32_t>(mdb_get_int32(const_cast<unsigned char*>(row), 0));
    const std::uint32_t length = header & 0x3FFFFFFFu;
    void* buf = nullptr;
    int rowStart = 0;
    size_t rowLength = 0;
    if (header & 0x80000000u) {
        out.assign(reinterpret_cast<const char*>(row + MDB_MEMO_OVERHEAD), static_cast<size_t>(size - MDB_MEMO_OVERHEAD));
        return true;
    }
    std::int32_t pageRow = static_cast<std::int32_t>(mdb_get_int32(const_cast<unsigned char*>(row), 4));
    if (header & 0x40000000u) {
        if (mdb_find_pg_row(mdb, pageRow, &buf, &rowStart, &rowLength) != 0) return false;
        if (rowStart < 0 || rowStart + static_cast<long>(rowLength) > limits.pageSize) return false;
        out.assign(static_cast<const char*>(buf) + rowStart, rowLength);
        return true;
    }
    if (header & 0xFF000000u) return false;
    for (long hops = 0; pageRow != 0 && hops <= limits.pages; ++hops) {
        if (mdb_find_pg_row(mdb, pageRow, &buf, &rowStart, &rowLength) != 0 || rowLength < 4) return false;
        if (rowStart < 0 || rowStart + static_cast<long>(rowLength) > limits.pageSize) return false;
        const char* chunk = static_cast<const char*>(buf) + rowStart;
        out.append(chunk + 4, rowLength - 4);
        if (out.size() >= length) break;
        pageRow = static_cast<std::int32_t>(mdb_get_int32(const_cast<char*>(chunk), 0));
    }
    if (out.size() > length) out.resize(length);
    return true;
}

std::string GuidText(const unsigned char* k) {
    char text[40];
    std::snprintf(text, sizeof text, "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", k[3], k[2], k[1], k[0], k[5], k[4],
                  k[7], k[6], k[8], k[9], k[10], k[11], k[12], k[13], k[14], k[15]);
    return text;
}

std::int64_t LoadI64(const unsigned char* p) {
    std::int64_t v;
    std::memcpy(&v, p, 8);
    return v;
}

// Writes one value: a tag byte and its payload.
void WriteValue(wire::Writer& w, MdbHandle* mdb, const FileLimits& limits, bool jet3, const MdbColumn* col, const MdbField& field,
                std::string& scratch, std::string& text) {
    const int type = col->col_type;
    if (type == MDB_BOOL) {  // the null bit holds the value: set is Yes
        w.U8(Value::Int);
        w.I64(field.is_null ? 0 : -1);
        return;
    }
    const int start = field.start;
    const int size = field.siz;
    if (field.is_null || start < 0 || size < 0 || start + size > limits.pageSize) {
        w.U8(Value::Null);
        return;
    }
    const unsigned char* p = mdb->pg_buf + start;
    auto needs = [&](int n) { return size >= n; };
    switch (type) {
    case MDB_BYTE:
        if (!needs(1)) break;
        w.U8(Value::Int);
        w.I64(p[0]);
        return;
    case MDB_INT:
        if (!needs(2)) break;
        w.U8(Value::Int);
        w.I64(static_cast<std::int16_t>(p[0] | (p[1] << 8)));
        return;
    case MDB_LONGINT:
    case MDB_COMPLEX: {
        if (!needs(4)) break;
        std::int32_t v;
        std::memcpy(&v, p, 4);
        w.U8(Value::Int);
        w.I64(v);
        return;
    }
    case kBigInt:
        if (!needs(8)) break;
        w.U8(Value::Int);
        w.I64(LoadI64(p));
        return;
    case MDB_MONEY:  // the 64-bit count of ten-thousandths, kept as that integer
        if (!needs(8)) break;
        w.U8(Value::Int);
        w.I64(LoadI64(p));
        return;
    case MDB_FLOAT: {
        if (!needs(4)) break;
        float f;
        std::memcpy(&f, p, 4);
        w.U8(Value::Real);
        w.F64(f);
        return;
    }
    case MDB_DOUBLE:
    case MDB_DATETIME: {
        if (!needs(8)) break;
        double d;
        std::memcpy(&d, p, 8);
        w.U8(Value::Real);
        w.F64(d);
        return;
    }
    case MDB_TEXT:
        DecodeText(jet3, p, static_cast<size_t>(size), text);
        w.U8(Value::Text);
        w.Str(text);
        return;
    case MDB_MEMO:
        if (!ReadLongValue(mdb, limits, start, size, scratch)) break;
        DecodeText(jet3, reinterpret_cast<const unsigned char*>(scratch.data()), scratch.size(), text);
        w.U8(Value::Text);
        w.Str(text);
        return;
    case MDB_OLE:
        if (!ReadLongValue(mdb, limits, start, size, scratch)) break;
        w.U8(Value::Blob);
        w.Str(scratch);
        return;
    case MDB_BINARY:
        w.U8(Value::Blob);
        w.Str(std::string_view(reinterpret_cast<const char*>(p), static_cast<size_t>(size)));
        return;
    case MDB_REPID:
        if (!needs(16)) break;
        w.U8(Value::Text);
        w.Str(GuidText(p));
        return;
    case MDB_NUMERIC: {
        // Sign byte, then four 32-bit words, the most significant first.
        if (!needs(17)) break;
        w.U8(Value::Blob);  // the parent turns the 17 bytes into a decimal
        w.Str(std::string_view(reinterpret_cast<const char*>(p), 17));
        return;
    }
    default:
        break;
    }
    w.U8(Value::Null);
}

MdbHandle* OpenFile(const std::string& path) {
    MdbHandle* mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    return mdb;
}

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
        w.U8(static_cast<std::uint8_t>(mdb_is_system_table(entry) ? TableKind::System : TableKind::User));
        MdbTableDef* table = mdb_read_table(entry);
        if (!table || !mdb_read_columns(table)) return kExitDamaged;
        w.U32(table->num_cols);
        columnCounts[e] = table->num_cols;
        for (unsigned c = 0; c < table->num_cols; ++c) {
            auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
            w.Str(col->name);
            w.U32(static_cast<std::uint32_t>(col->col_type));
            w.U32(static_cast<std::uint32_t>(col->col_size));
            w.U32(static_cast<std::uint32_t>(col->col_scale));
            w.U32(static_cast<std::uint32_t>(col->col_prec));
            w.U8(col->is_fixed ? 1 : 0);
            w.U8(col->is_long_auto ? 1 : 0);
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
    std::vector<const MdbColumn*> columns(table->num_cols);
    for (unsigned c = 0; c < table->num_cols; ++c) columns[c] = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
    std::vector<int> slot(table->num_cols);
    std::string scratch, text;
    mdb_rewind_table(table);
    long pagesRead = 0;
    // Data pages come from the table's usage map; each is visited once at most.
    while (mdb_read_next_dpg(table)) {
        if (++pagesRead > limits.pages) return kExitDamaged;
        int rows = mdb_get_int16(mdb->pg_buf, mdb->fmt->row_count_offset);
        if (rows < 0 || rows > 1000) return kExitDamaged;
        for (int r = 0; r < rows; ++r) {
            int rowStart = 0;
            size_t rowSize = 0;
            if (mdb_find_row(mdb, r, &rowStart, &rowSize) != 0 || rowSize == 0) continue;
            if (rowStart & 0x4000) continue;  // deleted
            rowStart &= 0x1FFF;
            if (rowStart + static_cast<long>(rowSize) > limits.pageSize) continue;
            const int cracked = mdb_crack_row(table, rowStart, rowSize, fields.data());
            if (cracked < 0) continue;
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
                WriteValue(w, mdb, limits, jet3, columns[c], field, scratch, text);
            }
        }
        w.MaybeFlush();
    }
    w.U8('E');
    return kExitOk;
}

// The rows of several tables, one after the other, each ended by 'E'.
int RowsChild(const std::string& path, const std::vector<std::pair<std::string, size_t>>& tables, wire::Writer& w) {
    MdbHandle* mdb = OpenFile(path);
    if (!mdb) return kExitNotAccess;
    if (!mdb_read_catalog(mdb, MDB_TABLE)) return kExitDamaged;
    for (const auto& [name, columnCount] : tables)
        if (const int status = TableRows(mdb, path, name, columnCount, w); status != kExitOk) return status;
    return kExitOk;
}

// One table's rows as TableRows wrote them, up to its 'E'; false when they do not read.
bool ParseRows(wire::Reader& r, size_t table, size_t columnCount, const TablesRowCallback& onRow) {
    std::vector<Value> row(columnCount);
    for (;;) {
        std::uint8_t marker;
        if (!r.U8(marker)) return false;
        if (marker == 'E') return true;
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
            std::uint8_t fixed, autoNumber;
            std::int32_t type, size, scale, precision;
            if (!r.Str(col.name) || !r.I32(type) || !r.I32(size) || !r.I32(scale) || !r.I32(precision) || !r.U8(fixed) || !r.U8(autoNumber))
                return Status::Damaged;
            col.type = type;
            col.size = size;
            col.scale = scale;
            col.precision = precision;
            col.fixed = fixed != 0;
            col.autoNumber = autoNumber != 0;
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
        rowsOk = table != catalog.tables.end() && ParseRows(r, t, table->columns.size(), onRow);
    }
    if (rowsRead) *rowsRead = rowsOk;
    return rowsOk || rowsRead ? Status::Ok : Status::Damaged;
}

Status ReadRows(const std::string& path, const std::string& tableName, size_t columnCount, const RowCallback& onRow) {
    return ReadRowsOfTables(path, {{tableName, columnCount}}, [&](size_t, const std::vector<Value>& row) { onRow(row); });
}

Status ReadRowsOfTables(const std::string& path, const std::vector<std::pair<std::string, size_t>>& tables, const TablesRowCallback& onRow) {
    if (Status s = CheckFile(path); s != Status::Ok) return s;
    std::string output;
    const Status status = RunReader([&](wire::Writer& w) { return RowsChild(path, tables, w); }, output);
    if (status != Status::Ok) return status;
    wire::Reader r(output);
    for (size_t t = 0; t < tables.size(); ++t)
        if (!ParseRows(r, t, tables[t].second, onRow)) return Status::Damaged;
    return Status::Ok;
}

}  // namespace platform::mdb
