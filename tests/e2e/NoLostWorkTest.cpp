// The host as a person uses it, on a terminal and through scripts: ^C and Escape cancel what
// is going on and never the program; nothing changed is lost without a question; a drawing
// that did not load is never written over; saves go through links; the update tool tells the
// truth about what it saved.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "dxf/DrawingIo.h"
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

class NoLostWork : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    const std::string bin = VELLORIA_BIN_DIR;

    void SetUp() override {
        std::filesystem::copy_file(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb", dir / "nwind.mdb");
        std::filesystem::copy_file(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf", dir / "plan.dxf");
    }
    std::vector<std::string> Environment() const {
        return {"VELLORIA_REGISTRY=" + (dir / "registry.reg"), "VELLORIA_CONSOLE_DIALOGS=1", "QT_QPA_PLATFORM=offscreen",
                "VELLORIA_OPENER=/bin/true", "VELLORIA_MODULE=" + bin + "/Velloria.so"};
    }
    // The host on a terminal, in the test's folder.
    std::unique_ptr<PseudoTerminal> Terminal(const std::vector<std::string>& args = {}) {
        std::vector<std::string> argv{bin + "/velloria"};
        argv.insert(argv.end(), args.begin(), args.end());
        auto terminal = std::make_unique<PseudoTerminal>(argv, Environment(), dir.path().string());
        EXPECT_TRUE(terminal->Started());
        return terminal;
    }
    HostRun Shell(const std::string& args, const std::string& input = "/dev/null") {
        std::string env;
        for (const std::string& e : Environment()) env += "'" + e + "' ";
        return testing_support::RunIn(dir.path(), "env " + env + "timeout 60 '" + bin + "/velloria' " + args, input);
    }
    HostRun Script(const std::string& lines, const std::string& drawing = "") {
        WriteFile(dir / "run.scr", lines);
        return Shell((drawing.empty() ? "" : "'" + drawing + "' ") + "-s run.scr");
    }
};

// Lines that open the main dialog, open the sample database and choose its Shippers table.
const std::string kChooseShippers =
    "DbTable_Create\nclick \"Open Database\"\nset Database nwind.mdb\nclick &OK\nselect \"Data Source\" nwind.mdb/Shippers\n";

TEST_F(NoLostWork, CtrlCAndEscapeCancelThePromptAndNeverTheProgram) {
    auto t = Terminal();
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();
    t->Type("\x03");  // at the command prompt: ignored, with its word
    ASSERT_TRUE(t->WaitFor("*Cancel*")) << t->Transcript();
    ASSERT_TRUE(t->WaitFor("Command: "));
    t->Type("\x1b\r");  // Escape, then Enter
    ASSERT_TRUE(t->WaitFor("*Cancel*")) << t->Transcript();

    // Inside a dialog, and inside a dialog opened from a dialog: each ^C cancels one.
    t->Type("DbTable_Create\r");
    ASSERT_TRUE(t->WaitFor("Velloria> ")) << t->Transcript();
    t->Type("click \"Open Database\"\r");
    ASSERT_TRUE(t->WaitFor("Database> ")) << t->Transcript();
    t->Type("\x03");
    ASSERT_TRUE(t->WaitFor("Velloria> ")) << t->Transcript();
    t->Type("\x03");
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();

    // Each dialog the main dialog opens, and the update check.
    t->Type("DbTable_Create\rclick \"Open Database\"\rset Database nwind.mdb\rclick &OK\r");
    ASSERT_TRUE(t->WaitFor("Velloria> "));
    for (const auto& [action, title] : std::vector<std::pair<std::string, std::string>>{
             {"select \"Data Source\" nwind.mdb\rclick \"New Query\"", "Query"},
             {"select \"Data Source\" nwind.mdb/Shippers\rclick \"Customize Column Width\"", "Customize Column Width"},
             {"click \"Customize Column Heading\"", "Customize Column Heading"}}) {
        t->Type(action + "\r");
        ASSERT_TRUE(t->WaitFor(title + "> ")) << title << "\n" << t->Transcript();
        t->Type("\x03");
        ASSERT_TRUE(t->WaitFor("Velloria> ")) << title << "\n" << t->Transcript();
    }
    t->Type("\x03");
    ASSERT_TRUE(t->WaitFor("Command: "));
    t->Type("Velo_Live_Update\r");
    ASSERT_TRUE(t->WaitFor("Check for Update> ")) << t->Transcript();
    t->Type("\x03");
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();

    // ^D in a dialog ends the dialog, not the session: the terminal is still there.
    t->Type("DbTable_Create\r");
    ASSERT_TRUE(t->WaitFor("Velloria> "));
    t->Type("\x04");
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();

    // A point prompt and a selection prompt.
    t->Type("DbTable_Create\rclick \"Open Database\"\rset Database nwind.mdb\rclick &OK\rselect \"Data Source\" nwind.mdb/Shippers\r"
            "click \"Create Table ...\"\r");
    ASSERT_TRUE(t->WaitFor("Specify insertion point: ")) << t->Transcript();
    t->Type("\x03");
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();
    t->Type("DbTable_Update\r");
    ASSERT_TRUE(t->WaitFor("Select objects: ")) << t->Transcript();
    t->Type("\x03");
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();

    // QUIT asks about the changes; Cancel keeps the session, No ends it.
    t->Type("QUIT\r");
    ASSERT_TRUE(t->WaitFor("Save changes to Drawing1.dxf? [Yes/No/Cancel] <Yes>: ")) << t->Transcript();
    t->Type("c\r");
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();
    t->Type("QUIT\r");
    ASSERT_TRUE(t->WaitFor("Save changes to Drawing1.dxf?"));
    t->Type("no\r");
    EXPECT_EQ(t->Wait(), 0) << t->Transcript();
    EXPECT_FALSE(Has(t->Transcript(), "Saved "));
}

// A refresh of three linked tables whose second runs a statement of hours: ^C (pressed twice)
// and, in a second run, Escape stop that statement long before its time limit. The first table
// stays refreshed, the others are reported not refreshed and keep their cells, and the
// session goes on to save the drawing.
TEST_F(NoLostWork, CtrlCAndEscapeStopARefreshBetweenTablesAndKeepWhatItDid) {
    for (const std::string key : {"\x03", "\x1b"}) {
        SCOPED_TRACE(key == "\x03" ? "^C" : "Escape");
        std::filesystem::copy_file(std::string(VELLORIA_TEST_DATA) + "/slow-refresh.dxf", dir / "slow.dxf",
                                   std::filesystem::copy_options::overwrite_existing);
        auto t = Terminal({"slow.dxf"});
        ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();
        t->Type("DbTable_Update\rALL\r\r");
        ASSERT_TRUE(t->WaitFor("Preparing for table update...")) << t->Transcript();
        ::usleep(1500000);  // Shippers is refreshed by now, even on a busy machine, and the long statement runs
        t->Type(key);
        ::usleep(50000);
        t->Type(key);
        // The statement's own limit is a minute: only the key can have stopped it this soon.
        ASSERT_TRUE(t->WaitFor("*Cancel*", 15)) << t->Transcript();
        ASSERT_TRUE(t->WaitFor("The refresh was cancelled: 1 of 3 linked tables refreshed, 2 not refreshed.")) << t->Transcript();
        ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();
        ::usleep(300000);  // a second key that reached the command prompt has been taken there
        t->Type("QSAVE\r");
        ASSERT_TRUE(t->WaitFor("Saved ")) << t->Transcript();
        t->Type("QUIT\r");
        EXPECT_EQ(t->Wait(), 0) << t->Transcript();
        const std::string saved = ReadFile(dir / "slow.dxf");
        EXPECT_TRUE(Has(saved, "Federal Shipping"));  // the first table, refreshed
        EXPECT_FALSE(Has(saved, "Beverages"));        // the third, not reached
        EXPECT_FALSE(Has(t->Transcript(), "CADORecordset Error"));  // a break is no error to report
    }
}

TEST_F(NoLostWork, TheEndOfInputAtATerminalOffersToSaveAndASecondEndLeaves) {
    auto t = Terminal({"plan.dxf"});
    ASSERT_TRUE(t->WaitFor("Command: "));
    t->Type(kChooseShippers.substr(0, kChooseShippers.size() - 1) + "\rclick \"Create Table ...\"\r10,10\r");
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();
    const std::string before = ReadFile(dir / "plan.dxf");
    t->Type("\x04");
    ASSERT_TRUE(t->WaitFor("Save changes to plan.dxf? [Yes/No/Cancel] <Yes>: ")) << t->Transcript();
    t->Type("\x04");  // no answer: the session goes on
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();
    t->Type("\x04");
    EXPECT_EQ(t->Wait(), 0) << t->Transcript();
    EXPECT_TRUE(Has(t->Transcript(), "plan.dxf has changes that were not saved.")) << t->Transcript();
    EXPECT_EQ(ReadFile(dir / "plan.dxf"), before);
}

TEST_F(NoLostWork, ScriptsAnswerTheQuestionAndTheirEndNamesWhatWasNotSaved) {
    const std::string before = ReadFile(dir / "plan.dxf");
    const std::string create = kChooseShippers + "click \"Create Table ...\"\n10,10\n";

    // Unchanged: QUIT asks nothing.
    HostRun run = Script("LIST\n\nQUIT\n", "plan.dxf");
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(Has(run.out, "Save changes")) << run.out;

    // Changed and left at the end of the script: named, not saved.
    run = Script(create, "plan.dxf");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.err, "plan.dxf has changes that were not saved.")) << run.err;
    EXPECT_EQ(ReadFile(dir / "plan.dxf"), before);

    // QUIT, answered Yes: saved.
    run = Script(create + "QUIT\nYes\n", "plan.dxf");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "Save changes to plan.dxf? [Yes/No/Cancel] <Yes>: Yes")) << run.out;
    EXPECT_TRUE(Has(run.out, "Saved ")) << run.out;
    EXPECT_NE(ReadFile(dir / "plan.dxf"), before);

    // OPEN over a changed drawing: Cancel keeps it, No lets it go for the other drawing.
    WriteFile(dir / "plan.dxf", before);
    std::filesystem::copy_file(dir / "plan.dxf", dir / "other.dxf");
    run = Script(create + "OPEN\nother.dxf\nCancel\nOPEN\nother.dxf\nNo\nLIST\n\nQUIT\n", "plan.dxf");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Count(run.out, "Save changes to plan.dxf?"), 2) << run.out;
    EXPECT_FALSE(Has(run.err, "not saved")) << run.err;
    EXPECT_EQ(ReadFile(dir / "plan.dxf"), before);
}

