// The command line on a terminal edits lines as a shell does: earlier lines come back with
// the Up arrow (also in the next session), Tab completes command names, ^C and Escape drop
// the line being typed, and pasted text is not wrapped in bracketed-paste codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "testing/PseudoTerminal.h"
#include "testing/TempDir.h"

namespace {

using testing_support::PseudoTerminal;

class LineEditing : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    const std::string bin = VELLORIA_BIN_DIR;

    // The host on a terminal, at its first prompt (in the first session, after the module's
    // menu was loaded).
    std::unique_ptr<PseudoTerminal> Terminal(bool firstSession = true) {
        const std::vector<std::string> env = {"VELLORIA_REGISTRY=" + (dir / "registry.reg"), "VELLORIA_CONSOLE_DIALOGS=1",
                                              "QT_QPA_PLATFORM=offscreen", "VELLORIA_OPENER=/bin/true", "INPUTRC=/dev/null",
                                              "VELLORIA_MODULE=" + bin + "/Velloria.so"};
        auto terminal = std::make_unique<PseudoTerminal>(std::vector<std::string>{bin + "/velloria"}, env, dir.path().string());
        EXPECT_TRUE(terminal->Started());
        if (firstSession) {
            EXPECT_TRUE(terminal->WaitFor("Customization Group: Velloria")) << terminal->Transcript();
        }
        EXPECT_TRUE(terminal->WaitFor("Command: ")) << terminal->Transcript();
        return terminal;
    }
};

TEST_F(LineEditing, TabCompletesUpRecallsAndCtrlCDropsTheLine) {
    auto t = Terminal();
    t->Type("comma\t");  // any case, completed as registered
    ASSERT_TRUE(t->WaitFor("COMMANDS ")) << t->Transcript();
    t->Type("\r");
    ASSERT_TRUE(t->WaitFor("Enter command group name <all>: ")) << t->Transcript();
    t->Type("ACAD\r");
    ASSERT_TRUE(t->WaitFor("QUIT")) << t->Transcript();
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();

    // Up at the command prompt brings back the last command line (not the answer to its
    // prompt), which runs again.
    t->Type("\x1b[A");
    ASSERT_TRUE(t->WaitFor("COMMANDS")) << t->Transcript();
    t->Type("\r");
    ASSERT_TRUE(t->WaitFor("Enter command group name <all>: ")) << t->Transcript();
    t->Type("\r");
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();

    // ^C drops a completed but unsent line: the dialog does not open.
    t->Type("dbtable_cr\t");
    ASSERT_TRUE(t->WaitFor("DbTable_Create ")) << t->Transcript();
    t->Type("\x03");
    ASSERT_TRUE(t->WaitFor("^C")) << t->Transcript();
    ASSERT_TRUE(t->WaitFor("*Cancel*")) << t->Transcript();
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();

    // ^C and a lone Escape at a command's prompt cancel the command.
    t->Type("SCRIPT\r");
    ASSERT_TRUE(t->WaitFor("Enter script file name: ")) << t->Transcript();
    t->Type("half typed\x03");
    ASSERT_TRUE(t->WaitFor("*Cancel*")) << t->Transcript();
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();
    t->Type("SCRIPT\r");
    ASSERT_TRUE(t->WaitFor("Enter script file name: ")) << t->Transcript();
    t->Type("\x1b");
    ASSERT_TRUE(t->WaitFor("*Cancel*")) << t->Transcript();
    ASSERT_TRUE(t->WaitFor("Command: ")) << t->Transcript();

    t->Type("QUIT\r");
    EXPECT_EQ(t->Wait(), 0) << t->Transcript();
    EXPECT_EQ(t->Transcript().find("Velloria> "), std::string::npos) << t->Transcript();
    EXPECT_EQ(t->Transcript().find("\x1b[?2004h"), std::string::npos) << "bracketed paste is off";
    EXPECT_EQ(t->Transcript().find("Cannot open script file"), std::string::npos) << t->Transcript();

    // The command lines are kept beside the settings, for the next session; a cancelled line
    // and the answers to a command's prompts are not.
    const std::string history = testing_support::ReadFile(dir / "history");
    EXPECT_EQ(history, "COMMANDS \nSCRIPT\nQUIT\n");
    auto next = Terminal(false);
    next->Type("\x1b[A\x1b[A\x1b[A");
    ASSERT_TRUE(next->WaitFor("COMMANDS")) << next->Transcript();
    next->Type("\x03");
    ASSERT_TRUE(next->WaitFor("*Cancel*")) << next->Transcript();
    next->Type("QUIT\r");
    EXPECT_EQ(next->Wait(), 0) << next->Transcript();
}

}  // namespace
