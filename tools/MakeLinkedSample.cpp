// make_linked_sample OUT.dxf [--missing] [--bench]
//
// Writes the sample drawing of linked tables: each table is created as DbTable_Create creates
// it (BuildTable, WriteTableLink) but filled with stale cells, so a refresh visibly changes
// it. Every link names its database relative to the drawing (the drawing and nwind.mdb lie
// side by side), spelled in different ways. --missing adds a table linked to a database that
// is not there; --bench writes instead the benchmark drawing: linked tables of about 100,000
// cells in all (five times Orders, four times Order Details), each holding one stale row.
#include <cstdio>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "db/DrawingDatabase.h"
#include "dxf/DrawingIo.h"
#include "db/HostServices.h"
#include "types/CellGrid.h"
#include "engine/TableBuilder.h"
#include "types/TableLink.h"
#include "engine/TableLinkIO.h"

namespace {

const wchar_t* const kDriver = L"Microsoft Access Driver (*.mdb, *.accdb)";

struct SampleTable {
    const wchar_t* database;
    const wchar_t* table;
    const wchar_t* sql;
    bool header;
    std::vector<const wchar_t*> headings;
    std::vector<double> widths;
    int staleRows, staleCols;
    const char* at;  // insertion point
};

CTableLink LinkOf(const SampleTable& s) {
    CTableLink link;
    link.m_bIncludeHeader = s.header ? 1 : 0;
    link.m_strDatabase = s.database;
    link.m_strConnectDriver = kDriver;
    link.m_strTableStyle = L"Standard";
    link.m_strTable = s.table;
    link.m_strSQL = s.sql;
    for (const wchar_t* h : s.headings) link.m_arrHeadings.Add(h);
    for (double w : s.widths) link.m_arrWidths.Add(w);
    link.m_nRows = s.staleRows;
    link.m_nCols = s.staleCols;
    return link;
}

CCellGrid StaleGrid(int rows, int cols, const SampleTable& s) {
    CCellGrid grid;
    grid.SetGridSize(rows, cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            CString text;
            if (r == 0 && s.header && c < static_cast<int>(s.headings.size())) text = s.headings[static_cast<size_t>(c)];
            else text.Format(L"old %d.%d", r, c);
            grid.SetCell(r, c, text);
        }
    return grid;
}

// Creates the table as the create command does, answering its insertion point prompt.
bool Create(const SampleTable& s, const CCellGrid& grid, const CTableLink& link) {
    platform::ScopedConsole console({s.at});
    return BuildTable(grid, link, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    std::string out;
    bool missing = false, bench = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--missing") missing = true;
        else if (arg == "--bench") bench = true;
        else if (out.empty() && !arg.empty() && arg[0] != '-') out = arg;
        else out.clear(), i = argc;
    }
    if (out.empty()) {
        std::fputs("usage: make_linked_sample OUT.dxf [--missing] [--bench]\n", stderr);
        return 2;
    }
    auto db = platform::NewDrawingDatabase();
    acdbHostApplicationServices()->setWorkingDatabase(db.get());

    std::vector<SampleTable> tables;
    std::vector<std::string> points;
    if (bench) {
        for (int i = 0; i < 9; ++i) points.push_back(std::to_string(i * 400) + ",0");
        for (int i = 0; i < 9; ++i)
            tables.push_back({L"nwind.mdb", i < 5 ? L"Orders" : L"Order Details", L"", true, {}, {}, 2, i < 5 ? 14 : 5,
                              points[static_cast<size_t>(i)].c_str()});
    } else {
        tables = {
            // A table, by name.
            {L"nwind.mdb", L"Shippers", L"", true, {}, {}, 2, 3, "0,0"},
            // A query joining two tables.
            {L".\\nwind.mdb", L"",
             L"SELECT Products.ProductName, Categories.CategoryName, Products.UnitPrice FROM Products INNER JOIN "
             L"Categories ON Products.CategoryID = Categories.CategoryID WHERE Products.UnitPrice > 40 ORDER BY "
             L"Products.UnitPrice DESC",
             true, {}, {}, 3, 3, "9,0"},
            // Headings and widths of its own.
            {L"./nwind.mdb", L"", L"SELECT CategoryID, CategoryName, Description FROM Categories", true, {L"No.", L"Category", L"What it holds"}, {0.8, 2.5, 7.0}, 2, 3, "16,0"},
        };
    }
    int status = 0;
    for (const SampleTable& s : tables) {
        const CTableLink link = LinkOf(s);
        if (!Create(s, StaleGrid(s.staleRows, s.staleCols, s), link)) {
            std::fprintf(stderr, "make_linked_sample: a table could not be created\n");
            status = 1;
        }
    }
    if (!bench) {
        // A larger table of its own, whose data block starts at row 2, column 1: the link fills
        // the employees' names in there and leaves the first rows and column alone.
        SampleTable frame{L"nwind.mdb", L"", L"SELECT FirstName, LastName, City FROM Employees ORDER BY LastName", false,
                          {}, {}, 6, 4, "0,-9"};
        CCellGrid grid;
        grid.SetGridSize(6, 4);
        const wchar_t* heads[] = {L"Staff", L"First name", L"Last name", L"City"};
        for (int c = 0; c < 4; ++c) grid.SetCell(0, c, heads[c]);
        grid.SetCell(1, 0, L"Updated nightly from nwind.mdb");
        for (int r = 2; r < 6; ++r) {
            grid.SetCell(r, 0, L"#");
            for (int c = 1; c < 4; ++c) grid.SetCell(r, c, L"old");
        }
        CTableLink link = LinkOf(frame);
        Create(frame, grid, link);
        link.m_nStartRow = 2;
        link.m_nStartCol = 1;
        link.m_nRows = 4;
        link.m_nCols = 3;
        const AcDbObjectId id = db->lastEntity();
        AcDbObjectPointer<AcDbTable> table(id, AcDb::kForWrite);
        if (!table || !WriteTableLink(link, table.object())) status = 1;
    }
    if (missing) {
        SampleTable moved{L"archive\\nwind-2019.mdb", L"Shippers", L"", true, {}, {}, 2, 3, "28,0"};
        Create(moved, StaleGrid(2, 3, moved), LinkOf(moved));
    }
    // Something that is not a table, to show it is left alone.
    {
        AcDbObjectPointer<AcDbBlockTableRecord> model(db->modelSpaceId(), AcDb::kForWrite);
        auto* line = new AcDbLine(AcGePoint3d(-1, 1, 0), AcGePoint3d(27, 1, 0));
        model->appendAcDbEntity(line);
        line->close();
    }
    if (auto error = platform::dxf::SaveDrawing(*db, out)) {
        std::fprintf(stderr, "make_linked_sample: %s\n", error->Message().c_str());
        return 1;
    }
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    return status;
}
