#pragma once
// The Access engine behind a connection: the file's tables (read with libmdb, see
// MdbReader.h) in an in-memory SQLite database, where the SQL runs. A table is loaded the
// first time a statement reads it. Results come back whole, with every value typed as the
// Access column it comes from.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "access/AccessSql.h"
#include "access/AccessSqlTokens.h"
#include "access/CatalogObjects.h"
#include "provider/AdoTypes.h"
#include "provider/Provider.h"
#include "provider/ResultSet.h"
#include "com/Bstr.h"
#include "com/ComError.h"
#include "com/Variant.h"
#include "access/ConnectString.h"
#include "access/MdbReader.h"
#include "access/ReadOnlyPolicy.h"
#include "access/SavedQueries.h"
#include "access/StatementBudget.h"
#include "access/TableSource.h"

struct sqlite3;
struct sqlite3_stmt;

namespace platform::access {

struct ColumnPlan;  // how the values of a result column are typed (AccessEngine.cpp)

// The declared type of a column of the engine's copies of tables: the affinity SQLite needs,
// and the Access type.
const char* DeclaredTypeOf(int accessType);

using provider::ResultColumn;
using provider::ResultSet;
using provider::StatementLimits;
using provider::StatementStop;

class Database {
public:
    // Throws _com_error when the file is missing, not an Access file, or damaged. The context
    // opens the sources of the file's tables linked through ODBC, when a statement reads one.
    static std::shared_ptr<Database> Open(const ConnectTarget& target, const provider::OpenContext& context = {});
    // The tables of another source (a workbook, a folder of text files), worded as route words
    // errors; displayPath names the source in them.
    static std::shared_ptr<Database> Open(std::shared_ptr<TableSource> source, Route route, std::wstring_view displayPath);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    Route route() const { return m_route; }
    // Runs one statement within the limits; throws _com_error with the engine's wording on
    // failure, also when a limit is passed.
    ResultSet Query(std::wstring_view sql, const StatementLimits& limits = {});
    // The tables schema: one row per table (TABLE_NAME, TABLE_TYPE ...).
    ResultSet Tables();

private:
    struct TableState {
        mdb::Table definition;  // a linked table: the definition of the table it links to
        bool created = false;   // a table of the engine (a linked table only once its file was read)
        // Its CREATE TABLE, until a statement first names it: a file's tables are made in
        // SQLite when first read, not all at open.
        std::string createSql;
        bool loaded = false;
        // Where the rows are: this file, or the file of a linked table.
        mdb::FileReader* source = nullptr;
        std::string sourceName;   // UTF-8, the table's name there
        std::wstring linkedFile;  // a linked table: its file where it was found, else as stored
        mdb::Status linkStatus = mdb::Status::Ok;  // a linked table whose file does not read
        bool linkedTableMissing = false;           // its file has no such table
        // Complex columns: the column and the hidden table of its values.
        std::vector<std::pair<size_t, std::string>> complex;
    };

    struct ViewState {
        std::string name;       // UTF-8
        std::string accessSql;  // the saved definition
        std::string body;       // the statement after its PARAMETERS declaration
        // Its parameters: those declared, then the names its statement reads that nothing
        // else has. A query with parameters is no SQLite view: EXEC runs it with values.
        std::vector<QueryParameter> parameters;
        bool crosstab = false;   // its columns come from the data: made a view when first read
        bool pending = false;    // reads a crosstab not made yet: made when first read
        std::string translated;  // a pending view's SQLite statement
        std::vector<std::pair<std::string, ValueType>> columns;
        std::wstring error;     // why it cannot run, when it cannot
        bool created = false;
    };
    // A statement ready to step (AccessQueries.cpp).
    struct PreparedStatement {
        PreparedStatement() = default;
        PreparedStatement(const PreparedStatement&) = delete;
        PreparedStatement& operator=(const PreparedStatement&) = delete;
        ~PreparedStatement();
        sqlite3_stmt* stmt = nullptr;
        Translation translation;
        std::vector<QueryParameter> parameters;
        std::vector<sql::Token> values;  // given by EXEC, one a parameter
        std::vector<std::string> names;  // the parameters they are for, when EXEC names them
        std::string query;               // the saved query EXEC runs
    };
    // Converts the values given to the parameters' types and binds them; raises when values
    // are missing, too many or not of their parameter's type.
    void BindValues(const PreparedStatement& prepared, sqlite3_stmt* stmt);
    // The value given for each parameter, in the parameters' order; raises as BindValues.
    std::vector<const sql::Token*> ValuesInOrder(const PreparedStatement& prepared);

