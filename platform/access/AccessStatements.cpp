// The statements around a SELECT (see AccessStatements.h).
#include "access/AccessStatements.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace platform::access {
namespace {

using sql::Is;
using sql::Token;

// The tokens of a statement, with the depth of parentheses each stands at.
struct Tokens {
    explicit Tokens(std::string_view sql) : all(sql::Tokenize(sql)) {
        int d = 0;
        for (const Token& t : all) {
            if (t.kind == Token::Close) --d;
            depth.push_back(d);
            if (t.kind == Token::Open) ++d;
        }
    }
    // The first token at depth 0 from `from` on that is that word; the End token when none.
    size_t Find(const char* word, size_t from) const {
        for (size_t i = from; i < all.size(); ++i)
            if (depth[i] == 0 && Is(all[i], word)) return i;
        return all.size() - 1;
    }
    bool IsEnd(size_t i) const { return all[i].kind == Token::End; }
    std::vector<Token> all;
    std::vector<int> depth;
};

std::string Slice(std::string_view sql, size_t begin, size_t end) { return std::string(sql.substr(begin, end > begin ? end - begin : 0)); }

// The items of a list between two tokens, split at the commas of depth `level`.
std::vector<std::string> Items(std::string_view sql, const Tokens& t, size_t first, size_t last, int level) {
    std::vector<std::string> items;
    size_t start = first;
    for (size_t i = first; i <= last; ++i) {
        if (i == last || (t.all[i].kind == Token::Comma && t.depth[i] == level)) {
            if (i > start) items.push_back(Slice(sql, t.all[start].begin, t.all[i - 1].end));
            start = i + 1;
        }
    }
    return items;
}

[[noreturn]] void NotValid(const Token& value, const QueryParameter& parameter) {
    throw std::runtime_error("The value '" + value.text + "' given for [" + parameter.name + "] is not a valid " + ParameterTypeName(parameter.type) +
                             ".");
}

bool ReadNumber(const std::string& text, double& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtod(text.c_str(), &end);
    return errno == 0 && end && *end == '\0' && std::isfinite(out);
}

}  // namespace

std::vector<QueryParameter> ReadParameterDeclaration(std::string_view sql, std::string_view& rest) {
    rest = sql;
    const Tokens t(sql);
    if (!Is(t.all[0], "parameters")) return {};
    std::vector<QueryParameter> parameters;
    size_t i = 1;
    for (;;) {
        const Token& name = t.all[i];
        const Token& type = t.all[i + 1 < t.all.size() ? i + 1 : i];
        if ((name.kind != Token::Name && name.kind != Token::Word) || type.kind != Token::Word || ParameterTypeOf(type.text) < 0)
            throw SqlSyntaxError("PARAMETERS " + name.text + " " + type.text);
        parameters.push_back({name.text, ParameterTypeOf(type.text)});
        i += 2;
        if (t.all[i].kind == Token::Open) {  // Text(50): the size does not matter here
            while (!t.IsEnd(i) && t.all[i].kind != Token::Close) ++i;
            if (t.IsEnd(i)) throw SqlSyntaxError("PARAMETERS");
            ++i;
        }
        if (t.all[i].kind == Token::Comma) {
            ++i;
            continue;
        }
        if (t.all[i].kind == Token::Op && t.all[i].text == ";") {
            rest = sql.substr(t.all[i].end);
            return parameters;
        }
        if (t.IsEnd(i)) throw SqlSyntaxError("PARAMETERS");
        throw SqlSyntaxError(t.all[i].text);
    }
}

