// The view of the window: layouts as tabs, zoom and pan by the mouse and by commands, and the
// point a click gives a prompt.
#include <QPainter>
#include <QProgressBar>
#include <QTabBar>
#include <cmath>

#include "WindowFixture.h"
#include "testing/NestedBlocks.h"
#include "testing/TempDir.h"
#include "editor/Commands.h"
#include "editor/EditorPrompts.h"
#include "editor/StatusBar.h"

namespace window_test {

namespace {

void ExpectNear(QPointF actual, QPointF expected, double tolerance) {
    EXPECT_NEAR(actual.x(), expected.x(), tolerance);
    EXPECT_NEAR(actual.y(), expected.y(), tolerance);
}

}  // namespace

TEST_F(WindowTest, ShowsEachLayoutOfACorpusDrawingInItsOwnTab) {
    Open(std::string(VELLORIA_TEST_DATA) + "/dxf-corpus/VP4.dxf");
    const auto& layouts = View().Drawing()->Layouts();
    ASSERT_GE(layouts.size(), 2u);
    QTabBar* tabs = window->LayoutTabs();
    ASSERT_EQ(tabs->count(), static_cast<int>(layouts.size()));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Model"));
    EXPECT_EQ(tabs->tabText(1).toStdString(), layouts[1].name);
    tabs->setCurrentIndex(1);
    EXPECT_EQ(View().LayoutIndex(), 1);
    // Each layout keeps its own view: zooming the paper leaves the model as it was.
    const window::ViewState model = [&] {
        tabs->setCurrentIndex(0);
        return View().View();
    }();
    tabs->setCurrentIndex(1);
    Wheel(QPoint(100, 100), 3);
    const double zoomed = View().View().Scale();
    tabs->setCurrentIndex(0);
    EXPECT_DOUBLE_EQ(View().View().Scale(), model.Scale());
    // A smaller window fits the model again, and leaves the zoomed paper as the user left it.
    window->resize(700, 500);
    QApplication::processEvents();
    EXPECT_LT(View().View().Scale(), model.Scale());
    tabs->setCurrentIndex(1);
    EXPECT_DOUBLE_EQ(View().View().Scale(), zoomed);
}

namespace {

std::wstring NameOfSpace(AcDbObjectId id) {
    AcDbBlockTableRecord* record = nullptr;
    if (acdbOpenObject(record, id, AcDb::kForRead) != Acad::eOk) return L"?";
    std::wstring name = record->getName();
    record->close();
    return name;
}

// Adds a line where the commands add entities: the database's current space.
AcDbObjectId AddToCurrentSpace(AcDbDatabase& database) {
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, database.currentSpaceId(), AcDb::kForWrite), Acad::eOk);
    if (!space) return {};
    AcDbObjectId id;
    auto* line = new AcDbLine(AcGePoint3d(1, 1, 0), AcGePoint3d(4, 2, 0));
    EXPECT_EQ(space->appendAcDbEntity(id, line), Acad::eOk);
    line->close();
    space->close();
    return id;
}

// The name of the space that holds the entity of the handle in a drawing read back.
std::wstring SpaceHolding(AcDbDatabase& database, AcDbHandle handle) {
    AcDbObjectId id;
    if (database.getAcDbObjectId(id, false, handle) != Acad::eOk) return L"(missing)";
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return L"(not an entity)";
    const AcDbObjectId owner = entity->ownerId();
    entity->close();
    return NameOfSpace(owner);
}

}  // namespace

