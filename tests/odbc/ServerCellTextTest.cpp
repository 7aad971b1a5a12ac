// The cell texts of a server's values: one rule turns every value into text, whichever
// provider read it. The expected rows are written out by hand from that rule (integers in
// decimal, reals and decimals with "%g", dates as "%Y-%m-%d %H:%M:%S", booleans T and F,
// GUIDs in braces, binary and NULL as empty cells).
#include <sqlite3.h>

#include <string>
#include <vector>

#include "catalogue/ConnectStringTable.h"
#include "catalogue/MyDatabase.h"
#include "odbc/OdbcTesting.h"
#include "testing/TempDir.h"
#include "types/CellGrid.h"

namespace {

using odbc_testing::Drivers;
using odbc_testing::Server;

const std::vector<std::string> kHeader = {"id", "i", "b", "n", "d", "r", "t", "v", "dt", "ts", "ok", "u", "bin", "s", "tm"};
const std::string kLongText = [] {
    std::string text;
    for (int k = 0; k < 5000; ++k) text += "abcd";
    return text;
}();

// Rows as the one rule writes the values inserted below.
std::vector<std::vector<std::string>> ExpectedRows() {
    return {
        {"1", "42", "5000000000", "1234.5", "1.23457e+06", "0.25", kLongText, "Côte de Blaye ✓ 𝄞", "2024-03-05 00:00:00", "2024-03-05 14:07:09",
         "T", "{A0EEBC99-9C0B-4EF8-BB6D-6BB9BD380A11}", "", "-7", "1899-12-30 14:07:09"},
        {"2", "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
        {"3", "-1", "-9223372036854775808", "-0.05", "1e-05", "-1.5", "", "", "1899-12-29 00:00:00", "1899-12-29 06:00:00", "F",
         "{00000000-0000-0000-0000-000000000000}", "", "32767", "1899-12-30 00:00:00"},
    };
}

const char* const kValues =
    "(1, 42, 5000000000, 1234.50, 1234567.0, 0.25, '" "%LONG%" "', 'Côte de Blaye ✓ 𝄞', '2024-03-05', '2024-03-05 14:07:09', %TRUE%,"
    " 'a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11', %BLOB%, -7, '14:07:09'),"
    "(2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),"
    "(3, -1, -9223372036854775808, -0.05, 0.00001, -1.5, '', '', '1899-12-29', '1899-12-29 06:00:00', %FALSE%,"
    " '00000000-0000-0000-0000-000000000000', %EMPTYBLOB%, 32767, '00:00:00')";

std::string Values(bool postgres) {
    std::string text = kValues;
    auto put = [&](const std::string& token, const std::string& value) {
        for (size_t at = text.find(token); at != std::string::npos; at = text.find(token)) text.replace(at, token.size(), value);
    };
    put("%LONG%", kLongText);
    put("%TRUE%", postgres ? "true" : "1");
    put("%FALSE%", postgres ? "false" : "0");
    put("%BLOB%", postgres ? "'\\x00ff10'" : "x'00ff10'");
    put("%EMPTYBLOB%", postgres ? "''" : "x''");
    return text;
}

std::vector<std::vector<std::string>> Fetch(const CString& driver, const CString& location, const CString& user, const CString& password) {
    InitConnectStringTable();
    CMyDatabase db;
    EXPECT_TRUE(db.Open(driver, location, user, password)) << db.m_Database.GetLastErrorString().ToUtf8();
    CCellGrid grid;
    EXPECT_TRUE(db.FetchRecords(L"SELECT * FROM cell_kinds ORDER BY id", grid)) << db.m_Database.GetLastErrorString().ToUtf8();
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < grid.GetRows(); ++r) {
        rows.emplace_back();
        for (int c = 0; c < grid.GetCols(); ++c) rows.back().push_back(grid.CellRef(r, c).ToUtf8());
    }
    return rows;
}

void ExpectRows(const std::vector<std::vector<std::string>>& rows, const std::vector<std::vector<std::string>>& expected) {
    ASSERT_EQ(rows.size(), expected.size() + 1);
    EXPECT_EQ(rows[0], kHeader);
    for (size_t r = 0; r < expected.size(); ++r)
        for (size_t c = 0; c < kHeader.size(); ++c)
            EXPECT_EQ(rows[r + 1][c], expected[r][c]) << "row " << r + 1 << ", column " << kHeader[c];
}

class ServerCellText : public odbc_testing::AdoTest {};

TEST_F(ServerCellText, PostgreSQLValuesBecomeTheTextsOfTheOneRule) {
    Server().Psql("DROP TABLE IF EXISTS cell_kinds; CREATE TABLE cell_kinds (id int, i int, b bigint, n numeric(12,2), d double precision,"
                  " r real, t text, v varchar(40), dt date, ts timestamp, ok boolean, u uuid, bin bytea, s smallint, tm time);"
                  "INSERT INTO cell_kinds VALUES " + Values(true));
    ExpectRows(Fetch(L"PostgreSQL Unicode", CString::FromUtf8(Server().Location()), L"postgres",
                     CString::FromUtf8(testing_support::PostgresServer::kPassword)),
               ExpectedRows());
}

// The same values in a SQLite file through the SQLite ODBC driver. SQLite has no type of its
// own for GUIDs: the column holds the text as it was written, so its cells differ.
TEST_F(ServerCellText, SqliteThroughItsOdbcDriverGivesTheSameTextsButForGuids) {
    Drivers();
    testing_support::TempDir dir;
    const std::string file = dir / "kinds.db";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    const std::string sql = "CREATE TABLE cell_kinds (id INTEGER, i INTEGER, b BIGINT, n NUMERIC(12,2), d DOUBLE, r REAL, t TEXT,"
                            " v VARCHAR(40), dt DATE, ts TIMESTAMP, ok BOOLEAN, u TEXT, bin BLOB, s SMALLINT, tm TIME);"
                            "INSERT INTO cell_kinds VALUES " + Values(false);
    char* error = nullptr;
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_close(db);

    auto expected = ExpectedRows();
    expected[0][11] = "a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11";
    expected[2][11] = "00000000-0000-0000-0000-000000000000";
    ExpectRows(Fetch(L"SQLite3 ODBC Driver", CString::FromUtf8(file), L"", L""), expected);
}

}  // namespace
