// Drawings at the limits of drawing: block references that would draw without end -- nested
// too deep, or repeating their blocks past any use -- end with what was drawn so far and a
// count of what was left out; drawings of extreme size plot on a sheet or say why not.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "ViewTestUtil.h"
#include "testing/NestedBlocks.h"
#include "view/Plot.h"

namespace {

using platform::view::Box;
using platform::view::Drawing;
using platform::view::RenderOptions;
using viewtest::DxfText;
using viewtest::Inked;
using viewtest::Parse;

std::string Line(double x0, double y0, double x1, double y1) {
    return "0\nLINE\n8\n0\n10\n" + std::to_string(x0) + "\n20\n" + std::to_string(y0) + "\n30\n0\n11\n" + std::to_string(x1) +
           "\n21\n" + std::to_string(y1) + "\n31\n0\n";
}

class BlockLimits : public ::testing::Test {
protected:
    void SetUp() override { viewtest::UseOffscreenToolkit(); }

    // The layout drawn with the options onto 200 x 200 pixels showing (x0, y0)-(x1, y1).
    QImage Draw(platform::view::Renderer& renderer, const Drawing& drawing, double x0, double y0, double x1, double y1) {
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        const Box view = Box::Of(x0, y0, x1, y1);
        QPainter painter(&image);
        renderer.Draw(painter, drawing.Layouts().front(), view, platform::view::Renderer::FitTransform(view, QRectF(0, 0, 200, 200)));
        return image;
    }
};

TEST_F(BlockLimits, BlocksThatDoubleFortyLevelsDeepStopAtTheBudgetWithAPartialPicture) {
    const Drawing drawing(Parse(testing_support::DoublingBlocksDrawing(40)));
    RenderOptions options;
    options.repeatBudget = 20000;
    platform::view::Renderer renderer(drawing, options);
    const QImage image = Draw(renderer, drawing, 0, 0, 20, 20);
    const auto& stats = renderer.Stats();
    EXPECT_EQ(stats.repeated, 20000u);
    EXPECT_GT(stats.overBudget, 0u);
    EXPECT_EQ(stats.tooDeep, 0u);
    // Depth first: the first instances down the tree are drawn, the line at the origin among them.
    EXPECT_TRUE(Inked(image, 5, 195, 3));
    const std::string note = platform::view::LeftOutNote(stats, options);
    EXPECT_NE(note.find("more than 20000 entities"), std::string::npos) << note;
    EXPECT_NE(note.find(std::to_string(stats.overBudget) + " entities where it stopped"), std::string::npos) << note;

    // The extents, with the budget every drawing has, end too (at the speed of a measure, about
    // a second: 2^39 instances would take weeks).
    platform::view::Renderer measure(drawing);
    const auto start = std::chrono::steady_clock::now();
    const Box extents = measure.Extents(drawing.Layouts().front());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
    EXPECT_FALSE(extents.Empty());
    EXPECT_EQ(measure.Stats().repeated, RenderOptions().repeatBudget);
    EXPECT_GT(measure.Stats().overBudget, 0u);
}

TEST_F(BlockLimits, ABlocksFirstInstanceIsDrawnWholeAndOnlyItsRepeatsCountAgainstTheBudget) {
    // A block of 30 short lines, inserted once and then twice more.
    std::string lines;
    for (int i = 0; i < 30; ++i) lines += Line(i, 0, i, 1);
    for (int references = 1; references <= 3; ++references) {
        DxfText dxf;
        dxf.Block("ROW", lines);
        for (int r = 0; r < references; ++r) dxf.Entity("INSERT", "8\n0\n2\nROW\n10\n0\n20\n" + std::to_string(r * 10) + "\n30\n0\n");
        const Drawing drawing(Parse(dxf.Text()));
        RenderOptions options;
        options.repeatBudget = 45;
        platform::view::Renderer renderer(drawing, options);
        const QImage image = Draw(renderer, drawing, 0, 0, 40, 40);
        const auto& stats = renderer.Stats();
        SCOPED_TRACE(references);
        EXPECT_EQ(stats.repeated, std::min<size_t>(45, 30 * (references - 1)));
        EXPECT_EQ(stats.overBudget, 30 * (references - 1) - stats.repeated);
        // The first row is whole; of the third, only what the budget left after the second.
        EXPECT_TRUE(Inked(image, 5 * 29, 199, 2));
        if (references == 3) {
            EXPECT_TRUE(Inked(image, 5 * 14, 200 - 5 * 20 - 2, 2));
            EXPECT_FALSE(Inked(image, 5 * 16, 200 - 5 * 20 - 2, 2));
        }
        EXPECT_EQ(platform::view::LeftOutNote(stats, options).empty(), references < 3);
    }
}

TEST_F(BlockLimits, AChainNestedDeeperThanTheLimitSaysWhatItLeftOut) {
    const Drawing drawing(Parse(testing_support::ChainOfBlocksDrawing(100)));
    RenderOptions options;
    platform::view::Renderer renderer(drawing, options);
    const QImage image = Draw(renderer, drawing, 0, 0, 100, 100);
    const auto& stats = renderer.Stats();
    EXPECT_EQ(stats.tooDeep, 1u);
    EXPECT_EQ(stats.overBudget, 0u);
    // Levels 0 to 63 are drawn (their lines at heights 0 to 63), level 64 and below are not.
    EXPECT_TRUE(Inked(image, 10, 200 - 2 * 63, 1));
    EXPECT_FALSE(Inked(image, 10, 200 - 2 * 64, 0));
    EXPECT_FALSE(Inked(image, 10, 200 - 2 * 80, 1));
    EXPECT_EQ(platform::view::LeftOutNote(stats, options),
              "1 block reference nested more than 64 deep was left out, with what it holds");
    // A chain within the limit leaves nothing out.
    const Drawing shorter(Parse(testing_support::ChainOfBlocksDrawing(64)));
    platform::view::Renderer whole(shorter, options);
    Draw(whole, shorter, 0, 0, 100, 100);
    EXPECT_FALSE(whole.Stats().CutShort());
}

// A drawing of a line from (x, y) to (x + size, y + size / 2) and a circle in its middle.
std::string LineAndCircle(double x, double y, double size) {
    char tags[400];
    std::snprintf(tags, sizeof tags, "8\n0\n10\n%.17g\n20\n%.17g\n30\n0\n11\n%.17g\n21\n%.17g\n31\n0\n", x, y, x + size,
                  y + size / 2);
    char circle[300];
    std::snprintf(circle, sizeof circle, "8\n0\n10\n%.17g\n20\n%.17g\n30\n0\n40\n%.17g\n", x + size / 2, y + size / 4, size / 10);
    DxfText dxf;
    dxf.Entity("LINE", tags).Entity("CIRCLE", circle);
    return dxf.Text();
}

TEST(ExtremeSheets, DrawingsOfAnySizeANumberCanScaleArePlottedWhole) {
    viewtest::UseOffscreenToolkit();
    platform::view::PlotSettings settings;
    settings.width = 400, settings.height = 200;
    // A thousand kilometres in millimetres and more, near the origin and far from it: the same
    // picture. The sheet's scale is 392 pixels to the line's width; the circle's middle is the
    // sheet's, its radius 39.2 pixels, and the line runs through it at a slope of one half.
    for (const auto& [x, size] : {std::pair{0.0, 100.0}, {0.0, 1e20}, {0.0, 1e100}, {1e140, 1e135}, {-1e55, 1e50}, {-1e300, 1e300}, {0.0, 1e-290}}) {
        SCOPED_TRACE(size);
        platform::view::PlotResult result;
        const QImage image = platform::view::PlotImage(Drawing(Parse(LineAndCircle(x, x, size))), settings, result);
        ASSERT_TRUE(result.ok) << result.error;
        ASSERT_EQ(image.size(), QSize(400, 200));
        for (const QPoint on : {QPoint(200, 100), QPoint(100, 150), QPoint(300, 50), QPoint(239, 100), QPoint(161, 100), QPoint(200, 61),
                                QPoint(200, 139)})
            EXPECT_TRUE(Inked(image, on.x(), on.y(), 2)) << on.x() << "," << on.y();
        for (const QPoint off : {QPoint(100, 100), QPoint(300, 150), QPoint(200, 20), QPoint(220, 100)})
            EXPECT_FALSE(Inked(image, off.x(), off.y(), 2)) << off.x() << "," << off.y();
    }
}

TEST(ExtremeSheets, ExtentsNoSheetCanShowAreRefusedWithTheirCoordinates) {
    viewtest::UseOffscreenToolkit();
    struct Case {
        double x, size;
        const char* said;
    };
    for (const Case& c : {Case{-1e308, 1.5e308, "the drawing's extents, from (-1e+308, -1e+308) to (5e+307, -2.5e+307), are beyond what a sheet can show"},
                          Case{1.5e308, 2e307, "the drawing's extents, from (1.5e+308, 1.5e+308) to (1.7e+308, 1.6e+308), are beyond what a sheet can show"},
                          Case{0, 1e-300, "the drawing is 1e-300 units across at (0, 0), too small to plot"}}) {
        SCOPED_TRACE(c.said);
        platform::view::PlotResult result;
        const QImage image = platform::view::PlotImage(Drawing(Parse(LineAndCircle(c.x, c.x, c.size))), {}, result);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(image.isNull());
        EXPECT_EQ(result.error, c.said);
    }
}

// A sheet is refused by the limit it passes: the pixels in all (a fine resolution, both sides
// within the toolkit's), or a side.
TEST(ExtremeSheets, ASheetTooLargeIsRefusedByTheLimitItPasses) {
    viewtest::UseOffscreenToolkit();
    // A circle: a square sheet, 14882 pixels a side at 900 dots an inch.
    DxfText circle;
    circle.Entity("CIRCLE", "8\n0\n10\n0\n20\n0\n30\n0\n40\n10\n");
    const Drawing drawing(Parse(circle.Text()));
    platform::view::PlotSettings fine;
    fine.dpi = 900;
    platform::view::PlotResult result;
    EXPECT_TRUE(platform::view::PlotImage(drawing, fine, result).isNull());
    EXPECT_FALSE(result.ok);
    EXPECT_LT(result.width, 16384);
    EXPECT_LT(result.height, 16384);
    char pixels[32];
    std::snprintf(pixels, sizeof pixels, "%.1f", result.width * static_cast<double>(result.height) / 1e6);
    EXPECT_EQ(result.error, "a sheet of " + std::to_string(result.width) + " x " + std::to_string(result.height) + " pixels is too large (" +
                                pixels + " million pixels; at most 160 million in all)");

    platform::view::PlotSettings narrow;
    narrow.width = 20000, narrow.height = 100;
    EXPECT_TRUE(platform::view::PlotImage(drawing, narrow, result).isNull());
    EXPECT_EQ(result.error, "a sheet of 20000 x 100 pixels is too large (at most 16384 pixels a side)");
}

}  // namespace
