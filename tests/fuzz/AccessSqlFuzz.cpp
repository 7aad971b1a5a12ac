// The Access SQL translator: any text is translated or refused with one of the translator's
// errors (syntax, unsupported construct, unknown function); a translation is then run by
// SQLite with the Access functions over a few rows of three tables, under a step budget, as the
// engine runs a link's statement. Text that is not one statement may fail in SQLite: only
// faults count.
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include <sqlite3.h>

#include "access/AccessSql.h"
#include "access/StatementBudget.h"
#include "provider/StatementLimits.h"
#include "fuzz/FuzzTarget.h"

namespace {

using namespace platform::access;

struct ColumnInfo {
    const char* table;
    const char* column;
    ValueType type;
};

constexpr ColumnInfo kColumns[] = {
    {"Customers", "CustomerID", ValueType::Text},   {"Customers", "CompanyName", ValueType::Text}, {"Customers", "City", ValueType::Text},
    {"Orders", "OrderID", ValueType::Integer},      {"Orders", "CustomerID", ValueType::Text},     {"Orders", "OrderDate", ValueType::Date},
    {"Orders", "Freight", ValueType::Currency},     {"Orders", "Shipped", ValueType::Bool},        {"Order Details", "OrderID", ValueType::Integer},
    {"Order Details", "UnitPrice", ValueType::Currency}, {"Order Details", "Quantity", ValueType::Integer},
    {"Order Details", "Discount", ValueType::Double},
};

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

ValueType Resolve(std::string_view qualifier, std::string_view column) {
    for (const ColumnInfo& c : kColumns)
        if (SameName(c.column, column) && (qualifier.empty() || SameName(c.table, qualifier))) return c.type;
    return ValueType::Unknown;
}

bool HasColumn(std::string_view table, std::string_view column) {
    for (const ColumnInfo& c : kColumns)
        if (SameName(c.table, table) && (column.empty() || SameName(c.column, column))) return true;
    return false;
}

// The budget of the statement running, which the Access functions spend from.
platform::access::StatementBudget* g_running = nullptr;

// The tables, as the engine declares them, with a few rows; read-only afterwards.
sqlite3* Database() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        if (sqlite3_open_v2(":memory:", &d, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) return d;
        sqlite3_db_config(d, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(d, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        RegisterAccessFunctions(d, &g_running);
        sqlite3_exec(d,
                     "CREATE TABLE \"Customers\" (\"CustomerID\" TEXT COLLATE access_text, \"CompanyName\" TEXT COLLATE access_text,"
                     " \"City\" TEXT COLLATE access_text);"
                     "CREATE TABLE \"Orders\" (\"OrderID\" INT_LONG, \"CustomerID\" TEXT COLLATE access_text, \"OrderDate\" REAL_DATETIME,"
                     " \"Freight\" REAL_CURRENCY, \"Shipped\" INT_BOOL);"
                     "CREATE TABLE \"Order Details\" (\"OrderID\" INT_LONG, \"UnitPrice\" REAL_CURRENCY, \"Quantity\" INT_SHORT,"
                     " \"Discount\" REAL_SINGLE);"
                     "INSERT INTO \"Customers\" VALUES ('ALFKI', 'Alfreds Futterkiste', 'Berlin'), ('BONAP', 'Bon app''', NULL),"
                     " ('x', '', 'Zürich');"
                     "INSERT INTO \"Orders\" VALUES (10248, 'ALFKI', 35000.5, 32.38, -1), (10249, NULL, NULL, 0, 0),"
                     " (10250, 'BONAP', -1.25, 922337203685477.5807, 1);"
                     "INSERT INTO \"Order Details\" VALUES (10248, 14, 12, 0), (10248, 9.8, 10, 0.15), (10250, NULL, -1, 1e300);",
                     nullptr, nullptr, nullptr);
        sqlite3_exec(d, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
        // A result or a string built on the way is refused past a megabyte.
        sqlite3_limit(d, SQLITE_LIMIT_LENGTH, 1 << 20);
        return d;
    }();
    return db;
}

void Run(const std::string& sql) {
    sqlite3* db = Database();
    FUZZ_CHECK(db);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) != SQLITE_OK || !stmt) return;
    // Limits as a link's statement has them, smaller: what the functions build counts too.
    platform::provider::StatementLimits limits;
    limits.seconds = 5;
    limits.bytes = 16 << 20;
    StatementBudget budget(limits);
    g_running = &budget;
    int steps = 0;
    sqlite3_progress_handler(db, 1000, [](void* counter) { return ++*static_cast<int*>(counter) > 200 ? 1 : 0; }, &steps);
    for (int rows = 0; rows < 1000 && sqlite3_step(stmt) == SQLITE_ROW; ++rows)
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) sqlite3_column_text(stmt, c);
    sqlite3_progress_handler(db, 0, nullptr, nullptr);
    sqlite3_finalize(stmt);
    g_running = nullptr;
}

}  // namespace

VELLORIA_FUZZ_TARGET(AccessSql) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const bool ansi89 : {false, true}) {
        Translation translation;
        try {
            translation = TranslateAccess(text, ansi89, Resolve, HasColumn);
        } catch (const UnsupportedSql&) {
            continue;
        } catch (const UndefinedFunction&) {
            continue;
        } catch (const SqlSyntaxError&) {
            continue;
        }
        Run(translation.sql);
    }
    return 0;
}
