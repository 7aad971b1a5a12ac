#pragma once
// The statements of Access SQL around a SELECT, read apart from it:
//   PARAMETERS [a] DateTime, [b] Text; SELECT ...   parameters declared before a statement
//   TRANSFORM Sum(x) SELECT ... GROUP BY ... PIVOT y [IN (v1, v2 ...)]   a crosstab query
//   EXEC[UTE] [saved query] value, value ...       a saved query run with the values of its
//                                                  parameters, in their order
//   EXEC[UTE] [saved query] [name] = value, ...    or by their names, in any order
// Each throws SqlSyntaxError when its form is broken.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "access/AccessSql.h"
#include "access/AccessSqlTokens.h"

namespace platform::access {

// The declared parameters, and in rest the statement after the declaration (all of sql when
// there is none).
std::vector<QueryParameter> ReadParameterDeclaration(std::string_view sql, std::string_view& rest);

struct CrosstabParts {
    std::string value;                 // TRANSFORM's aggregate, without its alias
    std::string select;                // the SELECT up to its ORDER BY
    std::vector<std::string> orderBy;  // the items of ORDER BY
    std::string pivot;                 // the column heading's expression
    std::vector<std::string> in;       // the fixed column headings (literals), when given
};
std::optional<CrosstabParts> ReadCrosstab(std::string_view sql);

// The Access SQL of one SELECT with the pivot column (as acc_pivot) and the value (as
// acc_value) added to its select list and the pivot to its grouping: one row for each row
// heading and column heading, with its value.
std::string CrosstabCells(const CrosstabParts& parts);
constexpr const char* kPivotColumn = "acc_pivot";
constexpr const char* kValueColumn = "acc_value";

struct ExecuteParts {
    std::string query;  // the saved query's name
    std::vector<sql::Token> values;  // one literal a value (a leading minus sign folded in)
    std::vector<std::string> names;   // the parameter each value is for, when named (all are)
};
std::optional<ExecuteParts> ReadExecute(std::string_view sql);

// A value given for a parameter, as the parameter's type takes it. kind: 0 Null, 1 integer,
// 2 real, 3 text. Throws the reason (a whole sentence) when the value is not of that type.
struct ParameterValue {
    int kind = 0;
    long long integer = 0;
    double real = 0;
    std::string text;
};
ParameterValue ConvertParameterValue(const sql::Token& value, const QueryParameter& parameter);

}  // namespace platform::access
