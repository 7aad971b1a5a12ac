#pragma once
// One connection to a PostgreSQL server through libpq, and its results, as RAII objects.
// Statements are sent without waiting, and their results waited for on this thread in short
// steps, so a caller can ask for the user's break while the server works.
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "pgsql/PgConnectString.h"
#include "pgsql/PqLibrary.h"

namespace platform::pgsql {

struct ResultRelease {
    void operator()(PGresult* result) const;
};
using PgResult = std::unique_ptr<PGresult, ResultRelease>;

class PgConnection {
public:
    // Connects; throws PgFailure (08001, libpq's reason) when it cannot.
    explicit PgConnection(const ConnectParameters& parameters);
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    PGconn* Handle() const { return m_connection; }

    // Sends what the server runs next (several statements split by ";" are one send);
    // throws PgFailure when the connection cannot take it.
    void Send(const std::string& sql);
    // The next result of what was sent, waited for; null once every result has come. While
    // it waits, waiting() is called every kWaitStep.
    PgResult Next(const std::function<void()>& waiting = {});
    // Whether the next result can be had without waiting for the server.
    bool Ready();
    // Sends sql and reads all its results; the last one, or throws PgFailure for the first
    // that failed.
    PgResult Run(const std::string& sql);
    // Stops what runs on the server; may be called from another thread.
    void Cancel();

    static constexpr std::chrono::milliseconds kWaitStep{50};

private:
    PGconn* m_connection = nullptr;
    PGcancel* m_cancel = nullptr;
};

// Whether a result is a failure (the server's error, or a lost connection).
bool Failed(const PGresult* result);

}  // namespace platform::pgsql
