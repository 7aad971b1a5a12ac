// Linked tables on a real PostgreSQL server, end to end through the velloria program: made
// through the dialogs, stored as every link is stored, refreshed after the server's data
// changed, and never run for a drawing whose server the user has not trusted.
#include <filesystem>
#include <sstream>
#include <string>

#include "../dxf/DxfTestUtil.h"
#include "odbc/OdbcTesting.h"
#include "testing/TempDir.h"
#include "testing/ToolRun.h"

namespace {

using odbc_testing::Drivers;
using odbc_testing::Server;
using testing_support::Has;
using testing_support::ToolRun;

// The password in a URL: ";" and "}" written as %-escapes.
const std::string kUrlPassword = "s3cret%3Bpw%7D";

class ServerLink : public ::testing::Test {
protected:
    void SetUp() override {
        Drivers();
        Server().Psql(
            "DROP TABLE IF EXISTS parts CASCADE; CREATE TABLE parts (id int, name text, price numeric(8,2));"
            "INSERT INTO parts VALUES (1, 'bolt', 0.25), (2, 'nut', 0.10), (3, 'washer', 0.05);"
            "CREATE VIEW cheap_parts AS SELECT id, name FROM parts WHERE price < 0.2;");
    }

    ToolRun Velloria(const std::string& args, const std::string& environment = "") {
        return testing_support::RunIn(m_dir.path(), "env -u VELLORIA_MODULE VELLORIA_REGISTRY='" + (m_dir / "registry.reg") +
                                                        "' VELLORIA_OPENER=/bin/true VELLORIA_CONSOLE_DIALOGS=1 " + environment + " '" +
                                                        VELLORIA_BIN_DIR + "/velloria' " + args);
    }
    ToolRun Script(const std::string& script, const std::string& drawing = "") {
        testing_support::WriteFile(m_dir / "run.scr", script);
        return Velloria((drawing.empty() ? "" : "'" + drawing + "' ") + "-s run.scr");
    }
    std::string Url(const std::string& user = "postgres:" + kUrlPassword) const {
        return "postgresql://" + user + "@" + Server().Host() + ":" + std::to_string(Server().Port()) + "/velloria";
    }
    // Creates a drawing with the tables of parts and cheap_parts, through the dialogs.
    void CreateThroughTheDialogs(const std::string& drawing) {
        const std::string location = Server().Location();
        const ToolRun created = Script("SAVEAS " + drawing + "\n"
                                       "DbTable_Create\n"
                                       "click \"Open Database\"\n"
                                       "select \"Connect String\" \"PostgreSQL Unicode (installed)\"\n"
                                       "set Server " + Server().Host() + ":" + std::to_string(Server().Port()) + "\n"
                                       "set Database velloria\n"
                                       "set User postgres\n"
                                       "set Password \"s3cret;pw}\"\n"
                                       "click &OK\n"
                                       "select \"Data Source\" " + location + "/parts\n"
                                       "click \"Create Table ...\"\n"
                                       "0,0\n"
                                       "DbTable_Create\n"
                                       "select \"Data Source\" " + location + "/cheap_parts\n"
                                       "click \"Create Table ...\"\n"
                                       "30,0\n"
                                       "QSAVE\n");
        ASSERT_EQ(created.status, 0) << created.out << created.err;
        ASSERT_FALSE(Has(created.out, "Error")) << created.out;
    }
    // The cells of the drawing's tables, as velloria cells prints them.
    std::string Cells(const std::string& drawing) { return Velloria("cells " + drawing).out; }

    testing_support::TempDir m_dir;
};

// Every ACAD_TABLE's link applications, item by item, as an independent reader sees them.
const char* kReadLinks = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
for e in doc.modelspace().query('ACAD_TABLE'):
    for app in ['Connect_Driver', 'Database', 'Table', 'SQL', 'User', 'Password', '4E679C82-0FD2-43e8-8D7F-465BF47E479F']:
        print(app, [(t.code, t.value) for t in e.get_xdata(app)])
)";

