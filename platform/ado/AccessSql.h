#pragma once
// Access SQL on SQLite: the statement as the user writes it for Access, rewritten where the
// two dialects differ in spelling, and the Access functions a query commonly calls.
//   #1994-11-16#, #11/16/1994 10:30:00 PM#  date literals (become the stored date number)
//   True, False                             -1 and 0, as Access stores Yes/No
//   "text"                                  a text literal, not a name
//   a & b                                   text concatenation
//   IIf, Nz, UCase, LCase, Len, Left, Right, Mid
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;

namespace platform::access {

std::string TranslateAccessSql(std::string_view sql);
void RegisterAccessFunctions(sqlite3* db);

// The date number of a date literal's text (without the "#"), or none.
std::optional<double> ParseDateLiteral(std::string_view text);

}  // namespace platform::access
