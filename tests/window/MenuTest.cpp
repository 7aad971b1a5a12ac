// The menu bar from the loaded menus, and what a menu item or closing the window types.
#include <QMenuBar>
#include <algorithm>
#include <fstream>
#include <memory>
#include <utility>

#include "WindowFixture.h"
#include "editor/CommandStack.h"
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

QMenu* FindMenu(QMenuBar* bar, const QString& title) {
    for (QAction* top : bar->actions())
        if (top->text() == title) return top->menu();
    return nullptr;
}

void Nothing() {}

}  // namespace

// The host's pull-downs hold their commands, each greyed out while its command is not there
// (the module's come with the module), and the keys of File run theirs.
TEST_F(WindowTest, TheHostsPullDownsHoldTheirCommandsAndTheirKeysRunThem) {
    Open(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf");
    QMenuBar* bar = window->menuBar();
    QAction* create = FindAction(bar, QStringLiteral("&Insert"), QStringLiteral("&Table from Database..."));
    QAction* properties = FindAction(bar, QStringLiteral("F&ormat"), QStringLiteral("Table &Link Properties..."));
    QAction* open = FindAction(bar, QStringLiteral("&File"), QStringLiteral("&Open..."));
    ASSERT_TRUE(create && properties && open);
    EXPECT_FALSE(create->isEnabled());
    EXPECT_FALSE(open->isEnabled());
    for (const wchar_t* name : {L"LIST", L"OPEN", L"QSAVE", L"SAVEAS", L"CLOSE", L"DbTable_Create", L"DbTable_Properties", L"Velo_Help", L"HELP"})
        ASSERT_EQ(acedRegCmds->addCommand(L"MENUTEST", name, name, ACRX_CMD_MODAL, &Nothing), Acad::eOk);
    window->Refresh();
    EXPECT_TRUE(create->isEnabled());
    EXPECT_TRUE(properties->isEnabled());
    for (const QString& title : {QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&Insert"), QStringLiteral("F&ormat"),
                                QStringLiteral("&Window"), QStringLiteral("&Help")}) {
        QMenu* menu = FindMenu(bar, title);
        ASSERT_NE(menu, nullptr) << title.toStdString();
        EXPECT_TRUE(menu->isEnabled()) << title.toStdString();
        const QList<QAction*> items = menu->actions();
        EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](QAction* a) { return !a->isSeparator() && a->isEnabled(); })) << title.toStdString();
    }
    // Window lists the open drawings, the current one checked.
    QMenu* windows = FindMenu(bar, QStringLiteral("&Window"));
    emit windows->aboutToShow();
    QAction* listed = windows->actions().back();
    EXPECT_EQ(listed->text(), QStringLiteral("&1 acad_table_simple.dxf"));
    EXPECT_TRUE(listed->isChecked());

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const auto& [binding, macro] : {std::pair{QKeyCombination(Qt::CTRL, Qt::Key_O), "_OPEN"}, {QKeyCombination(Qt::CTRL, Qt::Key_S), "_QSAVE"},
                                         {QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_S), "_SAVEAS"}}) {
        const QKeyCombination key = binding;  // clang 14 lets no lambda capture a structured binding
        // Keys that run nothing leave the prompt waiting: it is given a line after a while.
        auto read = std::make_shared<bool>(false);
        Then([&, read] {
            QTest::keyClick(window->Commands()->Input(), key.key(), key.keyboardModifiers());
            QTimer::singleShot(200, [this, read] {
                if (!*read) window->Input().Submit("(nothing ran)");
            });
        });
        EXPECT_EQ(AtCommandPrompt(), macro);
        *read = true;
    }
    acedRegCmds->removeGroup(L"MENUTEST");
}

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
