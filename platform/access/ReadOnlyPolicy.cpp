#include "access/ReadOnlyPolicy.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace platform::access {
namespace {

std::string Lower(const char* s) {
    std::string out = s ? s : "";
    for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Pragmas that only describe the schema; every other pragma (settings, checkpoints, files)
// is refused, with or without a value.
constexpr std::array<std::string_view, 9> kDescribingPragmas = {
    "table_info", "table_xinfo", "table_list", "index_list", "index_info",
    "index_xinfo", "foreign_key_list", "collation_list", "function_list"};

// Functions that reach outside the connection in SQLite or its usual extensions.
constexpr std::array<std::string_view, 6> kRefusedFunctions = {
    "load_extension", "readfile", "writefile", "edit", "fts3_tokenizer", "sqlite_dbpage"};

template <size_t N>
bool Contains(const std::array<std::string_view, N>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

ReadOnlyPolicy::ReadOnlyPolicy(sqlite3* db) : m_db(db) {
    // Defence in depth: even a statement the authorizer let through could not open another
    // file, load code or write the schema table. The schema stays trusted: it is the engine's
    // own (the copies of the file's tables and the views it made of the saved queries), and
    // the authorizer sees what a view reads and calls when a statement uses it.
    sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_set_authorizer(db, &ReadOnlyPolicy::Authorize, this);
}

ReadOnlyPolicy::~ReadOnlyPolicy() { sqlite3_set_authorizer(m_db, nullptr, nullptr); }

void ReadOnlyPolicy::MakeVisible(const std::string& name) { m_visible.insert(Lower(name.c_str())); }

void ReadOnlyPolicy::Reset() {
    m_refused.clear();
    m_hiddenTable.clear();
    m_refusedWrite = false;
    m_read.clear();
}

int ReadOnlyPolicy::Authorize(void* self, int action, const char* a1, const char* a2, const char*, const char*) {
    return static_cast<ReadOnlyPolicy*>(self)->Decide(action, a1, a2);
}

int ReadOnlyPolicy::Refuse(std::string what, bool write) {
    // The first refusal is the one the statement is reported by.
    if (m_refused.empty()) {
        m_refused = std::move(what);
        m_refusedWrite = write;
    }
    return SQLITE_DENY;
}

int ReadOnlyPolicy::Decide(int action, const char* a1, const char* a2) {
    if (m_trusted) return SQLITE_OK;
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_RECURSIVE: return SQLITE_OK;
    case SQLITE_READ:
        // The engine's catalogue and built-in tables are not the database's: to a statement
        // they are not there at all.
        if (!a1 || !m_visible.count(Lower(a1))) {
            // Named even when something came first: a built-in table is made on first use by
            // a write to the catalogue, which would otherwise be what the statement is told.
            if (m_hiddenTable.empty() && a1) m_hiddenTable = a1;
            return Refuse(std::string("the table ") + (a1 ? a1 : "(unnamed)"));
        }
        m_read.insert(a1);
        return SQLITE_OK;
    case SQLITE_FUNCTION: {
        const std::string name = Lower(a2);
        return Contains(kRefusedFunctions, name) ? Refuse("the function " + name + "()") : SQLITE_OK;
    }
    case SQLITE_PRAGMA: {
        const std::string name = Lower(a1);
        return Contains(kDescribingPragmas, name) ? SQLITE_OK : Refuse("PRAGMA " + name);
    }
    case SQLITE_ATTACH: return Refuse("ATTACH");
    case SQLITE_DETACH: return Refuse("DETACH");
    case SQLITE_INSERT: return Refuse("INSERT", true);
    case SQLITE_UPDATE: return Refuse("UPDATE", true);
    case SQLITE_DELETE: return Refuse("DELETE", true);
    case SQLITE_TRANSACTION: return Refuse("a transaction");
    case SQLITE_SAVEPOINT: return Refuse("SAVEPOINT");
    case SQLITE_ANALYZE: return Refuse("ANALYZE");
    case SQLITE_REINDEX: return Refuse("REINDEX");
    case SQLITE_ALTER_TABLE: return Refuse("ALTER TABLE");
    case SQLITE_CREATE_VTABLE:
    case SQLITE_DROP_VTABLE: return Refuse("a virtual table");
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_TEMP_INDEX: return Refuse("CREATE INDEX");
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_TEMP_TABLE: return Refuse("CREATE TABLE");
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_CREATE_TEMP_TRIGGER: return Refuse("CREATE TRIGGER");
    case SQLITE_CREATE_VIEW:
    case SQLITE_CREATE_TEMP_VIEW: return Refuse("CREATE VIEW");
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_TEMP_INDEX:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_TEMP_TABLE:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_DROP_TEMP_TRIGGER:
    case SQLITE_DROP_VIEW:
    case SQLITE_DROP_TEMP_VIEW: return Refuse("DROP");
    default: return Refuse("an operation other than reading");
    }
}

}  // namespace platform::access
