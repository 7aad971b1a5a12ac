#include <gtest/gtest.h>

#include <new>

#include "editor/CommandStack.h"
#include "editor/Commands.h"
#include "editor/Console.h"

namespace {

int g_calls = 0;
void CountCall() { ++g_calls; }
void OtherCall() { g_calls += 100; }

TEST(CommandStack, FindsCommandsByEitherNameWithoutRegardToCase) {
    AcEdCommandStack stack;
    ASSERT_EQ(stack.addCommand(L"Velo", L"_DbTable_Create", L"DbTable_Create", ACRX_CMD_MODAL, &CountCall), kCmdOk);
    ASSERT_EQ(stack.addCommand(L"ACAD", L"MENULOAD", L"MENULOAD", ACRX_CMD_MODAL, &OtherCall), kCmdOk);
    const wchar_t* createNames[] = {L"DbTable_Create", L"dbtable_create", L"_DbTable_Create", L"_DBTABLE_CREATE",
                                    L"._dbtable_create"};
    for (const wchar_t* name : createNames) {
        AcEdCommand* c = stack.lookupCmd(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_STREQ(c->globalName(), L"_DbTable_Create");
    }
    ASSERT_NE(stack.lookupCmd(L"_.menuload"), nullptr);
    EXPECT_STREQ(stack.lookupCmd(L"_.menuload")->groupName(), L"ACAD");
    EXPECT_EQ(stack.lookupCmd(L"DbTable"), nullptr);
    EXPECT_EQ(stack.lookupCmd(L"_"), nullptr);
    EXPECT_EQ(stack.lookupCmd(L""), nullptr);
}

TEST(CommandStack, RegistrationRules) {
    AcEdCommandStack stack;
    AcEdCommand* added = nullptr;
    EXPECT_EQ(stack.addCommand(L"G", L"_A", L"A", 0, &CountCall, nullptr, -1, nullptr, &added), kCmdOk);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->functionCode(), -1);
    EXPECT_EQ(stack.addCommand(L"g", L"_a", L"Other", 0, &CountCall), kCmdDuplicateKey);
    EXPECT_EQ(stack.addCommand(L"", L"_B", L"B", 0, &CountCall), kCmdInvalidInput);
    EXPECT_EQ(stack.addCommand(L"G", L"_B", L"B", 0, nullptr), kCmdInvalidInput);
    // The same name in a later group hides the earlier one until that group goes.
    EXPECT_EQ(stack.addCommand(L"H", L"_A", L"A", 0, &OtherCall), kCmdOk);
    EXPECT_STREQ(stack.lookupCmd(L"A")->groupName(), L"H");
    EXPECT_EQ(stack.removeGroup(L"h"), kCmdOk);
    EXPECT_STREQ(stack.lookupCmd(L"A")->groupName(), L"G");
    EXPECT_EQ(stack.removeCmd(L"G", L"_B"), kCmdKeyNotFound);
    EXPECT_EQ(stack.removeCmd(L"G", L"_A"), kCmdOk);
    EXPECT_EQ(stack.lookupCmd(L"A"), nullptr);
    EXPECT_EQ(stack.removeGroup(L"G"), kCmdKeyNotFound);
}

TEST(CommandStack, ListsInRegistrationOrder) {
    AcEdCommandStack stack;
    stack.addCommand(L"Velo", L"_X", L"X", 0, &CountCall);
    stack.addCommand(L"Morvane", L"_Y", L"Y", 0, &CountCall);
    stack.addCommand(L"velo", L"_Z", L"Z", 0, &CountCall);
    EXPECT_EQ(stack.groupNames(), (std::vector<std::wstring>{L"Velo", L"Morvane"}));
    auto list = stack.commands();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_STREQ(list[0]->localName(), L"X");
    EXPECT_STREQ(list[2]->localName(), L"Z");
}

TEST(CommandStack, TheSystemRegistryHoldsTheHostServices) {
    EXPECT_NE(AcEdCommandStack::cast(acrxSysRegistry()->at(L"ACAD_REGISTERED_COMMANDS")), nullptr);
    EXPECT_NE(AcRxDynamicLinker::cast(acrxSysRegistry()->at(L"DynamicLinker")), nullptr);
    EXPECT_EQ(AcEdCommandStack::cast(acrxSysRegistry()->at(L"DynamicLinker")), nullptr);
    EXPECT_EQ(acrxSysRegistry()->at(L"NoSuchService"), nullptr);
    EXPECT_EQ(acedRegCmds, AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK)));
}

// A command that reads two answers and records them.
std::vector<std::string> g_answers;
void AskTwice() {
    g_answers.clear();
    for (int i = 0; i < 2; ++i) {
        auto line = platform::ReadPromptedLine(L"\nValue: ");
        g_answers.push_back(line ? *line : "<end>");
    }
}

class CommandRun : public ::testing::Test {
protected:
    void SetUp() override {
        acedRegCmds->addCommand(L"TEST", L"_ASK", L"ASK", 0, &AskTwice);
        platform::ClearQueuedExpressions();
    }
    void TearDown() override {
        acedRegCmds->removeGroup(L"TEST");
        platform::ClearQueuedExpressions();
    }
    platform::ScopedConsole console{{"typed"}};
};

