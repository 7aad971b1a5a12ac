// The union, crosstab and parameter queries of nwind.mdb, and statements of those kinds,
// against the same questions asked of SQLite over the same data as mdb-export (mdbtools, an
// independent reader) exports it: the SQL of each question is written out here.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <iterator>
#include <cmath>
#include <cstdio>
#include <string>
#include <strings.h>
#include <vector>

#include "ado/Ado.h"
#include "testing/ToolRun.h"
#include "text/Utf8.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

const std::string kNwind = std::string(VELLORIA_TEST_DATA) + "/nwind.mdb";

using testing_support::CaptureOutput;

// nwind.mdb's tables in an SQLite database of their own, as mdb-export reads them; dates as
// "YYYY-MM-DD hh:mm:ss". mdb-export writes a Single as its shortest text ("0.1"), so single(x)
// gives back the Single the file holds (0.100000001490116...), with which Access computes;
// ccur(x) is CCur as OLE Automation on the x87 FPU converts a Double to Currency: x times
// 10,000 in extended precision, rounded to the nearest whole number, halves to the even one.
class ExportedNwind {
public:
    ExportedNwind() {
        sqlite3_open(":memory:", &m_db);
        sqlite3_create_function(
            m_db, "single", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
            [](sqlite3_context* ctx, int, sqlite3_value** argv) { sqlite3_result_double(ctx, static_cast<float>(sqlite3_value_double(argv[0]))); },
            nullptr, nullptr);
        sqlite3_create_function(
            m_db, "ccur", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
            [](sqlite3_context* ctx, int, sqlite3_value** argv) {
                const long double product = static_cast<long double>(sqlite3_value_double(argv[0])) * 10000.0L;
                sqlite3_result_double(ctx, static_cast<double>(std::nearbyintl(product) / 10000.0L));
            },
            nullptr, nullptr);
        for (const char* table : {"Customers", "Suppliers", "Orders", "Order Details", "Products", "Employees"}) {
            const std::string schema = CaptureOutput("mdb-schema -T '" + std::string(table) + "' '" + kNwind + "' sqlite 2>/dev/null");
            const std::string rows = CaptureOutput("mdb-export -I sqlite -b strip -D '%Y-%m-%d %H:%M:%S' '" + kNwind + "' '" + table + "' 2>/dev/null");
            char* error = nullptr;
            if (sqlite3_exec(m_db, (schema + rows).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
                ADD_FAILURE() << table << ": " << (error ? error : "");
                sqlite3_free(error);
            }
        }
    }
    ~ExportedNwind() { sqlite3_close(m_db); }
    // Cells as text; reals with two decimals (the currency a cell shows).
    Rows Query(const std::string& sql) const {
        Rows rows;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sqlite3_errmsg(m_db) << "\n" << sql;
            return rows;
        }
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                char text[64];
                switch (sqlite3_column_type(stmt, i)) {
                case SQLITE_NULL: row.push_back(""); break;
                case SQLITE_FLOAT:
                    std::snprintf(text, sizeof text, "%.2f", sqlite3_column_double(stmt, i));
                    row.push_back(text);
                    break;
                default: row.push_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
                }
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(stmt);
        return rows;
    }

private:
    sqlite3* m_db = nullptr;
};

