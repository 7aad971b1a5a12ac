#pragma once
// The tables schema rowset every provider hands over: one row per table-like object, ordered
// by type, then name (ignoring case), with ADO's columns for it.
#include <string>
#include <vector>

#include "provider/ResultSet.h"

namespace platform::provider {

struct TableEntry {
    std::wstring name;
    std::wstring type;  // "TABLE", "VIEW", "LINK", "SYSTEM TABLE" ...
    std::wstring description = {};  // DESCRIPTION; empty: Null
};

ResultSet TablesRowset(std::vector<TableEntry> entries);

}  // namespace platform::provider
