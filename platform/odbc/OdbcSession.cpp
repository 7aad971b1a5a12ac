#include "odbc/OdbcSession.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "odbc/OdbcErrors.h"
#include "odbc/OdbcValues.h"
#include "odbc/StatementGate.h"
#include "provider/TablesSchema.h"
#include "text/TextCase.h"

namespace platform::odbc {
namespace {

constexpr long kLoginSeconds = 20;

// Cancels a statement that runs past its time, from a thread of its own: the driver's own
// query time-out covers the execution at most, and not every driver keeps it.
class Watchdog {
public:
    Watchdog(Statement& statement, long seconds) {
        if (seconds <= 0) return;
        m_thread = std::thread([this, &statement, deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds)] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (m_done.wait_until(lock, deadline, [this] { return m_finished; })) return;
            m_expired = true;
            statement.Cancel();
        });
    }
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        if (m_thread.joinable()) m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
    bool Expired() const { return m_expired; }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::atomic<bool> m_expired{false};
    std::thread m_thread;
};

std::wstring SchemaTableType(const std::wstring& type) {
    if (type == L"BASE TABLE" || type == L"FOREIGN TABLE") return L"TABLE";
    if (type == L"MATERIALIZED VIEW" || type == L"MATVIEW") return L"VIEW";
    return type;
}

}  // namespace

std::shared_ptr<OdbcSession> OdbcSession::Open(std::wstring_view connectString) {
    std::shared_ptr<OdbcSession> session(new OdbcSession());
    try {
        session->m_environment = std::make_unique<Environment>();
        session->m_connection = std::make_unique<Connection>(*session->m_environment, connectString, kLoginSeconds);
        session->m_dbmsName = session->m_connection->InfoText(kInfoDbmsName);
        const std::wstring& name = session->m_dbmsName;
        if (platform::CompareNoCase(name, L"PostgreSQL") == 0) session->m_dbms = Dbms::PostgreSql;
        else if (platform::CompareNoCase(name, L"MySQL") == 0 || platform::CompareNoCase(name, L"MariaDB") == 0) session->m_dbms = Dbms::MySql;
        else if (name.find(L"SQL Server") != std::wstring::npos) session->m_dbms = Dbms::SqlServer;
        else if (name.rfind(L"SQLite", 0) == 0) session->m_dbms = Dbms::Sqlite;
        const std::wstring quote = session->m_connection->InfoText(kInfoIdentifierQuote);
        // A space means the source quotes no names; the standard quote is the better guess.
        if (!quote.empty() && quote != L" ") session->m_quote = quote;
        session->MakeReadOnly();
        if (session->m_dbms == Dbms::PostgreSql) session->m_schema = session->FirstValueOf(L"SELECT current_schema()");
        else if (session->m_dbms == Dbms::SqlServer) session->m_schema = session->FirstValueOf(L"SELECT SCHEMA_NAME()");
        session->m_connection->Rollback();
    } catch (const OdbcFailure& failure) {
        RaiseFailure(failure);
    }
    return session;
}

void OdbcSession::MakeReadOnly() {
    m_connection->SetReadOnly();
    // The session's own guard first, committed while each statement still commits itself; then
    // every later statement runs in a transaction of its own that is rolled back.
    switch (m_dbms) {
    case Dbms::PostgreSql: RunOwn(L"SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"); break;
    case Dbms::MySql: RunOwn(L"SET SESSION TRANSACTION READ ONLY"); break;
    case Dbms::Sqlite: RunOwn(L"PRAGMA query_only = 1"); break;
    case Dbms::SqlServer:
    case Dbms::Other: break;
    }
    m_connection->SetAutocommit(false);
}

void OdbcSession::RunOwn(std::wstring_view sql) {
    Statement statement(*m_connection);
    statement.ExecDirect(sql);
    statement.CloseCursor();
}

std::wstring OdbcSession::FirstValueOf(std::wstring_view sql) {
    Statement statement(*m_connection);
    statement.ExecDirect(sql);
    std::u16string value;
    if (statement.ColumnCount() < 1 || !statement.Fetch() || !statement.GetText(1, value)) value.clear();
    statement.CloseCursor();
    return FromUtf16(value);
}

provider::ResultSet OdbcSession::Query(std::wstring_view sql, const provider::StatementLimits& limits) {
    if (const std::wstring refusal = StatementRefusal(sql); !refusal.empty()) RaiseRefused(refusal);
    try {
        provider::ResultSet result = Run(sql, limits);
        m_connection->Rollback();
        return result;
    } catch (const std::bad_alloc&) {
        m_connection->Rollback();
        RaiseOutOfMemory();
    } catch (...) {
        // Whatever ran is undone before the error goes on.
        try {
            m_connection->Rollback();
        } catch (const OdbcFailure&) {
        }
        throw;
    }
}

provider::ResultSet OdbcSession::Run(std::wstring_view sql, const provider::StatementLimits& limits) {
    Statement statement(*m_connection);
    if (limits.seconds > 0) statement.SetQueryTimeout(limits.seconds);
    provider::ResultSet result;
    const Watchdog watchdog(statement, limits.seconds);
    try {
        statement.ExecDirect(sql);
        const int count = statement.ColumnCount();
        std::vector<ValueKind> kinds(static_cast<size_t>(count));
        result.columns.resize(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            kinds[static_cast<size_t>(i)] = PlanColumn(statement.Describe(i + 1), result.columns[static_cast<size_t>(i)]);
        ValueReader reader;
        size_t bytes = 0;
        while (count > 0 && statement.Fetch()) {
            if (watchdog.Expired()) RaiseTimeout(limits.seconds);
            if (limits.rows > 0 && static_cast<long long>(result.RowCount()) >= limits.rows) RaiseRowLimit(limits.rows);
            _variant_t* row = result.AppendRow();
            for (int i = 0; i < count; ++i) reader.Read(statement, i + 1, kinds[static_cast<size_t>(i)], row[i]);
            if (limits.bytes > 0) {
                bytes += provider::RowBytes(row, static_cast<size_t>(count));
                if (static_cast<long long>(bytes) > limits.bytes) RaiseMemoryLimit(limits.bytes);
            }
        }
        statement.CloseCursor();
    } catch (const OdbcFailure& failure) {
        if (watchdog.Expired() || failure.State() == L"HYT00") RaiseTimeout(limits.seconds);
        RaiseFailure(failure);
    }
    if (watchdog.Expired()) RaiseTimeout(limits.seconds);
    return result;
}

provider::ResultSet OdbcSession::Tables() {
    std::vector<provider::TableEntry> entries;
    try {
        Statement statement(*m_connection);
        statement.Tables(m_schema, L"TABLE,VIEW");
        std::u16string name, type;
        while (statement.Fetch()) {
            if (!statement.GetText(3, name)) continue;
            if (!statement.GetText(4, type)) type.clear();
            entries.push_back({FromUtf16(name), SchemaTableType(FromUtf16(type))});
        }
        statement.CloseCursor();
        m_connection->Rollback();
    } catch (const OdbcFailure& failure) {
        RaiseFailure(failure);
    }
    return provider::TablesRowset(std::move(entries));
}

}  // namespace platform::odbc
