#include "access/AccessProvider.h"

#include "access/AccessEngine.h"

namespace platform::access {
namespace {

class AccessSession : public provider::Session {
public:
    explicit AccessSession(std::shared_ptr<Database> database) : m_database(std::move(database)) {}
    provider::ResultSet Query(std::wstring_view sql, const provider::StatementLimits& limits) override { return m_database->Query(sql, limits); }
    provider::ResultSet Tables() override { return m_database->Tables(); }
    // Access's own quote, as its ODBC driver reports it.
    std::wstring IdentifierQuote() const override { return L"`"; }

private:
    std::shared_ptr<Database> m_database;
};

std::shared_ptr<provider::Session> Open(std::wstring_view connectString, const provider::ConnectPairs&, const provider::OpenContext& context) {
    return std::make_shared<AccessSession>(Database::Open(ResolveConnectString(connectString), context));
}

}  // namespace

const provider::Provider& AccessProvider() {
    static const provider::Provider provider{L"Access", &NamesAccessEngine, &Open};
    return provider;
}

}  // namespace platform::access
