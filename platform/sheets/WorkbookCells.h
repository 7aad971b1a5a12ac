#pragma once
// The cells of a workbook once read, whatever the file was: each sheet's cells in row order,
// sixteen bytes a cell and each text once, so a large sheet costs little more than its values.
// The tables of a workbook are areas of these sheets.
#include <cstdint>
#include <string>
#include <vector>

#include "sheets/CellValues.h"

namespace platform::sheets {

// A rectangle of one sheet; empty when lastRow < firstRow.
struct Area {
    size_t sheet = 0;
    int firstRow = 0, lastRow = -1;
    int firstCol = 0, lastCol = -1;
};

// A defined name that is a range of cells.
struct NamedArea {
    std::string name;
    Area area;
};

class WorkbookCells {
public:
    // A new sheet, after the others; its index.
    size_t AddSheet(std::string name);
    size_t SheetCount() const { return m_sheets.size(); }
    const std::string& SheetName(size_t sheet) const { return m_sheets[sheet].name; }

    // A text kept once for the cells that show it (a file's shared strings); its number.
    uint32_t AddText(std::string text);

    // A cell's value; an empty cell is not stored. Cells come in row order as files keep them,
    // but any order is accepted: Finish sorts them, and a cell given twice keeps the last value.
    void Put(size_t sheet, int row, int col, const Cell& cell);
    void PutText(size_t sheet, int row, int col, uint32_t text);
    // Room for a sheet's cells when the file says how many to expect.
    void Reserve(size_t sheet, size_t cells) { m_sheets.at(sheet).cells.reserve(cells); }
    void Finish();

    // The rectangle a sheet's cells fill; empty when it has none.
    Area UsedArea(size_t sheet) const;

    std::vector<NamedArea>& Names() { return m_names; }
    const std::vector<NamedArea>& Names() const { return m_names; }

    // Calls f(row, col, cell) for every position of the area, row by row, empty ones as Empty.
    template <class F>
    void ForEachCell(const Area& area, F f) const;

private:
    struct Stored {
        uint32_t row;
        uint16_t col;
        uint8_t kind;  // Cell::Kind
        union {
            double number;
            uint32_t text;
        };
    };
    struct Sheet {
        std::string name;
        std::vector<Stored> cells;
        bool ordered = true;
    };
    static bool Before(const Stored& a, const Stored& b) { return a.row != b.row ? a.row < b.row : a.col < b.col; }
    void Store(size_t sheet, const Stored& cell);
    size_t FirstAtOrAfter(const Sheet& sheet, int row, int col) const;
    void Fill(const Stored& stored, Cell& cell) const;

    std::vector<Sheet> m_sheets;
    std::vector<std::string> m_texts;
    std::vector<NamedArea> m_names;
};

template <class F>
void WorkbookCells::ForEachCell(const Area& area, F f) const {
    if (area.sheet >= m_sheets.size() || area.lastRow < area.firstRow || area.lastCol < area.firstCol) return;
    const Sheet& sheet = m_sheets[area.sheet];
    Cell empty, cell;
    size_t next = FirstAtOrAfter(sheet, area.firstRow, area.firstCol);
    for (int r = area.firstRow; r <= area.lastRow; ++r) {
        // Cells left of the area in this row are passed over.
        while (next < sheet.cells.size() && sheet.cells[next].row == static_cast<uint32_t>(r) && sheet.cells[next].col < area.firstCol) ++next;
        for (int c = area.firstCol; c <= area.lastCol; ++c) {
            if (next < sheet.cells.size() && sheet.cells[next].row == static_cast<uint32_t>(r) && sheet.cells[next].col == c) {
                Fill(sheet.cells[next++], cell);
                f(r, c, static_cast<const Cell&>(cell));
            } else {
                f(r, c, static_cast<const Cell&>(empty));
            }
        }
        // And those right of it.
        while (next < sheet.cells.size() && sheet.cells[next].row == static_cast<uint32_t>(r)) ++next;
    }
}

}  // namespace platform::sheets
