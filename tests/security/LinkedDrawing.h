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

struct LinkSpec {
    std::wstring database = L"nwind.mdb";
    std::wstring table{};  // every member has an initializer, so a spec names only what it sets
    std::wstring sql{};
    std::wstring user{}, password{};
    int rows = 2, cols = 3;  // the table's stale size
    // Changes made to the table after its record was written (damage, odd records).
    std::function<void(AcDbTable&)> tamper{};
};

// Writes a drawing holding one linked table per spec; false when something failed.
inline bool MakeLinkedDrawing(const std::string& path, const std::vector<LinkSpec>& specs) {
    auto db = platform::NewDrawingDatabase();
    platform::ScopedWorkingDatabase working(db.get());
    int x = 0;
    for (const LinkSpec& spec : specs) {
        CTableLink link;
        link.m_strConnectDriver = L"Microsoft Access Driver (*.mdb, *.accdb)";
        link.m_strDatabase = spec.database.c_str();
        link.m_strTable = spec.table.c_str();
        link.m_strSQL = spec.sql.c_str();
        link.m_strUser = spec.user.c_str();
        link.m_strPassword = spec.password.c_str();
        link.m_strTableStyle = L"Standard";
        link.m_nRows = spec.rows;
        link.m_nCols = spec.cols;
        CCellGrid grid;
        grid.SetGridSize(spec.rows, spec.cols);
        for (int r = 0; r < spec.rows; ++r)
            for (int c = 0; c < spec.cols; ++c) grid.SetCell(r, c, L"old");
        {
            platform::ScopedConsole console({std::to_string(x) + ",0"});
            if (!BuildTable(grid, link, nullptr)) return false;
        }
        x += 50;
        if (spec.tamper) {
            AcDbObjectPointer<AcDbTable> table(db->lastEntity(), AcDb::kForWrite);
            if (!table) return false;
            spec.tamper(*table.object());
        }
    }
    return !platform::dxf::SaveDrawing(*db, path);
}

}  // namespace security_test
