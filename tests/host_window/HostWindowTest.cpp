// The host's session in its window, on the offscreen platform, with the module loaded: a table
// created from the Velloria pull-down, placed by a click, and the drawing saved.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "DrawingView.h"
#include "MainWindow.h"
#include "SaveSettings.h"
#include "Startup.h"
#include "db/DbDatabase.h"
#include "db/DbEntities.h"
#include "db/HostServices.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "dxf/DrawingIo.h"
#include "editor/PromptInput.h"
#include "runtime/DocManager.h"
#include "testing/TempDir.h"
#include "view/GuiApplication.h"

namespace {

using platform::PromptKind;

window::MainWindow* FindWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* main = dynamic_cast<window::MainWindow*>(widget); main && main->isVisible()) return main;
    return nullptr;
}

// Steps a user takes, each once the prompt it answers is being read.
class User {
public:
    void When(PromptKind kind, std::function<void(window::MainWindow&)> action) { m_steps.push_back({kind, std::move(action)}); }
    void Start() {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }
    bool Done() const { return m_next == m_steps.size(); }

private:
    void Poll() {
        window::MainWindow* main = FindWindow();
        if (!main || Done() || !main->Input().Waiting() || platform::CurrentPrompt().kind != m_steps[m_next].kind) return;
        m_steps[m_next++].action(*main);
    }
    struct Step {
        PromptKind kind;
        std::function<void(window::MainWindow&)> action;
    };
    std::vector<Step> m_steps;
    size_t m_next = 0;
    QTimer m_timer;
};

void Type(window::MainWindow& main, const std::string& line) {
    QTest::keyClicks(main.Commands()->Input(), QString::fromStdString(line));
    QTest::keyClick(main.Commands()->Input(), Qt::Key_Return);
}

void Click(window::DrawingView& view, QPoint at) {
    for (QEvent::Type type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(at), QPointF(view.mapToGlobal(at)), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }
}

// The table of Shippers created from the Velloria pull-down, its dialogs answered and the
// table placed by a click in the view: where the click was goes to placed, a pixel's size in
// drawing units to pixel.
void CreateShippersTable(User& user, const std::string& db, bool& menuFound, QPointF& placed, double& pixel) {
    user.When(PromptKind::Command, [&menuFound](window::MainWindow& main) {
        for (QAction* top : main.menuBar()->actions())
            if (top->text() == QStringLiteral("&Velloria"))
                for (QAction* item : top->menu()->actions())
                    if (item->text() == QStringLiteral("&Create Table from Database...")) {
                        menuFound = true;
                        item->trigger();
                    }
        if (!menuFound) Type(main, "_QUIT");
    });
    // The dialogs read their actions from the command line on the offscreen platform.
    user.When(PromptKind::Text, [db](window::MainWindow& main) {
        for (const std::string& line : std::vector<std::string>{"click \"Open Database\"", "set Database " + db, "click &OK", "select \"Data Source\" " + db + "/Shippers",
                                        "check \"Include Header\" off", "click \"Create Table ...\""})
            Type(main, line);
    });
    user.When(PromptKind::Drag, [&placed, &pixel](window::MainWindow& main) {
        const QPoint at(main.View()->width() / 3, main.View()->height() / 2);
        placed = main.View()->ToWorld(at);
        pixel = 1 / main.View()->View().Scale();
        Click(*main.View(), at);
    });
}

// The database and the plan in the folder, and the offscreen toolkit with Velloria's module.
void PrepareModuleSession(const testing_support::TempDir& dir, const std::string& db, const std::string& plan) {
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/nwind.mdb", db);
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/acad_table_simple.dxf", plan);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("VELLORIA_MODULE", VELLORIA_BIN_DIR "/Velloria.so", 1);
    ::setenv("VELLORIA_OPENER", "/bin/true", 1);
    ::setenv("VELLORIA_REGISTRY", (dir / "registry.reg").c_str(), 1);
    // File names are typed here (FILEDIA 0); the file dialog has its own test.
    SetFileDialogsEnabled(false);
    platform::view::EnsureGuiApplication();
}

