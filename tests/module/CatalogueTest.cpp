// The catalogue over the real files: the open database list, the record fetch into a cell
// grid, connect strings and database locations, and the preview tool.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "provider/ConnectString.h"
#include "testing/TempDir.h"
#include "editor/Console.h"
#include "runtime/DocManager.h"
#include "text/Utf8.h"
#include "app/PreviewCommand.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/DatabasePtrArray.h"
#include "catalogue/Location.h"
#include "types/CellGrid.h"
#include "types/TableLink.h"

namespace {

const CString kOdbc = L"Microsoft Access Driver (*.mdb, *.accdb)";
const CString kAce = L"Microsoft.ACE.OLEDB.12.0";
const CString kData = CString::FromUtf8(VELLORIA_TEST_DATA);
const CString kNwind = kData + L"/nwind.mdb";
const CString kSample = kData + L"/ASampleDatabase.accdb";

// A current drawing for the duration of a test.
class CurrentDrawing {
public:
    explicit CurrentDrawing(const CString& path) {
        m_document = acDocManagerPtr()->addDocument(std::make_unique<AcApDocument>(nullptr, path));
    }
    ~CurrentDrawing() { acDocManagerPtr()->closeDocument(m_document); }

private:
    AcApDocument* m_document;
};

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("LC_ALL", "C", 1);
        InitConnectStringTable();
    }
    void TearDown() override {
        CloseAllDatabases();
        ::unsetenv("LC_ALL");
    }
    CMyDatabase* Nwind() {
        CDatabasePtrArray& list = GetOpenDatabases();
        list.AddDatabase(kOdbc, kNwind, L"", L"");
        return list.FindDatabase(kNwind);
    }
    platform::ScopedConsole m_console;
};

}  // namespace

TEST_F(Catalogue, EveryValueOfAConnectStringIsReadBackAsItWasGiven) {
    const wchar_t* const values[] = {L"plain", L"ab;cd=SECRETTAIL", L"}", L"{x}", L"a}}b", L" edge ", L"say \"hi\"", L"it's", L"=;=", L""};
    for (const wchar_t* driver : {kOdbc, kAce}) {
        for (const wchar_t* value : values) {
            CMyDatabase db;
            db.m_strDriver = driver;
            db.m_strDatabase = CString(L"/data/") + value + L".mdb";
            db.m_strUser = value;
            db.m_strPassword = value;
            const auto pairs = platform::provider::ParseConnectString(db.GetConnectString().str());
            std::map<std::wstring, std::wstring> read(pairs.begin(), pairs.end());
            SCOPED_TRACE(db.GetConnectString().ToUtf8());
            if (CString(driver) == kOdbc) {
                EXPECT_EQ(pairs.size(), 4u);
                EXPECT_EQ(read[L"Uid"], value);
                EXPECT_EQ(read[L"Pwd"], value);
                EXPECT_EQ(read[L"Dbq"], db.m_strDatabase.str());
            } else {
                EXPECT_EQ(pairs.size(), 3u);
                EXPECT_EQ(read[L"Data Source"], db.m_strDatabase.str());
            }
        }
    }
}

