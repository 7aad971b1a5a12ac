#pragma once
// Tables that come from somewhere other than an Access file (the sheets of a workbook, the
// text files of a folder), run by the same engine: the same SQL, the same typing of values,
// the same limits and the same read-only rule. The engine asks for a table's rows the first
// time a statement reads it, as it does for a table of a file.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "access/MdbReader.h"

namespace platform::access {

class TableSource {
public:
    virtual ~TableSource() = default;
    // The tables listed and readable from the start, with their columns typed as Access types
    // them (kDouble, kDateTime, kBool, kText ...).
    virtual const mdb::Catalog& Catalog() const = 0;
    // A table that is not listed but can be named in a statement (a range of cells); none
    // when the name is no such table.
    virtual std::optional<mdb::Table> TableNamed(std::string_view /*name*/) { return std::nullopt; }
    // The rows of a table of the catalogue or one TableNamed gave, one value a column; stop is
    // asked now and then and true ends the read as Cancelled.
    virtual mdb::Status ReadRows(const std::string& table, const std::function<void(const std::vector<mdb::Value>&)>& onRow,
                                 const std::function<bool()>& stop) = 0;
};

}  // namespace platform::access
