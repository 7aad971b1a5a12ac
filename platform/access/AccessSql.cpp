#include "access/AccessSql.h"

#include <sqlite3.h>

#include <cctype>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "access/AccessFunctions.h"

#include "mfc/String.h"
#include "text/Utf8.h"
#include "com/Variant.h"

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


namespace {

struct Token {
    enum Kind { Word, Name, Text, Number, Date, Op, Open, Close, Comma, End } kind = End;
    std::string text;  // a word, a name or a text's value, a number, an operator
    double date = 0;
};

std::vector<Token> Tokenize(std::string_view s) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
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
        } else if (c == '[' || c == '`') {
            const char close = c == '[' ? ']' : '`';
            const size_t end = s.find(close, i + 1);
            if (end == std::string_view::npos) throw SqlSyntaxError(std::string(s.substr(i, 40)));
            tokens.push_back({Token::Name, std::string(s.substr(i + 1, end - i - 1))});
            i = end + 1;
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
    }
    while (!tokens.empty() && tokens.back().kind == Token::Op && tokens.back().text == ";") tokens.pop_back();
    tokens.push_back({Token::End, {}});
    return tokens;
}

bool Is(const Token& t, const char* word) { return t.kind == Token::Word && EqualsNoCase(t.text, word); }

// Words that end an expression: clause and predicate keywords.
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

bool IsNumeric(ValueType t) { return t == ValueType::Integer || t == ValueType::Double || t == ValueType::Currency || t == ValueType::Bool; }

struct Expr {
    std::string sql;
    ValueType type = ValueType::Unknown;
    std::string name;       // the column name when the expression is a plain column
    std::string qualifier;  // and its table or alias, when written
};

// Wraps an expression so that its value carries its type out of the engine.
std::string Tagged(const std::string& sql, ValueType type) {
    if (type == ValueType::Currency) return "acc_tag_currency(" + sql + ")";
    if (type == ValueType::Date) return "acc_tag_date(" + sql + ")";
    return sql;
}

struct ColumnRef {
    std::string qualifier, column;  // column "*" for all columns
};
using ColumnRefs = std::vector<ColumnRef>;

struct Source {
    std::string name;   // a table or query of FROM; empty for a subquery
    std::string alias;
    bool table = false;  // a table of the file (its rows have an identity)
};

class Translator {
public:
    Translator(std::vector<Token> tokens, bool ansi89, const ColumnTypeResolver& resolve, const TableColumnLookup& tables)
        : m_t(std::move(tokens)), m_ansi89(ansi89), m_resolve(resolve), m_tables(tables) {}

    Translation Run() {
        Translation result;
        result.sql = Scope(true, &result.columns);
        if (Peek().kind != Token::End) throw SqlSyntaxError(Peek().text);
        return result;
    }

private:
    const Token& Peek(size_t ahead = 0) const { return m_t[std::min(m_pos + ahead, m_t.size() - 1)]; }
    const Token& Next() { return m_t[std::min(m_pos++, m_t.size() - 1)]; }