TEST_F(CommandRun, CommandSPassesItsArgumentsAsAnswers) {
    const double point[3] = {1.5, 2, 0};
    EXPECT_EQ(acedCommandS(RTSTR, L"_.ask", RTSHORT, 7, RTPOINT, point, RTNONE), RTNORM);
    EXPECT_EQ(g_answers, (std::vector<std::string>{"7", "1.5,2"}));
    // Unused arguments do not leak into the next read.
    EXPECT_EQ(acedCommandS(RTSTR, L"ASK", RTSTR, L"a", RTSTR, L"b", RTSTR, L"extra", RTNONE), RTNORM);
    EXPECT_EQ(g_answers, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(platform::ReadPromptedLine(L""), std::optional<std::string>("typed"));
}

// Like SCRIPT: reads a file name, then pushes lines for the commands that follow.
void PushLines() {
    auto name = platform::ReadPromptedLine(L"\nScript: ");
    platform::PushLineSource(platform::MakeLinesSource({"from " + name.value_or("?")}));
}

TEST_F(CommandRun, ASourcePushedByTheCommandOutlivesItsAnswers) {
    acedRegCmds->addCommand(L"TEST", L"_PUSH", L"PUSH", 0, &PushLines);
    EXPECT_EQ(acedCommandS(RTSTR, L"PUSH", RTSTR, L"s.scr", RTSTR, L"unused", RTNONE), RTNORM);
    EXPECT_EQ(platform::ReadPromptedLine(L""), std::optional<std::string>("from s.scr"));
    EXPECT_EQ(platform::ReadPromptedLine(L""), std::optional<std::string>("typed"));
}

TEST_F(CommandRun, CommandSRefusesWhatCannotBeTyped) {
    EXPECT_EQ(acedCommandS(RTSTR, L"NOSUCH", RTNONE), RTERROR);
    EXPECT_NE(console.Output().find("Unknown command \"NOSUCH\"."), std::string::npos);
    EXPECT_EQ(acedCommandS(RTSTR, L"ASK", RTENAME, nullptr, RTNONE), RTERROR);
    EXPECT_EQ(acedCommandS(RTSHORT, 5, RTNONE), RTERROR);
    EXPECT_EQ(acedCommandS(RTNONE), RTERROR);
}

TEST_F(CommandRun, QueuedCommandsRunWhenTheHostAsks) {
    g_answers.clear();
    EXPECT_EQ(ads_queueexpr(L"(command \"ASK\" \"x\" 42)"), RTNORM);
    EXPECT_EQ(platform::QueuedExpressionCount(), 1u);
    EXPECT_TRUE(g_answers.empty());
    EXPECT_EQ(platform::RunQueuedExpressions(), 1);
    EXPECT_EQ(g_answers, (std::vector<std::string>{"x", "42"}));
    EXPECT_NE(console.Output().find("\nCommand: (command \"ASK\" \"x\" 42)\n"), std::string::npos);
    EXPECT_EQ(platform::QueuedExpressionCount(), 0u);
    EXPECT_EQ(platform::RunQueuedExpressions(), 0);
}

TEST_F(CommandRun, ExpressionsThisHostCannotEvaluateAreReported) {
    const wchar_t* bad[] = {L"(setq a 1)", L"(command \"ASK\"", L"command \"ASK\"", L"(command (strcat \"A\"))", L"(command)"};
    for (const wchar_t* expr : bad) ads_queueexpr(expr);
    EXPECT_EQ(platform::RunQueuedExpressions(), 5);
    size_t count = 0;
    for (size_t pos = 0; (pos = console.Output().find("Cannot evaluate", pos)) != std::string::npos; ++pos) ++count;
    EXPECT_EQ(count, 5u);
    ads_queueexpr(L"(command \"nosuch\")");
    platform::RunQueuedExpressions();
    EXPECT_NE(console.Output().find("Unknown command \"nosuch\"."), std::string::npos);
}

}  // namespace

// A command that runs out of memory halfway, after reading its first answer.
void RunOutOfMemory() {
    g_answers = {platform::ReadPromptedLine(L"\nValue: ").value_or("<end>")};
    throw std::bad_alloc();  // as an allocation that fails does
}

// Memory that runs out ends the command with a message, never the program; its unread
// answers are dropped and the next command runs as usual.
TEST_F(CommandRun, ACommandThatRunsOutOfMemoryEndsWithAMessage) {
    acedRegCmds->addCommand(L"TEST", L"_GREEDY", L"GREEDY", 0, &RunOutOfMemory);
    EXPECT_TRUE(platform::ExecuteCommandWithInput(L"GREEDY", {"first", "second"}));
    EXPECT_EQ(g_answers, (std::vector<std::string>{"first"}));
    EXPECT_NE(console.Output().find("\nNot enough memory\n"), std::string::npos) << console.Output();
    EXPECT_EQ(acedCommandS(RTSTR, L"ASK", RTSTR, L"a", RTSTR, L"b", RTNONE), RTNORM);
    EXPECT_EQ(g_answers, (std::vector<std::string>{"a", "b"}));
}
