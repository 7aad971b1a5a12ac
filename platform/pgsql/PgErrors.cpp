#include "pgsql/PgErrors.h"

#include "odbc/OdbcErrors.h"
#include "pgsql/PqLibrary.h"
#include "text/Utf8.h"

namespace platform::pgsql {
namespace {

std::string Trimmed(const char* text) {
    std::string out = text ? text : "";
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' ')) out.pop_back();
    return out;
}

}  // namespace

PgFailure FailureOf(const PGresult* result, const PGconn* connection) {
    const PqFunctions& pq = Pq();
    if (result) {
        const char* state = pq.PQresultErrorField(result, PG_DIAG_SQLSTATE);
        const char* severity = pq.PQresultErrorField(result, PG_DIAG_SEVERITY);
        const char* primary = pq.PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
        if (primary)
            return PgFailure(state ? state : "HY000", (severity ? std::string(severity) + ": " : std::string()) + Trimmed(primary));
        if (const std::string message = Trimmed(pq.PQresultErrorMessage(result)); !message.empty())
            return PgFailure(state ? state : "HY000", message);
    }
    // No result, or one without a message: the connection broke (08S01, as ODBC calls a lost link).
    return PgFailure("08S01", connection ? Trimmed(pq.PQerrorMessage(connection)) : "The connection to the server was lost.");
}

PgFailure ConnectFailureOf(const PGconn* connection) {
    std::string message = connection ? Trimmed(Pq().PQerrorMessage(connection)) : "";
    if (message.empty()) message = "The PostgreSQL server could not be reached.";
    return PgFailure("08001", message);
}

void RaiseFailure(const PgFailure& failure) {
    odbc::RaiseFailure(odbc::OdbcFailure("libpq", {{FromUtf8(failure.State()), 0, FromUtf8(failure.Message())}}));
}

}  // namespace platform::pgsql