    // A statement, or the contents of parentheses: up to the closing parenthesis or the end.
    std::string Scope(bool outer, std::vector<std::pair<std::string, ValueType>>* columns) {
        std::string out;
        std::string limit;           // TOP n, as SQLite's LIMIT at the end of this SELECT
        bool topPercent = false;
        bool distinct = false;
        size_t fromStart = std::string::npos, orderStart = std::string::npos;  // in out, of this SELECT
        size_t selectStart = 0;      // where this scope's SELECT begins in out
        enum Clause { None, Select, From, Where, GroupBy, Having, OrderBy } clause = None;
        bool collateNext = false;    // the next expression is compared: text ignores case
        bool patternNext = false;    // the next expression is a LIKE pattern
        size_t columnIndex = 0;
        int selects = 0;
        struct Plain {
            std::string name, qualifier;
            size_t column;  // its entry in columns
        };
        std::vector<Plain> plainColumns;
        bool itemStart = false;              // at the start of an item of the select list
        std::vector<std::string> itemSql;    // each item of the select list, without its name
        bool distinctRow = false;
        std::vector<ColumnRef> selectRefs;   // the columns the select list reads
        std::vector<Source> sources;         // the tables and queries of FROM
        bool expectSource = false;
        const bool aggregatesBefore = m_aggregates;
        m_aggregates = false;
        bool grouped = false;
        ColumnRefs* const outerRefs = m_refs;
        auto append = [&](const std::string& text) {
            if (!out.empty() && out.back() != '(' && text != ")" ) out += ' ';
            out += text;
        };
        for (;;) {
            const Token& t = Peek();
            if (t.kind == Token::End || t.kind == Token::Close) break;
            if (t.kind == Token::Comma) {
                Next();
                append(",");
                itemStart = clause == Select;
                expectSource = clause == From;
                continue;
            }
            if (clause == Select && itemStart) {
                itemStart = false;
                if (!IsSimpleItem()) {
                    // A truth value (a comparison, Not, And ...): Access gives -1 for True.
                    const std::string sql = "(- (" + ItemUntilEnd() + "))";
                    itemSql.push_back(sql);
                    std::string name = "Expr" + std::to_string(1000 + columnIndex);
                    const bool named = Is(Peek(), "as") && (Peek(1).kind == Token::Name || Peek(1).kind == Token::Word);
                    if (named) name = Peek(1).text;
                    if (columns && outer && selects == 1) columns->push_back({name, ValueType::Bool});
                    append(named ? sql : sql + " AS " + QuoteName(name));
                    ++columnIndex;
                    continue;
                }
            }
            if (IsComparison(t)) {
                Next();
                append(t.text);
                collateNext = true;
                continue;
            }
            const bool call = (Is(t, "left") || Is(t, "right")) && Peek(1).kind == Token::Open;  // the functions, not the joins
            if (t.kind == Token::Word && IsBoundaryWord(t) && !call) {
                Next();
                if (Is(t, "xor") || Is(t, "eqv") || Is(t, "imp")) throw UnsupportedSql("the " + t.text + " operator");
                if (Is(t, "transform") || Is(t, "pivot")) throw UnsupportedSql("a crosstab query (TRANSFORM ... PIVOT)");
                if (Is(t, "parameters")) throw UnsupportedSql("a PARAMETERS declaration");
                if (Is(t, "into") || Is(t, "values")) throw UnsupportedSql("a statement that changes data (" + t.text + ")");
                if (Is(t, "limit") || Is(t, "using") || Is(t, "natural") || Is(t, "full") || Is(t, "cross") || Is(t, "escape"))
                    throw SqlSyntaxError(t.text);
                if (Is(t, "with")) {  // WITH OWNERACCESS OPTION: permissions, nothing to do here
                    if (Is(Peek(), "owneraccess") && Is(Peek(1), "option")) {
                        m_pos += 2;
                        continue;
                    }
                    throw SqlSyntaxError(t.text);
                }
                if (Is(t, "select")) {
                    if (!limit.empty()) throw UnsupportedSql("TOP in a UNION query");
                    selectStart = out.size();
                    ++selects;
                    append("SELECT");
                    clause = Select;
                    columnIndex = 0;
                    if (Is(Peek(), "distinctrow")) Next(), distinctRow = true;
                    else if (Is(Peek(), "distinct")) Next(), append("DISTINCT"), distinct = true;
                    else if (Is(Peek(), "all")) Next();
                    if (Is(Peek(), "top")) {
                        Next();
                        const Token& n = Next();
                        if (n.kind != Token::Number || n.text.find_first_not_of("0123456789") != std::string::npos) throw SqlSyntaxError("TOP " + n.text);
                        limit = n.text;
                        if (Is(Peek(), "percent")) Next(), topPercent = true;
                    }
                    itemStart = true;
                    m_refs = &selectRefs;
                    continue;
                }
                if (Is(t, "from")) {
                    clause = From;
                    if (fromStart == std::string::npos) fromStart = out.size();
                    m_refs = outerRefs;
                    expectSource = true;
                }
                if (clause == From && Is(t, "join")) expectSource = true;
                else if (Is(t, "where")) clause = Where;
                else if (Is(t, "group")) clause = GroupBy, grouped = true;
                else if (Is(t, "having")) clause = Having;
                else if (Is(t, "order")) {
                    clause = OrderBy;
                    orderStart = out.size();
                }
                else if (Is(t, "union")) {
                    if (!limit.empty()) throw UnsupportedSql("TOP in a UNION query");
                    clause = None;
                }
                if (Is(t, "as")) {  // an alias: a name, never an expression
                    const Token alias = Next();
                    if (alias.kind != Token::Name && alias.kind != Token::Word && alias.kind != Token::Text) throw SqlSyntaxError("AS " + alias.text);
                    append("AS " + QuoteName(alias.text));
                    continue;
                }
                if (Is(t, "like")) patternNext = true;
                if (Is(t, "between")) collateNext = true;
                append(t.text);
                continue;
            }
            if (t.kind == Token::Open && Is(Peek(1), "select")) {  // a subquery
                if (clause == From && expectSource) {
                    expectSource = false;
                    sources.push_back({"", SourceAlias(true), false});
                }
                Next();
                const std::string inner = Scope(false, nullptr);
                if (Next().kind != Token::Close) throw RaiseIncomplete();
                append("(" + inner + ")");
                collateNext = patternNext = false;
                continue;
            }
            // An expression: up to the next boundary.
            Expr e = Expression(0);
            if (clause == From && expectSource) {
                expectSource = false;
                const std::string table = e.qualifier.empty() ? e.name : std::string();
                sources.push_back({table, SourceAlias(false), !table.empty() && m_tables && m_tables(table, {})});
            }
            if (clause == Select) itemSql.push_back(e.sql);
            if (clause == Select && columns && outer && selects == 1) {  // a union takes its names from its first SELECT
                std::string name = e.name;
                if (Is(Peek(), "as")) {
                    const Token& alias = Peek(1);
                    if (alias.kind == Token::Name || alias.kind == Token::Word) name = alias.text;
                }
                if (name.empty()) name = "Expr" + std::to_string(1000 + columnIndex);
                columns->push_back({name, e.type});
                const bool star = e.sql == "*" || e.sql.ends_with(".*");
                if (star) columns->pop_back();
                if (!Is(Peek(), "as") && e.name.empty() && !star) e.sql += " AS " + QuoteName(name);  // Access names computed columns ExprNNNN
                // A plain column is named after its column, or table.column when two share a
                // name; the name is given here once the whole list is known.
                if (!Is(Peek(), "as") && !e.name.empty()) {
                    plainColumns.push_back({e.name, e.qualifier, columns->size() - 1});
                    e.sql += "\x01" + std::to_string(plainColumns.size() - 1) + "\x01";
                }
            }
            if (clause == Select) ++columnIndex;
            std::string sql = e.sql;
            if (patternNext) {
                if (!m_ansi89) sql = "acc_like92(" + sql + ")";
                patternNext = false;
            } else if (collateNext || clause == OrderBy || clause == GroupBy) {
                // A text column compares by its own collation already.
                if (e.type == ValueType::Unknown || (e.type == ValueType::Text && e.name.empty())) sql = "(" + sql + ") COLLATE access_text";
            }
            collateNext = false;
            append(sql);
        }
        m_refs = outerRefs;
        if (distinctRow && selects == 1 && !grouped && !m_aggregates) DistinctRow(out, sources, selectRefs, orderStart);
        m_aggregates = m_aggregates || aggregatesBefore;
        if (!limit.empty()) {
            if (topPercent) {
                // The share of the rows the same SELECT gives, rounded up.
                const std::string whole = out.substr(selectStart);
                out += " LIMIT (SELECT (COUNT(*) * " + limit + " + 99) / 100 FROM (" + whole + "))";
            } else {
                out += " LIMIT " + TopWithTies(out, limit, distinct, fromStart, orderStart, itemSql);
            }
        }
        for (size_t k = 0; k < plainColumns.size(); ++k) {
            const auto& [name, qualifier, column] = plainColumns[k];
            bool shared = false;
            for (size_t j = 0; j < plainColumns.size(); ++j)
                if (j != k && EqualsNoCase(plainColumns[j].name, name)) shared = true;
            if (columns && shared && !qualifier.empty() && column < columns->size()) (*columns)[column].first = qualifier + "." + name;
            const std::string marker = "\x01" + std::to_string(k) + "\x01";
            const std::string alias = " AS " + QuoteName(shared && !qualifier.empty() ? qualifier + "." + name : name);
            for (size_t at; (at = out.find(marker)) != std::string::npos;) out.replace(at, marker.size(), alias);
        }
        return out;
    }

