#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "editor/CommandStack.h"
#include "editor/Commands.h"
#include "editor/Console.h"
#include "runtime/Menus.h"
#include "win/ModuleFile.h"
#include "text/Utf8.h"
#include "app/MenuLoad.h"
#include "app/VelloriaApp.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/DatabasePtrArray.h"
#include "support/Registry.h"
#include "testing/TempDir.h"

namespace {

std::string ExecutableFolder() {
    wchar_t path[4096];
    DWORD n = GetModuleFileNameW(nullptr, path, 4096);
    return std::filesystem::path(platform::ToUtf8(std::wstring_view(path, n))).parent_path().string();
}

class VelloriaApp : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The menu file lies beside the module; here the module is the test program.
        testing_support::CopyAtomically(VELLORIA_SOURCE_DIR "/src/app/Velloria.cuix", ExecutableFolder() + "/Velloria.cuix");
    }
    void SetUp() override {
        _hdllInstance = nullptr;
        platform::ClearLoadedMenuGroups();
        platform::ResetMenuBar();
        platform::ClearQueuedExpressions();
        platform::RegisterMenuCommands();
    }
    void TearDown() override {
        if (m_loaded) theApp.EntryPoint(AcRx::kUnloadAppMsg, this);
        acedRegCmds->removeGroup(L"ACAD");
        platform::ClearLoadedMenuGroups();
        platform::ResetMenuBar();
        platform::ClearQueuedExpressions();
        CRegistry::SetRoot(nullptr, L"");
        _hdllInstance = nullptr;
    }
    void Load() {
        ASSERT_EQ(theApp.EntryPoint(AcRx::kInitAppMsg, this), AcRx::kRetOK);
        m_loaded = true;
    }
    void Unload() {
        ASSERT_EQ(theApp.EntryPoint(AcRx::kUnloadAppMsg, this), AcRx::kRetOK);
        m_loaded = false;
    }
    static int VelloriaPosition() {
        auto bar = platform::MenuBar();
        int found = 0;
        for (size_t i = 0; i < bar.size(); ++i)
            if (bar[i].group == L"Velloria") {
                EXPECT_EQ(found, 0) << "inserted twice";
                found = static_cast<int>(i + 1);
            }
        return found;
    }
    int ActiveMenu() {
        CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane");
        return CRegistry::GetProfileInt(L"Velloria", L"ActiveMenu", 42);
    }

    testing_support::TempDir dir;
    testing_support::ScopedEnv registry{"VELLORIA_REGISTRY", dir / "registry.reg"};
    testing_support::ScopedEnv opener{"VELLORIA_OPENER", "/bin/true"};
    platform::ScopedConsole console;
    bool m_loaded = false;
};

TEST_F(VelloriaApp, TheCommandTable) {
    auto table = VelloriaCommandTable();
    const std::pair<const wchar_t*, const wchar_t*> expected[] = {
        {L"Velo", L"DbTable_Create"},     {L"Velo", L"DbTable_Properties"}, {L"Velo", L"DbTable_Update"},
        {L"Velo", L"DbTable_Auto_Update"}, {L"Morvane", L"Velo_LoadMenu"},  {L"Morvane", L"Velo_Help"},
        {L"Morvane", L"Velo_About"},      {L"Morvane", L"Velo_Live_Update"}, {L"Morvane", L"Velo_Website"},
        {L"Morvane", L"Velo_Support"},    {L"Morvane", L"Velo_Faq"},        {L"Morvane", L"Velo_New"},
        {L"Morvane", L"Velo_Demo"},
    };
    ASSERT_EQ(table.size(), std::size(expected));
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_STREQ(table[i].pszCmdGroupName, expected[i].first);
        EXPECT_STREQ(table[i].pszCmdLocalName, expected[i].second);
        EXPECT_EQ(std::wstring(table[i].pszCmdGlobalName), L"_" + std::wstring(expected[i].second));
        EXPECT_EQ(table[i].commandFlags, 0);
        EXPECT_NE(table[i].pCmdFct, nullptr);
        EXPECT_EQ(table[i].pUIContext, nullptr);
    }
}

