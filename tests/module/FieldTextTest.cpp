// The one rule by which a field value becomes text, and the data layer's error report.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "ado/Ado.h"
#include "editor/Console.h"
#include "text/Utf8.h"
#include "data/ADODatabase.h"
#include "data/ADOError.h"
#include "data/ADORecordset.h"

namespace {

_variant_t Typed(VARTYPE vt, void (*fill)(VARIANT&)) {
    _variant_t v;
    fill(v);
    v.vt = vt;
    return v;
}

_variant_t Decimal(std::uint32_t hi, std::uint32_t mid, std::uint32_t lo, BYTE scale, BYTE sign) {
    DECIMAL d{};
    d.Hi32 = hi;
    d.Mid32 = mid;
    d.Lo32 = lo;
    d.scale = scale;
    d.sign = sign;
    return _variant_t(d);
}

CString TextOf(const _variant_t& v, const CString& format = L"") {
    CString text = L"unchanged";
    EXPECT_TRUE(CADORecordset::FormatFieldValue(v, text, format));
    return text;
}

}  // namespace

TEST(FieldValueText, NumbersBooleansAndStrings) {
    struct Row {
        _variant_t value;
        const wchar_t* text;
    };
    const Row rows[] = {
        {_variant_t(), L""},
        {_variant_t::Null(), L""},
        {_variant_t(short{-32768}), L"-32768"},
        {_variant_t(2147483647L), L"2147483647"},
        {_variant_t(static_cast<long>(-5)), L"-5"},
        {_variant_t(BYTE{255}), L"255"},
        {Typed(VT_UI4, [](VARIANT& v) { v.ulVal = 4294967295u; }), L"4294967295"},
        {Typed(VT_INT, [](VARIANT& v) { v.intVal = -7; }), L"-7"},
        {_variant_t(1234567.0), L"1.23457e+06"},
        {_variant_t(0.0001), L"0.0001"},
        {_variant_t(0.00001), L"1e-05"},
        {_variant_t(0.15f), L"0.15"},
        {_variant_t(-2.5), L"-2.5"},
        {Decimal(0, 0, 1250, 2, 0), L"12.5"},
        {Decimal(0, 1, 705032704, 0, 0), L"5e+09"},  // 5000000000: above 32 bits
        {Decimal(0, 0, 1250, 2, DECIMAL_NEG), L"-12.5"},
        {_variant_t(L"Umsätze"), L"Umsätze"},
        {_variant_t(true), L"T"},
        {_variant_t(false), L"F"},
        {Typed(VT_BOOL, [](VARIANT& v) { v.boolVal = 1; }), L"F"},  // only VARIANT_TRUE is true
        // Integer types written in decimal like the others rather than refused.
        {Typed(VT_I1, [](VARIANT& v) { v.cVal = -100; }), L"-100"},
        {Typed(VT_UI2, [](VARIANT& v) { v.uiVal = 65535; }), L"65535"},
        {Typed(VT_UINT, [](VARIANT& v) { v.uintVal = 4000000000u; }), L"4000000000"},
        {_variant_t(-9000000000LL), L"-9000000000"},
        {_variant_t(18446744073709551615ULL), L"18446744073709551615"},
    };
    for (const auto& row : rows) EXPECT_EQ(TextOf(row.value), CString(row.text)) << "vt " << row.value.vt;
}

// Doubles are written as C's "%g" writes them, through a shortcut for the common range: the
// shortcut must agree with "%g" everywhere, on the edges of its range, on values whose seventh
// digit is a 5, and on values spread over every magnitude.
TEST(FieldValueText, DoublesAreWrittenAsPrintfGWritesThem) {
    std::vector<double> values = {0.0, -0.0, 1e-4, 9.99999e-5, 0.000099999949, 0.00009999995, 999999.0, 999999.4999, 999999.5, 999999.5000001,
                                  1e6, 100000.0, 99999.95, 99999.949999, 0.1, 0.2, 0.3, 1.0 / 3.0, 2.0 / 3.0, 123456.5, 123457.5, 0.1234565,
                                  1.0000005, 1.0000015, 2.5e-4, 0.0012345, 12.3450, 1e-300, 1e300, -1234.5678};
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-7, 8);
    for (int i = 0; i < 200000; ++i) {
        double v = mantissa(random) * std::pow(10.0, exponent(random));
        if (i % 3 == 0) v = std::round(v * 1e6) / 1e6;  // short decimals, where ties live
        if (i % 5 == 0) v = std::nextafter(std::round(v * 100) / 100 + 0.000005, 0.0);
        values.push_back(i % 2 ? v : -v);
    }
    int wrong = 0;
    for (const double v : values) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%g", v);
        CString text;
        ASSERT_TRUE(CADORecordset::FormatFieldValue(_variant_t(v), text, L""));
        if (text.ToUtf8() != expected && ++wrong <= 5) ADD_FAILURE() << "%g of " << std::hexfloat << v << " is " << expected << ", written " << text.ToUtf8();
    }
    EXPECT_EQ(wrong, 0);
}