    // TOP n keeps the rows tied with the n-th in the ordering: the limit is the number of rows
    // whose rank is n or better. Without an ordering, or over DISTINCT rows, it is n. An
    // ordering by column position ranks by that item of the select list.
    static std::string TopWithTies(const std::string& out, const std::string& n, bool distinct, size_t fromStart, size_t orderStart,
                                   const std::vector<std::string>& items) {
        if (distinct || fromStart == std::string::npos || orderStart == std::string::npos || orderStart < fromStart) return n;
        std::string keys = out.substr(orderStart);
        const size_t by = keys.find("BY");
        if (by == std::string::npos) return n;
        keys = keys.substr(by + 2);
        std::string ranked;
        for (const auto& key : SplitTopLevel(keys)) {
            std::string k = key;
            const size_t first = k.find_first_not_of(' ');
            if (first != std::string::npos && std::isdigit(static_cast<unsigned char>(k[first]))) {
                size_t end = first;
                while (end < k.size() && std::isdigit(static_cast<unsigned char>(k[end]))) ++end;
                const size_t position = std::stoul(k.substr(first, end - first));
                if (position < 1 || position > items.size()) return n;
                k = " (" + items[position - 1] + ")" + k.substr(end);
            }
            ranked += (ranked.empty() ? "" : ",") + k;
        }
        return "(SELECT COUNT(*) FROM (SELECT RANK() OVER (ORDER BY" + ranked + ") AS acc_rank " + out.substr(fromStart, orderStart - fromStart) +
               ") WHERE acc_rank <= " + n + ")";
    }

