#include "odbc/OdbcSession.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "odbc/OdbcErrors.h"
#include "odbc/OdbcValues.h"
#include "odbc/RowBlock.h"
#include "odbc/StatementGate.h"
#include "odbc/WholeResult.h"
#include "provider/TablesSchema.h"
#include "provider/Watchdog.h"
#include "text/TextCase.h"

namespace platform::odbc {
namespace {

constexpr long kLoginSeconds = 20;
// Rows fetched in one call into the driver.
constexpr size_t kBlockRows = 256;

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

namespace {

// One statement of a link, its rows read one at a time. The statement runs in a transaction
// of its own, rolled back when the cursor goes, however it ends.
class OdbcCursor : public provider::Cursor {
public:
    OdbcCursor(Connection& connection, std::wstring_view sql, const provider::StatementLimits& limits)
        : m_connection(connection), m_statement(connection), m_limits(limits) {
        if (limits.seconds > 0) m_statement.SetQueryTimeout(limits.seconds);
        m_watchdog = std::make_unique<provider::Watchdog>(limits.seconds, [this] { m_statement.Cancel(); });
        Guarded([&] { Breakable([&] { m_statement.ExecDirect(sql); }); });
        Guarded([&] {
            const int count = m_statement.ColumnCount();
            m_kinds.resize(static_cast<size_t>(count));
            m_columns.resize(static_cast<size_t>(count));
            for (int i = 0; i < count; ++i) m_kinds[static_cast<size_t>(i)] = PlanColumn(m_statement.Describe(i + 1), m_columns[static_cast<size_t>(i)]);
            if (count > 0 && RowBlock::Supported(connection)) {
                std::vector<BoundColumn> bindings;
                for (size_t i = 0; i < m_kinds.size(); ++i) bindings.push_back(BindingOf(m_kinds[i], m_columns[i]));
                m_block = std::make_unique<RowBlock>(m_statement, std::move(bindings), kBlockRows);
            }
        });
    }
    ~OdbcCursor() override {
        m_watchdog.reset();
        try {
            m_statement.CloseCursor();
            m_connection.Rollback();
        } catch (const OdbcFailure&) {
            // Nothing was written; a connection that cannot even roll back is closed with the session.
        }
    }

    const std::vector<provider::ResultColumn>& Columns() const override { return m_columns; }

    bool Next(_variant_t* row) override {
        if (m_columns.empty()) return false;
        PollBreak();
        bool fetched = false;
        Guarded([&] { fetched = FetchRow(); });
        if (m_watchdog->Expired()) RaiseTimeout(m_limits.seconds);
        if (!fetched) return false;
        ++m_rows;
        if (m_limits.rows > 0 && m_rows > m_limits.rows) RaiseRowLimit(m_limits.rows);
        if (m_limits.cells > 0 && m_rows * static_cast<long long>(m_columns.size()) > m_limits.cells) RaiseCellLimit(m_limits.cells);
        Guarded([&] {
            for (size_t i = 0; i < m_kinds.size(); ++i) {
                if (m_block) m_reader.Read(*m_block, m_blockRow, m_statement, static_cast<int>(i) + 1, m_kinds[i], row[i]);
                else m_reader.Read(m_statement, static_cast<int>(i) + 1, m_kinds[i], row[i]);
            }
        });
        return true;
    }

private:
    // Rows come a block at a time where the driver can; the next row of the block, or of the
    // statement.
    bool FetchRow() {
        if (!m_block) return m_statement.Fetch();
        if (++m_blockRow < m_blockSize) return true;
        m_blockRow = 0;
        m_blockSize = m_block->Fetch();
        return m_blockSize > 0;
    }

    // Runs a step of the statement; a failure becomes the driver's error, or the time limit's
    // or the break's when one of them stopped it.
    template <class Step>
    void Guarded(Step step) {
        try {
            step();
        } catch (const OdbcFailure& failure) {
            if (m_broken) RaiseCancelled();
            // HYT00: the driver's time-out; 57014: the server cancelled it (PostgreSQL's
            // statement time-out, which the driver sets from the query time-out).
            const bool serverCancelled = failure.State() == L"57014";
            if (m_watchdog->Expired() || failure.State() == L"HYT00" || (serverCancelled && m_watchdog->PastDeadline()))
                RaiseTimeout(m_limits.seconds);
            RaiseFailure(failure);
        }
    }
    // A step that may wait long on the server (the execution): it runs on a thread of its
    // own while this one asks for the user's break, which only this thread may ask for.
    template <class Step>
    void Breakable(Step step) {
        if (!m_limits.cancelled) return step();
        auto running = std::async(std::launch::async, step);
        while (running.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
            if (!m_broken && m_limits.cancelled()) {
                m_broken = true;
                m_statement.Cancel();
            }
        running.get();
        if (m_broken) RaiseCancelled();
    }
    // Between rows, the break is asked for a few times a second.
    void PollBreak() {
        if (!m_limits.cancelled) return;
        const auto now = std::chrono::steady_clock::now();
        if (now < m_nextPoll) return;
        m_nextPoll = now + std::chrono::milliseconds(50);
        if (m_limits.cancelled()) RaiseCancelled();
    }

    Connection& m_connection;
    Statement m_statement;
    provider::StatementLimits m_limits;
    std::unique_ptr<provider::Watchdog> m_watchdog;  // goes before the statement it watches
    std::vector<provider::ResultColumn> m_columns;
    std::vector<ValueKind> m_kinds;
    ValueReader m_reader;
    std::unique_ptr<RowBlock> m_block;  // null: a row at a time
    size_t m_blockRow = 0, m_blockSize = 0;
    long long m_rows = 0;
    bool m_broken = false;
    std::chrono::steady_clock::time_point m_nextPoll;
};

}  // namespace

std::unique_ptr<provider::Cursor> OdbcSession::Stream(std::wstring_view sql, const provider::StatementLimits& limits) {
    if (const std::wstring refusal = StatementRefusal(sql); !refusal.empty()) RaiseRefused(refusal);
    return std::make_unique<OdbcCursor>(*m_connection, sql, limits);
}

provider::ResultSet OdbcSession::Query(std::wstring_view sql, const provider::StatementLimits& limits) {
    const std::unique_ptr<provider::Cursor> cursor = Stream(sql, limits);
    return WholeResult(*cursor, limits);
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
