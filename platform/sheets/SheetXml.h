#pragma once
// The cells of one sheet of an .xlsx package, read from its XML (<sheetData>) into the
// workbook's cells: numbers as dates by their cell formats, shared, inline and rich text,
// booleans, errors, and formulas by the values saved with them.
#include <cstdint>
#include <string_view>
#include <vector>

#include "sheets/WorkbookCells.h"

namespace platform::sheets {

// What a sheet's cells need from the rest of the package.
struct SheetContext {
    std::vector<bool> dateXf;  // cell format -> its number format shows a date
    bool system1904 = false;
    bool computeAll = false;  // the workbook asks for its formulas to be computed when opened
    uint32_t sharedBase = 0;  // the first shared string among the cells' texts
    size_t sharedCount = 0;
};

// Reads the sheet's cells; false at a formula that must be computed (saved without its value,
// or any formula when the workbook asks for computing), which the reader here does not do.
bool ReadSheetXml(std::string_view xml, const SheetContext& context, WorkbookCells& cells, size_t sheet);

}  // namespace platform::sheets
