#include "access/reader/Catalogue.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace platform::mdb {
namespace {

struct TableDefFree {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

// A bound column's value: libmdb writes it as text into a buffer of its bind size.
struct Bound {
    explicit Bound(size_t size) : text(size + 1, '\0') {}
    char* data() { return text.data(); }
    std::string text;
};

}  // namespace

bool ReadCatalogue(MdbHandle* mdb) {
    if (!mdb) return false;
    if (mdb->catalog) mdb_free_catalog(mdb);
    mdb->catalog = g_ptr_array_new();
    mdb->num_catalog = 0;

    // MSysObjects is read through an entry of its own making: its definition is on page 2.
    MdbCatalogEntry objects{};
    objects.mdb = mdb;
    objects.object_type = MDB_TABLE;
    objects.table_pg = 2;
    std::snprintf(objects.object_name, sizeof objects.object_name, "%s", "MSysObjects");
    const std::unique_ptr<MdbTableDef, TableDefFree> table(mdb_read_table(&objects));
    if (!table || !mdb_read_columns(table.get())) {
        mdb_free_catalog(mdb);
        return false;
    }
    Bound id(mdb->bind_size), name(mdb->bind_size), type(mdb->bind_size), flags(mdb->bind_size), props(mdb->bind_size);
    int propsLength = 0;
    const auto bind = [&](const char* column, Bound& to, int* length) {
        return mdb_bind_column_by_name(table.get(), const_cast<gchar*>(column), to.data(), length);
    };
    const int propsColumn = bind("LvProp", props, &propsLength);
    if (bind("Id", id, nullptr) == -1 || bind("Name", name, nullptr) == -1 || bind("Type", type, nullptr) == -1 ||
        bind("Flags", flags, nullptr) == -1 || propsColumn == -1) {
        mdb_free_catalog(mdb);
        return false;
    }
    auto* propsDef = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, static_cast<guint>(propsColumn - 1)));
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_malloc0(sizeof(MdbCatalogEntry)));
        entry->mdb = mdb;
        std::snprintf(entry->object_name, sizeof entry->object_name, "%s", name.data());
        entry->object_type = std::atoi(type.data()) & 0x7F;
        entry->table_pg = static_cast<unsigned long>(std::atol(id.data()) & 0x00FFFFFF);
        entry->flags = static_cast<int>(std::atol(flags.data()));
        mdb->num_catalog++;
        g_ptr_array_add(mdb->catalog, entry);
        if (entry->object_type != MDB_TABLE || propsLength == 0) continue;
        size_t length = 0;
        if (void* kkd = mdb_ole_read_full(mdb, propsDef, &length)) {
            entry->props = mdb_kkd_to_props(mdb, kkd, length);
            std::free(kkd);
        }
    }
    return true;
}

}  // namespace platform::mdb
