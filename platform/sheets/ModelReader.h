#pragma once
// A workbook read through the import library's document model, with its formulas computed by
// ixion: the way for OpenDocument files, and for workbooks whose formulas must be computed
// here (saved without their values, or asking to be computed whole when opened).
#include <string>
#include <string_view>

#include "sheets/FileKinds.h"
#include "sheets/WorkbookCells.h"

namespace platform::sheets {

// The cells of the workbook whose bytes content holds, a file of that kind (Xlsx or Ods);
// throws std::exception when the import library cannot read it.
WorkbookCells ReadWithModel(std::string_view content, FileKind kind);

}  // namespace platform::sheets
