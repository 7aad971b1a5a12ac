// A session on a real PostgreSQL server: it lists the tables and views of the current schema,
// quotes names as the server does, changes nothing whatever a statement asks, stops at its
// limits, and reports the server's own SQLSTATE and message.
#include <chrono>
#include <thread>
#include <string>

#include "odbc/OdbcTesting.h"

namespace {

using odbc_testing::AdoTest;
using odbc_testing::PostgresConnect;
using odbc_testing::Server;

std::wstring TextOf(const _variant_t& v) { return v.vt == VT_BSTR ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : L""; }

_RecordsetPtr OpenForwardOnly(const _ConnectionPtr& connection, const wchar_t* sql) {
    _RecordsetPtr rs;
    rs.CreateInstance(CLSID_Recordset);
    rs->PutCursorType(adOpenForwardOnly);
    rs->PutCursorLocation(adUseServer);
    rs->Open(_variant_t(sql), _variant_t(static_cast<IUnknown*>(connection.GetInterfacePtr())), adOpenForwardOnly, adLockReadOnly, adCmdText);
    return rs;
}

// Moves through the rows until an error stops the cursor: the rows read before it, and the
// error's code and text (0 and empty when none came).
struct Stopped {
    long read = 0;
    std::uint32_t code = 0;
    std::wstring text;
};
Stopped ReadUntilStopped(const _RecordsetPtr& rs) {
    Stopped stopped;
    try {
        for (; rs->GetadoEOF() != VARIANT_TRUE; rs->MoveNext()) ++stopped.read;
    } catch (const _com_error& e) {
        stopped.code = static_cast<std::uint32_t>(e.Error());
        stopped.text = std::wstring(e.Description());
    }
    return stopped;
}

class PostgresSession : public AdoTest, public ::testing::WithParamInterface<odbc_testing::PostgresRoute> {
protected:
    std::wstring RouteConnect() const { return PostgresConnect(GetParam()); }
    static void SetUpTestSuite() {
        Server().Psql(
            "DROP SCHEMA IF EXISTS other CASCADE; DROP TABLE IF EXISTS parts, \"Odd \"\"Name\"\"\" CASCADE;"
            "CREATE TABLE parts (id int, name text); INSERT INTO parts VALUES (1, 'bolt'), (2, 'nut'), (3, 'washer');"
            "CREATE VIEW cheap_parts AS SELECT * FROM parts WHERE id < 3;"
            "CREATE TABLE \"Odd \"\"Name\"\"\" (x int); INSERT INTO \"Odd \"\"Name\"\"\" VALUES (7);"
            "CREATE SCHEMA other; CREATE TABLE other.hidden (x int);"
            "CREATE OR REPLACE FUNCTION purge() RETURNS int LANGUAGE plpgsql AS $$ BEGIN DELETE FROM parts; RETURN 0; END $$;");
    }
    static std::string Count() { return Server().Psql("SELECT count(*) FROM parts"); }
};

TEST_P(PostgresSession, ListsTheTablesAndViewsOfTheCurrentSchema) {
    const _ConnectionPtr connection = Connect(RouteConnect());
    const _RecordsetPtr rs = connection->OpenSchema(adSchemaTables, _variant_t::Missing(), _variant_t::Missing());
    std::wstring listed;
    for (rs->MoveFirst(); !rs->GetadoEOF(); rs->MoveNext())
        listed += TextOf(rs->GetFields()->GetItem(_variant_t(L"TABLE_NAME"))->GetValue()) + L":" +
                  TextOf(rs->GetFields()->GetItem(_variant_t(L"TABLE_TYPE"))->GetValue()) + L" ";
    EXPECT_NE(listed.find(L"parts:TABLE "), std::wstring::npos) << platform::ToUtf8(listed);
    EXPECT_NE(listed.find(L"Odd \"Name\":TABLE "), std::wstring::npos) << platform::ToUtf8(listed);
    EXPECT_NE(listed.find(L"cheap_parts:VIEW "), std::wstring::npos) << platform::ToUtf8(listed);
    EXPECT_EQ(listed.find(L"hidden"), std::wstring::npos) << platform::ToUtf8(listed);
    EXPECT_EQ(listed.find(L"pg_"), std::wstring::npos) << platform::ToUtf8(listed);
}

TEST_P(PostgresSession, NamesAreQuotedAsTheServerQuotesThem) {
    const _ConnectionPtr connection = Connect(RouteConnect());
    EXPECT_EQ(std::wstring(connection->GetIdentifierQuote()), L"\"");
    // A table opened by its name: the quote inside the name doubled.
    _RecordsetPtr rs;
    rs.CreateInstance(CLSID_Recordset);
    rs->Open(_variant_t(L"Odd \"Name\""), _variant_t(static_cast<IUnknown*>(connection.GetInterfacePtr())), adOpenStatic, adLockOptimistic,
             adCmdTable);
    EXPECT_EQ(rs->GetFields()->GetItem(_variant_t(L"x"))->GetValue().lVal, 7);
}

TEST_P(PostgresSession, NothingAStatementAsksChangesTheServer) {
    const _ConnectionPtr connection = Connect(RouteConnect());
    const std::string before = Count();
    for (const wchar_t* sql : {L"DELETE FROM parts", L"UPDATE parts SET name = 'x'", L"CREATE TABLE evil (a int)", L"SELECT 1; DROP TABLE parts",
                               L"WITH d AS (DELETE FROM parts RETURNING *) SELECT * FROM d"}) {
        const auto [code, text] = Failure(connection, sql);
        EXPECT_EQ(code, 0x80040E14u) << platform::ToUtf8(sql);
        EXPECT_EQ(text.rfind(L"The statement was refused: a link runs one statement that only reads", 0), 0u) << platform::ToUtf8(text);
    }
    // Past the refusal, the server's read-only transaction: a function that deletes.
    const auto [code, text] = Failure(connection, L"SELECT purge()");
    EXPECT_EQ(code, 0x80004005u);
    EXPECT_NE(text.find(L"SQLSTATE 25006"), std::wstring::npos) << platform::ToUtf8(text);
    EXPECT_EQ(Count(), before);
    EXPECT_EQ(Server().Psql("SELECT count(*) FROM pg_tables WHERE tablename = 'evil'"), "0\n");
    // The refused statements never reached the server; the function did, and was rolled back.
    const std::string log = Server().Log();
    EXPECT_EQ(log.find("DELETE FROM parts\n"), std::string::npos);
    EXPECT_EQ(log.find("DROP TABLE parts"), std::string::npos);
    EXPECT_NE(log.find("SELECT purge()"), std::string::npos);
    // The session stays usable after each refusal.
    EXPECT_EQ(Query(connection, L"SELECT count(*) AS n FROM parts")->GetFields()->GetItem(_variant_t(L"n"))->GetValue().llVal, 3);
}

TEST_P(PostgresSession, AStatementStopsAtItsTimeAndItsResultAtItsSize) {
    const _ConnectionPtr connection = Connect(RouteConnect());
    const auto start = std::chrono::steady_clock::now();
    const auto [code, text] = Failure(connection, L"SELECT pg_sleep(30)", 1);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(code, 0x80040E31u);
    EXPECT_NE(text.find(L"limit of 1 seconds"), std::wstring::npos) << platform::ToUtf8(text);
    EXPECT_LT(seconds, 10.0);
    const auto rows = Failure(connection, L"SELECT g FROM generate_series(1, 1000) AS g", 30, 999);
    EXPECT_EQ(rows.first, 0x80040E31u);
    EXPECT_NE(rows.second.find(L"more than 999 rows"), std::wstring::npos);
    EXPECT_EQ(Failure(connection, L"SELECT g FROM generate_series(1, 1000) AS g", 30, 1000).first, 0u);
    const auto bytes = Failure(connection, L"SELECT repeat('x', 100000) FROM generate_series(1, 20)", 30, 0, 1 << 20);
    EXPECT_EQ(bytes.first, 0x80040E31u);
    EXPECT_NE(bytes.second.find(L"memory limit of 1 MB"), std::wstring::npos);
    connection->PutCellLimit(100);
    const auto cells = Failure(connection, L"SELECT g, g FROM generate_series(1, 51) AS g");
    EXPECT_EQ(cells.first, 0x80040E31u);
    EXPECT_NE(cells.second.find(L"more than 100 cells"), std::wstring::npos) << platform::ToUtf8(cells.second);
    connection->PutCellLimit(0);
    // And the next statement runs as usual.
    EXPECT_EQ(Query(connection, L"SELECT 1 AS one")->GetRecordCount(), 1);
}

// The user's break (Escape, ^C) stops a statement that waits on the server, asked for on the
// thread that runs the statement.
TEST_P(PostgresSession, TheUsersBreakStopsAStatementThatWaitsOnTheServer) {
    const _ConnectionPtr connection = Connect(RouteConnect());
    const auto start = std::chrono::steady_clock::now();
    const std::thread::id caller = std::this_thread::get_id();
    bool askedElsewhere = false;
    connection->PutCancelCheck([&] {
        askedElsewhere = askedElsewhere || std::this_thread::get_id() != caller;
        return std::chrono::steady_clock::now() - start > std::chrono::milliseconds(500);
    });
    const auto [code, text] = Failure(connection, L"SELECT pg_sleep(30)", 60);
    EXPECT_EQ(code, 0x80040E4Eu) << platform::ToUtf8(text);
    EXPECT_EQ(text, L"Operation canceled by the user.");
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 10.0);
    EXPECT_FALSE(askedElsewhere);
    connection->PutCancelCheck({});
    EXPECT_EQ(Query(connection, L"SELECT 1 AS one")->GetRecordCount(), 1);
}

