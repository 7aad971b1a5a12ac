// Reading the tokens of a statement, and the date literals among them (see AccessSqlTokens.h).
#include "access/AccessSqlTokens.h"

#include <cctype>
#include <cstring>
#include <optional>

#include "access/AccessSql.h"
#include "com/Variant.h"

namespace platform::access {
namespace {

using sql::EqualsNoCase;

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80; }

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

namespace sql {

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::vector<Token> Tokenize(std::string_view s) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        const size_t begin = i, count = tokens.size();
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else if (c == '\'' || c == '"') {
            Token t{Token::Text, {}};
            ++i;
            for (;;) {
                if (i >= s.size()) throw SqlSyntaxError(std::string(s.substr(0, 40)));
                if (s[i] == c && i + 1 < s.size() && s[i + 1] == c) t.text += c, i += 2;
                else if (s[i] == c) {
                    ++i;
                    break;
                } else t.text += s[i++];
            }
            tokens.push_back(std::move(t));
        } else if (c == '[') {
            const size_t end = s.find(']', i + 1);
            if (end == std::string_view::npos) throw SqlSyntaxError(std::string(s.substr(i, 40)));
            tokens.push_back({Token::Name, std::string(s.substr(i + 1, end - i - 1))});
            i = end + 1;
        } else if (c == '`') {
            // A backquote doubled inside the name is one of its characters, so that a name
            // put between backquotes stays one name whatever it holds.
            Token t{Token::Name, {}};
            for (size_t at = i + 1;;) {
                const size_t end = s.find('`', at);
                if (end == std::string_view::npos) throw SqlSyntaxError(std::string(s.substr(i, 40)));
                t.text += s.substr(at, end - at);
                if (end + 1 < s.size() && s[end + 1] == '`') {
                    t.text += '`';
                    at = end + 2;
                    continue;
                }
                i = end + 1;
                break;
            }
            tokens.push_back(std::move(t));
        } else if (c == '#') {
            const size_t end = s.find('#', i + 1);
            const auto date = end == std::string_view::npos ? std::nullopt : ParseDateLiteral(s.substr(i + 1, end - i - 1));
            if (!date) throw SqlSyntaxError(std::string(s.substr(i, end == std::string_view::npos ? 40 : end - i + 1)));
            Token t{Token::Date, std::string(s.substr(i, end - i + 1))};
            t.date = *date;
            tokens.push_back(std::move(t));
            i = end + 1;
        } else if (std::isdigit(static_cast<unsigned char>(c)) || (c == '.' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
            size_t end = i;
            while (end < s.size() && (std::isdigit(static_cast<unsigned char>(s[end])) || s[end] == '.')) ++end;
            if (end < s.size() && (s[end] == 'e' || s[end] == 'E') && end + 1 < s.size() &&
                (std::isdigit(static_cast<unsigned char>(s[end + 1])) || s[end + 1] == '-' || s[end + 1] == '+')) {
                end += 2;
                while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]))) ++end;
            }
            tokens.push_back({Token::Number, std::string(s.substr(i, end - i))});
            i = end;
        } else if (IsWordChar(c)) {
            size_t end = i;
            while (end < s.size() && IsWordChar(s[end])) ++end;
            tokens.push_back({Token::Word, std::string(s.substr(i, end - i))});
            i = end;
        } else if (c == '(') {
            tokens.push_back({Token::Open, "("}), ++i;
        } else if (c == ')') {
            tokens.push_back({Token::Close, ")"}), ++i;
        } else if (c == ',') {
            tokens.push_back({Token::Comma, ","}), ++i;
        } else if ((c == '<' || c == '>') && i + 1 < s.size() && (s[i + 1] == '=' || (c == '<' && s[i + 1] == '>'))) {
            tokens.push_back({Token::Op, std::string(s.substr(i, 2))}), i += 2;
        } else if (std::strchr("=<>+-*/\\^&.!;", c)) {
            tokens.push_back({Token::Op, std::string(1, c)}), ++i;
        } else {
            throw SqlSyntaxError(std::string(1, c));
        }
        if (tokens.size() > count) tokens.back().begin = begin, tokens.back().end = i;
    }
    while (!tokens.empty() && tokens.back().kind == Token::Op && tokens.back().text == ";") tokens.pop_back();
    tokens.push_back({Token::End, {}});
    tokens.back().begin = tokens.back().end = s.size();
    return tokens;
}

bool Is(const Token& t, const char* word) { return t.kind == Token::Word && EqualsNoCase(t.text, word); }

bool IsBoundaryWord(const Token& t) {
    static const char* const kWords[] = {"select", "from", "where", "group", "by", "having", "order", "asc", "desc", "and", "or",
                                         "not", "like", "between", "in", "is", "as", "on", "join", "inner", "left", "right", "outer",
                                         "union", "all", "distinct", "distinctrow", "exists", "top", "percent", "into", "values",
                                         "xor", "eqv", "imp", "transform", "pivot", "parameters", "with", "owneraccess", "option",
                                         "escape", "cross", "full", "natural", "using", "limit"};
    if (t.kind != Token::Word) return false;
    for (const char* w : kWords)
        if (EqualsNoCase(t.text, w)) return true;
    return false;
}

bool IsComparison(const Token& t) {
    return t.kind == Token::Op && (t.text == "=" || t.text == "<>" || t.text == "<" || t.text == ">" || t.text == "<=" || t.text == ">=");
}

std::string QuoteName(const std::string& name) {
    if (name.find(']') == std::string::npos) return "[" + name + "]";
    std::string out = "`";
    for (char c : name) out += c == '`' ? std::string("``") : std::string(1, c);
    return out + "`";
}

std::string QuoteText(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
}

}  // namespace sql
}  // namespace platform::access