    // Whether the select item ahead is one expression (and not a truth value made of
    // comparisons, Not, And, Like ...).
    bool IsSimpleItem() const {
        int depth = 0;
        for (size_t k = m_pos; k < m_t.size(); ++k) {
            const Token& t = m_t[k];
            if (t.kind == Token::End) break;
            if (t.kind == Token::Open) ++depth;
            if (t.kind == Token::Close && depth-- == 0) break;
            if (depth > 0) continue;
            if (t.kind == Token::Comma || IsItemEnd(t)) break;
            if (Is(t, "join")) return true;  // tables joined in parentheses, not a value
            if (IsComparison(t)) return false;
            static const char* const kTruth[] = {"not", "and", "or", "like", "between", "in", "is", "exists", "xor", "eqv", "imp"};
            for (const char* w : kTruth)
                if (Is(t, w)) return false;
        }
        return true;
    }

    static bool IsItemEnd(const Token& t) {
        static const char* const kEnds[] = {"from", "as", "into", "where", "group", "having", "order", "union"};
        for (const char* w : kEnds)
            if (Is(t, w)) return true;
        return false;
    }

    // The select item ahead, translated on its own.
    std::string ItemUntilEnd() { return PartUntil(true); }

    // The alias a source of FROM is given, when the next tokens give one.
    std::string SourceAlias(bool subquery) const {
        size_t k = m_pos;
        if (subquery) {  // past the parenthesised query
            int depth = 0;
            for (; k < m_t.size() && m_t[k].kind != Token::End; ++k) {
                if (m_t[k].kind == Token::Open) ++depth;
                if (m_t[k].kind == Token::Close && --depth == 0) {
                    ++k;
                    break;
                }
            }
        }
        if (k < m_t.size() && Is(m_t[k], "as")) ++k;
        if (k < m_t.size() && (m_t[k].kind == Token::Name || (m_t[k].kind == Token::Word && !IsBoundaryWord(m_t[k])))) return m_t[k].text;
        return {};
    }