TEST_F(ServerLink, TablesFromATableAndAViewAreStoredAsEveryLinkAndRefreshToTheServersNewRows) {
    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    CreateThroughTheDialogs("made.dxf");
    const std::string links = dxftest::RunPython(kReadLinks, "'" + (m_dir / "made.dxf") + "'");
    const std::string location = Server().Location();
    EXPECT_TRUE(Has(links, "Connect_Driver [(1000, 'PostgreSQL Unicode')]\n"
                           "Database [(1000, '" + location + "')]\n"
                           "Table [(1000, 'parts')]\n"
                           "SQL [(1000, '')]\n"
                           "User [(1000, 'postgres')]\n"
                           "Password [(1000, 's3cret;pw}')]\n"
                           "4E679C82-0FD2-43e8-8D7F-465BF47E479F [(1070, 1), (1070, 1), (1070, 0), (1070, 0), (1000, ''), (1000, ''), "
                           "(1071, 4), (1071, 3)]\n"))
        << links;
    EXPECT_TRUE(Has(links, "Table [(1000, 'cheap_parts')]\n")) << links;
    EXPECT_TRUE(Has(Cells("made.dxf"), "3\twasher\t0.05\n")) << Cells("made.dxf");
    // The password stays in the drawing only: never in a listing.
    const ToolRun listed = Velloria("links made.dxf");
    EXPECT_TRUE(Has(listed.out, "database: " + location)) << listed.out;
    EXPECT_FALSE(Has(listed.out + listed.err, "s3cret")) << listed.out;

    Server().Psql("INSERT INTO parts VALUES (4, 'rivet', 0.02), (5, 'pin', 0.01)");
    // The server is not trusted yet: nothing runs, and the report says what to do.
    const ToolRun refused = Velloria("update made.dxf");
    EXPECT_TRUE(Has(refused.out, "not refreshed: " + location + " is not a trusted source (to trust it: velloria trust add " + location + ")"))
        << refused.out << refused.err;
    EXPECT_FALSE(Has(Cells("made.dxf"), "rivet"));

    const ToolRun trusted = Velloria("trust add " + location);
    EXPECT_EQ(trusted.out, "trusted: " + location + "\n");
    const ToolRun check = Velloria("links --check made.dxf");
    EXPECT_TRUE(Has(check.out, location + " table parts  ok: 6 x 3, cells would change")) << check.out;
    EXPECT_TRUE(Has(check.out, location + " table cheap_parts  ok: 5 x 2, cells would change")) << check.out;
    const ToolRun updated = Velloria("update made.dxf");
    EXPECT_EQ(updated.status, 0) << updated.out << updated.err;
    // Both tables' rows, each without the handle field that starts it and the empty fields that
    // pad the narrower table to the wider one's columns.
    std::string cells;
    std::istringstream lines(Cells("made.dxf"));
    for (std::string line; std::getline(lines, line);) {
        line.erase(0, line.find('\t') + 1);
        while (!line.empty() && line.back() == '\t') line.pop_back();
        cells += line + "\n";
    }
    EXPECT_TRUE(Has(cells, "id\tname\tprice\n1\tbolt\t0.25\n2\tnut\t0.1\n3\twasher\t0.05\n4\trivet\t0.02\n5\tpin\t0.01\n")) << cells;
    EXPECT_TRUE(Has(cells, "id\tname\n2\tnut\n3\twasher\n4\trivet\n5\tpin\n")) << cells;
    // The record is what it was: a refresh does not write it back.
    const std::string after = dxftest::RunPython(kReadLinks, "'" + (m_dir / "made.dxf") + "'");
    EXPECT_EQ(after, links);
}

TEST_F(ServerLink, AnUntrustedServerIsNotRunOnOpeningNorInUpdateUntilTrusted) {
    CreateThroughTheDialogs("stranger.dxf");
    const std::string location = Server().Location();
    // A stranger's link: its SQL, marked so the server's log shows whether it ran.
    const ToolRun edited = Script("DbTable_Auto_Update\nON\n");
    ASSERT_EQ(edited.status, 0) << edited.out;
    testing_support::WriteFile(m_dir / "probe.scr", "QUIT\nN\n");
    const size_t logBefore = Server().Log().size();
    const ToolRun opened = Velloria("stranger.dxf -s probe.scr");
    EXPECT_TRUE(Has(opened.out, "not refreshed: " + location + " is not a trusted source")) << opened.out;
    const ToolRun update = Velloria("update stranger.dxf");
    EXPECT_EQ(update.status, 1) << update.out;
    const ToolRun check = Velloria("links --check stranger.dxf");
    EXPECT_TRUE(Has(check.out, "broken (untrusted-source)")) << check.out;
    // The data dialog opens the databases of the drawing's links: not this one.
    const ToolRun dialog = Script("DbTable_Create\nclick Close\nQUIT\nN\n", "stranger.dxf");
    EXPECT_TRUE(Has(dialog.out, "The database of a linked table is not opened: " + location + " is not a trusted source")) << dialog.out;
    // Nothing of the drawing reached the server: no connection, no statement.
    const std::string log = Server().Log().substr(logBefore);
    EXPECT_FALSE(Has(log, "parts")) << log;
    EXPECT_FALSE(Has(log, "DateStyle")) << log;

    ASSERT_EQ(Velloria("trust add " + Server().Host() + ":" + std::to_string(Server().Port())).status, 0);
    Server().Psql("UPDATE parts SET name = 'hex bolt' WHERE id = 1");
    const ToolRun reopened = Velloria("stranger.dxf -s probe.scr");
    EXPECT_FALSE(Has(reopened.out, "not a trusted source")) << reopened.out;
    EXPECT_TRUE(Has(Server().Log().substr(logBefore), "SELECT * FROM \"parts\"")) << Server().Log().substr(logBefore);
    EXPECT_EQ(Velloria("update stranger.dxf").status, 0);
    EXPECT_TRUE(Has(Cells("stranger.dxf"), "1\thex bolt\t0.25\n")) << Cells("stranger.dxf");
}

