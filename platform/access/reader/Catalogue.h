#pragma once
// The file's catalogue (its MSysObjects) read into libmdb's list of objects, as
// mdb_read_catalog(MDB_ANY) reads it, with one difference: the properties are parsed for
// tables alone. Only a table's are ever looked at (its own and its columns'), and parsing
// those of every query, form and report was most of the work of opening a file.
// mdbtools.h includes glib inside extern "C", where glib's own C++ headers may not be included
// first: they come before it.
#include <type_traits>

#include <mdbtools.h>

namespace platform::mdb {

// False when MSysObjects cannot be read; the list is then empty.
bool ReadCatalogue(MdbHandle* mdb);

}  // namespace platform::mdb
