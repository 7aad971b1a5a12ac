// The component over the real Access files: values with their Access types, exactly as the
// file holds them, SQL through the engine, the tables schema, and the component's errors.
#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ado/Ado.h"
#include "testing/ToolRun.h"
#include "text/Utf8.h"

namespace {

const std::wstring kData = platform::FromUtf8(VELLORIA_TEST_DATA);
const std::wstring kNwindOdbc = L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=" + kData + L"/nwind.mdb;Uid=;Pwd=;";
const std::wstring kSampleAce = L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + kData + L"/ASampleDatabase.accdb;Persist Security Info=False;";

class AccessEngine : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }

    static _ConnectionPtr Connect(const std::wstring& connect) {
        _ConnectionPtr connection;
        EXPECT_EQ(connection.CreateInstance(CLSID_Connection), S_OK);
        EXPECT_EQ(connection->Open(_bstr_t(connect), _bstr_t(L""), _bstr_t(L""), 0), S_OK);
        return connection;
    }
    static _RecordsetPtr Query(const _ConnectionPtr& connection, const std::wstring& sql) {
        _RecordsetPtr recordset;
        EXPECT_EQ(recordset.CreateInstance(CLSID_Recordset), S_OK);
        recordset->PutCursorType(adOpenStatic);
        recordset->PutCursorLocation(adUseClient);
        recordset->Open(_variant_t(sql.c_str()), _variant_t(static_cast<IUnknown*>(connection.GetInterfacePtr())), adOpenStatic, adLockOptimistic,
                        adCmdText);
        return recordset;
    }
    static _variant_t Value(const _RecordsetPtr& rs, const wchar_t* name) { return rs->GetFields()->GetItem(_variant_t(name))->GetValue(); }
};

std::wstring Text(const _variant_t& v) { return v.vt == VT_BSTR ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : L"<not text>"; }

std::string Capture(const std::string& command) { return testing_support::CaptureOutput(command); }

// CSV records as mdb-export writes them: quoted fields may hold commas and line ends.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') records.back().back() += text[++i];
            else if (c == '"') quoted = false;
            else records.back().back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.back().emplace_back();
        } else if (c == '\n') {
            records.emplace_back(1);
        } else if (c != '\r') {
            records.back().back() += c;
        }
    }
    return records;
}

}  // namespace

TEST_F(AccessEngine, RecordCountsMatchTheFiles) {
    // Counts as mdb-count reports them for these files.
    const std::map<std::wstring, long> counts = {{L"Order Details", 2155}, {L"Orders", 830}, {L"Products", 77},  {L"Shippers", 3}, {L"Categories", 8},
                                                 {L"Customers", 91},       {L"Employees", 9}, {L"Suppliers", 29}, {L"Umsätze", 830}};
    const _ConnectionPtr nwind = Connect(kNwindOdbc);
    for (const auto& [table, count] : counts) EXPECT_EQ(Query(nwind, L"SELECT * FROM `" + table + L"`")->GetRecordCount(), count) << platform::ToUtf8(table);
    EXPECT_EQ(Query(Connect(kSampleAce), L"SELECT * FROM [Asset Items]")->GetRecordCount(), 65);
}

