// The clauses of a statement (see AccessSqlTranslator.h).
#include "access/AccessSqlTranslator.h"

#include <algorithm>
#include <cctype>

namespace platform::access::sql {

// A plain column of the first select list. It is named after its column, or table.column when
// two share a name: known once the whole list is read, and written then at its place.
struct PlainColumn {
    std::string name, qualifier;
    size_t column;  // its entry in the output columns
    size_t at;      // where its name goes in the output
};

struct Translator::Scope {
    explicit Scope(OutputColumns* c) : columns(c) {}

    // Joins the output's words with single spaces, none after an opening parenthesis.
    void Append(const std::string& text) {
        if (!out.empty() && out.back() != '(' && text != ")") out += ' ';
        out += text;
    }
    // Whether the select list being read names the output columns: a union takes its names
    // from its first SELECT.
    bool NamesColumns() const { return columns && clause == Clause::Select && selects == 1; }

    std::string out;
    OutputColumns* const columns;  // null within parentheses
    ColumnRefs* outerRefs = nullptr;
    bool aggregatesBefore = false;  // the enclosing scope's, restored at the end
    Clause clause = Clause::None;

    // The SELECTs and their select lists.
    int selects = 0;
    size_t selectStart = 0;  // where the current SELECT begins in out
    bool itemStart = false;  // at the start of an item of the select list
    size_t columnIndex = 0;
    std::vector<std::string> itemSql;  // each item of the select list, without its name
    std::vector<ColumnRef> selectRefs;  // the columns the select list reads
    std::vector<PlainColumn> plainColumns;
    bool distinct = false;
    bool distinctRow = false;
    std::string top;  // TOP n, as SQLite's LIMIT at the end of this SELECT
    bool topPercent = false;

    // FROM and the clauses after it.
    size_t fromStart = std::string::npos;   // in out, of this SELECT
    size_t orderStart = std::string::npos;
    std::vector<Source> sources;  // the tables and queries of FROM
    bool expectSource = false;
    bool grouped = false;

