#include "pgsql/PgConnection.h"

#include <poll.h>

#include <vector>

#include "pgsql/PgErrors.h"

namespace platform::pgsql {

void ResultRelease::operator()(PGresult* result) const { Pq().PQclear(result); }

bool Failed(const PGresult* result) {
    if (!result) return true;
    const ExecStatusType status = Pq().PQresultStatus(result);
    return status == PGRES_BAD_RESPONSE || status == PGRES_NONFATAL_ERROR || status == PGRES_FATAL_ERROR;
}

PgConnection::PgConnection(const ConnectParameters& parameters) {
    const PqFunctions& pq = Pq();
    std::vector<const char*> keywords, values;
    for (const auto& [keyword, value] : parameters) {
        keywords.push_back(keyword.c_str());
        values.push_back(value.c_str());
    }
    keywords.push_back(nullptr);
    values.push_back(nullptr);
    m_connection = pq.PQconnectdbParams(keywords.data(), values.data(), 0);
    if (!m_connection || pq.PQstatus(m_connection) != CONNECTION_OK) {
        const PgFailure failure = ConnectFailureOf(m_connection);
        if (m_connection) pq.PQfinish(m_connection);
        throw failure;
    }
    m_cancel = pq.PQgetCancel(m_connection);
}

PgConnection::~PgConnection() {
    const PqFunctions& pq = Pq();
    if (m_cancel) pq.PQfreeCancel(m_cancel);
    pq.PQfinish(m_connection);
}

void PgConnection::Send(const std::string& sql) {
    if (!Pq().PQsendQuery(m_connection, sql.c_str())) throw FailureOf(nullptr, m_connection);
}

bool PgConnection::Ready() {
    const PqFunctions& pq = Pq();
    if (!pq.PQconsumeInput(m_connection)) throw FailureOf(nullptr, m_connection);
    return !pq.PQisBusy(m_connection);
}

PgResult PgConnection::Next(const std::function<void()>& waiting) {
    const PqFunctions& pq = Pq();
    while (pq.PQisBusy(m_connection)) {
        pollfd fd{pq.PQsocket(m_connection), POLLIN, 0};
        if (fd.fd < 0) throw FailureOf(nullptr, m_connection);
        if (::poll(&fd, 1, static_cast<int>(kWaitStep.count())) == 0 && waiting) waiting();
        if (!pq.PQconsumeInput(m_connection)) throw FailureOf(nullptr, m_connection);
    }
    return PgResult(pq.PQgetResult(m_connection));
}

PgResult PgConnection::Run(const std::string& sql) {
    Send(sql);
    PgResult last, failure;
    while (PgResult result = Next()) {
        if (!failure && Failed(result.get())) failure = std::move(result);
        else last = std::move(result);
    }
    if (failure) throw FailureOf(failure.get(), m_connection);
    return last;
}

void PgConnection::Cancel() {
    char reason[256];
    if (m_cancel) Pq().PQcancel(m_cancel, reason, sizeof reason);
}

}  // namespace platform::pgsql