// A forward-only cursor on the server side holds one row: it reads as it moves, cannot go
// back, and stops at the row limit on the way.
TEST_P(PostgresSession, AForwardOnlyCursorReadsTheRowsAsItMoves) {
    const _ConnectionPtr connection = Connect(RouteConnect());
    auto open = [&](const wchar_t* sql) { return OpenForwardOnly(connection, sql); };
    const _RecordsetPtr rs = open(L"SELECT id, name FROM parts ORDER BY id");
    EXPECT_EQ(rs->GetRecordCount(), -1);
    std::wstring names;
    for (; rs->GetadoEOF() != VARIANT_TRUE; rs->MoveNext()) names += TextOf(rs->GetFields()->GetItem(_variant_t(L"name"))->GetValue()) + L" ";
    EXPECT_EQ(names, L"bolt nut washer ");
    EXPECT_THROW(rs->MoveFirst(), _com_error);
    EXPECT_THROW(rs->PutSort(_bstr_t(L"id DESC")), _com_error);
    rs->Close();

    connection->PutRowLimit(500);
    const _RecordsetPtr limited = open(L"SELECT g FROM generate_series(1, 1000) AS g");
    const Stopped stopped = ReadUntilStopped(limited);
    EXPECT_EQ(stopped.code, 0x80040E31u) << "the row limit did not stop the cursor";
    EXPECT_EQ(stopped.read, 500);
}

