#include "odbc/OdbcProvider.h"

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

std::shared_ptr<provider::Session> Open(std::wstring_view connectString, const provider::ConnectPairs& pairs, const provider::OpenContext&) {
    // The driver manager gets the ODBC part alone: the OLE DB keys are not the driver's.
    if (!provider::FindConnectValue(pairs, {L"Provider"})) return OdbcSession::Open(connectString);
    std::wstring odbc;
    for (const auto& [key, value] : pairs)
        if (platform::CompareNoCase(key, L"Provider") != 0) odbc += key + L"=" + provider::QuoteOdbcValue(value) + L";";
    return OdbcSession::Open(odbc);
}

}  // namespace

const provider::Provider& OdbcProvider() {
    static const provider::Provider provider{L"ODBC", &Accepts, &Open};
    return provider;
}

}  // namespace platform::odbc
