// DbTable_Create and DbTable_Properties end to end in the process: the dialogs run on the
// console presenter, the table lands in the drawing with its link record.
#include <fstream>

#include "UiFixture.h"
#include "app/VeloCommands.h"
#include "engine/TableLinkIO.h"

using namespace ui_test;

namespace {

class TableCommands : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        Drawing(m_dir / "drawing.dxf");
    }
    std::string Db() const { return m_nwind.ToUtf8(); }
    std::vector<std::string> OpenAndSelect(const std::string& item, std::vector<std::string> more = {}) {
        std::vector<std::string> lines = {"click \"Open Database\"", "set Database \"" + Db() + "\"", "click &OK", "select \"Data Source\" \"" + Db() + "/" + item + "\""};
        lines.insert(lines.end(), more.begin(), more.end());
        return lines;
    }
    std::vector<AcDbObjectId> Tables() {
        std::vector<AcDbObjectId> tables;
        for (AcDbObjectId id : m_drawing.ModelSpace()) {
            AcDbTable* table = nullptr;
            if (acdbOpenObject(table, id, AcDb::kForRead) == Acad::eOk) {
                tables.push_back(id);
                table->close();
            }
        }
        return tables;
    }
    std::wstring Cell(AcDbObjectId id, int row, int col) {
        AcDbTable* table = nullptr;
        acdbOpenObject(table, id, AcDb::kForRead);
        std::wstring text;
        table->textString(row, col, text);
        table->close();
        return text;
    }
    int Rows(AcDbObjectId id) {
        AcDbTable* table = nullptr;
        acdbOpenObject(table, id, AcDb::kForRead);
        const int rows = table->numRows();
        table->close();
        return rows;
    }
    using Items = std::vector<std::wstring>;
    Items Link(AcDbObjectId id) {
        Items all;
        for (const wchar_t* app : {L"Connect_Driver", L"Database", L"Table", L"SQL", L"User", L"Password", kTableLinkLayoutApp}) {
            Items items = XDataOf(id, app);
            all.insert(all.end(), items.begin() + (items.empty() ? 0 : 1), items.end());  // without the 1001 name
        }
        return all;
    }
};

TEST_F(TableCommands, CreatesATableWithHeaderCustomWidthsAndHeadings) {
    std::vector<std::string> lines = OpenAndSelect("Shippers");
    for (const char* line : {"click \"Customize Column Width\"", "dblclick 142 0 1", "set 3456 50", "key Enter", "click OK",
                             "click \"Customize Column Heading\"", "dblclick 142 0 0", "set 3456 Id", "key Enter", "click OK",
                             "click \"Create Table ...\"", "10,10"})
        lines.push_back(line);
    Input(lines);
    DbTable_Create();
    std::vector<AcDbObjectId> tables = Tables();
    ASSERT_EQ(tables.size(), 1u) << Output();
    EXPECT_EQ(Link(tables[0]), (Items{L"1000:" + kOdbc.str(), L"1000:" + m_nwind.str(), L"1000:Shippers", L"1000:", L"1000:", L"1000:",
                                      L"1070:1", L"1070:1", L"1070:0", L"1070:0", L"1000:Id,CompanyName,Phone", L"1000:0,50,0", L"1071:4",
                                      L"1071:3"}));
    EXPECT_EQ(Cell(tables[0], 0, 0), L"Id");
    EXPECT_EQ(Cell(tables[0], 3, 1), L"Federal Shipping");
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Inc Header", 9), 1);
}

TEST_F(TableCommands, CreatesATableFromAView) {
    Input(OpenAndSelect("Ten Most Expensive Products", {"click \"Create Table ...\"", "0,0"}));
    DbTable_Create();
    std::vector<AcDbObjectId> tables = Tables();
    ASSERT_EQ(tables.size(), 1u) << Output();
    Items link = Link(tables[0]);
    EXPECT_EQ(link[2], L"1000:Ten Most Expensive Products");
    EXPECT_EQ(link[3], L"1000:");  // a view is linked by its name
    EXPECT_EQ(link.back(), L"1071:2");
    EXPECT_EQ(Rows(tables[0]), 11);  // the heading and ten products
    EXPECT_EQ(Cell(tables[0], 1, 0), L"C\u00f4te de Blaye");
}

