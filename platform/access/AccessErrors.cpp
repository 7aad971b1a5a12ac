#include "access/AccessErrors.h"

#include <string>

#include "access/AdoTypes.h"
#include "com/ComError.h"

namespace platform::access {
namespace {

const wchar_t* SourceOf(Route route) {
    switch (route) {
    case Route::Odbc: return L"Microsoft OLE DB Provider for ODBC Drivers";
    case Route::JetOleDb: return L"Microsoft JET Database Engine";
    case Route::AceOleDb: break;
    }
    return L"Microsoft Access Database Engine";
}

std::wstring Worded(Route route, std::wstring_view text) {
    std::wstring out = route == Route::Odbc ? L"[Microsoft][ODBC Microsoft Access Driver] " : L"";
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

void RaiseProviderNotFound() {
    _com_issue_errorex(adErrProviderNotFound, L"ADODB.Connection", L"Provider cannot be found. It may not be properly installed.");
}

void RaiseNoDriver() {
    _com_issue_errorex(E_FAIL, SourceOf(Route::Odbc),
                       L"[Microsoft][ODBC Driver Manager] Data source name not found and no default driver specified");
}

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

void RaiseInvalidPassword(Route route) { Raise(route, route == Route::Odbc ? E_FAIL : DB_SEC_E_AUTH_FAILED, L"Not a valid password."); }

void RaiseEncryptedFile(Route route, std::wstring_view path, std::wstring_view scheme) {
    Raise(route, E_FAIL,
          L"The database '" + std::wstring(path) + L"' is encrypted with a password (" + std::wstring(scheme) +
              L"); this kind of encryption is not supported.");
}

void RaiseNoTable(Route route, std::wstring_view name) {
    Raise(route, DB_E_NOTABLE,
          std::wstring(L"The ") + EngineName(route) + L" cannot find the input table or query '" + std::wstring(name) +
              L"'. Make sure it exists and that its name is spelled correctly.");
}

void RaiseMissingParameters(Route route, int count, std::wstring_view unknownName) {
    const std::wstring named = unknownName.empty() ? std::wstring() : L" Unknown name: " + std::wstring(unknownName) + L".";
    if (route == Route::Odbc) Raise(route, DB_E_PARAMNOTOPTIONAL, L"Too few parameters. Expected " + std::to_wstring(count) + L"." + named);
    Raise(route, DB_E_PARAMNOTOPTIONAL, L"No value given for one or more required parameters." + named);
}

void RaiseSyntaxError(Route route, std::wstring_view near) {
    Raise(route, DB_E_ERRORSINCOMMAND, L"Syntax error (missing operator) in query expression '" + std::wstring(near) + L"'.");
}

void RaiseIncompleteQuery(Route route) { Raise(route, DB_E_ERRORSINCOMMAND, L"Syntax error in query. Incomplete query clause."); }

void RaiseNoCommand(Route route) { Raise(route, DB_E_NOCOMMAND, L"Command text was not set for the command object."); }

void RaiseAmbiguousField(Route route, std::wstring_view field) {
    Raise(route, DB_E_ERRORSINCOMMAND,
          L"The specified field '" + std::wstring(field) + L"' could refer to more than one table listed in the FROM clause of your SQL statement.");
}

void RaiseEngineError(Route route, std::wstring_view message) { Raise(route, E_FAIL, message); }

void RaiseTimeout(Route route, long seconds) {
    Raise(route, DB_E_ABORTLIMITREACHED,
          L"Query timeout expired: the statement ran longer than its limit of " + std::to_wstring(seconds) + L" seconds and was stopped.");
}

void RaiseRowLimit(Route route, long long rows) {
    Raise(route, DB_E_ABORTLIMITREACHED,
          L"The query returns more than " + std::to_wstring(rows) + L" rows, the limit of one result; no rows were read.");
}

void RaiseMemoryLimit(Route route, long long bytes, bool work) {
    Raise(route, DB_E_ABORTLIMITREACHED,
          std::wstring(work ? L"What the query builds or sorts" : L"The query's result") + L" passes its memory limit of " +
              std::to_wstring(bytes >> 20) + L" MB; no rows were read.");
}

void RaiseCellLimit(Route route, long long cells) {
    Raise(route, DB_E_ABORTLIMITREACHED,
          L"The query returns more than " + std::to_wstring(cells) + L" cells (rows times columns), the limit of one table; no rows were read.");
}

void RaiseCancelled(Route route) { Raise(route, DB_E_CANCELED, L"Operation canceled by the user."); }

void RaiseOutOfMemory(Route route) {
    Raise(route, E_OUTOFMEMORY, L"Not enough memory resources are available to complete this operation.");
}

void RaiseObjectClosed(const wchar_t* source) {
    _com_issue_errorex(adErrObjectClosed, source, L"Operation is not allowed when the object is closed.");
}

void RaiseItemNotFound(const wchar_t* source) {
    _com_issue_errorex(adErrItemNotFound, source, L"Item cannot be found in the collection corresponding to the requested name or ordinal.");
}

void RaiseNoCurrentRecord(const wchar_t* source) {
    _com_issue_errorex(adErrNoCurrentRecord, source,
                       L"Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.");
}

void RaiseInvalidConnection(const wchar_t* source) {
    _com_issue_errorex(adErrInvalidConnection, source,
                       L"The connection cannot be used to perform this operation. It is either closed or invalid in this context.");
}

}  // namespace platform::access
