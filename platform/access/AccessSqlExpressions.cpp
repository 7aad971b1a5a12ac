// The expressions of a statement, by precedence (see AccessSqlTranslator.h).
#include <cstdio>

#include "access/AccessFunctions.h"
#include "access/AccessSqlTranslator.h"

namespace platform::access::sql {

bool IsNumeric(ValueType t) { return t == ValueType::Integer || t == ValueType::Double || t == ValueType::Currency || t == ValueType::Bool; }

std::string Tagged(const std::string& sql, ValueType type) {
    if (type == ValueType::Currency) return "acc_tag_currency(" + sql + ")";
    if (type == ValueType::Date) return "acc_tag_date(" + sql + ")";
    return sql;
}

int Translator::Precedence(const Token& t) {
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

Expr Translator::Expression(int minPrecedence) {
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

Expr Translator::Binary(const std::string& op, const Expr& a, const Expr& b) {
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

Expr Translator::Unary() {
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

Expr Translator::Primary() {
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
        const std::string inner = TranslateScope(nullptr);
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
        return Column(t);
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

std::optional<Expr> Translator::Parameter(const std::string& name, bool add) {
    if (!m_parameters) return std::nullopt;
    size_t index = 0;
    while (index < m_parameters->size() && !SameParameterName((*m_parameters)[index].name, name)) ++index;
    if (index == m_parameters->size()) {
        if (!add) return std::nullopt;
        m_parameters->push_back({name, 0});
    }
    const ValueType type = ParameterValueType((*m_parameters)[index].type);
    return Expr{Tagged("?" + std::to_string(index + 1), type), type, {}, {}};
}

Expr Translator::FormReference(const Token& t) {
    std::string name = t.text;
    while (Peek().kind == Token::Op && (Peek().text == "!" || Peek().text == ".")) {
        const std::string separator = Next().text;
        const Token& part = Next();
        if (part.kind != Token::Name && part.kind != Token::Word) throw SqlSyntaxError(name + separator + part.text);
        name += separator + part.text;
    }
    if (std::optional<Expr> parameter = Parameter(name, true)) return *parameter;
    throw UnsupportedSql("a reference to a form or control (" + name + ")");
}

// A column, maybe qualified: a.b, [a].[b], a.*; or a parameter of that name.
Expr Translator::Column(const Token& t) {
    std::string qualifier, column = t.text;
    std::string sql = t.kind == Token::Name ? QuoteName(t.text) : t.text;
    if (Peek().kind == Token::Op && Peek().text == "!") return FormReference(t);
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
    if (std::optional<Expr> parameter = Parameter(qualifier.empty() ? column : qualifier + "." + column, false)) return *parameter;
    const ValueType type = m_resolve ? m_resolve(qualifier, column) : ValueType::Unknown;
    if (m_refs) m_refs->push_back({qualifier, column});
    return {sql, type, column, qualifier};
}

// The arguments of a call, up to its closing parenthesis.
std::vector<Expr> Translator::Arguments(const std::string& name) {
    std::vector<Expr> args;
    if (Peek().kind == Token::Close) return args;
    for (;;) {
        if (Is(Peek(), "distinct")) throw UnsupportedSql("DISTINCT inside " + name + "()");
        if (Peek().kind == Token::Op && Peek().text == "*") {
            Next();
            args.push_back({"*", ValueType::Unknown, {}, {}});
        } else {
            args.push_back(Argument());
        }
        if (Peek().kind != Token::Comma) return args;
        Next();
    }
}

// An argument may hold comparisons and the like: a scope of its own, a truth value -1 for
// True.
Expr Translator::Argument() {
    const size_t start = m_pos;
    const bool truth = !IsSimpleItem();
    Expr e = Expression(0);
    if (Peek().kind != Token::Comma && Peek().kind != Token::Close) {
        m_pos = start;
        e.sql = PartUntil(false);
        e.type = ValueType::Unknown;
        if (truth) e.sql = "(- (" + e.sql + "))", e.type = ValueType::Bool;
    }
    return e;
}

Expr Translator::Call(const std::string& name) {
    Next();  // (
    const std::vector<Expr> args = Arguments(name);
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

std::string Translator::PartUntil(bool selectItem) {
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
    inner.m_parameters = m_parameters;
    const std::string sql = inner.TranslateScope(nullptr);
    m_aggregates = m_aggregates || inner.m_aggregates;
    return sql;
}

}  // namespace platform::access::sql
