#include "access/AccessSql.h"

#include <cctype>

#include "access/AccessFunctions.h"
#include "access/AccessSqlTranslator.h"

namespace platform::access {

Translation TranslateAccess(std::string_view sql, bool ansi89Wildcards, const ColumnTypeResolver& resolve, const TableColumnLookup& tables,
                            std::vector<QueryParameter>* parameters) {
    sql::Translator translator(sql::Tokenize(sql), ansi89Wildcards, resolve, tables);
    translator.SetParameters(parameters);
    return translator.Run();
}

ValueType ParameterValueType(int type) {
    switch (type) {
    case 1: return ValueType::Bool;
    case 2: case 3: case 4: case 16: return ValueType::Integer;
    case 5: return ValueType::Currency;
    case 6: case 7: case 19: case 20: case 21: return ValueType::Double;
    case 8: case 22: case 23: return ValueType::Date;
    case 10: case 12: case 18: return ValueType::Text;
    default: return ValueType::Unknown;
    }
}

std::string ParameterTypeName(int type) {
    switch (type) {
    case 1: return "Yes/No";
    case 2: return "Byte";
    case 3: return "Integer";
    case 4: return "Long Integer";
    case 5: return "Currency";
    case 6: return "Single";
    case 7: return "Double";
    case 8: case 22: case 23: return "Date/Time";
    case 9: case 17: return "Binary";
    case 10: case 18: return "Text";
    case 11: return "OLE Object";
    case 12: return "Memo";
    case 15: return "Replication ID";
    case 16: return "Large Number";
    case 19: case 20: return "Decimal";
    case 21: return "Double";
    default: return "Value";
    }
}

int ParameterTypeOf(std::string_view word) {
    static const std::pair<const char*, int> kWords[] = {
        {"bit", 1}, {"boolean", 1}, {"logical", 1}, {"logical1", 1}, {"yesno", 1},
        {"byte", 2}, {"integer1", 2}, {"tinyint", 2},
        {"short", 3}, {"smallint", 3}, {"integer2", 3},
        {"long", 4}, {"int", 4}, {"integer", 4}, {"integer4", 4}, {"counter", 4}, {"autoincrement", 4},
        {"currency", 5}, {"money", 5},
        {"single", 6}, {"real", 6}, {"float4", 6}, {"ieeesingle", 6},
        {"double", 7}, {"float", 7}, {"float8", 7}, {"ieeedouble", 7}, {"number", 7},
        {"datetime", 8}, {"date", 8}, {"time", 8}, {"timestamp", 8},
        {"binary", 9}, {"varbinary", 9},
        {"text", 10}, {"char", 10}, {"varchar", 10}, {"string", 10}, {"alphanumeric", 10}, {"character", 10}, {"nchar", 10},
        {"nvarchar", 10},
        {"longbinary", 11}, {"oleobject", 11}, {"general", 11}, {"image", 11},
        {"memo", 12}, {"longtext", 12}, {"longchar", 12}, {"note", 12}, {"ntext", 12},
        {"guid", 15}, {"uniqueidentifier", 15},
        {"bigint", 16},
        {"decimal", 20}, {"dec", 20}, {"numeric", 20},
        {"value", 0}, {"variant", 0},
    };
    for (const auto& [name, type] : kWords)
        if (sql::EqualsNoCase(word, name)) return type;
    return -1;
}

std::string DescribeParameters(const std::vector<QueryParameter>& parameters, size_t from) {
    std::string list;
    for (size_t i = from; i < parameters.size(); ++i) {
        list += (list.empty() ? "[" : ", [") + parameters[i].name + "]";
        if (parameters[i].type != 0) list += " (" + ParameterTypeName(parameters[i].type) + ")";
    }
    return list;
}

bool SameParameterName(std::string_view a, std::string_view b) {
    auto next = [](std::string_view s, size_t& i) {
        while (i < s.size() && (s[i] == '[' || s[i] == ']')) ++i;
        return i < s.size() ? static_cast<int>(std::tolower(static_cast<unsigned char>(s[i++]))) : -1;
    };
    size_t i = 0, j = 0;
    for (;;) {
        const int x = next(a, i), y = next(b, j);
        if (x != y) return false;
        if (x < 0) return true;
    }
}

std::string TranslateAccessSql(std::string_view sql, bool ansi89Wildcards) { return TranslateAccess(sql, ansi89Wildcards).sql; }

void RegisterAccessFunctions(sqlite3* db, StatementBudget* const* running) { RegisterFunctionsOn(db, running); }

}  // namespace platform::access
