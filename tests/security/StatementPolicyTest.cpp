// A link's SQL comes from a drawing anyone may have written: it may only read the database's
// own tables and queries. Each hostile statement is refused, names what was refused, and
// leaves nothing behind: no file created, no other database read, no state another statement
// of the same connection could see.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <utility>

#include "ado/Ado.h"
#include "testing/NwindConnection.h"
#include "text/Utf8.h"
#include "testing/TempDir.h"

namespace {

class StatementPolicy : public testing_support::NwindConnection {
protected:
    // The error the statement raises; empty when it ran.
    std::string ErrorOf(const std::string& sql) {
        try {
            Open(platform::FromUtf8(sql));
        } catch (const _com_error& e) {
            return DescriptionOf(e);
        }
        return {};
    }
};

// A SQLite file holding something a stranger's drawing must never carry away.
void MakeSecretFile(const std::string& path) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE logins(secret TEXT); INSERT INTO logins VALUES('hunter2');", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

TEST_F(StatementPolicy, AttachIsRefusedAndCreatesNoFile) {
    testing_support::TempDir dir;
    const std::string planted = dir / "planted.db";
    const std::string error = ErrorOf("ATTACH '" + planted + "' AS x");
    EXPECT_NE(error.find("ATTACH"), std::string::npos) << error;
    EXPECT_NE(error.find("refused"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(planted));
}

TEST_F(StatementPolicy, AnotherSqliteFileCannotBeReadInOneStatementOrTwo) {
    testing_support::TempDir dir;
    const std::string secret = dir / "secret.db";
    MakeSecretFile(secret);
    EXPECT_FALSE(ErrorOf("ATTACH '" + secret + "' AS x").empty());
    // Had the first statement been let through, the second would read the file.
    const std::string read = ErrorOf("SELECT secret FROM x.logins");
    EXPECT_FALSE(read.empty());
    EXPECT_EQ(read.find("hunter2"), std::string::npos);
    EXPECT_FALSE(ErrorOf("SELECT * FROM Shippers WHERE ShipperID IN (SELECT 1 FROM x.logins)").empty());
}

TEST_F(StatementPolicy, StatementsThatChangeTheConnectionAreRefused) {
    // Whatever stops them (the translator or the engine's policy), none runs and the
    // connection reads as before.
    const char* const statements[] = {
        "DETACH x",
        "BEGIN",
        "SAVEPOINT s",
        "PRAGMA writable_schema=1",
        "PRAGMA query_only=0",
        "CREATE TEMP TABLE t(a)",
        "CREATE TEMP VIEW v AS SELECT 1",
        "DROP TABLE Shippers",
        "INSERT INTO Shippers (CompanyName) VALUES ('x')",
        "ANALYZE",
        "VACUUM INTO '/tmp/velloria-vacuum.db'",
        "SELECT load_extension('/tmp/x')",
        "SELECT * FROM Shippers; ATTACH 'x' AS y",
    };
    for (const char* sql : statements) EXPECT_FALSE(ErrorOf(sql).empty()) << sql;
    EXPECT_FALSE(std::filesystem::exists("/tmp/velloria-vacuum.db"));
    EXPECT_EQ(ErrorOf("SELECT CompanyName FROM Shippers"), "");
}

TEST_F(StatementPolicy, ChangesToDataKeepAccesssWording) {
    for (const char* sql : {"DELETE FROM Shippers", "UPDATE Shippers SET CompanyName = 'x'"})
        EXPECT_NE(ErrorOf(sql).find("Operation must use an updateable query."), std::string::npos) << sql;
    EXPECT_EQ(ErrorOf("SELECT COUNT(*) FROM Shippers"), "");
}

// Only the database's own tables and queries are there: SQLite's catalogue and its built-in
// tables read as tables Access cannot find, whatever way a statement reaches them, and
// nothing of the engine's schema comes back.
TEST_F(StatementPolicy, TheEnginesOwnCatalogueIsNotThere) {
    const std::pair<const char*, const char*> hidden[] = {
        {"SELECT * FROM sqlite_master", "sqlite_master"},
        {"SELECT sql FROM main.sqlite_master", "sqlite_master"},
        {"SELECT * FROM [sqlite_master]", "sqlite_master"},
        {"SELECT COUNT(*) FROM sqlite_master", "sqlite_master"},
        {"SELECT * FROM sqlite_schema", "sqlite_"},
        {"SELECT * FROM sqlite_temp_master", "sqlite_temp_master"},
        {"SELECT * FROM Shippers WHERE CompanyName IN (SELECT name FROM sqlite_master)", "sqlite_master"},
        {"SELECT s.* FROM Shippers AS s, sqlite_master AS m", "sqlite_master"},
        {"SELECT name FROM pragma_function_list", "pragma_function_list"},
        {"SELECT * FROM pragma_compile_options", "pragma_compile_options"},
        {"SELECT * FROM dbstat", "dbstat"},
        {"SELECT * FROM sqlite_dbpage", "sqlite_dbpage"},
    };
    for (const auto& [sql, name] : hidden) {
        const std::string error = ErrorOf(sql);
        EXPECT_NE(error.find("cannot find the input table or query '" + std::string(name)), std::string::npos) << sql << ": " << error;
        EXPECT_EQ(error.find("CREATE"), std::string::npos) << sql;
    }
    // Table-valued functions are not Access functions at all.
    EXPECT_FALSE(ErrorOf("SELECT * FROM pragma_table_info('Shippers')").empty());
    // The database's own tables, system tables and saved queries still read.
    EXPECT_EQ(ErrorOf("SELECT COUNT(*) FROM [Order Details]"), "");
    EXPECT_EQ(ErrorOf("SELECT Name FROM MSysObjects"), "");
    EXPECT_EQ(ErrorOf("SELECT * FROM Invoices WHERE OrderID = 10248"), "");
}

}  // namespace
