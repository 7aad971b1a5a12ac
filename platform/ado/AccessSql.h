#pragma once
// Access SQL on SQLite: the statement as the user writes it for Access, rewritten where the
// two dialects differ in spelling, and the Access functions a query commonly calls.
//   #1994-11-16#, #11/16/1994 10:30:00 PM#  date literals (become the stored date number)
//   True, False                             -1 and 0, as Access stores Yes/No
//   "text"                                  a text literal, not a name
//   a & b                                   text concatenation
//   IIf, Nz, UCase, LCase, Len, Left, Right, Mid
//   LIKE 'A*'                               through the ODBC driver, * and ? are the wildcards
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;

namespace platform::access {

// ansi89Wildcards: the pattern after LIKE uses * and ? (the ODBC driver's reading) rather
// than % and _ (the OLE DB provider's).
std::string TranslateAccessSql(std::string_view sql, bool ansi89Wildcards = false);
void RegisterAccessFunctions(sqlite3* db);

// The date number of a date literal's text (without the "#"), or none.
std::optional<double> ParseDateLiteral(std::string_view text);

}  // namespace platform::access
