// The velloria executable run on scripts, as a user would run it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <map>
#include <string>

#include "testing/TempDir.h"

namespace {

using testing_support::ReadFile;
using testing_support::WriteFile;

struct HostRun {
    int status = -1;
    std::string out;
    std::string err;
};

class Host : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    std::string registryFile = dir / "registry.reg";
    std::string binDir = VELLORIA_BIN_DIR;

    HostRun RunHost(const std::string& script, const std::map<std::string, std::string>& env = {},
                const std::string& extraArgs = "") {
        WriteFile(dir / "run.scr", script);
        std::string command = "env -u VELLORIA_MODULE VELLORIA_REGISTRY='" + registryFile + "' VELLORIA_OPENER=/bin/true VELLORIA_CONSOLE_DIALOGS=1";
        for (const auto& [name, value] : env) command += " " + name + "='" + value + "'";
        command += " '" + binDir + "/velloria' " + extraArgs + " -s '" + (dir / "run.scr") + "' >'" + (dir / "out.txt") +
                   "' 2>'" + (dir / "err.txt") + "' </dev/null";
        HostRun run;
        int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadFile(dir / "out.txt");
        run.err = ReadFile(dir / "err.txt");
        return run;
    }

    // A copy of the installation folder, with the menu file replaced (or left out when empty).
    std::string InstallCopy(const std::string& menuText) {
        std::string folder = dir / "install";
        std::filesystem::create_directories(folder);
        for (const char* name : {"velloria", "Velloria.so", "VelloriaDialogs.so", "libvelloria_platform.so", "libvelloria_ui.so", "libvelloria_gui.so",
                                 "libvelloria_view.so"})
            std::filesystem::copy_file(binDir + "/" + name, folder + "/" + name);
        if (!menuText.empty()) WriteFile(folder + "/Velloria.cuix", menuText);
        return folder;
    }

    static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
};

const char* kFailure =
    "\nFailed to load the menu and toolbar of Velloria. Please load Velloria.cuix from the installation folder of "
    "Velloria manually.";

TEST_F(Host, MenuIsLoadedOnFirstRunAndItsPullDownInsertedOnceAfter) {
    HostRun first = RunHost("MENUBAR\n");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_TRUE(Has(first.out, "Command: (command \"Velo_LoadMenu\")")) << first.out;
    EXPECT_TRUE(Has(first.out, "Customization Group: Velloria"));
    EXPECT_TRUE(Has(first.out, "  7  Velloria  (Velloria.pop1)\n       Create Table from Database...")) << first.out;
    EXPECT_FALSE(Has(first.out, "Failed to load"));
    std::string stored = ReadFile(registryFile);
    EXPECT_TRUE(Has(stored, "[HKEY_CURRENT_USER\\software\\Velloria Host\\Profile\\Menus]\n\"Velloria\"=\"" + binDir +
                                "/Velloria.cuix\"")) << stored;
    EXPECT_FALSE(Has(stored, "ActiveMenu"));

    HostRun second = RunHost("MENUBAR\n");
    EXPECT_EQ(second.status, 0);
    EXPECT_FALSE(Has(second.out, "(command \"Velo_LoadMenu\")")) << second.out;
    EXPECT_TRUE(Has(second.out, "  7  Velloria  (Velloria.pop1)\n")) << second.out;
    EXPECT_TRUE(Has(ReadFile(registryFile), "[HKEY_CURRENT_USER\\software\\Morvane\\Velloria]\n\"ActiveMenu\"=dword:00000000\n"))
        << ReadFile(registryFile);

    // The host remembers the menu bar as the user left it: the pull-down stays.
    HostRun third = RunHost("MENUBAR\n");
    EXPECT_EQ(third.status, 0);
    EXPECT_FALSE(Has(third.out, "(command \"Velo_LoadMenu\")")) << third.out;
    EXPECT_TRUE(Has(third.out, "  7  Velloria  (Velloria.pop1)\n")) << third.out;
    EXPECT_TRUE(Has(third.out, "  8  Window\n  9  Help\n")) << third.out;
}

TEST_F(Host, RunsCommandsByEitherNameAndReportsUnknownOnes) {
    WriteFile(dir / "inner.scr", "_velo_about\nclick OK\n");
    HostRun run = RunHost("NoSuchThing\n_DbTable_Create\nclick Close\nSCRIPT " + (dir / "inner.scr") + "\nCOMMANDS Morvane\nQUIT\nNoSuchAfterQuit\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(Has(run.out, "\nUnknown command \"NoSuchThing\".\n"));
    EXPECT_TRUE(Has(run.out, "\nDialog \"Velloria\"")) << run.out;
    EXPECT_TRUE(Has(run.out, "\nVelloria> click Close\n"));
    EXPECT_TRUE(Has(run.out, "\nDialog \"About Velloria\"")) << run.out;  // from the nested script
    EXPECT_TRUE(Has(run.out, "  Velo_LoadMenu            _Velo_LoadMenu\n"));
    EXPECT_FALSE(Has(run.out, "Velo:\n"));
    EXPECT_FALSE(Has(run.out, "NoSuchAfterQuit"));
}