std::optional<CrosstabParts> ReadCrosstab(std::string_view sql) {
    const Tokens t(sql);
    if (!Is(t.all[0], "transform")) return std::nullopt;
    const size_t select = t.Find("select", 1);
    const size_t pivot = t.Find("pivot", select);
    if (t.IsEnd(select) || t.IsEnd(pivot) || select == 1 || t.IsEnd(pivot + 1)) throw SqlSyntaxError("TRANSFORM");
    CrosstabParts parts;
    const size_t as = t.Find("as", 1);
    parts.value = Slice(sql, t.all[1].begin, t.all[(as < select ? as : select) - 1].end);
    size_t selectEnd = pivot;
    const size_t order = t.Find("order", select);
    if (order < pivot && Is(t.all[order + 1], "by")) {
        parts.orderBy = Items(sql, t, order + 2, pivot, 0);
        selectEnd = order;
    }
    parts.select = Slice(sql, t.all[select].begin, t.all[selectEnd - 1].end);
    const size_t in = t.Find("in", pivot + 1);
    const bool fixed = !t.IsEnd(in) && t.all[in + 1].kind == Token::Open;
    const size_t pivotEnd = fixed ? in : t.all.size() - 1;
    if (pivotEnd == pivot + 1) throw SqlSyntaxError("PIVOT");
    parts.pivot = Slice(sql, t.all[pivot + 1].begin, t.all[pivotEnd - 1].end);
    if (fixed) {
        size_t close = in + 2;
        while (!t.IsEnd(close) && !(t.all[close].kind == Token::Close && t.depth[close] == 0)) ++close;
        if (t.IsEnd(close) || !t.IsEnd(close + 1)) throw SqlSyntaxError("PIVOT ... IN");
        parts.in = Items(sql, t, in + 2, close, 1);
        if (parts.in.empty()) throw SqlSyntaxError("IN ()");
    } else if (!t.IsEnd(pivotEnd)) {
        throw SqlSyntaxError(t.all[pivotEnd].text);
    }
    return parts;
}

std::string CrosstabCells(const CrosstabParts& parts) {
    const Tokens t(parts.select);
    const size_t from = t.Find("from", 1);
    if (t.IsEnd(from)) throw SqlSyntaxError("TRANSFORM ... SELECT");
    std::string sql = parts.select;
    // The grouping first, so that the place of FROM stays where it was found.
    const std::string pivot = "(" + parts.pivot + ")";
    const size_t group = t.Find("group", from);
    if (!t.IsEnd(group)) {
        const size_t having = t.Find("having", group);
        sql.insert(t.IsEnd(having) ? sql.size() : t.all[having].begin, ", " + pivot + " ");
    } else {
        const size_t having = t.Find("having", from);
        sql.insert(t.IsEnd(having) ? sql.size() : t.all[having].begin, " GROUP BY " + pivot + " ");
    }
    sql.insert(t.all[from].begin, ", " + pivot + " AS [" + kPivotColumn + "], " + parts.value + " AS [" + kValueColumn + "] ");
    return sql;
}

std::optional<ExecuteParts> ReadExecute(std::string_view sql) {
    const Tokens t(sql);
    if (!Is(t.all[0], "exec") && !Is(t.all[0], "execute")) return std::nullopt;
    ExecuteParts parts;
    const Token& name = t.all[1];
    if (name.kind != Token::Name && name.kind != Token::Word) throw SqlSyntaxError(t.all[0].text);
    parts.query = name.text;
    for (size_t i = 2; !t.IsEnd(i);) {
        // [name] = value, the name maybe a form's control ([Forms]![F]![C]): named values, all
        // of them or none.
        std::string name;
        size_t after = i;
        auto isName = [&](size_t k) { return t.all[k].kind == Token::Name || t.all[k].kind == Token::Word; };
        auto isOp = [&](size_t k, const char* op) { return t.all[k].kind == Token::Op && t.all[k].text == op; };
        if (isName(after)) {
            name = t.all[after++].text;
            while ((isOp(after, "!") || isOp(after, ".")) && isName(after + 1)) {
                name += t.all[after].text + t.all[after + 1].text;
                after += 2;
            }
        }
        const bool named = !name.empty() && isOp(after, "=");
        if (named != !parts.names.empty() && !parts.values.empty()) throw SqlSyntaxError(t.all[i].text);
        if (named) {
            parts.names.push_back(name);
            i = after + 1;
        }
        Token value = t.all[i];
        if (value.kind == Token::Op && value.text == "-" && t.all[i + 1].kind == Token::Number) {
            value = t.all[++i];
            value.text = "-" + value.text;
        }
        const bool literal = value.kind == Token::Number || value.kind == Token::Text || value.kind == Token::Date ||
                             Is(value, "null") || Is(value, "true") || Is(value, "false") || Is(value, "yes") || Is(value, "no");
        if (!literal) throw SqlSyntaxError(value.text);
        parts.values.push_back(value);
        ++i;
        if (t.all[i].kind == Token::Comma && !t.IsEnd(i + 1)) ++i;
        else if (!t.IsEnd(i)) throw SqlSyntaxError(t.all[i].text);
    }
    return parts;
}