TEST_F(AccessEngine, ValuesKeepTheirAccessTypes) {
    const _ConnectionPtr nwind = Connect(kNwindOdbc);
    _RecordsetPtr rs = Query(nwind, L"SELECT * FROM Products WHERE ProductID = 5");
    ASSERT_EQ(rs->GetRecordCount(), 1);
    EXPECT_EQ(Value(rs, L"ProductID").vt, VT_I4);
    EXPECT_EQ(Text(Value(rs, L"ProductName")), L"Chef Anton's Gumbo Mix");
    const _variant_t price = Value(rs, L"UnitPrice");
    ASSERT_EQ(price.vt, VT_CY);
    EXPECT_EQ(price.cyVal.int64, 213500);  // 21.35
    EXPECT_EQ(Value(rs, L"UnitsInStock").vt, VT_I2);
    const _variant_t discontinued = Value(rs, L"Discontinued");
    ASSERT_EQ(discontinued.vt, VT_BOOL);
    EXPECT_EQ(discontinued.boolVal, VARIANT_TRUE);
    FieldPtr field = rs->GetFields()->GetItem(_variant_t(L"ProductName"));
    EXPECT_EQ(field->GetType(), adVarWChar);
    EXPECT_EQ(field->GetDefinedSize(), 40);
    EXPECT_EQ(rs->GetFields()->GetItem(_variant_t(L"UnitPrice"))->GetType(), adCurrency);

    rs = Query(nwind, L"SELECT OrderID, OrderDate, ShipRegion, ShipCity FROM Orders WHERE OrderID = 10248");
    const _variant_t date = Value(rs, L"OrderDate");
    ASSERT_EQ(date.vt, VT_DATE);
    UDATE u{};
    ASSERT_EQ(VarUdateFromDate(date.date, 0, &u), S_OK);
    EXPECT_EQ(u.st.wYear * 10000 + u.st.wMonth * 100 + u.st.wDay, 19940804);
    EXPECT_EQ(Value(rs, L"ShipRegion").vt, VT_NULL);

    rs = Query(nwind, L"SELECT Discount FROM [Order Details] WHERE OrderID = 10250 AND ProductID = 51");
    const _variant_t discount = Value(rs, L"Discount");
    ASSERT_EQ(discount.vt, VT_R4);
    EXPECT_EQ(discount.fltVal, 0.15f);

    rs = Query(nwind, L"SELECT Picture, Description FROM Categories WHERE CategoryID = 1");
    const _variant_t picture = Value(rs, L"Picture");
    ASSERT_EQ(picture.vt, VT_ARRAY | VT_UI1);
    EXPECT_GT(picture.parray->rgsabound[0].cElements, 1000u);
    EXPECT_EQ(rs->GetFields()->GetItem(_variant_t(L"Picture"))->GetType(), adLongVarBinary);
    EXPECT_EQ(rs->GetFields()->GetItem(_variant_t(L"Description"))->GetType(), adLongVarWChar);

    // Memo text spread over several pages and non-ASCII text come through whole.
    rs = Query(nwind, L"SELECT Notes FROM Employees WHERE EmployeeID = 5");
    EXPECT_NE(Text(Value(rs, L"Notes")).find(L"He is fluent in French."), std::wstring::npos);
    rs = Query(nwind, L"SELECT DISTINCT ShipCity FROM Umsätze WHERE ShipCity LIKE 'Gen*' OR ShipCity LIKE 'K?benhavn' ORDER BY 1");
    ASSERT_EQ(rs->GetRecordCount(), 2);
    rs->MoveFirst();
    EXPECT_EQ(Text(Value(rs, L"ShipCity")), L"Genève");
    rs->MoveNext();
    EXPECT_EQ(Text(Value(rs, L"ShipCity")), L"København");

    // Text and memo of an ACE file; an empty memo is NULL.
    rs = Query(Connect(kSampleAce), L"SELECT [Asset No], Acquired, Cost, Comments FROM [Asset Items] WHERE [Asset No] = '30050'");
    ASSERT_EQ(rs->GetRecordCount(), 1);
    EXPECT_EQ(Value(rs, L"Acquired").vt, VT_DATE);
    EXPECT_EQ(Value(rs, L"Cost").cyVal.int64, 19955000);
    EXPECT_EQ(Value(rs, L"Comments").vt, VT_NULL);
}

