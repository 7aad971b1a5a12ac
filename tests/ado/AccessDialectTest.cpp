// The Access SQL dialect on the engine, case by case: a statement and the cells it gives,
// each cell written with its type (s: text, i: integer, d: double, cy: currency, date:,
// b: Yes/No, null), as a conformance table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ado/Ado.h"
#include "testing/NwindConnection.h"
#include "text/Utf8.h"

namespace {

std::string Cell(const _variant_t& v) {
    char b[96];
    switch (v.vt) {
    case VT_NULL: return "null";
    case VT_BSTR: return "s:" + platform::ToUtf8(std::wstring(v.bstrVal, SysStringLen(v.bstrVal)));
    case VT_I2: return "i:" + std::to_string(v.iVal);
    case VT_I4: return "i:" + std::to_string(v.lVal);
    case VT_I8: return "i:" + std::to_string(v.llVal);
    case VT_R8: std::snprintf(b, sizeof b, "d:%.10g", v.dblVal); return b;
    case VT_CY: std::snprintf(b, sizeof b, "cy:%.4f", static_cast<double>(v.cyVal.int64) / 10000.0); return b;
    case VT_BOOL: return v.boolVal ? "b:True" : "b:False";
    case VT_DATE: {
        UDATE u{};
        VarUdateFromDate(v.date, 0, &u);
        std::snprintf(b, sizeof b, "date:%04d-%02d-%02d", u.st.wYear, u.st.wMonth, u.st.wDay);
        std::string text = b;
        if (u.st.wHour || u.st.wMinute || u.st.wSecond) {
            std::snprintf(b, sizeof b, " %02d:%02d:%02d", u.st.wHour, u.st.wMinute, u.st.wSecond);
            text += b;
        }
        return text;
    }
    default: return "vt:" + std::to_string(v.vt);
    }
}

class AccessDialect : public testing_support::NwindConnection {
protected:
    // Every cell of every row, in order.
    std::vector<std::string> Cells(const std::string& sql) {
        _RecordsetPtr rs = Open(platform::FromUtf8(sql));
        std::vector<std::string> cells;
        if (rs->GetRecordCount() == 0) return cells;
        for (rs->MoveFirst(); !rs->GetadoEOF(); rs->MoveNext())
            for (long c = 0; c < rs->GetFields()->GetCount(); ++c) cells.push_back(Cell(rs->GetFields()->GetItem(_variant_t(c))->GetValue()));
        return cells;
    }
    std::string Error(const std::string& sql) {
        try {
            Cells(sql);
        } catch (const _com_error& e) {
            return platform::ToUtf8(static_cast<const wchar_t*>(e.Description()));
        }
        return "(no error)";
    }
};

// Where the expected values come from. The data is the Northwind sample (nwind.mdb): its rows,
// sums and counts agree with what an independent reader, mdb-export of mdbtools, reads from the
// file. What Access makes of them follows Microsoft's documentation of Access SQL and of the
// VBA functions: True is -1, CInt and Round round half to even, DateAdd keeps to the month's
// last day, Format's named formats in the US English locale, TOP keeps ties, LIKE's * ? # [!].

// One row: the expressions are computed on Shippers' first row.
const char* const kOne = " FROM Shippers WHERE ShipperID = 1";

TEST_F(AccessDialect, ExpressionsGiveAccessValuesWithAccessTypes) {
    const struct {
        const char* select;
        std::vector<std::string> cells;
    } rows[] = {
        // Literals and names.
        {"'a', \"b\", [CompanyName], `Phone`", {"s:a", "s:b", "s:Speedy Express", "s:(503) 555-9831"}},
        {"True, False, Yes, No", {"b:True", "b:False", "b:True", "b:False"}},
        // Truth values are -1 for True wherever they are computed with.
        {"1 < 2, Not (1 < 2), [ShipperID] = 1 And True AS Both, (1 < 2) * 5, CLng(2 > 1), IIf(2 > 1, 'y', 'n')",
         {"b:True", "b:False", "b:True", "i:-5", "i:-1", "s:y"}},
        {"#8/5/1995#, #1995-08-05 13:30:00#", {"date:1995-08-05", "date:1995-08-05 13:30:00"}},
        // Operators.
        {"7 / 2, 7 \\ 2, 7 Mod 3, 2 ^ 10, 5--3", {"d:3.5", "i:3", "i:1", "d:1024", "i:8"}},
        {"'a' & Null & 'b', Null & Null, 1 + 2 & 3, \"x\" + \"y\"", {"s:ab", "null", "s:33", "s:xy"}},
        {"#1/31/1995# + 1, #3/1/1995# - #1/1/1995#", {"date:1995-02-01", "d:59"}},
        // Text functions.
        {"Len('Genève'), Left('Genève', 3), Right('Genève', 3), Mid('Genève', 2, 3), Mid('abc', 2)", {"i:6", "s:Gen", "s:ève", "s:enè", "s:bc"}},
        {"UCase('ève'), LCase('ÈVE'), Trim('  x  '), LTrim('  x  '), RTrim('  x  ')", {"s:ÈVE", "s:ève", "s:x", "s:x  ", "s:  x"}},
        {"InStr('Hello', 'L'), InStr(4, 'Hello', 'l'), InStr('Hello', 'z'), Replace('a-b-A', 'a', '+')", {"i:3", "i:4", "i:0", "s:+-b-+"}},
        // Conditions and Null.
        {"IIf(1 > 2, 'yes', 'no'), IIf(Null, 1, 2), Nz(Null, 5), Nz([CompanyName], 'none')", {"s:no", "i:2", "i:5", "s:Speedy Express"}},
        // Dates.
        {"Year(#8/5/1995#), Month(#8/5/1995#), Day(#8/5/1995#), Hour(#1/1/1995 1:02:03 PM#), Minute(#1:02:03#), Second(#1:02:03#)",
         {"i:1995", "i:8", "i:5", "i:13", "i:2", "i:3"}},
        {"DateAdd('m', 1, #1/31/1995#), DateAdd('yyyy', -1, #2/29/1996#), DateAdd('d', 10, #12/25/1995#), DateAdd('h', 36, #1/1/1995#)",
         {"date:1995-02-28", "date:1995-02-28", "date:1996-01-04", "date:1995-01-02 12:00:00"}},
        {"DateDiff('d', #1/1/1995#, #3/1/1995#), DateDiff('m', #1/31/1995#, #2/1/1995#), DateDiff('yyyy', #12/31/1994#, #1/1/1995#)",
         {"i:59", "i:1", "i:1"}},
        {"DatePart('q', #8/15/1995#), DatePart('w', #8/5/1995#), DatePart('y', #2/1/1995#), DateSerial(1995, 14, 1)",
         {"i:3", "i:7", "i:32", "date:1996-02-01"}},
        // Format.
        {"Format(#8/5/1995#, 'yyyy-mm-dd'), Format(#8/5/1995#, 'dd/mm/yyyy'), Format(#8/5/1995#, 'mmm yyyy'), Format(#8/5/1995 14:05#, 'hh:nn')",
         {"s:1995-08-05", "s:05/08/1995", "s:Aug 1995", "s:14:05"}},
        {"Format(#8/5/1995#, 'Long Date'), Format(#8/5/1995#, 'Medium Date'), Format(#8/5/1995#, 'Short Date')",
         {"s:Saturday, August 5, 1995", "s:05-Aug-95", "s:8/5/1995"}},
        {"Format(1234.5, 'Fixed'), Format(1234.5, 'Standard'), Format(0.256, 'Percent'), Format(3.14159, '0.00'), Format(1234567.891, '#,##0.00')",
         {"s:1234.50", "s:1,234.50", "s:25.60%", "s:3.14", "s:1,234,567.89"}},
        {"Format(0, 'Yes/No'), Format(7, '000'), Format(2.5, '0')", {"s:No", "s:007", "s:3"}},
        // Conversions keep Access's types.
        {"CCur(1.23456), CDate('1995-08-05'), CStr(1.5), CDbl('2.5'), CLng('12')", {"cy:1.2346", "date:1995-08-05", "s:1.5", "d:2.5", "i:12"}},
        {"CInt(2.5), CInt(3.5), CInt(-2.5), Round(2.5), Round(3.5), Round(2.345, 2), Round(CCur(2.5))",
         {"i:2", "i:4", "i:-2", "d:2", "d:4", "d:2.34", "cy:2.0000"}},
        {"Int(-2.5), Fix(-2.5), Abs(-3), Sgn(-5), Sgn(0), Val('12abc'), Val(' 1 2 3'), Val('x')", {"d:-3", "d:-2", "i:3", "i:-1", "i:0", "d:12", "d:123", "d:0"}},
        {"CCur(10) * 3, CCur(10) / 4, Int(CCur(2.7))", {"cy:30.0000", "cy:2.5000", "cy:2.0000"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.select);
        try {
            EXPECT_EQ(Cells(std::string("SELECT ") + row.select + kOne), row.cells);
        } catch (const _com_error& e) {
            ADD_FAILURE() << platform::ToUtf8(static_cast<const wchar_t*>(e.Description()));
        }
    }
}

TEST_F(AccessDialect, ClausesReadAsAccessReadsThem) {
    const struct {
        const char* sql;
        std::vector<std::string> cells;
    } rows[] = {
        // Text compares and sorts without regard to case.
        {"SELECT ShipperID FROM Shippers WHERE CompanyName = 'speedy EXPRESS'", {"i:1"}},
        {"SELECT ShipperID FROM Shippers WHERE UCase(CompanyName) = 'united package'", {"i:2"}},
        {"SELECT ShipperID FROM Shippers WHERE CompanyName IN ('FEDERAL SHIPPING')", {"i:3"}},
        // LIKE through the ODBC driver: * ? # and sets.
        {"SELECT ShipperID FROM Shippers WHERE CompanyName LIKE '*package'", {"i:2"}},
        {"SELECT ShipperID FROM Shippers WHERE CompanyName LIKE 'Speedy Expres?'", {"i:1"}},
        {"SELECT ShipperID FROM Shippers WHERE CompanyName LIKE '[E-G]*' OR Phone LIKE '(###) 555-3199'", {"i:2", "i:3"}},
        {"SELECT ShipperID FROM Shippers WHERE CompanyName LIKE '[!S-U]*'", {"i:3"}},
        {"SELECT ShipperID FROM Shippers WHERE CompanyName LIKE 'S%'", {}},
        // TOP n and TOP n PERCENT (rounded up), DISTINCTROW.
        {"SELECT TOP 2 ShipperID FROM Shippers ORDER BY ShipperID DESC", {"i:3", "i:2"}},
        {"SELECT TOP 50 PERCENT ShipperID FROM Shippers ORDER BY ShipperID", {"i:1", "i:2"}},
        {"SELECT TOP 2 ProductName FROM Products WHERE CategoryID = 1 ORDER BY UnitPrice, ProductID",
         {"s:Guaraná Fantástica", "s:Rhönbräu Klosterbier"}},
        // Rows tied with the last one come too, as Access gives them.
        {"SELECT Count(*) FROM (SELECT TOP 1 ProductID FROM Products WHERE UnitPrice < 19 AND CategoryID = 1 ORDER BY UnitPrice DESC)", {"i:4"}},
        {"SELECT Count(*) FROM (SELECT TOP 1 ProductID, UnitPrice FROM Products WHERE UnitPrice < 19 AND CategoryID = 1 ORDER BY 2 DESC)", {"i:4"}},
        {"SELECT DISTINCTROW ShipperID FROM Shippers WHERE ShipperID < 3", {"i:1", "i:2"}},
        // DISTINCTROW: one row per row of the tables whose fields are selected.
        {"SELECT DISTINCTROW s.CompanyName FROM Shippers AS s INNER JOIN Orders AS o ON s.ShipperID = o.ShipVia ORDER BY s.CompanyName",
         {"s:Federal Shipping", "s:Speedy Express", "s:United Package"}},
        // Dates compare as dates.
        {"SELECT Count(*) FROM Orders WHERE OrderDate = #11/16/1994#", {"i:2"}},
        {"SELECT Count(*) FROM Orders WHERE OrderDate BETWEEN #1994-11-16# AND #11/17/94#", {"i:3"}},
        // Grouping keeps currency; a subquery in the criteria.
        {"SELECT Sum(Freight) FROM Orders WHERE CustomerID = 'ALFKI'", {"cy:225.5800"}},
        {"SELECT Count(*) FROM Products WHERE UnitPrice > (SELECT Avg(UnitPrice) FROM Products)", {"i:25"}},
        {"SELECT First(CompanyName), Last(CompanyName) FROM Shippers", {"s:Speedy Express", "s:Federal Shipping"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.sql);
        try {
            EXPECT_EQ(Cells(row.sql), row.cells);
        } catch (const _com_error& e) {
            ADD_FAILURE() << platform::ToUtf8(static_cast<const wchar_t*>(e.Description()));
        }
    }
}

// The messages in Access's words (the undefined function, the syntax error, division by zero,
// overflow) are those Microsoft documents for the Access ODBC driver and Jet; the others are
// this engine's own, naming the construction it does not run.
TEST_F(AccessDialect, WhatCannotBeRunIsNamed) {
    const struct {
        const char *sql, *error;
    } rows[] = {
        {"SELECT Foo(1) FROM Shippers", "Undefined function 'Foo' in expression."},
        {"SELECT ShipperID FROM Shippers WHERE ShipperID = 1 XOR ShipperID = 2", "the XOR operator"},
        // Parameters without values: those declared, the names nothing has, the forms' controls.
        {"PARAMETERS x Long; SELECT * FROM Shippers", "Too few parameters. Expected 1: [x] (Long Integer)."},
        {"SELECT * FROM Shippers WHERE CompanyName = [Company] OR Phone = [Phone Number]",
         "Too few parameters. Expected 2: [Company], [Phone Number]."},
        {"SELECT * FROM Orders WHERE OrderID = [Forms]![Orders]![OrderID]", "Too few parameters. Expected 1: [Forms!Orders!OrderID]."},
        {"TRANSFORM Count(*) SELECT ShipVia FROM Orders GROUP BY ShipVia", "Syntax error (missing operator) in query expression 'TRANSFORM'."},
        {"PARAMETERS x Sometype; SELECT * FROM Shippers", "Syntax error (missing operator) in query expression 'PARAMETERS x Sometype'."},
        {"SELECT Count(DISTINCT ShipVia) FROM Orders", "DISTINCT inside Count()"},
        {"SELECT * FROM Shippers WHERE ShipperID = #32/1/1995#", "Syntax error (missing operator) in query expression '#32/1/1995#'."},
        {"SELECT 1 / 0 FROM Shippers", "Division by zero"},
        {"SELECT CInt(40000) FROM Shippers", "Overflow"},
    };
    for (const auto& row : rows) {
        const std::string error = Error(row.sql);
        EXPECT_NE(error.find(row.error), std::string::npos) << row.sql << "\n  gave: " << error;
        EXPECT_EQ(error.rfind("[Microsoft][ODBC Microsoft Access Driver] ", 0), 0u) << error;
    }
}

}  // namespace
