// Refreshing linked tables from the real Access files: selection, database reuse, fitting
// rows and columns, relative paths, and the refresh switch on drawing open.
#include <gtest/gtest.h>

#include "editor/StaleTables.h"

#include <filesystem>
#include <stdlib.h>

#include "runtime/DocManager.h"
#include "DrawingFixture.h"
#include "text/Utf8.h"
#include "app/VeloCommands.h"
#include "app/VelloriaApp.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/DatabasePtrArray.h"
#include "engine/TableLinkIO.h"
#include "engine/TableUpdater.h"
#include "support/Registry.h"

namespace fs = std::filesystem;

namespace {

const CString kOdbc = L"Microsoft Access Driver (*.mdb, *.accdb)";

class Updater : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("LC_ALL", "C", 1);
        m_dir = fs::temp_directory_path() / ("velloria-updater-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir / "data");
        fs::copy_file(fs::path(VELLORIA_TEST_DATA) / "nwind.mdb", m_dir / "data" / "nwind.mdb");
        ::setenv("VELLORIA_REGISTRY", (m_dir / "registry.reg").c_str(), 1);
        InitConnectStringTable();
        m_document = acDocManagerPtr()->addDocument(
            std::make_unique<AcApDocument>(m_drawing.db, CString::FromUtf8((m_dir / "plan.dxf").string())));
    }
    void TearDown() override {
        CloseAllDatabases();
        acDocManagerPtr()->closeDocument(m_document);
        ::unsetenv("VELLORIA_REGISTRY");
        ::unsetenv("LC_ALL");
        fs::remove_all(m_dir);
    }

    CString Nwind() const { return CString::FromUtf8((m_dir / "data" / "nwind.mdb").string()); }

    // A table of rows x cols holding "old r,c", linked to the source.
    AcDbObjectId LinkedTable(int rows, int cols, const CString& database, const CString& table, const CString& sql,
                             int startRow = 0, int startCol = 0, bool header = true) {
        auto* t = new AcDbTable;
        t->setNumRows(rows);
        t->setNumColumns(cols);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                t->setTextString(r, c, (L"old " + std::to_wstring(r) + L"," + std::to_wstring(c)).c_str());
        const AcDbObjectId id = m_drawing.Add(t);
        CTableLink link;
        link.m_strConnectDriver = kOdbc;
        link.m_strDatabase = database;
        link.m_strTable = table;
        link.m_strSQL = sql;
        link.m_bIncludeHeader = header ? 1 : 0;
        link.m_nStartRow = startRow;
        link.m_nStartCol = startCol;
        link.m_nRows = 99;  // a refresh must not rewrite the record
        link.m_nCols = 98;
        EXPECT_TRUE(WriteTableLinkById(link, id));
        return id;
    }

    std::vector<std::wstring> Row(AcDbObjectId id, int row) {
        AcDbTable* t = nullptr;
        EXPECT_EQ(acdbOpenObject(t, id, AcDb::kForRead), Acad::eOk);
        std::vector<std::wstring> cells;
        for (int c = 0; c < static_cast<int>(t->numColumns()); ++c) {
            std::wstring s;
            t->textString(row, c, s);
            cells.push_back(s);
        }
        t->close();
        return cells;
    }

    int Rows(AcDbObjectId id) {
        AcDbTable* t = nullptr;
        acdbOpenObject(t, id, AcDb::kForRead);
        const int n = static_cast<int>(t->numRows());
        t->close();
        return n;
    }

    fs::path m_dir;
    TestDrawing m_drawing;
    AcApDocument* m_document = nullptr;
    platform::ScopedConsole m_console;
};

using Cells = std::vector<std::wstring>;

}  // namespace

