#pragma once
// The size of what a grid makes of a table: its cells, and the memory the table and its block
// of lines and texts take, counted before anything is built so that a table too large to be
// held (or saved) is refused while the drawing is still as it was.
#include "db/DrawingDatabase.h"
#include "types/CellGrid.h"
#include "types/TableLink.h"

// The bytes a table of that many cells holding that many characters of text takes once it is
// built, with its block, and while it is saved. Measured on refreshed drawings (the benchmark
// drawing of nine linked tables): about a kilobyte a cell, and the text several times over
// (the grid, the cell, the block's text, the file).
long long EstimateTableBytes(long long nCells, long long nChars);

// Why the grid may not fill the table (pTable, refilled from the link's start cell; null for
// a new table): the table would hold more cells than nCellLimit, or it and its block would take
// more than nMemoryLimit bytes. A limit of 0 is none. Empty when it may.
CString CheckTableSize(const CCellGrid& grid, const CTableLink& link, const AcDbTable* pTable, long long nCellLimit,
                       long long nMemoryLimit);
