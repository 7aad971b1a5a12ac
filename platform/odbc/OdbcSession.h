#pragma once
// One connection through the ODBC driver manager, as a provider's session. Nothing it runs
// may change the source: the connection is opened read-only where the driver takes that, every
// statement runs in a transaction that is rolled back when its rows are read (read-only itself
// on PostgreSQL and MySQL, under query_only on SQLite), and StatementGate.h refuses what is not
// one reading statement before it is sent.
#include <memory>
#include <string>
#include <string_view>

#include "odbc/OdbcApi.h"
#include "provider/Provider.h"

namespace platform::odbc {

class OdbcSession : public provider::Session {
public:
    // Throws _com_error with the driver's SQLSTATE and message when it cannot connect.
    static std::shared_ptr<OdbcSession> Open(std::wstring_view connectString);

    provider::ResultSet Query(std::wstring_view sql, const provider::StatementLimits& limits) override;
    std::unique_ptr<provider::Cursor> Stream(std::wstring_view sql, const provider::StatementLimits& limits) override;
    provider::ResultSet Tables() override;
    std::wstring IdentifierQuote() const override { return m_quote; }

    // The database system as the driver names it ("PostgreSQL", "SQLite" ...).
    const std::wstring& DbmsName() const { return m_dbmsName; }

private:
    enum class Dbms { PostgreSql, MySql, SqlServer, Sqlite, Other };

    OdbcSession() = default;
    void MakeReadOnly();
    // A statement of the session's own (not a link's), run and its cursor closed.
    void RunOwn(std::wstring_view sql);
    std::wstring FirstValueOf(std::wstring_view sql);

    std::unique_ptr<Environment> m_environment;
    std::unique_ptr<Connection> m_connection;
    Dbms m_dbms = Dbms::Other;
    std::wstring m_dbmsName;
    std::wstring m_quote = L"\"";
    std::wstring m_schema;  // the schema whose tables are listed; empty: every schema
};

}  // namespace platform::odbc