TEST_F(Updater, RefreshesEveryLinkedTableOpeningTheDatabaseOnce) {
    const AcDbObjectId shippers = LinkedTable(2, 3, Nwind(), L"Shippers", L"");
    const AcDbObjectId query = LinkedTable(
        6, 2, Nwind(), L"",
        L"SELECT CategoryName, ProductName FROM Categories INNER JOIN Products ON Categories.CategoryID = "
        L"Products.CategoryID WHERE Products.ProductID < 4 ORDER BY Products.ProductID");
    const AcDbObjectId noHeader = LinkedTable(3, 3, Nwind(), L"Shippers", L"", 0, 0, false);

    UpdateLinkedTables(L"X");

    EXPECT_EQ(m_console.Output().find("\nPreparing for table update...\n"), 0u) << m_console.Output();
    EXPECT_EQ(GetOpenDatabases().GetSize(), 1);

    EXPECT_EQ(Rows(shippers), 4);  // grew by one row
    EXPECT_EQ(Row(shippers, 0), (Cells{L"ShipperID", L"CompanyName", L"Phone"}));
    EXPECT_EQ(Row(shippers, 3), (Cells{L"3", L"Federal Shipping", L"(503) 555-9931"}));

    EXPECT_EQ(Rows(query), 4);  // shrank below the data block
    EXPECT_EQ(Row(query, 0), (Cells{L"CategoryName", L"ProductName"}));
    EXPECT_EQ(Row(query, 1), (Cells{L"Beverages", L"Chai"}));
    EXPECT_EQ(Row(query, 3), (Cells{L"Condiments", L"Aniseed Syrup"}));

    EXPECT_EQ(Rows(noHeader), 3);  // same size: rewritten in place
    EXPECT_EQ(Row(noHeader, 0), (Cells{L"1", L"Speedy Express", L"(503) 555-9831"}));

    CTableLink link;
    ASSERT_TRUE(ReadTableLinkById(link, query));
    EXPECT_EQ(link.m_nRows, 99);
    EXPECT_EQ(link.m_nCols, 98);
    EXPECT_TRUE(link.m_strTable.IsEmpty());
}

TEST_F(Updater, FillsFromTheStartCellAndKeepsWhatLiesOutsideTheGrid) {
    // A 10 x 5 table filled from row 3, column 1 with two fields of three records.
    const AcDbObjectId id = LinkedTable(10, 5, Nwind(), L"", L"SELECT CompanyName, Phone FROM Shippers", 3, 1, false);
    UpdateLinkedTables(L"X");
    EXPECT_EQ(Rows(id), 6);  // rows below the data block were removed
    EXPECT_EQ(Row(id, 2), (Cells{L"old 2,0", L"old 2,1", L"old 2,2", L"old 2,3", L"old 2,4"}));
    EXPECT_EQ(Row(id, 3), (Cells{L"old 3,0", L"Speedy Express", L"(503) 555-9831", L"old 3,3", L"old 3,4"}));
    EXPECT_EQ(Row(id, 5), (Cells{L"old 5,0", L"Federal Shipping", L"(503) 555-9931", L"old 5,3", L"old 5,4"}));
}

// A refresh that brings nothing new leaves a table unmodified (the drawing does not change);
// one different cell, or a row too many, and it is refilled.
TEST_F(Updater, ATableThatAlreadyShowsTheDataIsLeftUnmodified) {
    const AcDbObjectId plain = LinkedTable(2, 3, Nwind(), L"Shippers", L"");
    const AcDbObjectId inside = LinkedTable(6, 5, Nwind(), L"", L"SELECT CompanyName, Phone FROM Shippers", 3, 1, false);
    auto modified = [](AcDbObjectId id) {
        AcDbTable* t = nullptr;
        EXPECT_EQ(acdbOpenObject(t, id, AcDb::kForRead), Acad::eOk);
        const bool m = t->isModified();
        t->setModified(false);
        t->close();
        return m;
    };
    // A text with a line break, held as a drawing file holds it.
    const AcDbObjectId lines = LinkedTable(1, 1, Nwind(), L"", L"SELECT TOP 1 ShipAddress FROM Orders WHERE ShipAddress LIKE '89 Jefferson*'", 0, 0, false);
    UpdateLinkedTables(L"X");
    EXPECT_TRUE(modified(plain));
    EXPECT_TRUE(modified(inside));
    EXPECT_TRUE(modified(lines));
    ASSERT_EQ(Row(lines, 0), (Cells{L"89 Jefferson Way\r\nSuite 2"}));
    {
        AcDbTable* t = nullptr;
        ASSERT_EQ(acdbOpenObject(t, lines, AcDb::kForWrite), Acad::eOk);
        t->setTextString(0, 0, L"89 Jefferson Way\\PSuite 2");
        t->close();
    }
    modified(lines);
    const Cells last = Row(plain, 3);

    UpdateLinkedTables(L"X");
    EXPECT_FALSE(modified(plain));
    EXPECT_FALSE(modified(inside));
    EXPECT_FALSE(modified(lines));
    EXPECT_EQ(Row(plain, 3), last);

    {
        AcDbTable* t = nullptr;
        ASSERT_EQ(acdbOpenObject(t, plain, AcDb::kForWrite), Acad::eOk);
        t->setTextString(3, 2, L"stale");
        t->close();
        ASSERT_EQ(acdbOpenObject(t, inside, AcDb::kForWrite), Acad::eOk);
        t->insertRows(6, 1.0, 1);
        t->close();
    }
    modified(plain);  // clears the flags the edits set
    modified(inside);
    UpdateLinkedTables(L"X");
    EXPECT_TRUE(modified(plain));
    EXPECT_EQ(Row(plain, 3), last);
    EXPECT_TRUE(modified(inside));
    EXPECT_EQ(Rows(inside), 6);
}

