#include <gtest/gtest.h>

#include "DrawingFixture.h"
#include "editor/EntityList.h"
#include "engine/TableBuilder.h"
#include "engine/TableLinkIO.h"

namespace {

// A grid whose cells read "r,c", or the given texts row by row.
CCellGrid Grid(int rows, int cols) {
    CCellGrid g;
    g.SetGridSize(rows, cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) g.SetCell(r, c, std::to_wstring(r) + L"," + std::to_wstring(c));
    return g;
}

CCellGrid Grid(int rows, int cols, std::initializer_list<const wchar_t*> texts) {
    CCellGrid g;
    g.SetGridSize(rows, cols);
    int i = 0;
    for (const wchar_t* t : texts) g.SetCell(i / cols, i % cols, t), ++i;
    return g;
}

std::wstring Cell(const AcDbTable* t, int r, int c) {
    std::wstring s;
    t->textString(r, c, s);
    return s;
}

// Builds a new table answering the insertion point; the one table of model space.
AcDbObjectId BuildNew(TestDrawing& d, const CCellGrid& grid, const CTableLink& link, const char* answer,
                      bool* result = nullptr, std::string* output = nullptr) {
    platform::ScopedConsole console({answer});
    const bool ok = BuildTable(grid, link, nullptr);
    if (result) *result = ok;
    if (output) *output = console.Output();
    const auto ids = d.ModelSpace();
    return ids.empty() ? AcDbObjectId() : ids.back();
}

// A table of rows x cols filled as Grid(rows, cols) with "old" texts.
AcDbObjectId OldTable(TestDrawing& d, int rows, int cols) {
    auto* t = new AcDbTable;
    t->setNumRows(rows);
    t->setNumColumns(cols);
    for (int r = 0; r < rows; ++r) {
        t->setRowHeight(r, 1.0 + r);
        for (int c = 0; c < cols; ++c) t->setTextString(r, c, (L"old " + std::to_wstring(r) + L"," + std::to_wstring(c)).c_str());
    }
    for (int c = 0; c < cols; ++c) t->setColumnWidth(c, 10.0 + c);
    return d.Add(t);
}

void Refill(AcDbObjectId id, const CCellGrid& grid, int startRow, int startCol) {
    CTableLink link;
    link.m_nStartRow = startRow;
    link.m_nStartCol = startCol;
    AcDbTable* t = nullptr;
    ASSERT_EQ(acdbOpenObject(t, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_TRUE(BuildTable(grid, link, t));
    t->close();
}

}  // namespace

TEST(BuildNewTable, SizesColumnsAndRowsFromTheStyle) {
    TestDrawing d;
    d.AddStyle(L"Metric", 2.5, 0.6, 0.6);
    CTableLink link;
    link.m_strTableStyle = L"Metric";
    link.m_arrWidths.Add(20);
    link.m_arrWidths.Add(0);
    link.m_arrWidths.Add(1e-5);
    // Column 3's longest text has 7 characters (the first of equal length counts); column 4
    // is empty.
    const CCellGrid grid = Grid(3, 5, {L"Name", L"B", L"C", L"Kitchen", L"",  //
                                       L"a", L"bb", L"c", L"Cellar", L"",     //
                                       L"a", L"bbb", L"cccc", L"Bedroom", L""});
    const AcDbObjectId id = BuildNew(d, grid, link, "0,0");
    AcDbTable* t = nullptr;
    ASSERT_EQ(acdbOpenObject(t, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(t->numRows(), 3);
    EXPECT_EQ(t->numColumns(), 5);
    EXPECT_DOUBLE_EQ(t->columnWidth(0), 20);                      // custom
    EXPECT_DOUBLE_EQ(t->columnWidth(1), (3 + 3) * 2.5 + 1.2);     // 0: automatic
    EXPECT_DOUBLE_EQ(t->columnWidth(2), (4 + 3) * 2.5 + 1.2);     // 1e-5: automatic too
    EXPECT_DOUBLE_EQ(t->columnWidth(3), 26.2);                    // (7 + 3) x 2.5 + 1.2
    EXPECT_DOUBLE_EQ(t->columnWidth(4), 3 * 2.5 + 1.2);           // empty column
    // Each row is set 2 x 0.6 + 2.5 = 3.7 high, and drawn as high as its line of text needs
    // with the margins (a line takes 4/3 of the text height), as a CAD program draws it.
    for (int r = 0; r < 3; ++r) EXPECT_DOUBLE_EQ(t->rowHeight(r), 2.5 * 4 / 3 + 1.2);
    EXPECT_EQ(Cell(t, 0, 0), L"Name");
    EXPECT_EQ(Cell(t, 2, 3), L"Bedroom");
    EXPECT_TRUE(t->mergedRanges().empty());  // the title row was split into cells
    AcDbObjectId metric;
    AcDbDictionary* dict = nullptr;
    d.db->getTableStyleDictionary(dict, AcDb::kForRead);
    dict->getAt(L"Metric", metric);
    dict->close();
    EXPECT_EQ(t->tableStyle(), metric);
    t->close();
}

TEST(BuildNewTable, MissingStyleCreatesNothing) {
    TestDrawing d;
    CTableLink link;
    link.m_strTableStyle = L"Nope";
    bool ok = true;
    std::string out;
    EXPECT_TRUE(BuildNew(d, Grid(2, 2), link, "0,0", &ok, &out).isNull());
    EXPECT_FALSE(ok);
    EXPECT_EQ(out, "\nFaield to open the table style. Nope");

    // Without a table style dictionary.
    d.db->setTableStyleDictionaryId(AcDbObjectId());
    link.m_strTableStyle = L"Standard";
    EXPECT_TRUE(BuildNew(d, Grid(2, 2), link, "0,0", &ok, &out).isNull());
    EXPECT_FALSE(ok);
    EXPECT_EQ(out, "\nFailed to open the table style dictionary.");
}

TEST(BuildNewTable, CancellingTheInsertionPointLeavesNothing) {
    for (const char* answer : {"^C", ""}) {
        TestDrawing d;
        CTableLink link;
        link.m_strTableStyle = L"Standard";
        bool ok = false;
        std::string out;
        BuildNew(d, Grid(3, 2), link, answer, &ok, &out);
        EXPECT_TRUE(ok) << answer;  // cancelling is no failure of the builder
        EXPECT_TRUE(d.ModelSpace().empty()) << answer;
        EXPECT_NE(out.find("\nSpecify insertion point: "), std::string::npos);
        ads_name ss;
        EXPECT_EQ(acedSSGet(L"X", nullptr, nullptr, nullptr, ss), RTERROR);
        EXPECT_EQ(platform::LiveSelectionSets(), 0u);
    }
}

TEST(BuildNewTable, ALinkThatCannotBeStoredCreatesNothing) {
    TestDrawing d;
    CTableLink link;
    link.m_strTableStyle = L"Standard";
    link.m_strSQL = CString(L'x', 300);
    bool ok = true;
    std::string out;
    EXPECT_TRUE(BuildNew(d, Grid(2, 2), link, "0,0", &ok, &out).isNull());
    EXPECT_FALSE(ok);
    EXPECT_NE(out.find("the SQL text is 300 bytes long"), std::string::npos) << out;
    EXPECT_NE(out.find("\nThe table was not created."), std::string::npos) << out;
    EXPECT_EQ(out.find("Specify insertion point"), std::string::npos);
}

TEST(BuildNewTable, ACustomWidthBeyondWhatADrawingHoldsCreatesNothing) {
    TestDrawing d;
    CTableLink link;
    link.m_strTableStyle = L"Standard";
    link.m_arrWidths.Add(20);
    link.m_arrWidths.Add(1e308);
    bool ok = true;
    std::string out;
    EXPECT_TRUE(BuildNew(d, Grid(2, 2), link, "0,0", &ok, &out).isNull());
    EXPECT_FALSE(ok);
    EXPECT_NE(out.find("\nA column width of 1e+308 is beyond what a drawing holds: the table was not created."), std::string::npos)
        << out;
    EXPECT_EQ(out.find("Specify insertion point"), std::string::npos);
    // The largest width a drawing holds makes a table.
    link.m_arrWidths[1] = 1e100;
    const AcDbObjectId id = BuildNew(d, Grid(2, 2), link, "0,0", &ok, &out);
    ASSERT_FALSE(id.isNull()) << out;
    AcDbTable* t = nullptr;
    ASSERT_EQ(acdbOpenObject(t, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(t->columnWidth(1), 1e100);
    t->close();
}

TEST(BuildNewTable, EndToEndTheTableIsListedWhereItWasPlacedWithItsLink) {
    TestDrawing d;
    CTableLink link;
    link.m_strTableStyle = L"Standard";
    link.m_strConnectDriver = L"Microsoft Access Driver (*.mdb, *.accdb)";
    link.m_strDatabase = L"..\\data\\plant.mdb";
    link.m_strTable = L"Rooms";
    link.m_nRows = 3;
    link.m_nCols = 2;
    const CCellGrid grid = Grid(3, 2, {L"Name", L"Area", L"Kitchen", L"12.5", L"Hall", L"7"});

    auto previous = platform::SetProgressSink([](std::string_view) {});
    bool ok = false;
    std::string out;
    const AcDbObjectId id = BuildNew(d, grid, link, "100,50", &ok, &out);
    platform::SetProgressSink(std::move(previous));
    ASSERT_TRUE(ok);
    ASSERT_FALSE(id.isNull());
    // What was made, and from where.
    EXPECT_EQ(out, "\nSpecify insertion point: 100,50\n\nTable created: 3 rows x 2 columns from Rooms in " + link.m_strDatabase.ToUtf8() + ".");

    platform::ScopedConsole console;
    EXPECT_EQ(platform::ListEntities(d.db.get()), 1);
    const std::string list = console.Output();
    EXPECT_NE(list.find("ACAD_TABLE  Layer: \"0\"  Space: Model space  Handle = "), std::string::npos) << list;
    EXPECT_NE(list.find("  Position: X=100.0000 Y=50.0000 Z=0.0000"), std::string::npos) << list;
    EXPECT_NE(list.find("  Size: 3 rows x 2 columns"), std::string::npos) << list;
    EXPECT_NE(list.find("  Table style: Standard\n"), std::string::npos) << list;
    EXPECT_NE(list.find("  0 | Name    | Area |\n  1 | Kitchen | 12.5 |\n  2 | Hall    | 7    |\n"), std::string::npos) << list;
    EXPECT_NE(list.find("  Xdata \"Database\": (1000) \"..\\data\\plant.mdb\"\n"), std::string::npos) << list;
    EXPECT_NE(list.find("  Xdata \"4E679C82-0FD2-43e8-8D7F-465BF47E479F\": (1070) 1 (1070) 1 (1070) 0 (1070) 0 (1000) \"\" "
                        "(1000) \"\" (1071) 3 (1071) 2\n"),
              std::string::npos)
        << list;

    // And the picked start cell of the placed table is found again.
    platform::ScopedConsole pick({"100.5,49.5"});  // rows are 0.3 high in Standard
    AcDbObjectId picked;
    int row = -1, col = -1;
    EXPECT_TRUE(PickStartCell(picked, row, col));
    EXPECT_EQ(picked, id);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 0);
}

TEST(RefillTable, FitsRowsFromTheStartRowOn) {
    {
        TestDrawing d;  // 10 rows from start row 0 with 6: rows 6 to 9 deleted
        const AcDbObjectId id = OldTable(d, 10, 3);
        Refill(id, Grid(6, 3), 0, 0);
        AcDbTable* t = nullptr;
        acdbOpenObject(t, id, AcDb::kForRead);
        EXPECT_EQ(t->numRows(), 6);
        EXPECT_EQ(Cell(t, 5, 2), L"5,2");
        EXPECT_DOUBLE_EQ(t->rowHeight(5), 6.0);  // heights untouched
        t->close();
    }
    {
        TestDrawing d;  // with 12: 2 inserted as high as the last row, all 12 rewritten
        const AcDbObjectId id = OldTable(d, 10, 3);
        Refill(id, Grid(12, 3), 0, 0);
        AcDbTable* t = nullptr;
        acdbOpenObject(t, id, AcDb::kForRead);
        EXPECT_EQ(t->numRows(), 12);
        for (int r = 0; r < 12; ++r) EXPECT_EQ(Cell(t, r, 0), std::to_wstring(r) + L",0");
        EXPECT_DOUBLE_EQ(t->rowHeight(9), 10.0);
        EXPECT_DOUBLE_EQ(t->rowHeight(10), 10.0);
        t->close();
    }
    {
        TestDrawing d;  // start row 3, 2 rows: rows 5 to 9 deleted, 0 to 2 untouched
        const AcDbObjectId id = OldTable(d, 10, 3);
        Refill(id, Grid(2, 3), 3, 0);
        AcDbTable* t = nullptr;
        acdbOpenObject(t, id, AcDb::kForRead);
        EXPECT_EQ(t->numRows(), 5);
        EXPECT_EQ(Cell(t, 2, 1), L"old 2,1");
        EXPECT_EQ(Cell(t, 3, 1), L"0,1");
        EXPECT_EQ(Cell(t, 4, 1), L"1,1");
        t->close();
    }
}

// Rows added after a last row that its long text made tall start from that row's own height,
// so that they are no taller than their own texts need.
TEST(RefillTable, AddedRowsTakeTheLastRowsLeastHeight) {
    TestDrawing d;
    const AcDbObjectId id = OldTable(d, 3, 1);
    {
        AcDbTable* t = nullptr;
        ASSERT_EQ(acdbOpenObject(t, id, AcDb::kForWrite), Acad::eOk);
        std::wstring words;
        for (int i = 0; i < 200; ++i) words += L"word ";
        t->setTextString(2, 0, words.c_str());
        ASSERT_GT(t->rowHeight(2), 4.0);
        t->close();
    }
    Refill(id, Grid(5, 1), 0, 0);
    AcDbTable* t = nullptr;
    acdbOpenObject(t, id, AcDb::kForRead);
    ASSERT_EQ(t->numRows(), 5);
    for (int r = 2; r < 5; ++r) EXPECT_DOUBLE_EQ(t->rowHeight(r), 3.0) << r;
    t->close();
}

TEST(RefillTable, AddsColumnsWhenNeededButNeverRemovesThem) {
    {
        TestDrawing d;
        const AcDbObjectId id = OldTable(d, 3, 4);
        Refill(id, Grid(3, 2), 0, 0);
        AcDbTable* t = nullptr;
        acdbOpenObject(t, id, AcDb::kForRead);
        EXPECT_EQ(t->numColumns(), 4);
        EXPECT_EQ(Cell(t, 1, 1), L"1,1");
        EXPECT_EQ(Cell(t, 1, 2), L"old 1,2");
        EXPECT_EQ(Cell(t, 2, 3), L"old 2,3");
        t->close();
    }
    {
        TestDrawing d;  // start column 1, 5 columns into 4: 2 inserted as wide as the last
        const AcDbObjectId id = OldTable(d, 2, 4);
        Refill(id, Grid(2, 5), 0, 1);
        AcDbTable* t = nullptr;
        acdbOpenObject(t, id, AcDb::kForRead);
        EXPECT_EQ(t->numColumns(), 6);
        EXPECT_EQ(Cell(t, 0, 0), L"old 0,0");
        EXPECT_EQ(Cell(t, 1, 5), L"1,4");
        EXPECT_DOUBLE_EQ(t->columnWidth(4), 13.0);
        t->close();
    }
}

TEST(PickStartCell, AnswersByWhatLiesUnderThePoint) {
    TestDrawing d;
    const AcDbObjectId id = OldTable(d, 3, 2);  // at the origin: 21 wide, 6 high
    auto* other = new AcDbTable;
    other->setNumRows(1);
    other->setNumColumns(1);
    other->setPosition({200, 0, 0});
    d.Add(other, d.db->paperSpaceId());

    platform::ScopedConsole console({"15,-2.5", "50,50", "201,-0.5", "^C"});
    AcDbObjectId picked;
    int row = -1, col = -1;
    ASSERT_TRUE(PickStartCell(picked, row, col));
    EXPECT_EQ(picked, id);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 1);
    picked.setNull();
    EXPECT_TRUE(PickStartCell(picked, row, col));  // empty space: true with a null id
    EXPECT_TRUE(picked.isNull());
    EXPECT_TRUE(PickStartCell(picked, row, col));  // a table of another layout does not count
    EXPECT_TRUE(picked.isNull());
    EXPECT_FALSE(PickStartCell(picked, row, col));  // cancelled
    EXPECT_EQ(platform::LiveSelectionSets(), 0u);

    TestDrawing empty;
    platform::ScopedConsole noTables({"1,1"});
    EXPECT_FALSE(PickStartCell(picked, row, col));
}

// Filling a table that carries a link asks first; No (the default) leaves table and link as
// they are, Yes empties the old link's data block, so that no old data is left beside the new.
TEST(ReplaceExistingLink, AsksAndClearsTheOldDataBlockOnlyOnYes) {
    TestDrawing d;
    const AcDbObjectId id = OldTable(d, 6, 4);
    CTableLink old;
    old.m_strConnectDriver = L"Microsoft Access Driver (*.mdb)";
    old.m_strDatabase = L"plant.mdb";
    old.m_strTable = L"Pumps";
    old.m_nStartRow = 1;
    old.m_nStartCol = 1;
    old.m_nRows = 3;
    old.m_nCols = 2;
    ASSERT_TRUE(WriteTableLinkById(old, id));
    auto ask = [&](const char* answer, std::string& output) {
        platform::ScopedConsole console({answer});
        AcDbTable* t = nullptr;
        EXPECT_EQ(acdbOpenObject(t, id, AcDb::kForWrite), Acad::eOk);
        const bool go = ReplaceExistingLink(t);
        t->close();
        output = console.Output();
        return go;
    };
    auto cell = [&](int r, int c) {
        AcDbTable* t = nullptr;
        acdbOpenObject(t, id, AcDb::kForRead);
        const std::wstring s = Cell(t, r, c);
        t->close();
        return s;
    };
    std::string said;
    EXPECT_FALSE(ask("", said));
    EXPECT_NE(said.find("This table is linked to Pumps in plant.mdb. Replace its link?"), std::string::npos) << said;
    EXPECT_EQ(cell(2, 2), L"old 2,2");
    EXPECT_FALSE(ask("No", said));
    EXPECT_EQ(cell(1, 1), L"old 1,1");
    EXPECT_TRUE(ask("Yes", said));
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 4; ++c) {
            const bool inBlock = r >= 1 && r <= 3 && c >= 1 && c <= 2;
            EXPECT_EQ(cell(r, c), inBlock ? L"" : L"old " + std::to_wstring(r) + L"," + std::to_wstring(c)) << r << "," << c;
        }
    // A table without a link is filled without a question.
    TestDrawing other;
    const AcDbObjectId plain = OldTable(other, 2, 2);
    platform::ScopedConsole console;
    AcDbTable* t = nullptr;
    ASSERT_EQ(acdbOpenObject(t, plain, AcDb::kForWrite), Acad::eOk);
    EXPECT_TRUE(ReplaceExistingLink(t));
    t->close();
    EXPECT_EQ(console.Output().find("Replace"), std::string::npos);
}
