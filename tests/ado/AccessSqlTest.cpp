// Access SQL spellings on the engine: date literals, True/False, "text", &, and the common
// Access functions, on their own and over the real file.
#include <gtest/gtest.h>

#include "AccessSql.h"
#include "Ado.h"
#include "Utf8.h"

using platform::access::ParseDateLiteral;
using platform::access::TranslateAccessSql;

TEST(AccessSql, Rewrites) {
    const struct {
        const char *in, *out;
    } rows[] = {
        {"SELECT * FROM Products WHERE Discontinued = True", "SELECT * FROM Products WHERE Discontinued = (-1)"},
        {"SELECT * FROM t WHERE a = FALSE AND t.True = 1", "SELECT * FROM t WHERE a = 0 AND t.True = 1"},
        {"SELECT [True], `False`, 'True' FROM t", "SELECT [True], `False`, 'True' FROM t"},
        {"SELECT a & \" & \" & b FROM t", "SELECT a || ' & ' || b FROM t"},
        {"SELECT \"it's\" FROM t", "SELECT 'it''s' FROM t"},
        {"SELECT * FROM t WHERE d >= #1994-11-16#", "SELECT * FROM t WHERE d >= 34654"},
        {"SELECT * FROM t WHERE d < #11/16/1994 12:00:00 PM#", "SELECT * FROM t WHERE d < 34654.5"},
        {"SELECT 'a#b#c', [x#y] FROM t", "SELECT 'a#b#c', [x#y] FROM t"},
        {"SELECT TrueValue, IsFalse FROM t", "SELECT TrueValue, IsFalse FROM t"},
        {"SELECT Left(a, 2), RIGHT (a, 1) FROM t LEFT JOIN u ON t.k = u.k", "SELECT access_Left(a, 2), access_RIGHT (a, 1) FROM t LEFT JOIN u ON t.k = u.k"},
    };
    for (const auto& row : rows) EXPECT_EQ(TranslateAccessSql(row.in), row.out) << row.in;
    // The ODBC driver's wildcards; other text keeps its * and ?.
    EXPECT_EQ(TranslateAccessSql("SELECT '*?' FROM t WHERE a LIKE 'C*h?' AND b Like \"x*\"", true),
              "SELECT '*?' FROM t WHERE a LIKE 'C%h_' AND b Like 'x%'");
    EXPECT_EQ(TranslateAccessSql("SELECT * FROM t WHERE a LIKE 'C*'", false), "SELECT * FROM t WHERE a LIKE 'C*'");
}

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
                  query(L"SELECT * FROM Customers WHERE CompanyName LIKE 'B%'")->GetRecordCount());
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