TEST_F(NoLostWork, ADrawingThatDoesNotLoadIsNeverWrittenOver) {
    const std::string original = ReadFile(dir / "plan.dxf");
    // Damaged copies: cut short, a line lost, a number turned to words, a section unclosed.
    std::vector<std::string> damaged = {original.substr(0, original.size() / 2), original.substr(0, original.size() - 10),
                                        original.substr(original.find('\n') + 1)};
    std::string words = original;
    words.replace(words.find("\n 10\n") + 5, 1, "ten");
    damaged.push_back(words);
    std::string unclosed = original;
    unclosed.erase(unclosed.rfind("ENDSEC"));
    damaged.push_back(unclosed);
    for (size_t i = 0; i < damaged.size(); ++i) {
        SCOPED_TRACE("damaged copy " + std::to_string(i));
        const std::string name = "damaged" + std::to_string(i) + ".dxf";
        WriteFile(dir / name, damaged[i]);
        const HostRun run = Script("QSAVE\nQUIT\n" + name + "\nSAVEAS\n" + name + "\n", name);
        EXPECT_EQ(run.status, 1) << run.out << run.err;
        EXPECT_TRUE(Has(run.err, name + ": ")) << run.err;
        EXPECT_EQ(ReadFile(dir / name), damaged[i]);
        EXPECT_FALSE(std::filesystem::exists(dir / "QUIT.dxf"));
    }
    // Neither a missing drawing nor a mistyped subcommand becomes a new drawing.
    HostRun run = Shell("missing.dxf -s /dev/null");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "missing.dxf")) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.dxf"));
    run = Shell("updat");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Has(run.err, "update")) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "updat.dxf"));
}

