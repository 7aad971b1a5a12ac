#pragma once
// Drawings with the link records a stranger might send: made with the module's own table
// builder and link writer, then (where the test needs it) damaged by hand, and saved as DXF.
#include <functional>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "db/DrawingDatabase.h"
#include "dxf/DrawingIo.h"
#include "types/CellGrid.h"
#include "engine/TableBuilder.h"
#include "types/TableLink.h"
#include "engine/TableLinkIO.h"

namespace security_test {

struct LinkDef {
    std::wstring database = L"nwind.mdb";
    std::wstring table{};  // every member has an initializer, so a definition names only what it sets
    std::wstring sql{};
    std::wstring user{}, password{};
    int rows = 2, cols = 3;  // the table's stale size
    std::wstring block{};    // the block definition that holds the table; empty: model space
    // Changes made to the table after its record was written (damage, odd records).
    std::function<void(AcDbTable&)> tamper{};
};

// Writes a drawing holding one linked table per definition; false when something failed.
inline bool MakeLinkedDrawing(const std::string& path, const std::vector<LinkDef>& defs) {
    auto db = platform::NewDrawingDatabase();
    platform::ScopedWorkingDatabase working(db.get());
    int x = 0;
    for (const LinkDef& def : defs) {
        CTableLink link;
        link.m_strConnectDriver = L"Microsoft Access Driver (*.mdb, *.accdb)";
        link.m_strDatabase = def.database.c_str();
        link.m_strTable = def.table.c_str();
        link.m_strSQL = def.sql.c_str();
        link.m_strUser = def.user.c_str();
        link.m_strPassword = def.password.c_str();
        link.m_strTableStyle = L"Standard";
        link.m_nRows = def.rows;
        link.m_nCols = def.cols;
        CCellGrid grid;
        grid.SetGridSize(def.rows, def.cols);
        for (int r = 0; r < def.rows; ++r)
            for (int c = 0; c < def.cols; ++c) grid.SetCell(r, c, L"old");
        if (!def.block.empty()) {
            // A block of the drawing (a layout or a block definition) holds a plain table.
            AcDbBlockTable* blocks = nullptr;
            if (db->getBlockTable(blocks, AcDb::kForWrite) != Acad::eOk) return false;
            AcDbObjectId blockId;
            if (!blocks->has(def.block.c_str())) {
                auto* record = new AcDbBlockTableRecord;
                record->setName(def.block.c_str());
                blocks->add(blockId, record);
                record->close();
            }
            blocks->getAt(def.block.c_str(), blockId);
            blocks->close();
            AcDbBlockTableRecord* block = nullptr;
            if (acdbOpenObject(block, blockId, AcDb::kForWrite) != Acad::eOk) return false;
            auto* table = new AcDbTable;
            table->setNumRows(def.rows);
            table->setNumColumns(def.cols);
            for (int r = 0; r < def.rows; ++r)
                for (int c = 0; c < def.cols; ++c) table->setTextString(r, c, L"old");
            AcDbObjectId tableId;
            const bool added = block->appendAcDbEntity(tableId, table) == Acad::eOk;
            block->close();
            if (!added) return false;
            const bool linked = WriteTableLink(link, table);
            table->close();
            if (!linked) return false;
        } else {
            platform::ScopedConsole console({std::to_string(x) + ",0"});
            if (!BuildTable(grid, link, nullptr)) return false;
        }
        x += 50;
        if (def.tamper) {
            AcDbObjectPointer<AcDbTable> table(db->lastEntity(), AcDb::kForWrite);
            if (!table) return false;
            def.tamper(*table.object());
        }
    }
    return !platform::dxf::SaveDrawing(*db, path);
}

}  // namespace security_test
