#include <gtest/gtest.h>

#include <cstring>

#include "editor/CommandStack.h"
#include "editor/Commands.h"
#include "text/Utf8.h"
#include "editor/Console.h"
#include "runtime/Menus.h"
#include "win/WinRegistry.h"
#include "testing/TempDir.h"

namespace {

const char* kMenu =
    "// test menu\n"
    "***MENUGROUP=Velloria\n"
    "\n"
    "***POP1\n"
    "**pop1\n"
    "[&Velloria]\n"
    "[&Create Table...]^C^C_DbTable_Create\n"
    "[--]\n"
    "[&Help]^C^C_Velo_Help\n"
    "***POP2\n"
    "[Extra]\n";

TEST(MenuFile, ReadsGroupPullDownsAndItems) {
    std::wstring error;
    auto group = platform::ParseMenuFile(kMenu, &error);
    ASSERT_TRUE(group.has_value()) << platform::ToUtf8(error);
    EXPECT_EQ(group->name, L"Velloria");
    ASSERT_EQ(group->pullDowns.size(), 2u);
    const platform::PullDownMenu* pop1 = group->FindPullDown(L"POP1");
    ASSERT_NE(pop1, nullptr);
    EXPECT_EQ(pop1->title, L"&Velloria");
    ASSERT_EQ(pop1->items.size(), 3u);
    EXPECT_EQ(pop1->items[0].macro, L"^C^C_DbTable_Create");
    EXPECT_EQ(pop1->items[1].label, L"--");
    EXPECT_EQ(group->pullDowns[1].alias, L"POP2");
    EXPECT_EQ(platform::DisplayLabel(L"Save && &Close"), L"Save & Close");
}

TEST(MenuFile, RejectsADamagedFileWhole) {
    using namespace std::string_view_literals;
    const std::pair<std::string_view, const char*> rows[] = {
        {"[Velloria]\n", "line 1"},
        {"***MENUGROUP=\n", "no name"},
        {"***MENUGROUP=V\n[item]x\n", "outside"},
        {"***MENUGROUP=V\n***TOOLBARS\n", "unknown section"},
        {"***MENUGROUP=V\n***POP1\n[--]\n", "title"},
        {"***MENUGROUP=V\n***POP1\n***POP2\n[T]\n", "no title"},
        {"***MENUGROUP=V\n***POP1\n**a\n[T]\n***POP2\n**A\n[U]\n", "twice"},
        {"***MENUGROUP=V\n***POP1\n[T]\n**late\n", "alias"},
        {"***MENUGROUP=V\n***POP1\n[T\n", "unterminated"},
        {"PK\x03\x04\0\0binary"sv, "not a text file"},
        {"", "MENUGROUP"},
    };
    for (auto [text, reason] : rows) {
        std::wstring error;
        EXPECT_FALSE(platform::ParseMenuFile(text, &error))
            << text;
        EXPECT_NE(platform::ToUtf8(error).find(reason), std::string::npos) << text << " -> " << platform::ToUtf8(error);
    }
}

class MenuState : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ClearLoadedMenuGroups();
        platform::ResetMenuBar();
        platform::RegisterMenuCommands();
        testing_support::WriteFile(menuFile, kMenu);
    }
    void TearDown() override {
        platform::ClearLoadedMenuGroups();
        platform::ResetMenuBar();
        acedRegCmds->removeGroup(L"ACAD");
    }
    std::vector<std::wstring> Titles() const {
        std::vector<std::wstring> titles;
        for (const auto& e : platform::MenuBar()) titles.push_back(e.title);
        return titles;
    }
    testing_support::TempDir dir;
    testing_support::ScopedEnv registry{"VELLORIA_REGISTRY", dir / "registry.reg"};
    std::string menuFile = dir / "Velloria.cuix";
    platform::ScopedConsole console;
};

