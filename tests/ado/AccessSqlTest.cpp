// Access SQL spellings on the engine: date literals, True/False, "text", &, and the common
// Access functions, on their own and over the real file.
#include <gtest/gtest.h>

#include "access/AccessSql.h"
#include "ado/Ado.h"
#include "text/Utf8.h"

using platform::access::ParseDateLiteral;
using platform::access::TranslateAccessSql;

// The SQLite text the translator makes: these rows are this engine's own design (the acc_
// functions, the access_text collation), not values from outside. Only the names of computed
// columns (Expr1000 on) are Access's, as its query designer numbers them; the results that
// must match Access are in AccessDialectTest.cpp.
TEST(AccessSql, Rewrites) {
    const struct {
        const char *in, *out;
    } rows[] = {
        {"SELECT * FROM Products WHERE Discontinued = True", "SELECT * FROM Products WHERE Discontinued = (-1)"},
        {"SELECT * FROM t WHERE a = No AND t.True = 1", "SELECT * FROM t WHERE a = 0 AND t.[True] = 1"},
        // Names stay names, whatever they hold; "..." is text.
        {"SELECT [True], `False`, 'True' FROM t", "SELECT [True] AS [True] , [False] AS [False] , 'True' AS [Expr1002] FROM t"},
        {"SELECT \"it's\" FROM t", "SELECT 'it''s' AS [Expr1000] FROM t"},
        {"SELECT 'a#b#c', [x#y] FROM t", "SELECT 'a#b#c' AS [Expr1000] , [x#y] AS [x#y] FROM t"},
        // & joins below + and -, Null as empty.
        {"SELECT a & \" & \" & b + 1 AS c FROM t", "SELECT acc_concat(acc_concat(a, ' & '), acc_add(b, 1)) AS [c] FROM t"},
        // Dates are dates.
        {"SELECT * FROM t WHERE d < #11/16/1994 12:00:00 PM#", "SELECT * FROM t WHERE d < acc_tag_date(34654.5)"},
        // Access arithmetic; "--" is two minus signs, never a comment.
        {"SELECT 5--3, 7/2, 7\\2, 7 Mod 3, 2^3 FROM t",
         "SELECT (5 - (- 3)) AS [Expr1000] , acc_divide(7, 2) AS [Expr1001] , acc_intdiv(7, 2) AS [Expr1002] , acc_mod(7, 3) AS [Expr1003] , "
         "acc_power(2, 3) AS [Expr1004] FROM t"},
        {"SELECT TOP 5 a FROM t", "SELECT a AS [a] FROM t LIMIT 5"},
        // Ordered, TOP keeps the rows tied with the last one.
        {"SELECT TOP 5 a FROM t WHERE x > 1 ORDER BY a DESC",
         "SELECT a AS [a] FROM t WHERE x > 1 ORDER BY (a) COLLATE access_text DESC LIMIT (SELECT COUNT(*) FROM (SELECT RANK() OVER "
         "(ORDER BY (a) COLLATE access_text DESC) AS acc_rank  FROM t WHERE x > 1) WHERE acc_rank <= 5)"},
        {"SELECT TOP 25 PERCENT a FROM t", "SELECT a AS [a] FROM t LIMIT (SELECT (COUNT(*) * 25 + 99) / 100 FROM (SELECT a AS [a] FROM t))"},
        {"SELECT DISTINCTROW a FROM t;", "SELECT a AS [a] FROM t"},
        {"SELECT Left(a, 2), RIGHT (a, 1) FROM t LEFT JOIN u ON t.k = u.k",
         "SELECT acc_left(a, 2) AS [Expr1000] , acc_right(a, 1) AS [Expr1001] FROM t LEFT JOIN u ON t.[k] = (u.[k]) COLLATE access_text"},
        {"SELECT a.x, b.x FROM a, b", "SELECT a.[x] AS [a.x] , b.[x] AS [b.x] FROM a , b"},
        // A union is named by its first SELECT.
        {"SELECT a.x FROM a UNION SELECT b.x FROM b", "SELECT a.[x] AS [x] FROM a UNION SELECT b.[x] FROM b"},
        // The names of a select list are the same in the copy that counts its rows for PERCENT,
        // and are given where the list ends, also without FROM.
        {"SELECT TOP 10 PERCENT t.x, u.x FROM t, u ORDER BY 1",
         "SELECT t.[x] AS [t.x] , u.[x] AS [u.x] FROM t , u ORDER BY 1 LIMIT (SELECT (COUNT(*) * 10 + 99) / 100 FROM (SELECT t.[x] AS [t.x] , u.[x] "
         "AS [u.x] FROM t , u ORDER BY 1))"},
        {"SELECT x, (y) WHERE x = 1", "SELECT x AS [x] , (y) AS [Expr1001] WHERE x = 1"},
        {"SELECT 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 FROM t",
         "SELECT 1 AS [Expr1000] , 2 AS [Expr1001] , 3 AS [Expr1002] , 4 AS [Expr1003] , 5 AS [Expr1004] , 6 AS [Expr1005] , 7 AS [Expr1006] , "
         "8 AS [Expr1007] , 9 AS [Expr1008] , 10 AS [Expr1009] , 11 AS [Expr1010] FROM t"},
    };
    for (const auto& row : rows) EXPECT_EQ(TranslateAccessSql(row.in), row.out) << row.in;
    // The ODBC driver's wildcards are the function's own; the OLE DB provider's are turned into them.
    EXPECT_EQ(TranslateAccessSql("SELECT * FROM t WHERE a LIKE 'C*h?'", true), "SELECT * FROM t WHERE a LIKE 'C*h?'");
    EXPECT_EQ(TranslateAccessSql("SELECT * FROM t WHERE a LIKE 'C%'", false), "SELECT * FROM t WHERE a LIKE acc_like92('C%')");
}

