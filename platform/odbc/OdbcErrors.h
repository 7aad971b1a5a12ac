#pragma once
// The ODBC provider's errors, as _com_error: the driver's own SQLSTATE and message, or the
// provider's refusal and limits, under the source the OLE DB provider for ODBC reports.
#include <string_view>

#include "odbc/OdbcApi.h"

namespace platform::odbc {

inline constexpr const wchar_t* kErrorSource = L"Microsoft OLE DB Provider for ODBC Drivers";

// "SQLSTATE 42P01: ERROR: relation ..." for each record, the HRESULT by the first SQLSTATE's
// class (syntax and access rule 42: DB_E_ERRORSINCOMMAND; authorisation 28:
// DB_SEC_E_AUTH_FAILED; time-outs HYT00, HYT01: DB_E_ABORTLIMITREACHED; otherwise E_FAIL).
[[noreturn]] void RaiseFailure(const OdbcFailure& failure);
// A statement refused before it reached the server (StatementGate.h).
[[noreturn]] void RaiseRefused(std::wstring_view what);
[[noreturn]] void RaiseNotTrusted(std::wstring_view table, std::wstring_view source);
[[noreturn]] void RaiseTimeout(long seconds);
[[noreturn]] void RaiseRowLimit(long long rows);
[[noreturn]] void RaiseMemoryLimit(long long bytes);
[[noreturn]] void RaiseCellLimit(long long cells);
[[noreturn]] void RaiseCancelled();
[[noreturn]] void RaiseOutOfMemory();

}  // namespace platform::odbc