TEST_F(Updater, SkipsWhatCannotBeRefreshedAndRefreshesTheRest) {
    const AcDbObjectId noRecords = LinkedTable(2, 2, Nwind(), L"", L"SELECT CompanyName FROM Shippers WHERE ShipperID > 99");
    const AcDbObjectId noSource = LinkedTable(2, 2, Nwind(), L"", L"");
    const AcDbObjectId badSql = LinkedTable(2, 2, Nwind(), L"", L"SELECT Nothing FROM Nowhere");
    const AcDbObjectId good = LinkedTable(2, 3, Nwind(), L"Shippers", L"");

    // A block reference carrying a link record is selected but cannot be refilled.
    auto* ref = new AcDbBlockReference;
    const AcDbObjectId refId = m_drawing.Add(ref);
    CTableLink link;
    link.m_strConnectDriver = kOdbc;
    link.m_strDatabase = Nwind();
    link.m_strTable = L"Shippers";
    ASSERT_TRUE(WriteTableLinkById(link, refId));

    UpdateLinkedTables(L"X");
    EXPECT_EQ(Row(noRecords, 0), (Cells{L"old 0,0", L"old 0,1"}));
    EXPECT_EQ(Row(noSource, 1), (Cells{L"old 1,0", L"old 1,1"}));
    EXPECT_EQ(Row(badSql, 0), (Cells{L"old 0,0", L"old 0,1"}));
    EXPECT_NE(m_console.Output().find("CADORecordset Error"), std::string::npos);  // the data layer's own report
    EXPECT_EQ(Rows(good), 4);
    // The summary counts both, a line for each failure; the tables left as they were are
    // marked stale for the host to show, the refreshed one is not.
    EXPECT_NE(m_console.Output().find("\n1 table refreshed, 4 failed.\n"), std::string::npos) << m_console.Output();
    EXPECT_NE(m_console.Output().find(" is not refreshed: the source returns no records.\n"), std::string::npos) << m_console.Output();
    EXPECT_NE(m_console.Output().find(" is not refreshed: the entity is not a table that can be changed.\n"), std::string::npos);
    std::vector<AcDbObjectId> stale;
    for (const platform::StaleTable& table : platform::StaleTablesOf(good.database())) stale.push_back(table.id);
    EXPECT_EQ(stale, (std::vector<AcDbObjectId>{noRecords, noSource, badSql, refId}));
}

// What a refresh would build is counted before the table changes: its cells, and the memory
// the table and its block would take. A table past either is named and left as it was; the
// others refresh.
TEST_F(Updater, ATableTooLargeToHoldIsRefusedBeforeItChanges) {
    CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane");
    ASSERT_TRUE(CRegistry::WriteProfileInt(L"Velloria", L"Table Cell Limit", 12));
    const AcDbObjectId fits = LinkedTable(2, 3, Nwind(), L"Shippers", L"");  // 4 rows x 3 columns
    // The result fits (9 cells), the table it would make does not: the grid from row 2, below
    // two rows kept, is 6 rows.
    const AcDbObjectId below = LinkedTable(3, 3, Nwind(), L"Shippers", L"", 2, 0);
    // Column 2 on: the table would grow to 5 columns.
    const AcDbObjectId wider = LinkedTable(2, 3, Nwind(), L"", L"SELECT CompanyName, Phone, ShipperID FROM Shippers", 0, 2, false);
    UpdateLinkedTables(L"X");
    EXPECT_EQ(Rows(fits), 4);
    EXPECT_EQ(Row(below, 2), (Cells{L"old 2,0", L"old 2,1", L"old 2,2"}));
    EXPECT_EQ(Rows(below), 3);
    EXPECT_EQ(Row(wider, 0), (Cells{L"old 0,0", L"old 0,1", L"old 0,2"}));
    const std::string out = m_console.Output();
    EXPECT_NE(out.find("is not refreshed: the table would hold 18 cells (6 rows, 3 columns), more than the 12 cells one table may hold."),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("the table would hold 15 cells (3 rows, 5 columns)"), std::string::npos) << out;

    // The memory of the table and its block: a kilobyte a cell and more; Orders is 831 x 14.
    ASSERT_TRUE(CRegistry::WriteProfileInt(L"Velloria", L"Table Cell Limit", 0));
    ASSERT_TRUE(CRegistry::WriteProfileInt(L"Velloria", L"Query Memory Limit", 4));
    const AcDbObjectId orders = LinkedTable(2, 2, Nwind(), L"Orders", L"");
    UpdateLinkedTables(L"X");
    EXPECT_EQ(Rows(orders), 2);
    EXPECT_NE(m_console.Output().find("is not refreshed: the table and its block would take about "), std::string::npos) << m_console.Output();
    EXPECT_NE(m_console.Output().find(" MB, more than the memory limit of 4 MB."), std::string::npos) << m_console.Output();
    EXPECT_EQ(Rows(fits), 4);
}

