// A sheet's XML as an .xlsx package holds it: any bytes read into cells without harm, and the
// cells read are a table whose every position is met once, row by row, within the bounds of
// a sheet; texts are the shared strings or the file's own.
#include <algorithm>
#include <string_view>

#include "fuzz/FuzzTarget.h"
#include "sheets/SheetXml.h"

VELLORIA_FUZZ_TARGET(SheetXml) {
    using namespace platform::sheets;
    WorkbookCells cells;
    const size_t sheet = cells.AddSheet("Sheet1");
    SheetContext context;
    context.sharedBase = cells.AddText("shared one");
    cells.AddText("shared two");
    context.sharedCount = 2;
    context.dateXf = {false, true};
    context.system1904 = size % 2 == 1;
    ReadSheetXml(std::string_view(reinterpret_cast<const char*>(data), size), context, cells, sheet);
    cells.Finish();
    const Area used = cells.UsedArea(sheet);
    if (used.lastRow < used.firstRow) return 0;
    FUZZ_CHECK(used.firstRow >= 0 && used.lastRow < 1048576 && used.firstCol >= 0 && used.lastCol < 16384);
    // A window of the used range, so that a sheet of a few far-apart cells stays quick.
    Area window = used;
    window.lastRow = std::min(used.lastRow, used.firstRow + 200);
    window.lastCol = std::min(used.lastCol, used.firstCol + 50);
    long met = 0, filled = 0;
    int lastRow = window.firstRow, lastCol = window.firstCol - 1;
    cells.ForEachCell(window, [&](int r, int c, const Cell& cell) {
        FUZZ_CHECK(r > lastRow || (r == lastRow && c == lastCol + 1));
        FUZZ_CHECK(c >= window.firstCol && c <= window.lastCol);
        if (c == window.lastCol) lastRow = r + 1, lastCol = window.firstCol - 1;
        else lastRow = r, lastCol = c;
        ++met;
        if (cell.kind != Cell::Empty) ++filled;
        if (cell.kind == Cell::Text) FUZZ_CHECK(cell.text.size() <= size);
        if (cell.kind == Cell::Date) FUZZ_CHECK(cell.number > -700000 && cell.number < 2958466);
    });
    FUZZ_CHECK(met == static_cast<long>(window.lastRow - window.firstRow + 1) * (window.lastCol - window.firstCol + 1));
    // The used range starts at a cell: seen when the window is as wide as the range.
    if (window.lastCol == used.lastCol) FUZZ_CHECK(filled > 0);
    return 0;
}
