#pragma once
// Connect strings: "Key=Value;" pairs, keys without regard to case, a value optionally in
// braces ("}}" for a brace) or in quotes (a doubled quote for a quote), which may then hold ";". Which engine a string names and the file it opens.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::access {

std::vector<std::pair<std::wstring, std::wstring>> ParseConnectString(std::wstring_view text);

// How errors are worded: through the ODBC driver (behind the OLE DB provider for ODBC) or
// straight from the Access database engine's OLE DB provider.
enum class Route { Odbc, AceOleDb, JetOleDb };

struct ConnectTarget {
    Route route = Route::Odbc;
    std::wstring database;  // the file as written in the string
    std::wstring password;  // the database password: Pwd (ODBC) or Jet OLEDB:Database Password
};

// The target a string names; throws _com_error as the component does when it names no
// known driver or provider, or is empty.
ConnectTarget ResolveConnectString(std::wstring_view text);

}  // namespace platform::access