// The session in its window over the drawing, the user answering its prompts; its status.
int RunInWindow(User& user, const std::string& drawing) {
    user.Start();
    SessionOptions options;
    options.drawing = drawing;
    options.window = true;
    return RunInteractiveSession(options);
}

}  // namespace

TEST(HostWindow, ATableCreatedFromTheMenuIsPlacedWhereTheUserClicks) {
    testing_support::TempDir dir;
    const std::string db = dir / "nwind.mdb", plan = dir / "plan.dxf", saved = dir / "saved.dxf";
    PrepareModuleSession(dir, db, plan);

    User user;
    bool menuFound = false;
    QPointF placed;
    double pixel = 0;
    CreateShippersTable(user, db, menuFound, placed, pixel);
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        Type(main, "SAVEAS");
        Type(main, saved);
        Type(main, "QUIT");
    });
    ASSERT_EQ(RunInWindow(user, plan), 0);
    EXPECT_TRUE(menuFound);
    EXPECT_TRUE(user.Done());

    auto loaded = platform::dxf::LoadDrawing(saved);
    ASSERT_TRUE(loaded) << saved;
    AcDbBlockTableRecord* space = nullptr;
    ASSERT_EQ(acdbOpenObject(space, loaded.database->modelSpaceId(), AcDb::kForRead), Acad::eOk);
    const AcDbTable* shippers = nullptr;
    for (AcDbObjectId id : space->entityIds())
        if (const auto* table = AcDbTable::cast(id.stub()->object); table && table->numRows() == 3 && table->numColumns() == 3)
            shippers = table;
    space->close();
    ASSERT_NE(shippers, nullptr);
    // Where the click was, to the hundredth of a pixel the click is given as.
    ASSERT_GT(std::abs(placed.x()) + std::abs(placed.y()), 100 * pixel);  // not where the table was made
    EXPECT_NEAR(shippers->position().x, placed.x(), pixel / 100);
    EXPECT_NEAR(shippers->position().y, placed.y(), pixel / 100);
}

// A drawing with changes asks before it is closed, in a message box over the window: Cancel keeps
// the session going, No ends it and leaves the file as it was.
TEST(HostWindow, QuitOverAChangedDrawingAsksInAMessageBox) {
    testing_support::TempDir dir;
    const std::string plan = dir / "plan.dxf";
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/acad_table_simple.dxf", plan);
    const auto before = std::filesystem::last_write_time(plan);
    const auto size = std::filesystem::file_size(plan);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("VELLORIA_REGISTRY", (dir / "registry.reg").c_str(), 1);
    platform::view::EnsureGuiApplication();

    std::vector<QString> asked;
    std::vector<QMessageBox::StandardButton> answers{QMessageBox::Cancel, QMessageBox::No};
    QTimer answerer;
    answerer.setInterval(5);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || answers.empty()) return;
        asked.push_back(box->text());
        EXPECT_EQ(box->parentWidget(), FindWindow());
        box->button(answers.front())->click();
        answers.erase(answers.begin());
    });
    answerer.start();

    User user;
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        AcDbBlockTableRecord* space = nullptr;
        ASSERT_EQ(acdbOpenObject(space, acdbHostApplicationServices()->workingDatabase()->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        AcDbObjectId id;
        auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 5, 0));
        EXPECT_EQ(space->appendAcDbEntity(id, line), Acad::eOk);
        line->close();
        space->close();
        Type(main, "QUIT");  // Cancel: back at the command prompt
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) { Type(main, "QUIT"); });  // No: the session ends
    ASSERT_EQ(RunInWindow(user, plan), 0);
    EXPECT_TRUE(user.Done());
    EXPECT_TRUE(answers.empty());
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], QStringLiteral("Save changes to plan.dxf?"));
    EXPECT_EQ(asked[1], asked[0]);
    EXPECT_EQ(std::filesystem::last_write_time(plan), before);
    EXPECT_EQ(std::filesystem::file_size(plan), size);
}

namespace {

// Answers the message boxes that come up, in order, and keeps their questions.
class MessageBoxAnswers {
public:
    explicit MessageBoxAnswers(std::vector<QMessageBox::StandardButton> answers) : m_answers(std::move(answers)) {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || m_answers.empty()) return;
            asked.push_back(box->text().toStdString());
            box->button(m_answers.front())->click();
            m_answers.erase(m_answers.begin());
        });
        m_timer.start();
    }
    bool Done() const { return m_answers.empty(); }
    std::vector<std::string> asked;