class QueryKinds : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_exported = new ExportedNwind(); }
    static void TearDownTestSuite() { delete s_exported; }
    void SetUp() override {
        CoInitialize(nullptr);
        m_connection.CreateInstance(CLSID_Connection);
        m_connection->Open(_bstr_t(L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=" + platform::FromUtf8(kNwind) + L";"), _bstr_t(L""),
                           _bstr_t(L""), 0);
    }
    void TearDown() override {
        m_connection = nullptr;
        CoUninitialize();
    }

    // The engine's answer, cells as text: reals and currency with two decimals, dates as
    // YYYY-MM-DD hh:mm:ss; the column names in names.
    Rows Engine(const std::wstring& sql, std::vector<std::string>* names = nullptr) {
        _RecordsetPtr rs;
        rs.CreateInstance(CLSID_Recordset);
        rs->PutCursorLocation(adUseClient);
        rs->Open(_variant_t(sql.c_str()), _variant_t(static_cast<IUnknown*>(m_connection.GetInterfacePtr())), adOpenStatic, adLockOptimistic,
                 adCmdText);
        const long count = rs->GetFields()->GetCount();
        if (names) {
            names->clear();
            for (long c = 0; c < count; ++c) names->push_back(rs->GetFields()->GetItem(_variant_t(c))->GetName().ToUtf8());
        }
        Rows rows;
        if (rs->GetRecordCount() == 0) return rows;
        for (rs->MoveFirst(); !rs->GetadoEOF(); rs->MoveNext()) {
            std::vector<std::string> row;
            for (long c = 0; c < count; ++c) row.push_back(Cell(rs->GetFields()->GetItem(_variant_t(c))->GetValue()));
            rows.push_back(std::move(row));
        }
        return rows;
    }
    static std::string Cell(const _variant_t& v) {
        char b[64];
        switch (v.vt) {
        case VT_NULL: return "";
        case VT_BSTR: return platform::ToUtf8(std::wstring(v.bstrVal, SysStringLen(v.bstrVal)));
        case VT_I2: return std::to_string(v.iVal);
        case VT_I4: return std::to_string(v.lVal);
        case VT_CY: std::snprintf(b, sizeof b, "%.2f", static_cast<double>(v.cyVal.int64) / 10000.0); return b;
        case VT_R8: std::snprintf(b, sizeof b, "%.2f", v.dblVal); return b;
        case VT_R4: std::snprintf(b, sizeof b, "%.2f", static_cast<double>(v.fltVal)); return b;
        case VT_DATE: {
            UDATE u{};
            VarUdateFromDate(v.date, 0, &u);
            std::snprintf(b, sizeof b, "%04d-%02d-%02d %02d:%02d:%02d", u.st.wYear, u.st.wMonth, u.st.wDay, u.st.wHour, u.st.wMinute, u.st.wSecond);
            return b;
        }
        default: return "<vt " + std::to_string(v.vt) + ">";
        }
    }
    // Whether the rows come in the order of a column, as far as plain ASCII text tells (Access
    // orders letters with accents among the others, and without regard to case).
    static bool Ordered(const Rows& rows, size_t column) {
        auto ascii = [](const std::string& s) { return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }); };
        for (size_t i = 1; i < rows.size(); ++i) {
            const std::string& a = rows[i - 1][column];
            const std::string& b = rows[i][column];
            if (ascii(a) && ascii(b) && strcasecmp(a.c_str(), b.c_str()) > 0) return false;
        }
        return true;
    }
    // The rows of each that the other lacks, for a failure's message.
    static std::string Difference(const Rows& actual, const Rows& expected) {
        Rows a = Sorted(actual), b = Sorted(expected), onlyA, onlyB;
        std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(onlyA));
        std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(onlyB));
        std::string text;
        for (const auto* side : {&onlyA, &onlyB}) {
            text += side == &onlyA ? "\nonly the engine's:" : "\nonly SQLite's:";
            for (size_t i = 0; i < side->size() && i < 5; ++i) {
                text += "\n  ";
                for (const auto& cell : (*side)[i]) text += cell + " | ";
            }
        }
        return text;
    }
    static Rows Sorted(Rows rows) {
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    static ExportedNwind* s_exported;
    _ConnectionPtr m_connection;
};

ExportedNwind* QueryKinds::s_exported = nullptr;

// A line's amount as the queries compute it: CCur(price * quantity * (1 - discount) / 100) * 100,
// the discount a Single.
const std::string kLineAmount = "ccur(d.UnitPrice * d.Quantity * (1 - single(d.Discount)) / 100) * 100";

TEST_F(QueryKinds, AUnionQueryGivesTheRowsOfBothPartsOnce) {
    const Rows rows = Engine(L"SELECT * FROM [Customers and Suppliers by City]");
    const Rows expected = s_exported->Query(
        "SELECT City, CompanyName, ContactName, 'Customers' FROM Customers UNION SELECT City, CompanyName, ContactName, 'Suppliers' FROM Suppliers");
    ASSERT_EQ(rows.size(), 120u);
    EXPECT_EQ(Sorted(rows), Sorted(expected));
    // ORDER BY City, CompanyName.
    EXPECT_TRUE(Ordered(rows, 0));
    EXPECT_EQ(rows.front()[0], "Aachen");
    // The union keeps the first part's column names.
    std::vector<std::string> names;
    Engine(L"SELECT * FROM [Customers and Suppliers by City] WHERE City = 'Berlin'", &names);
    EXPECT_EQ(names, (std::vector<std::string>{"City", "CompanyName", "ContactName", "Relationship"}));
}

