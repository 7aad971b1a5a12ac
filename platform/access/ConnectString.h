#pragma once
// Which engine an Access connect string names and the file it opens.
#include <string>
#include <string_view>

#include "provider/ConnectString.h"

namespace platform::access {

// How errors are worded: through the ODBC driver (behind the OLE DB provider for ODBC) or
// straight from the Access database engine's OLE DB provider. The engine's Excel and text
// drivers are ODBC drivers of the same engine, each with its own name in messages.
enum class Route { Odbc, AceOleDb, JetOleDb, ExcelOdbc, TextOdbc };

// Whether statements come through an ODBC driver of the engine (its wildcards, its wording).
inline bool ThroughOdbc(Route route) { return route == Route::Odbc || route == Route::ExcelOdbc || route == Route::TextOdbc; }

struct ConnectTarget {
    Route route = Route::Odbc;
    std::wstring database;  // the file as written in the string
    std::wstring password;  // the database password: Pwd (ODBC) or Jet OLEDB:Database Password
};

// The target a string names; throws _com_error as the component does when it names no
// known driver or provider, or is empty.
ConnectTarget ResolveConnectString(std::wstring_view text);
// Whether the pairs name this engine: an Access driver, or the ACE or Jet provider.
bool NamesAccessEngine(const provider::ConnectPairs& pairs);

}  // namespace platform::access
