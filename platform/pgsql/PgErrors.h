#pragma once
// What failed in libpq or on the server: its SQLSTATE and message. Raised as the ODBC
// provider raises a driver's failure (odbc/OdbcErrors.h), in the same words and with the same
// HRESULT, so a link reads the same error whichever provider served it.
#include <stdexcept>
#include <string>

#include <libpq-fe.h>

namespace platform::pgsql {

class PgFailure : public std::runtime_error {
public:
    PgFailure(std::string state, std::string message) : std::runtime_error(message), m_state(std::move(state)), m_message(std::move(message)) {}
    const std::string& State() const { return m_state; }
    const std::string& Message() const { return m_message; }

private:
    std::string m_state;    // five characters
    std::string m_message;  // "ERROR: relation \"x\" does not exist"
};

// The failure a result carries (its SQLSTATE, severity and message), or the connection's
// message when the result is null (the connection was lost).
PgFailure FailureOf(const PGresult* result, const PGconn* connection);
// A connection that could not be made: 08001, with libpq's reason.
PgFailure ConnectFailureOf(const PGconn* connection);

// "SQLSTATE 42P01: ERROR: relation ..." under the ODBC provider's source and HRESULTs.
[[noreturn]] void RaiseFailure(const PgFailure& failure);

}  // namespace platform::pgsql
