#pragma once
// What makes other programs display a table: its anonymous *T block of LINE entities for the
// grid and one MTEXT per cell text, laid out from the row heights, column widths, the table
// style's margins, text heights and alignments, in the table's own coordinates. Storing a
// table regenerates that block every time.
#include <string>

#include "dxf/AcadTable.h"

namespace platform::dxf {

struct CellStyleInfo {
    std::string textStyle = "Standard";
    double textHeight = 0.18;
    int alignment = 5;  // 1..9, top-left .. bottom-right
};

struct TableStyleInfo {
    double horizontalMargin = 0.06;
    double verticalMargin = 0.06;
    bool titleSuppressed = false;
    bool headerSuppressed = false;
    CellStyleInfo data, title, header;
};

// Reads a TABLESTYLE object (its cell styles come in the order data, title, header). A height
// or margin beyond what a table holds is passed over, the default standing; the first is
// described in *beyond.
TableStyleInfo ParseTableStyle(const DxfObject& style, std::string* beyond = nullptr);

// The handle of the named table style in the ACAD_TABLESTYLE dictionary, or 0.
Handle FindTableStyle(Document& doc, std::string_view name);

// Replaces the block's entities with the table's grid lines and cell texts. The block's
// BLOCK and ENDBLK must already carry their handles; new entities get new handles.
void BuildTableBlock(Document& doc, const AcadTable& table, const TableStyleInfo& style, Block& block);

// Notes in each block cell of the table where its block's reference stands in the table's
// block as the document holds it (TableCell::blockPlaced), so that a block rebuilt after the
// table's rows or texts changed shows the block where the program that drew it put it.
void ReadBlockPlacements(Document& doc, AcadTable& table);

// Puts the table into the document: assigns what is missing (handle, owner = model space,
// table style "Standard", block record and *T name), regenerates the anonymous block and adds
// or replaces the ACAD_TABLE entity in its owner's entity list. A stale copy of the content in
// newer table objects (written by CAD programs since 2008) is removed, so every reader shows
// the data stored here. Returns the table's handle.
Handle StoreTable(Document& doc, AcadTable& table);

// Every ACAD_TABLE entity of the document (model space, then blocks), by position.
std::vector<const DxfObject*> FindTableEntities(const Document& doc);

}  // namespace platform::dxf
