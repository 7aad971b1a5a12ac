#pragma once
// An .xlsx or .xlsm workbook read straight from the XML of its package, sheet by sheet into
// the cells, with its shared strings and cell formats read first: no document model, so a
// large sheet reads in about the time it takes to unpack.
#include <optional>
#include <string_view>

#include "sheets/WorkbookCells.h"

namespace platform::sheets {

// The cells of the workbook whose bytes content holds; none when it has formulas to compute
// (one saved without its value, or any formula of a workbook that asks to be computed when
// opened) or keeps its workbook part where workbooks do not: the document model reads those.
// Throws std::exception when the file is no such package.
std::optional<WorkbookCells> ReadXlsxCells(std::string_view content);

}  // namespace platform::sheets