// Access dates are days since 1899-12-30 with the time as the fraction (Microsoft's
// documentation of the Date type); 45356 is 2024-03-05 by that count.
TEST(AccessSql, DateLiterals) {
    EXPECT_EQ(ParseDateLiteral("1899-12-30"), 0.0);
    EXPECT_EQ(ParseDateLiteral("2024-03-05 14:07:09"), 45356.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0);
    EXPECT_EQ(ParseDateLiteral("3/5/2024"), 45356.0);
    EXPECT_EQ(ParseDateLiteral("12:00:00 AM"), 0.0);
    EXPECT_EQ(ParseDateLiteral("6:00 PM"), 0.75);
    EXPECT_FALSE(ParseDateLiteral("2024-02-30"));
    EXPECT_FALSE(ParseDateLiteral("25:00"));
    EXPECT_FALSE(ParseDateLiteral("not a date"));
    EXPECT_FALSE(ParseDateLiteral(""));
}

TEST(AccessSql, OnTheRealFile) {
    CoInitialize(nullptr);
    {
        _ConnectionPtr c;
        c.CreateInstance(CLSID_Connection);
        c->Open(_bstr_t(L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=" + platform::FromUtf8(VELLORIA_TEST_DATA) + L"/nwind.mdb;"), _bstr_t(L""),
                _bstr_t(L""), 0);
        auto query = [&](const wchar_t* sql) {
            _RecordsetPtr rs;
            rs.CreateInstance(CLSID_Recordset);
            rs->PutCursorLocation(adUseClient);
            rs->Open(_variant_t(sql), _variant_t(static_cast<IUnknown*>(c.GetInterfacePtr())), adOpenStatic, adLockOptimistic, adCmdText);
            return rs;
        };
        auto text = [](const _RecordsetPtr& rs, short i) {
            const _variant_t v = rs->GetFields()->GetItem(_variant_t(i))->GetValue();
            return v.vt == VT_BSTR ? std::wstring(v.bstrVal) : std::wstring(L"<vt ") + std::to_wstring(v.vt) + L">";
        };
        EXPECT_EQ(query(L"SELECT * FROM Products WHERE Discontinued = True")->GetRecordCount(), 8);
        EXPECT_EQ(query(L"SELECT * FROM Products WHERE Discontinued = False")->GetRecordCount(), 69);
        EXPECT_EQ(query(L"SELECT * FROM Orders WHERE OrderDate = #11/16/1994#")->GetRecordCount(), 2);
        EXPECT_EQ(query(L"SELECT * FROM Customers WHERE CompanyName LIKE 'B*'")->GetRecordCount(),
                  query(L"SELECT * FROM Customers WHERE Left(CompanyName, 1) = 'b'")->GetRecordCount());
        // Through the ODBC driver % is a character like any other.
        EXPECT_EQ(query(L"SELECT * FROM Customers WHERE CompanyName LIKE 'B%'")->GetRecordCount(), 0);
        EXPECT_EQ(query(L"SELECT * FROM Orders WHERE OrderDate BETWEEN #1994-11-16# AND #1994-11-17#")->GetRecordCount(), 3);

        _RecordsetPtr rs = query(L"SELECT FirstName & \" \" & LastName, UCase(City), Len(Country), Left(LastName, 3), Mid(LastName, 2, 3), "
                                 L"IIf(ReportsTo Is Null, \"top\", \"staff\"), Nz(Region, \"-\") FROM Employees WHERE EmployeeID = 2");
        ASSERT_EQ(rs->GetRecordCount(), 1);
        rs->MoveFirst();
        EXPECT_EQ(text(rs, 0), L"Andrew Fuller");
        EXPECT_EQ(text(rs, 1), L"TACOMA");
        EXPECT_EQ(rs->GetFields()->GetItem(_variant_t(short{2}))->GetValue().lVal, 3);
        EXPECT_EQ(text(rs, 3), L"Ful");
        EXPECT_EQ(text(rs, 4), L"ull");
        EXPECT_EQ(text(rs, 5), L"top");
        EXPECT_EQ(text(rs, 6), L"WA");
        rs = query(L"SELECT UCase(ShipCity), Len(ShipCity), Right(ShipCity, 3) FROM Orders WHERE ShipCity = 'Genève'");
        rs->MoveFirst();
        EXPECT_EQ(text(rs, 0), L"GENÈVE");
        EXPECT_EQ(rs->GetFields()->GetItem(_variant_t(short{1}))->GetValue().lVal, 6);
        EXPECT_EQ(text(rs, 2), L"ève");
    }
    CoUninitialize();
}