TEST_F(AccessEngine, EveryCurrencyAndDateEqualsWhatMdbExportReads) {
    // mdb-export prints currency with four decimals and dates in the format asked for: an
    // independent reading of the same bytes.
    const std::string csv = Capture("mdb-export -T '%Y-%m-%d %H:%M:%S' '" + std::string(VELLORIA_TEST_DATA) + "/nwind.mdb' Orders 2>/dev/null");
    ASSERT_FALSE(csv.empty()) << "mdb-export (mdbtools, installed by scripts/setup.sh) printed nothing";
    const _ConnectionPtr nwind = Connect(kNwindOdbc);
    _RecordsetPtr rs = Query(nwind, L"SELECT OrderID, OrderDate, Freight FROM Orders ORDER BY OrderID");
    std::map<long, std::pair<std::string, std::string>> expected;
    for (const auto& record : ParseCsv(csv)) {
        if (record.size() < 8 || record[0] == "OrderID") continue;
        expected[std::stol(record[0])] = {record[3], record[7]};
    }
    ASSERT_EQ(static_cast<long>(expected.size()), rs->GetRecordCount());
    int compared = 0;
    for (rs->MoveFirst(); !rs->GetadoEOF(); rs->MoveNext(), ++compared) {
        const long id = Value(rs, L"OrderID").lVal;
        const auto& [date, freight] = expected.at(id);
        UDATE u{};
        ASSERT_EQ(VarUdateFromDate(Value(rs, L"OrderDate").date, 0, &u), S_OK);
        char text[64];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", u.st.wYear, u.st.wMonth, u.st.wDay, u.st.wHour, u.st.wMinute, u.st.wSecond);
        EXPECT_EQ(date, text) << id;
        const long long cents = std::llround(std::stod(freight) * 10000);
        EXPECT_EQ(Value(rs, L"Freight").cyVal.int64, cents) << id;
    }
    EXPECT_EQ(compared, 830);
}

TEST_F(AccessEngine, JoinsGroupingAndOrdering) {
    const _ConnectionPtr nwind = Connect(kNwindOdbc);
    _RecordsetPtr rs = Query(nwind,
                             L"SELECT c.CategoryName, COUNT(*) AS Products, SUM(p.UnitPrice) AS Total, MAX(p.UnitPrice) AS Highest "
                             L"FROM Products p INNER JOIN Categories c ON p.CategoryID = c.CategoryID GROUP BY c.CategoryName ORDER BY COUNT(*) DESC, 1");
    ASSERT_EQ(rs->GetRecordCount(), 8);
    rs->MoveFirst();
    EXPECT_EQ(Text(Value(rs, L"CategoryName")), L"Confections");
    const _variant_t count = Value(rs, L"Products");
    ASSERT_EQ(count.vt, VT_I4);  // computed columns take the type of their value
    EXPECT_EQ(count.lVal, 13);
    EXPECT_EQ(Value(rs, L"Total").vt, VT_CY);  // a sum of currency is currency
    EXPECT_EQ(rs->GetFields()->GetItem(_variant_t(L"Products"))->GetType(), adInteger);

    // A column of the same name in two tables is told apart by its table.
    rs = Query(nwind, L"SELECT * FROM Orders o INNER JOIN Customers c ON o.CustomerID = c.CustomerID WHERE o.OrderID = 10248");
    ASSERT_EQ(rs->GetRecordCount(), 1);
    EXPECT_EQ(Text(Value(rs, L"Orders.CustomerID")), L"VINET");
    EXPECT_EQ(Text(Value(rs, L"Customers.CustomerID")), L"VINET");
    EXPECT_EQ(Value(rs, L"Freight").vt, VT_CY);  // a plain column keeps its type through a join

    rs = Query(nwind, L"SELECT COUNT(*) AS n FROM [Order Details], Products");
    EXPECT_EQ(Value(rs, L"n").lVal, 2155 * 77);
}

