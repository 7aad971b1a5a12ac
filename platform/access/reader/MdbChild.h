#pragma once
// What the reader process writes to its parent for the catalogue and rows requests (see
// ReaderProtocol.h). The stream, in order:
//   catalogue  jet3 flag (U8), table count (U32), then for each table its name, kind (U8) and
//              column count (U32), each column with name, type, size, scale, precision (U32)
//              and the fixed, auto-number and calculated flags (U8); then 'E'
//   rows       for each table asked for: 'R' and one tagged value a column for each row (see
//              MdbDecode.h), then 'E' and the count of rows that are missing (U32); after the
//              catalogue, each table is preceded by 1, or 0 when the file has no such table
// Each returns the status that ends the answer (ReaderProtocol.h).
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "access/Wire.h"

namespace platform::mdb {
class OpenFile;
struct TableColumns;
}

namespace platform::mdb::child {

// The catalogue, then the rows of those named tables the file holds (of their columns named,
// the others Null).
std::uint32_t CatalogChild(OpenFile& file, const std::vector<TableColumns>& rowsOf, wire::Writer& w);
// The rows of several tables (name, column count), one after the other.
std::uint32_t RowsChild(OpenFile& file, const std::vector<std::pair<std::string, size_t>>& tables, wire::Writer& w);

}  // namespace platform::mdb::child
