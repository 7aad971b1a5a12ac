#include "AccessSql.h"

#include <sqlite3.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "String.h"
#include "Utf8.h"
#include "Variant.h"

namespace platform::access {
namespace {

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// Reads digits; false when there are none.
bool Number(std::string_view s, size_t& i, int& value) {
    const size_t start = i;
    value = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && i - start < 5) value = value * 10 + (s[i++] - '0');
    return i > start;
}

void SkipSpaces(std::string_view s, size_t& i) {
    while (i < s.size() && s[i] == ' ') ++i;
}

}  // namespace

std::optional<double> ParseDateLiteral(std::string_view s) {
    size_t i = 0;
    SkipSpaces(s, i);
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
    int a, b, c;
    const size_t mark = i;
    bool haveDate = false;
    if (Number(s, i, a) && i < s.size() && (s[i] == '-' || s[i] == '/')) {
        const char separator = s[i++];
        if (!Number(s, i, b) || i >= s.size() || s[i] != separator) return std::nullopt;
        ++i;
        if (!Number(s, i, c)) return std::nullopt;
        if (separator == '-' || a > 31) {
            year = a, month = b, day = c;  // year first
        } else {
            month = a, day = b, year = c;  // the US order Access uses in literals
        }
        if (year < 100) year += year < 30 ? 2000 : 1900;
        haveDate = true;
    } else {
        i = mark;
    }
    SkipSpaces(s, i);
    if (i < s.size()) {
        if (!Number(s, i, hour)) return std::nullopt;
        if (i < s.size() && s[i] == ':') {
            ++i;
            if (!Number(s, i, minute)) return std::nullopt;
            if (i < s.size() && s[i] == ':') {
                ++i;
                if (!Number(s, i, second)) return std::nullopt;
            }
        }
        SkipSpaces(s, i);
        if (i + 2 <= s.size()) {
            const std::string_view ampm = s.substr(i, 2);
            if (EqualsNoCase(ampm, "PM") && hour < 12) hour += 12, i += 2;
            else if (EqualsNoCase(ampm, "AM") && hour == 12) hour = 0, i += 2;
            else if (EqualsNoCase(ampm, "AM")) i += 2;
            else if (EqualsNoCase(ampm, "PM")) i += 2;
        }
        SkipSpaces(s, i);
        if (i != s.size()) return std::nullopt;
    } else if (!haveDate) {
        return std::nullopt;
    }
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    UDATE u{};
    u.st.wYear = static_cast<WORD>(year);
    u.st.wMonth = static_cast<WORD>(month);
    u.st.wDay = static_cast<WORD>(day);
    u.st.wHour = static_cast<WORD>(hour);
    u.st.wMinute = static_cast<WORD>(minute);
    u.st.wSecond = static_cast<WORD>(second);
    DATE date = 0;
    if (FAILED(VarDateFromUdate(&u, 0, &date))) return std::nullopt;
    UDATE check{};  // 31 February and the like are refused
    if (FAILED(VarUdateFromDate(date, 0, &check)) || check.st.wDay != day || check.st.wMonth != month) return std::nullopt;
    return date;
}