    // How the next expression is written.
    bool compared = false;  // it is compared: text ignores case
    bool pattern = false;   // it is a LIKE pattern
};

Translation Translator::Run() {
    Translation result;
    result.sql = TranslateScope(&result.columns);
    if (Peek().kind != Token::End) throw SqlSyntaxError(Peek().text);
    return result;
}

std::string Translator::TranslateScope(OutputColumns* columns) {
    Scope s(columns);
    s.aggregatesBefore = m_aggregates;
    m_aggregates = false;
    s.outerRefs = m_refs;
    for (;;) {
        const Token& t = Peek();
        if (t.kind == Token::End || t.kind == Token::Close) break;
        if (t.kind == Token::Comma) {
            Comma(s);
            continue;
        }
        if (s.clause == Clause::Select && s.itemStart) {
            s.itemStart = false;
            if (!IsSimpleItem()) {
                TruthItem(s);
                continue;
            }
        }
        const bool call = (Is(t, "left") || Is(t, "right")) && Peek(1).kind == Token::Open;  // the functions, not the joins
        if (IsComparison(t)) Comparison(s);
        else if (t.kind == Token::Word && IsBoundaryWord(t) && !call) Keyword(s);
        else if (t.kind == Token::Open && Is(Peek(1), "select")) Subquery(s);
        else Operand(s);
    }
    Finish(s);
    return s.out;
}

void Translator::Comma(Scope& s) {
    Next();
    s.Append(",");
    s.itemStart = s.clause == Clause::Select;
    s.expectSource = s.clause == Clause::From;
}

// An item of the select list that is a truth value (a comparison, Not, And ...): Access gives
// -1 for True.
void Translator::TruthItem(Scope& s) {
    const std::string sql = "(- (" + PartUntil(true) + "))";
    s.itemSql.push_back(sql);
    std::string name = "Expr" + std::to_string(1000 + s.columnIndex);
    const bool named = Is(Peek(), "as") && (Peek(1).kind == Token::Name || Peek(1).kind == Token::Word);
    if (named) name = Peek(1).text;
    if (s.NamesColumns()) s.columns->push_back({name, ValueType::Bool});
    s.Append(named ? sql : sql + " AS " + QuoteName(name));
    ++s.columnIndex;
}

void Translator::Comparison(Scope& s) {
    s.Append(Next().text);
    s.compared = true;
}

// A clause or predicate keyword.
void Translator::Keyword(Scope& s) {
    const Token& t = Next();
    RefuseUnsupported(t);
    if (Is(t, "with")) return OwnerAccess(t);
    if (Is(t, "select")) return Select(s);
    if (Is(t, "as")) return Alias(s);
    if (Is(t, "from")) From(s);
    else if (Is(t, "join")) {
        if (s.clause == Clause::From) s.expectSource = true;
    } else if (Is(t, "where")) {
        EnterClause(s, Clause::Where);
    } else if (Is(t, "group")) {
        EnterClause(s, Clause::GroupBy);
        s.grouped = true;
    } else if (Is(t, "having")) {
        EnterClause(s, Clause::Having);
    } else if (Is(t, "order")) {
        EnterClause(s, Clause::OrderBy);
        s.orderStart = s.out.size();
    } else if (Is(t, "union")) {
        Union(s);
    } else if (Is(t, "like")) {
        s.pattern = true;
    } else if (Is(t, "between")) {
        s.compared = true;
    }
    s.Append(t.text);
}

void Translator::RefuseUnsupported(const Token& t) {
    if (Is(t, "xor") || Is(t, "eqv") || Is(t, "imp")) throw UnsupportedSql("the " + t.text + " operator");
    if (Is(t, "transform") || Is(t, "pivot")) throw UnsupportedSql("a crosstab query (TRANSFORM ... PIVOT)");
    if (Is(t, "parameters")) throw UnsupportedSql("a PARAMETERS declaration");
    if (Is(t, "into") || Is(t, "values")) throw UnsupportedSql("a statement that changes data (" + t.text + ")");
    if (Is(t, "limit") || Is(t, "using") || Is(t, "natural") || Is(t, "full") || Is(t, "cross") || Is(t, "escape")) throw SqlSyntaxError(t.text);
}

// WITH OWNERACCESS OPTION: permissions, nothing to do here.
void Translator::OwnerAccess(const Token& with) {
    if (!Is(Peek(), "owneraccess") || !Is(Peek(1), "option")) throw SqlSyntaxError(with.text);
    m_pos += 2;
}

void Translator::Select(Scope& s) {
    if (!s.top.empty()) throw UnsupportedSql("TOP in a UNION query");
    EnterClause(s, Clause::Select);
    s.selectStart = s.out.size();
    ++s.selects;
    s.Append("SELECT");
    s.columnIndex = 0;
    if (Is(Peek(), "distinctrow")) Next(), s.distinctRow = true;
    else if (Is(Peek(), "distinct")) Next(), s.Append("DISTINCT"), s.distinct = true;
    else if (Is(Peek(), "all")) Next();
    if (Is(Peek(), "top")) SelectTop(s);
    s.itemStart = true;
    m_refs = &s.selectRefs;
}

void Translator::SelectTop(Scope& s) {
    Next();
    const Token& n = Next();
    if (n.kind != Token::Number || n.text.find_first_not_of("0123456789") != std::string::npos) throw SqlSyntaxError("TOP " + n.text);
    s.top = n.text;
    if (Is(Peek(), "percent")) Next(), s.topPercent = true;
}

void Translator::From(Scope& s) {
    EnterClause(s, Clause::From);
    if (s.fromStart == std::string::npos) s.fromStart = s.out.size();
    m_refs = s.outerRefs;
    s.expectSource = true;
}

void Translator::Union(Scope& s) {
    if (!s.top.empty()) throw UnsupportedSql("TOP in a UNION query");
    EnterClause(s, Clause::None);
}

// An alias: a name, never an expression.
void Translator::Alias(Scope& s) {
    const Token alias = Next();
    if (alias.kind != Token::Name && alias.kind != Token::Word && alias.kind != Token::Text) throw SqlSyntaxError("AS " + alias.text);
    s.Append("AS " + QuoteName(alias.text));
}

void Translator::Subquery(Scope& s) {
    if (s.clause == Clause::From && s.expectSource) {
        s.expectSource = false;
        s.sources.push_back({"", SourceAlias(true), false});
    }
    Next();
    const std::string inner = TranslateScope(nullptr);
    if (Next().kind != Token::Close) throw RaiseIncomplete();
    s.Append("(" + inner + ")");
    s.compared = s.pattern = false;
}

// An expression: up to the next boundary.
void Translator::Operand(Scope& s) {
    Expr e = Expression(0);
    if (s.clause == Clause::From && s.expectSource) {
        s.expectSource = false;
        const std::string table = e.qualifier.empty() ? e.name : std::string();
        s.sources.push_back({table, SourceAlias(false), !table.empty() && m_tables && m_tables(table, {})});
    }
    const bool plain = s.clause == Clause::Select && SelectItem(s, e);
    std::string before, after;
    if (s.pattern) {
        if (!m_ansi89) before = "acc_like92(", after = ")";
        s.pattern = false;
    } else if (s.compared || s.clause == Clause::OrderBy || s.clause == Clause::GroupBy) {
        // A text column compares by its own collation already.
        if (e.type == ValueType::Unknown || (e.type == ValueType::Text && e.name.empty())) before = "(", after = ") COLLATE access_text";
    }
    s.compared = false;
    s.Append(before + e.sql + after);
    if (plain) s.plainColumns.back().at = s.out.size() - after.size();
}

// An expression of the select list: noted, and named unless it is a plain column (named
// once the list is complete; true then).
bool Translator::SelectItem(Scope& s, Expr& e) {
    s.itemSql.push_back(e.sql);
    bool plain = false;
    if (s.NamesColumns()) {
        std::string name = e.name;
        if (Is(Peek(), "as")) {
            const Token& alias = Peek(1);
            if (alias.kind == Token::Name || alias.kind == Token::Word) name = alias.text;
        }
        if (name.empty()) name = "Expr" + std::to_string(1000 + s.columnIndex);
        const bool star = e.sql == "*" || e.sql.ends_with(".*");
        if (!star) s.columns->push_back({name, e.type});
        if (!Is(Peek(), "as") && e.name.empty() && !star) e.sql += " AS " + QuoteName(name);  // Access names computed columns ExprNNNN
        if (!Is(Peek(), "as") && !e.name.empty()) {
            s.plainColumns.push_back({e.name, e.qualifier, s.columns->size() - 1, 0});
            plain = true;
        }
    }
    ++s.columnIndex;
    return plain;
}

void Translator::EnterClause(Scope& s, Clause clause) {
    if (s.clause == Clause::Select) NamePlainColumns(s);
    s.clause = clause;
}

// The select list is complete: each plain column gets its name, the last first so that the
// places of the others stay where they were.
void Translator::NamePlainColumns(Scope& s) {
    for (size_t k = s.plainColumns.size(); k-- > 0;) {
        const auto& [name, qualifier, column, at] = s.plainColumns[k];
        bool shared = false;
        for (size_t j = 0; j < s.plainColumns.size(); ++j)
            if (j != k && EqualsNoCase(s.plainColumns[j].name, name)) shared = true;
        const bool qualified = shared && !qualifier.empty();
        if (qualified && column < s.columns->size()) (*s.columns)[column].first = qualifier + "." + name;
        s.out.insert(at, " AS " + QuoteName(qualified ? qualifier + "." + name : name));
    }
    s.plainColumns.clear();
}

void Translator::Finish(Scope& s) {
    m_refs = s.outerRefs;
    NamePlainColumns(s);
    if (s.distinctRow && s.selects == 1 && !s.grouped && !m_aggregates) DistinctRow(s.out, s.sources, s.selectRefs, s.orderStart);
    m_aggregates = m_aggregates || s.aggregatesBefore;
    ApplyTop(s);
}

void Translator::ApplyTop(Scope& s) {
    if (s.top.empty()) return;
    if (s.topPercent) {
        // The share of the rows the same SELECT gives, rounded up.
        const std::string whole = s.out.substr(s.selectStart);
        s.out += " LIMIT (SELECT (COUNT(*) * " + s.top + " + 99) / 100 FROM (" + whole + "))";
    } else {
        s.out += " LIMIT " + TopWithTies(s.out, s.top, s.distinct, s.fromStart, s.orderStart, s.itemSql);
    }
}

// TOP n keeps the rows tied with the n-th in the ordering: the limit is the number of rows
// whose rank is n or better. Without an ordering, or over DISTINCT rows, it is n. An
// ordering by column position ranks by that item of the select list.
std::string Translator::TopWithTies(const std::string& out, const std::string& n, bool distinct, size_t fromStart, size_t orderStart,
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
bool Translator::IsSimpleItem() const {
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

bool Translator::IsItemEnd(const Token& t) {
    static const char* const kEnds[] = {"from", "as", "into", "where", "group", "having", "order", "union"};
    for (const char* w : kEnds)
        if (Is(t, w)) return true;
    return false;
}

// The alias a source of FROM is given, when the next tokens give one.
std::string Translator::SourceAlias(bool subquery) const {
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
void Translator::DistinctRow(std::string& out, const std::vector<Source>& sources, const std::vector<ColumnRef>& refs, size_t& orderStart) const {
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
std::vector<std::string> Translator::SplitTopLevel(const std::string& text) {
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

}  // namespace platform::access::sql
