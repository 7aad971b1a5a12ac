#include "dxf/TableEntityCodec.h"

#include <algorithm>
#include <cmath>

#include "db/DbEntities.h"
#include "db/DbTable.h"
#include "dxf/AcadTable.h"
#include "dxf/DxfTextChunks.h"
#include "dxf/TableBlock.h"
#include "text/Utf8.h"

namespace platform::dxf {

namespace {

AcDbTable* MakeTable(const AcadTable& source, EntityLoadContext& context) {
    auto* table = new AcDbTable;
    table->setNumColumns(source.columns);
    table->setNumRows(source.rows);
    if (source.rows > 0 && source.columns > 0) table->unmergeCells(0, source.rows - 1, 0, source.columns - 1);
    for (int c = 0; c < source.columns; ++c) table->setColumnWidth(c, source.columnWidths[static_cast<size_t>(c)]);
    for (int r = 0; r < source.rows; ++r)
        for (int c = 0; c < source.columns; ++c) {
            const TableCell& cell = source.Cell(r, c);
            if (!cell.text.empty()) table->setTextUtf8(r, c, cell.text);
            if (cell.type == 2) table->setCellType(r, c, AcDb::kBlockCell);
            if (TextHeightOf(cell) > 0) table->setTextHeight(r, c, TextHeightOf(cell));
            if (cell.alignment >= 1 && cell.alignment <= 9)
                table->setAlignment(r, c, static_cast<AcDb::CellAlignment>(cell.alignment));
            if (!cell.merged && (cell.spanRows > 1 || cell.spanColumns > 1))
                table->mergeCells(r, std::min(source.rows, r + cell.spanRows) - 1, c,
                                  std::min(source.columns, c + cell.spanColumns) - 1);
        }
    table->setPosition(AcGePoint3d(source.insertion[0], source.insertion[1], source.insertion[2]));
    table->setDirection(AcGeVector3d(source.direction[0], source.direction[1], source.direction[2]));
    if (AcDbObjectId style = context.ObjectOf(source.tableStyle); !style.isNull()) table->setTableStyle(style);
    // Heights last: what a row's content needs decides whether its stored height is its least.
    for (int r = 0; r < source.rows; ++r) table->setRowHeight(r, source.rowHeights[static_cast<size_t>(r)]);
    table->fitStoredRowHeights();
    table->setFileOrigin();
    return table;
}

// Sets the table data from the database's table; true when anything differs from what t held.
bool Fill(const AcDbTable& table, AcadTable& t) {
    bool changed = false;
    auto set = [&changed](auto& field, auto value) {
        if (field != value) {
            field = value;
            changed = true;
        }
    };
    const int rows = table.numRows(), cols = table.numColumns();
    // Each cell starts from what the file holds of it, found where its row and column stood
    // when the table was read: inserting or deleting rows moves cells with their formatting.
    std::vector<TableCell> cells(static_cast<size_t>(rows) * static_cast<size_t>(cols));
    for (int r = 0; r < rows; ++r) {
        const int fr = table.fileRow(r);
        for (int c = 0; c < cols; ++c) {
            const int fc = table.fileColumn(c);
            if (fr >= 0 && fc >= 0 && fr < t.rows && fc < t.columns) {
                cells[static_cast<size_t>(r * cols + c)] = std::move(t.Cell(fr, fc));
                changed |= fr != r || fc != c;
            } else {
                changed = true;
            }
        }
    }
    changed |= rows != t.rows || cols != t.columns;
    t.cells = std::move(cells);
    t.rows = rows;
    t.columns = cols;
    t.rowHeights.resize(static_cast<size_t>(rows), 1.0);
    t.columnWidths.resize(static_cast<size_t>(cols), 1.0);
    // A row drawn as high as the file says, give or take the last digits of a computed height,
    // keeps the file's number.
    for (int r = 0; r < rows; ++r)
        if (double& stored = t.rowHeights[static_cast<size_t>(r)]; std::abs(stored - table.rowHeight(r)) > 1e-9 * stored)
            set(stored, table.rowHeight(r));
    for (int c = 0; c < cols; ++c) set(t.columnWidths[static_cast<size_t>(c)], table.columnWidth(c));
    // A cell that was given a text holds text, and no longer its block.
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if (TableCell& cell = t.Cell(r, c); cell.type == 2 && table.cellType(r, c) == AcDb::kTextCell) {
                cell.type = 1;
                cell.block = 0;
                cell.blockScale = 1;
                changed = true;
            }
    // Cells inside a merged range are set by the range below; the others are plain cells.
    const std::vector<AcDbTable::CellRange>& ranges = table.mergedRanges();
    std::vector<bool> inRange(ranges.empty() ? 0 : t.cells.size());
    for (const AcDbTable::CellRange& m : ranges)
        for (int r = m.minRow; r <= m.maxRow; ++r)
            for (int c = m.minCol; c <= m.maxCol; ++c) inRange[static_cast<size_t>(r * cols + c)] = true;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            TableCell& cell = t.Cell(r, c);
            // Cells read from the file hold their text as written (line breaks as \P).
            const std::string_view text = table.textUtf8(r, c);
            if (text.find_first_of("\r\n") == std::string_view::npos ? cell.text != text : cell.text != ToCellText(text)) {
                cell.text.assign(text);
                changed = true;
            }
            if (!inRange.empty() && inRange[static_cast<size_t>(r * cols + c)]) continue;
            set(cell.merged, 0);
            set(cell.spanRows, 1);
            set(cell.spanColumns, 1);
        }
    for (const AcDbTable::CellRange& m : ranges) {
        for (int r = m.minRow; r <= m.maxRow; ++r)
            for (int c = m.minCol; c <= m.maxCol; ++c) set(t.Cell(r, c).merged, (r != m.minRow || c != m.minCol) ? 1 : 0);
        set(t.Cell(m.minRow, m.minCol).spanRows, m.maxRow - m.minRow + 1);
        set(t.Cell(m.minRow, m.minCol).spanColumns, m.maxCol - m.minCol + 1);
    }
    const AcGePoint3d p = table.position();
    const AcGeVector3d d = table.direction();
    const double position[3] = {p.x, p.y, p.z}, direction[3] = {d.x, d.y, d.z};
    for (int i = 0; i < 3; ++i) {
        set(t.insertion[i], position[i]);
        set(t.direction[i], direction[i]);
    }
    if (!table.tableStyle().isNull()) set(t.tableStyle, table.tableStyle().handle().value());
    return changed;
}

}  // namespace

