#include "access/AccessSql.h"

#include "access/AccessFunctions.h"
#include "access/AccessSqlTranslator.h"

namespace platform::access {

Translation TranslateAccess(std::string_view sql, bool ansi89Wildcards, const ColumnTypeResolver& resolve, const TableColumnLookup& tables) {
    sql::Translator translator(sql::Tokenize(sql), ansi89Wildcards, resolve, tables);
    return translator.Run();
}

std::string TranslateAccessSql(std::string_view sql, bool ansi89Wildcards) { return TranslateAccess(sql, ansi89Wildcards).sql; }

void RegisterAccessFunctions(sqlite3* db, StatementBudget* const* running) { RegisterFunctionsOn(db, running); }

}  // namespace platform::access
