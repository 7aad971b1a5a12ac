#pragma once
// Access SQL on SQLite. A statement written for Access is read with its own tokenizer and
// written out as SQLite SQL that means the same:
//   [name], `name`              names (never taken for text, whatever they hold)
//   "text", 'text'              text literals
//   #1994-11-16#, #11/16/94#    date literals (dates, compared as dates)
//   True/False/Yes/No           -1 and 0, as Access stores Yes/No
//   a & b                       text concatenation (Null counts as empty), below + and -
//   a / b, a \ b, a Mod b, a ^ b  Access arithmetic (/ never divides integers)
//   TOP n [PERCENT]             with the rows tied with the n-th
//   DISTINCTROW                 distinct rows of the tables whose fields are selected
//   truth values                -1 for True in the select list, as Access gives them
//   LIKE 'A*'                   * ? # [a-z] [!a-z] (through the ODBC driver; % and _ through
//                               the OLE DB provider)
//   text comparisons, ordering and grouping ignore case (the collation "access_text")
//   the Access functions (IIf, Nz, Format, DateAdd ... see AccessFunctions.h)
// A construct without an equivalent raises UnsupportedSql naming it.
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace platform::access {

// Static types of expressions: what a computed column hands over.
enum class ValueType { Unknown, Text, Integer, Double, Currency, Date, Bool };

// The subtypes that carry a type on a value computed by the engine.
constexpr unsigned kSubtypeCurrency = 'C';
constexpr unsigned kSubtypeDate = 'D';
constexpr unsigned kSubtypeBool = 'B';

class UnsupportedSql : public std::runtime_error {
public:
    explicit UnsupportedSql(const std::string& what) : std::runtime_error(what) {}
};
// Access's wording for a function it does not know: "Undefined function 'X' in expression."
class UndefinedFunction : public std::runtime_error {
public:
    explicit UndefinedFunction(const std::string& name) : std::runtime_error(name) {}
};
class SqlSyntaxError : public std::runtime_error {
public:
    explicit SqlSyntaxError(const std::string& near) : std::runtime_error(near) {}
};

// The type of a column named in a statement (qualifier may be empty); Unknown when not known.
using ColumnTypeResolver = std::function<ValueType(std::string_view qualifier, std::string_view column)>;

// Whether a table of the file (not a query) has a column of that name; with an empty column,
// whether the name is a table of the file at all.
using TableColumnLookup = std::function<bool(std::string_view table, std::string_view column)>;

struct Translation {
    std::string sql;
    // The output columns of the outer SELECT, when it lists them: name and static type.
    std::vector<std::pair<std::string, ValueType>> columns;
};

// A parameter of a query: declared (PARAMETERS name type), or a name that no table or query
// of the statement has and a reference to a form, which Access asks a value for. Its name is
// written as Access writes it without brackets: [Forms]![Orders]![OrderID] is
// Forms!Orders!OrderID. type: the data type code of the declaration (DAO's: 1 Yes/No, 2 Byte,
// 3 Integer, 4 Long, 5 Currency, 6 Single, 7 Double, 8 Date/Time, 10 Text, 12 Memo, 20
// Decimal ...), 0 for Value, the type of whatever is given.
struct QueryParameter {
    std::string name;
    int type = 0;
};
// The static type a parameter's value has in expressions.
ValueType ParameterValueType(int type);
// The name of a data type code as Access's designer writes it ("Date/Time").
std::string ParameterTypeName(int type);
// The type code of a type word of a PARAMETERS declaration ("DateTime", "Text" ...); -1 when
// the word names no type.
int ParameterTypeOf(std::string_view word);
// "[a] (Date/Time), [b]": the parameters from the one at from on, for messages.
std::string DescribeParameters(const std::vector<QueryParameter>& parameters, size_t from = 0);
// The same name, compared as Access compares names: brackets left out, letter case ignored.
bool SameParameterName(std::string_view a, std::string_view b);

// With parameters, each reference to one of them becomes the SQLite parameter ?N (N its place
// in the list, from 1), and a reference to a form that is not in the list is added to it.
Translation TranslateAccess(std::string_view sql, bool ansi89Wildcards, const ColumnTypeResolver& resolve = {},
                            const TableColumnLookup& tables = {}, std::vector<QueryParameter>* parameters = nullptr);
// The SQL text alone.
std::string TranslateAccessSql(std::string_view sql, bool ansi89Wildcards = false);

class StatementBudget;

// The Access functions, operators and the text collation, on one connection. *running is the
// budget of the statement running at the time (null: none), which the functions that build
// text or search it spend from.
void RegisterAccessFunctions(sqlite3* db, StatementBudget* const* running);

// The date number of a date literal's text (without the "#"), or none.
std::optional<double> ParseDateLiteral(std::string_view text);

}  // namespace platform::access
