#include "pgsql/PgProvider.h"

#include "pgsql/PgConnectString.h"
#include "pgsql/PgSession.h"

namespace platform::pgsql {
namespace {

std::shared_ptr<provider::Session> Open(std::wstring_view, const provider::ConnectPairs& pairs, const provider::OpenContext&) {
    return PgSession::Open(pairs);
}

}  // namespace

const provider::Provider& PgProvider() {
    static const provider::Provider provider{L"PostgreSQL", &IsPostgresConnect, &Open};
    return provider;
}

}  // namespace platform::pgsql