TEST_F(Host, AMissingMenuFileIsReportedAndTheCommandsStayAvailable) {
    std::string folder = InstallCopy("");
    binDir = folder;
    HostRun run = RunHost("DbTable_Create\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(Has(run.out, kFailure)) << run.out;
    EXPECT_TRUE(Has(run.out, "\nDialog \"Velloria\"")) << run.out;  // the end of input closes it
    EXPECT_FALSE(Has(ReadFile(registryFile), "Profile\\Menus]\n\"Velloria\""));
}

TEST_F(Host, ADamagedMenuFileIsNotLoaded) {
    std::string folder = InstallCopy("***MENUGROUP=Velloria\n***POP1\n**pop1\n[Velloria]\n\x01\x02 garbage\n");
    binDir = folder;
    HostRun run = RunHost("MENUBAR\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(Has(run.out, "Unable to load menu file " + folder + "/Velloria.cuix: line 5: expected [label]macro.")) << run.out;
    EXPECT_TRUE(Has(run.out, kFailure));
    EXPECT_FALSE(Has(run.out, "Velloria  ("));
    // The next run tries again rather than believing the group loaded.
    HostRun again = RunHost("");
    EXPECT_TRUE(Has(again.out, "(command \"Velo_LoadMenu\")"));
}

TEST_F(Host, ADamagedRegistryFileIsKeptAsideAndTheHostStartsAfresh) {
    const std::string garbage = "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\software\\Morvane\\Velloria\n";
    WriteFile(registryFile, garbage);
    HostRun run = RunHost("MENUBAR\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(Has(run.err, "is damaged")) << run.err;
    int kept = 0;
    for (const auto& f : std::filesystem::directory_iterator(dir.path()))
        if (f.path().filename().string().starts_with("registry.reg.damaged-")) {
            ++kept;
            EXPECT_EQ(ReadFile(f.path().string()), garbage);
        }
    EXPECT_EQ(kept, 1);
    EXPECT_TRUE(Has(run.out, "Customization Group: Velloria"));
    EXPECT_TRUE(Has(ReadFile(registryFile), "\"Velloria\"="));
}

TEST_F(Host, AModuleThatCannotLoadIsNamedAndTheHostCarriesOn) {
    HostRun run = RunHost("DbTable_Create\nMENUBAR\n", {{"VELLORIA_MODULE", "/nonexistent/Velloria.so"}});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(Has(run.out, "\nCannot load module /nonexistent/Velloria.so: ")) << run.out;
    EXPECT_TRUE(Has(run.out, "\nUnknown command \"DbTable_Create\".\n"));
    EXPECT_TRUE(Has(run.out, "  1  File\n"));
}

TEST_F(Host, HostErrorsGiveANonZeroStatus) {
    std::string command = "'" + binDir + "/velloria' -s '" + (dir / "absent.scr") + "' >/dev/null 2>&1";
    int raw = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1);
    raw = std::system(("'" + binDir + "/velloria' -x >/dev/null 2>&1").c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 2);
}

// HELP lists every command with its line and prints a page as text; LIST lists handles at
// once, everything for Enter alone, and goes on asking after another selection.
TEST_F(Host, HelpListsTheCommandsAndListTakesASelection) {
    const std::string drawing = std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf";
    HostRun run = RunHost("HELP\nhelp dbtable_update\nHELP NOSUCH\nLIST #9C\nLIST #FFFF\nLIST\n\nLIST\nALL\n\n", {}, "'" + drawing + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    for (const std::string line : {"\n  DbTable_Create       create a table from a database\n", "\n  LIST                 the selected entities",
                                    "\n  HELP                 ", "\n  ?                    "})
        EXPECT_TRUE(Has(run.out, line)) << line << run.out;
    EXPECT_TRUE(Has(run.out, "\nDbTable_Update: refresh linked tables\n\n")) << run.out;  // the page's heading, then its text
    EXPECT_FALSE(Has(run.out, "<p>")) << run.out;
    EXPECT_TRUE(Has(run.out, "\nNo command NOSUCH. HELP lists the commands.")) << run.out;
    EXPECT_TRUE(Has(run.out, "\nNo entity has the handle FFFF.")) << run.out;
    size_t listed = 0;
    for (size_t at = run.out.find("Handle = 9C"); at != std::string::npos; at = run.out.find("Handle = 9C", at + 1)) ++listed;
    EXPECT_EQ(listed, 3u) << run.out;  // by handle, for Enter alone, and after ALL
    EXPECT_TRUE(Has(run.out, "Select objects <all>: ALL\n1 found, 1 total\nSelect objects: \n")) << run.out;
}

}  // namespace

TEST_F(Host, ADialogScriptCreatesALinkedTable) {
    const std::string db = dir / "nwind.mdb";
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/nwind.mdb", db);
    HostRun run = RunHost("DbTable_Create\nclick \"Open Database\"\nset Database " + db + "\nclick &OK\nselect \"Data Source\" " + db +
                          "/Shippers\ncheck \"Include Header\" off\nclick \"Create Table ...\"\n5,5\nLIST\n\nDbTable_Properties\n5,5\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "  Size: 3 rows x 3 columns")) << run.out;
    EXPECT_TRUE(Has(run.out, "  Xdata \"Table\": (1000) \"Shippers\"\n"));
    EXPECT_TRUE(Has(run.out, "(1070) 1 (1070) 0 (1070) 0 (1070) 0 (1000) \"\" (1000) \"\" (1071) 3 (1071) 3"));
    EXPECT_TRUE(Has(run.out, "\nDialog \"Properties\""));  // the table picked at 5,5; the end of input cancels
    EXPECT_TRUE(Has(ReadFile(registryFile), "\"Inc Header\"=dword:00000000"));
}