ParameterValue ConvertParameterValue(const Token& value, const QueryParameter& parameter) {
    ParameterValue v;
    if (Is(value, "null")) return v;
    const bool truth = Is(value, "true") || Is(value, "yes"), falsity = Is(value, "false") || Is(value, "no");
    const int type = parameter.type;
    const ValueType kind = ParameterValueType(type);
    // The value as a number, when it is one (a date counts as its date number).
    double number = 0;
    bool numeric = value.kind == Token::Number ? ReadNumber(value.text, number) : false;
    if (value.kind == Token::Date) number = value.date, numeric = true;
    if (truth || falsity) number = truth ? -1 : 0, numeric = true;
    if (value.kind == Token::Text && kind != ValueType::Text && kind != ValueType::Date) {
        if (sql::EqualsNoCase(value.text, "true") || sql::EqualsNoCase(value.text, "yes")) number = -1, numeric = true;
        else if (sql::EqualsNoCase(value.text, "false") || sql::EqualsNoCase(value.text, "no")) number = 0, numeric = true;
        else numeric = ReadNumber(value.text, number);
    }
    switch (kind) {
    case ValueType::Text:
        v.kind = 3;
        v.text = value.kind == Token::Date ? value.text.substr(1, value.text.size() - 2) : value.text;
        if (truth || falsity) v.text = truth ? "True" : "False";
        return v;
    case ValueType::Date:
        if (value.kind == Token::Text) {
            const auto date = ParseDateLiteral(value.text);
            if (!date) NotValid(value, parameter);
            number = *date, numeric = true;
        }
        if (!numeric || truth || falsity) NotValid(value, parameter);
        v.kind = 2, v.real = number;
        return v;
    case ValueType::Bool:
        if (!numeric) NotValid(value, parameter);
        v.kind = 1, v.integer = number != 0 ? -1 : 0;
        return v;
    case ValueType::Integer: {
        const double low = type == 2 ? 0 : type == 3 ? -32768 : type == 4 ? -2147483648.0 : -9.2e18;
        const double high = type == 2 ? 255 : type == 3 ? 32767 : type == 4 ? 2147483647.0 : 9.2e18;
        if (!numeric || number < low || number > high) NotValid(value, parameter);
        v.kind = 1, v.integer = std::llround(number);  // Access rounds a fraction given for a whole number
        return v;
    }
    case ValueType::Currency:
    case ValueType::Double:
        if (!numeric) NotValid(value, parameter);
        v.kind = 2, v.real = number;
        return v;
    case ValueType::Unknown:
        break;
    }
    // A Value parameter takes what it is given.
    if (value.kind == Token::Text) {
        v.kind = 3, v.text = value.text;
    } else if (value.kind == Token::Number && value.text.find_first_of(".eE") == std::string::npos && std::fabs(number) < 9e18) {
        v.kind = 1, v.integer = std::llround(number);
    } else if (numeric) {
        v.kind = (truth || falsity) ? 1 : 2;
        v.integer = static_cast<long long>(number), v.real = number;
    }
    return v;
}

}  // namespace platform::access