TEST_F(Updater, RelativePathsResolveAgainstTheDrawingsFolder) {
    const AcDbObjectId relative = LinkedTable(2, 3, L"data\\nwind.mdb", L"Shippers", L"");
    UpdateLinkedTables(L"X");
    EXPECT_EQ(Rows(relative), 4);

    // The drawing moved without its database: the data layer reports it, others refresh.
    CloseAllDatabases();
    m_console.ClearOutput();
    m_document->setFileName(CString::FromUtf8((m_dir / "elsewhere" / "plan.dxf").string()));
    const AcDbObjectId absolute = LinkedTable(2, 3, Nwind(), L"Shippers", L"");
    const AcDbObjectId moved = LinkedTable(2, 3, L"data\\nwind.mdb", L"Shippers", L"");
    UpdateLinkedTables(L"X");
    EXPECT_NE(m_console.Output().find("CADODataBase Error"), std::string::npos) << m_console.Output();
    EXPECT_EQ(Rows(absolute), 4);
    EXPECT_EQ(Row(moved, 0), (Cells{L"old 0,0", L"old 0,1", L"old 0,2"}));
}

TEST_F(Updater, NothingLinkedPrintsNothing) {
    m_drawing.Add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
    UpdateLinkedTables(L"X");
    EXPECT_EQ(m_console.Output(), "");
}

TEST_F(Updater, TheSwitchAsksOnOrOffAndOpeningADrawingFollowsIt) {
    const AcDbObjectId a = LinkedTable(2, 3, Nwind(), L"Shippers", L"");
    const AcDbObjectId b = LinkedTable(2, 3, Nwind(), L"", L"SELECT * FROM Shippers");
    const char* kPrompt = "\nTurn Auto-Update [ON/OFF] when the drawing is opened.<%s>:";
    char expected[128];

    theApp.EntryPoint(AcRx::kLoadDwgMsg, nullptr);  // setting absent: off
    EXPECT_EQ(m_console.Output(), "");
    EXPECT_EQ(Rows(a), 2);

    {
        // Enter is refused, then "on" in lower case is taken.
        platform::ScopedConsole console({"", "on"});
        DbTable_Auto_Update();
        std::snprintf(expected, sizeof expected, kPrompt, "OFF");
        EXPECT_EQ(console.Output().rfind(expected, 0), 0u) << console.Output();
        EXPECT_NE(console.Output().find("\nAuto-Update is enabled."), std::string::npos);
    }
    CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane");
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"AutoUpdate", 0), 1);

    theApp.EntryPoint(AcRx::kLoadDwgMsg, nullptr);
    const std::string out = m_console.Output();
    EXPECT_EQ(out.find("\nPreparing for table update...\n"), out.rfind("\nPreparing for table update...\n"));
    EXPECT_NE(out.find("\nPreparing for table update...\n"), std::string::npos);
    EXPECT_EQ(Rows(a), 4);
    EXPECT_EQ(Rows(b), 4);

    {
        platform::ScopedConsole console({"^C"});  // cancel: unchanged, silent after the prompt
        DbTable_Auto_Update();
        std::snprintf(expected, sizeof expected, kPrompt, "ON");
        EXPECT_EQ(console.Output().substr(0, std::strlen(expected)), expected);
        EXPECT_EQ(console.Output().find("Auto-Update is"), std::string::npos);
    }
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"AutoUpdate", 0), 1);

    {
        platform::ScopedConsole console({"OFF"});
        DbTable_Auto_Update();
        EXPECT_NE(console.Output().find("\nAuto-Update is disabled."), std::string::npos);
    }
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"AutoUpdate", 1), 0);
}
