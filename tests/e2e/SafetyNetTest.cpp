// The CAD user's safety net, as a person meets it on the console and through the tools: a
// menu that stays from one start to the next, undo and redo that give back the saved drawing
// byte for byte, NAME.bak beside every save, Enter that repeats the last command, a refresh
// that says what it did, and errors in one plain line.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

#include "testing/PseudoTerminal.h"
#include "testing/TempDir.h"
#include "testing/ToolRun.h"

namespace {

using testing_support::PseudoTerminal;
using testing_support::ReadFile;
using testing_support::WriteFile;

using HostRun = testing_support::ToolRun;
using testing_support::Count;
using testing_support::Has;

// Lines that open the main dialog, open the sample database and create a table of Shippers
// at 5,5.
const std::string kCreateShippers = "DbTable_Create\nclick \"Open Database\"\nset Database nwind.mdb\nclick &OK\n"
                                    "select \"Data Source\" nwind.mdb/Shippers\nclick \"Create Table ...\"\n5,5\n";

class SafetyNet : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    const std::string bin = VELLORIA_BIN_DIR;

    void SetUp() override {
        std::filesystem::copy_file(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb", dir / "nwind.mdb");
        std::filesystem::copy_file(std::string(VELLORIA_SOURCE_DIR) + "/samples/linked-tables.dxf", dir / "linked.dxf");
        std::filesystem::copy_file(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf", dir / "plan.dxf");
    }
    std::vector<std::string> Environment() const {
        return {"VELLORIA_REGISTRY=" + (dir / "registry.reg"), "VELLORIA_CONSOLE_DIALOGS=1", "QT_QPA_PLATFORM=offscreen",
                "VELLORIA_OPENER=/bin/true", "VELLORIA_MODULE=" + bin + "/Velloria.so"};
    }
    HostRun Shell(const std::string& args) {
        std::string env;
        for (const std::string& e : Environment()) env += "'" + e + "' ";
        return testing_support::RunIn(dir.path(), "env " + env + "timeout 60 '" + bin + "/velloria' " + args);
    }
    HostRun Script(const std::string& lines, const std::string& drawing = "") {
        WriteFile(dir / "run.scr", lines);
        return Shell((drawing.empty() ? "" : "'" + drawing + "' ") + "-s run.scr");
    }
    std::string Cells(const std::string& drawing) { return Shell("cells '" + drawing + "'").out; }
    // A copy of the sample drawing with the first table's link naming a table that is not
    // there, and the fourth's query a field that is not there.
    void WriteBrokenDrawing(const std::string& name) {
        std::string text = ReadFile(dir / "linked.dxf");
        const auto replace = [&text](const std::string& from, const std::string& to) {
            const size_t at = text.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            text.replace(at, from.size(), to);
        };
        replace("\nShippers\n", "\nShipperz\n");
        replace("SELECT FirstName, LastName", "SELECT FirstNam, LastName");
        WriteFile(dir / name, text);
    }
};

}  // namespace

TEST_F(SafetyNet, TheMenuStaysFromStartToStartUntilItIsUnloaded) {
    // The module inserts its pull-down at the first start and then leaves it to the host.
    for (int start = 1; start <= 3; ++start) {
        SCOPED_TRACE("start " + std::to_string(start));
        const HostRun run = Script("MENUBAR\n");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(Has(run.out, "Velloria  (Velloria.pop1)")) << run.out;
    }
    EXPECT_TRUE(Has(ReadFile(dir / "registry.reg"), "\"Velloria.pop1\"=dword:00000007"));

    // Unloading forgets the group and its pull-down. (At the next start the module finds its
    // group not loaded and loads it again, inserting the pull-down.)
    const HostRun unload = Script("MENUUNLOAD\nvelloria\nMENUBAR\nMENUUNLOAD\nVelloria\n");
    EXPECT_TRUE(Has(unload.out, "Customization Group unloaded successfully. Customization Group: Velloria")) << unload.out;
    EXPECT_TRUE(Has(unload.out, "The Customization Group Velloria is not loaded.")) << unload.out;
    EXPECT_EQ(Count(unload.out, "Velloria  (Velloria.pop1)"), 0) << unload.out;
    EXPECT_FALSE(Has(ReadFile(dir / "registry.reg"), "Velloria.pop1"));
    EXPECT_FALSE(Has(ReadFile(dir / "registry.reg"), "Velloria.cuix"));
}

// Each command is saved before and after; its undo must give back the file saved before it,
// byte for byte, and its redo the file saved after it.
TEST_F(SafetyNet, UndoAndRedoGiveBackTheSavedDrawingByteForByte) {
    struct Case {
        const char* name;
        std::string command;
    };
    const std::vector<Case> cases{
        {"create", kCreateShippers},
        {"refresh", "DbTable_Update\nALL\n\n"},
        {"properties", "DbTable_Properties\n#D\nset 132 Categories\nclick OK\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string n = c.name;
        const HostRun run = Script("SAVEAS\n" + n + "-before.dxf\n" + c.command + "SAVEAS\n" + n + "-after.dxf\nU\nSAVEAS\n" + n +
                                       "-undone.dxf\nREDO\nSAVEAS\n" + n + "-redone.dxf\nQUIT\n",
                                   "linked.dxf");
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Count(run.out, "\nUndone: "), 1) << run.out;
        EXPECT_EQ(Count(run.out, "\nRedone: "), 1) << run.out;
        const std::string before = ReadFile(dir / (n + "-before.dxf")), after = ReadFile(dir / (n + "-after.dxf"));
        ASSERT_FALSE(before.empty());
        EXPECT_NE(before, after);  // the command changed the drawing
        EXPECT_TRUE(ReadFile(dir / (n + "-undone.dxf")) == before);
        EXPECT_TRUE(ReadFile(dir / (n + "-redone.dxf")) == after);
        EXPECT_EQ(Cells(n + "-undone.dxf"), Cells(n + "-before.dxf"));
        EXPECT_EQ(Cells(n + "-redone.dxf"), Cells(n + "-after.dxf"));
    }

    // UNDO 2 takes two commands back; U and REDO are no steps themselves; a new command ends
    // the chance to redo.
    const HostRun many =
        Script(kCreateShippers + kCreateShippers + "UNDO\n2\nREDO\nREDO\nREDO\nU\n" + kCreateShippers + "REDO\nU\nU\n", "plan.dxf");
    EXPECT_EQ(Count(many.out, "\nUndone: DbTable_Create"), 5) << many.out;
    EXPECT_EQ(Count(many.out, "\nRedone: DbTable_Create"), 2) << many.out;
    EXPECT_EQ(Count(many.out, "\nNothing to redo."), 2) << many.out;
    EXPECT_TRUE(Has(many.out, "\nEverything has been undone\n")) << many.out;
}

TEST_F(SafetyNet, EverySaveKeepsThePreviousFileAsItsBackup) {
    const std::string original = ReadFile(dir / "plan.dxf");
    HostRun run = Script(kCreateShippers + "SAVE\n\n", "plan.dxf");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(ReadFile(dir / "plan.bak") == original);
    const std::string first = ReadFile(dir / "plan.dxf");
    EXPECT_NE(first, original);

    run = Script(kCreateShippers + "QSAVE\n", "plan.dxf");
    EXPECT_TRUE(ReadFile(dir / "plan.bak") == first);
    const std::string second = ReadFile(dir / "plan.dxf");

    // update keeps one too, unless told not to.
    const std::string linked = ReadFile(dir / "linked.dxf");
    run = Shell("update linked.dxf");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(ReadFile(dir / "linked.bak") == linked);
    std::filesystem::remove(dir / "linked.bak");
    WriteFile(dir / "linked.dxf", linked);
    run = Shell("update --no-backup linked.dxf");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "linked.bak"));

    // ISAVEBAK 0 keeps none; the setting lasts.
    run = Script("ISAVEBAK\n0\n");
    run = Script(kCreateShippers + "QSAVE\n", "plan.dxf");
    EXPECT_TRUE(ReadFile(dir / "plan.bak") == first);
    EXPECT_NE(ReadFile(dir / "plan.dxf"), second);
}