TEST_F(NoLostWork, SavingThroughALinkWritesTheFileItPointsTo) {
    std::filesystem::create_directory(dir.path() / "real");
    std::filesystem::rename(dir / "plan.dxf", dir / "real/plan.dxf");
    ::chmod((dir / "real/plan.dxf").c_str(), 0640);
    std::filesystem::create_symlink("real/plan.dxf", dir.path() / "plan.dxf");
    const std::string before = ReadFile(dir / "real/plan.dxf");
    const HostRun run = Script(kChooseShippers + "click \"Create Table ...\"\n10,10\nQSAVE\n", "plan.dxf");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "plan.dxf"));
    EXPECT_NE(ReadFile(dir / "real/plan.dxf"), before);
    EXPECT_TRUE(Has(ReadFile(dir / "real/plan.dxf"), "Speedy Express"));
    struct stat st{};
    ASSERT_EQ(::stat((dir / "real/plan.dxf").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(NoLostWork, ASaveThroughLinksThatLeadToNoFileIsAnErrorAndWritesNothing) {
    const std::string before = ReadFile(dir / "plan.dxf");
    std::string previous = "plan.dxf";
    for (int i = 1; i <= 41; ++i) {
        const std::string name = "l" + std::to_string(i) + ".dxf";
        std::filesystem::create_symlink(previous, dir.path() / name);
        previous = name;
    }
    std::filesystem::create_symlink("nowhere/x.dxf", dir.path() / "dangling.dxf");
    const HostRun run = Script(kChooseShippers + "click \"Create Table ...\"\n10,10\nSAVEAS\nl41\nSAVEAS\ndangling\nQUIT\nNo\n", "plan.dxf");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, (dir / "l41.dxf") + ": cannot write the file: it is the first of more than 40 symbolic links in a row"))
        << run.out;
    EXPECT_TRUE(Has(run.out, (dir / "dangling.dxf") + ": cannot write the file: it is a symbolic link to ")) << run.out;
    EXPECT_FALSE(Has(run.out, "Saved ")) << run.out;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "l41.dxf"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "dangling.dxf"));
    EXPECT_EQ(ReadFile(dir / "plan.dxf"), before);
    // The update tool knows before it refreshes anything.
    const HostRun update = Shell("update plan.dxf -o l41.dxf");
    EXPECT_EQ(update.status, 1);
    EXPECT_TRUE(Has(update.err, "more than 40 symbolic links in a row")) << update.err;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "l41.dxf"));
}

