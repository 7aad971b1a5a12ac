#include "ado/Providers.h"

#include "access/AccessProvider.h"
#include "odbc/OdbcProvider.h"
#include "pgsql/PgProvider.h"
#include "provider/ComponentErrors.h"
#include "sheets/SheetsProvider.h"

namespace platform::ado {
namespace {

// The one registration of providers, in the order they are asked. The Access engine comes
// first: it takes the Access driver's and providers' names, so Access files are never read
// through an ODBC driver of their own. Workbooks and text files come before it: they take the
// engine's Excel and text drivers, and its providers when their extended properties say so.
// PostgreSQL's own comes before ODBC: it takes the strings that name PostgreSQL's driver.
const provider::Provider* const kProviders[] = {
    &sheets::SheetsProvider(),
    &access::AccessProvider(),
    &pgsql::PgProvider(),
    &odbc::OdbcProvider(),
};

}  // namespace

std::shared_ptr<provider::Session> OpenSession(std::wstring_view connectString, const std::vector<std::wstring>& trustedSources) {
    const provider::ConnectPairs pairs = provider::ParseConnectString(connectString);
    provider::OpenContext context;
    context.trustedSources = trustedSources;
    context.openOther = [trustedSources](std::wstring_view other) { return OpenSession(other, trustedSources); };
    for (const provider::Provider* candidate : kProviders)
        if (candidate->accepts(pairs)) return candidate->open(connectString, pairs, context);
    if (provider::FindConnectValue(pairs, {L"Provider"})) provider::RaiseProviderNotFound();
    provider::RaiseNoDriver();
}

}  // namespace platform::ado