TEST_F(SafetyNet, EnterRepeatsTheLastCommandForAPersonAndNotInAScript) {
    PseudoTerminal t({bin + "/velloria"}, Environment(), dir.path().string());
    ASSERT_TRUE(t.Started());
    ASSERT_TRUE(t.WaitFor("Command: ")) << t.Transcript();
    t.Type("\r");  // nothing to repeat yet
    ASSERT_TRUE(t.WaitFor("Command: ")) << t.Transcript();
    t.Type("MENUBAR\r");
    ASSERT_TRUE(t.WaitFor("Command: ")) << t.Transcript();
    t.Type("\r");
    ASSERT_TRUE(t.WaitFor("Command: ")) << t.Transcript();
    t.Type("QUIT\r");
    EXPECT_EQ(t.Wait(), 0) << t.Transcript();
    EXPECT_EQ(Count(t.Transcript(), "Velloria  (Velloria.pop1)"), 2) << t.Transcript();

    const HostRun run = Script("MENUBAR\n\n\n");
    EXPECT_EQ(Count(run.out, "Velloria  (Velloria.pop1)"), 1) << run.out;
}

TEST_F(SafetyNet, TheRefreshSaysWhatItDidAndWhatFailedAndWhy) {
    WriteBrokenDrawing("broken.dxf");
    HostRun run = Script("DbTable_Update\nALL\n\nQUIT\nn\n", "broken.dxf");
    EXPECT_TRUE(Has(run.out, "\nThe linked table D is not refreshed: no table or query Shipperz in nwind.mdb; did you mean Shippers?\n"))
        << run.out;
    EXPECT_TRUE(Has(run.out, "\nThe linked table 17 is not refreshed: Too few parameters. Expected 1: [FirstNam].\n"));
    EXPECT_TRUE(Has(run.out, "\n2 tables refreshed, 2 failed.\n"));
    // One plain line for each failure: no framed report besides.
    EXPECT_FALSE(Has(run.out, "CADORecordset Error"));
    EXPECT_FALSE(Has(run.out, "+---"));

    // The same lines when the drawing is refreshed as it opens.
    run = Script("DbTable_Auto_Update\nON\n");
    run = Script("QUIT\nn\n", "broken.dxf");
    EXPECT_TRUE(Has(run.out, "\nThe linked table D is not refreshed: no table or query Shipperz")) << run.out;
    EXPECT_TRUE(Has(run.out, "\n2 tables refreshed, 2 failed.\n")) << run.out;

    run = Script(kCreateShippers);
    EXPECT_TRUE(Has(run.out, "\nTable created: 4 rows x 3 columns from Shippers in nwind.mdb.")) << run.out;
}

