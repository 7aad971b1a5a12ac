// The menu bar from the loaded menus, and what a menu item or closing the window types.
#include <QMenuBar>
#include <fstream>

#include "WindowFixture.h"
#include "editor/EditorPrompts.h"
#include "editor/PromptInput.h"
#include "runtime/Menus.h"
#include "text/Utf8.h"
#include "testing/TempDir.h"

namespace window_test {

namespace {

// The line the command prompt reads next.
std::string AtCommandPrompt() {
    const platform::ScopedPrompt waiting(platform::PromptKind::Command);
    return platform::ReadPromptedLine(L"\nCommand: ").value_or("(end)");
}

QAction* FindAction(QMenuBar* bar, const QString& menu, const QString& item) {
    for (QAction* top : bar->actions())
        if (top->text() == menu && top->menu())
            for (QAction* action : top->menu()->actions())
                if (action->text() == item) return action;
    return nullptr;
}

}  // namespace

TEST_F(WindowTest, TheMenuBarShowsTheLoadedPullDownAndItsItemsRunTheirMacros) {
    testing_support::TempDir dir;
    const std::string file = dir / "Velloria.cuix";
    std::ofstream(file) << "***MENUGROUP=Velloria\n***POP1\n[&Velloria]\n[&Create Table...]^C^C_DbTable_Create\n[--]\n"
                           "[&Zoom Twice]ZOOM;_Window;1,1;2,2\n";
    ASSERT_TRUE(platform::LoadMenuFile(platform::FromUtf8(file)));
    ASSERT_EQ(acedMenuCmd(L"P7=+Velloria.pop1"), RTNORM);
    Open(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf");
    QStringList titles;
    for (QAction* top : window->menuBar()->actions()) titles << top->text();
    EXPECT_EQ(titles.indexOf(QStringLiteral("&Velloria")), 6) << titles.join(",").toStdString();
    QAction* create = FindAction(window->menuBar(), QStringLiteral("&Velloria"), QStringLiteral("&Create Table..."));
    ASSERT_NE(create, nullptr);

    // ^C^C cancels the prompt that is open, then the command runs at "Command: ".
    Then([&] { create->trigger(); });
    ads_point point;
    EXPECT_EQ(acedGetPoint(nullptr, L"\nSpecify a point: ", point), RTCAN);
    EXPECT_EQ(AtCommandPrompt(), "_DbTable_Create");
    // A macro without ^C types into the prompt, ";" as Enter.
    QAction* zoom = FindAction(window->menuBar(), QStringLiteral("&Velloria"), QStringLiteral("&Zoom Twice"));
    ASSERT_NE(zoom, nullptr);
    zoom->trigger();
    EXPECT_EQ(AtCommandPrompt(), "ZOOM");
    EXPECT_EQ(AtCommandPrompt(), "_Window");
    EXPECT_EQ(AtCommandPrompt(), "1,1");
    platform::UnloadMenuGroup(L"Velloria");
}

TEST_F(WindowTest, ClosingTheWindowCancelsThePromptAndGivesQuit) {
    Open(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf");
    Then([&] { window->close(); });
    ads_point point;
    EXPECT_EQ(acedGetPoint(nullptr, L"\nSpecify a point: ", point), RTCAN);
    EXPECT_TRUE(window->isVisible());  // QUIT decides, after offering to save
    EXPECT_EQ(AtCommandPrompt(), "_QUIT");
}

}  // namespace window_test
