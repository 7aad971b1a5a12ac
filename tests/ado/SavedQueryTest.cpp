// Saved queries: definitions rebuilt from their catalogue rows, listed as views, and run
// against the same question asked by hand over the base tables.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ado/Ado.h"
#include "access/SavedQueries.h"
#include "text/Utf8.h"

using platform::access::BuildSavedQuery;
using platform::access::QueryRow;

namespace {

QueryRow Row(int attribute, int flag, std::string name1, std::string name2, std::string expression) {
    QueryRow r;
    r.attribute = attribute;
    r.flag = flag;
    r.name1 = std::move(name1);
    r.name2 = std::move(name2);
    r.expression = std::move(expression);
    return r;
}

TEST(SavedQueryRows, RebuildEveryClause) {
    // Rows in the order a file may hold them: not sorted by attribute.
    const auto q = BuildSavedQuery("Totals", 0,
                                   {Row(11, 0, "D", "", "Sum(d.Qty)"), Row(0, 0, "", "", ""), Row(1, 1, "", "", ""), Row(3, 0x10 | 0x20, "25", "", ""),
                                    Row(5, 0, "Orders", "o", ""), Row(5, 0, "Order Details", "d", ""), Row(5, 0, "Customers", "", ""),
                                    Row(6, 0, "", "", "c.Country"), Row(6, 0, "Total", "", "Sum(d.Qty)"),
                                    Row(7, 2, "Customers", "o", "Customers.ID = o.CustomerID"), Row(7, 1, "o", "d", "o.ID = d.OrderID"),
                                    Row(7, 1, "o", "d", "o.Year = d.Year"), Row(8, 0, "", "", "o.Shipped Is Not Null"),
                                    Row(9, 0, "", "", "c.Country"), Row(10, 0, "", "", "Sum(d.Qty) > 10"), Row(11, 0, "", "", "c.Country"),
                                    Row(255, 0, "", "", "")});
    EXPECT_TRUE(q.isView);
    EXPECT_EQ(q.sql,
              "SELECT TOP 25 PERCENT c.Country, Sum(d.Qty) AS [Total]\r\n"
              "FROM ([Customers] LEFT JOIN [Orders] AS [o] ON Customers.ID = o.CustomerID) "
              "INNER JOIN [Order Details] AS [d] ON o.ID = d.OrderID AND o.Year = d.Year\r\n"
              "WHERE o.Shipped Is Not Null\r\nGROUP BY c.Country\r\nHAVING Sum(d.Qty) > 10\r\nORDER BY Sum(d.Qty) DESC, c.Country;");
}

// The rows of three of nwind.mdb's queries, as the file holds them.
TEST(SavedQueryRows, RebuildUnionsCrosstabsAndParameters) {
    const auto cities = BuildSavedQuery("Customers and Suppliers by City", 128,
                                        {Row(1, 9, "", "", ""), Row(3, 3, "", "", ""),
                                         Row(5, 0, "", "X7YZ_____1", "SELECT City, CompanyName FROM Customers\n"),
                                         Row(5, 0, "", "X7YZ_____2", "SELECT City, CompanyName\nFROM Suppliers"), Row(11, 0, "", "", "City")});
    EXPECT_TRUE(cities.isView);
    EXPECT_EQ(cities.kind, platform::access::SavedQuery::Kind::Union);
    EXPECT_EQ(cities.sql, "SELECT City, CompanyName FROM Customers\r\nUNION SELECT City, CompanyName\nFROM Suppliers\r\nORDER BY City;");
    // Without the flag 2 the union keeps duplicates.
    EXPECT_NE(BuildSavedQuery("u", 0, {Row(1, 9, "", "", ""), Row(5, 0, "", "X7YZ_____1", "SELECT a FROM T"), Row(5, 0, "", "X7YZ_____2", "SELECT b FROM U")})
                  .sql.find("UNION ALL SELECT b"),
              std::string::npos);

    const auto quarterly = BuildSavedQuery(
        "Quarterly Orders by Product", 16,
        {Row(1, 6, "", "", ""), Row(3, 8, "", "", ""), Row(5, 0, "Orders", "", ""), Row(5, 0, "Products", "", ""), Row(6, 2, "", "", "Products.ProductName"),
         Row(6, 1, "Quarters", "", "\"Qtr \" & DatePart(\"q\",[OrderDate]) In (\"Qtr 1\",\"Qtr 2\")"), Row(6, 2, "OrderYear", "", "Year([OrderDate])"),
         Row(6, 0, "ProductAmount", "", "Sum([Freight])"), Row(7, 1, "Orders", "Products", "Orders.ID = Products.ID"),
         Row(9, 2, "", "", "Products.ProductName"), Row(9, 1, "", "", "\"Qtr \" & DatePart(\"q\",[OrderDate])"), Row(9, 2, "", "", "Year([OrderDate])")});
    EXPECT_EQ(quarterly.kind, platform::access::SavedQuery::Kind::Crosstab);
    EXPECT_EQ(quarterly.sql,
              "TRANSFORM Sum([Freight]) AS [ProductAmount]\r\nSELECT DISTINCTROW Products.ProductName, Year([OrderDate]) AS [OrderYear]\r\n"
              "FROM [Orders] INNER JOIN [Products] ON Orders.ID = Products.ID\r\nGROUP BY Products.ProductName, Year([OrderDate])\r\n"
              "PIVOT \"Qtr \" & DatePart(\"q\",[OrderDate]) In (\"Qtr 1\",\"Qtr 2\");");

    const auto sales = BuildSavedQuery("Employee Sales by Country", 0,
                                       {Row(1, 1, "", "", ""), Row(2, 8, "Beginning Date", "", ""), Row(2, 10, "Forms!F!Name", "", ""),
                                        Row(5, 0, "Orders", "", ""), Row(6, 0, "", "", "Orders.OrderID"),
                                        Row(8, 0, "", "", "Orders.ShippedDate >= [Beginning Date]")});
    EXPECT_TRUE(sales.isView);
    ASSERT_EQ(sales.parameters.size(), 2u);
    EXPECT_EQ(sales.parameters[1].name, "Forms!F!Name");
    EXPECT_EQ(sales.parameters[1].type, 10);
    EXPECT_EQ(sales.sql,
              "PARAMETERS [Beginning Date] DateTime, [Forms!F!Name] Text;\r\nSELECT Orders.OrderID\r\nFROM [Orders]\r\n"
              "WHERE Orders.ShippedDate >= [Beginning Date];");
}

TEST(SavedQueryRows, PredicatesAndAllFields) {
    EXPECT_EQ(BuildSavedQuery("q", 0, {Row(1, 1, "", "", ""), Row(3, 0x09, "", "", ""), Row(5, 0, "T", "", "")}).sql, "SELECT DISTINCTROW *\r\nFROM [T];");
    EXPECT_EQ(BuildSavedQuery("q", 0, {Row(3, 0x02, "", "", ""), Row(5, 0, "T", "", ""), Row(6, 0, "", "", "T.a")}).sql, "SELECT DISTINCT T.a\r\nFROM [T];");
    EXPECT_EQ(BuildSavedQuery("q", 0, {Row(3, 0x18, "10", "", ""), Row(5, 0, "T", "", ""), Row(6, 0, "", "", "T.a"), Row(11, 0, "D", "", "T.a")}).sql,
              "SELECT DISTINCTROW TOP 10 T.a\r\nFROM [T]\r\nORDER BY T.a DESC;");
    EXPECT_EQ(BuildSavedQuery("q", 0, {Row(5, 0, "A", "", ""), Row(5, 0, "B", "", ""), Row(7, 3, "A", "B", "A.k = B.k")}).sql,
              "SELECT *\r\nFROM [A] RIGHT JOIN [B] ON A.k = B.k;");
}

TEST(SavedQueryRows, QueriesThatReadAreViewsAndThoseThatChangeDataAreNot) {
    EXPECT_TRUE(BuildSavedQuery("p", 0, {Row(1, 1, "", "", ""), Row(2, 8, "Start", "", ""), Row(5, 0, "T", "", "")}).isView);
    EXPECT_TRUE(BuildSavedQuery("u", 0, {Row(1, 9, "", "", "")}).isView);        // union
    EXPECT_TRUE(BuildSavedQuery("x", 0, {Row(1, 6, "", "", "")}).isView);        // crosstab
    EXPECT_FALSE(BuildSavedQuery("d", 0, {Row(1, 5, "", "", "")}).isView);       // delete
    EXPECT_FALSE(BuildSavedQuery("a", 0, {Row(1, 3, "", "", "")}).isView);       // append
    EXPECT_FALSE(BuildSavedQuery("m", 0x50, {Row(5, 0, "T", "", "")}).isView);  // make-table, told by the object's flags
    EXPECT_TRUE(BuildSavedQuery("s", 0, {Row(5, 0, "T", "", "")}).isView);      // no type row: a select query
    const auto external = BuildSavedQuery("e", 0, {Row(4, 0, "C:\\other.mdb", "", ""), Row(5, 0, "T", "", "")});
    EXPECT_TRUE(external.isView);
    EXPECT_NE(external.unsupported.find("external database"), std::string::npos);
}

const std::wstring kData = platform::FromUtf8(VELLORIA_TEST_DATA);

class SavedQueries : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }

    static _ConnectionPtr Connect(const std::wstring& file) {
        _ConnectionPtr connection;
        connection.CreateInstance(CLSID_Connection);
        connection->Open(_bstr_t(L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=" + kData + L"/" + file + L";"), _bstr_t(L""), _bstr_t(L""), 0);
        return connection;
    }
    static _RecordsetPtr Query(const _ConnectionPtr& connection, const std::wstring& sql) {
        _RecordsetPtr rs;
        rs.CreateInstance(CLSID_Recordset);
        rs->PutCursorLocation(adUseClient);
        rs->Open(_variant_t(sql.c_str()), _variant_t(static_cast<IUnknown*>(connection.GetInterfacePtr())), adOpenStatic, adLockOptimistic, adCmdText);
        return rs;
    }
    // Every row as text cells; currency with its four decimals, so that rounding shows.
    static std::vector<std::vector<std::wstring>> Rows(const _RecordsetPtr& rs) {
        std::vector<std::vector<std::wstring>> rows;
        if (rs->GetRecordCount() == 0) return rows;
        for (rs->MoveFirst(); !rs->GetadoEOF(); rs->MoveNext()) {
            std::vector<std::wstring> row;
            for (long c = 0; c < rs->GetFields()->GetCount(); ++c) row.push_back(Cell(rs->GetFields()->GetItem(_variant_t(c))->GetValue()));
            rows.push_back(row);
        }
        return rows;
    }
    static std::wstring Cell(const _variant_t& v) {
        wchar_t b[64];
        switch (v.vt) {
        case VT_NULL: return L"<null>";
        case VT_BSTR: return std::wstring(v.bstrVal, SysStringLen(v.bstrVal));
        case VT_I2: return std::to_wstring(v.iVal);
        case VT_I4: return std::to_wstring(v.lVal);
        case VT_BOOL: return v.boolVal ? L"True" : L"False";
        case VT_CY: std::swprintf(b, 64, L"%.4f", static_cast<double>(v.cyVal.int64) / 10000.0); return b;
        case VT_R8: std::swprintf(b, 64, L"%.4f", v.dblVal); return b;
        case VT_R4: std::swprintf(b, 64, L"%.4f", static_cast<double>(v.fltVal)); return b;
        case VT_DATE: std::swprintf(b, 64, L"d%.6f", v.date); return b;
        default: return L"<vt " + std::to_wstring(v.vt) + L">";
        }
    }
    static std::vector<std::wstring> Views(const _ConnectionPtr& connection) {
        std::vector<std::wstring> views;
        _RecordsetPtr schema = connection->OpenSchema(adSchemaTables, _variant_t::Missing(), _variant_t::Missing());
        for (schema->MoveFirst(); !schema->GetadoEOF(); schema->MoveNext()) {
            const _variant_t type = schema->GetFields()->GetItem(_variant_t(L"TABLE_TYPE"))->GetValue();
            if (std::wstring(type.bstrVal) == L"VIEW")
                views.push_back(std::wstring(schema->GetFields()->GetItem(_variant_t(L"TABLE_NAME"))->GetValue().bstrVal));
        }
        return views;
    }
};

// Every view runs, but those with parameters, which say they need values (QueryKindsTest.cpp
// runs them with values).
TEST_F(SavedQueries, EveryViewOfBothFilesRuns) {
    std::vector<std::wstring> needValues;
    for (const wchar_t* file : {L"nwind.mdb", L"ASampleDatabase.accdb"}) {
        const _ConnectionPtr connection = Connect(file);
        const auto views = Views(connection);
        EXPECT_GE(views.size(), 3u);
        for (const auto& view : views) {
            SCOPED_TRACE(platform::ToUtf8(view));
            try {
                _RecordsetPtr rs = Query(connection, L"SELECT * FROM `" + view + L"`");
                EXPECT_GT(rs->GetRecordCount(), 0);
                EXPECT_GT(rs->GetFields()->GetCount(), 0);
            } catch (const _com_error& e) {
                const std::wstring description = static_cast<const wchar_t*>(e.Description());
                if (description.find(L"Too few parameters.") != std::wstring::npos) needValues.push_back(view);
                else ADD_FAILURE() << platform::ToUtf8(description);
            }
        }
    }
    EXPECT_EQ(needValues, (std::vector<std::wstring>{L"Employee Sales by Country", L"Invoices Filter", L"Sales by Year"}));
}

TEST_F(SavedQueries, TopWithOrderingMatchesTheTable) {
    const _ConnectionPtr nwind = Connect(L"nwind.mdb");
    auto view = Rows(Query(nwind, L"SELECT * FROM [Ten Most Expensive Products]"));
    auto all = Rows(Query(nwind, L"SELECT ProductName, UnitPrice FROM Products ORDER BY UnitPrice DESC, ProductName"));
    ASSERT_EQ(view.size(), 10u);
    all.resize(10);
    EXPECT_EQ(view, all);
    EXPECT_EQ(view[0], (std::vector<std::wstring>{L"Côte de Blaye", L"263.5000"}));
}

// The queries are made when a statement first names one, in any case, also after statements
// that read tables alone; the schema lists them all the same.
TEST_F(SavedQueries, AStatementFindsAQueryAfterOthersReadTablesOnly) {
    const _ConnectionPtr nwind = Connect(L"nwind.mdb");
    EXPECT_EQ(Rows(Query(nwind, L"SELECT Count(*) FROM Shippers")), (std::vector<std::vector<std::wstring>>{{L"3"}}));
    const auto view = Rows(Query(nwind, L"SELECT * FROM [ten most EXPENSIVE products]"));
    ASSERT_EQ(view.size(), 10u);
    EXPECT_EQ(view[0], (std::vector<std::wstring>{L"Côte de Blaye", L"263.5000"}));
    EXPECT_EQ(Views(nwind), Views(Connect(L"nwind.mdb")));
    EXPECT_GE(Views(nwind).size(), 10u);
}

TEST_F(SavedQueries, GroupingMatchesTheSumsByHand) {
    const _ConnectionPtr nwind = Connect(L"nwind.mdb");
    // Order Subtotals: per order, the sum of each line rounded to the cent as currency.
    _RecordsetPtr rs = Query(nwind, L"SELECT * FROM [Order Subtotals] ORDER BY OrderID");
    EXPECT_EQ(rs->GetFields()->GetItem(_variant_t(L"Subtotal"))->GetType(), adCurrency);
    const auto view = Rows(rs);
    // Round(x, 2) sees a half cent where CCur(x / 100) * 100 sees the product of binary numbers
    // a little off it: the two may part by a cent a line.
    const auto byHand = Rows(Query(nwind, L"SELECT OrderID, Sum(Round(UnitPrice * Quantity * (1 - Discount), 2)), Count(*) FROM [Order Details] "
                                          L"GROUP BY OrderID ORDER BY OrderID"));
    ASSERT_EQ(view.size(), 830u);
    ASSERT_EQ(view.size(), byHand.size());
    for (size_t i = 0; i < view.size(); ++i) {
        EXPECT_EQ(view[i][0], byHand[i][0]);
        EXPECT_NEAR(std::stod(view[i][1]), std::stod(byHand[i][1]), 0.0051 + 0.01 * std::stod(byHand[i][2])) << platform::ToUtf8(view[i][0]);
    }
    EXPECT_EQ(view[0], (std::vector<std::wstring>{L"10248", L"440.0000"}));

    const _ConnectionPtr sample = Connect(L"ASampleDatabase.accdb");
    EXPECT_EQ(Rows(Query(sample, L"SELECT * FROM qryCostsSummedByOwner")),
              Rows(Query(sample, L"SELECT Owner, [Asset Category], Sum(Cost) FROM [Asset Items] GROUP BY Owner, [Asset Category] ORDER BY Owner, [Asset Category]")));
}

TEST_F(SavedQueries, JoinsAndQueriesOnQueriesMatchTheTables) {
    const _ConnectionPtr nwind = Connect(L"nwind.mdb");
    EXPECT_EQ(Rows(Query(nwind, L"SELECT * FROM [Products by Category]")),
              Rows(Query(nwind, L"SELECT c.CategoryName, p.ProductName, p.QuantityPerUnit, p.UnitsInStock, p.Discontinued "
                                L"FROM Categories c, Products p WHERE c.CategoryID = p.CategoryID AND p.Discontinued = 0 ORDER BY 1, 2")));
    // DISTINCTROW over a right join of customers to orders, selecting customers' fields only:
    // one row per customer with orders in 1995, not one per order.
    const _RecordsetPtr quarterly = Query(nwind, L"SELECT * FROM [Quarterly Orders]");
    EXPECT_EQ(quarterly->GetRecordCount(), 84);
    std::vector<std::wstring> names;
    for (long c = 0; c < quarterly->GetFields()->GetCount(); ++c) names.push_back(static_cast<const wchar_t*>(quarterly->GetFields()->GetItem(_variant_t(c))->GetName()));
    EXPECT_EQ(names, (std::vector<std::wstring>{L"CustomerID", L"CompanyName", L"City", L"Country"}));
    EXPECT_EQ(Rows(quarterly), Rows(Query(nwind, L"SELECT DISTINCT Customers.CustomerID, CompanyName, City, Country FROM Customers RIGHT JOIN Orders "
                                                L"ON Customers.CustomerID = Orders.CustomerID WHERE OrderDate BETWEEN #1/1/1995# AND #12/31/1995# "
                                                L"ORDER BY Customers.CustomerID")));
    // Where every table gives fields, DISTINCTROW is a plain SELECT: the joined rows stay.
    EXPECT_EQ(Query(nwind, L"SELECT DISTINCTROW Customers.CustomerID, Orders.OrderID FROM Customers INNER JOIN Orders ON Customers.CustomerID = "
                           L"Orders.CustomerID")->GetRecordCount(), 830);
    EXPECT_EQ(Query(nwind, L"SELECT DISTINCTROW c.Country FROM Customers AS c INNER JOIN Orders AS o ON c.CustomerID = o.CustomerID")->GetRecordCount(),
              89);
    // Sales by Category reads Order Details Extended, itself a query; its sums stay currency.
    _RecordsetPtr rs = Query(nwind, L"SELECT ProductSales FROM [Sales by Category] WHERE ProductName = 'Chai'");
    ASSERT_EQ(rs->GetRecordCount(), 1);
    rs->MoveFirst();
    const std::wstring sales = Cell(rs->GetFields()->GetItem(_variant_t(0L))->GetValue());
    const auto byHand = Rows(Query(nwind, L"SELECT Sum(Round(d.UnitPrice * d.Quantity * (1 - d.Discount), 2)) FROM ([Order Details] d INNER JOIN Orders o "
                                          L"ON d.OrderID = o.OrderID) INNER JOIN Products p ON p.ProductID = d.ProductID "
                                          L"WHERE p.ProductName = 'Chai' AND o.OrderDate BETWEEN #1/1/1995# AND #12/31/1995#"));
    EXPECT_NEAR(std::stod(byHand[0][0]), std::stod(sales), 0.01);
    EXPECT_EQ(sales, L"5070.6000");
    // Two columns of one name keep their tables in their names.
    rs = Query(nwind, L"SELECT * FROM Invoices WHERE OrderID = 10248");
    EXPECT_EQ(rs->GetRecordCount(), 3);
    rs->MoveFirst();
    EXPECT_EQ(Cell(rs->GetFields()->GetItem(_variant_t(L"Customers.CompanyName"))->GetValue()), L"Vins et alcools Chevalier");
    EXPECT_EQ(Cell(rs->GetFields()->GetItem(_variant_t(L"Shippers.CompanyName"))->GetValue()), L"Federal Shipping");
    EXPECT_EQ(rs->GetFields()->GetItem(_variant_t(L"ExtendedPrice"))->GetType(), adCurrency);
}

}  // namespace