TEST_F(QueryKinds, ACrosstabHasAColumnForEachHeadingInItsInList) {
    std::vector<std::string> names;
    const Rows rows = Engine(L"SELECT * FROM [Quarterly Orders by Product]", &names);
    EXPECT_EQ(names, (std::vector<std::string>{"ProductName", "CustomerID", "OrderYear", "Qtr 1", "Qtr 2", "Qtr 3", "Qtr 4"}));
    std::string quarters;
    for (int q = 1; q <= 4; ++q)
        quarters += ", SUM(CASE WHEN (CAST(strftime('%m', o.OrderDate) AS INTEGER) + 2) / 3 = " + std::to_string(q) + " THEN " + kLineAmount + " END)";
    const Rows expected = s_exported->Query(
        "SELECT p.ProductName, o.CustomerID, strftime('%Y', o.OrderDate)" + quarters +
        " FROM Orders o JOIN `Order Details` d ON o.OrderID = d.OrderID JOIN Products p ON p.ProductID = d.ProductID"
        " WHERE o.OrderDate BETWEEN '1995-01-01 00:00:00' AND '1995-12-31 00:00:00'"
        " GROUP BY p.ProductName, o.CustomerID, strftime('%Y', o.OrderDate)");
    ASSERT_GT(expected.size(), 100u);
    EXPECT_TRUE(Sorted(rows) == Sorted(expected)) << Difference(rows, expected);
    // Ordered by the row headings.
    EXPECT_TRUE(Ordered(rows, 0));
    // A cell is currency, as the sum of currency is.
    _RecordsetPtr rs;
    rs.CreateInstance(CLSID_Recordset);
    rs->PutCursorLocation(adUseClient);
    rs->Open(_variant_t(L"SELECT * FROM [Quarterly Orders by Product]"), _variant_t(static_cast<IUnknown*>(m_connection.GetInterfacePtr())),
             adOpenStatic, adLockOptimistic, adCmdText);
    EXPECT_EQ(rs->GetFields()->GetItem(_variant_t(L"Qtr 1"))->GetType(), adCurrency);
}