TEST_F(MenuState, QueriesAndInsertsByPosition) {
    ASSERT_EQ(platform::MenuBar().size(), 8u);
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(acedMenuCmd((L"P" + std::to_wstring(n) + L".1=?").c_str()), RTKWORD) << n;
    EXPECT_NE(acedMenuCmd(L"P9.1=?"), RTKWORD);
    EXPECT_NE(acedMenuCmd(L"P0.1=?"), RTKWORD);

    EXPECT_EQ(acedMenuCmd(L"P7=+Velloria.pop1"), RTERROR);  // group not loaded yet
    ASSERT_TRUE(platform::LoadMenuFile(platform::FromUtf8(menuFile)));
    EXPECT_TRUE(acedIsMenuGroupLoaded(L"VELLORIA"));
    EXPECT_EQ(acedMenuCmd(L"P7=+Velloria.nosuch"), RTERROR);
    EXPECT_EQ(acedMenuCmd(L"P7=+Velloria.pop1"), RTNORM);
    EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"File", L"Edit", L"View", L"Insert", L"Format", L"Tools",
                                                   L"&Velloria", L"Window", L"Help"}));
    EXPECT_EQ(acedMenuCmd(L"P9.1=?"), RTKWORD);
    EXPECT_EQ(acedMenuCmd(L"P99=+velloria.POP2"), RTNORM);  // past the end: appended
    EXPECT_EQ(Titles().back(), L"Extra");
    EXPECT_EQ(acedMenuCmd(L"P7=-"), RTNORM);
    EXPECT_EQ(Titles()[6], L"Window");
    EXPECT_EQ(acedMenuCmd(L"P42=-"), RTERROR);
    for (const wchar_t* bad : {L"", L"X1=?", L"P=+Velloria.pop1", L"P1.x=?", L"P1.1=!", L"P1=Velloria.pop1"})
        EXPECT_EQ(acedMenuCmd(bad), RTERROR) << bad;
}

TEST_F(MenuState, MenuLoadRemembersTheGroupForTheNextStart) {
    EXPECT_EQ(acedCommandS(RTSTR, L"_.menuload", RTSTR, platform::FromUtf8(menuFile).c_str(), RTNONE), RTNORM);
    EXPECT_TRUE(acedIsMenuGroupLoaded(L"Velloria"));
    EXPECT_NE(console.Output().find("Customization Group: Velloria"), std::string::npos);
    const std::string stored = testing_support::ReadFile(dir / "registry.reg");
    EXPECT_NE(stored.find("[HKEY_CURRENT_USER\\software\\Velloria Host\\Profile\\Menus]\n\"Velloria\"=\"" + menuFile + "\""),
              std::string::npos)
        << stored;

    // A new session: nothing loaded until the profile is read.
    platform::ClearLoadedMenuGroups();
    EXPECT_FALSE(acedIsMenuGroupLoaded(L"Velloria"));
    platform::LoadProfileMenus();
    EXPECT_TRUE(acedIsMenuGroupLoaded(L"Velloria"));

    // A remembered file that went away is reported and forgotten.
    platform::ClearLoadedMenuGroups();
    std::filesystem::remove(menuFile);
    console.ClearOutput();
    platform::LoadProfileMenus();
    EXPECT_FALSE(acedIsMenuGroupLoaded(L"Velloria"));
    EXPECT_NE(console.Output().find("Menu group Velloria could not be loaded again"), std::string::npos);
    EXPECT_EQ(testing_support::ReadFile(dir / "registry.reg").find("Velloria.cuix"), std::string::npos);
}

TEST_F(MenuState, ADamagedMenuFileLoadsNothing) {
    testing_support::WriteFile(menuFile, "***MENUGROUP=Velloria\n***POP1\n[Velloria]\n<garbage>\n");
    EXPECT_EQ(acedCommandS(RTSTR, L"_.menuload", RTSTR, platform::FromUtf8(menuFile).c_str(), RTNONE), RTNORM);
    EXPECT_FALSE(acedIsMenuGroupLoaded(L"Velloria"));
    EXPECT_NE(console.Output().find("Unable to load menu file " + menuFile + ": line 4: expected [label]macro."),
              std::string::npos)
        << console.Output();
    EXPECT_FALSE(std::filesystem::exists(dir / "registry.reg"));

    console.ClearOutput();
    acedCommandS(RTSTR, L"MENULOAD", RTSTR, L"/no/such/file.cuix", RTNONE);
    EXPECT_NE(console.Output().find("Unable to load menu file /no/such/file.cuix: the file does not exist."),
              std::string::npos);
}

TEST_F(MenuState, MenuBarShowsTheEntriesOfInsertedPullDowns) {
    ASSERT_TRUE(platform::LoadMenuFile(platform::FromUtf8(menuFile)));
    acedMenuCmd(L"P2=+Velloria.pop1");
    platform::ExecuteCommand(L"MENUBAR");
    const std::string& out = console.Output();
    EXPECT_NE(out.find("  1  File\n  2  Velloria  (Velloria.pop1)\n       Create Table..."), std::string::npos) << out;
    EXPECT_NE(out.find("^C^C_Velo_Help"), std::string::npos);
    EXPECT_NE(out.find("  9  Help\n"), std::string::npos);
}

}  // namespace