// Many blocks of a cursor: every row comes once and in order with its values, and an error
// the server meets on the way comes after the rows before it, with its own state.
TEST_P(PostgresSession, ALongResultComesWholeAndAnErrorOnTheWayAfterItsRows) {
    const _ConnectionPtr connection = Connect(RouteConnect());
    const _RecordsetPtr rs = OpenForwardOnly(connection, L"SELECT g, 'row ' || g, CASE WHEN g % 1000 = 0 THEN NULL ELSE g * 0.5 END FROM generate_series(1, 70000) AS g");
    long expected = 1, wrong = 0;
    for (; rs->GetadoEOF() != VARIANT_TRUE; rs->MoveNext(), ++expected) {
        const FieldsPtr fields = rs->GetFields();
        const _variant_t id = fields->GetItem(_variant_t(0L))->GetValue();
        const _variant_t half = fields->GetItem(_variant_t(2L))->GetValue();
        const bool right = id.vt == VT_I4 && id.lVal == expected && TextOf(fields->GetItem(_variant_t(1L))->GetValue()) == L"row " + std::to_wstring(expected) &&
                           (expected % 1000 == 0 ? half.vt == VT_NULL : half.vt == VT_DECIMAL);
        if (!right && ++wrong <= 3) ADD_FAILURE() << "row " << expected << " came wrong";
    }
    EXPECT_EQ(expected, 70001);
    EXPECT_EQ(wrong, 0);
    rs->Close();

    const Stopped stopped = ReadUntilStopped(OpenForwardOnly(connection, L"SELECT 1 / (40000 - g) FROM generate_series(1, 50000) AS g"));
    EXPECT_EQ(stopped.text.rfind(L"SQLSTATE 22012: ", 0), 0u) << "a division by zero on the way: " << platform::ToUtf8(stopped.text);
    EXPECT_GT(stopped.read, 0);
    EXPECT_LT(stopped.read, 40000);
}

TEST_P(PostgresSession, TheServersOwnErrorsComeBackWithTheirState) {
    const _ConnectionPtr connection = Connect(RouteConnect());
    const auto [code, text] = Failure(connection, L"SELECT * FROM nowhere");
    EXPECT_EQ(code, 0x80040E14u);
    EXPECT_EQ(text.rfind(L"SQLSTATE 42P01: ERROR: relation \"nowhere\" does not exist", 0), 0u) << platform::ToUtf8(text);
    // A wrong password: the server's refusal, and the password nowhere in it.
    _ConnectionPtr refused;
    refused.CreateInstance(CLSID_Connection);
    try {
        refused->Open(_bstr_t(GetParam().prefix + std::wstring(L"Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=") + std::to_wstring(Server().Port()) +
                              L";Database=velloria;Uid=postgres;Pwd=wrong-horse;"),
                      _bstr_t(L""), _bstr_t(L""), 0);
        ADD_FAILURE() << "a wrong password opened the database";
    } catch (const _com_error& e) {
        const std::wstring description(e.Description());
        // A refused login is a failed connection (08001), with the server's reason.
        EXPECT_EQ(description.rfind(L"SQLSTATE 08001: ", 0), 0u) << platform::ToUtf8(description);
        EXPECT_NE(description.find(L"password authentication failed for user \"postgres\""), std::wstring::npos) << platform::ToUtf8(description);
        EXPECT_EQ(description.find(L"wrong-horse"), std::wstring::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(BothRoutes, PostgresSession, ::testing::ValuesIn(odbc_testing::kPostgresRoutes), odbc_testing::RouteName);

}  // namespace