// Choosing a layout's tab makes its space the database's current one, where commands add their
// entities; the saved drawing opens in the window in model space or in its active layout, as
// it was left.
TEST_F(WindowTest, ALayoutTabMakesItsSpaceCurrentForNewEntities) {
    Open(std::string(VELLORIA_TEST_DATA) + "/dxf-corpus/VP4.dxf");
    AcDbDatabase* database = database_;
    const auto& layouts = View().Drawing()->Layouts();
    ASSERT_GE(layouts.size(), 3u);
    QTabBar* tabs = window->LayoutTabs();
    ASSERT_EQ(database->currentSpaceId(), database->modelSpaceId());
    EXPECT_EQ(tabs->currentIndex(), 0);

    testing_support::TempDir folder;
    struct Case {
        int tab;
        std::wstring space;  // where the entity goes
        int tileMode;        // what the file says: 1 model space, 0 paper space
    };
    for (const Case& c : {Case{2, L"*Paper_Space0", 0}, Case{1, L"*Paper_Space", 0}, Case{0, L"*Model_Space", 1}}) {
        SCOPED_TRACE(c.tab);
        tabs->setCurrentIndex(c.tab);
        EXPECT_EQ(View().LayoutIndex(), c.tab);
        EXPECT_EQ(NameOfSpace(database->currentSpaceId()), c.space);
        const AcDbObjectId line = AddToCurrentSpace(*database);
        const std::string file = folder / ("tab" + std::to_string(c.tab) + ".dxf");
        ASSERT_FALSE(platform::dxf::SaveDrawing(*database, file).has_value());
        auto loaded = platform::dxf::LoadDrawing(file);
        ASSERT_TRUE(loaded) << file;
        EXPECT_EQ(SpaceHolding(*loaded.database, line.handle()), c.space);
        const platform::dxf::Tag* tile = platform::dxf::AttachedDocument(*loaded.database)->HeaderValue("$TILEMODE");
        EXPECT_EQ(tile ? tile->IntOr(-1) : -1, c.tileMode);
    }
    // The tabs follow the database: a space made current elsewhere is shown at the next refresh.
    database->setCurrentSpace(database->paperSpaceId());
    window->Refresh();
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(View().LayoutIndex(), 1);

    // Opened again, a drawing left in paper space shows its active layout, which is current.
    Open(folder / "tab1.dxf");
    EXPECT_EQ(window->LayoutTabs()->currentIndex(), 1);
    EXPECT_EQ(database_->currentSpaceId(), database_->paperSpaceId());
    Open(folder / "tab0.dxf");
    EXPECT_EQ(window->LayoutTabs()->currentIndex(), 0);
    EXPECT_EQ(database_->currentSpaceId(), database_->modelSpaceId());
}