TEST_F(ServerLink, StatementsThatWriteChangeNothingOnATrustedServer) {
    ASSERT_EQ(Velloria("trust add " + Server().Location()).status, 0);
    CreateThroughTheDialogs("writes.dxf");
    // The first table's link made to write, through the properties of its table.
    const std::string listed = Velloria("links writes.dxf").out;
    const std::string handle = listed.substr(0, listed.find(' '));
    const char* writes[] = {"DELETE FROM parts", "UPDATE parts SET name = 'x'", "CREATE TABLE evil (a int)", "SELECT 1; DROP TABLE parts"};
    for (const char* sql : writes) {
        const ToolRun changed = Script("DbTable_Properties\n#" + handle + "\nset SQL \"" + std::string(sql) + "\"\nclick OK\nQSAVE\n", "writes.dxf");
        ASSERT_EQ(changed.status, 0) << changed.out;
        const ToolRun update = Velloria("update writes.dxf");
        // The reason on the table's own line.
        EXPECT_TRUE(Has(update.out, "not refreshed: The statement was refused")) << sql << "\n" << update.out;
    }
    EXPECT_EQ(Server().Psql("SELECT count(*) FROM parts WHERE name <> 'x'"), "3\n");
    EXPECT_EQ(Server().Psql("SELECT count(*) FROM pg_tables WHERE tablename = 'evil'"), "0\n");
}

TEST_F(ServerLink, ToolsTakeAServerAsUsersWriteOneAndNeverPrintItsPassword) {
    const ToolRun tables = Velloria("tables '" + Url() + "' --columns");
    EXPECT_EQ(tables.status, 0) << tables.err;
    EXPECT_TRUE(Has(tables.out, "parts\tTABLE\t3\n    id\tLong Integer\n    name\tMemo\n    price\tDecimal\n")) << tables.out;
    EXPECT_TRUE(Has(tables.out, "cheap_parts\tVIEW\t2\n")) << tables.out;
    const ToolRun preview = Velloria("preview '" + Url() + "' --table parts --header");
    EXPECT_EQ(preview.out, "id\tname\tprice\n1\tbolt\t0.25\n2\tnut\t0.1\n3\twasher\t0.05\n") << preview.err;
    const ToolRun byDriver = Velloria("preview " + Server().Location() + " --driver 'PostgreSQL Unicode' --user postgres --password 's3cret;pw}' "
                                      "--sql 'SELECT name FROM parts WHERE id = 2'");
    EXPECT_EQ(byDriver.out, "nut\n") << byDriver.err;
    const ToolRun wrong = Velloria("preview '" + Url("postgres:wrong-horse") + "' --table parts");
    EXPECT_EQ(wrong.status, 1);
    EXPECT_TRUE(Has(wrong.err, "password authentication failed")) << wrong.err;
    EXPECT_FALSE(Has(wrong.out + wrong.err, "wrong-horse")) << wrong.err;
    const ToolRun badUrl = Velloria("preview 'postgresql://host' --table parts");
    EXPECT_EQ(badUrl.status, 2);
    // The preview writes rows as they come; a limit that stops the statement on the way fails
    // the run, after the rows before it.
    const ToolRun limited = Velloria("preview '" + Url() + "' --sql 'SELECT g FROM generate_series(1, 10) AS g' --row-limit 5");
    EXPECT_EQ(limited.status, 1);
    EXPECT_EQ(limited.out, "1\n2\n3\n4\n5\n");
    EXPECT_TRUE(Has(limited.err, "more than 5 rows")) << limited.err;
    // In JSON the rows stand too, but the object stays open: no reader takes it for the whole.
    const ToolRun limitedJson = Velloria("preview '" + Url() + "' --sql 'SELECT g FROM generate_series(1, 10) AS g' --row-limit 5 --format json");
    EXPECT_EQ(limitedJson.status, 1);
    EXPECT_EQ(limitedJson.out, "{\"columns\": [\"g\"], \"rows\": [\n  [\"1\"],\n  [\"2\"],\n  [\"3\"],\n  [\"4\"],\n  [\"5\"]");
    const ToolRun empty = Velloria("preview '" + Url() + "' --sql 'SELECT id, name FROM parts WHERE id < 0' --header");
    EXPECT_EQ(empty.status, 0) << empty.err;
    EXPECT_EQ(empty.out, "id\tname\n");
}

TEST_F(ServerLink, AnEmptyPasswordIsTakenFromPgpassOrTheEnvironment) {
    const std::string probe = "preview " + Server().Location() + " --driver 'PostgreSQL Unicode' --user postgres --sql 'SELECT count(*) FROM parts'";
    EXPECT_EQ(Velloria(probe, "PGPASSFILE=/nonexistent").status, 1);
    testing_support::WriteFile(m_dir / "pgpass", "127.0.0.1:" + std::to_string(Server().Port()) + ":velloria:postgres:s3cret;pw}\n");
    std::filesystem::permissions(m_dir / "pgpass", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::replace);
    EXPECT_EQ(Velloria(probe, "PGPASSFILE='" + (m_dir / "pgpass") + "'").out, "3\n");
    EXPECT_EQ(Velloria(probe, "PGPASSFILE=/nonexistent VELLORIA_PASSWORD='s3cret;pw}'").out, "3\n");
}

}  // namespace