TEST_F(NoLostWork, SaveAsOntoAnotherFileAsksBeforeReplacingIt) {
    WriteFile(dir / "other.dxf", "another drawing\n");
    // Enter takes the default, No; "no" is No; the drawing's own name is a plain save.
    HostRun run = Script("SAVEAS\nother\n\nSAVEAS\nother.dxf\nno\nSAVEAS\nplan\nQUIT\n", "plan.dxf");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Count(run.out, "other.dxf already exists. Replace it? [Yes/No] <No>: "), 2) << run.out;
    EXPECT_FALSE(Has(run.out, "plan.dxf already exists")) << run.out;
    EXPECT_TRUE(Has(run.out, "Saved " + (dir / "plan.dxf") + ".")) << run.out;
    EXPECT_EQ(ReadFile(dir / "other.dxf"), "another drawing\n");
    // Yes replaces it; so does a link's target, asked by the link's name.
    std::filesystem::create_symlink("other.dxf", dir.path() / "alias.dxf");
    run = Script("SAVEAS\nalias.dxf\n\nSAVEAS\nother\nYes\nQUIT\n", "plan.dxf");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "alias.dxf already exists. Replace it?")) << run.out;
    EXPECT_TRUE(Has(run.out, "Saved " + (dir / "other.dxf") + ".")) << run.out;
    EXPECT_EQ(ReadFile(dir / "other.dxf"), ReadFile(dir / "plan.dxf"));
    // QUIT's offer to save a new drawing asks for a name; declining the replacement keeps both
    // the file and the session.
    WriteFile(dir / "taken.dxf", "taken\n");
    run = Script(kChooseShippers + "click \"Create Table ...\"\n10,10\nQUIT\nYes\ntaken\nNo\nQUIT\nNo\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Count(run.out, "Save changes to "), 2) << run.out;
    EXPECT_EQ(ReadFile(dir / "taken.dxf"), "taken\n");
}

