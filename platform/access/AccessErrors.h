#pragma once
// The errors of the Access engine and of the component in front of it, worded as each route
// words them (HRESULT, source, description).
#include <string_view>

#include "access/ConnectString.h"
#include "provider/ComponentErrors.h"

namespace platform::access {

[[noreturn]] void RaiseFileNotFound(Route route, std::wstring_view path);
[[noreturn]] void RaiseNotAccessFile(Route route, std::wstring_view path);
[[noreturn]] void RaiseDamagedFile(Route route, std::wstring_view path);
// Rows of a table that damaged pages keep from being read.
[[noreturn]] void RaiseDamagedRows(Route route, std::wstring_view path, std::wstring_view table, size_t rows);
// A missing or wrong database password; the password itself is never part of the text.
[[noreturn]] void RaiseInvalidPassword(Route route);
// An encrypted file whose scheme (or a part of it: missing) cannot be read.
[[noreturn]] void RaiseEncryptedFile(Route route, std::wstring_view path, std::wstring_view scheme, std::wstring_view missing);
// The reader program is not where the host library is.
[[noreturn]] void RaiseNoReader(Route route);
[[noreturn]] void RaiseNoTable(Route route, std::wstring_view name);
// Parameters without values: names lists them ("[a] (Date/Time), [b]"), hint says how to
// give them.
[[noreturn]] void RaiseMissingParameters(Route route, int count, std::wstring_view names = {}, std::wstring_view hint = {});
[[noreturn]] void RaiseSyntaxError(Route route, std::wstring_view near);
[[noreturn]] void RaiseIncompleteQuery(Route route);
[[noreturn]] void RaiseNoCommand(Route route);
// A second statement after the first (only one statement runs).
[[noreturn]] void RaiseCharactersAfterEnd(Route route);
[[noreturn]] void RaiseAmbiguousField(Route route, std::wstring_view field);
[[noreturn]] void RaiseEngineError(Route route, std::wstring_view message);
// A statement stopped at one of its limits (see StatementLimits).
[[noreturn]] void RaiseTimeout(Route route, long seconds);
[[noreturn]] void RaiseRowLimit(Route route, long long rows);
// The result passed the memory limit, or (work) what the statement builds or sorts did.
[[noreturn]] void RaiseMemoryLimit(Route route, long long bytes, bool work = false);
// The result would hold more cells (rows times columns) than one table may.
[[noreturn]] void RaiseCellLimit(Route route, long long cells);
// The user broke off the statement (Escape, ^C).
[[noreturn]] void RaiseCancelled(Route route);
[[noreturn]] void RaiseOutOfMemory(Route route);

}  // namespace platform::access
