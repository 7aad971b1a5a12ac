#pragma once
// The seam between the data-access objects (ado/) and the sources behind them. A provider
// opens a connect string into a session; a session runs one statement at a time and lists its
// tables. The objects above know sessions only, never which provider made one, so adding a
// source is a folder of its own and one line in the table of providers (ado/Providers.cpp).
//
// Every failure is a _com_error worded as that provider words it (its source, its SQLSTATE or
// engine message), so the module's one error report shows what the source said.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "provider/ConnectString.h"
#include "provider/ResultSet.h"

namespace platform::provider {

// The rows of one statement, one at a time, for a reader that keeps none of them.
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual const std::vector<ResultColumn>& Columns() const = 0;
    // The next row's values, one a column, into row; false past the last row. Throws
    // _com_error as Query does, also when the time or row limit is passed on the way.
    virtual bool Next(_variant_t* row) = 0;
};

class Session {
public:
    virtual ~Session() = default;
    // Runs one statement, read-only, within the limits; throws _com_error on failure, also
    // when the statement would change anything or passes a limit.
    virtual ResultSet Query(std::wstring_view sql, const StatementLimits& limits) = 0;
    // The same statement read row by row, for a reader that keeps no row: the time and row
    // limits apply as to Query. By default over the whole result of Query; a provider that can
    // hands over each row as it comes, holding none (the memory limit then has nothing to count).
    virtual std::unique_ptr<Cursor> Stream(std::wstring_view sql, const StatementLimits& limits);
    // The tables schema: one row per table-like object, with at least the text columns
    // TABLE_NAME and TABLE_TYPE ("TABLE", "VIEW", "LINK", "SYSTEM TABLE" ...).
    virtual ResultSet Tables() = 0;
    // The character that quotes an identifier in this source's SQL ("`" for Access, "\""
    // for most servers); a quote inside a name is written twice.
    virtual std::wstring IdentifierQuote() const = 0;
};

// What the opener knows beyond the connect string.
struct OpenContext {
    // Opens another source by its connect string, through whichever provider takes it: for a
    // table of one source that is read from another (an Access table linked through ODBC).
    std::function<std::shared_ptr<Session>(std::wstring_view connectString)> openOther;
    // The sources beyond a file that the user trusts (see SourceName.h); another source that
    // one source links to is read only when it is one of them.
    std::vector<std::wstring> trustedSources;
};

struct Provider {
    const wchar_t* name;
    // Whether this provider serves the connect string.
    bool (*accepts)(const ConnectPairs& pairs);
    // Opens it; throws _com_error as the provider words a failure to open.
    std::shared_ptr<Session> (*open)(std::wstring_view connectString, const ConnectPairs& pairs, const OpenContext& context);
};

}  // namespace platform::provider