TEST_F(TableCommands, CreatesATableFromANewQueryWithoutHeader) {
    std::vector<std::string> lines = {"click \"Open Database\"", "set Database \"" + Db() + "\"", "click &OK",
                                      "select \"Data Source\" \"" + Db() + "\"", "click \"New Query\"", "set Name Cheap",
                                      "set SQL \"SELECT ProductName, UnitPrice FROM Products WHERE UnitPrice < 5\"", "click OK",
                                      "check \"Include Header\" off", "click \"Create Table ...\"", "0,0"};
    Input(lines);
    DbTable_Create();
    std::vector<AcDbObjectId> tables = Tables();
    ASSERT_EQ(tables.size(), 1u) << Output();
    EXPECT_EQ(Link(tables[0]), (Items{L"1000:" + kOdbc.str(), L"1000:" + m_nwind.str(), L"1000:Cheap",
                                      L"1000:SELECT ProductName, UnitPrice FROM Products WHERE UnitPrice < 5", L"1000:", L"1000:", L"1070:1",
                                      L"1070:0", L"1070:0", L"1070:0", L"1000:", L"1000:", L"1071:2", L"1071:2"}));  // no custom headings
    EXPECT_EQ(Rows(tables[0]), 2);
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Inc Header", 9), 0);

    // A query without records and without header: nothing is handed to the builder.
    Input({"select \"Data Source\" \"" + Db() + "\"", "click \"New Query\"", "set Name None", "set SQL \"SELECT * FROM Products WHERE 1 = 0\"",
           "click OK", "click \"Create Table ...\""});
    DbTable_Create();
    EXPECT_TRUE(Printed("\nThe selected table or query has no records; no table was created.")) << Output();
    EXPECT_EQ(Tables().size(), 1u);
}

// A parameter query needs its values: the query dialog gives them in its SQL (EXEC), and the
// link keeps that SQL, so every refresh runs the query with the same values. Orders 10350 and
// 10361 were shipped on 3 January 1995, as mdb-export gives the orders.
TEST_F(TableCommands, CreatesATableFromAParameterQueryWithTheValuesItsSqlGives) {
    const std::string sql = "EXEC [Employee Sales by Country] [Ending Date] = #1/3/95#, [Beginning Date] = #1/3/95#";
    std::vector<std::string> lines = {"click \"Open Database\"", "set Database \"" + Db() + "\"", "click &OK",
                                      "select \"Data Source\" \"" + Db() + "\"", "click \"New Query\"", "set Name Shipped",
                                      "set SQL \"" + sql + "\"", "click OK", "check \"Include Header\" off", "click \"Create Table ...\"", "0,0"};
    Input(lines);
    DbTable_Create();
    std::vector<AcDbObjectId> tables = Tables();
    ASSERT_EQ(tables.size(), 1u) << Output();
    EXPECT_EQ(Link(tables[0])[3], CString::FromUtf8("1000:" + sql));
    ASSERT_EQ(Rows(tables[0]), 2);
    std::vector<std::wstring> orders = {Cell(tables[0], 0, 4), Cell(tables[0], 1, 4)};
    std::sort(orders.begin(), orders.end());
    EXPECT_EQ(orders, (std::vector<std::wstring>{L"10350", L"10361"}));

    // Without the values, the query is not added, and the message names what it needs.
    Input({"select \"Data Source\" \"" + Db() + "\"", "click \"New Query\"", "set Name NoValues", "set SQL \"SELECT * FROM [Invoices Filter]\"",
           "click OK", "click Cancel"});
    DbTable_Create();
    EXPECT_TRUE(Printed("Too few parameters. Expected 1: [Forms!Orders!OrderID].")) << Output();
    EXPECT_EQ(Tables().size(), 1u);
}

TEST_F(TableCommands, FillsAnExistingTableFromThePickedCellAndReopensLinkedDatabases) {
    Input(OpenAndSelect("Shippers", {"click \"Create Table ...\"", "0,0"}));
    DbTable_Create();
    ASSERT_EQ(Tables().size(), 1u);
    AcDbObjectId target = Tables()[0];
    AcDbTable* table = nullptr;
    acdbOpenObject(table, target, AcDb::kForRead);
    const AcGePoint3d origin = table->position();
    const double x = origin.x + table->columnWidth(0) + table->columnWidth(1) / 2;
    const double y = origin.y - table->rowHeight(0) - table->rowHeight(1) / 2;
    table->close();

    CloseAllDatabases();
    const std::string point = std::to_string(x) + "," + std::to_string(y);
    // The table carries a link: Enter keeps it, and nothing is filled.
    Input({"check 130", "show", "select \"Data Source\" \"" + Db() + "/Categories\"", "click \"Insert ...\"", point, ""});
    DbTable_Create();
    EXPECT_TRUE(Printed("[105] button \"Insert ...\"")) << Output();
    EXPECT_EQ(GetOpenDatabases().GetSize(), 1);  // opened from the drawing's link
    EXPECT_TRUE(Printed("\nThis table is linked to Shippers in " + Db() + ". Replace its link?")) << Output();
    EXPECT_EQ(Link(target)[2], L"1000:Shippers");
    EXPECT_EQ(Cell(target, 1, 2), L"(503) 555-9831");

    Input({"check 130", "select \"Data Source\" \"" + Db() + "/Categories\"", "click \"Insert ...\"", point, "Yes"});
    DbTable_Create();
    ASSERT_EQ(Tables().size(), 1u);
    Items link = Link(target);
    EXPECT_EQ(link[2], L"1000:Categories") << Output();
    EXPECT_EQ(link[8], L"1070:1");  // start row
    EXPECT_EQ(link[9], L"1070:1");  // start column
    EXPECT_EQ(Cell(target, 1, 2), L"CategoryName");
    // The old link's data block is emptied where the new one does not cover it.
    EXPECT_EQ(Cell(target, 0, 0), L"");
    EXPECT_EQ(Cell(target, 1, 0), L"");
}

