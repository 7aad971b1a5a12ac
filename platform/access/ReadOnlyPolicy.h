#pragma once
// What the SQL of a link or a preview may do: read the database's own tables and views, and
// nothing else. Drawings come from strangers and opening one may run every link's SQL, so a
// statement is judged as SQLite compiles it (an authorizer), never by reading its text: ATTACH,
// DETACH, PRAGMA, writes, schema changes, transactions and functions that reach outside the
// connection are refused, and the refusal says what was refused. Only the tables the engine
// made visible can be read: never SQLite's own catalogue (sqlite_master, sqlite_schema,
// sqlite_temp_master), its pragma tables or other built-in tables.
#include <set>
#include <string>

struct sqlite3;

namespace platform::access {

class ReadOnlyPolicy {
public:
    // Installs itself on the connection for the connection's life and turns off what no
    // statement of ours needs (extensions, attached files, schema writes by statements).
    explicit ReadOnlyPolicy(sqlite3* db);
    ~ReadOnlyPolicy();
    ReadOnlyPolicy(const ReadOnlyPolicy&) = delete;
    ReadOnlyPolicy& operator=(const ReadOnlyPolicy&) = delete;

    // While one lives, the engine's own statements (creating and loading the copies of the
    // file's tables, creating its saved queries as views) are not checked.
    class Trusted {
    public:
        explicit Trusted(ReadOnlyPolicy& policy) : m_policy(policy), m_was(policy.m_trusted) { policy.m_trusted = true; }
        ~Trusted() { m_policy.m_trusted = m_was; }
        Trusted(const Trusted&) = delete;
        Trusted& operator=(const Trusted&) = delete;

    private:
        ReadOnlyPolicy& m_policy;
        bool m_was;
    };

    // A table (or view) statements may read: a copy of a table of the file, or a saved query.
    void MakeVisible(const std::string& name);

    // Forgets what the last statement read and refused; call before compiling one.
    void Reset();
    // What the last statement was refused for ("ATTACH", "PRAGMA journal_mode" ...): empty
    // when nothing was refused.
    const std::string& Refused() const { return m_refused; }
    // Whether the refusal was of a change to data (INSERT, UPDATE, DELETE).
    bool RefusedAWrite() const { return m_refusedWrite; }
    // The first table the statement was refused for reading: one that is not visible. Empty
    // when it read none.
    const std::string& HiddenTable() const { return m_hiddenTable; }
    // The tables the last statement reads, as SQLite names them.
    const std::set<std::string>& TablesRead() const { return m_read; }

private:
    static int Authorize(void* self, int action, const char* a1, const char* a2, const char* database, const char* trigger);
    int Refuse(std::string what, bool write = false);
    int Decide(int action, const char* a1, const char* a2);

    sqlite3* m_db;
    bool m_trusted = false;
    bool m_refusedWrite = false;
    std::string m_refused;
    std::string m_hiddenTable;
    std::set<std::string> m_read;
    std::set<std::string> m_visible;  // lower-case ASCII
};

}  // namespace platform::access
