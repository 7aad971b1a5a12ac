#pragma once
// What a statement sent to a database server may be: one statement that reads. A link's SQL
// comes from the drawing, and a drawing may come from a stranger, so a statement is refused
// before it reaches the server when it
//   - does not begin with SELECT, WITH or VALUES;
//   - holds more than one statement (a ";" with anything but comments after it);
//   - names a word that writes, changes a session or a transaction, or reaches outside the
//     database (INSERT, UPDATE, DELETE, DROP, SET, COMMIT, EXEC, INTO, dblink ...), outside
//     string literals, quoted names and comments.
// Dialects quote differently (a backslash escapes in MySQL's strings and not in PostgreSQL's,
// only PostgreSQL nests comments), so the text is read once in each way and must pass every
// reading: what any of them sees as code is checked as code. Nothing is hidden that some
// dialect runs ("/*!" comments, "--" without a space, dollar quotes). The server's read-only
// transaction stands behind this check; the check gives the clear refusal first.
#include <string>
#include <string_view>

namespace platform::odbc {

// Empty when the statement may run; otherwise what it was refused for, in words for the
// user ("DELETE", "a second statement after \";\"" ...).
std::wstring StatementRefusal(std::wstring_view sql);

}  // namespace platform::odbc