    Database() = default;
    // The in-memory SQLite database with the engine's functions and its read-only policy.
    void StartEngine();
    void AddTable(TableState state);
    // Makes the table of the engine by that name in SQLite, when it is one not made yet.
    bool MakeTable(std::string_view sqliteName);
    void MakeAllTables();
    // A table the source gives by its name alone (a range of cells), added the first time a
    // statement names it; false when the source has no such table.
    bool AddSourceTable(std::string_view sqliteName);
    void CreateTables(const std::vector<LinkedTable>& links, const std::vector<ComplexColumn>& complex);
    // A linked table's definition, from the file it links to.
    void ResolveLink(TableState& state, const LinkedTable& link, std::vector<std::pair<mdb::FileReader*, mdb::Catalog>>& read);
    // The reader of a file: this database's, or one of a file its tables link to.
    mdb::FileReader& ReaderOf(const std::string& hostPath, const std::string& password);
    [[noreturn]] void RaiseLinkError(const TableState& table);
    // The saved select queries as views.
    void CreateViews(const std::vector<SavedQuery>& saved);
    // The saved queries are made views when first needed: by the schema, or by a statement
    // that names one. Translating every query of a file costs more than a small statement
    // that reads a table.
    void MakeViews();
    // Whether the statement names a saved query (or cannot be read well enough to tell).
    bool NamesASavedQuery(std::wstring_view sqlText) const;
    ValueType ColumnType(std::string_view qualifier, std::string_view column) const;
    // parameters, when given: see TranslateAccess.
    Translation Translate(std::string_view sql, bool ansi89, std::vector<QueryParameter>* parameters = nullptr) const;
    // The names a view with parameters reads that nothing has: parameters too.
    void FindParameters(ViewState& view);
    // Reads a table of the file into its copy; the user's break (of the limits) stops the read.
    void Load(TableState& table, const StatementLimits& limits);
    TableState* FindTable(std::string_view sqliteName);
    [[noreturn]] void RaiseSqlError(std::wstring_view sql);
    [[noreturn]] void RaiseRefused();
    ResultSet Run(std::wstring_view sql, const StatementLimits& limits);
    // The steps of a statement, in order: prepared (refused when it changes anything), its
    // columns described, its rows fetched within the limits.
    void Prepare(std::wstring_view sqlText, const std::string& sql, sqlite3_stmt*& stmt);
    // Prepares SQLite SQL; the error code, the statement and its tail left as SQLite gives them.
    int TryPrepare(const std::string& sql, sqlite3_stmt*& stmt, const char*& tail);
    // The rest of Prepare once SQLite has prepared the statement (or failed to).
    void CheckPrepared(std::wstring_view sqlText, int rc, sqlite3_stmt* stmt, const char* tail);
    // Access SQL with its parameters (AccessQueries.cpp): translated and prepared; the names
    // that no table or query has become parameters, added to the list, as do references to
    // forms; a crosstab or a view that reads one is made on the way.
    Translation PrepareWithParameters(std::string_view access, bool ansi89, std::vector<QueryParameter>& parameters, sqlite3_stmt*& stmt,
                                      std::wstring_view sqlText, const StatementLimits& limits);
    // TRANSFORM ... PIVOT: its grid's statement, with a column for each column heading the data
    // (or the IN list) gives. With literals, the statement holds no parameters (for a view).
    Translation PrepareCrosstab(std::string_view access, bool ansi89, PreparedStatement& prepared, std::wstring_view sqlText,
                                const StatementLimits& limits, bool literals);
    // The statement of any form (EXEC, PARAMETERS, TRANSFORM, SELECT) ready to step.
    void PrepareStatement(std::wstring_view sqlText, PreparedStatement& prepared, const StatementLimits& limits);
    // Makes a saved crosstab, or a view that reads one, a view; false when it is none of them.
    bool MakeView(std::string_view name, const StatementLimits& limits);
    ViewState* FindView(std::string_view name);
    void LoadTablesRead(const StatementLimits& limits);
    [[noreturn]] void RaiseParametersMissing(const std::vector<QueryParameter>& parameters, size_t given, std::string_view query);
    std::vector<ColumnPlan> DescribeColumns(sqlite3_stmt* stmt, const Translation& translation, ResultSet& result);
    // A column read from a table of the file: its Access type and table.
    void DescribeOrigin(sqlite3_stmt* stmt, int i, ResultColumn& column, ColumnPlan& plan, std::string& origin);
    ValueType ComputedType(const std::string& lowerName, const Translation& translation, const std::string& lowerSql) const;
    void FetchRows(sqlite3_stmt* stmt, const std::vector<ColumnPlan>& plans, std::wstring_view sqlText, StatementBudget& budget,
                   ResultSet& result);
    // A table linked through ODBC, read whole from its source into a table of the engine the
    // first time a statement names it (OdbcLinks.cpp); false when the name is no such link, or
    // it was read already. Throws when its source is not trusted or cannot be read.
    bool ReadOdbcLink(std::string_view sqliteName);
    // Raises the error of a statement its budget stopped (time, memory, the user's break).
    [[noreturn]] void RaiseStopped(const StatementBudget& budget);

    Route m_route = Route::Odbc;
    std::wstring m_displayPath;
    std::string m_hostPath;
    // The readers of this file (first) and of the files its tables link to, each a process.
    std::vector<std::unique_ptr<mdb::FileReader>> m_readers;
    mdb::Catalog m_catalog;
    std::vector<TableState> m_tables;
    std::unordered_map<std::string, size_t> m_byName;  // lower-case ASCII name -> table
    std::vector<ViewState> m_views;                    // saved select queries, in catalogue order
    std::vector<StoredQuery> m_savedQueries;           // read from the file, until made views
    bool m_viewsMade = false;
    std::vector<OdbcLink> m_odbcLinks;                 // tables linked through ODBC
    std::shared_ptr<TableSource> m_source;             // where the tables come from, when not a file
    provider::OpenContext m_context;
    StatementLimits m_limits;                          // of the statement that runs
    sqlite3* m_db = nullptr;
    std::unique_ptr<ReadOnlyPolicy> m_policy;  // installed on m_db for its whole life
    // The budget of the statement running now, which the Access functions spend from; null
    // between statements (the engine's own statements are not limited).
    StatementBudget* m_running = nullptr;
};

}  // namespace platform::access
