// PostgreSQL's provider of its own (platform/pgsql): which connect strings it takes and what it
// gives libpq for them, the text of dates and times it reads, libpq loaded only when a session
// opens, every type as the ODBC driver gives it, and rows streamed without holding them.
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "odbc/OdbcTesting.h"
#include "odbc/OdbcValues.h"
#include "pgsql/PgConnectString.h"
#include "pgsql/PgSession.h"
#include "pgsql/PgValues.h"
#include "pgsql/PqLibrary.h"
#include "provider/ConnectString.h"
#include "testing/FreshProcess.h"

namespace {

using odbc_testing::AdoTest;
using odbc_testing::PostgresConnect;
using odbc_testing::Server;
using platform::pgsql::ConnectParametersOf;
using platform::pgsql::DateParts;
using platform::pgsql::IsPostgresConnect;
using platform::provider::ParseConnectString;

bool Takes(const wchar_t* connect) { return IsPostgresConnect(ParseConnectString(connect)); }

TEST(PostgresConnectString, TakesPostgresDriversWithoutAProvider) {
    for (const wchar_t* connect : {L"Driver={PostgreSQL Unicode};Server=h;", L"DRIVER={postgresql ansi};Server=h;", L"Driver={PostgreSQL Unicode(x64)};",
                                   L"Driver={PostgreSQL ANSI (x64)};", L"driver=PostgreSQL Unicode;"})
        EXPECT_TRUE(Takes(connect)) << platform::ToUtf8(connect);
    // Named on ODBC, a data source name, another driver or none: not ours.
    for (const wchar_t* connect : {L"Provider=MSDASQL;Driver={PostgreSQL Unicode};", L"Provider=MSDASQL.1;Driver={PostgreSQL ANSI};",
                                   L"DSN=pg;", L"DSN=pg;Driver={PostgreSQL Unicode};Provider=Other;", L"Driver={SQLite3};Database=x.db;",
                                   L"Driver={PostgreSQL};", L"Driver={PostgreSQL Unicode Extra};", L""})
        EXPECT_FALSE(Takes(connect)) << platform::ToUtf8(connect);
}

std::map<std::string, std::string> Parameters(const wchar_t* connect) {
    std::map<std::string, std::string> out;
    for (const auto& [keyword, value] : ConnectParametersOf(ParseConnectString(connect), 20)) {
        EXPECT_EQ(out.count(keyword), 0u) << keyword << " given twice";
        out[keyword] = value;
    }
    return out;
}

TEST(PostgresConnectString, KeysAndTheirSynonymsBecomeLibpqsOnly) {
    // As the module writes it; a password in braces keeps its ";" and "}".
    auto written = Parameters(L"Driver={PostgreSQL Unicode};Server=db.example;Port=5433;Database=Près;Uid=me;Pwd={s3cret;pw}}};");
    EXPECT_EQ(written["host"], "db.example");
    EXPECT_EQ(written["port"], "5433");
    EXPECT_EQ(written["dbname"], "Près");
    EXPECT_EQ(written["user"], "me");
    EXPECT_EQ(written["password"], "s3cret;pw}");
    EXPECT_EQ(written["client_encoding"], "UTF8");
    EXPECT_EQ(written["connect_timeout"], "20");
    EXPECT_NE(written["options"].find("DateStyle=ISO"), std::string::npos);
    EXPECT_NE(written["options"].find("extra_float_digits=3"), std::string::npos);
    // The driver's synonyms; its own options go nowhere.
    auto synonyms = Parameters(L"Driver={PostgreSQL ANSI};Servername=h2;UID=u2;PASSWORD=p2;SSLmode=require;UseDeclareFetch=1;Fetch=10;");
    EXPECT_EQ(synonyms["host"], "h2");
    EXPECT_EQ(synonyms["user"], "u2");
    EXPECT_EQ(synonyms["password"], "p2");
    EXPECT_EQ(synonyms["sslmode"], "require");
    EXPECT_EQ(synonyms.size(), 7u);
    EXPECT_EQ(Parameters(L"Driver={PostgreSQL Unicode};Username=u3;")["user"], "u3");
    EXPECT_EQ(Parameters(L"Driver={PostgreSQL Unicode};User=u4;")["user"], "u4");
    // An empty password is left to libpq's own sources (~/.pgpass, PGPASSWORD).
    auto empty = Parameters(L"Driver={PostgreSQL Unicode};Server=h;Uid=me;Pwd=;");
    EXPECT_EQ(empty.count("password"), 0u);
    EXPECT_EQ(empty.count("port"), 0u);
}

TEST(PostgresDateText, IsoDatesTimesAndTimestampsParseExactly) {
    DateParts p;
    ASSERT_TRUE(platform::pgsql::ParseIsoTimestamp("2024-03-05 14:07:09.123456", p));
    EXPECT_EQ(std::make_tuple(p.year, p.month, p.day, p.hour, p.minute, p.second, p.nanoseconds), std::make_tuple(2024, 3, 5, 14, 7, 9, 123456000u));
    // A zone's offset is dropped: the wall clock of the session's zone.
    ASSERT_TRUE(platform::pgsql::ParseIsoTimestamp("1999-12-31 23:59:59.5+05:30", p));
    EXPECT_EQ(std::make_tuple(p.hour, p.minute, p.second, p.nanoseconds), std::make_tuple(23, 59, 59, 500000000u));
    ASSERT_TRUE(platform::pgsql::ParseIsoTimestamp("2024-03-05", p));
    EXPECT_EQ(std::make_tuple(p.day, p.hour), std::make_tuple(5, 0));
    ASSERT_TRUE(platform::pgsql::ParseIsoDate("0099-12-31", p));
    EXPECT_EQ(p.year, 99);
    ASSERT_TRUE(platform::pgsql::ParseIsoDate("10000-01-01", p));
    EXPECT_EQ(p.year, 10000);
    ASSERT_TRUE(platform::pgsql::ParseIsoTime("14:07:09.75-03", p));
    EXPECT_EQ(std::make_tuple(p.year, p.month, p.day, p.hour, p.minute, p.second), std::make_tuple(1899, 12, 30, 14, 7, 9));
    // Not a date of the calendar an OLE date counts: the caller keeps the text.
    for (const char* notOne : {"infinity", "-infinity", "0044-03-15 BC", "2024-03-05 10:00:00 BC", "2024-3-5", "2024-03-05T10:00:00", "", "14:07:09"})
        EXPECT_FALSE(platform::pgsql::ParseIsoTimestamp(notOne, p)) << notOne;
    EXPECT_FALSE(platform::pgsql::ParseIsoDate("0150-01-01 BC", p));
    EXPECT_FALSE(platform::pgsql::ParseIsoDate("2024-03-05 10:00:00", p));
    EXPECT_FALSE(platform::pgsql::ParseIsoTime("14:07", p));
}

// numeric's text as a decimal: the digits whole on either side of the 18 that fit 64 bits.
TEST(PostgresNumericText, BecomesAnExactDecimalOrNone) {
    const auto decimal = [](const char* text) {
        DECIMAL d{};
        if (!platform::odbc::DecimalFromText(text, d)) return std::string("none");
        const unsigned __int128 m = (static_cast<unsigned __int128>(d.Hi32) << 64) | (static_cast<unsigned __int128>(d.Mid32) << 32) | d.Lo32;
        std::string digits;
        for (unsigned __int128 v = m; v > 0 || digits.empty(); v /= 10) digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        return std::string(d.sign ? "-" : "") + digits + "e-" + std::to_string(d.scale);
    };
    EXPECT_EQ(decimal("123456789012345678"), "123456789012345678e-0");
    EXPECT_EQ(decimal("1234567890123456789"), "1234567890123456789e-0");
    EXPECT_EQ(decimal("-12345678901234567.89"), "-1234567890123456789e-2");
    EXPECT_EQ(decimal("0.1234567890123456789"), "1234567890123456789e-19");
    EXPECT_EQ(decimal("79228162514264337593543950335"), "79228162514264337593543950335e-0");
    EXPECT_EQ(decimal("79228162514264337593543950336"), "none");
    EXPECT_EQ(decimal("-0.000"), "0e-3");
    EXPECT_EQ(decimal("1.00000000000000000000000000005"), "10000000000000000000000000001e-28");
    for (const char* notOne : {"NaN", "Infinity", "", "-", "1e5", "1.2.3", "12345678901234567x"}) EXPECT_EQ(decimal(notOne), "none") << notOne;
}

TEST(PostgresLibrary, LoadedOnlyWhenASessionOpens) {
    if (!testing_support::InFreshProcess()) return;
    EXPECT_FALSE(testing_support::LibraryLoaded("libpq.so")) << "loaded at start";
    CoInitialize(nullptr);
    {
        _ConnectionPtr connection;
        connection.CreateInstance(CLSID_Connection);
        connection->Open(_bstr_t(PostgresConnect()), _bstr_t(L""), _bstr_t(L""), 0);
    }
    CoUninitialize();
    EXPECT_TRUE(testing_support::LibraryLoaded("libpq.so"));
    platform::pgsql::PqFunctions none;
    EXPECT_EQ(platform::pgsql::LoadPq("libvelloria-no-such-pq.so.5", none).rfind("The PostgreSQL client library libvelloria-no-such-pq.so.5 cannot be loaded (", 0), 0u);
    EXPECT_EQ(platform::pgsql::LoadPq("libm.so.6", none), "The PostgreSQL client library libm.so.6 has no function PQconnectdbParams.");
}

// Each type described and valued alike through both routes: the ODBC driver's descriptions
// are the contract, for the types without a VARIANT of their own too.
class PostgresRoutesAgree : public AdoTest {
protected:
    struct Seen {
        long type, size, attributes;
        VARTYPE vt;
        std::wstring value;
    };
    static std::wstring Rendered(const _variant_t& v) {
        if (v.vt == VT_NULL) return L"NULL";
        if (v.vt == VT_R8 && std::isnan(v.dblVal)) return L"NaN";
        if (v.vt == (VT_ARRAY | VT_UI1)) {
            std::wstring out;
            for (ULONG i = 0; i < v.parray->rgsabound[0].cElements; ++i) out += std::to_wstring(static_cast<unsigned char*>(v.parray->pvData)[i]) + L",";
            return out;
        }
        char buffer[96];
        switch (v.vt) {
        case VT_BSTR: return std::wstring(v.bstrVal, SysStringLen(v.bstrVal));
        case VT_I2: return std::to_wstring(v.iVal);
        case VT_I4: return std::to_wstring(v.lVal);
        case VT_I8: return std::to_wstring(v.llVal);
        case VT_UI4: return std::to_wstring(v.ulVal);
        case VT_BOOL: return v.boolVal ? L"true" : L"false";
        case VT_R4: std::snprintf(buffer, sizeof buffer, "%.9g", v.fltVal); break;
        case VT_R8: std::snprintf(buffer, sizeof buffer, "%.17g", v.dblVal); break;
        case VT_DATE: std::snprintf(buffer, sizeof buffer, "date %.9f", v.date); break;
        case VT_DECIMAL:
            std::snprintf(buffer, sizeof buffer, "decimal %s%u:%u:%u/10^%d", v.decVal.sign ? "-" : "", v.decVal.Hi32, v.decVal.Mid32, v.decVal.Lo32, v.decVal.scale);
            break;
        default: return L"<type " + std::to_wstring(v.vt) + L">";
        }
        return platform::FromUtf8(buffer);
    }
    static std::vector<Seen> Read(const std::wstring& connect, const std::wstring& sql) {
        const _ConnectionPtr connection = Connect(connect);
        const _RecordsetPtr rs = Query(connection, sql);
        std::vector<Seen> seen;
        const FieldsPtr fields = rs->GetFields();
        for (long c = 0; c < fields->GetCount(); ++c) {
            const FieldPtr f = fields->GetItem(_variant_t(static_cast<short>(c)));
            const _variant_t v = f->GetValue();
            seen.push_back({static_cast<long>(f->GetType()), static_cast<long>(f->GetDefinedSize()), static_cast<long>(f->GetAttributes()), v.vt, Rendered(v)});
        }
        return seen;
    }
    static void ExpectAlike(const std::wstring& sql, const std::vector<std::string>& names) {
        const std::vector<Seen> ours = Read(PostgresConnect(), sql), odbc = Read(L"Provider=MSDASQL;" + PostgresConnect(), sql);
        ASSERT_EQ(ours.size(), odbc.size());
        ASSERT_EQ(ours.size(), names.size());
        for (size_t c = 0; c < ours.size(); ++c) {
            const std::string& name = names[c];
            EXPECT_EQ(ours[c].type, odbc[c].type) << name;
            EXPECT_EQ(ours[c].size, odbc[c].size) << name;
            EXPECT_EQ(ours[c].attributes, odbc[c].attributes) << name;
            EXPECT_EQ(ours[c].vt, odbc[c].vt) << name;
            EXPECT_EQ(ours[c].value, odbc[c].value) << name << ": " << platform::ToUtf8(ours[c].value) << " against ODBC's " << platform::ToUtf8(odbc[c].value);
        }
    }
};

TEST_F(PostgresRoutesAgree, TypesWithoutAVariantOfTheirOwn) {
    Server().Psql("DROP TABLE IF EXISTS odd_kinds; CREATE TABLE odd_kinds (id int PRIMARY KEY, c char(4) NOT NULL, c1 \"char\", vc varchar, nm name,"
                  " m money, iv interval, j json, jb jsonb, a int[], ttz timetz, x xml, ip inet, bt bit(3), o oid);"
                  "INSERT INTO odd_kinds VALUES (1, 'ab', 'z', 'vc', 'nm', -1234.5, '1 day 02:03:04', '{\"a\":1}', '{\"b\": 2}', '{1,2}',"
                  " '14:07:09.5+02', '<a/>', '10.0.0.1', B'101', 7), (2, 'x', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);");
    const std::vector<std::string> names = {"id", "c", "c1", "vc", "nm", "m", "iv", "j", "jb", "a", "ttz", "x", "ip", "bt", "o"};
    ExpectAlike(L"SELECT * FROM odd_kinds WHERE id = 1", names);
    ExpectAlike(L"SELECT * FROM odd_kinds WHERE id = 2", names);
}

TEST_F(PostgresRoutesAgree, EdgesOfNumbersAndDates) {
    Server().Psql("DROP TABLE IF EXISTS edge_kinds; CREATE TABLE edge_kinds (id int, f4 real, f8 float8, n numeric, ts timestamp(3), tz timestamptz,"
                  " dt date, tm time);"
                  "INSERT INTO edge_kinds VALUES (1, 'NaN', 'Infinity', 'NaN', '2024-03-05 14:07:09.123', '2024-03-05 14:07:09.25+00', '0099-12-31', '14:07:09.75'),"
                  " (2, '-Infinity', '-0', '-0.000', '1899-12-30 00:00:00.999', '2024-03-05 23:59:59.5+03', '9999-12-31', '24:00:00'),"
                  " (3, 3.4028235e38, 1e-310, 79228162514264337593543950335, '0100-01-01', '1899-12-29 12:00:00+00', '0100-01-01', '00:00:00.000001'),"
                  " (4, 1e-45, 2.2250738585072014e-308, 79228162514264337593543950336, '1900-02-28 23:59:59.999', NULL, '2000-02-29', '23:59:59.999999');");
    const std::vector<std::string> names = {"id", "f4", "f8", "n", "ts", "tz", "dt", "tm"};
    for (int id = 1; id <= 4; ++id) ExpectAlike(L"SELECT * FROM edge_kinds WHERE id = " + std::to_wstring(id), names);
    ExpectAlike(L"SELECT 1.5 AS lit, 'x' AS unknown, NULL AS nothing, ROW(1, 'a') AS record, true AS yes, 7::int2 AS small, 7::int8 AS big",
                {"lit", "unknown", "nothing", "record", "yes", "small", "big"});
}

// Where the driver gives a date of its own making, the server's text is kept: infinity is not
// 9999-12-31, and a date BC is not the same date AD.
TEST_F(PostgresRoutesAgree, DatesOutsideTheCalendarStayText) {
    const _ConnectionPtr connection = Connect(PostgresConnect());
    const _RecordsetPtr rs = Query(connection, L"SELECT 'infinity'::timestamp AS a, '-infinity'::timestamptz AS b, '0044-03-15 BC'::date AS c,"
                                               L" '10000-01-01'::timestamp AS d, '0099-12-31 10:00'::timestamp AS e, 'infinity'::date AS f");
    const std::pair<const wchar_t*, const wchar_t*> expected[] = {{L"a", L"infinity"},
                                                                   {L"b", L"-infinity"},
                                                                   {L"c", L"0044-03-15 BC"},
                                                                   {L"d", L"10000-01-01 00:00:00"},
                                                                   {L"e", L"0099-12-31 10:00:00"},
                                                                   {L"f", L"infinity"}};
    for (const auto& [name, text] : expected) {
        const FieldPtr field = rs->GetFields()->GetItem(_variant_t(name));
        EXPECT_EQ(field->GetType(), adDate) << platform::ToUtf8(name);
        EXPECT_EQ(Rendered(field->GetValue()), text) << platform::ToUtf8(name);
    }
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// A stream holds a block of rows at a time, never the result: 200 MB of rows read while the
// process grows by a fraction of that. AddressSanitizer keeps freed memory back (its
// quarantine, 256 MB), so there the rows are checked and the growth is not.
#if defined(__SANITIZE_ADDRESS__)
#define VELLORIA_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELLORIA_UNDER_ASAN 1
#endif
#endif
#ifndef VELLORIA_UNDER_ASAN
#define VELLORIA_UNDER_ASAN 0
#endif
TEST_F(PostgresRoutesAgree, AStreamHoldsABlockOfRowsNotTheResult) {
    const auto session = platform::pgsql::PgSession::Open(ParseConnectString(PostgresConnect()));
    platform::provider::StatementLimits limits;
    limits.seconds = 120;
    const auto cursor = session->Stream(L"SELECT g, repeat('x', 1000) FROM generate_series(1, 200000) AS g", limits);
    ASSERT_EQ(cursor->Columns().size(), 2u);
    _variant_t row[2];
    const long before = ResidentKb();
    long long rows = 0, sum = 0;
    while (cursor->Next(row)) {
        ++rows;
        sum += row[0].lVal;
        ASSERT_EQ(SysStringLen(row[1].bstrVal), 1000u);
    }
    EXPECT_EQ(rows, 200000);
    EXPECT_EQ(sum, 200000LL * 200001 / 2);
    if (!VELLORIA_UNDER_ASAN) {
        EXPECT_LT(ResidentKb() - before, 64 * 1024) << "the stream grew the process by " << (ResidentKb() - before) / 1024 << " MB";
    }
}

}  // namespace
