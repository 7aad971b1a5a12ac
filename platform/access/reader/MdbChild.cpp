// The reader process's side of a read (see MdbChild.h): libmdb walks the file, and what it
// finds is written to the parent, each value decoded by MdbDecode.
#include "access/reader/MdbChild.h"

#include <strings.h>

#include <algorithm>
#include <memory>

#include <mdbtools.h>

#include "access/MdbReader.h"
#include "access/ReaderProtocol.h"
#include "access/reader/FileImage.h"
#include "access/reader/MdbDecode.h"

namespace platform::mdb::child {
namespace {

using decode::FileLimits;
using protocol::kDamaged;
using protocol::kOk;

// A table definition read by libmdb, freed with it.
struct TableDefDeleter {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TableDef = std::unique_ptr<MdbTableDef, TableDefDeleter>;

// One table's rows: an 'R' and its values for each row, then an 'E' and the count of rows that
// are missing: rows the pages list that do not read, or, when more, the rows the table's
// definition counts that no page gave (a page of the usage map damaged, zeroed, handed to
// another table or cut off with the end of the file).
// wanted: the names of the columns to decode; empty, all of them.
std::uint32_t TableRows(OpenFile& file, const std::string& tableName, size_t columnCount, const std::vector<std::string>& wanted,
                        wire::Writer& w) {
    MdbHandle* mdb = file.Handle();
    MdbCatalogEntry* found = nullptr;
    for (unsigned i = 0; i < mdb->num_catalog && !found; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && tableName == entry->object_name) found = entry;
    }
    if (!found) return kDamaged;
    const TableDef owned(mdb_read_table(found));
    MdbTableDef* table = owned.get();
    if (!table || !mdb_read_columns(table) || table->num_cols != columnCount) return kDamaged;
    const FileLimits& limits = file.Limits();
    const bool jet3 = mdb->f->jet_version == MDB_VER_JET3;
    std::vector<MdbField> fields(table->num_cols);
    std::vector<decode::ColumnCoding> columns(table->num_cols);
    std::vector<bool> decoded(table->num_cols, wanted.empty());
    for (unsigned c = 0; c < table->num_cols; ++c) {
        auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
        columns[c] = decode::CodingOf(col);
        for (const auto& name : wanted) decoded[c] = decoded[c] || strcasecmp(name.c_str(), col->name) == 0;
    }
    std::vector<int> slot(table->num_cols);
    std::string scratch, text;
    mdb_rewind_table(table);
    long pagesRead = 0;
    std::uint32_t skipped = 0;  // rows the page lists that do not read: the parent says so
    std::uint32_t good = 0;     // rows read
    // Data pages come from the table's usage map; each is visited once at most.
    while (mdb_read_next_dpg(table)) {
        if (++pagesRead > limits.pages) return kDamaged;
        int rows = mdb_get_int16(mdb->pg_buf, mdb->fmt->row_count_offset);
        if (rows < 0 || rows > 1000) return kDamaged;
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
            ++good;
            w.U8('R');
            for (unsigned c = 0; c < table->num_cols; ++c) {
                if (slot[c] < 0 || !decoded[c]) {
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
    // The definition's count can be short of the rows (a file closed in the middle of a write
    // leaves it behind, as system tables often are), never rightly above them.
    const std::uint32_t counted = table->num_rows;
    w.U8('E');
    w.U32(std::max(skipped, counted > good ? counted - good : 0));
    return kOk;
}

}  // namespace

// The catalogue, then for each named table a 0 (the file has no such table) or a 1 and its rows.
std::uint32_t CatalogChild(OpenFile& file, const std::vector<TableColumns>& rowsOf, wire::Writer& w) {
    if (!file.ReadCatalog()) return kDamaged;
    MdbHandle* mdb = file.Handle();
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
        const TableDef owned(mdb_read_table(entry));
        MdbTableDef* table = owned.get();
        if (!table || !mdb_read_columns(table)) return kDamaged;
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
    for (const auto& [tableName, wanted] : rowsOf) {
        // clang 14 cannot capture a structured binding in a lambda: give the name a plain reference.
        const std::string& name = tableName;
        const auto it = std::find_if(entries.begin(), entries.end(), [&](MdbCatalogEntry* e) {
            return e->object_type == MDB_TABLE && name == e->object_name;
        });
        if (it == entries.end()) {
            w.U8(0);
            continue;
        }
        w.U8(1);
        const size_t columns = columnCounts[static_cast<size_t>(it - entries.begin())];
        if (const std::uint32_t status = TableRows(file, name, columns, wanted, w); status != kOk) return status;
    }
    return kOk;
}

// The rows of several tables, one after the other, each ended by 'E' and its count of rows
// that did not read.
std::uint32_t RowsChild(OpenFile& file, const std::vector<std::pair<std::string, size_t>>& tables, wire::Writer& w) {
    if (!file.ReadCatalog()) return kDamaged;
    for (const auto& [name, columnCount] : tables)
        if (const std::uint32_t status = TableRows(file, name, columnCount, {}, w); status != kOk) return status;
    return kOk;
}

}  // namespace platform::mdb::child
