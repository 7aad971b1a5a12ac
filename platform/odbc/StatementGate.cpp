#include "odbc/StatementGate.h"

#include <cwctype>
#include <vector>

namespace platform::odbc {
namespace {

// Words that write, change the session or a transaction, run other code, or reach outside
// the database, in any of the dialects the drivers speak.
constexpr std::wstring_view kDenied[] = {
    L"INSERT", L"UPDATE", L"DELETE", L"MERGE", L"UPSERT", L"DROP", L"CREATE", L"ALTER", L"TRUNCATE", L"RENAME", L"GRANT", L"REVOKE", L"DENY",
    L"EXEC", L"EXECUTE", L"CALL", L"SET", L"RESET", L"BEGIN", L"COMMIT", L"ROLLBACK", L"SAVE", L"SAVEPOINT", L"DECLARE", L"USE", L"INTO",
    L"OUTFILE", L"DUMPFILE", L"LOCK", L"KILL", L"SHUTDOWN", L"RECONFIGURE", L"BACKUP", L"RESTORE", L"DBCC", L"BULK", L"OPENROWSET",
    L"OPENQUERY", L"OPENDATASOURCE", L"CHECKPOINT", L"ATTACH", L"DETACH", L"PRAGMA", L"COPY", L"VACUUM", L"LISTEN", L"NOTIFY", L"PREPARE",
    L"DEALLOCATE", L"HANDLER", L"LOAD", L"LO_EXPORT", L"LO_IMPORT", L"LO_UNLINK", L"PG_FILE_WRITE", L"PG_FILE_RENAME", L"PG_FILE_UNLINK",
    L"PG_TERMINATE_BACKEND", L"PG_CANCEL_BACKEND", L"PG_RELOAD_CONF", L"PG_PROMOTE", L"SET_CONFIG", L"LOAD_EXTENSION", L"WRITEFILE"};
// Families of functions: remote execution and the server's system procedures.
constexpr std::wstring_view kDeniedPrefixes[] = {L"DBLINK", L"XP_", L"SP_"};

struct Reading {
    bool backslashEscapes;
    bool nestedComments;
};

std::wstring Upper(std::wstring_view word) {
    std::wstring out(word);
    for (wchar_t& c : out) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return out;
}

bool IsWordStart(wchar_t c) { return c == L'_' || (c < 128 ? std::iswalpha(static_cast<wint_t>(c)) != 0 : true); }
bool IsWordPart(wchar_t c) { return IsWordStart(c) || c == L'$' || (c >= L'0' && c <= L'9'); }
bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f' || c == L'\v'; }

std::wstring DeniedWord(const std::wstring& upper) {
    for (std::wstring_view denied : kDenied)
        if (upper == denied) return upper;
    for (std::wstring_view prefix : kDeniedPrefixes)
        if (upper.compare(0, prefix.size(), prefix) == 0) return upper;
    return {};
}

// Reads the text one way; empty when it passes.
std::wstring Check(std::wstring_view sql, const Reading& reading) {
    const size_t n = sql.size();
    bool sawWord = false;
    bool ended = false;  // past a ";" that ends the statement
    for (size_t i = 0; i < n;) {
        const wchar_t c = sql[i];
        if (IsSpace(c)) {
            ++i;
            continue;
        }
        // Comments: hidden in every dialect only as written here.
        if (c == L'-' && i + 1 < n && sql[i + 1] == L'-' && (i + 2 == n || IsSpace(sql[i + 2]))) {
            while (i < n && sql[i] != L'\n') ++i;
            continue;
        }
        if (c == L'/' && i + 1 < n && sql[i + 1] == L'*' && !(i + 2 < n && sql[i + 2] == L'!')) {
            int depth = 1;
            i += 2;
            while (i < n && depth > 0) {
                if (sql[i] == L'*' && i + 1 < n && sql[i + 1] == L'/') {
                    --depth;
                    i += 2;
                } else if (reading.nestedComments && sql[i] == L'/' && i + 1 < n && sql[i + 1] == L'*') {
                    ++depth;
                    i += 2;
                } else {
                    ++i;
                }
            }
            if (depth > 0) return L"a comment that does not end";
            continue;
        }
        if (ended) return L"a second statement after \";\"";
        if (c == L';') {
            ended = true;
            ++i;
            continue;
        }
        // Literals and quoted names.
        if (c == L'\'' || c == L'"' || c == L'`' || c == L'[') {
            const wchar_t close = c == L'[' ? L']' : c;
            const bool escapes = reading.backslashEscapes && (c == L'\'' || c == L'"');
            ++i;
            bool closed = false;
            while (i < n) {
                if (escapes && sql[i] == L'\\') {
                    i += 2;
                    continue;
                }
                if (sql[i] == close) {
                    if (i + 1 < n && sql[i + 1] == close) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                ++i;
            }
            if (!closed) return L"a quote that does not end";
            continue;
        }
        if (IsWordStart(c)) {
            const size_t start = i;
            while (i < n && IsWordPart(sql[i])) ++i;
            const std::wstring word = Upper(sql.substr(start, i - start));
            if (!sawWord && word != L"SELECT" && word != L"WITH" && word != L"VALUES")
                return L"a statement that does not begin with SELECT, WITH or VALUES";
            sawWord = true;
            if (const std::wstring denied = DeniedWord(word); !denied.empty()) return denied;
            continue;
        }
        if (c >= L'0' && c <= L'9') {
            // A number ends where a letter that cannot be part of it begins: "1DELETE" is a
            // number and a word to some servers.
            auto digits = [&](bool hex) {
                while (i < n && (std::iswdigit(static_cast<wint_t>(sql[i])) || (hex && std::iswxdigit(static_cast<wint_t>(sql[i]))))) ++i;
            };
            if (c == L'0' && i + 1 < n && (sql[i + 1] == L'x' || sql[i + 1] == L'X')) {
                i += 2;
                digits(true);
                continue;
            }
            digits(false);
            if (i < n && sql[i] == L'.') ++i, digits(false);
            if (i + 1 < n && (sql[i] == L'e' || sql[i] == L'E') &&
                (std::iswdigit(static_cast<wint_t>(sql[i + 1])) || ((sql[i + 1] == L'+' || sql[i + 1] == L'-') && i + 2 < n && std::iswdigit(static_cast<wint_t>(sql[i + 2]))))) {
                i += 2;
                digits(false);
            }
            continue;
        }
        ++i;  // an operator or a parenthesis
    }
    if (!sawWord) return L"a statement that does not begin with SELECT, WITH or VALUES";
    return {};
}

}  // namespace

std::wstring StatementRefusal(std::wstring_view sql) {
    static constexpr Reading kReadings[] = {{false, false}, {false, true}, {true, false}, {true, true}};
    for (const Reading& reading : kReadings)
        if (std::wstring refusal = Check(sql, reading); !refusal.empty()) return refusal;
    return {};
}

}  // namespace platform::odbc
