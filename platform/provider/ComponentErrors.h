#pragma once
// The data-access component's own errors, whichever part of it notices them first.
namespace platform::provider {

// No provider serves a connect string that names one ("Provider=...").
[[noreturn]] void RaiseProviderNotFound();
// A connect string that names neither a provider, a driver nor a data source name, as the
// OLE DB provider for ODBC reports it.
[[noreturn]] void RaiseNoDriver();

// ADO's errors about its objects, raised by the named object ("ADODB.Recordset" ...).
[[noreturn]] void RaiseObjectClosed(const wchar_t* source);
[[noreturn]] void RaiseItemNotFound(const wchar_t* source);
[[noreturn]] void RaiseNoCurrentRecord(const wchar_t* source);
[[noreturn]] void RaiseInvalidConnection(const wchar_t* source);

}  // namespace platform::provider