private:
    std::vector<QMessageBox::StandardButton> m_answers;
    QTimer m_timer;
};

std::vector<std::string> TabNames(const QTabBar& tabs) {
    std::vector<std::string> names;
    for (int i = 0; i < tabs.count(); ++i) names.push_back(tabs.tabText(i).toStdString());
    return names;
}

void CloseTab(QTabBar& tabs, int index) {
    for (QTabBar::ButtonPosition side : {QTabBar::RightSide, QTabBar::LeftSide})
        if (auto* button = qobject_cast<QAbstractButton*>(tabs.tabButton(index, side))) {
            button->click();
            return;
        }
    ADD_FAILURE() << "tab " << index << " has no close button";
}

std::wstring CurrentFileName() {
    const AcApDocument* document = acDocManagerPtr()->curDocument();
    const std::wstring path = document ? document->fileName() : L"";
    return path.substr(path.find_last_of(L'/') + 1);
}

}  // namespace

// OPEN and NEW add a tab each; the active tab is the current document the commands work on; a
// tab's close button closes its drawing, asking first when it has changes.
TEST(HostWindow, EachDrawingHasItsTabAndTheActiveTabIsTheCurrentDocument) {
    testing_support::TempDir dir;
    const std::string plan = dir / "plan.dxf", other = dir / "other.dxf";
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/acad_table_simple.dxf", plan);
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/dxf-corpus/VP4.dxf", other);
    const auto size = std::filesystem::file_size(plan);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("VELLORIA_REGISTRY", (dir / "registry.reg").c_str(), 1);
    SetFileDialogsEnabled(false);
    platform::view::EnsureGuiApplication();
    MessageBoxAnswers boxes({QMessageBox::Cancel, QMessageBox::No});

    User user;
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        EXPECT_EQ(TabNames(*main.DocumentTabs()), std::vector<std::string>{"plan.dxf"});
        Type(main, "OPEN");
        Type(main, other);
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        EXPECT_EQ(TabNames(*main.DocumentTabs()), (std::vector<std::string>{"plan.dxf", "other.dxf"}));
        EXPECT_EQ(main.DocumentTabs()->currentIndex(), 1);
        EXPECT_EQ(CurrentFileName(), L"other.dxf");
        // Each drawing has its layout tabs: the one chosen here stays chosen for this drawing.
        ASSERT_EQ(main.LayoutTabs()->count(), 3);
        main.LayoutTabs()->setCurrentIndex(2);
        Type(main, "NEW");
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        ASSERT_EQ(main.DocumentTabs()->count(), 3);
        EXPECT_EQ(main.DocumentTabs()->currentIndex(), 2);
        EXPECT_EQ(main.DocumentTabs()->tabText(2).left(7), QStringLiteral("Drawing"));
        EXPECT_EQ(acDocManagerPtr()->documentCount(), 3);
        Type(main, "PAN");
    });
    // A running command keeps its drawing and its space: a tab chosen meanwhile is refused.
    user.When(PromptKind::Point, [&](window::MainWindow& main) {
        AcApDocument* running = acDocManagerPtr()->curDocument();
        main.DocumentTabs()->setCurrentIndex(0);
        EXPECT_EQ(main.DocumentTabs()->currentIndex(), 2);
        EXPECT_EQ(acDocManagerPtr()->curDocument(), running);
        // And its space: the layout tab stays.
        main.LayoutTabs()->setCurrentIndex(1);
        EXPECT_EQ(main.LayoutTabs()->currentIndex(), 0);
        EXPECT_EQ(running->database()->currentSpaceId(), running->database()->modelSpaceId());
        QTest::keyClick(main.Commands()->Input(), Qt::Key_Escape);
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        // Opening a drawing open already shows its tab.
        Type(main, "OPEN");
        Type(main, plan);
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        EXPECT_EQ(main.DocumentTabs()->count(), 3);
        EXPECT_EQ(main.DocumentTabs()->currentIndex(), 0);
        EXPECT_EQ(CurrentFileName(), L"plan.dxf");
        EXPECT_EQ(main.LayoutTabs()->currentIndex(), 0);
        // Choosing a tab makes its drawing current: the working database is the one changed.
        main.DocumentTabs()->setCurrentIndex(1);
        EXPECT_EQ(CurrentFileName(), L"other.dxf");
        EXPECT_EQ(main.LayoutTabs()->currentIndex(), 2);
        main.DocumentTabs()->setCurrentIndex(0);
        AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
        ASSERT_EQ(database, acDocManagerPtr()->document(0)->database());
        AcDbBlockTableRecord* space = nullptr;
        ASSERT_EQ(acdbOpenObject(space, database->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 5, 0));
        EXPECT_EQ(space->appendAcDbEntity(line), Acad::eOk);
        line->close();
        space->close();
        CloseTab(*main.DocumentTabs(), 0);  // Cancel: the drawing stays
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        EXPECT_EQ(main.DocumentTabs()->count(), 3);
        EXPECT_EQ(boxes.asked, std::vector<std::string>{"Save changes to plan.dxf?"});
        // The unchanged drawing of another tab closes without a question.
        CloseTab(*main.DocumentTabs(), 1);
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        EXPECT_EQ(TabNames(*main.DocumentTabs()).size(), 2u);
        EXPECT_EQ(main.DocumentTabs()->tabText(0), QStringLiteral("plan.dxf"));
        EXPECT_EQ(acDocManagerPtr()->documentCount(), 2);
        EXPECT_EQ(boxes.asked.size(), 1u);
        main.DocumentTabs()->setCurrentIndex(0);
        Type(main, "CLOSE");  // No: closed, the file as it was
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        ASSERT_EQ(main.DocumentTabs()->count(), 1);
        EXPECT_EQ(main.DocumentTabs()->tabText(0).left(7), QStringLiteral("Drawing"));
        EXPECT_EQ(acDocManagerPtr()->documentCount(), 1);
        Type(main, "QUIT");
    });
    ASSERT_EQ(RunInWindow(user, plan), 0);
    EXPECT_TRUE(user.Done());
    EXPECT_TRUE(boxes.Done());
    EXPECT_EQ(boxes.asked, (std::vector<std::string>{"Save changes to plan.dxf?", "Save changes to plan.dxf?"}));
    EXPECT_EQ(std::filesystem::file_size(plan), size);
}

