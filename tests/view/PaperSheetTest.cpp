// Plots on paper: the options as users write them, the plot settings CAD programs stored in the
// corpus drawings' layouts, and where the drawing lands on the paper.
#include <gtest/gtest.h>

#include <QTransform>
#include <string>

#include "ViewTestUtil.h"
#include "dxf/DxfReader.h"
#include "view/Drawing.h"
#include "view/PaperSheet.h"

namespace {

using namespace platform::view;

std::shared_ptr<const platform::dxf::Document> ReadCorpus(const std::string& name) {
    platform::dxf::ReadResult read = platform::dxf::ReadDxfFile(std::string(VELLORIA_TEST_DATA) + "/dxf-corpus/" + name);
    EXPECT_TRUE(read) << name;
    return std::shared_ptr<const platform::dxf::Document>(std::move(read.document));
}

TEST(PaperOptions, ReadAsWrittenAndRefuseTheRest) {
    const auto a3 = ParsePaper("a3");
    ASSERT_TRUE(a3);
    EXPECT_EQ(a3->width, 297);
    EXPECT_EQ(a3->height, 420);
    const auto measured = ParsePaper("500x250.5MM");
    ASSERT_TRUE(measured);
    EXPECT_EQ(measured->width, 500);
    EXPECT_EQ(measured->height, 250.5);
    EXPECT_DOUBLE_EQ(ParsePaper("letter")->width, 215.9);
    for (const char* bad : {"", "A5", "500x250", "0x100mm", "-5x100mm", "100xmm", "1e9x10mm", "nanx10mm"}) EXPECT_FALSE(ParsePaper(bad)) << bad;
    EXPECT_EQ(PaperName({420, 297}), "A3");
    EXPECT_EQ(PaperName({209.91, 297.03}), "A4");
    EXPECT_EQ(PaperName({500, 250}), "500 x 250 mm");

    const auto one = ParseMargins("5");
    const auto two = ParseMargins("5,8");
    const auto four = ParseMargins("1,2,3,4");  // top, right, bottom, left
    ASSERT_TRUE(one && two && four);
    EXPECT_EQ(one->left + one->bottom + one->right + one->top, 20);
    EXPECT_EQ(two->top, 5);
    EXPECT_EQ(two->left, 8);
    EXPECT_EQ(four->top, 1);
    EXPECT_EQ(four->right, 2);
    EXPECT_EQ(four->bottom, 3);
    EXPECT_EQ(four->left, 4);
    for (const char* bad : {"", "1,2,3", "-1", "a", "1,,2,3"}) EXPECT_FALSE(ParseMargins(bad)) << bad;

    EXPECT_DOUBLE_EQ(*ParseScale("1:50"), 0.02);
    EXPECT_DOUBLE_EQ(*ParseScale("2:1"), 2);
    EXPECT_EQ(*ParseScale("FIT"), 0);
    for (const char* bad : {"50", "1:0", "0:1", "-1:5", "1:x", ":"}) EXPECT_FALSE(ParseScale(bad)) << bad;
    EXPECT_EQ(ScaleName(0.02), "1:50");
    EXPECT_EQ(ScaleName(2), "2:1");

    std::string error;
    const auto window = ParseArea("window 10,20,-5,40", error);
    ASSERT_TRUE(window) << error;
    EXPECT_EQ(window->kind, AreaKind::Window);
    EXPECT_EQ(window->window.x0, -5);
    EXPECT_EQ(window->window.y1, 40);
    EXPECT_EQ(ParseArea("layout Sheet 2", error)->layout, "Sheet 2");
    EXPECT_EQ(ParseArea("Extents", error)->kind, AreaKind::Extents);
    for (const char* bad : {"window 1,2,3", "window 1,1,1,5", "layout", "limits", "extents now"}) {
        error.clear();
        EXPECT_FALSE(ParseArea(bad, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

// Where a plot at a scale puts a point, in millimetres from the paper's lower left.
QPointF OnPaper(const SheetPlan& plan, double x, double y) {
    const QPointF device = plan.WorldToDevice(1).map(QPointF(x, y));
    return {device.x(), plan.paper.height - device.y()};
}

TEST(PaperPlan, AScaleGivesMillimetresAndCentresTheAreaOnThePrintablePart) {
    PaperRequest request;
    request.paper = ParsePaper("A3");
    request.orientation = Orientation::Landscape;
    request.scale = ParseScale("1:50");
    request.margins = ParseMargins("10,10,10,30");  // more on the left
    SheetPlan plan;
    std::string error;
    ASSERT_TRUE(PlanSheet(request, nullptr, Box::Of(0, 0, 10000, 5000), {}, 0, plan, error)) << error;
    EXPECT_EQ(plan.paper.width, 420);
    EXPECT_EQ(plan.paper.height, 297);
    EXPECT_TRUE(plan.onPaper);
    EXPECT_FALSE(plan.fit);
    // Ten units are a fifth of a millimetre.
    EXPECT_NEAR(OnPaper(plan, 10, 0).x() - OnPaper(plan, 0, 0).x(), 0.2, 1e-9);
    // 200 x 100 mm in the middle of the 380 x 277 mm between the margins.
    EXPECT_NEAR(OnPaper(plan, 0, 0).x(), 30 + 90, 1e-9);
    EXPECT_NEAR(OnPaper(plan, 0, 0).y(), 10 + 88.5, 1e-9);
    EXPECT_EQ(plan.Describe(), "A3 landscape (420 x 297 mm), 1:50");

    // Fitted, the area fills the printable width; the margins asked for stay where they were asked.
    request.scale = ParseScale("fit");
    request.orientation = Orientation::Portrait;
    ASSERT_TRUE(PlanSheet(request, nullptr, Box::Of(0, 0, 10000, 5000), {}, 0, plan, error)) << error;
    EXPECT_EQ(plan.paper.width, 297);
    EXPECT_EQ(plan.margins.left, 30);
    EXPECT_NEAR(plan.scale, (297 - 40) / 10000.0, 1e-12);

    request.margins = ParseMargins("150");
    EXPECT_FALSE(PlanSheet(request, nullptr, Box::Of(0, 0, 10, 10), {}, 0, plan, error));
    EXPECT_NE(error.find("the margins leave nothing of the A3 paper"), std::string::npos) << error;
}

TEST(PaperPlan, AWindowIsAllThePlotShows) {
    PaperRequest request;
    request.paper = ParsePaper("A4");
    std::string error;
    request.area = *ParseArea("window 100,100,200,150", error);
    SheetPlan plan;
    ASSERT_TRUE(PlanSheet(request, nullptr, Box::Of(0, 0, 1000, 1000), {}, 0, plan, error)) << error;
    EXPECT_EQ(plan.kind, AreaKind::Window);
    EXPECT_NEAR(plan.scale, 190.0 / 100, 1e-12);
    const Box shown = plan.Printable();
    EXPECT_NEAR(shown.x0, 100, 1e-9);
    EXPECT_NEAR(shown.x1, 200, 1e-9);
    EXPECT_LT(shown.y0, 100);  // the paper is taller than the window
}

// Each layout's sheet as its plot settings give it is the sheet its CAD program drew: the
// limits it stored beside them (paper space from the paper's edges, the origin at the
// printable area's corner, turned as the plot is).
TEST(PaperPlan, StoredPlotSettingsGiveTheSheetTheCadProgramLaidOut) {
    struct Case {
        const char* file;
        const char* layout;
        const char* paper;
    } cases[] = {{"VP4.dxf", "Layout1", "A4 landscape (297 x 210 mm), 1:1"},
                 {"text_in_viewports.dxf", "Layout1", "A4 landscape (297 x 210 mm), 1:1"},
                 {"xclip.dxf", "Layout2", "A4 landscape (297 x 210 mm), 1:1"},
                 {"uncommon.dxf", "Layout1", "letter landscape (279.4 x 215.9 mm), 25.4:1"}};
    for (const Case& c : cases) {
        const Drawing drawing(ReadCorpus(c.file));
        const Layout* layout = drawing.FindLayout(c.layout);
        ASSERT_TRUE(layout) << c.file;
        const LayoutPlotSettings& stored = layout->plot;
        ASSERT_TRUE(stored.HasPaper()) << c.file;
        SheetPlan plan;
        std::string error;
        ASSERT_TRUE(PlanSheet({}, &stored, Box::Of(0, 0, 1, 1), {}, 0, plan, error)) << c.file << ": " << error;
        EXPECT_TRUE(plan.fromLayout);
        EXPECT_EQ(plan.kind, AreaKind::Layout);
        EXPECT_EQ(plan.Describe(), c.paper) << c.file;
        const double tolerance = stored.units == 0 ? 1e-4 : 1e-3;
        EXPECT_NEAR(plan.area.x0, stored.limits.x0, tolerance) << c.file;
        EXPECT_NEAR(plan.area.y0, stored.limits.y0, tolerance) << c.file;
        EXPECT_NEAR(plan.area.x1, stored.limits.x1, tolerance) << c.file;
        EXPECT_NEAR(plan.area.y1, stored.limits.y1, tolerance) << c.file;
        // The sheet fills the paper exactly.
        EXPECT_NEAR(OnPaper(plan, plan.area.x0, plan.area.y0).x(), 0, 1e-6) << c.file;
        EXPECT_NEAR(OnPaper(plan, plan.area.x1, plan.area.y1).y(), plan.paper.height, 1e-6) << c.file;
    }
}

TEST(PaperPlan, StoredScaleAndWindowAreRead) {
    // A layout set up by hand: a window plot at 1:20 on A2, turned a quarter clockwise.
    const std::string layout =
        "0\nLAYOUT\n5\n50\n100\nAcDbPlotSettings\n4\nISO_A2\n40\n5\n41\n10\n42\n15\n43\n20\n44\n420\n45\n594\n46\n0\n47\n0\n"
        "48\n0\n49\n0\n140\n2000\n141\n1000\n142\n1\n143\n20\n70\n0\n72\n1\n73\n3\n74\n4\n75\n16\n"
        "100\nAcDbLayout\n1\nSheet\n70\n1\n71\n1\n10\n0\n20\n0\n11\n594\n21\n420\n";
    const auto document = viewtest::Parse("0\nSECTION\n2\nOBJECTS\n" + layout + "0\nENDSEC\n0\nEOF\n");
    ASSERT_FALSE(document->objects.empty());
    const LayoutPlotSettings stored = ReadLayoutPlotSettings(document->objects.front());
    EXPECT_EQ(stored.paperName, "ISO_A2");
    EXPECT_DOUBLE_EQ(stored.Scale(), 0.05);
    EXPECT_EQ(stored.type, 4);
    EXPECT_EQ(stored.Paper().width, 594);
    // A quarter turn clockwise puts the paper's top margin on the layout's left.
    EXPECT_EQ(stored.TurnedMargins().left, 20);
    EXPECT_EQ(stored.TurnedMargins().bottom, 5);
    SheetPlan plan;
    std::string error;
    ASSERT_TRUE(PlanSheet({}, &stored, Box::Of(0, 0, 1, 1), {}, 0, plan, error)) << error;
    EXPECT_EQ(plan.kind, AreaKind::Window);
    EXPECT_DOUBLE_EQ(plan.scale, 0.05);
    // Not centred: the window's corner at the printable area's.
    EXPECT_NEAR(OnPaper(plan, 0, 0).x(), 20, 1e-9);
    EXPECT_NEAR(OnPaper(plan, 0, 0).y(), 5, 1e-9);
    // Asking for another paper centres the same window at the same scale, on the paper laid
    // the way the layout's lies.
    PaperRequest request;
    request.paper = ParsePaper("A3");
    ASSERT_TRUE(PlanSheet(request, &stored, Box::Of(0, 0, 1, 1), {}, 0, plan, error)) << error;
    EXPECT_DOUBLE_EQ(plan.scale, 0.05);
    EXPECT_EQ(plan.paper.width, 420);
    EXPECT_NEAR(OnPaper(plan, 1000, 500).x(), 420 / 2.0, 1e-9);
}

}  // namespace