TEST_F(NoLostWork, TheUpdateToolSaysWhatItSavedAndNamesAFailingDatabaseOnce) {
    // Three tables of a database that is not there, one of one that is.
    const std::string drawing = dir / "linked.dxf";
    ASSERT_EQ(std::system(("'" + bin + "/make_linked_sample' '" + drawing + "' >/dev/null").c_str()), 0);
    std::string text = ReadFile(drawing);
    size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        const std::string item = "\n1001\nDatabase\n1000\n";
        at = text.find(item, at);
        ASSERT_NE(at, std::string::npos);
        at += item.size();
        text.replace(at, text.find('\n', at) - at, "gone.mdb");
    }
    WriteFile(drawing, text);
    HostRun run = Shell("update linked.dxf -o out.dxf");
    EXPECT_EQ(run.status, 1);
    // The reason on each table's line, in one plain line; the database is tried once.
    EXPECT_EQ(Count(run.err, "Connection String = "), 0) << run.err;
    EXPECT_EQ(Count(run.out, "not refreshed: cannot open the database gone.mdb: Could not find file"), 3) << run.out;
    EXPECT_TRUE(Has(run.out, "; saved ")) << run.out;

    // An output that cannot be written is known before anything is refreshed.
    run = Shell("update linked.dxf -o no/such/folder/out.dxf");
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(Has(run.out, " -> ")) << run.out;
    EXPECT_TRUE(Has(run.err, "does not exist")) << run.err;

    // In place, a refresh that changes nothing leaves the file alone, and says so.
    run = Shell("update out.dxf");
    const std::string settled = ReadFile(dir / "out.dxf");
    run = Shell("update out.dxf");
    EXPECT_TRUE(Has(run.out, "; not saved: nothing changed")) << run.out;
    EXPECT_EQ(ReadFile(dir / "out.dxf"), settled);
}

// A table whose column is 1e308 wide (a number, but one whose sums are infinite) is kept as
// the file holds it and named; the other tables are refreshed, and the saved drawing opens
// again, here and in ezdxf.
TEST_F(NoLostWork, ATableTooWideForAnyDrawingIsKeptAsReadAndTheDrawingStaysReadable) {
    const std::string drawing = dir / "linked.dxf";
    ASSERT_EQ(std::system(("'" + bin + "/make_linked_sample' '" + drawing + "' >/dev/null").c_str()), 0);
    std::string text = ReadFile(drawing);
    const size_t width = text.find("\n142\n");
    ASSERT_NE(width, std::string::npos);
    text.replace(width + 5, text.find('\n', width + 5) - width - 5, "1e308");
    WriteFile(drawing, text);
    HostRun run = Shell("update linked.dxf");
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    EXPECT_EQ(Count(run.out, "not refreshed: the table cannot be read: a column width of 1e+308 is beyond what a drawing holds"), 1)
        << run.out;
    EXPECT_TRUE(Has(run.out, "4 linked tables: 3 refreshed, 1 not refreshed; saved ")) << run.out;
    const std::string saved = ReadFile(drawing);
    EXPECT_FALSE(Has(saved, "inf\n")) << "an infinity was written";
    EXPECT_TRUE(Has(saved, "\n142\n1e308\n"));
    run = Shell("links linked.dxf");
    EXPECT_EQ(run.status, 0) << run.err;
    const int ezdxf = std::system(("/usr/bin/python3 -c 'import ezdxf, sys; ezdxf.readfile(sys.argv[1])' '" + drawing + "'").c_str());
    EXPECT_EQ(ezdxf, 0) << "ezdxf cannot read the saved drawing (or is missing: scripts/setup.sh installs it)";
    // It plots as its blocks stand: the table's grid, out of reach, does not stretch the sheet.
    run = Shell("plot linked.dxf -o sheet.png");
    EXPECT_EQ(run.status, 0) << run.err;
    // Opened at the command line, the drawing says what it kept.
    run = Script("QUIT\n", "linked.dxf");
    EXPECT_TRUE(Has(run.out, " is kept as the file holds it: a column width of 1e+308 is beyond what a drawing holds.")) << run.out;
}

}  // namespace