TEST_F(VelloriaApp, UnloadingRemovesEveryCommand) {
    Load();
    for (const auto& entry : VelloriaCommandTable()) {
        AcEdCommand* byLocal = acedRegCmds->lookupCmd(entry.pszCmdLocalName);
        ASSERT_NE(byLocal, nullptr) << entry.pszCmdLocalName;
        EXPECT_STREQ(byLocal->groupName(), entry.pszCmdGroupName);
        EXPECT_EQ(acedRegCmds->lookupCmd(entry.pszCmdGlobalName), byLocal);
        EXPECT_EQ(byLocal->commandFlags(), 0);
    }
    Unload();
    for (const auto& entry : VelloriaCommandTable()) {
        EXPECT_EQ(acedRegCmds->lookupCmd(entry.pszCmdLocalName), nullptr) << entry.pszCmdLocalName;
        EXPECT_FALSE(platform::ExecuteCommand(entry.pszCmdGlobalName));
    }
    EXPECT_TRUE(acedRegCmds->groupNames() == std::vector<std::wstring>{L"ACAD"});
}

TEST_F(VelloriaApp, UnloadingClosesEveryOpenDatabase) {
    Load();
    const CString driver = L"Microsoft Access Driver (*.mdb, *.accdb)";
    ASSERT_FALSE(GetConnectStringTemplate(driver).IsEmpty());
    CDatabasePtrArray& open = GetOpenDatabases();
    ASSERT_TRUE(open.AddDatabase(driver, CString::FromUtf8(VELLORIA_TEST_DATA "/nwind.mdb"), L"", L""));
    ASSERT_TRUE(open.AddDatabase(driver, CString::FromUtf8(VELLORIA_TEST_DATA "/ASampleDatabase.accdb"), L"", L""));
    ASSERT_EQ(open.GetSize(), 2);
    Unload();
    EXPECT_EQ(open.GetSize(), 0);
    EXPECT_EQ(open.FindDatabase(CString::FromUtf8(VELLORIA_TEST_DATA "/nwind.mdb")), nullptr);
}

TEST_F(VelloriaApp, FirstLoadQueuesTheMenuLoadingOnce) {
    Load();
    EXPECT_EQ(platform::QueuedExpressionCount(), 1u);
    EXPECT_EQ(VelloriaPosition(), 0);
    EXPECT_EQ(platform::RunQueuedExpressions(), 1);
    EXPECT_NE(console.Output().find("Command: (command \"Velo_LoadMenu\")"), std::string::npos);
    EXPECT_TRUE(acedIsMenuGroupLoaded(L"Velloria"));
    EXPECT_EQ(VelloriaPosition(), 7);
    EXPECT_EQ(console.Output().find("Failed to load"), std::string::npos) << console.Output();
    EXPECT_EQ(ActiveMenu(), 42);  // untouched
}

TEST_F(VelloriaApp, ALoadedGroupGetsItsPullDownOnce) {
    ASSERT_TRUE(platform::LoadMenuFile(GetMenuFilePath().str()));
    Load();
    EXPECT_EQ(platform::QueuedExpressionCount(), 0u);
    EXPECT_EQ(VelloriaPosition(), 7);
    EXPECT_EQ(ActiveMenu(), 0);

    // The next start (fresh menu bar, group remembered) inserts nothing.
    Unload();
    platform::ResetMenuBar();
    Load();
    EXPECT_EQ(VelloriaPosition(), 0);
    EXPECT_EQ(platform::MenuBar().size(), 8u);
    EXPECT_EQ(ActiveMenu(), 0);
}

TEST_F(VelloriaApp, PullDownPositionFollowsTheMenuBar) {
    ASSERT_TRUE(platform::LoadMenuFile(GetMenuFilePath().str()));
    const std::pair<int, int> rows[] = {{8, 7}, {1, 2}, {0, 1}, {2, 1}, {3, 2}, {12, 11}};  // pull-downs, position
    for (auto [count, position] : rows) {
        std::vector<std::wstring> titles;
        for (int i = 0; i < count; ++i) titles.push_back(L"M" + std::to_wstring(i + 1));
        platform::ResetMenuBar(titles);
        AddPulldownMenu();
        EXPECT_EQ(VelloriaPosition(), position) << count << " pull-downs";
    }
}

