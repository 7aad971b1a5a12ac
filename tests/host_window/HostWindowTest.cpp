// The host's session in its window, on the offscreen platform, with the module loaded: a table
// created from the Velloria pull-down, placed by a click, and the drawing saved.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
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
#include "Startup.h"
#include "db/DbDatabase.h"
#include "db/DbEntities.h"
#include "db/HostServices.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "dxf/DrawingIo.h"
#include "editor/PromptInput.h"
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

}  // namespace

TEST(HostWindow, ATableCreatedFromTheMenuIsPlacedWhereTheUserClicks) {
    testing_support::TempDir dir;
    const std::string db = dir / "nwind.mdb", plan = dir / "plan.dxf", saved = dir / "saved.dxf";
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/nwind.mdb", db);
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/acad_table_simple.dxf", plan);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("VELLORIA_MODULE", VELLORIA_BIN_DIR "/Velloria.so", 1);
    ::setenv("VELLORIA_OPENER", "/bin/true", 1);
    ::setenv("VELLORIA_REGISTRY", (dir / "registry.reg").c_str(), 1);
    platform::view::EnsureGuiApplication();

    User user;
    bool menuFound = false;
    QPointF placed;
    double pixel = 0;
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
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
    user.When(PromptKind::Text, [&](window::MainWindow& main) {
        for (const std::string& line : std::vector<std::string>{"click \"Open Database\"", "set Database " + db, "click &OK", "select \"Data Source\" " + db + "/Shippers",
                                        "check \"Include Header\" off", "click \"Create Table ...\""})
            Type(main, line);
    });
    user.When(PromptKind::Drag, [&](window::MainWindow& main) {
        const QPoint at(main.View()->width() / 3, main.View()->height() / 2);
        placed = main.View()->ToWorld(at);
        pixel = 1 / main.View()->View().Scale();
        Click(*main.View(), at);
    });
    user.When(PromptKind::Command, [&](window::MainWindow& main) {
        Type(main, "SAVEAS");
        Type(main, saved);
        Type(main, "QUIT");
    });
    user.Start();

    SessionOptions options;
    options.drawing = plan;
    options.window = true;
    ASSERT_EQ(RunInteractiveSession(options), 0);
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
    user.Start();

    SessionOptions options;
    options.drawing = plan;
    options.window = true;
    ASSERT_EQ(RunInteractiveSession(options), 0);
    EXPECT_TRUE(user.Done());
    EXPECT_TRUE(answers.empty());
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], QStringLiteral("Save changes to plan.dxf?"));
    EXPECT_EQ(asked[1], asked[0]);
    EXPECT_EQ(std::filesystem::last_write_time(plan), before);
    EXPECT_EQ(std::filesystem::file_size(plan), size);
}
