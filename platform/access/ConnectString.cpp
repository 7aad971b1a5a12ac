#include "access/ConnectString.h"

#include "access/AccessErrors.h"
#include "mfc/String.h"

namespace platform::access {
namespace {

const std::wstring* Find(const provider::ConnectPairs& pairs, std::wstring_view key) { return provider::FindConnectValue(pairs, {key}); }

bool IsOdbcProvider(const std::wstring* provider) {
    return !provider || platform::CompareNoCase(*provider, L"MSDASQL") == 0 || platform::CompareNoCase(*provider, L"MSDASQL.1") == 0;
}

bool IsEngineProvider(std::wstring_view provider) {
    return platform::CompareNoCase(provider, L"Microsoft.ACE.OLEDB.12.0") == 0 || platform::CompareNoCase(provider, L"Microsoft.ACE.OLEDB.16.0") == 0 ||
           platform::CompareNoCase(provider, L"Microsoft.Jet.OLEDB.4.0") == 0;
}

bool IsAccessDriver(std::wstring_view name) {
    return platform::CompareNoCase(name, L"Microsoft Access Driver (*.mdb, *.accdb)") == 0 ||
           platform::CompareNoCase(name, L"Microsoft Access Driver (*.mdb)") == 0;
}

}  // namespace

bool NamesAccessEngine(const provider::ConnectPairs& pairs) {
    const std::wstring* provider = Find(pairs, L"Provider");
    if (!IsOdbcProvider(provider)) return IsEngineProvider(*provider);
    const std::wstring* driver = Find(pairs, L"Driver");
    return driver && IsAccessDriver(*driver);
}

ConnectTarget ResolveConnectString(std::wstring_view text) {
    const auto pairs = provider::ParseConnectString(text);
    const std::wstring* provider = Find(pairs, L"Provider");
    ConnectTarget target;
    if (!IsOdbcProvider(provider)) {
        if (platform::CompareNoCase(*provider, L"Microsoft.ACE.OLEDB.12.0") == 0 ||
            platform::CompareNoCase(*provider, L"Microsoft.ACE.OLEDB.16.0") == 0)
            target.route = Route::AceOleDb;
        else if (platform::CompareNoCase(*provider, L"Microsoft.Jet.OLEDB.4.0") == 0)
            target.route = Route::JetOleDb;
        else
            provider::RaiseProviderNotFound();
        const std::wstring* source = Find(pairs, L"Data Source");
        target.database = source ? *source : std::wstring();
        if (const std::wstring* password = Find(pairs, L"Jet OLEDB:Database Password")) target.password = *password;
        return target;
    }
    // No provider: the OLE DB provider for ODBC drivers, which needs a driver it knows.
    target.route = Route::Odbc;
    const std::wstring* driver = Find(pairs, L"Driver");
    if (!driver || !IsAccessDriver(*driver)) provider::RaiseNoDriver();
    const std::wstring* dbq = Find(pairs, L"Dbq");
    target.database = dbq ? *dbq : std::wstring();
    if (const std::wstring* password = Find(pairs, L"Pwd")) target.password = *password;
    return target;
}

}  // namespace platform::access