TEST(FieldValueText, BinaryAndOtherTypesFailAndLeaveTheText) {
    const unsigned char bytes[] = {1, 2, 3};
    const _variant_t values[] = {_variant_t::Bytes(bytes, 3), _variant_t::Missing()};
    for (const auto& value : values) {
        CString text = L"kept";
        EXPECT_FALSE(CADORecordset::FormatFieldValue(value, text, L""));
        EXPECT_EQ(text, L"kept");
    }
}

TEST(FieldValueText, Dates) {
    const double march5 = 45356.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0;
    EXPECT_EQ(TextOf(_variant_t(march5, VT_DATE)), L"2024-03-05 14:07:09");
    EXPECT_EQ(TextOf(_variant_t(34654.0, VT_DATE)), L"1994-11-16 00:00:00");
    EXPECT_EQ(TextOf(_variant_t(march5, VT_DATE), L"%d.%m.%Y"), L"05.03.2024");
    EXPECT_EQ(TextOf(_variant_t(3.0e6, VT_DATE)), L"Invalid DateTime");
    EXPECT_EQ(TextOf(_variant_t(-700000.0, VT_DATE)), L"Invalid DateTime");
    // The empty format is written without wcsftime, and must write what wcsftime writes:
    // years of three digits, times before the epoch, the last second of a day.
    for (const double date : {-657434.0, -1.25, 0.0, 0.99998842592592592, 2958465.9999884259, 36526.5, -693593.0 / 2})
        EXPECT_EQ(TextOf(_variant_t(date, VT_DATE)), TextOf(_variant_t(date, VT_DATE), L"%Y-%m-%d %H:%M:%S")) << date;
}

TEST(FieldValueText, CurrencyGoesThroughTheLocaleFormat) {
    CY cy;
    cy.int64 = 12345000;  // 1234.5
    ::setenv("LC_ALL", "C", 1);
    EXPECT_EQ(TextOf(_variant_t(cy)), L"1234.50");  // the C locale's monetary format

    // A real monetary format: only that category of German, compiled for the test when the
    // system has the locale sources.
    ::unsetenv("LC_ALL");
    char folder[] = "/tmp/velloria-locale-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string source = std::string(folder) + "/monetary";
    std::ofstream(source) << "LC_MONETARY\ncopy \"de_DE\"\nEND LC_MONETARY\n";
    const std::string command = "localedef -c -i " + source + " -f UTF-8 " + folder + "/de_DE.UTF-8 >/dev/null 2>&1";
    std::system(command.c_str());
    if (std::filesystem::exists(std::string(folder) + "/de_DE.UTF-8/LC_MONETARY")) {
        ::setenv("LOCPATH", folder, 1);
        ::setenv("LC_MONETARY", "de_DE.UTF-8", 1);
        const CString text = TextOf(_variant_t(cy));
        EXPECT_EQ(text, L"1.234,50 €") << text.ToUtf8();
        cy.int64 = -5000;
        EXPECT_EQ(TextOf(_variant_t(cy)), L"-0,50 €");
        ::unsetenv("LOCPATH");
        ::unsetenv("LC_MONETARY");
    }
    std::filesystem::remove_all(folder);
    // Numbers keep the dot whatever the monetary locale.
    EXPECT_EQ(TextOf(_variant_t(2.5)), L"2.5");
}

TEST(ErrorReport, BodyFormatAndCodes) {
    const _com_error pointer(E_POINTER);
    EXPECT_EQ(FormatComErrorBody(L"CADODataBase Error", pointer),
              L"CADODataBase Error\n\tCode = 80004003\n\tCode meaning = Invalid pointer\n\tSource = \n\tDescription = \n");
    const _com_error provider(static_cast<HRESULT>(0x80040E14u), _bstr_t(L"Microsoft Access Database Engine"), _bstr_t(L"Syntax error."));
    EXPECT_EQ(FormatComErrorBody(L"CADORecordset Error", provider),
              L"CADORecordset Error\n\tCode = 80040e14\n\tCode meaning = IDispatch error #3092\n\tSource = Microsoft Access Database Engine\n"
              L"\tDescription = Syntax error.\n");
}