    // SELECT DISTINCTROW: one row for each distinct combination of the rows of the tables
    // whose fields it selects; a plain SELECT when every table of FROM gives fields.
    void DistinctRow(std::string& out, const std::vector<Source>& sources, const std::vector<ColumnRef>& refs, size_t& orderStart) const {
        std::vector<bool> gives(sources.size(), false);
        auto sourceOf = [&](const std::string& qualifier) -> long {
            for (size_t i = 0; i < sources.size(); ++i)
                if (EqualsNoCase(sources[i].alias.empty() ? sources[i].name : sources[i].alias, qualifier)) return static_cast<long>(i);
            return -1;
        };
        for (const auto& ref : refs) {
            if (ref.column == "*" && ref.qualifier.empty()) return;  // every table gives fields
            if (!ref.qualifier.empty()) {
                const long i = sourceOf(ref.qualifier);
                if (i < 0) return;  // a table of joins in parentheses: not followed here
                gives[static_cast<size_t>(i)] = true;
                continue;
            }
            bool found = false;
            for (size_t i = 0; i < sources.size(); ++i)
                if (sources[i].table && m_tables(sources[i].name, ref.column)) gives[i] = found = true;
            if (!found) return;  // a column of a query or subquery: its rows have no identity here
        }
        std::string keys;
        for (size_t i = 0; i < sources.size(); ++i) {
            if (!gives[i]) continue;
            if (!sources[i].table) return;
            keys += (keys.empty() ? "" : ", ") + QuoteName(sources[i].alias.empty() ? sources[i].name : sources[i].alias) + ".rowid";
        }
        if (keys.empty() || std::find(gives.begin(), gives.end(), false) == gives.end()) return;
        // The other columns of a group are the same rows' values: SQLite takes them as they are.
        const std::string group = " GROUP BY " + keys;
        const size_t at = orderStart == std::string::npos ? out.size() : orderStart;
        out.insert(at, group);
        if (orderStart != std::string::npos) orderStart += group.size();
    }

