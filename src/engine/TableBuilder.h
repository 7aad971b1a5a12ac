#pragma once
// The table builder: a grid of cell texts becomes a new table (sized from its style, linked
// and dragged into place) or refills an existing table from the link's start cell.
#include "db/DrawingDatabase.h"
#include "types/CellGrid.h"
#include "types/TableLink.h"

// With a table open for write: fits its rows (and, where needed, columns) to the grid from
// the start cell on and overwrites the cells; true. With none: creates, fills, links and
// drags a new table; false when the table style dictionary or the style cannot be opened,
// or when the link record could not be stored (nothing is created then); true otherwise,
// also when the user cancels the insertion point (the table is erased).
bool BuildTable(const CCellGrid& grid, const CTableLink& link, AcDbTable* pTable);

// Before a table (open for write) is filled from a source the user chose: a table that
// already carries a link is filled only when the user agrees to replace that link at the
// prompt "This table is linked to X. Replace its link?" (No unless "Yes" is answered), and
// then the cells the old link's data block wrote are emptied first, so that none of the old
// data is left behind. True to go on filling; a table without a link goes on at once.
bool ReplaceExistingLink(AcDbTable* pTable);

// True when refilling the table (open for read at least) from the grid would change nothing:
// its rows already fit the grid, no column would be added, and every cell the grid covers
// holds the grid's text.
bool TableHoldsGrid(const CCellGrid& grid, const CTableLink& link, const AcDbTable* pTable);

// Asks for a point and finds the table of the current space under it. False when the
// prompt was not answered with a point or the drawing has no table; true otherwise, with
// the table's id (null when no table lies there) and the cell's row and column.
bool PickStartCell(AcDbObjectId& tableId, int& nRow, int& nCol);