std::string TranslateAccessSql(std::string_view sql, bool ansi89Wildcards) {
    std::string out;
    out.reserve(sql.size() + 16);
    size_t i = 0;
    bool pattern = false;  // the next text literal is a LIKE pattern
    while (i < sql.size()) {
        const char c = sql[i];
        if (c == '\'') {  // text literal, copied as it stands (a LIKE pattern may be respelled)
            const size_t start = i++;
            while (i < sql.size()) {
                if (sql[i] == '\'' && i + 1 < sql.size() && sql[i + 1] == '\'') i += 2;
                else if (sql[i++] == '\'') break;
            }
            std::string literal(sql.substr(start, i - start));
            if (pattern && ansi89Wildcards)
                for (auto& ch : literal) ch = ch == '*' ? '%' : ch == '?' ? '_' : ch;
            pattern = false;
            out += literal;
        } else if (c == '"') {  // Access reads "..." as text
            ++i;
            out += '\'';
            while (i < sql.size()) {
                if (sql[i] == '"' && i + 1 < sql.size() && sql[i + 1] == '"') {
                    out += '"';
                    i += 2;
                } else if (sql[i] == '"') {
                    ++i;
                    break;
                } else {
                    char ch = sql[i++];
                    if (ch == '\'') out += '\'';
                    if (pattern && ansi89Wildcards) ch = ch == '*' ? '%' : ch == '?' ? '_' : ch;
                    out += ch;
                }
            }
            out += '\'';
            pattern = false;
        } else if (c == '[' || c == '`') {  // names, copied as they stand
            const char close = c == '[' ? ']' : '`';
            const size_t end = sql.find(close, i + 1);
            const size_t stop = end == std::string_view::npos ? sql.size() : end + 1;
            out.append(sql.substr(i, stop - i));
            i = stop;
        } else if (c == '#') {
            const size_t end = sql.find('#', i + 1);
            const auto date = end == std::string_view::npos ? std::nullopt : ParseDateLiteral(sql.substr(i + 1, end - i - 1));
            if (date) {
                char number[40];
                std::snprintf(number, sizeof number, "%.17g", *date);
                out += number;
                i = end + 1;
            } else {
                out += c;
                ++i;
            }
        } else if (c == '&') {
            out += "||";
            ++i;
        } else if (IsWordChar(c) && (i == 0 || (!IsWordChar(sql[i - 1]) && sql[i - 1] != '.'))) {
            size_t end = i;
            while (end < sql.size() && IsWordChar(sql[end])) ++end;
            const std::string_view word = sql.substr(i, end - i);
            const bool qualified = end < sql.size() && sql[end] == '.';
            size_t next = end;
            while (next < sql.size() && sql[next] == ' ') ++next;
            const bool call = next < sql.size() && sql[next] == '(';
            // LEFT and RIGHT are join keywords in SQLite: the functions go by other names.
            if (call && (EqualsNoCase(word, "left") || EqualsNoCase(word, "right"))) out += "access_";
            if (EqualsNoCase(word, "like")) pattern = true;
            else pattern = false;
            if (!qualified && EqualsNoCase(word, "true")) out += "(-1)";
            else if (!qualified && EqualsNoCase(word, "false")) out += "0";
            else out.append(word);
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

namespace {

std::wstring Wide(sqlite3_value* v) {
    const auto* text = sqlite3_value_text(v);
    return text ? FromUtf8(std::string_view(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_value_bytes(v)))) : std::wstring();
}

void ResultWide(sqlite3_context* ctx, const std::wstring& text) {
    const std::string utf8 = ToUtf8(text);
    sqlite3_result_text(ctx, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

bool AnyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
    return false;
}

void IIf(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const bool condition = sqlite3_value_type(argv[0]) != SQLITE_NULL && sqlite3_value_double(argv[0]) != 0.0;
    sqlite3_result_value(ctx, argv[condition ? 1 : 2]);
}

void Nz(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) != SQLITE_NULL) sqlite3_result_value(ctx, argv[0]);
    else if (argc > 1) sqlite3_result_value(ctx, argv[1]);
    else sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);  // in a query Nz gives a zero-length text
}

template <bool Upper>
void ChangeCase(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
    std::wstring text = Wide(argv[0]);
    for (auto& ch : text) ch = Upper ? ToUpperChar(ch) : ToLowerChar(ch);
    ResultWide(ctx, text);
}

void Len(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(Wide(argv[0]).size()));
}

// Left, Right and Mid count characters, Mid from 1.
void Left(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
    const std::wstring text = Wide(argv[0]);
    const auto n = std::max<sqlite3_int64>(0, sqlite3_value_int64(argv[1]));
    ResultWide(ctx, text.substr(0, static_cast<size_t>(std::min<sqlite3_int64>(n, static_cast<sqlite3_int64>(text.size())))));
}

void Right(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
    const std::wstring text = Wide(argv[0]);
    const auto n = static_cast<size_t>(std::min<sqlite3_int64>(std::max<sqlite3_int64>(0, sqlite3_value_int64(argv[1])), static_cast<sqlite3_int64>(text.size())));
    ResultWide(ctx, text.substr(text.size() - n));
}

void Mid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (AnyNull(argc, argv)) return sqlite3_result_null(ctx);
    const std::wstring text = Wide(argv[0]);
    const sqlite3_int64 start = sqlite3_value_int64(argv[1]);
    if (start < 1) return sqlite3_result_error(ctx, "Invalid procedure call or argument", -1);
    if (static_cast<size_t>(start) > text.size()) return sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
    size_t count = std::wstring::npos;
    if (argc > 2) count = static_cast<size_t>(std::max<sqlite3_int64>(0, sqlite3_value_int64(argv[2])));
    ResultWide(ctx, text.substr(static_cast<size_t>(start - 1), count));
}

}  // namespace

void RegisterAccessFunctions(sqlite3* db) {
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "iif", 3, flags, nullptr, IIf, nullptr, nullptr);
    sqlite3_create_function(db, "nz", 1, flags, nullptr, Nz, nullptr, nullptr);
    sqlite3_create_function(db, "nz", 2, flags, nullptr, Nz, nullptr, nullptr);
    sqlite3_create_function(db, "ucase", 1, flags, nullptr, ChangeCase<true>, nullptr, nullptr);
    sqlite3_create_function(db, "lcase", 1, flags, nullptr, ChangeCase<false>, nullptr, nullptr);
    sqlite3_create_function(db, "len", 1, flags, nullptr, Len, nullptr, nullptr);
    sqlite3_create_function(db, "access_left", 2, flags, nullptr, Left, nullptr, nullptr);
    sqlite3_create_function(db, "access_right", 2, flags, nullptr, Right, nullptr, nullptr);
    sqlite3_create_function(db, "mid", 2, flags, nullptr, Mid, nullptr, nullptr);
    sqlite3_create_function(db, "mid", 3, flags, nullptr, Mid, nullptr, nullptr);
}

}  // namespace platform::access
