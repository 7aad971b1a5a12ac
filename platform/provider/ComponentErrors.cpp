#include "provider/ComponentErrors.h"

#include "com/ComError.h"
#include "provider/AdoTypes.h"

namespace platform::provider {

void RaiseProviderNotFound() {
    _com_issue_errorex(adErrProviderNotFound, L"ADODB.Connection", L"Provider cannot be found. It may not be properly installed.");
}

void RaiseNoDriver() {
    _com_issue_errorex(E_FAIL, L"Microsoft OLE DB Provider for ODBC Drivers",
                       L"[Microsoft][ODBC Driver Manager] Data source name not found and no default driver specified");
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

}  // namespace platform::provider
