// How a source beyond a file is named, and when the list of trusted sources names it.
#include <gtest/gtest.h>

#include "provider/ConnectString.h"
#include "provider/SourceName.h"
#include "text/Utf8.h"

namespace {

using namespace platform::provider;

TEST(SourceName, ServerLocations) {
    const auto plain = ParseServerLocation(L"DB.Example.com:05432/Sales");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->host, L"db.example.com");
    EXPECT_EQ(plain->port, L"5432");
    EXPECT_EQ(plain->database, L"Sales");  // a database name keeps its case
    EXPECT_EQ(FormatServerLocation(*plain), L"db.example.com:5432/Sales");
    const auto v6 = ParseServerLocation(L"[::1]:6543/db");
    ASSERT_TRUE(v6);
    EXPECT_EQ(v6->host, L"::1");
    EXPECT_EQ(FormatServerLocation(*v6), L"[::1]:6543/db");
    EXPECT_TRUE(ParseServerLocation(L"host/db"));
    for (const wchar_t* bad : {L"host", L"host:port/db", L":5432/db", L"host:99999999/db", L"a/b/c", L"[::1/db", L"ho st/db"})
        EXPECT_FALSE(ParseServerLocation(bad)) << platform::ToUtf8(bad);
    EXPECT_TRUE(ParseServerLocation(L"host", true));
}

TEST(SourceName, ConnectStringsNameTheirServerOrDataSource) {
    EXPECT_EQ(RemoteSourceOf(ParseConnectString(L"Driver={PostgreSQL Unicode};Server=PG1;Port=5432;Database=shop;Uid=u;Pwd=p;")), L"pg1:5432/shop");
    EXPECT_EQ(RemoteSourceOf(ParseConnectString(L"ODBC;DRIVER=SQL Server;SERVER=tcp:Sql2,1433;DATABASE=plant;Trusted_Connection=Yes")),
              L"sql2:1433/plant");
    EXPECT_EQ(RemoteSourceOf(ParseConnectString(L"DSN=Warehouse;UID=me")), L"DSN=Warehouse");
    // A file is no source beyond a file.
    EXPECT_EQ(RemoteSourceOf(ParseConnectString(L"Driver={SQLite3};Database=/srv/data/parts.db;")), L"");
    EXPECT_EQ(RemoteSourceOf(ParseConnectString(L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=C:\\x.mdb;")), L"");
}

TEST(SourceName, TrustedEntriesNameServersDatabasesAndDataSources) {
    const std::vector<std::wstring> trusted = {L"pg1:5432/shop", L"Reports.Example.com", L"DSN=Warehouse"};
    EXPECT_TRUE(IsTrustedSource(L"pg1:5432/shop", trusted));
    EXPECT_TRUE(IsTrustedSource(L"PG1/shop", trusted));         // the driver's default port
    EXPECT_FALSE(IsTrustedSource(L"pg1:5433/shop", trusted));    // another server on that host
    EXPECT_FALSE(IsTrustedSource(L"pg1:5432/stock", trusted));   // another database
    EXPECT_TRUE(IsTrustedSource(L"reports.example.com:1433/any", trusted));  // every database there
    EXPECT_TRUE(IsTrustedSource(L"dsn=WAREHOUSE", trusted));
    EXPECT_FALSE(IsTrustedSource(L"DSN=Other", trusted));
    EXPECT_FALSE(IsTrustedSource(L"warehouse/x", trusted));     // a host is not a data source
    EXPECT_FALSE(IsTrustedSource(L"", trusted));
}

TEST(SourceName, QuotedValuesReadBackWhole) {
    for (const wchar_t* value : {L"plain", L"a;b", L"}{", L" edge ", L"x=y", L"{p;w}}}"}) {
        const std::wstring text = L"Driver={X};Pwd=" + QuoteOdbcValue(value) + L";Uid=u;";
        const ConnectPairs pairs = ParseConnectString(text);
        ASSERT_EQ(pairs.size(), 3u) << platform::ToUtf8(text);
        EXPECT_EQ(pairs[1].second, value) << platform::ToUtf8(text);
        EXPECT_EQ(pairs[2].first, L"Uid");
    }
}

}  // namespace