    // The items of a list, split at commas outside parentheses and quotes.
    static std::vector<std::string> SplitTopLevel(const std::string& text) {
        std::vector<std::string> items(1);
        int depth = 0;
        char quote = 0;
        for (char c : text) {
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '\'' || c == '[' || c == '`') {
                quote = c == '[' ? ']' : c;
            } else if (c == '(') {
                ++depth;
            } else if (c == ')') {
                --depth;
            } else if (c == ',' && depth == 0) {
                items.emplace_back();
                continue;
            }
            items.back() += c;
        }
        return items;
    }

    SqlSyntaxError RaiseIncomplete() { return SqlSyntaxError(Peek().text); }

    static int Precedence(const Token& t) {
        if (t.kind == Token::Op) {
            if (t.text == "&") return 1;
            if (t.text == "+" || t.text == "-") return 2;
            if (t.text == "\\") return 4;
            if (t.text == "*" || t.text == "/") return 5;
            if (t.text == "^") return 7;
        }
        if (t.kind == Token::Word && EqualsNoCase(t.text, "mod")) return 3;
        return 0;
    }

    Expr Expression(int minPrecedence) {
        Expr left = Unary();
        for (;;) {
            const Token& op = Peek();
            const int p = Precedence(op);
            if (p == 0 || p <= minPrecedence) return left;
            const std::string o = op.text;
            Next();
            Expr right = Expression(p);
            left = Binary(o, left, right);
        }
    }

    static Expr Binary(const std::string& op, const Expr& a, const Expr& b) {
        Expr e;
        if (op == "&") {
            e.sql = "acc_concat(" + a.sql + ", " + b.sql + ")";
            e.type = ValueType::Text;
            return e;
        }
        if (EqualsNoCase(op, "mod")) return {"acc_mod(" + a.sql + ", " + b.sql + ")", ValueType::Integer, {}, {}};
        if (op == "\\") return {"acc_intdiv(" + a.sql + ", " + b.sql + ")", ValueType::Integer, {}, {}};
        if (op == "^") return {"acc_power(" + a.sql + ", " + b.sql + ")", ValueType::Double, {}, {}};
        if (op == "/") {
            e.type = (a.type == ValueType::Currency && IsNumeric(b.type) && b.type != ValueType::Currency) ? ValueType::Currency : ValueType::Double;
            e.sql = Tagged("acc_divide(" + a.sql + ", " + b.sql + ")", e.type);
            return e;
        }
        // + - *: Currency with a number stays Currency, a date moved by a number stays a date.
        const bool cy = a.type == ValueType::Currency || b.type == ValueType::Currency;
        const bool dbl = a.type == ValueType::Double || b.type == ValueType::Double;
        if (op == "+" || op == "-") {
            if (a.type == ValueType::Date && b.type == ValueType::Date) e.type = op == "-" ? ValueType::Double : ValueType::Date;
            else if (a.type == ValueType::Date || b.type == ValueType::Date) e.type = ValueType::Date;
        }
        if (e.type == ValueType::Unknown) {
            if (dbl) e.type = ValueType::Double;
            else if (cy) e.type = ValueType::Currency;
            else if (a.type == ValueType::Integer && b.type == ValueType::Integer) e.type = ValueType::Integer;
            else if (op == "+" && a.type == ValueType::Text && b.type == ValueType::Text) e.type = ValueType::Text;
        }
        const std::string call = op == "+" ? "acc_add(" + a.sql + ", " + b.sql + ")" : "(" + a.sql + " " + op + " " + b.sql + ")";
        e.sql = Tagged(call, e.type);
        return e;
    }

    Expr Unary() {
        const Token& t = Peek();
        if (t.kind == Token::Op && (t.text == "-" || t.text == "+")) {
            Next();
            Expr inner = Expression(6);  // binds below ^ only
            if (t.text == "-") inner.sql = Tagged("(- " + inner.sql + ")", inner.type);
            inner.name.clear();
            return inner;
        }
        return Primary();
    }

    Expr Primary() {
        const Token t = Next();
        switch (t.kind) {
        case Token::Number: {
            const bool integer = t.text.find_first_of(".eE") == std::string::npos;
            return {t.text, integer ? ValueType::Integer : ValueType::Double, {}, {}};
        }
        case Token::Text: return {QuoteText(t.text), ValueType::Text, {}, {}};
        case Token::Date: {
            char number[40];
            std::snprintf(number, sizeof number, "%.17g", t.date);
            std::string text = number;
            if (text.find_first_of(".e") == std::string::npos) text += ".0";  // a date number is never an integer
            return {"acc_tag_date(" + text + ")", ValueType::Date, {}, {}};
        }
        case Token::Open: {
            // A truth value in parentheses is -1 for True, as Access computes with it.
            const bool truth = !IsSimpleItem();
            const std::string inner = Scope(false, nullptr);
            if (Next().kind != Token::Close) throw SqlSyntaxError("(");
            if (truth) return {"(- (" + inner + "))", ValueType::Bool, {}, {}};
            return {"(" + inner + ")", ValueType::Unknown, {}, {}};
        }
        case Token::Name:
        case Token::Word: {
            if (t.kind == Token::Word) {
                if (EqualsNoCase(t.text, "true") || EqualsNoCase(t.text, "yes")) return {"(-1)", ValueType::Bool, {}, {}};
                if (EqualsNoCase(t.text, "false") || EqualsNoCase(t.text, "no")) return {"0", ValueType::Bool, {}, {}};
                if (EqualsNoCase(t.text, "null")) return {"NULL", ValueType::Unknown, {}, {}};
                if (Peek().kind == Token::Open) return Call(t.text);
            }
            // A column, maybe qualified: a.b, [a].[b], a.*
            std::string qualifier, column = t.text;
            std::string sql = t.kind == Token::Name ? QuoteName(t.text) : t.text;
            if (Peek().kind == Token::Op && Peek().text == "!") throw UnsupportedSql("a reference to a form or control (" + t.text + "!...)");
            while (Peek().kind == Token::Op && Peek().text == ".") {
                Next();
                const Token& part = Next();
                if (part.kind == Token::Op && part.text == "*") {
                    sql += ".*";
                    if (m_refs) m_refs->push_back({column, "*"});
                    return {sql, ValueType::Unknown, {}, {}};
                }
                if (part.kind != Token::Name && part.kind != Token::Word) throw SqlSyntaxError(part.text);
                qualifier = column;
                column = part.text;
                sql += "." + QuoteName(part.text);
            }
            if (t.kind == Token::Name && qualifier.empty()) sql = QuoteName(t.text);
            const ValueType type = m_resolve ? m_resolve(qualifier, column) : ValueType::Unknown;
            if (m_refs) m_refs->push_back({qualifier, column});
            return {sql, type, column, qualifier};
        }
        case Token::Op:
            if (t.text == "*") {
                if (m_refs) m_refs->push_back({{}, "*"});
                return {"*", ValueType::Unknown, {}, {}};
            }
            throw SqlSyntaxError(t.text);
        default: throw SqlSyntaxError(t.text.empty() ? std::string("end of statement") : t.text);
        }
    }

    Expr Call(const std::string& name) {
        Next();  // (
        std::vector<Expr> args;
        if (Peek().kind != Token::Close) {
            for (;;) {
                if (Is(Peek(), "distinct")) throw UnsupportedSql("DISTINCT inside " + name + "()");
                if (Peek().kind == Token::Op && Peek().text == "*") {
                    Next();
                    args.push_back({"*", ValueType::Unknown, {}, {}});
                } else {
                    // An argument may hold comparisons and the like: a scope of its own, a truth
                    // value -1 for True.
                    const size_t start = m_pos;
                    const bool truth = !IsSimpleItem();
                    Expr e = Expression(0);
                    if (Peek().kind != Token::Comma && Peek().kind != Token::Close) {
                        m_pos = start;
                        e.sql = ScopeUntilComma();
                        e.type = ValueType::Unknown;
                        if (truth) e.sql = "(- (" + e.sql + "))", e.type = ValueType::Bool;
                    }
                    args.push_back(e);
                }
                if (Peek().kind == Token::Comma) {
                    Next();
                    continue;
                }
                break;
            }
        }
        if (Next().kind != Token::Close) throw SqlSyntaxError(name + "(");
        const AccessFunction* f = FindAccessFunction(name);
        if (!f) throw UndefinedFunction(name);
        if (f->aggregate) m_aggregates = true;
        if (static_cast<int>(args.size()) < f->minArgs || static_cast<int>(args.size()) > f->maxArgs)
            throw SqlSyntaxError(name + "(" + std::to_string(args.size()) + " arguments)");
        std::string sql = std::string(f->sqliteName) + "(";
        for (size_t i = 0; i < args.size(); ++i) sql += (i ? ", " : "") + args[i].sql;
        sql += ")";
        ValueType type = f->result;
        if (type == ValueType::Unknown && !args.empty()) {
            if (EqualsNoCase(name, "iif")) type = args.size() > 2 && args[1].type == args[2].type ? args[1].type : ValueType::Unknown;
            else type = args[0].type;
            if (f->aggregate && (EqualsNoCase(name, "sum") || EqualsNoCase(name, "avg")) && type != ValueType::Currency) type = ValueType::Double;
            sql = Tagged(sql, type);
        }
        return {sql, type, {}, {}};
    }

    // One argument that is more than an expression (a comparison, a subquery ...).
    std::string ScopeUntilComma() { return PartUntil(false); }

    // The tokens ahead up to a comma or closing parenthesis of this level (or, for a select
    // item, the clause word that ends it), translated on their own.
    std::string PartUntil(bool selectItem) {
        int depth = 0;
        std::vector<Token> part;
        for (;;) {
            const Token& t = Peek();
            if (t.kind == Token::End) break;
            if (depth == 0 && (t.kind == Token::Comma || t.kind == Token::Close || (selectItem && IsItemEnd(t)))) break;
            if (t.kind == Token::Open) ++depth;
            if (t.kind == Token::Close) --depth;
            part.push_back(Next());
        }
        part.push_back({Token::End, {}});
        Translator inner(std::move(part), m_ansi89, m_resolve, m_tables);
        inner.m_refs = m_refs;
        const std::string sql = inner.Scope(false, nullptr);
        m_aggregates = m_aggregates || inner.m_aggregates;
        return sql;
    }

    std::vector<Token> m_t;
    size_t m_pos = 0;
    bool m_ansi89;
    const ColumnTypeResolver& m_resolve;
    const TableColumnLookup& m_tables;
    ColumnRefs* m_refs = nullptr;  // where the columns an expression reads are noted
    bool m_aggregates = false;     // an aggregate function was seen in the current SELECT
};

}  // namespace

Translation TranslateAccess(std::string_view sql, bool ansi89Wildcards, const ColumnTypeResolver& resolve, const TableColumnLookup& tables) {
    Translator translator(Tokenize(sql), ansi89Wildcards, resolve, tables);
    return translator.Run();
}

std::string TranslateAccessSql(std::string_view sql, bool ansi89Wildcards) { return TranslateAccess(sql, ansi89Wildcards).sql; }

void RegisterAccessFunctions(sqlite3* db) { RegisterFunctionsOn(db); }

}  // namespace platform::access