TEST_F(AccessEngine, TablesSchemaListsTablesByTypeThenName) {
    const _ConnectionPtr nwind = Connect(kNwindOdbc);
    _RecordsetPtr schema = nwind->OpenSchema(adSchemaTables, _variant_t::Missing(), _variant_t::Missing());
    std::vector<std::wstring> user, system, views, types;
    for (schema->MoveFirst(); !schema->GetadoEOF(); schema->MoveNext()) {
        const std::wstring type = Text(Value(schema, L"TABLE_TYPE"));
        types.push_back(type);
        if (type == L"TABLE") user.push_back(Text(Value(schema, L"TABLE_NAME")));
        else if (type == L"SYSTEM TABLE") system.push_back(Text(Value(schema, L"TABLE_NAME")));
        else if (type == L"VIEW") views.push_back(Text(Value(schema, L"TABLE_NAME")));
        else ADD_FAILURE() << platform::ToUtf8(type);
    }
    EXPECT_TRUE(std::is_sorted(types.begin(), types.end()));
    // Saved queries that read, in the order of their names: select queries, with parameters or
    // without, union and crosstab queries; none that changes data.
    const std::vector<std::wstring> expectedViews = {
        L"Alphabetical List of Products", L"Catalog", L"Category Sales for 1995", L"Current Product List",
        L"Customers and Suppliers by City", L"Employee Sales by Country", L"Invoices", L"Invoices Filter",
        L"Order Details Extended", L"Order Subtotals", L"Orders Qry", L"Product Sales for 1995", L"Products Above Average Price",
        L"Products by Category", L"Quarterly Orders", L"Quarterly Orders by Product", L"Sales by Category", L"Sales by Year",
        L"Sales Totals by Amount", L"Summary of Sales by Quarter", L"Summary of Sales by Year", L"Ten Most Expensive Products"};
    EXPECT_EQ(views, expectedViews);
    const std::vector<std::wstring> expected = {L"Categories", L"Customers", L"Employees", L"Order Details", L"Orders",
                                                L"Products",   L"Shippers",  L"Suppliers", L"Umsätze"};
    EXPECT_EQ(user, expected);
    ASSERT_FALSE(system.empty());
    for (const auto& name : system) EXPECT_EQ(name.rfind(L"MSys", 0), 0u) << platform::ToUtf8(name);
    // A forward-only listing does not know its count.
    EXPECT_EQ(schema->GetRecordCount(), -1);
}

TEST_F(AccessEngine, SortOrdersTheRowsInMemory) {
    _RecordsetPtr rs = Query(Connect(kNwindOdbc), L"SELECT ProductName, UnitPrice FROM Products");
    rs->PutSort(_bstr_t(L"UnitPrice DESC"));
    rs->MoveFirst();
    EXPECT_EQ(Text(Value(rs, L"ProductName")), L"Côte de Blaye");
    rs->PutSort(_bstr_t(L""));
    rs->MoveFirst();
    EXPECT_EQ(Text(Value(rs, L"ProductName")), L"Chai");
}

