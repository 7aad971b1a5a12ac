#pragma once
// CCellGrid: rows x columns of cell texts, row by row; the one input of the table builder.
// When a link includes the header, row 0 holds the column headings.
#include <stdexcept>
#include <utility>

#include "mfc/Afx.h"

class CCellGrid : public CStringArray {
public:
    CCellGrid() = default;

    // Stores both counts and makes rows x columns empty cells.
    void SetGridSize(int rows, int cols) {
        if (rows < 0 || cols < 0) throw std::invalid_argument("CCellGrid::SetGridSize: negative size");
        m_nRows = rows;
        m_nCols = cols;
        RemoveAll();
        SetSize(static_cast<INT_PTR>(rows) * cols);
    }
    void SetCell(int row, int col, const CString& text) { ElementAt(Index(row, col)) = text; }
    void SetCell(int row, int col, CString&& text) { ElementAt(Index(row, col)) = std::move(text); }
    CString GetCell(int row, int col) const { return GetAt(Index(row, col)); }
    const CString& CellRef(int row, int col) const { return GetAt(Index(row, col)); }

    // Drops row 0 (the field names, when a link has no header row) without copying the rest.
    void RemoveFirstRow() {
        if (m_nRows == 0) return;
        RemoveAt(0, m_nCols);
        --m_nRows;
    }

    int GetRows() const { return m_nRows; }
    int GetCols() const { return m_nCols; }

private:
    INT_PTR Index(int row, int col) const {
        if (row < 0 || col < 0 || row >= m_nRows || col >= m_nCols) throw std::out_of_range("CCellGrid: cell outside the grid");
        return static_cast<INT_PTR>(row) * m_nCols + col;
    }

    int m_nRows = 0;
    int m_nCols = 0;
};