TEST_F(VelloriaApp, AMissingMenuFileIsReportedAndTheCommandsStay) {
    // A module in a folder without Velloria.cuix: the C library (getpid, which no sanitizer
    // intercepts; an intercepted function would lie in the test program, beside the build's).
    _hdllInstance = reinterpret_cast<HINSTANCE>(&::getpid);
    ASSERT_FALSE(std::filesystem::exists(platform::ToUtf8(GetMenuFilePath().str())));
    Load();
    platform::RunQueuedExpressions();
    EXPECT_NE(console.Output().find("\nFailed to load the menu and toolbar of Velloria. Please load Velloria.cuix from "
                                    "the installation folder of Velloria manually."),
              std::string::npos)
        << console.Output();
    EXPECT_FALSE(acedIsMenuGroupLoaded(L"Velloria"));
    EXPECT_EQ(VelloriaPosition(), 0);
    for (const auto& entry : VelloriaCommandTable()) EXPECT_NE(acedRegCmds->lookupCmd(entry.pszCmdLocalName), nullptr);
}

TEST_F(VelloriaApp, MenuFileLiesBesideTheModule) {
    EXPECT_EQ(platform::ToUtf8(GetMenuFilePath().str()), ExecutableFolder() + "/Velloria.cuix");
    _hdllInstance = reinterpret_cast<HINSTANCE>(&std::fputs);
    wchar_t libc[4096];
    GetModuleFileNameW(_hdllInstance, libc, 4096);
    std::wstring folder = std::filesystem::path(libc).parent_path().wstring();
    EXPECT_EQ(GetMenuFilePath().str(), folder + L"/Velloria.cuix");
}

TEST_F(VelloriaApp, OpeningADrawingReadsTheAutoUpdateSetting) {
    EXPECT_EQ(theApp.EntryPoint(AcRx::kLoadDwgMsg, nullptr), AcRx::kRetOK);
    EXPECT_EQ(console.Output(), "");
    EXPECT_NE(testing_support::ReadFile(dir / "registry.reg").find("[HKEY_CURRENT_USER\\software\\Morvane\\Velloria]"),
              std::string::npos);
    CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane");
    CRegistry::WriteProfileInt(L"Velloria", L"AutoUpdate", 1);
    theApp.EntryPoint(AcRx::kLoadDwgMsg, nullptr);
    EXPECT_EQ(console.Output(), "");  // on, but a drawing without linked tables opens silently
}

TEST_F(VelloriaApp, AboutAndUpdateCheckRunTheirDialogs) {
    Load();
    platform::ClearQueuedExpressions();
    const std::pair<const wchar_t*, std::string> commands[] = {
        {L"Velo_About", "\nDialog \"About Velloria\""}, {L"Velo_Live_Update", "\nDialog \"Check for Update\""}};
    for (const auto& [name, dialog] : commands) {
        console.ClearOutput();
        EXPECT_TRUE(platform::ExecuteCommand(name));
        EXPECT_NE(console.Output().find(dialog), std::string::npos) << console.Output();
    }
}

TEST_F(VelloriaApp, HelpAndWebLinksGoToTheShell) {
    Load();
    platform::ClearQueuedExpressions();
    platform::ExecuteCommand(L"Velo_Help");
    EXPECT_EQ(console.Output(), "\nCannot open " + ExecutableFolder() + "/Velloria.chm: the file does not exist.");
    console.ClearOutput();
    for (const wchar_t* name : {L"Velo_Website", L"Velo_Support", L"Velo_Faq", L"Velo_New", L"Velo_Demo"})
        EXPECT_TRUE(platform::ExecuteCommand(name));
    EXPECT_EQ(console.Output(), "");  // the opener took them
}

TEST(VelloriaMenuFile, OffersEveryCommand) {
    auto group = platform::ParseMenuFile(testing_support::ReadFile(VELLORIA_SOURCE_DIR "/src/app/Velloria.cuix"));
    ASSERT_TRUE(group.has_value());
    EXPECT_EQ(group->name, L"Velloria");
    const platform::PullDownMenu* pop1 = group->FindPullDown(L"pop1");
    ASSERT_NE(pop1, nullptr);
    for (const auto& entry : VelloriaCommandTable()) {
        int uses = 0;
        for (const auto& item : pop1->items)
            if (item.macro == L"^C^C" + std::wstring(entry.pszCmdGlobalName)) ++uses;
        EXPECT_EQ(uses, 1) << entry.pszCmdLocalName;
    }
}

}  // namespace