TEST(ErrorReport, PasswordsAreHidden) {
    EXPECT_EQ(HideConnectStringPasswords(L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=C:\\db\\parts.mdb;Uid=admin;Pwd=s3cret;"),
              L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=C:\\db\\parts.mdb;Uid=admin;Pwd=***;");
    EXPECT_EQ(HideConnectStringPasswords(L"Uid=a;PWD={x;y};Password=z"), L"Uid=a;PWD=***;Password=***");
    EXPECT_EQ(HideConnectStringPasswords(L"Dbq=x.mdb;Pwd=;"), L"Dbq=x.mdb;Pwd=;");  // nothing to hide
    // Quoted values are hidden whole, however they are quoted, and one that never closes is
    // hidden to the end.
    EXPECT_EQ(HideConnectStringPasswords(L"Dbq=x.mdb;Uid=u;Pwd={ab;cd=SECRETTAIL};"), L"Dbq=x.mdb;Uid=u;Pwd=***;");
    EXPECT_EQ(HideConnectStringPasswords(L"Pwd={a}};b=c};Uid=u"), L"Pwd=***;Uid=u");
    EXPECT_EQ(HideConnectStringPasswords(L"Password=\"x;\"\"y\";Data Source=a"), L"Password=***;Data Source=a");
    EXPECT_EQ(HideConnectStringPasswords(L"Uid=u;Pwd={open;never=closed"), L"Uid=u;Pwd=***");
    EXPECT_EQ(HideConnectStringPasswords(L"Uid=u; pwd = s e c;"), L"Uid=u; pwd = ***;");
    EXPECT_EQ(HideConnectStringPasswords(L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=C:\\a.mdb;Persist Security Info=False;"),
              L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=C:\\a.mdb;Persist Security Info=False;");
}

TEST(ADODatabase, WithoutTheComponentOpenReportsEPointer) {
    platform::SetClassRegistered(CLSID_Connection, false);
    {
        platform::ScopedConsole console;
        CADODatabase database;
        database.SetConnectionString(L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=x.mdb;Uid=u;Pwd=pw;");
        EXPECT_FALSE(database.Open());
        EXPECT_FALSE(database.IsOpen());
        EXPECT_EQ(database.GetLastErrorString(),
                  L"Connection String = Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=x.mdb;Uid=u;Pwd=***;\n"
                  L"CADODataBase Error\n\tCode = 80004003\n\tCode meaning = Invalid pointer\n\tSource = \n\tDescription = \n");
        // The connect string itself is unchanged; the alert shows the hidden form.
        EXPECT_EQ(database.GetConnectionString(), L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=x.mdb;Uid=u;Pwd=pw;");
        EXPECT_NE(console.Output().find("| Connection String = "), std::string::npos);
        EXPECT_EQ(console.Output().find("pw;"), std::string::npos);
    }
    platform::SetClassRegistered(CLSID_Connection, true);
    EXPECT_EQ(platform::ComInitCount(), 0);  // every object balanced its initialisation
}

TEST(ADODatabase, SecondErrorReplacesTheFirstAndEachIsShown) {
    platform::ScopedConsole console;
    CADODatabase database;
    database.SetConnectionString(L"");
    EXPECT_FALSE(database.Open());
    EXPECT_NE(database.GetLastErrorString().Find(L"Data source name not found"), -1);
    database.SetConnectionString(L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/nowhere/x.accdb;");
    EXPECT_FALSE(database.Open());
    EXPECT_EQ(database.GetLastErrorString().Find(L"Data source name not found"), -1);
    EXPECT_NE(database.GetLastErrorString().Find(L"Could not find file '/nowhere/x.accdb'."), -1);
    size_t alerts = 0;
    for (size_t at = console.Output().find("CADODataBase Error"); at != std::string::npos; at = console.Output().find("CADODataBase Error", at + 1)) ++alerts;
    EXPECT_EQ(alerts, 2u);
}

TEST(ADORecordset, OpenTrimsTheQueryAndReportsIt) {
    platform::ScopedConsole console;
    CADODatabase database;
    database.SetConnectionString(CString(L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=") + CString::FromUtf8(VELLORIA_TEST_DATA) +
                                 L"/ASampleDatabase.accdb;");
    ASSERT_TRUE(database.Open());
    CADORecordset recordset(database);
    EXPECT_FALSE(recordset.Open(L"   \tSELECT * FROM Missing"));
    EXPECT_EQ(recordset.GetQuery(), L"SELECT * FROM Missing");
    EXPECT_EQ(recordset.GetLastErrorString().Find(L"Query = SELECT * FROM Missing\nCADORecordset Error\n"), 0);
    EXPECT_NE(recordset.GetLastErrorString().Find(L"\tCode = 80040e37\n"), -1);

    // A 70-character name is cut to 64; an empty result counts 0.
    const CString longName(L'N', 70);
    ASSERT_TRUE(recordset.Open(L"SELECT [Asset No] AS " + longName + L" FROM [Asset Items] WHERE 1 = 0"));
    EXPECT_EQ(recordset.GetRecordCount(), 0);
    CADOFieldInfo info{};
    EXPECT_TRUE(recordset.GetFieldInfo(0, &info));
    EXPECT_EQ(CString(info.m_strName), CString(L'N', 64));
    EXPECT_EQ(info.m_nType, adVarWChar);
    EXPECT_EQ(info.m_lSize, 0);  // not filled past the last row
    EXPECT_TRUE(recordset.IsEof());

    // A field that does not exist: reported, false, text unchanged.
    ASSERT_TRUE(recordset.Open(L"SELECT * FROM [Asset Items]"));
    recordset.MoveFirst();
    CString text = L"kept";
    EXPECT_FALSE(recordset.GetFieldValue(L"Nope", text));
    EXPECT_EQ(text, L"kept");
    EXPECT_NE(recordset.GetLastErrorString().Find(L"Code = 800a0cc1"), -1);
    EXPECT_TRUE(recordset.GetFieldValue(L"Acquired", text));
    EXPECT_EQ(text, L"1997-09-02 00:00:00");
}
