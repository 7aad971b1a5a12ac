#pragma once
// The main window on the offscreen platform, attached as the command line, over a drawing
// made current in the document manager. Mouse and key input is synthesized; a prompt is read
// while timers deliver it, as a user's clicks arrive while a command waits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "CommandLine.h"
#include "DrawingView.h"
#include "MainWindow.h"
#include "db/DbDatabase.h"
#include "db/DbEntities.h"
#include "db/DbSymbolTable.h"
#include "db/DrawingDatabase.h"
#include "dxf/DrawingIo.h"
#include "runtime/DocManager.h"
#include "view/GuiApplication.h"

namespace window_test {

class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        platform::view::EnsureGuiApplication();
    }

    void SetUp() override {
        window = std::make_unique<window::MainWindow>();
        window->resize(900, 700);
        window->show();
        window->Attach();
        QApplication::processEvents();
    }

    void TearDown() override {
        window.reset();
        acDocManagerPtr()->closeAll();
    }

    // Makes the drawing current and the window show it.
    void Show(std::shared_ptr<AcDbDatabase> database, const std::string& name = "test.dxf") {
        database_ = database.get();
        acDocManagerPtr()->addDocument(std::make_unique<AcApDocument>(std::move(database), CString::FromUtf8(name)));
        window->Refresh();
        QApplication::processEvents();
    }

    void Open(const std::string& path) {
        auto loaded = platform::dxf::LoadDrawing(path);
        ASSERT_TRUE(loaded) << path;
        Show(loaded.database, path);
    }

    AcDbObjectId AddLine(AcGePoint3d a, AcGePoint3d b) {
        AcDbBlockTableRecord* space = nullptr;
        EXPECT_EQ(acdbOpenObject(space, database_->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        auto* line = new AcDbLine(a, b);
        AcDbObjectId id;
        EXPECT_EQ(space->appendAcDbEntity(id, line), Acad::eOk);
        line->close();
        space->close();
        return id;
    }

    window::DrawingView& View() { return *window->View(); }
    QPoint Device(double x, double y) { return View().ToDevice({x, y}).toPoint(); }

    // Runs the action once the prompt started after it waits.
    static void Then(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }
    // A series of actions, one after another, each once the events before it were run.
    static void Steps(std::vector<std::function<void()>> actions) {
        auto shared = std::make_shared<std::vector<std::function<void()>>>(std::move(actions));
        auto step = std::make_shared<std::function<void(size_t)>>();
        *step = [shared, step](size_t i) {
            if (i >= shared->size()) return;
            (*shared)[i]();
            QTimer::singleShot(0, [step, i] { (*step)(i + 1); });
        };
        QTimer::singleShot(0, [step] { (*step)(0); });
    }

    void Press(Qt::MouseButton button, QPoint at) { Mouse(QEvent::MouseButtonPress, button, button, at); }
    void Release(Qt::MouseButton button, QPoint at) { Mouse(QEvent::MouseButtonRelease, button, Qt::NoButton, at); }
    void Move(QPoint at, Qt::MouseButtons held = Qt::NoButton) { Mouse(QEvent::MouseMove, Qt::NoButton, held, at); }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        Press(button, at);
        Release(button, at);
    }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to) {
        Press(button, from);
        const int steps = 5;
        for (int i = 1; i <= steps; ++i) Move(from + (to - from) * i / steps, button);
        Release(button, to);
    }
    void Wheel(QPoint at, int notches) {
        QWheelEvent event(QPointF(at), QPointF(View().mapToGlobal(at)), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&View(), &event);
    }
    void Type(const QString& text) {
        QTest::keyClicks(window->Commands()->Input(), text);
        QTest::keyClick(window->Commands()->Input(), Qt::Key_Return);
    }

    std::unique_ptr<window::MainWindow> window;
    AcDbDatabase* database_ = nullptr;

private:
    void Mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at) {
        QMouseEvent event(type, QPointF(at), QPointF(View().mapToGlobal(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&View(), &event);
    }
};

}  // namespace window_test
