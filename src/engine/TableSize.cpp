#include "engine/TableSize.h"

#include <algorithm>

namespace {

constexpr long long kBytesPerCell = 1024;
constexpr long long kBytesPerChar = 16;

}  // namespace

long long EstimateTableBytes(long long nCells, long long nChars) { return nCells * kBytesPerCell + nChars * kBytesPerChar; }

CString CheckTableSize(const CCellGrid& grid, const CTableLink& link, const AcDbTable* pTable, long long nCellLimit,
                       long long nMemoryLimit) {
    // The table as the builder leaves it: a refilled one has the start row's rows above the
    // grid, and keeps columns the grid does not reach.
    long long nRows = grid.GetRows(), nCols = grid.GetCols();
    if (pTable) {
        const long long nTableCols = pTable->numColumns();
        nRows += std::max(link.m_nStartRow, 0);
        nCols = link.m_nStartCol <= nTableCols && nCols > nTableCols - link.m_nStartCol ? link.m_nStartCol + nCols : nTableCols;
    }
    const long long nCells = nRows * nCols;
    CString strReason;
    if (nCellLimit > 0 && nCells > nCellLimit) {
        strReason.Format(L"the table would hold %lld cells (%lld rows, %lld columns), more than the %lld cells one table may hold", nCells,
                         nRows, nCols, nCellLimit);
        return strReason;
    }
    long long nChars = 0;
    for (INT_PTR i = 0; i < grid.GetSize(); ++i) nChars += grid[i].GetLength();
    const long long nBytes = EstimateTableBytes(nCells, nChars);
    if (nMemoryLimit > 0 && nBytes > nMemoryLimit) {
        strReason.Format(L"the table and its block would take about %lld MB, more than the memory limit of %lld MB", (nBytes + (1 << 20) - 1) >> 20,
                         nMemoryLimit >> 20);
        return strReason;
    }
    return strReason;
}