// A table created with a layout's tab chosen goes into that layout, and the drawing saved then
// says it was left in paper space.
TEST(HostWindow, ATableCreatedOnALayoutTabGoesIntoThatLayout) {
    testing_support::TempDir dir;
    const std::string db = dir / "nwind.mdb", plan = dir / "plan.dxf", saved = dir / "saved.dxf";
    PrepareModuleSession(dir, db, plan);

    User user;
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        ASSERT_EQ(main.LayoutTabs()->count(), 3);
        main.LayoutTabs()->setCurrentIndex(1);
    });
    bool menuFound = false;
    QPointF placed;
    double pixel = 0;
    CreateShippersTable(user, db, menuFound, placed, pixel);
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        EXPECT_EQ(main.LayoutTabs()->currentIndex(), 1);
        Type(main, "SAVEAS");
        Type(main, saved);
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        // The tab is named after the file the drawing now has.
        EXPECT_EQ(TabNames(*main.DocumentTabs()), std::vector<std::string>{"saved.dxf"});
        EXPECT_EQ(main.windowTitle(), QStringLiteral("Velloria - saved.dxf"));
        Type(main, "QUIT");
    });
    ASSERT_EQ(RunInWindow(user, plan), 0);
    EXPECT_TRUE(menuFound);
    EXPECT_TRUE(user.Done());

    auto loaded = platform::dxf::LoadDrawing(saved);
    ASSERT_TRUE(loaded) << saved;
    auto tables = [&](AcDbObjectId spaceId) {
        AcDbBlockTableRecord* space = nullptr;
        EXPECT_EQ(acdbOpenObject(space, spaceId, AcDb::kForRead), Acad::eOk);
        std::vector<const AcDbTable*> found;
        if (!space) return found;
        for (AcDbObjectId id : space->entityIds())
            if (const auto* table = AcDbTable::cast(id.stub()->object); table && table->numRows() == 3 && table->numColumns() == 3)
                found.push_back(table);
        space->close();
        return found;
    };
    auto original = platform::dxf::LoadDrawing(plan);
    ASSERT_TRUE(original);
    EXPECT_EQ(tables(loaded.database->modelSpaceId()).size(), tables(original.database->modelSpaceId()).size());
    const auto inPaper = tables(loaded.database->paperSpaceId());
    ASSERT_EQ(inPaper.size(), 1u);
    EXPECT_NEAR(inPaper[0]->position().x, placed.x(), pixel / 100);
    EXPECT_NEAR(inPaper[0]->position().y, placed.y(), pixel / 100);
    // The file says it was left in paper space.
    const platform::dxf::Tag* tile = platform::dxf::AttachedDocument(*loaded.database)->HeaderValue("$TILEMODE");
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->IntOr(-1), 0);
}

