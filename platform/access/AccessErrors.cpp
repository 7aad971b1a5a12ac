#include "access/AccessErrors.h"

#include <string>

#include "provider/AdoTypes.h"
#include "com/ComError.h"
#include "provider/LimitTexts.h"

namespace platform::access {
namespace {

const wchar_t* SourceOf(Route route) {
    switch (route) {
    case Route::Odbc:
    case Route::ExcelOdbc:
    case Route::TextOdbc: return L"Microsoft OLE DB Provider for ODBC Drivers";
    case Route::JetOleDb: return L"Microsoft JET Database Engine";
    case Route::AceOleDb: break;
    }
    return L"Microsoft Access Database Engine";
}

std::wstring Worded(Route route, std::wstring_view text) {
    std::wstring out = route == Route::Odbc        ? L"[Microsoft][ODBC Microsoft Access Driver] "
                       : route == Route::ExcelOdbc ? L"[Microsoft][ODBC Excel Driver] "
                       : route == Route::TextOdbc  ? L"[Microsoft][ODBC Text Driver] "
                                                   : L"";
    out += text;
    return out;
}

[[noreturn]] void Raise(Route route, HRESULT hr, std::wstring_view text) {
    _com_issue_errorex(hr, SourceOf(route), Worded(route, text).c_str());
}

const wchar_t* EngineName(Route route) {
    return route == Route::JetOleDb ? L"Microsoft Jet database engine" : L"Microsoft Access database engine";
}

}  // namespace

void RaiseFileNotFound(Route route, std::wstring_view path) {
    Raise(route, E_FAIL, L"Could not find file '" + std::wstring(path) + L"'.");
}

void RaiseNotAccessFile(Route route, std::wstring_view path) {
    Raise(route, E_FAIL, L"Unrecognized database format '" + std::wstring(path) + L"'.");
}

void RaiseDamagedFile(Route route, std::wstring_view path) {
    Raise(route, E_FAIL, L"The database '" + std::wstring(path) + L"' needs to be repaired or isn't a database file.");
}

void RaiseDamagedRows(Route route, std::wstring_view path, std::wstring_view table, size_t rows) {
    Raise(route, E_FAIL,
          L"The table '" + std::wstring(table) + L"' cannot be read whole: " + std::to_wstring(rows) + L" of its rows " + (rows == 1 ? L"lies" : L"lie") +
              L" on damaged pages. The database '" + std::wstring(path) + L"' needs to be repaired.");
}

void RaiseInvalidPassword(Route route) { Raise(route, ThroughOdbc(route) ? E_FAIL : DB_SEC_E_AUTH_FAILED, L"Not a valid password."); }

void RaiseEncryptedFile(Route route, std::wstring_view path, std::wstring_view scheme, std::wstring_view missing) {
    Raise(route, E_FAIL,
          L"The database '" + std::wstring(path) + L"' is encrypted with a password (" + std::wstring(scheme) + L"); " +
              (missing.empty() ? std::wstring(L"this kind of encryption") : std::wstring(missing)) + L" is not supported.");
}

void RaiseNoReader(Route route) {
    Raise(route, E_FAIL,
          L"The Access file reader velloria-access-reader could not be started; it belongs in the folder of the program's libraries.");
}

void RaiseNoTable(Route route, std::wstring_view name) {
    Raise(route, DB_E_NOTABLE,
          std::wstring(L"The ") + EngineName(route) + L" cannot find the input table or query '" + std::wstring(name) +
              L"'. Make sure it exists and that its name is spelled correctly.");
}

void RaiseMissingParameters(Route route, int count, std::wstring_view names, std::wstring_view hint) {
    const std::wstring list = names.empty() ? std::wstring(L".") : L": " + std::wstring(names) + L".";
    const std::wstring more = hint.empty() ? std::wstring() : L" " + std::wstring(hint);
    if (ThroughOdbc(route)) Raise(route, DB_E_PARAMNOTOPTIONAL, L"Too few parameters. Expected " + std::to_wstring(count) + list + more);
    Raise(route, DB_E_PARAMNOTOPTIONAL, L"No value given for one or more required parameters" + list + more);
}

void RaiseSyntaxError(Route route, std::wstring_view near) {
    Raise(route, DB_E_ERRORSINCOMMAND, L"Syntax error (missing operator) in query expression '" + std::wstring(near) + L"'.");
}

void RaiseIncompleteQuery(Route route) { Raise(route, DB_E_ERRORSINCOMMAND, L"Syntax error in query. Incomplete query clause."); }

void RaiseNoCommand(Route route) { Raise(route, DB_E_NOCOMMAND, L"Command text was not set for the command object."); }

void RaiseCharactersAfterEnd(Route route) { Raise(route, DB_E_ERRORSINCOMMAND, L"Characters found after end of SQL statement."); }

void RaiseAmbiguousField(Route route, std::wstring_view field) {
    Raise(route, DB_E_ERRORSINCOMMAND,
          L"The specified field '" + std::wstring(field) + L"' could refer to more than one table listed in the FROM clause of your SQL statement.");
}

void RaiseEngineError(Route route, std::wstring_view message) { Raise(route, E_FAIL, message); }

void RaiseTimeout(Route route, long seconds) { Raise(route, DB_E_ABORTLIMITREACHED, provider::TimeoutText(seconds)); }

void RaiseRowLimit(Route route, long long rows) { Raise(route, DB_E_ABORTLIMITREACHED, provider::RowLimitText(rows)); }

void RaiseMemoryLimit(Route route, long long bytes, bool work) { Raise(route, DB_E_ABORTLIMITREACHED, provider::MemoryLimitText(bytes, work)); }

void RaiseCellLimit(Route route, long long cells) { Raise(route, DB_E_ABORTLIMITREACHED, provider::CellLimitText(cells)); }

void RaiseCancelled(Route route) { Raise(route, DB_E_CANCELED, provider::CancelledText()); }

void RaiseOutOfMemory(Route route) {
    Raise(route, E_OUTOFMEMORY, L"Not enough memory resources are available to complete this operation.");
}

}  // namespace platform::access