AcDbEntity* LoadAcadTable(const DxfObject& source, EntityLoadContext& context) {
    std::string why;
    const auto parsed = ParseAcadTable(source, &why);
    // A table that cannot be taken in is kept as the file holds it, saying why.
    if (!parsed) return new AcDbRawEntity(L"ACAD_TABLE", FromUtf8(why));
    return MakeTable(*parsed, context);
}

void SaveAcadTable(const AcDbEntity& entity, EntitySaveContext& context) {
    const auto& table = static_cast<const AcDbTable&>(entity);
    const DxfObject* existing = context.Original();
    std::optional<AcadTable> original = existing ? ParseAcadTable(*existing) : std::nullopt;
    const bool read = original.has_value();
    AcadTable t = read ? std::move(*original) : AcadTable{};
    // Where the block cells' blocks stand in the block as read, before the cells move.
    if (read) ReadBlockPlacements(context.Doc(), t);
    const bool changed = context.Common(t) | Fill(table, t);
    // A table whose content is what the file holds keeps its entity and its block as read:
    // same bytes, same handles, and whatever the program that drew the block put in it. That
    // is most tables of a refresh in which the data did not change.
    if (read && !changed && context.Doc().FindBlock(t.blockName)) return;
    StoreTable(context.Doc(), t);
    // The file's cells now stand where the table's do.
    const_cast<AcDbTable&>(table).setFileOrigin();
}

}  // namespace platform::dxf
