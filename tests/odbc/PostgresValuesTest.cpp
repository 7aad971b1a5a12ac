// Values from a real PostgreSQL server through either provider: each column type arrives with
// the VARIANT type the Access engine uses for the same kind of value, and the value exactly.
#include <cmath>
#include <cstring>
#include <string>

#include "odbc/OdbcTesting.h"

namespace {

using odbc_testing::AdoTest;
using odbc_testing::PostgresConnect;
using odbc_testing::Server;

class PostgresValues : public AdoTest, public ::testing::WithParamInterface<odbc_testing::PostgresRoute> {
protected:
    static void SetUpTestSuite() {
        Server().Psql(
            "DROP TABLE IF EXISTS kinds;"
            "CREATE TABLE kinds (id int PRIMARY KEY, i int, b bigint, n numeric(12,2), d double precision, r real, t text,"
            " v varchar(40), dt date, ts timestamp, ok boolean, u uuid, bin bytea, s smallint, tm time);"
            "INSERT INTO kinds VALUES (1, 42, 5000000000, 1234.50, 1234567.0, 0.25, repeat('abcd', 5000), 'Côte de Blaye ✓ 𝄞',"
            " '2024-03-05', '2024-03-05 14:07:09', true, 'a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11', '\\x00ff10', -7, '14:07:09');"
            "INSERT INTO kinds (id) VALUES (2);"
            "INSERT INTO kinds VALUES (3, -1, -9223372036854775808, -0.05, 0.00001, -1.5, '', '', '1899-12-29', '1899-12-29 06:00:00',"
            " false, '00000000-0000-0000-0000-000000000000', '', 32767, '00:00:00');");
    }

    _RecordsetPtr Row(int id) {
        m_connection = Connect(PostgresConnect(GetParam()));
        _RecordsetPtr rs = Query(m_connection, L"SELECT * FROM kinds WHERE id = " + std::to_wstring(id));
        EXPECT_EQ(rs->GetRecordCount(), 1);
        return rs;
    }
    static _variant_t Value(const _RecordsetPtr& rs, const wchar_t* name) { return rs->GetFields()->GetItem(_variant_t(name))->GetValue(); }

