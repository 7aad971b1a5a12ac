#pragma once
// What the reader process writes to its parent (see MdbReader.h). The stream, in order:
//   catalogue  jet3 flag (U8), table count (U32), then for each table its name, kind (U8) and
//              column count (U32), each column with name, type, size, scale, precision (U32)
//              and the fixed, auto-number and calculated flags (U8); then 'E'
//   rows       for each table asked for: 'R' and one tagged value a column for each row (see
//              MdbDecode.h), then 'E' and the count of rows that are missing (U32); after the
//              catalogue, each table is preceded by 1, or 0 when the file has no such table
// The exit code says how the read ended.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "access/Wire.h"

namespace platform::mdb::child {

constexpr int kExitOk = 0;
constexpr int kExitNotAccess = 3;
constexpr int kExitDamaged = 4;

// The catalogue, then the rows of those named tables the file holds.
int CatalogChild(const std::string& path, const std::vector<std::string>& rowsOf, wire::Writer& w);
// The rows of several tables (name, column count), one after the other.
int RowsChild(const std::string& path, const std::vector<std::pair<std::string, size_t>>& tables, wire::Writer& w);

}  // namespace platform::mdb::child