// Escape in the window while a refresh runs a statement of hours: the statement stops, the
// table refreshed before it stays refreshed, the ones after are reported not refreshed, and
// what was typed during the refresh (besides the Escape) reaches the prompts that follow.
TEST(HostWindow, EscapeStopsARefreshAndWhatWasTypedMeanwhileWaitsForThePrompt) {
    testing_support::TempDir dir;
    const std::string db = dir / "nwind.mdb", plan = dir / "plan.dxf", drawing = dir / "slow.dxf", saved = dir / "saved.dxf";
    PrepareModuleSession(dir, db, plan);
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/slow-refresh.dxf", drawing);

    // Presses Escape, then types a line, once the long statement is under way.
    QTimer presser;
    presser.setInterval(20);
    int ticks = 0;
    bool pressed = false;
    QObject::connect(&presser, &QTimer::timeout, [&] {
        window::MainWindow* main = FindWindow();
        if (pressed || !main || main->Input().Waiting()) return;
        if (main->Commands()->Transcript().find("Preparing for table update...") == std::string::npos || ++ticks < 10) return;
        pressed = true;
        QTest::keyClick(main->Commands()->Input(), Qt::Key_Escape);
        QTest::keyClicks(main->Commands()->Input(), QStringLiteral("SAVEAS"));
        QTest::keyClick(main->Commands()->Input(), Qt::Key_Return);
    });
    presser.start();

    User user;
    user.When(PromptKind::Command, [](window::MainWindow& main) {
        Type(main, "DbTable_Update");
        Type(main, "ALL");
        Type(main, "");
    });
    std::string transcript;
    user.When(PromptKind::Text, [&](window::MainWindow& main) {  // SAVEAS, typed during the refresh, asks for the name
        transcript = main.Commands()->Transcript();
        Type(main, saved);
    });
    user.When(PromptKind::Command, [](window::MainWindow& main) { Type(main, "QUIT"); });
    ASSERT_EQ(RunInWindow(user, drawing), 0);
    EXPECT_TRUE(pressed);
    EXPECT_TRUE(user.Done());
    EXPECT_NE(transcript.find("*Cancel*"), std::string::npos) << transcript;
    EXPECT_NE(transcript.find("The refresh was cancelled: 1 of 3 linked tables refreshed, 2 not refreshed."), std::string::npos) << transcript;
    const std::string file = testing_support::ReadFile(saved);
    EXPECT_NE(file.find("Federal Shipping"), std::string::npos);
    EXPECT_EQ(file.find("Beverages"), std::string::npos);
}

// The file dialogs of the window's file commands, each answered as a user would: the file
// chosen (or the dialog cancelled) once it is up, with what it offered kept.
class FileDialogAnswers {
public:
    explicit FileDialogAnswers(std::vector<std::function<void(QFileDialog&)>> answers) : m_answers(std::move(answers)) {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible() || m_answers.empty()) return;
            titles.push_back(dialog->windowTitle().toStdString());
            folders.push_back(dialog->directory().absolutePath().toStdString());
            auto answer = std::move(m_answers.front());
            m_answers.erase(m_answers.begin());
            answer(*dialog);
        });
        m_timer.start();
    }
    std::vector<std::string> titles, folders;

