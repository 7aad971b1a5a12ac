#include "sheets/WorkbookCells.h"

#include <algorithm>

namespace platform::sheets {

size_t WorkbookCells::AddSheet(std::string name) {
    m_sheets.push_back({std::move(name), {}, true});
    return m_sheets.size() - 1;
}

uint32_t WorkbookCells::AddText(std::string text) {
    m_texts.push_back(std::move(text));
    return static_cast<uint32_t>(m_texts.size() - 1);
}

void WorkbookCells::Store(size_t sheet, const Stored& cell) {
    Sheet& s = m_sheets.at(sheet);
    if (!s.cells.empty() && !Before(s.cells.back(), cell)) s.ordered = false;
    s.cells.push_back(cell);
}

void WorkbookCells::Put(size_t sheet, int row, int col, const Cell& cell) {
    if (cell.kind == Cell::Empty) return;
    Stored stored;
    stored.row = static_cast<uint32_t>(row);
    stored.col = static_cast<uint16_t>(col);
    stored.kind = static_cast<uint8_t>(cell.kind);
    if (cell.kind == Cell::Text) stored.text = AddText(cell.text);
    else stored.number = cell.number;
    Store(sheet, stored);
}

void WorkbookCells::PutText(size_t sheet, int row, int col, uint32_t text) {
    Stored stored;
    stored.row = static_cast<uint32_t>(row);
    stored.col = static_cast<uint16_t>(col);
    stored.kind = Cell::Text;
    stored.text = text;
    Store(sheet, stored);
}

void WorkbookCells::Finish() {
    for (Sheet& sheet : m_sheets) {
        if (sheet.ordered) continue;
        // Stable, so of a cell given twice the last one given is the one kept.
        std::stable_sort(sheet.cells.begin(), sheet.cells.end(), Before);
        std::vector<Stored> unique;
        unique.reserve(sheet.cells.size());
        for (const Stored& cell : sheet.cells) {
            if (!unique.empty() && unique.back().row == cell.row && unique.back().col == cell.col) unique.back() = cell;
            else unique.push_back(cell);
        }
        sheet.cells.swap(unique);
        sheet.ordered = true;
    }
}

Area WorkbookCells::UsedArea(size_t sheet) const {
    Area area;
    area.sheet = sheet;
    const std::vector<Stored>& cells = m_sheets.at(sheet).cells;
    if (cells.empty()) return area;
    area.firstRow = static_cast<int>(cells.front().row);
    area.lastRow = static_cast<int>(cells.back().row);
    area.firstCol = cells.front().col;
    area.lastCol = cells.front().col;
    for (const Stored& cell : cells) {
        area.firstCol = std::min<int>(area.firstCol, cell.col);
        area.lastCol = std::max<int>(area.lastCol, cell.col);
    }
    return area;
}

size_t WorkbookCells::FirstAtOrAfter(const Sheet& sheet, int row, int col) const {
    Stored key{};
    key.row = static_cast<uint32_t>(row);
    key.col = static_cast<uint16_t>(col);
    return static_cast<size_t>(std::lower_bound(sheet.cells.begin(), sheet.cells.end(), key, Before) - sheet.cells.begin());
}

void WorkbookCells::Fill(const Stored& stored, Cell& cell) const {
    cell.kind = static_cast<Cell::Kind>(stored.kind);
    if (cell.kind == Cell::Text) {
        cell.text = stored.text < m_texts.size() ? m_texts[stored.text] : std::string();
        cell.number = 0;
    } else {
        cell.number = stored.number;
        cell.text.clear();
    }
}

}  // namespace platform::sheets