    _ConnectionPtr m_connection;
};

std::wstring Text(const _variant_t& v) { return v.vt == VT_BSTR ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : L"<not text>"; }

TEST_P(PostgresValues, EachTypeArrivesAsItsVariantType) {
    const _RecordsetPtr rs = Row(1);
    const _variant_t i = Value(rs, L"i");
    EXPECT_EQ(i.vt, VT_I4);
    EXPECT_EQ(i.lVal, 42);
    const _variant_t b = Value(rs, L"b");
    EXPECT_EQ(b.vt, VT_I8);
    EXPECT_EQ(b.llVal, 5000000000LL);
    // numeric(12,2): the digits as written, scale 2, never through a double.
    const _variant_t n = Value(rs, L"n");
    ASSERT_EQ(n.vt, VT_DECIMAL);
    EXPECT_EQ(n.decVal.Lo32, 123450u);
    EXPECT_EQ(n.decVal.scale, 2);
    EXPECT_EQ(n.decVal.sign, 0);
    EXPECT_EQ(Value(rs, L"d").vt, VT_R8);
    EXPECT_EQ(Value(rs, L"d").dblVal, 1234567.0);
    EXPECT_EQ(Value(rs, L"r").vt, VT_R4);
    EXPECT_EQ(Value(rs, L"r").fltVal, 0.25f);
    EXPECT_EQ(Value(rs, L"s").vt, VT_I2);
    EXPECT_EQ(Value(rs, L"s").iVal, -7);
    // 2024-03-05 is day 45356 after 1899-12-30; 14:07:09 is 50829 seconds into it.
    const _variant_t dt = Value(rs, L"dt");
    EXPECT_EQ(dt.vt, VT_DATE);
    EXPECT_EQ(dt.date, 45356.0);
    const _variant_t ts = Value(rs, L"ts");
    EXPECT_EQ(ts.vt, VT_DATE);
    EXPECT_NEAR(ts.date, 45356.0 + 50829.0 / 86400.0, 1e-9);
    const _variant_t tm = Value(rs, L"tm");
    EXPECT_EQ(tm.vt, VT_DATE);
    EXPECT_NEAR(tm.date, 50829.0 / 86400.0, 1e-9);
    const _variant_t ok = Value(rs, L"ok");
    EXPECT_EQ(ok.vt, VT_BOOL);
    EXPECT_EQ(ok.boolVal, VARIANT_TRUE);
    EXPECT_EQ(Text(Value(rs, L"u")), L"{A0EEBC99-9C0B-4EF8-BB6D-6BB9BD380A11}");
    const _variant_t bin = Value(rs, L"bin");
    ASSERT_EQ(bin.vt, VT_ARRAY | VT_UI1);
    ASSERT_EQ(bin.parray->rgsabound[0].cElements, 3u);
    EXPECT_EQ(std::memcmp(bin.parray->pvData, "\x00\xff\x10", 3), 0);
}

TEST_P(PostgresValues, TextOfAnyLengthAndOutsideTheBasicPlaneIsWhole) {
    const _RecordsetPtr rs = Row(1);
    std::wstring expected;
    for (int k = 0; k < 5000; ++k) expected += L"abcd";
    EXPECT_EQ(Text(Value(rs, L"t")), expected);
    EXPECT_EQ(Text(Value(rs, L"v")), L"Côte de Blaye ✓ \U0001D11E");
    const FieldPtr t = rs->GetFields()->GetItem(_variant_t(L"t"));
    EXPECT_EQ(t->GetType(), adLongVarWChar);
    EXPECT_EQ(t->GetActualSize(), 20000 * 2);
    const FieldPtr v = rs->GetFields()->GetItem(_variant_t(L"v"));
    EXPECT_EQ(v->GetType(), adVarWChar);
    EXPECT_EQ(v->GetDefinedSize(), 40);
}

TEST_P(PostgresValues, NullsAreNullWhateverTheType) {
    const _RecordsetPtr rs = Row(2);
    const FieldsPtr fields = rs->GetFields();
    for (long c = 1; c < fields->GetCount(); ++c)
        EXPECT_EQ(fields->GetItem(_variant_t(static_cast<short>(c)))->GetValue().vt, VT_NULL) << fields->GetItem(_variant_t(static_cast<short>(c)))->GetName().ToUtf8();
}

TEST_P(PostgresValues, EdgesOfEachRangeAreKept) {
    const _RecordsetPtr rs = Row(3);
    EXPECT_EQ(Value(rs, L"b").llVal, INT64_MIN);
    const _variant_t n = Value(rs, L"n");
    ASSERT_EQ(n.vt, VT_DECIMAL);
    EXPECT_EQ(n.decVal.Lo32, 5u);
    EXPECT_EQ(n.decVal.scale, 2);
    EXPECT_EQ(n.decVal.sign, DECIMAL_NEG);
    EXPECT_EQ(Value(rs, L"d").dblVal, 0.00001);
    // Before the OLE epoch the fraction is the time of day: 1899-12-29 06:00 is -1.25.
    EXPECT_EQ(Value(rs, L"dt").date, -1.0);
    EXPECT_EQ(Value(rs, L"ts").date, -1.25);
    EXPECT_EQ(Value(rs, L"ok").boolVal, VARIANT_FALSE);
    EXPECT_EQ(Text(Value(rs, L"t")), L"");
    const _variant_t bin = Value(rs, L"bin");
    ASSERT_EQ(bin.vt, VT_ARRAY | VT_UI1);
    EXPECT_EQ(bin.parray->rgsabound[0].cElements, 0u);
    EXPECT_EQ(Value(rs, L"s").iVal, 32767);
}

TEST_P(PostgresValues, ComputedColumnsAndWideNumericsKeepTheirValues) {
    m_connection = Connect(PostgresConnect(GetParam()));
    const _RecordsetPtr rs = Query(m_connection,
                                   L"SELECT 1.5::numeric(30,10) AS small, 123456789012345678901234567890::numeric AS huge,"
                                   L" 'NaN'::numeric AS nan, 1 + 1 AS two, now() - now() AS span");
    const _variant_t small = Value(rs, L"small");
    ASSERT_EQ(small.vt, VT_DECIMAL);
    EXPECT_EQ(small.decVal.Lo32, 15000000000u % 4294967296u);
    EXPECT_EQ(small.decVal.scale, 10);
    // Thirty digits do not fit in a decimal's 96 bits: the nearest double.
    const _variant_t huge = Value(rs, L"huge");
    ASSERT_EQ(huge.vt, VT_R8);
    EXPECT_DOUBLE_EQ(huge.dblVal, 1.2345678901234568e29);
    EXPECT_TRUE(std::isnan(Value(rs, L"nan").dblVal));
    EXPECT_EQ(Value(rs, L"two").vt, VT_I4);
    // An interval has no VARIANT of its own: its text.
    EXPECT_EQ(Text(Value(rs, L"span")), L"00:00:00");
}

INSTANTIATE_TEST_SUITE_P(BothRoutes, PostgresValues, ::testing::ValuesIn(odbc_testing::kPostgresRoutes), odbc_testing::RouteName);

}  // namespace