TEST_F(WindowTest, WheelZoomsAroundTheCursorAndTheMiddleButtonPans) {
    Open(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf");
    View().RedrawNow();
    const QPoint at(250, 180);
    const QPointF under = View().ToWorld(at);
    const double scale = View().View().Scale();
    Wheel(at, 2);
    EXPECT_NEAR(View().View().Scale(), scale * 1.44, scale * 1e-9);
    ExpectNear(View().ToWorld(at), under, 1e-9 * std::abs(under.x() + 1));
    Wheel(at, -2);
    EXPECT_NEAR(View().View().Scale(), scale, scale * 1e-9);

    // Dragging with the middle button carries the point under the cursor along.
    Drag(Qt::MiddleButton, QPoint(200, 200), QPoint(260, 150));
    const QPointF carried = View().ToWorld(QPoint(260, 150));
    EXPECT_NEAR(carried.x() - under.x(), (200.0 - 250) / scale, 1e-6);  // the point once at (200,200)
    EXPECT_NEAR(carried.y() - under.y(), -(200.0 - 180) / scale, 1e-6);
}

TEST_F(WindowTest, AClickAnswersAPointPromptWithTheWorldPointUnderTheCursor) {
    Open(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf");
    Wheel(QPoint(300, 300), 1);  // any view: the answer follows it
    const QPoint at(321, 187);
    const QPointF expected = View().ToWorld(at);
    Then([&] { Click(at); });
    ads_point picked = {0, 0, 0};
    ASSERT_EQ(acedGetPoint(nullptr, L"\nSpecify a point: ", picked), RTNORM);
    // To a hundredth of a pixel.
    const double pixel = 1 / View().View().Scale();
    EXPECT_NEAR(picked[0], expected.x(), pixel / 100);
    EXPECT_NEAR(picked[1], expected.y(), pixel / 100);
    // The prompt and its answer read as a typed session does.
    const std::string transcript = window->Commands()->Transcript();
    EXPECT_NE(transcript.find("Specify a point: " + window::PointText(expected, View().View().Scale())), std::string::npos)
        << transcript;

    // Typed input still answers, and a right click is Enter.
    Then([&] { Type("12.5,-3"); });
    ASSERT_EQ(acedGetPoint(nullptr, L"\nSpecify a point: ", picked), RTNORM);
    EXPECT_EQ(picked[0], 12.5);
    EXPECT_EQ(picked[1], -3);
    Then([&] { Click(at, Qt::RightButton); });
    EXPECT_EQ(acedGetPoint(nullptr, L"\nSpecify a point: ", picked), RTNONE);
}

TEST_F(WindowTest, TheCommandLineRecallsLinesAndEscapeCancelsThePrompt) {
    Open(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf");
    ads_point picked;
    Then([&] { Type("1,2"); });
    ASSERT_EQ(acedGetPoint(nullptr, L"\nPoint: ", picked), RTNORM);
    Then([&] { Type("3,4"); });
    ASSERT_EQ(acedGetPoint(nullptr, L"\nPoint: ", picked), RTNORM);
    // Up twice brings back the first line, Down the second.
    Steps({[&] { QTest::keyClick(window->Commands()->Input(), Qt::Key_Up); },
           [&] { QTest::keyClick(window->Commands()->Input(), Qt::Key_Up); },
           [&] { QTest::keyClick(window->Commands()->Input(), Qt::Key_Down); },
           [&] { QTest::keyClick(window->Commands()->Input(), Qt::Key_Return); }});
    ASSERT_EQ(acedGetPoint(nullptr, L"\nPoint: ", picked), RTNORM);
    EXPECT_EQ(picked[0], 3);
    EXPECT_EQ(picked[1], 4);
    Then([&] { QTest::keyClick(window->Commands()->Input(), Qt::Key_Escape); });
    EXPECT_EQ(acedGetPoint(nullptr, L"\nPoint: ", picked), RTCAN);
}

TEST_F(WindowTest, ZoomWindowAndPanCommandsTakeTheirPointsFromClicks) {
    Open(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf");
    View().RedrawNow();
    const double fitted = View().View().Scale();
    const QPointF a = View().ToWorld(QPoint(100, 100)), b = View().ToWorld(QPoint(300, 250));
    Steps({[&] { Type("_Window"); }, [&] { Click(QPoint(100, 100)); }, [&] { Click(QPoint(300, 250)); }});
    ASSERT_TRUE(platform::ExecuteCommandWithInput(L"ZOOM", {}));
    // The window's corners now lie on the edges of the view, its centre in the middle.
    const QPointF centre = View().ToDevice({(a.x() + b.x()) / 2, (a.y() + b.y()) / 2});
    // The clicks are rounded to a hundredth of a pixel at the scale they were made at.
    ExpectNear(centre, QPointF(View().width() / 2.0, View().height() / 2.0), 0.5);
    const QPointF ca = View().ToDevice(a), cb = View().ToDevice(b);
    const double span = std::max(std::abs(cb.x() - ca.x()) / View().width(), std::abs(cb.y() - ca.y()) / View().height());
    EXPECT_NEAR(span, 0.95, 1e-3);

    // PAN by a typed displacement moves the drawing by it.
    const QPointF before = View().ToDevice({0, 0});
    Steps({[&] { Type("0,0"); }, [&] { Type("10,5"); }});
    ASSERT_TRUE(platform::ExecuteCommandWithInput(L"PAN", {}));
    const double scale = View().View().Scale();
    ExpectNear(View().ToDevice({0, 0}), before + QPointF(10 * scale, -5 * scale), 1e-6);

    // ZOOM with Enter: back to the fit of the whole drawing.
    Then([&] { Type(""); });
    ASSERT_TRUE(platform::ExecuteCommandWithInput(L"ZOOM", {}));
    EXPECT_DOUBLE_EQ(View().View().Scale(), fitted);
}

TEST_F(WindowTest, TheProgressMeterIsAProgressBarInTheStatusBar) {
    Open(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf");
    auto* bar = window->findChild<QProgressBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isVisible());
    acedSetStatusBarProgressMeter(L"Reading", 0, 200);
    acedSetStatusBarProgressMeterPos(50);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->value(), 25);
    acedRestoreStatusBar();
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(WindowTest, TheStatusBarShowsTheCursorsWorldCoordinates) {
    Open(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf");
    Move(QPoint(40, 60));
    const QPointF at = View().ToWorld(QPoint(40, 60));
    EXPECT_EQ(window->CoordinatesText(), QString::asprintf("%.4f, %.4f", at.x(), at.y()));
}

}  // namespace window_test

namespace window_test {

// A zoomed view draws what its index finds; the picture must be the one a pass over every
// entity of the layout gives.
TEST_F(WindowTest, AZoomedViewDrawsWhatAPassOverTheWholeLayoutDraws) {
    for (const char* name : {"dxf-corpus/hatches_1.dxf", "dxf-corpus/multi_insert_with_attribs.dxf", "acad_table_simple.dxf"}) {
        SCOPED_TRACE(name);
        acDocManagerPtr()->closeAll();
        Open(std::string(VELLORIA_TEST_DATA) + "/" + name);
        for (const QPoint at : {QPoint(200, 150), QPoint(500, 300)}) {
            View().ZoomAt(at, 5);
            View().RedrawNow();
            QImage reference(View().size(), QImage::Format_RGB32);
            reference.fill(Qt::white);
            {
                QPainter painter(&reference);
                painter.setRenderHint(QPainter::Antialiasing);
                platform::view::RenderOptions options;
                options.plotting = false;
                platform::view::Renderer renderer(*View().Drawing(), options);
                const window::ViewState& state = View().View();
                renderer.Draw(painter, View().Drawing()->Layouts()[0], state.Visible(View().size()), state.WorldToDevice(View().size()));
            }
            const QImage shown = View().grab().toImage().convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(shown.size(), reference.size());
            int differing = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) differing += shown.pixel(x, y) != reference.pixel(x, y);
            EXPECT_EQ(differing, 0);
            View().ZoomAt(at, 1.0 / 5);
        }
    }
}

}  // namespace window_test

namespace window_test {

// A drawing nested deeper than the renderer goes is shown as far as it goes, and the command
// line says once what was left out, however often the view is drawn again.
TEST_F(WindowTest, WhatTheLimitsOfDrawingLeaveOutIsSaidOnceOnTheCommandLine) {
    const std::string text = testing_support::ChainOfBlocksDrawing(70);
    platform::dxf::ReadResult read = platform::dxf::ReadDxfText(text, "chain.dxf");
    ASSERT_TRUE(read) << read.error->Message();
    Show(platform::dxf::DatabaseFromDocument(std::move(read.document)), "chain.dxf");
    View().RedrawNow();
    View().ZoomAt(QPoint(300, 300), 2);
    View().RedrawNow();
    const std::string transcript = window->Commands()->Transcript();
    const std::string said = "Not everything is shown: 1 block reference nested more than 64 deep was left out, with what it holds.";
    const size_t at = transcript.find(said);
    ASSERT_NE(at, std::string::npos) << transcript;
    EXPECT_EQ(transcript.find(said, at + 1), std::string::npos) << transcript;
}

}  // namespace window_test