TEST_F(TableCommands, PropertiesWriteOnlyRealChanges) {
    AcDbObjectId line = m_drawing.Add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 5, 0)));
    Input({"2.5,2.5"});
    DbTable_Properties();
    EXPECT_TRUE(Printed("\nFailed to read the information of the database table.")) << Output();

    Input(OpenAndSelect("Shippers", {"click \"Create Table ...\"", "0,0"}));
    DbTable_Create();
    ASSERT_EQ(Tables().size(), 1u);
    AcDbObjectId id = Tables()[0];
    const std::string pick = "#" + CString(id.handle().text()).ToUtf8();

    std::string upper = Db();
    for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    Input({pick, "set Database \"" + upper + "\"", "check \"Update Table\"", "click OK"});
    DbTable_Properties();
    EXPECT_EQ(Link(id)[1], L"1000:" + m_nwind.str());  // only the case changed: nothing written

    Input({pick, "set SQL \"SELECT ShipperID FROM Shippers\"", "click OK"});
    DbTable_Properties();
    EXPECT_EQ(Link(id)[3], L"1000:SELECT ShipperID FROM Shippers");
    EXPECT_EQ(Cell(id, 1, 1), L"Speedy Express");  // not refreshed

    Input({pick, "set SQL \"SELECT CompanyName FROM Shippers\"", "check \"Update Table\"", "click OK"});
    DbTable_Properties();
    EXPECT_EQ(Cell(id, 1, 0), L"Speedy Express");  // refreshed from the new SQL

    Input({pick, "set Database /gone/nwind.mdb", "click OK"});
    DbTable_Properties();
    EXPECT_TRUE(Printed("Cannot find the specified database.")) << Output();

    // A file that is there but no database: the edited link stays written, the cells stay.
    const std::string bad = m_dir / "bad.mdb";
    { std::ofstream(bad) << "not a database"; }
    Input({pick, "set Database \"" + bad + "\"", "check \"Update Table\"", "click OK"});
    DbTable_Properties();
    EXPECT_TRUE(Printed("\nFailed to open database " + bad + ".")) << Output();
    EXPECT_EQ(Link(id)[1], L"1000:" + CString::FromUtf8(bad).str());
    EXPECT_EQ(Cell(id, 1, 0), L"Speedy Express");
    (void)line;
}

// Another source keeps only the custom headings and widths that still fit its columns.
TEST_F(TableCommands, AnotherSourceClearsTheHeadingsAndWidthsThatNoLongerFit) {
    Input(OpenAndSelect("Shippers", {"click \"Create Table ...\"", "0,0"}));
    DbTable_Create();
    ASSERT_EQ(Tables().size(), 1u);
    const AcDbObjectId id = Tables()[0];
    const std::string pick = "#" + CString(id.handle().text()).ToUtf8();
    auto customize = [&] {
        CTableLink link;
        ASSERT_TRUE(ReadTableLinkById(link, id));
        link.m_arrHeadings.RemoveAll();
        for (const wchar_t* heading : {L"No.", L"Carrier", L"Telephone"}) link.m_arrHeadings.Add(heading);
        link.m_arrWidths.RemoveAll();
        for (double width : {1.0, 4.0, 2.5}) link.m_arrWidths.Add(width);
        ASSERT_TRUE(WriteTableLinkById(link, id));
    };
    auto layout = [&] {
        CTableLink link;
        EXPECT_TRUE(ReadTableLinkById(link, id));
        return std::make_pair(link.m_arrHeadings.GetSize(), link.m_arrWidths.GetSize());
    };

    // The same columns from an SQL text: both stay, and nothing is said.
    customize();
    Input({pick, "set SQL SELECT * FROM Shippers", "check \"Update Table\"", "click OK"});
    DbTable_Properties();
    EXPECT_EQ(layout(), std::make_pair(INT_PTR{3}, INT_PTR{3}));
    EXPECT_EQ(Cell(id, 0, 1), L"Carrier");
    EXPECT_FALSE(Printed("other columns")) << Output();

    // As many columns, but others: the headings go, the widths stay.
    Input({pick, "set SQL SELECT Phone, CompanyName, ShipperID FROM Shippers", "check \"Update Table\"", "click OK"});
    DbTable_Properties();
    EXPECT_EQ(layout(), std::make_pair(INT_PTR{0}, INT_PTR{3}));
    EXPECT_TRUE(Printed("\nThe new source has other columns: the table's custom column headings were cleared.")) << Output();
    EXPECT_EQ(Cell(id, 0, 0), L"Phone");

    // Another table with more columns: both go.
    customize();
    Input({pick, "set SQL \"\"", "set Table/View Categories", "check \"Update Table\"", "click OK"});
    DbTable_Properties();
    EXPECT_EQ(layout(), std::make_pair(INT_PTR{0}, INT_PTR{0}));
    EXPECT_TRUE(Printed("the table's custom column headings and widths were cleared.")) << Output();
    EXPECT_EQ(Cell(id, 0, 1), L"CategoryName");
}

}  // namespace
