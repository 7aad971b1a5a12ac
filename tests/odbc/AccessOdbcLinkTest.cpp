// Tables of an Access file that are linked through ODBC: listed as LINK, read from their
// server through the ODBC provider when it is trusted and reachable, refused with the reason
// otherwise. The links are written into a copy of nwind.mdb as Access writes them (a catalogue
// row of type 4 with its connect string and the table's name there).
#include <filesystem>
#include <string>

#include "odbc/OdbcTesting.h"
#include "testing/TempDir.h"
#include "testing/ToolRun.h"

namespace {

using odbc_testing::Drivers;
using odbc_testing::Server;
using testing_support::Has;
using testing_support::ToolRun;

class AccessOdbcLink : public ::testing::Test {
protected:
    void SetUp() override {
        Server().Psql("DROP TABLE IF EXISTS parts CASCADE; CREATE TABLE parts (id int, name text, price numeric(8,2));"
                      "INSERT INTO parts VALUES (1, 'bolt', 0.25), (2, 'nut', 0.10), (3, 'washer', 0.05);");
        Drivers().AddDataSource("VelloriaLinked", "PostgreSQL Unicode",
                                {"Servername=127.0.0.1", "Port=" + std::to_string(Server().Port()), "Database=velloria", "Username=postgres",
                                 "Password=s3cret;pw}"});
        std::filesystem::copy_file(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb", m_dir / "front.mdb");
        Link("Remote Parts", "public.parts", "ODBC;DSN=VelloriaLinked;");
        Link("Elsewhere", "dbo.Orders", "ODBC;DRIVER={SQL Server};SERVER=sql7;DATABASE=orders;Trusted_Connection=Yes;");
    }
    void Link(const std::string& name, const std::string& foreign, const std::string& connect) {
        const ToolRun added = testing_support::RunIn(m_dir.path(), "'" + std::string(VELLORIA_BIN_DIR) + "/add_odbc_link' front.mdb '" + name +
                                                                       "' '" + foreign + "' '" + connect + "'");
        ASSERT_EQ(added.status, 0) << added.err;
    }
    ToolRun Velloria(const std::string& args) {
        return testing_support::RunIn(m_dir.path(), "env -u VELLORIA_MODULE VELLORIA_REGISTRY='" + (m_dir / "registry.reg") + "' '" +
                                                        VELLORIA_BIN_DIR + "/velloria' " + args);
    }

    testing_support::TempDir m_dir;
};

TEST_F(AccessOdbcLink, IsListedAsALinkAndReadFromItsTrustedServer) {
    // What an independent reader of Access files sees in the copy.
    const ToolRun json = testing_support::RunIn(m_dir.path(), "mdb-json front.mdb MSysObjects");
    ASSERT_TRUE(Has(json.out, "\"Name\":\"Remote Parts\",\"Type\":4")) << json.out;
    ASSERT_TRUE(Has(json.out, "\"Connect\":\"ODBC;DSN=VelloriaLinked;\",\"ForeignName\":\"public.parts\"")) << json.out;

    // Untrusted: listed, but not read; the reason names the command that trusts it.
    const size_t logBefore = Server().Log().size();
    const ToolRun listed = Velloria("tables front.mdb");
    EXPECT_EQ(listed.status, 1);
    EXPECT_TRUE(Has(listed.out, "Remote Parts\tLINK\t?\n")) << listed.out;
    EXPECT_TRUE(Has(listed.out, "Elsewhere\tLINK\t?\n")) << listed.out;
    EXPECT_TRUE(Has(listed.out, "Shippers\tTABLE\t3\n")) << listed.out;
    EXPECT_TRUE(Has(listed.err, "The table 'Remote Parts' is linked to DSN=VelloriaLinked, which is not a trusted source. "
                                "To trust it: velloria trust add DSN=VelloriaLinked"))
        << listed.err;
    EXPECT_FALSE(Has(Server().Log().substr(logBefore), "parts")) << "an untrusted link reached the server";

    ASSERT_EQ(Velloria("trust add DSN=VelloriaLinked").status, 0);
    EXPECT_TRUE(Has(Velloria("tables front.mdb").out, "Remote Parts\tLINK\t3\n"));
    const ToolRun rows = Velloria("preview front.mdb --table 'Remote Parts' --header");
    EXPECT_EQ(rows.out, "id\tname\tprice\n1\tbolt\t0.25\n2\tnut\t0.1\n3\twasher\t0.05\n") << rows.err;
    // Access SQL over a local table and the linked one together.
    const ToolRun joined = Velloria("preview front.mdb --sql \"SELECT s.CompanyName, p.name FROM Shippers AS s INNER JOIN [Remote Parts] AS p "
                                    "ON s.ShipperID = p.id WHERE p.price > 0.06 ORDER BY p.name\"");
    EXPECT_EQ(joined.out, "Speedy Express\tbolt\nUnited Package\tnut\n") << joined.err;
}

TEST_F(AccessOdbcLink, AConnectStringThatDoesNotResolveHereIsRefusedWithTheReason) {
    ASSERT_EQ(Velloria("trust add sql7/orders").status, 0);
    const ToolRun read = Velloria("preview front.mdb --table Elsewhere");
    EXPECT_EQ(read.status, 1);
    // No driver of that name here: the driver manager's own words.
    EXPECT_TRUE(Has(read.err, "SQLSTATE 01000: [unixODBC][Driver Manager]Can't open lib 'SQL Server'")) << read.err;
}

}  // namespace