TEST_F(Catalogue, ConnectStringsOfTheTwoDrivers) {
    CMyDatabase db;
    db.m_strDriver = kOdbc;
    db.m_strDatabase = L"C:\\db\\parts.mdb";
    db.m_strUser = L"admin";
    EXPECT_EQ(db.GetConnectString(), L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=C:\\db\\parts.mdb;Uid=admin;Pwd=;");
    // A value that would end early or add a key of its own is quoted as the driver reads it.
    db.m_strPassword = L"a;b}c";
    EXPECT_EQ(db.GetConnectString(), L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=C:\\db\\parts.mdb;Uid=admin;Pwd={a;b}}c};");
    db.m_strPassword = L"ab;cd=SECRETTAIL";
    EXPECT_EQ(db.GetConnectString(), L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=C:\\db\\parts.mdb;Uid=admin;Pwd={ab;cd=SECRETTAIL};");
    db.m_strDriver = kAce;
    EXPECT_EQ(db.GetConnectString(), L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=C:\\db\\parts.mdb;Persist Security Info=False;");
    db.m_strDriver = L"Microsoft Access Driver (*.mdb)";
    EXPECT_EQ(db.GetConnectString(), L"");
    // The two Access rows lead the list, in their old order, so a stored index keeps its row.
    CStringArray names;
    GetDriverNames(names);
    ASSERT_GE(names.GetSize(), 2);
    EXPECT_EQ(names[0], kOdbc);
    EXPECT_EQ(names[1], kAce);
    for (const wchar_t* windowsName : {L"SQL Server", L"ODBC Driver 17 for SQL Server", L"ODBC Driver 18 for SQL Server", L"PostgreSQL Unicode",
                                       L"PostgreSQL ANSI", L"MySQL ODBC 8.0 Unicode Driver", L"MariaDB ODBC 3.1 Driver", L"SQLite3 ODBC Driver",
                                       L"ODBC Data Source"})
        EXPECT_NE(FindDriverRow(windowsName), nullptr) << CString(windowsName).ToUtf8();
    for (INT_PTR i = 3; i < names.GetSize(); ++i) EXPECT_LT(names[i - 1], names[i]);
}

// The rows beyond Access: a server's location becomes its parts, each value quoted as ODBC
// reads it, and what is empty is left to the driver, the data source or ~/.pgpass.
TEST_F(Catalogue, ConnectStringsOfServersFilesAndDataSources) {
    InitConnectStringTable();
    testing_support::ScopedEnv noPassword("VELLORIA_PASSWORD", std::nullopt);
    const CString postgres = BuildConnectString(L"PostgreSQL Unicode", L"DB1:5433/plant", L"bob", L"p;w}x");
    const auto pairs = platform::provider::ParseConnectString(postgres.str());
    ASSERT_EQ(pairs.size(), 6u) << postgres.ToUtf8();
    EXPECT_EQ(pairs[1].second, L"db1");
    EXPECT_EQ(pairs[2].second, L"5433");
    EXPECT_EQ(pairs[3].second, L"plant");
    EXPECT_EQ(pairs[5], std::make_pair(std::wstring(L"Pwd"), std::wstring(L"p;w}x")));
    // No port, no user, no password: those parts are left out.
    const CString bare = BuildConnectString(L"PostgreSQL Unicode", L"db1/plant", L"", L"");
    EXPECT_EQ(bare.Find(L"Port="), -1) << bare.ToUtf8();
    EXPECT_EQ(bare.Find(L"Uid="), -1) << bare.ToUtf8();
    EXPECT_EQ(bare.Find(L"Pwd="), -1) << bare.ToUtf8();
    {
        testing_support::ScopedEnv fromEnvironment("VELLORIA_PASSWORD", std::string("env;pw"));
        EXPECT_NE(BuildConnectString(L"PostgreSQL Unicode", L"db1/plant", L"bob", L"").Find(L"Pwd={env;pw};"), -1);
        // Only a server takes it: a data source keeps its own.
        EXPECT_EQ(BuildConnectString(L"ODBC Data Source", L"Warehouse", L"bob", L"").Find(L"Pwd"), -1);
    }
    EXPECT_EQ(BuildConnectString(L"ODBC Data Source", L"Ware;house", L"", L""), L"DSN={Ware;house};");
    EXPECT_EQ(BuildConnectString(L"PostgreSQL Unicode", L"no database here", L"", L""), L"");
    const CString sqlite = BuildConnectString(L"SQLite3 ODBC Driver", L"/srv/data/parts.db", L"", L"");
    EXPECT_NE(sqlite.Find(L";Database=/srv/data/parts.db;NoCreat=1;"), -1) << sqlite.ToUtf8();
    // A location is a file only for file drivers.
    EXPECT_EQ(GetLocationKind(L"SQL Server"), CLocationKind::Server);
    EXPECT_EQ(GetLocationKind(L"ODBC Data Source"), CLocationKind::DataSource);
    EXPECT_EQ(GetLocationKind(L"SQLite3 ODBC Driver"), CLocationKind::File);
    EXPECT_EQ(GetLocationKind(kAce), CLocationKind::File);
}

TEST(Location, ResolveAgainstTheDrawingsFolder) {
    const struct {
        const wchar_t *base, *location, *resolved;
    } rows[] = {
        {L"D:\\proj\\plan.dwg", L"..\\data\\parts.mdb", L"D:\\data\\parts.mdb"},
        {L"D:\\proj\\plan.dwg", L"parts.mdb", L"D:\\proj\\parts.mdb"},
        {L"D:\\proj\\plan.dwg", L".\\sub\\.\\parts.mdb", L"D:\\proj\\sub\\parts.mdb"},
        {L"D:\\proj\\plan.dwg", L"..\\..\\..\\parts.mdb", L"D:\\parts.mdb"},
        {L"D:\\proj\\plan.dwg", L"C:\\db\\..\\parts.mdb", L"C:\\db\\..\\parts.mdb"},  // absolute: unchanged
        {L"D:\\proj\\plan.dwg", L"\\share\\parts.mdb", L"\\share\\parts.mdb"},
        {L"/home/ann/plan.dxf", L"..\\data\\parts.mdb", L"/home/data/parts.mdb"},
        {L"/home/ann/plan.dxf", L"/srv/parts.mdb", L"/srv/parts.mdb"},
        {L"", L"parts.mdb", L"parts.mdb"},  // a drawing never saved
    };
    for (const auto& row : rows) EXPECT_EQ(ResolveRelativePath(row.base, row.location), CString(row.resolved)) << CString(row.location).ToUtf8();
    // Past the 260-character limit nothing is resolved: the location as it stands would name
    // a file beside the current folder, another database.
    const CString deep = CString(L"D:\\") + CString(L'x', 250) + L"\\plan.dwg";
    EXPECT_EQ(ResolveRelativePath(deep, L"parts-of-a-long-name.mdb"), L"");
    CString resolved = L"unchanged";
    EXPECT_FALSE(TryResolveRelativePath(deep, L"parts-of-a-long-name.mdb", resolved));
    EXPECT_EQ(resolved, L"");
    EXPECT_TRUE(TryResolveRelativePath(L"D:\\proj\\plan.dwg", L"parts.mdb", resolved));
    EXPECT_EQ(resolved, L"D:\\proj\\parts.mdb");
}

TEST(Location, MakeRelative) {
    EXPECT_EQ(MakeRelativePath(L"D:\\proj\\plan.dwg", L"D:\\proj\\parts.mdb"), L".\\parts.mdb");
    EXPECT_EQ(MakeRelativePath(L"D:\\proj\\plan.dwg", L"D:\\data\\parts.mdb"), L"..\\data\\parts.mdb");
    EXPECT_EQ(MakeRelativePath(L"d:\\Proj\\plan.dwg", L"D:\\proj\\sub\\parts.mdb"), L".\\sub\\parts.mdb");
    EXPECT_EQ(MakeRelativePath(L"D:\\proj\\plan.dwg", L"C:\\data\\parts.mdb"), L"C:\\data\\parts.mdb");
    EXPECT_EQ(MakeRelativePath(L"/home/ann/plan.dxf", L"/home/ann/db/parts.mdb"), L".\\db\\parts.mdb");
    // Made relative and resolved again, a location comes back as it was.
    EXPECT_EQ(ResolveRelativePath(L"D:\\proj\\plan.dwg", MakeRelativePath(L"D:\\proj\\plan.dwg", L"D:\\data\\parts.mdb")), L"D:\\data\\parts.mdb");
}

TEST(Location, SameLocation) {
    CurrentDrawing drawing(L"D:\\proj\\plan.dwg");
    EXPECT_TRUE(IsSameLocation(L"D:\\Proj\\Parts.MDB", L"d:\\proj\\parts.mdb"));
    EXPECT_FALSE(IsSameLocation(L"D:\\proj\\..\\proj\\parts.mdb", L"D:\\proj\\parts.mdb"));
    EXPECT_FALSE(IsSameLocation(L"D:/proj/parts.mdb", L"D:\\proj\\parts.mdb"));
    EXPECT_TRUE(IsSameLocation(L"parts.mdb", L"D:\\PROJ\\parts.mdb"));
    EXPECT_TRUE(IsSameLocation(L"..\\proj\\parts.mdb", L".\\parts.mdb"));
    CurrentDrawing other(L"E:\\elsewhere\\site.dwg");  // now current
    EXPECT_FALSE(IsSameLocation(L"parts.mdb", L"D:\\proj\\parts.mdb"));
}

TEST_F(Catalogue, OpenListsTablesInSchemaOrder) {
    CDatabasePtrArray& list = GetOpenDatabases();
    ASSERT_TRUE(list.AddDatabase(kOdbc, kNwind, L"", L""));
    ASSERT_EQ(list.GetSize(), 1);
    CMyDatabase* db = list[0];
    CStringArray names;
    int views = 0;
    for (CMyDbTable* table : db->Tables()) {
        // The tables, then the saved queries that are views.
        EXPECT_EQ(table->m_nKind, names.GetSize() < 9 ? 0 : 1);
        views += table->m_nKind == 1;
        EXPECT_EQ(table->m_pDatabase, db);
        EXPECT_TRUE(table->m_strSQL.IsEmpty());
        names.Add(table->m_strName);
    }
    const wchar_t* expected[] = {L"Categories", L"Customers", L"Employees", L"Order Details", L"Orders", L"Products", L"Shippers", L"Suppliers", L"Umsätze"};
    // 17 select queries, a union, a crosstab and three parameter queries.
    ASSERT_EQ(names.GetSize(), 9 + 22);
    EXPECT_EQ(views, 22);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(names[i], expected[i]);
    EXPECT_EQ(names[9], L"Alphabetical List of Products");

    // The same file in another letter case is already there; nothing is added.
    CString upper = kNwind;
    upper.MakeUpper();
    EXPECT_EQ(list.FindDatabase(upper), db);
    EXPECT_FALSE(list.AddDatabase(kOdbc, upper, L"", L""));
    EXPECT_FALSE(list.AddDatabase(L"", kSample, L"", L""));
    EXPECT_EQ(list.GetSize(), 1);

    CStringArray appended;
    appended.Add(L"first");
    list.GetTableNames(kNwind, appended);
    ASSERT_EQ(appended.GetSize(), 1 + 9 + 22);
    EXPECT_EQ(appended[0], L"first");
    EXPECT_EQ(appended[4], L"Order Details");

    // A database that cannot be opened is not added; its alert is shown.
    EXPECT_FALSE(list.AddDatabase(kAce, kData + L"/missing.accdb", L"", L""));
    EXPECT_EQ(list.GetSize(), 1);
    EXPECT_NE(m_console.Output().find("Could not find file"), std::string::npos);

    ASSERT_TRUE(list.AddDatabase(kAce, kSample, L"", L""));
    ASSERT_EQ(list[1]->Tables().GetSize(), 4);
    EXPECT_EQ(list[1]->Tables()[0]->m_strName, L"Asset Items");
    EXPECT_EQ(list[1]->Tables()[1]->m_strName, L"qryComputerHardwareInOwnerOrder");
    EXPECT_EQ(list[1]->Tables()[3]->m_nKind, 1);
}

TEST_F(Catalogue, ReadRecordsOfASavedQuery) {
    CMyDatabase* db = Nwind();
    ASSERT_NE(db, nullptr);
    CTableLink link;
    link.m_strTable = L"Ten Most Expensive Products";
    link.m_bIncludeHeader = 1;
    CCellGrid grid;
    ASSERT_TRUE(db->ReadRecords(link, grid));
    EXPECT_EQ(link.m_strSQL, L"SELECT * FROM `Ten Most Expensive Products`");
    EXPECT_EQ(grid.GetRows(), 11);
    EXPECT_EQ(grid.GetCols(), 2);
    EXPECT_EQ(grid.GetCell(0, 0), L"TenMostExpensiveProducts");
    EXPECT_EQ(grid.GetCell(1, 0), L"Côte de Blaye");
    // The price is written as the table's own currency column is.
    CTableLink direct;
    direct.m_bIncludeHeader = 0;
    direct.m_strSQL = L"SELECT UnitPrice FROM Products WHERE ProductName = 'côte de blaye'";
    CCellGrid price;
    ASSERT_TRUE(db->ReadRecords(direct, price));
    EXPECT_EQ(grid.GetCell(1, 1).ToUtf8(), price.GetCell(0, 0).ToUtf8());
}

TEST_F(Catalogue, ReadRecordsOfATableWithABlankInItsName) {
    CMyDatabase* db = Nwind();
    ASSERT_NE(db, nullptr);
    CTableLink link;
    link.m_strTable = L"Order Details";
    link.m_bIncludeHeader = 1;
    CCellGrid grid;
    ASSERT_TRUE(db->ReadRecords(link, grid));
    EXPECT_EQ(link.m_strSQL, L"SELECT * FROM `Order Details`");
    EXPECT_EQ(grid.GetRows(), 2156);
    EXPECT_EQ(grid.GetCols(), 5);
    EXPECT_EQ(link.m_nRows, 2156);
    EXPECT_EQ(link.m_nCols, 5);
    EXPECT_EQ(grid.GetCell(0, 0), L"OrderID");
    EXPECT_EQ(grid.GetCell(0, 4), L"Discount");
    // The first stored row: 10248, 11, 14.0000, 12, 0.
    EXPECT_EQ(grid.GetCell(1, 0), L"10248");
    EXPECT_EQ(grid.GetCell(1, 2), L"14.00");  // currency through the (C) locale format
    EXPECT_EQ(grid.GetCell(1, 3), L"12");
    EXPECT_EQ(grid.GetCell(1, 4), L"0");
}

TEST_F(Catalogue, ReadRecordsOfAQueryWithHeadingsNullsDatesAndBinary) {
    CMyDatabase* db = Nwind();
    ASSERT_NE(db, nullptr);
    CTableLink link;
    link.m_strTable = L"Not consulted";
    link.m_strSQL = L"SELECT OrderID, OrderDate, ShipRegion, ShipCity FROM Umsätze WHERE OrderID IN (10330, 10331, 10332) ORDER BY OrderID";
    link.m_arrHeadings.Add(L"Order");
    link.m_arrHeadings.Add(L"Date");
    CCellGrid grid;
    ASSERT_TRUE(db->ReadRecords(link, grid));
    EXPECT_EQ(grid.GetRows(), 4);
    EXPECT_EQ(grid.GetCols(), 4);
    EXPECT_EQ(grid.GetCell(0, 0), L"Order");
    EXPECT_EQ(grid.GetCell(0, 1), L"Date");
    EXPECT_EQ(grid.GetCell(0, 2), L"ShipRegion");
    EXPECT_EQ(grid.GetCell(0, 3), L"ShipCity");
    EXPECT_EQ(grid.GetCell(1, 1), L"1994-11-16 00:00:00");
    EXPECT_EQ(grid.GetCell(1, 2), L"Lara");
    EXPECT_EQ(grid.GetCell(2, 2), L"");  // NULL
    EXPECT_EQ(grid.GetCell(3, 2), L"Québec");
    EXPECT_EQ(grid.GetCell(3, 3), L"Montréal");

    link.m_bIncludeHeader = 0;
    ASSERT_TRUE(db->ReadRecords(link, grid));
    EXPECT_EQ(grid.GetRows(), 3);
    EXPECT_EQ(link.m_nRows, 3);
    EXPECT_EQ(grid.GetCell(0, 0), L"10330");

    // Binary values give empty cells; text beside them is kept.
    CTableLink pictures;
    pictures.m_bIncludeHeader = 0;
    pictures.m_strSQL = L"SELECT CategoryName, Picture FROM Categories ORDER BY CategoryID";
    ASSERT_TRUE(db->ReadRecords(pictures, grid));
    EXPECT_EQ(grid.GetCell(0, 0), L"Beverages");
    EXPECT_EQ(grid.GetCell(0, 1), L"");
}

TEST_F(Catalogue, ReadRecordsGroupedAndEmpty) {
    CMyDatabase* db = Nwind();
    ASSERT_NE(db, nullptr);
    CTableLink link;
    link.m_bIncludeHeader = 1;
    link.m_strSQL = L"SELECT s.Country, COUNT(*) AS Products, AVG(p.UnitPrice) AS Average FROM Products p JOIN Suppliers s ON p.SupplierID = s.SupplierID "
                    L"GROUP BY s.Country ORDER BY COUNT(*) DESC, s.Country";
    CCellGrid grid;
    ASSERT_TRUE(db->ReadRecords(link, grid));
    EXPECT_EQ(grid.GetCell(0, 1), L"Products");
    EXPECT_EQ(grid.GetCell(1, 0), L"USA");
    EXPECT_EQ(grid.GetCell(1, 1), L"12");

    // No records: false, and the grid and the link's counts stay as they were.
    CTableLink empty;
    empty.m_strSQL = L"SELECT * FROM Orders WHERE OrderID < 0";
    empty.m_nRows = 7;
    EXPECT_FALSE(db->ReadRecords(empty, grid));
    EXPECT_EQ(empty.m_nRows, 7);
    EXPECT_EQ(grid.GetCell(1, 0), L"USA");

    // A backquote in a table name is doubled: the name stays one name, which the recordset
    // reports as a table that is not there, whatever SQL it holds.
    CTableLink odd;
    odd.m_strTable = L"Order`s";
    EXPECT_FALSE(db->ReadRecords(odd, grid));
    EXPECT_EQ(odd.m_strSQL, L"SELECT * FROM `Order``s`");
    EXPECT_NE(m_console.Output().find("Query = SELECT * FROM `Order``s`"), std::string::npos);
    EXPECT_NE(m_console.Output().find("cannot find the input table or query 'Order`s'"), std::string::npos) << m_console.Output();
    CTableLink injected;
    injected.m_strTable = L"Shippers` UNION SELECT 1,2,3 FROM `Shippers";
    EXPECT_FALSE(db->ReadRecords(injected, grid));
    EXPECT_NE(m_console.Output().find("cannot find the input table or query 'Shippers` UNION SELECT 1,2,3 FROM `Shippers'"), std::string::npos)
        << m_console.Output();
    EXPECT_EQ(grid.GetCell(1, 0), L"USA");
}

TEST_F(Catalogue, RelativeLocationsResolveAgainstTheCurrentDrawing) {
    CurrentDrawing drawing(kData + L"/plan.dxf");
    CDatabasePtrArray& list = GetOpenDatabases();
    ASSERT_TRUE(list.AddDatabase(kAce, L".\\ASampleDatabase.accdb", L"", L""));
    EXPECT_EQ(list[0]->m_Database.GetConnectionString(),
              L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + kData + L"/ASampleDatabase.accdb;Persist Security Info=False;");
    EXPECT_EQ(list.FindDatabase(kSample), list[0]);
}

namespace {

// Runs the preview tool with its standard output and error captured.
int RunPreview(std::vector<std::string> args, std::string& out, std::string& err) {
    std::vector<char*> argv;
    args.insert(args.begin(), "preview");
    for (auto& a : args) argv.push_back(a.data());
    std::fflush(stdout);
    std::fflush(stderr);
    char outPath[] = "/tmp/velloria-preview-out-XXXXXX", errPath[] = "/tmp/velloria-preview-err-XXXXXX";
    const int outFd = ::mkstemp(outPath), errFd = ::mkstemp(errPath);
    const int savedOut = ::dup(1), savedErr = ::dup(2);
    ::dup2(outFd, 1);
    ::dup2(errFd, 2);
    const int status = velloriaPreview(static_cast<int>(argv.size()), argv.data());
    std::fflush(stdout);
    std::fflush(stderr);
    ::dup2(savedOut, 1);
    ::dup2(savedErr, 2);
    ::close(savedOut);
    ::close(savedErr);
    auto slurp = [](const char* path) {
        std::string text;
        if (FILE* f = std::fopen(path, "rb")) {
            char buffer[4096];
            size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
            std::fclose(f);
        }
        ::unlink(path);
        return text;
    };
    ::close(outFd);
    ::close(errFd);
    out = slurp(outPath);
    err = slurp(errPath);
    return status;
}

}  // namespace

TEST_F(Catalogue, PreviewPrintsTheGrid) {
    std::string out, err;
    EXPECT_EQ(RunPreview({kNwind.ToUtf8(), "--sql", "SELECT ShipperID, CompanyName FROM Shippers ORDER BY ShipperID", "--header"}, out, err), 0);
    EXPECT_EQ(out, "ShipperID\tCompanyName\n1\tSpeedy Express\n2\tUnited Package\n3\tFederal Shipping\n");
    EXPECT_EQ(err, "");

    EXPECT_EQ(RunPreview({kSample.ToUtf8(), "--table", "Asset Items", "--driver", "Microsoft.ACE.OLEDB.12.0"}, out, err), 0);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 65);

    EXPECT_NE(RunPreview({kNwind.ToUtf8(), "--table", "Nowhere"}, out, err), 0);
    EXPECT_EQ(out, "");
    // One plain line, the reason first; the nearest names offered (here none is near).
    EXPECT_EQ(err, "velloria preview: no table or query Nowhere in " + kNwind.ToUtf8() + "\n");
    EXPECT_NE(RunPreview({kNwind.ToUtf8(), "--table", "Ordres"}, out, err), 0);
    EXPECT_EQ(err, "velloria preview: no table or query Ordres in " + kNwind.ToUtf8() + "; did you mean Orders?\n");

    EXPECT_EQ(RunPreview({kNwind.ToUtf8()}, out, err), 2);  // neither --table nor --sql
    EXPECT_NE(err.find("usage:"), std::string::npos);
    EXPECT_EQ(RunPreview({kNwind.ToUtf8(), "--table", "Orders", "--driver", "Paradox"}, out, err), 2);
    EXPECT_NE(RunPreview({(kData + L"/missing.mdb").ToUtf8(), "--table", "Orders"}, out, err), 0);
    EXPECT_NE(err.find("Could not find file"), std::string::npos);
}

// Between the drawings of one run a database stays open while its file is the one it read,
// and answers for the file it was opened from, not for the text the first drawing stored.
TEST_F(Catalogue, ADatabaseIsKeptForTheNextDrawingWhileItsFileIsUnchanged) {
    char pattern[] = "/tmp/velloria-keep-XXXXXX";
    ASSERT_TRUE(::mkdtemp(pattern));
    const std::string folder = pattern;
    ASSERT_EQ(std::system(("cp '" + platform::ToUtf8(kNwind.str()) + "' '" + folder + "/nwind.mdb' && mkdir '" + folder + "/other'").c_str()), 0);
    CDatabasePtrArray& list = GetOpenDatabases();
    {
        CurrentDrawing first(CString::FromUtf8(folder + "/a.dxf"));
        ASSERT_TRUE(list.AddDatabase(kOdbc, L"nwind.mdb", L"", L""));
    }
    CMyDatabase* kept = list[0];
    list.KeepForNextDrawing();
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list[0], kept);
    {
        // The same text beside a drawing of another folder names another file.
        CurrentDrawing second(CString::FromUtf8(folder + "/other/b.dxf"));
        EXPECT_EQ(list.FindDatabase(L"nwind.mdb"), nullptr);
        EXPECT_EQ(list.FindDatabase(L"..\\nwind.mdb"), kept);
    }
    // A file written since it was read is read afresh.
    ASSERT_EQ(std::system(("touch -d '2001-01-01' '" + folder + "/nwind.mdb'").c_str()), 0);
    list.KeepForNextDrawing();
    EXPECT_EQ(list.GetSize(), 0);
    std::system(("rm -rf '" + folder + "'").c_str());
}

