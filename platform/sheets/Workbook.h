#pragma once
// A workbook (.xlsx, .xlsm, .ods) as tables, as the engine's Excel driver names them: each
// sheet is the table "Sheet1$" (its used range), each defined name that is a range is a table
// of its own, and any range can be named as "Sheet1$A1:D20". The first row of a table gives its
// column names unless the link says the file has none (HDR=NO: F1, F2 ...).
#include <memory>
#include <stdexcept>
#include <string>

#include "access/TableSource.h"

namespace platform::sheets {

// Why a file cannot be read, in words for the person who picked it.
class UnreadableFile : public std::runtime_error {
public:
    explicit UnreadableFile(const std::string& why) : std::runtime_error(why) {}
};

// Reads the whole workbook; throws UnreadableFile.
std::shared_ptr<access::TableSource> OpenWorkbook(const std::string& hostPath, bool header);

}  // namespace platform::sheets
