#pragma once
// One connection to a PostgreSQL server through libpq, as a provider's session. It keeps the
// promises of the ODBC session (odbc/OdbcSession.h) for the same server: the session is
// read-only, every statement of a link runs in a transaction of its own that is rolled back
// after, and odbc/StatementGate.h refuses what is not one reading statement before it is sent.
// Rows come through a cursor on the server, a block at a time, the next block asked for before
// the current one is converted, so the server works while this side does.
#include <memory>
#include <string>
#include <string_view>

#include "pgsql/PgConnection.h"
#include "provider/Provider.h"

namespace platform::pgsql {

class PgSession : public provider::Session {
public:
    // Throws _com_error with the SQLSTATE and libpq's reason when it cannot connect.
    static std::shared_ptr<PgSession> Open(const provider::ConnectPairs& pairs);

    provider::ResultSet Query(std::wstring_view sql, const provider::StatementLimits& limits) override;
    std::unique_ptr<provider::Cursor> Stream(std::wstring_view sql, const provider::StatementLimits& limits) override;
    provider::ResultSet Tables() override;
    std::wstring IdentifierQuote() const override { return L"\""; }

private:
    explicit PgSession(const ConnectParameters& parameters) : m_connection(parameters) {}

    PgConnection m_connection;
};

}  // namespace platform::pgsql