TEST_F(SafetyNet, ToolsGiveEachErrorInOnePlainLineWithTheReasonFirst) {
    HostRun run = Shell("preview nwind.mdb --table Shipperz");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velloria preview: no table or query Shipperz in nwind.mdb; did you mean Shippers?\n");
    run = Shell("preview nwind.mdb --sql 'SELECT Foo FROM Shippers'");
    EXPECT_EQ(run.err, "velloria preview: Too few parameters. Expected 1: [Foo].\n");
    run = Shell("preview nwind.mdb --table Shippers --row-limit 1");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velloria preview: The query returns more than 1 rows, the limit of one result; no rows were read.\n");

    WriteBrokenDrawing("broken.dxf");
    run = Shell("update broken.dxf --dry-run");
    EXPECT_TRUE(Has(run.out, "D  nwind.mdb table Shipperz  not refreshed: no table or query Shipperz in nwind.mdb; did you mean Shippers?\n"))
        << run.out;
    EXPECT_FALSE(Has(run.out + run.err, "Error:")) << run.err;  // said once, on the table's line

    run = Shell("links broken.dxf --check --format json");
    EXPECT_TRUE(Has(run.out, "\"reason\":\"the database has no table or view Shipperz; did you mean Shippers?\"")) << run.out;
    EXPECT_TRUE(Has(run.out, "\"reason\":\"Too few parameters. Expected 1: [FirstNam].\"")) << run.out;
    EXPECT_FALSE(Has(run.out, " |")) << run.out;
}