// A whole table read once is shaped from the same records for every link to it while the file
// is unchanged; a file replaced since is read afresh, and so is the caller's own SQL.
TEST_F(Catalogue, RecordsOfAWholeTableAreReadAgainOnlyWhenTheFileChanged) {
    char pattern[] = "/tmp/velloria-records-XXXXXX";
    ASSERT_TRUE(::mkdtemp(pattern));
    const std::string folder = pattern, corpus = platform::ToUtf8(kData.str()) + "/access-corpus/";
    const CString file = CString::FromUtf8(folder + "/db.mdb");
    ASSERT_EQ(std::system(("cp '" + corpus + "data_V2000_test.mdb' '" + folder + "/db.mdb'").c_str()), 0);
    CDatabasePtrArray& list = GetOpenDatabases();
    ASSERT_TRUE(list.AddDatabase(kOdbc, file, L"", L""));
    CMyDatabase* db = list.FindDatabase(file);
    ASSERT_NE(db, nullptr);
    const auto read = [&](int header, const CString& sql = CString()) {
        CTableLink link;
        link.m_strTable = L"Table1";
        link.m_strSQL = sql;
        link.m_bIncludeHeader = header;
        CCellGrid grid;
        EXPECT_TRUE(db->ReadRecords(link, grid));
        return grid;
    };
    const CCellGrid first = read(1), headless = read(0);
    ASSERT_GT(first.GetRows(), 1);
    EXPECT_EQ(first.GetCell(0, 0), L"A");
    EXPECT_EQ(first.GetCell(1, 0), L"abcdefg");
    ASSERT_EQ(headless.GetRows(), first.GetRows() - 1);
    EXPECT_EQ(headless.GetCell(0, 1), L"hijklmnop");
    EXPECT_EQ(read(1).GetCell(1, 1), L"hijklmnop");

    // Another file in its place, with a table of the same name (ID, Data).
    ASSERT_EQ(std::system(("cp '" + corpus + "password_V2000_no-password.mdb' '" + folder + "/db.mdb'").c_str()), 0);
    const CCellGrid replaced = read(1);
    ASSERT_GE(replaced.GetRows(), 2);
    EXPECT_EQ(replaced.GetCols(), 2);
    EXPECT_EQ(replaced.GetCell(0, 1), L"Data");
    EXPECT_EQ(replaced.GetCell(1, 1), L"One");
    EXPECT_EQ(read(1, L"SELECT Data FROM Table1 WHERE ID = 2").GetCell(1, 0), L"Two");
    std::system(("rm -rf '" + folder + "'").c_str());
}