TEST_F(QueryKinds, ACrosstabWithoutAnInListHasAColumnForEachValueInOrder) {
    // Employees by country and title; Region has a Null, which Access heads "<>".
    std::vector<std::string> names;
    const Rows rows = Engine(L"TRANSFORM Count(*) AS N SELECT Country FROM Employees GROUP BY Country PIVOT Title", &names);
    const Rows titles = s_exported->Query("SELECT DISTINCT Title FROM Employees ORDER BY Title COLLATE NOCASE");
    std::vector<std::string> expectedNames = {"Country"};
    std::string counts;
    for (const auto& title : titles) {
        expectedNames.push_back(title[0]);
        counts += ", SUM(CASE WHEN Title = '" + title[0] + "' THEN 1 END)";
    }
    EXPECT_EQ(names, expectedNames);
    EXPECT_EQ(rows, s_exported->Query("SELECT Country" + counts + " FROM Employees GROUP BY Country ORDER BY Country"));

    const Rows regions = Engine(L"TRANSFORM Count(*) SELECT Country FROM Employees GROUP BY Country PIVOT Region", &names);
    EXPECT_EQ(names, (std::vector<std::string>{"Country", "<>", "WA"}));
    EXPECT_EQ(regions, s_exported->Query("SELECT Country, SUM(CASE WHEN Region IS NULL THEN 1 END), SUM(CASE WHEN Region = 'WA' THEN 1 END) "
                                         "FROM Employees GROUP BY Country ORDER BY Country"));
    // Numbers head their columns in their order, not as text.
    Engine(L"TRANSFORM Count(*) SELECT ShipVia FROM Orders GROUP BY ShipVia PIVOT Month(OrderDate)", &names);
    EXPECT_EQ(names, (std::vector<std::string>{"ShipVia", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
}

TEST_F(QueryKinds, AParameterQueryRunsWithTheValuesEXECGivesIt) {
    const std::string subtotals = "SELECT d.OrderID, SUM(" + kLineAmount + ") AS Subtotal FROM `Order Details` d GROUP BY d.OrderID";
    // Declared parameters, dates: the first quarter of 1995.
    EXPECT_EQ(Sorted(Engine(L"EXEC [Employee Sales by Country] #1/1/95#, #3/31/95#")),
              Sorted(s_exported->Query("SELECT e.Country, e.LastName, e.FirstName, o.ShippedDate, o.OrderID, s.Subtotal FROM Employees e "
                                       "JOIN Orders o ON e.EmployeeID = o.EmployeeID JOIN (" + subtotals + ") s ON s.OrderID = o.OrderID "
                                       "WHERE o.ShippedDate BETWEEN '1995-01-01 00:00:00' AND '1995-03-31 00:00:00'")));
    // The same values as text, as a dialog gives them.
    EXPECT_EQ(Sorted(Engine(L"EXEC [Employee Sales by Country] '1995-01-01', '1995-03-31'")),
              Sorted(Engine(L"EXEC [Employee Sales by Country] #1/1/95#, #3/31/95#")));
    // A form's control, not declared: the value as given.
    std::vector<std::string> names;
    const Rows invoice = Engine(L"EXEC [Invoices Filter] 10500", &names);
    const auto column = [&](const char* name) { return static_cast<size_t>(std::find(names.begin(), names.end(), name) - names.begin()); };
    Rows lines;
    for (const auto& row : invoice) lines.push_back({row[column("ProductName")], row[column("Quantity")], row[column("ExtendedPrice")]});
    EXPECT_EQ(Sorted(lines), Sorted(s_exported->Query("SELECT p.ProductName, d.Quantity, " + kLineAmount + " FROM `Order Details` d "
                                                      "JOIN Products p ON p.ProductID = d.ProductID WHERE d.OrderID = 10500")));
    EXPECT_EQ(lines.size(), 2u);
    // Declared controls of a form: the first half of 1995.
    EXPECT_EQ(Sorted(Engine(L"EXEC [Sales by Year] #1/1/95#, #6/30/95#")),
              Sorted(s_exported->Query("SELECT o.ShippedDate, o.OrderID, s.Subtotal, strftime('%Y', o.ShippedDate) FROM Orders o JOIN (" + subtotals +
                                       ") s ON s.OrderID = o.OrderID WHERE o.ShippedDate BETWEEN '1995-01-01 00:00:00' AND '1995-06-30 00:00:00'")));
}

TEST_F(QueryKinds, MissingOrWrongValuesAreNamed) {
    auto error = [&](const std::wstring& sql) {
        try {
            Engine(sql);
        } catch (const _com_error& e) {
            return platform::ToUtf8(static_cast<const wchar_t*>(e.Description()));
        }
        return std::string("no error");
    };
    EXPECT_EQ(error(L"SELECT * FROM [Employee Sales by Country]"),
              "[Microsoft][ODBC Microsoft Access Driver] Too few parameters. Expected 2: [Beginning Date] (Date/Time), [Ending Date] (Date/Time). "
              "EXEC [Employee Sales by Country] followed by the values, in this order, runs the query with them.");
    EXPECT_EQ(error(L"EXEC [Employee Sales by Country] #1/1/95#"),
              "[Microsoft][ODBC Microsoft Access Driver] Too few parameters. Expected 1: [Ending Date] (Date/Time).");
    EXPECT_EQ(error(L"EXEC [Employee Sales by Country] 'soon', #1/1/95#"),
              "[Microsoft][ODBC Microsoft Access Driver] The value 'soon' given for [Beginning Date] is not a valid Date/Time.");
    EXPECT_EQ(error(L"EXEC [Invoices Filter] 1, 2"),
              "[Microsoft][ODBC Microsoft Access Driver] Too many values: the query [Invoices Filter] takes 1: [Forms!Orders!OrderID].");
    EXPECT_EQ(error(L"PARAMETERS [n] Byte; SELECT * FROM Shippers WHERE ShipperID = [n]"),
              "[Microsoft][ODBC Microsoft Access Driver] Too few parameters. Expected 1: [n] (Byte).");
    // Values by name: in any order, each once, for a parameter the query has; all named or none.
    EXPECT_EQ(Sorted(Engine(L"EXEC [Employee Sales by Country] [ending date] = #3/31/95#, [Beginning Date] = '1995-01-01'")),
              Sorted(Engine(L"EXEC [Employee Sales by Country] #1/1/95#, #3/31/95#")));
    EXPECT_EQ(error(L"EXEC [Employee Sales by Country] [Ending Date] = #1/1/95#"),
              "[Microsoft][ODBC Microsoft Access Driver] Too few parameters. Expected 1: [Beginning Date] (Date/Time).");
    EXPECT_EQ(error(L"EXEC [Invoices Filter] [OrderID] = 1"),
              "[Microsoft][ODBC Microsoft Access Driver] No parameter [OrderID]: the query [Invoices Filter] takes 1: [Forms!Orders!OrderID].");
    EXPECT_EQ(error(L"EXEC [Invoices Filter] [Forms]![Orders]![OrderID] = 1, [forms!orders!orderid] = 2"),
              "[Microsoft][ODBC Microsoft Access Driver] Two values for the parameter [Forms!Orders!OrderID].");
    EXPECT_NE(error(L"EXEC [Employee Sales by Country] [Beginning Date] = #1/1/95#, #3/31/95#").find("Syntax error"), std::string::npos);
    // A statement that reads a parameter query needs its values too.
    EXPECT_NE(error(L"SELECT Count(*) FROM [Sales by Year]").find("Too few parameters. Expected 2"), std::string::npos);
}

}  // namespace
