#include "odbc/OdbcProvider.h"

#include "odbc/OdbcApi.h"
#include "odbc/OdbcSession.h"
#include "text/TextCase.h"

namespace platform::odbc {
namespace {

bool Accepts(const provider::ConnectPairs& pairs) {
    // The OLE DB provider for ODBC, named or implied.
    if (const std::wstring* name = provider::FindConnectValue(pairs, {L"Provider"});
        name && platform::CompareNoCase(*name, L"MSDASQL") != 0 && platform::CompareNoCase(*name, L"MSDASQL.1") != 0)
        return false;
    const std::wstring* target = provider::FindConnectValue(pairs, {L"Driver", L"DSN", L"FileDSN"});
    return target && !target->empty();
}

// The library the driver manager loads for the string: its Driver, or its data source's.
std::wstring DriverLibrary(const provider::ConnectPairs& pairs) {
    std::wstring driver;
    if (const std::wstring* named = provider::FindConnectValue(pairs, {L"Driver"})) {
        driver = *named;
    } else if (const std::wstring* dsn = provider::FindConnectValue(pairs, {L"DSN"})) {
        for (const DataSource& source : DataSources())
            if (platform::CompareNoCase(source.name, *dsn) == 0) driver = source.driver;
    }
    for (const InstalledDriver& installed : InstalledDrivers())
        if (platform::CompareNoCase(installed.name, driver) == 0) return installed.library;
    return {};
}

// PostgreSQL's driver reads a whole result into memory before it hands over the first row,
// where no limit of ours can stop it; with a cursor it fetches the result in blocks.
constexpr std::pair<const wchar_t*, const wchar_t*> kPostgresOptions[] = {{L"UseDeclareFetch", L"1"}, {L"Fetch", L"4096"}};

std::shared_ptr<provider::Session> Open(std::wstring_view connectString, const provider::ConnectPairs& pairs, const provider::OpenContext&) {
    // The driver manager gets the ODBC part alone: the OLE DB keys are not the driver's.
    std::wstring odbc;
    for (const auto& [key, value] : pairs)
        if (platform::CompareNoCase(key, L"Provider") != 0) odbc += key + L"=" + provider::QuoteOdbcValue(value) + L";";
    if (DriverLibrary(pairs).find(L"psqlodbc") != std::wstring::npos)
        for (const auto& [key, value] : kPostgresOptions)
            if (!provider::FindConnectValue(pairs, {key})) odbc += std::wstring(key) + L"=" + value + L";";
    return OdbcSession::Open(odbc);
}

}  // namespace

const provider::Provider& OdbcProvider() {
    static const provider::Provider provider{L"ODBC", &Accepts, &Open};
    return provider;
}

}  // namespace platform::odbc
