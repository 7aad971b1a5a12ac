// Creating linked tables through the dialogs from a script, saving them, reading the saved
// drawing with an independent reader, and refreshing it to the same cells.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <filesystem>
#include <string>

#include "../dxf/DxfTestUtil.h"
#include "testing/TempDir.h"

namespace {

using testing_support::ReadFile;
using testing_support::WriteFile;

class CreateTable : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    std::string bin = VELLORIA_BIN_DIR;

    struct Run {
        int status = -1;
        std::string out;
    };

    Run Exec(const std::string& args) {
        const std::string command = "cd '" + std::string(dir.path()) + "' && env -u VELLORIA_MODULE VELLORIA_REGISTRY='" +
                                    (dir / "registry.reg") +
                                    "' VELLORIA_OPENER=/bin/true VELLORIA_CONSOLE_DIALOGS=1 " + args + " >'" +
                                    (dir / "out.txt") + "' 2>&1 </dev/null";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(dir / "out.txt")};
    }
    Run Host(const std::string& script, const std::string& drawing = "") {
        WriteFile(dir / "run.scr", script);
        return Exec("'" + bin + "/velloria' " + (drawing.empty() ? "" : "'" + drawing + "' ") + "-s run.scr");
    }
};

// Every ACAD_TABLE of the drawing: its seven link applications item by item, then the cell
// texts its block shows, in drawing order.
const char* kReadTables = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print('audit errors', len(doc.audit().errors))
for e in doc.modelspace().query('ACAD_TABLE'):
    print('table', e.dxf.handle)
    for app in ['Connect_Driver', 'Database', 'Table', 'SQL', 'User', 'Password',
                '4E679C82-0FD2-43e8-8D7F-465BF47E479F']:
        print(' ', app, [(t.code, t.value) for t in e.get_xdata(app)])
    block = doc.blocks.get(e.xtags.get_subclass('AcDbBlockReference').get_first_value(2))
    print('  cells', sorted(m.plain_text() for m in block.query('MTEXT')))
)";

}  // namespace

TEST_F(CreateTable, FromATableAndANewQuerySavedLinkedAndRefreshedToTheSameCells) {
    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    std::filesystem::copy_file(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb", dir / "nwind.mdb");

    const Run created = Host(
        "SAVEAS created.dxf\n"
        "DbTable_Create\n"
        "click \"Open Database\"\n"
        "set Database nwind.mdb\n"
        "click &OK\n"
        "select \"Data Source\" nwind.mdb/Shippers\n"
        "click \"Customize Column Heading\"\n"
        "dblclick 142 0 1\n"
        "set 3456 Carrier\n"
        "key Enter\n"
        "click OK\n"
        "click \"Customize Column Width\"\n"
        "dblclick 142 0 2\n"
        "set 3456 4.5\n"
        "key Enter\n"
        "click OK\n"
        "click \"Create Table ...\"\n"
        "0,0\n"
        "DbTable_Create\n"
        "select \"Data Source\" nwind.mdb\n"
        "click \"New Query\"\n"
        "set Name Cheap\n"
        "set SQL \"SELECT ProductName, UnitPrice FROM Products WHERE UnitPrice < 5 ORDER BY ProductName\"\n"
        "click OK\n"
        "check \"Include Header\" off\n"
        "click \"Create Table ...\"\n"
        "20,0\n"
        "QSAVE\n");
    ASSERT_EQ(created.status, 0) << created.out;

    const std::string saved = dxftest::RunPython(kReadTables, "'" + (dir / "created.dxf") + "'");
    const std::string odbc = "'Microsoft Access Driver (*.mdb, *.accdb)'";
    EXPECT_NE(saved.find("audit errors 0"), std::string::npos) << saved;
    // The table with a header, its own heading and one width.
    EXPECT_NE(saved.find("  Connect_Driver [(1000, " + odbc + ")]\n"
                         "  Database [(1000, 'nwind.mdb')]\n"
                         "  Table [(1000, 'Shippers')]\n"
                         "  SQL [(1000, '')]\n"
                         "  User [(1000, '')]\n"
                         "  Password [(1000, '')]\n"
                         "  4E679C82-0FD2-43e8-8D7F-465BF47E479F ["
                         "(1070, 1), (1070, 1), (1070, 0), (1070, 0), (1000, 'ShipperID,Carrier,Phone'), "
                         "(1000, '0,0,4.5'), (1071, 4), (1071, 3)]\n"),
              std::string::npos)
        << saved;
    EXPECT_NE(saved.find("'Carrier'"), std::string::npos);
    EXPECT_NE(saved.find("'Federal Shipping'"), std::string::npos);
    // The query without a header: its name is the table name, the SQL is stored.
    EXPECT_NE(saved.find("  Table [(1000, 'Cheap')]\n"
                         "  SQL [(1000, 'SELECT ProductName, UnitPrice FROM Products WHERE UnitPrice < 5 "
                         "ORDER BY ProductName')]\n"),
              std::string::npos)
        << saved;
    // Its field names are no custom headings: none are stored.
    EXPECT_NE(saved.find("(1070, 1), (1070, 0), (1070, 0), (1070, 0), (1000, ''), (1000, ''), "
                         "(1071, 2), (1071, 2)]"),
              std::string::npos)
        << saved;

    const Run linksBefore = Exec("'" + bin + "/velloria' links created.dxf");
    const Run refreshed = Host("DbTable_Update\nALL\n\nQSAVE\n", "created.dxf");
    ASSERT_EQ(refreshed.status, 0) << refreshed.out;
    EXPECT_NE(refreshed.out.find("\nPreparing for table update...\n"), std::string::npos) << refreshed.out;
    const Run linksAfter = Exec("'" + bin + "/velloria' links created.dxf");
    EXPECT_EQ(linksAfter.out, linksBefore.out);
    EXPECT_EQ(dxftest::RunPython(kReadTables, "'" + (dir / "created.dxf") + "'"), saved);
}
