#pragma once
// The translator from Access SQL to SQLite SQL (see AccessSql.h): a recursive reader of the
// tokens. A statement, or the contents of parentheses, is a scope: its clauses are written one
// by one (AccessSqlTranslator.cpp), each expression in them by precedence
// (AccessSqlExpressions.cpp).
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "access/AccessSql.h"
#include "access/AccessSqlTokens.h"

namespace platform::access::sql {

bool IsNumeric(ValueType t);
// Wraps an expression so that its value carries its type out of the engine.
std::string Tagged(const std::string& sql, ValueType type);

struct Expr {
    std::string sql;
    ValueType type = ValueType::Unknown;
    std::string name;       // the column name when the expression is a plain column
    std::string qualifier;  // and its table or alias, when written
};

struct ColumnRef {
    std::string qualifier, column;  // column "*" for all columns
};
using ColumnRefs = std::vector<ColumnRef>;

struct Source {
    std::string name;   // a table or query of FROM; empty for a subquery
    std::string alias;
    bool table = false;  // a table of the file (its rows have an identity)
};

// The output columns of a statement: name and static type.
using OutputColumns = std::vector<std::pair<std::string, ValueType>>;

class Translator {
public:
    Translator(std::vector<Token> tokens, bool ansi89, const ColumnTypeResolver& resolve, const TableColumnLookup& tables)
        : m_t(std::move(tokens)), m_ansi89(ansi89), m_resolve(resolve), m_tables(tables) {}

    Translation Run();
    // Where references to parameters are looked up, and references to forms added (see
    // TranslateAccess); none: a reference to a form is refused.
    void SetParameters(std::vector<QueryParameter>* parameters) { m_parameters = parameters; }

private:
    enum class Clause { None, Select, From, Where, GroupBy, Having, OrderBy };
    struct Scope;  // the SELECT being written, and where its parts are in the output

    const Token& Peek(size_t ahead = 0) const { return m_t[std::min(m_pos + ahead, m_t.size() - 1)]; }
    const Token& Next() { return m_t[std::min(m_pos++, m_t.size() - 1)]; }
    SqlSyntaxError RaiseIncomplete() { return SqlSyntaxError(Peek().text); }

    // A statement, or the contents of parentheses: up to the closing parenthesis or the end.
    // columns: the output columns to note, for the outer statement only.
    std::string TranslateScope(OutputColumns* columns);
    // The parts of a scope, one method each.
    void Comma(Scope& s);
    void TruthItem(Scope& s);
    void Comparison(Scope& s);
    void Keyword(Scope& s);
    void Select(Scope& s);
    void SelectTop(Scope& s);
    void From(Scope& s);
    void Union(Scope& s);
    void Alias(Scope& s);
    void OwnerAccess(const Token& with);
    void Subquery(Scope& s);
    void Operand(Scope& s);
    bool SelectItem(Scope& s, Expr& e);
    void Finish(Scope& s);
    // Moves on to another clause; leaving the select list names its plain columns.
    void EnterClause(Scope& s, Clause clause);
    void NamePlainColumns(Scope& s);
    void ApplyTop(Scope& s);
    static void RefuseUnsupported(const Token& t);

    // TOP n keeps the rows tied with the n-th in the ordering.
    static std::string TopWithTies(const std::string& out, const std::string& n, bool distinct, size_t fromStart, size_t orderStart,
                                   const std::vector<std::string>& items);
    // SELECT DISTINCTROW over the tables that give fields.
    void DistinctRow(std::string& out, const std::vector<Source>& sources, const std::vector<ColumnRef>& refs, size_t& orderStart) const;
    static std::vector<std::string> SplitTopLevel(const std::string& text);

    // Reading ahead.
    bool IsSimpleItem() const;
    static bool IsItemEnd(const Token& t);
    std::string SourceAlias(bool subquery) const;

    // Expressions, by precedence.
    static int Precedence(const Token& t);
    Expr Expression(int minPrecedence);
    static Expr Binary(const std::string& op, const Expr& a, const Expr& b);
    Expr Unary();
    Expr Primary();
    Expr Column(const Token& t);
    // A reference to a form's control, [Forms]![Name]![Control]: a parameter.
    Expr FormReference(const Token& t);
    // The parameter of that name as the expression ?N; none when it is not one.
    std::optional<Expr> Parameter(const std::string& name, bool add);
    Expr Call(const std::string& name);
    std::vector<Expr> Arguments(const std::string& name);
    Expr Argument();
    // The tokens ahead up to a comma or closing parenthesis of this level (or, for a select
    // item, the clause word that ends it), translated on their own.
    std::string PartUntil(bool selectItem);

    std::vector<Token> m_t;
    size_t m_pos = 0;
    bool m_ansi89;
    const ColumnTypeResolver& m_resolve;
    const TableColumnLookup& m_tables;
    ColumnRefs* m_refs = nullptr;  // where the columns an expression reads are noted
    bool m_aggregates = false;     // an aggregate function was seen in the current SELECT
    std::vector<QueryParameter>* m_parameters = nullptr;
};

}  // namespace platform::access::sql
