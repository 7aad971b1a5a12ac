// add_odbc_link FILE NAME FOREIGN_NAME CONNECT: adds to a copy of an Access file the catalogue
// row of a table linked through ODBC (an MSysObjects row of type 4, as Access writes one when
// a table of a server is linked), for the tests of such links. libmdb's writer puts the row
// in; mdb-json shows it, as any reader of Access files would.
#include <glib.h>
#include <mdbtools.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Jet 3 keeps text in its code page, Jet 4 in UCS-2.
std::string Text(const std::string& ascii, bool jet3) {
    if (jet3) return ascii;
    std::string out;
    for (char c : ascii) out += std::string{c, '\0'};
    return out;
}

// A memo held in the row itself: its length with the flag of an inline value, then 8 bytes
// the format keeps for values on other pages.
std::string InlineMemo(const std::string& text) {
    std::string out(12, '\0');
    const std::uint32_t length = static_cast<std::uint32_t>(text.size()) | 0x80000000u;
    std::memcpy(out.data(), &length, 4);
    return out + text;
}

template <class T>
std::string Bytes(T value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: add_odbc_link FILE NAME FOREIGN_NAME CONNECT\n");
        return 2;
    }
    MdbHandle* mdb = mdb_open(argv[1], MDB_WRITABLE);
    if (!mdb) return 1;
    const bool jet3 = IS_JET3(mdb);
    mdb_read_catalog(mdb, MDB_TABLE);
    MdbTableDef* table = mdb_read_table_by_name(mdb, const_cast<char*>("MSysObjects"), MDB_TABLE);
    if (!table) return 1;
    mdb_read_columns(table);
    mdb_read_indices(table);
    mdb_rewind_table(table);
    std::vector<MdbField> fields(table->num_cols);
    std::vector<std::string> values(table->num_cols);
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        const std::string name = column->name;
        std::string& value = values[i];
        if (name == "Id") value = Bytes<std::int32_t>(0x0F000000 + 5000 + argv[2][0]);
        else if (name == "ParentId") value = Bytes<std::int32_t>(0x0F000001);  // the Tables container
        else if (name == "Type") value = Bytes<std::int16_t>(4);
        else if (name == "Flags") value = Bytes<std::int32_t>(0x20000000);
        else if (name == "DateCreate" || name == "DateUpdate") value = Bytes<double>(45356.0);
        else if (name == "Name") value = Text(argv[2], jet3);
        else if (name == "ForeignName") value = Text(argv[3], jet3);
        else if (name == "Connect") value = InlineMemo(Text(argv[4], jet3));
        MdbField& field = fields[i];
        std::memset(&field, 0, sizeof field);
        field.colnum = static_cast<int>(i);
        field.is_fixed = mdb_is_fixed_col(const_cast<MdbColumn*>(column));
        field.is_null = value.empty();
        field.value = value.empty() ? nullptr : value.data();
        field.siz = value.empty() ? (field.is_fixed ? column->col_size : 0) : static_cast<int>(value.size());
    }
    const int inserted = mdb_insert_row(table, static_cast<int>(fields.size()), fields.data());
    mdb_free_tabledef(table);
    mdb_close(mdb);
    return inserted ? 0 : 1;
}
