#include "odbc/OdbcErrors.h"

#include <string>

#include "com/ComError.h"
#include "provider/AdoTypes.h"
#include "provider/LimitTexts.h"

namespace platform::odbc {
namespace {

[[noreturn]] void Raise(HRESULT hr, std::wstring_view text) { _com_issue_errorex(hr, kErrorSource, std::wstring(text).c_str()); }

HRESULT ResultOf(std::wstring_view state) {
    if (state.substr(0, 2) == L"42") return DB_E_ERRORSINCOMMAND;
    if (state.substr(0, 2) == L"28") return DB_SEC_E_AUTH_FAILED;
    if (state == L"HYT00" || state == L"HYT01") return DB_E_ABORTLIMITREACHED;
    return E_FAIL;
}

}  // namespace

void RaiseFailure(const OdbcFailure& failure) {
    std::wstring text;
    for (const Diagnostic& record : failure.Diagnostics()) {
        std::wstring message = record.message;
        while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
        text += (text.empty() ? L"" : L"\n") + std::wstring(L"SQLSTATE ") + record.state + L": " + message;
    }
    if (text.empty()) text = L"The ODBC driver failed in " + std::wstring(failure.what(), failure.what() + std::char_traits<char>::length(failure.what())) +
                             L" without saying why.";
    Raise(ResultOf(failure.State()), text);
}

void RaiseRefused(std::wstring_view what) {
    Raise(DB_E_ERRORSINCOMMAND, L"The statement was refused: a link runs one statement that only reads (SELECT, WITH or VALUES), and this one has " +
                                    std::wstring(what) + L".");
}

void RaiseNotTrusted(std::wstring_view table, std::wstring_view source) {
    Raise(E_FAIL, L"The table '" + std::wstring(table) + L"' is read from " + std::wstring(source) +
                      L", which is not a trusted source. To trust it: velloria trust add " + std::wstring(source));
}

void RaiseTimeout(long seconds) { Raise(DB_E_ABORTLIMITREACHED, provider::TimeoutText(seconds)); }

void RaiseRowLimit(long long rows) { Raise(DB_E_ABORTLIMITREACHED, provider::RowLimitText(rows)); }

void RaiseMemoryLimit(long long bytes) { Raise(DB_E_ABORTLIMITREACHED, provider::MemoryLimitText(bytes)); }

void RaiseCellLimit(long long cells) { Raise(DB_E_ABORTLIMITREACHED, provider::CellLimitText(cells)); }

void RaiseCancelled() { Raise(DB_E_CANCELED, provider::CancelledText()); }

void RaiseOutOfMemory() { Raise(E_OUTOFMEMORY, L"Not enough memory resources are available to complete this operation."); }

}  // namespace platform::odbc
