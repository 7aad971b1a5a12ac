#include "pgsql/PgSession.h"

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <vector>

#include "odbc/OdbcErrors.h"
#include "odbc/StatementGate.h"
#include "odbc/WholeResult.h"
#include "pgsql/PgErrors.h"
#include "pgsql/PgValues.h"
#include "provider/Watchdog.h"
#include "provider/TablesSchema.h"
#include "text/Utf8.h"

namespace platform::pgsql {
namespace {

constexpr long kLoginSeconds = 20;
// Rows of the first block: a small one, so the first row comes soon; later blocks are sized
// to about kBlockBytes of result each, within kMaxBlockRows.
constexpr int kFirstBlockRows = 256;
constexpr int kMaxBlockRows = 16384;
constexpr size_t kBlockBytes = 1u << 20;
// While a block is converted, what the server has sent of the next is taken in every so many
// rows, so the server is not held up by a full socket.
constexpr int kAbsorbEvery = 512;
constexpr const char* kCursorName = "velloria_rows";

// Whether the statement can be a cursor's: what a reading statement begins with, after
// comments and opening parentheses.
bool IsQuery(std::wstring_view sql) {
    size_t i = 0;
    const size_t n = sql.size();
    while (i < n) {
        const wchar_t c = sql[i];
        if (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f' || c == L'(') {
            ++i;
        } else if (c == L'-' && i + 1 < n && sql[i + 1] == L'-') {
            while (i < n && sql[i] != L'\n') ++i;
        } else if (c == L'/' && i + 1 < n && sql[i + 1] == L'*') {
            int depth = 0;
            do {
                if (sql.compare(i, 2, L"/*") == 0) ++depth, i += 2;
                else if (sql.compare(i, 2, L"*/") == 0) --depth, i += 2;
                else ++i;
            } while (i < n && depth > 0);
        } else {
            break;
        }
    }
    size_t end = i;
    while (end < n && std::iswalpha(static_cast<wint_t>(sql[end]))) ++end;
    std::wstring word(sql.substr(i, end - i));
    for (wchar_t& c : word) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return word == L"SELECT" || word == L"WITH" || word == L"VALUES" || word == L"TABLE";
}

// The transaction of one statement, rolled back when it goes however the statement ended:
// what is still on its way from the server is read first.
class RolledBack {
public:
    explicit RolledBack(PgConnection& connection) : m_connection(connection) {}
    ~RolledBack() {
        try {
            while (m_connection.Next()) {
            }
            m_connection.Run("ROLLBACK");
        } catch (const PgFailure&) {
            // Nothing was written; a connection that cannot even roll back is closed with the session.
        }
    }
    RolledBack(const RolledBack&) = delete;
    RolledBack& operator=(const RolledBack&) = delete;

private:
    PgConnection& m_connection;
};

// One statement of a link, its rows read one at a time from blocks of the server's cursor.
class PgCursor : public provider::Cursor {
public:
    PgCursor(PgConnection& connection, std::wstring_view sql, const provider::StatementLimits& limits)
        : m_connection(connection), m_limits(limits), m_transaction(connection),
          m_watchdog(limits.seconds, [&connection] { connection.Cancel(); }) {
        std::string begin = "BEGIN";
        if (limits.seconds > 0) begin += "; SET LOCAL statement_timeout = " + std::to_string(limits.seconds * 1000LL);
        const std::string text = ToUtf8(sql);
        m_cursor = IsQuery(sql);
        Guarded([&] {
            if (m_cursor) {
                Execute(begin + "; DECLARE " + kCursorName + " NO SCROLL CURSOR FOR " + text);
                SendFetch(kFirstBlockRows);
            } else {
                Execute(begin);
                m_connection.Send(text);
                Pq().PQsetSingleRowMode(m_connection.Handle());
                m_pending = true;
            }
            TakeBlock();
            Describe();
            AskNext();
        });
    }

    const std::vector<provider::ResultColumn>& Columns() const override { return m_columns; }

    bool Next(_variant_t* row) override {
        if (m_columns.empty()) return false;
        PollBreak();
        if (m_row >= m_blockRows) {
            if (!m_pending) return false;
            Guarded([&] {
                TakeBlock();
                AskNext();
            });
            if (m_blockRows == 0) return false;
        }
        if (m_watchdog.Expired()) odbc::RaiseTimeout(m_limits.seconds);
        ++m_rows;
        if (m_limits.rows > 0 && m_rows > m_limits.rows) odbc::RaiseRowLimit(m_limits.rows);
        if (m_limits.cells > 0 && m_rows * static_cast<long long>(m_columns.size()) > m_limits.cells) odbc::RaiseCellLimit(m_limits.cells);
        const PqFunctions& pq = Pq();
        const PGresult* block = m_block.get();
        for (size_t i = 0; i < m_kinds.size(); ++i) {
            const int column = static_cast<int>(i);
            const int length = pq.PQgetlength(block, m_row, column);
            // Only an empty value can be a NULL: the call is saved for every other.
            if (length == 0 && pq.PQgetisnull(block, m_row, column)) {
                VariantClear(&row[i]);
                row[i].vt = VT_NULL;
            } else {
                ReadPgValue(m_kinds[i], pq.PQgetvalue(block, m_row, column), static_cast<size_t>(length), row[i]);
            }
        }
        ++m_row;
        if (m_pending && m_cursor && m_row % kAbsorbEvery == 0) Guarded([&] { m_connection.Ready(); });
        return true;
    }

private:
    // Sends statements and reads their results, waiting as the break allows.
    void Execute(const std::string& sql) {
        m_connection.Send(sql);
        PgResult failure;
        while (PgResult result = m_connection.Next([this] { Waiting(); }))
            if (!failure && Failed(result.get())) failure = std::move(result);
        if (failure) throw FailureOf(failure.get(), m_connection.Handle());
    }

    void SendFetch(int rows) {
        m_connection.Send("FETCH " + std::to_string(rows) + " FROM " + kCursorName);
        m_asked = rows;
        m_pending = true;
    }

    // The block on its way becomes the current one.
    void TakeBlock() {
        m_block.reset();
        m_row = 0;
        m_blockRows = 0;
        PgResult result = m_connection.Next([this] { Waiting(); });
        if (!result) {
            m_pending = false;
            return;
        }
        if (Failed(result.get())) {
            const PgFailure failure = FailureOf(result.get(), m_connection.Handle());
            m_pending = false;
            throw failure;
        }
        const ExecStatusType status = Pq().PQresultStatus(result.get());
        m_blockRows = Pq().PQntuples(result.get());
        if (status == PGRES_SINGLE_TUPLE) {
            m_block = std::move(result);
            return;  // more rows, or the statement's end, follow
        }
        // The end of what was sent: its last result, then nothing.
        while (PgResult more = m_connection.Next([this] { Waiting(); }))
            if (Failed(more.get())) {
                m_pending = false;
                throw FailureOf(more.get(), m_connection.Handle());
            }
        m_pending = false;
        m_block = std::move(result);
    }

    // The cursor's next block is asked for as soon as the current one is here, unless that
    // was its last; about kBlockBytes of rows.
    void AskNext() {
        if (!m_cursor || m_pending || !m_block || m_blockRows < m_asked) return;
        const size_t bytes = std::max<size_t>(Pq().PQresultMemorySize(m_block.get()), 1);
        const size_t rows = kBlockBytes * static_cast<size_t>(m_blockRows) / bytes;
        SendFetch(static_cast<int>(std::clamp<size_t>(rows, kFirstBlockRows, kMaxBlockRows)));
    }

    // The columns, from the first block; a table's NOT NULL columns are asked of the catalog,
    // as the driver asks.
    void Describe() {
        const PGresult* block = m_block.get();
        if (!block) return;
        const PqFunctions& pq = Pq();
        const int count = pq.PQnfields(block);
        std::string tables;
        for (int i = 0; i < count; ++i)
            if (const Oid table = pq.PQftable(block, i); table != InvalidOid && pq.PQftablecol(block, i) > 0)
                tables += (tables.empty() ? "" : ",") + std::to_string(table);
        std::vector<std::pair<Oid, int>> notNull;
        if (!tables.empty()) {
            m_connection.Send("SELECT attrelid, attnum FROM pg_catalog.pg_attribute WHERE attnotnull AND attrelid IN (" + tables + ")");
            PgResult failure;
            while (PgResult result = m_connection.Next([this] { Waiting(); })) {
                if (Failed(result.get())) {
                    if (!failure) failure = std::move(result);
                    continue;
                }
                for (int row = 0, rows = pq.PQntuples(result.get()); row < rows; ++row)
                    notNull.emplace_back(static_cast<Oid>(std::strtoul(pq.PQgetvalue(result.get(), row, 0), nullptr, 10)),
                                         std::atoi(pq.PQgetvalue(result.get(), row, 1)));
            }
            if (failure) throw FailureOf(failure.get(), m_connection.Handle());
        }
        m_columns.resize(static_cast<size_t>(count));
        m_kinds.resize(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            const std::pair<Oid, int> source(pq.PQftable(block, i), pq.PQftablecol(block, i));
            const bool nullable = std::find(notNull.begin(), notNull.end(), source) == notNull.end();
            m_kinds[static_cast<size_t>(i)] = PlanPgColumn(pq.PQftype(block, i), pq.PQfmod(block, i), pq.PQfname(block, i), nullable, m_columns[static_cast<size_t>(i)]);
        }
    }

    // Runs a step of the statement; a failure becomes the server's error, or the time limit's
    // or the break's when one of them stopped it.
    template <class Step>
    void Guarded(Step step) {
        try {
            step();
        } catch (const PgFailure& failure) {
            if (m_broken) odbc::RaiseCancelled();
            // 57014: a statement cancelled, by the watchdog or by statement_timeout.
            if (m_watchdog.Expired() || (failure.State() == "57014" && m_watchdog.PastDeadline())) odbc::RaiseTimeout(m_limits.seconds);
            RaiseFailure(failure);
        }
    }
    // Called while the server is waited for: the user's break cancels the statement there.
    void Waiting() {
        if (!m_broken && m_limits.cancelled && m_limits.cancelled()) {
            m_broken = true;
            m_connection.Cancel();
        }
    }
    // Between rows, the break is asked for a few times a second.
    void PollBreak() {
        if (!m_limits.cancelled) return;
        const auto now = std::chrono::steady_clock::now();
        if (now < m_nextPoll) return;
        m_nextPoll = now + PgConnection::kWaitStep;
        if (m_limits.cancelled()) odbc::RaiseCancelled();
    }

    PgConnection& m_connection;
    provider::StatementLimits m_limits;
    RolledBack m_transaction;
    provider::Watchdog m_watchdog;  // stops before the transaction is rolled back
    bool m_cursor = false;
    bool m_pending = false;  // a result is on its way
    int m_asked = 0;         // rows the last FETCH asked for
    PgResult m_block;
    int m_row = 0, m_blockRows = 0;
    std::vector<provider::ResultColumn> m_columns;
    std::vector<PgKind> m_kinds;
    long long m_rows = 0;
    bool m_broken = false;
    std::chrono::steady_clock::time_point m_nextPoll;
};

}  // namespace

std::shared_ptr<PgSession> PgSession::Open(const provider::ConnectPairs& pairs) {
    try {
        std::shared_ptr<PgSession> session(new PgSession(ConnectParametersOf(pairs, kLoginSeconds)));
        // Committed at once: every later statement runs in a read-only transaction.
        session->m_connection.Run("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY");
        return session;
    } catch (const PgFailure& failure) {
        RaiseFailure(failure);
    }
}

std::unique_ptr<provider::Cursor> PgSession::Stream(std::wstring_view sql, const provider::StatementLimits& limits) {
    if (const std::wstring refusal = odbc::StatementRefusal(sql); !refusal.empty()) odbc::RaiseRefused(refusal);
    return std::make_unique<PgCursor>(m_connection, sql, limits);
}

provider::ResultSet PgSession::Query(std::wstring_view sql, const provider::StatementLimits& limits) {
    const std::unique_ptr<provider::Cursor> cursor = Stream(sql, limits);
    return odbc::WholeResult(*cursor, limits);
}

provider::ResultSet PgSession::Tables() {
    // As the driver lists tables and views: those of the current schema (of every schema but
    // the system's when there is none), matviews as views, foreign and partitioned tables as tables.
    static constexpr const char* kTables =
        "SELECT c.relname, CASE WHEN c.relkind IN ('v', 'm') THEN 'VIEW' ELSE 'TABLE' END"
        " FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace"
        " WHERE c.relkind IN ('r', 'v', 'm', 'f', 'p') AND (n.nspname = current_schema() OR (current_schema() IS NULL"
        " AND n.nspname <> 'information_schema' AND n.nspname NOT LIKE 'pg\\_%'))";
    std::vector<provider::TableEntry> entries;
    try {
        const PgResult result = m_connection.Run(kTables);
        const PqFunctions& pq = Pq();
        for (int row = 0, rows = pq.PQntuples(result.get()); row < rows; ++row)
            entries.push_back({FromUtf8(pq.PQgetvalue(result.get(), row, 0)), FromUtf8(pq.PQgetvalue(result.get(), row, 1))});
    } catch (const PgFailure& failure) {
        RaiseFailure(failure);
    }
    return provider::TablesRowset(std::move(entries));
}

}  // namespace platform::pgsql
