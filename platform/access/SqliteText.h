#pragma once
// Small pieces of SQLite text and handles the engine's files share.
#include <sqlite3.h>

#include <string>
#include <string_view>

namespace platform::access::sqlite_text {

// A name as an SQLite identifier.
inline std::string Quoted(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

// Access names compare without regard to (ASCII) case.
inline std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (auto& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

struct StatementGuard {
    sqlite3_stmt* stmt = nullptr;
    StatementGuard() = default;
    StatementGuard(const StatementGuard&) = delete;
    StatementGuard& operator=(const StatementGuard&) = delete;
    ~StatementGuard() {
        if (stmt) sqlite3_finalize(stmt);
    }
};

}  // namespace platform::access::sqlite_text