private:
    std::vector<std::function<void(QFileDialog&)>> m_answers;
    QTimer m_timer;
};

// The keys pressed in the window, made the active one (as a dialog closing leaves it).
void Keys(window::MainWindow& main, QKeyCombination keys) {
    QApplication::setActiveWindow(&main);
    QTest::keyClick(main.Commands()->Input(), keys.key(), keys.keyboardModifiers());
}

// Ctrl+Shift+S and Ctrl+O ask in the file dialog, which starts in the drawing's folder; Ctrl+S
// saves to the drawing's own file. A dialog cancelled saves nothing. A script, and FILEDIA 0,
// type the name.
TEST(HostWindow, TheFileCommandsAskInTheFileDialogUnlessFiledialogIsOff) {
    testing_support::TempDir dir;
    const std::string plan = dir / "plan.dxf", other = dir / "other.dxf";
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/acad_table_simple.dxf", plan);
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/dxf-corpus/VP4.dxf", other);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("VELLORIA_REGISTRY", (dir / "registry.reg").c_str(), 1);
    platform::view::EnsureGuiApplication();
    const std::string folder = std::filesystem::canonical(dir.path()).string();
    FileDialogAnswers dialogs({[&](QFileDialog& d) {
                                   d.selectFile(QString::fromStdString(folder + "/saved"));  // the dialog adds .dxf
                                   static_cast<QDialog&>(d).accept();
                               },
                               [&](QFileDialog& d) {
                                   d.selectFile(QString::fromStdString(other));
                                   static_cast<QDialog&>(d).accept();
                               },
                               [&](QFileDialog& d) { d.reject(); },
                               // Only should the script's SAVEAS ask here (it must not).
                               [&](QFileDialog& d) { d.reject(); }});

    User user;
    user.When(PromptKind::Command, [&](window::MainWindow& main) { Keys(main, Qt::CTRL | Qt::SHIFT | Qt::Key_S); });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        EXPECT_TRUE(std::filesystem::exists(dir / "saved.dxf")) << main.Commands()->Transcript();
        EXPECT_EQ(TabNames(*main.DocumentTabs()), std::vector<std::string>{"saved.dxf"});
        Keys(main, Qt::CTRL | Qt::Key_O);
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        EXPECT_EQ(TabNames(*main.DocumentTabs()), (std::vector<std::string>{"saved.dxf", "other.dxf"}));
        std::filesystem::remove(other);
        Keys(main, Qt::CTRL | Qt::Key_S);
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        EXPECT_TRUE(std::filesystem::exists(other));  // saved again by Ctrl+S
        Keys(main, Qt::CTRL | Qt::SHIFT | Qt::Key_S);  // and cancelled
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        const std::string transcript = main.Commands()->Transcript();
        EXPECT_NE(transcript.find("*Cancel*", transcript.rfind("Enter name of drawing to save")), std::string::npos) << transcript;
        // A script types its file names, FILEDIA on or not.
        testing_support::WriteFile(dir / "save.scr", "SAVEAS\n" + (dir / "scripted.dxf") + "\n");
        Type(main, "SCRIPT");
        Type(main, dir / "save.scr");
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        EXPECT_TRUE(std::filesystem::exists(dir / "scripted.dxf")) << main.Commands()->Transcript();
        Type(main, "FILEDIA");
        Type(main, "0");
        Type(main, "SAVEAS");
    });
    user.When(PromptKind::Text, [&](window::MainWindow& main) { Type(main, dir / "typed.dxf"); });
    user.When(PromptKind::Command, [&](window::MainWindow& main) { Type(main, "QUIT"); });
    EXPECT_EQ(RunInWindow(user, plan), 0);
    EXPECT_TRUE(user.Done());
    EXPECT_EQ(dialogs.titles, (std::vector<std::string>{"Save Drawing As", "Open Drawing", "Save Drawing As"}));
    EXPECT_EQ(dialogs.folders, (std::vector<std::string>{folder, folder, folder}));
    EXPECT_TRUE(std::filesystem::exists(dir / "typed.dxf"));
}
