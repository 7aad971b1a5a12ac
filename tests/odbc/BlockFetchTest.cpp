// Results of many rows, read in blocks where the driver can: values past the room a block keeps
// for them (long text, text whose characters take two UTF-16 units, wide numerics), NULLs and
// binary among short values, and rows on both sides of each block's end, all arrive whole and
// in order through PostgreSQL's driver and SQLite's.
#include <sqlite3.h>

#include <cmath>
#include <string>

#include "odbc/OdbcTesting.h"
#include "testing/TempDir.h"

namespace {

using odbc_testing::AdoTest;
using odbc_testing::PostgresConnect;
using odbc_testing::Server;
using odbc_testing::SqliteConnect;

constexpr int kRows = 1100;

// The values of row id, as both databases build them (in SQL) and the test expects them.
bool TextIsNull(int id) { return id % 5 == 0; }
std::wstring TextOf(int id) {
    if (id % 7 == 0) return std::wstring(static_cast<size_t>(200 + id % 300), L'x') + L"\U0001D11E" + std::to_wstring(id);
    return L"v" + std::to_wstring(id);
}
// Three characters, each two UTF-16 units: more units than the column's declared size.
std::wstring ShortOf(int id) { return id % 3 == 0 ? L"\U0001D11E\U0001D11E\U0001D11E" : L"ab"; }
bool HasBytes(int id) { return id % 4 != 0; }

std::wstring Text(const _variant_t& v) { return v.vt == VT_BSTR ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : L"<not text>"; }
_variant_t Value(const _RecordsetPtr& rs, const wchar_t* name) { return rs->GetFields()->GetItem(_variant_t(name))->GetValue(); }

// Reads every row and checks it against the values of its id; the rows read.
int CheckRows(const _RecordsetPtr& rs, bool wideNumbers) {
    int id = 0;
    for (; rs->GetadoEOF() != VARIANT_TRUE; rs->MoveNext()) {
        ++id;
        SCOPED_TRACE("row " + std::to_string(id));
        const _variant_t key = Value(rs, L"id");
        EXPECT_TRUE(key.vt == VT_I4 || key.vt == VT_I8);
        EXPECT_EQ(key.vt == VT_I4 ? key.lVal : key.llVal, id);
        const _variant_t t = Value(rs, L"t");
        if (TextIsNull(id)) EXPECT_EQ(t.vt, VT_NULL);
        else EXPECT_EQ(Text(t), TextOf(id));
        EXPECT_EQ(Text(Value(rs, L"s")), ShortOf(id));
        const _variant_t bin = Value(rs, L"bin");
        if (!HasBytes(id)) {
            EXPECT_EQ(bin.vt, VT_NULL);
        } else {
            EXPECT_EQ(bin.vt, VT_ARRAY | VT_UI1);
            if (bin.vt == (VT_ARRAY | VT_UI1)) {
                EXPECT_EQ(bin.parray->rgsabound[0].cElements, 2u);
                EXPECT_EQ(static_cast<const unsigned char*>(bin.parray->pvData)[0], id % 127 + 1);
                EXPECT_EQ(static_cast<const unsigned char*>(bin.parray->pvData)[1], id / 128 + 1);
            }
        }
        const _variant_t d = Value(rs, L"d");
        EXPECT_EQ(d.vt, VT_R8);
        EXPECT_EQ(d.dblVal, id / 8.0);
        if (!wideNumbers) continue;
        // Every 11th number has 60 digits: past the room a block keeps and past a decimal.
        const _variant_t n = Value(rs, L"n");
        if (id % 11 == 0) {
            EXPECT_EQ(n.vt, VT_R8);
            EXPECT_NEAR(n.dblVal / 1e59, static_cast<double>(id), 1e-9 * id);
        } else {
            EXPECT_EQ(n.vt, VT_DECIMAL);
            EXPECT_EQ(n.decVal.Lo32, static_cast<unsigned>(id) * 100u + 25u);
            EXPECT_EQ(n.decVal.scale, 2);
        }
    }
    return id;
}

class BlockFetch : public AdoTest {};

TEST_F(BlockFetch, PostgresRowsOfEveryLengthArriveWholeAndInOrder) {
    Server().Psql(
        "DROP TABLE IF EXISTS blocks;"
        "CREATE TABLE blocks (id int, t text, s varchar(3), bin bytea, d double precision, n numeric);"
        "INSERT INTO blocks SELECT g,"
        " CASE WHEN g % 5 = 0 THEN NULL WHEN g % 7 = 0 THEN repeat('x', 200 + g % 300) || U&'\\+01D11E' || g ELSE 'v' || g END,"
        " CASE WHEN g % 3 = 0 THEN U&'\\+01D11E\\+01D11E\\+01D11E' ELSE 'ab' END,"
        " CASE WHEN g % 4 = 0 THEN NULL ELSE set_byte(set_byte('\\x0000'::bytea, 0, g % 127 + 1), 1, g / 128 + 1) END,"
        " g / 8.0,"
        " CASE WHEN g % 11 = 0 THEN g * 10::numeric ^ 59 ELSE g + 0.25 END"
        " FROM generate_series(1, 1100) AS g;");
    // Through the ODBC driver: its blocks are the subject here.
    const _ConnectionPtr connection = Connect(L"Provider=MSDASQL;" + PostgresConnect());
    EXPECT_EQ(CheckRows(Query(connection, L"SELECT * FROM blocks ORDER BY id"), true), kRows);
}

TEST_F(BlockFetch, SqliteRowsOfEveryLengthArriveWholeAndInOrder) {
    testing_support::TempDir dir;
    const std::string file = (dir.path() / "blocks.sqlite").string();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    const char* sql =
        "CREATE TABLE blocks (id integer, t text, s varchar(3), bin blob, d double);"
        "WITH RECURSIVE g(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM g WHERE n < 1100)"
        " INSERT INTO blocks SELECT n,"
        " CASE WHEN n % 5 = 0 THEN NULL WHEN n % 7 = 0 THEN replace(printf('%.*c', 200 + n % 300, 'x'), ' ', 'x') || char(119070) || n"
        " ELSE 'v' || n END,"
        " CASE WHEN n % 3 = 0 THEN char(119070, 119070, 119070) ELSE 'ab' END,"
        " CASE WHEN n % 4 = 0 THEN NULL ELSE CAST(char(n % 127 + 1, n / 128 + 1) AS BLOB) END,"
        " n / 8.0 FROM g;";
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message;
    const _ConnectionPtr connection = Connect(SqliteConnect(file));
    EXPECT_EQ(CheckRows(Query(connection, L"SELECT * FROM blocks ORDER BY id"), false), kRows);
}

}  // namespace