TEST_F(AccessEngine, FailuresRaiseTheComponentsErrors) {
    struct Row {
        std::wstring connect;
        std::wstring sql;  // empty: the failure is in opening the connection
        std::uint32_t code;
        std::wstring source;
        std::wstring description;  // the description starts with this
    } rows[] = {
        {L"", L"", 0x80004005u, L"Microsoft OLE DB Provider for ODBC Drivers",
         L"[Microsoft][ODBC Driver Manager] Data source name not found and no default driver specified"},
        // A driver that is not Access's goes to the ODBC driver manager, which names what is missing.
        {L"Driver={No Such Driver 1.0};Server=x;", L"", 0x80004005u, L"Microsoft OLE DB Provider for ODBC Drivers",
         L"SQLSTATE 01000: [unixODBC][Driver Manager]Can't open lib 'No Such Driver 1.0'"},
        {L"Provider=Microsoft.Foo.1;Data Source=x.mdb;", L"", 0x800A0E7Au, L"ADODB.Connection", L"Provider cannot be found."},
        {L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + kData + L"/missing.mdb;", L"", 0x80004005u, L"Microsoft Access Database Engine",
         L"Could not find file '" + kData + L"/missing.mdb'."},
        {L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=" + kData + L"/missing.mdb;", L"", 0x80004005u,
         L"Microsoft OLE DB Provider for ODBC Drivers", L"[Microsoft][ODBC Microsoft Access Driver] Could not find file"},
        {L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + kData + L"/acad_table_simple.dxf;", L"", 0x80004005u,
         L"Microsoft Access Database Engine", L"Unrecognized database format"},
        {kSampleAce, L"SELECT * FROM Nowhere", 0x80040E37u, L"Microsoft Access Database Engine",
         L"The Microsoft Access database engine cannot find the input table or query 'Nowhere'."},
        {kSampleAce, L"SELECT NoSuchColumn FROM [Asset Items]", 0x80040E10u, L"Microsoft Access Database Engine",
         L"No value given for one or more required parameters: [NoSuchColumn]."},
        {kNwindOdbc, L"SELECT NoSuchColumn FROM Orders", 0x80040E10u, L"Microsoft OLE DB Provider for ODBC Drivers",
         L"[Microsoft][ODBC Microsoft Access Driver] Too few parameters. Expected 1: [NoSuchColumn]."},
        {kNwindOdbc, L"SELEKT * FROM Orders", 0x80040E14u, L"Microsoft OLE DB Provider for ODBC Drivers",
         L"[Microsoft][ODBC Microsoft Access Driver] Syntax error"},
        {kNwindOdbc, L"SELECT * FROM `Order Det`ails`", 0x80040E14u, L"Microsoft OLE DB Provider for ODBC Drivers",
         L"[Microsoft][ODBC Microsoft Access Driver] Syntax error"},
        {kNwindOdbc, L"SELECT CustomerID FROM Orders, Customers", 0x80040E14u, L"Microsoft OLE DB Provider for ODBC Drivers",
         L"[Microsoft][ODBC Microsoft Access Driver] The specified field 'CustomerID' could refer to more than one table"},
        {kNwindOdbc, L"DELETE FROM Orders", 0x80004005u, L"Microsoft OLE DB Provider for ODBC Drivers",
         L"[Microsoft][ODBC Microsoft Access Driver] Operation must use an updateable query."},
        {kNwindOdbc, L"   ", 0x80040E0Cu, L"Microsoft OLE DB Provider for ODBC Drivers",
         L"[Microsoft][ODBC Microsoft Access Driver] Command text was not set for the command object."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(platform::ToUtf8(row.connect + L" | " + row.sql));
        try {
            const _ConnectionPtr connection = row.sql.empty() ? _ConnectionPtr() : Connect(row.connect);
            if (row.sql.empty()) {
                _ConnectionPtr c;
                c.CreateInstance(CLSID_Connection);
                c->Open(_bstr_t(row.connect), _bstr_t(L""), _bstr_t(L""), 0);
            } else {
                Query(connection, row.sql);
            }
            ADD_FAILURE() << "no error";
        } catch (const _com_error& e) {
            EXPECT_EQ(static_cast<std::uint32_t>(e.Error()), row.code);
            EXPECT_EQ(std::wstring(e.Source()), row.source);
            EXPECT_EQ(std::wstring(e.Description()).rfind(row.description, 0), 0u) << e.Description().ToUtf8();
        }
    }
}

TEST_F(AccessEngine, CursorAndObjectStateErrors) {
    const _ConnectionPtr nwind = Connect(kNwindOdbc);
    _RecordsetPtr rs = Query(nwind, L"SELECT * FROM Shippers WHERE ShipperID > 100");
    EXPECT_EQ(rs->GetRecordCount(), 0);
    EXPECT_EQ(rs->GetadoEOF(), VARIANT_TRUE);
    auto expectCode = [](auto call, std::uint32_t code, const wchar_t* source) {
        try {
            call();
            ADD_FAILURE() << "no error";
        } catch (const _com_error& e) {
            EXPECT_EQ(static_cast<std::uint32_t>(e.Error()), code);
            EXPECT_EQ(std::wstring(e.Source()), source);
        }
    };
    expectCode([&] { rs->GetFields()->GetItem(_variant_t(L"ShipperID"))->GetValue(); }, 0x800A0BCDu, L"ADODB.Field");
    expectCode([&] { rs->GetFields()->GetItem(_variant_t(L"NoSuchField")); }, 0x800A0CC1u, L"ADODB.Fields");
    expectCode([&] { rs->GetFields()->GetItem(_variant_t(short{7})); }, 0x800A0CC1u, L"ADODB.Fields");
    expectCode([&] { rs->MoveNext(); }, 0x800A0BCDu, L"ADODB.Recordset");
    EXPECT_EQ(rs->Close(), S_OK);
    EXPECT_EQ(rs->GetState(), adStateClosed);
    expectCode([&] { rs->GetRecordCount(); }, 0x800A0E78u, L"ADODB.Recordset");
    EXPECT_EQ(nwind->Close(), S_OK);
    expectCode([&] { nwind->Close(); }, 0x800A0E78u, L"ADODB.Connection");
    expectCode([&] { Query(nwind, L"SELECT * FROM Shippers"); }, 0x800A0E7Du, L"ADODB.Recordset");
}
