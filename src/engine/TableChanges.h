#pragma once
// What a refill did to a table's cells: its texts before and after, cell by cell. A refill
// keeps the rows before the data block and fits the rows after its start (deleting or
// appending at the end), so comparing the two grids position by position names exactly the
// cells whose text changed, the rows appended or deleted at the end and the columns added.
#include <string>
#include <vector>

#include "db/DrawingDatabase.h"

struct CTableTexts {
    int m_nRows = 0;
    int m_nCols = 0;
    std::vector<std::string> m_cells;  // UTF-8, row by row

    const std::string& At(int row, int col) const { return m_cells[static_cast<size_t>(row) * m_nCols + col]; }
};

// The texts of every cell of a table open for read.
CTableTexts ReadTableTexts(const AcDbTable* pTable);

struct CCellChange {
    int m_nRow = 0;
    int m_nCol = 0;
    std::string m_strOld;
    std::string m_strNew;
};

struct CTableChanges {
    CTableTexts m_before;
    CTableTexts m_after;
    std::vector<CCellChange> m_changed;  // cells of rows and columns both grids have
    int m_nRowsAdded = 0;                // rows m_before.m_nRows .. m_after.m_nRows - 1
    int m_nRowsRemoved = 0;              // rows m_after.m_nRows .. m_before.m_nRows - 1 of m_before
    int m_nColsAdded = 0;                // columns m_before.m_nCols .. m_after.m_nCols - 1

    bool Any() const { return !m_changed.empty() || m_nRowsAdded || m_nRowsRemoved || m_nColsAdded; }
};

CTableChanges CompareTableTexts(CTableTexts before, CTableTexts after);
