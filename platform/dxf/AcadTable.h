#pragma once
// The ACAD_TABLE entity as plain data, and its codec: the legacy table data of the DXF
// reference (rows, columns, heights, widths, one record per cell), which CAD programs still
// write in every version beside their newer table objects.
#include <optional>
#include <string>
#include <vector>

#include "dxf/DxfDocument.h"
#include "dxf/EntityValues.h"

namespace platform::dxf {

struct TableCell {
    int type = 1;         // 171: 1 text, 2 block
    int flags = 0;        // 172
    int merged = 0;       // 173: non-zero when the cell lies inside another cell's merged range
    int autofit = 0;      // 174
    int spanColumns = 1;  // 175: columns the cell covers (merged cells)
    int spanRows = 1;     // 176: rows the cell covers
    int overrides = 0;    // 91: override flags
    int legacyOverrides = 0;  // 177: the same, as files before 2007 hold them
    int virtualEdge = 0;  // 178
    double rotation = 0;  // 145
    std::string text;     // UTF-8, MTEXT formatting; long texts were stored in chunks
    // Cell-level overrides; empty / 0 when the table style applies.
    std::string textStyle;  // 7
    double textHeight = 0;  // 140
    int alignment = 0;      // 170: 1..9 = top-left .. bottom-right
    // A block cell's block (340, its BLOCK_RECORD) and scale (144).
    Handle block = 0;
    double blockScale = 1;
    // Where the program that drew the table's block put a block cell's reference: its offset
    // from the cell's alignment point and its scale there (it fits the block's extents into
    // the cell, which the block's base point alone does not tell). Not stored in the entity.
    bool blockPlaced = false;
    double blockOffset[2] = {0, 0};
    double blockShownScale = 1;
    // The cell's tags as read when they are not in this writer's own form (a CAD program's
    // cell, with formatting this model does not hold). Written back as read while the fields
    // above are still what the tags say; when they are not, the cell is written anew with
    // the formatting tags of the record kept.
    std::vector<Tag> record;
};

// The cell's own text height, or 0 when its row kind's in the table style applies. A CAD
// program shows the height a cell stores only when the cell's override flags say its height
// is its own (bit 0x20, after alignment, fill, fill colour, content colour and text style):
// empty cells often carry a stale height that nothing shows.
constexpr int kTextHeightOverride = 0x20;
inline double TextHeightOf(const TableCell& cell) {
    return ((cell.overrides | cell.legacyOverrides) & kTextHeightOverride) ? cell.textHeight : 0.0;
}

struct AcadTable : EntityBase {
    std::string blockName;  // 2: the anonymous *T block that draws the table
    double insertion[3] = {0, 0, 0};
    double direction[3] = {1, 0, 0};  // 11/21/31
    Handle tableStyle = 0;             // 342
    Handle blockRecord = 0;            // 343
    int valueFlags = 22;               // 90
    int rows = 0;                      // 91
    int columns = 0;                   // 92
    std::vector<double> rowHeights;    // 141, one per row
    std::vector<double> columnWidths;  // 142, one per column
    std::vector<TableCell> cells;      // rows * columns, row by row
    // Tags after the last cell as read: the overrides of the table as a whole (margins, row
    // kinds' text styles, heights, colours, borders), written back after the cells.
    std::vector<Tag> tail;

    TableCell& Cell(int row, int column) { return cells[static_cast<size_t>(row * columns + column)]; }
    const TableCell& Cell(int row, int column) const {
        return cells[static_cast<size_t>(row * columns + column)];
    }
    // Sizes the grid, keeping cells whose position survives.
    void Resize(int newRows, int newColumns, double rowHeight, double columnWidth);
};

// Whether a size or coordinate of a table is one a drawing holds (at most 1e100 across): a
// table with more is not read, and its grid tells nothing of where its block stands.
bool IsTableValue(double value);

// Reads an ACAD_TABLE entity; nothing when the object is not one or its table data is not
// consistent (cell count, sizes, geometry beyond what a drawing holds), with the reason in *why.
std::optional<AcadTable> ParseAcadTable(const DxfObject& entity, std::string* why = nullptr);

// The ACAD_TABLE entity tags of the table (values kept in doc's storage).
DxfObject AcadTableToObject(const AcadTable& table, Document& doc);
// The same written over an object's tags, whose storage it reuses (a table rewritten in place).
void AcadTableToObject(const AcadTable& table, Document& doc, DxfObject& into);

}  // namespace platform::dxf
