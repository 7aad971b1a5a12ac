// The renderer draws what a drawing's tags say, where they say it: pictures of small drawings
// read at the pixels where their geometry must (or must not) be.
#include <gtest/gtest.h>

#include <QFile>
#include <cstdlib>
#include <sys/wait.h>

#include "ViewTestUtil.h"
#include "testing/TempDir.h"
#include "view/EntityDrawer.h"
#include "view/Plot.h"

namespace {

using platform::view::Drawing;
using viewtest::DxfText;
using viewtest::Inked;
using viewtest::InkAt;
using viewtest::Parse;
using viewtest::Picture;

class Renderer : public ::testing::Test {
protected:
    void SetUp() override { viewtest::UseOffscreenToolkit(); }
    // World (0,0)-(100,100) on 200 x 200 pixels: world x at pixel 2x, world y at 200 - 2y.
    static int Px(double x) { return static_cast<int>(x * 2); }
    static int Py(double y) { return static_cast<int>(200 - y * 2); }
};

// A table of 500 rows: more entities than the renderer reads at a time.
std::string LargeTableDrawing() { return viewtest::TableDrawing(500); }

std::string Line(double x0, double y0, double x1, double y1, const std::string& layer = "0", const std::string& extra = "") {
    return "8\n" + layer + "\n" + extra + "10\n" + std::to_string(x0) + "\n20\n" + std::to_string(y0) + "\n30\n0\n11\n" +
           std::to_string(x1) + "\n21\n" + std::to_string(y1) + "\n31\n0\n";
}

TEST_F(Renderer, LayersThatAreOffOrFrozenAreNotDrawnAndColoursComeFromTheLayerOrTheEntity) {
    DxfText dxf;
    dxf.Layer("RED", 1).Layer("OFF", -3).Layer("FROZEN", 5, 1);
    dxf.Entity("LINE", Line(10, 20, 90, 20, "RED"));                 // by layer: red
    dxf.Entity("LINE", Line(10, 40, 90, 40, "RED", "62\n3\n"));      // its own colour: green
    dxf.Entity("LINE", Line(10, 60, 90, 60, "OFF"));
    dxf.Entity("LINE", Line(10, 80, 90, 80, "FROZEN"));
    // The common codes are the AcDbEntity subclass's: a later subclass's 62 is another value.
    dxf.Entity("LINE", "100\nAcDbEntity\n" + Line(10, 10, 90, 10, "RED", "100\nAcDbLine\n62\n3\n"));
    const Drawing drawing(Parse(dxf.Text()));
    const QImage image = Picture(drawing, 0, 0, 100, 100);
    EXPECT_TRUE(viewtest::SameHue(InkAt(image, Px(50), Py(20)), QColor(255, 0, 0)));
    EXPECT_TRUE(viewtest::SameHue(InkAt(image, Px(50), Py(40)), QColor(0, 255, 0)));
    EXPECT_TRUE(viewtest::SameHue(InkAt(image, Px(50), Py(10)), QColor(255, 0, 0)));
    EXPECT_FALSE(Inked(image, Px(50), Py(60), 3));
    EXPECT_FALSE(Inked(image, Px(50), Py(80), 3));
}

TEST_F(Renderer, BlockReferencesPlaceTheirBlockAndLendItTheirColourAndLayer) {
    DxfText dxf;
    dxf.Layer("BLUE", 5);
    // A unit line from the block's base point (5, 0): by block, and on layer 0 (takes the reference's layer).
    dxf.Block("B", "0\nLINE\n" + Line(5, 0, 6, 0, "0", "62\n0\n") + "0\nLINE\n" + Line(5, 0, 5, 1, "0"), 5, 0);
    // At (20, 20), scaled by 40, turned a quarter: the first line runs up, the second to the left.
    dxf.Entity("INSERT", "8\nBLUE\n62\n1\n2\nB\n10\n20\n20\n20\n30\n0\n41\n40\n42\n40\n43\n1\n50\n90\n");
    const Drawing drawing(Parse(dxf.Text()));
    const QImage image = Picture(drawing, 0, 0, 100, 100);
    EXPECT_TRUE(viewtest::SameHue(InkAt(image, Px(20), Py(40)), QColor(255, 0, 0))) << "by block: the reference's red";
    EXPECT_TRUE(viewtest::SameHue(InkAt(image, Px(0.5), Py(20)), QColor(0, 0, 255))) << "layer 0 inside: the reference's layer, blue";
    EXPECT_FALSE(Inked(image, Px(40), Py(20), 3));
}

TEST_F(Renderer, ArraysOfABlockReferenceDrawEachCopyAndACycleOfBlocksEnds) {
    DxfText dxf;
    dxf.Block("DOT", "0\nLINE\n" + Line(0, 0, 2, 0));
    dxf.Block("SELF", "0\nLINE\n" + Line(0, 0, 1, 1) + "0\nINSERT\n8\n0\n2\nSELF\n10\n1\n20\n1\n30\n0\n");
    dxf.Entity("INSERT", "8\n0\n2\nDOT\n10\n10\n20\n10\n30\n0\n70\n3\n71\n2\n44\n30\n45\n50\n");
    dxf.Entity("INSERT", "8\n0\n2\nSELF\n10\n90\n20\n90\n30\n0\n");
    const Drawing drawing(Parse(dxf.Text()));
    const QImage image = Picture(drawing, 0, 0, 100, 100);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_TRUE(Inked(image, Px(11 + 30 * c), Py(10 + 50 * r))) << r << "," << c;
    EXPECT_TRUE(Inked(image, Px(90.5), Py(90.5)));
}

TEST_F(Renderer, BulgesMakeArcsAndWidthsFillTheSegment) {
    DxfText dxf;
    // A half circle below the chord from (20, 50) to (80, 50): bulge -1 turns clockwise... seen
    // from the start, so it passes (50, 80) for +1 and (50, 20) for -1.
    dxf.Entity("LWPOLYLINE", "8\n0\n90\n2\n70\n0\n10\n20\n20\n50\n42\n1\n10\n80\n20\n50\n");
    dxf.Entity("LWPOLYLINE", "8\n0\n90\n2\n70\n0\n43\n6\n10\n10\n20\n90\n10\n90\n20\n90\n");
    const Drawing drawing(Parse(dxf.Text()));
    const QImage image = Picture(drawing, 0, 0, 100, 100);
    EXPECT_TRUE(Inked(image, Px(50), Py(20)));
    EXPECT_FALSE(Inked(image, Px(50), Py(80), 2));
    EXPECT_FALSE(Inked(image, Px(50), Py(50), 2)) << "no chord";
    EXPECT_TRUE(Inked(image, Px(50), Py(92), 0)) << "the width of 6 covers 2 units above the centre line";
}

TEST_F(Renderer, LineTypesDrawDashesWithGaps) {
    DxfText dxf;
    dxf.Linetype("DASHED", "49\n10\n74\n0\n49\n-10\n74\n0\n", 2, 20);
    dxf.Layer("D", 7, 0, "DASHED");
    dxf.Entity("LINE", Line(0, 50, 100, 50, "D"));
    const Drawing drawing(Parse(dxf.Text()));
    const QImage image = Picture(drawing, 0, 0, 100, 100);
    EXPECT_TRUE(Inked(image, Px(5), Py(50), 0));
    EXPECT_FALSE(Inked(image, Px(15), Py(50), 1));
    EXPECT_TRUE(Inked(image, Px(25), Py(50), 0));
}

TEST_F(Renderer, SolidHatchesFillInsideTheirBoundaryAndLeaveTheirHoles) {
    const std::string square = "92\n3\n72\n0\n73\n1\n93\n4\n10\n10\n20\n10\n10\n90\n20\n10\n10\n90\n20\n90\n10\n10\n20\n90\n97\n0\n";
    const std::string hole = "92\n16\n93\n4\n72\n1\n10\n40\n20\n40\n11\n60\n21\n40\n72\n1\n10\n60\n20\n40\n11\n60\n21\n60\n"
                             "72\n1\n10\n60\n20\n60\n11\n40\n21\n60\n72\n1\n10\n40\n20\n60\n11\n40\n21\n40\n97\n0\n";
    DxfText dxf;
    dxf.Entity("HATCH", "8\n0\n62\n1\n10\n0\n20\n0\n30\n0\n210\n0\n220\n0\n230\n1\n2\nSOLID\n70\n1\n71\n0\n91\n2\n" + square + hole +
                            "75\n0\n76\n1\n98\n0\n");
    const Drawing drawing(Parse(dxf.Text()));
    const QImage image = Picture(drawing, 0, 0, 100, 100);
    EXPECT_TRUE(viewtest::SameHue(InkAt(image, Px(20), Py(20), 0), QColor(255, 0, 0)));
    EXPECT_FALSE(Inked(image, Px(50), Py(50), 2));
    EXPECT_FALSE(Inked(image, Px(95), Py(95), 2));
}

TEST_F(Renderer, ConstructionLinesCrossTheViewButHaveNoExtents) {
    DxfText dxf;
    dxf.Entity("XLINE", "8\n0\n100\nAcDbXline\n10\n50\n20\n50\n30\n0\n11\n1\n21\n0\n31\n0\n");
    dxf.Entity("LINE", Line(40, 40, 60, 60));
    const Drawing drawing(Parse(dxf.Text()));
    const QImage image = Picture(drawing, 0, 0, 100, 100);
    EXPECT_TRUE(Inked(image, 1, Py(50), 1));
    EXPECT_TRUE(Inked(image, 198, Py(50), 1));
    platform::view::Renderer renderer(drawing);
    const platform::view::Box box = renderer.Extents(*drawing.FindLayout("Model"));
    EXPECT_DOUBLE_EQ(box.x0, 40);
    EXPECT_DOUBLE_EQ(box.x1, 60);
}

TEST_F(Renderer, ExtentsOfEachEntityCountAPolylineWithItsVerticesAsOne) {
    DxfText dxf;
    dxf.Entity("LINE", Line(0, 0, 10, 5));
    dxf.Entity("POLYLINE", "8\n0\n66\n1\n70\n1\n10\n0\n20\n0\n30\n0\n");
    dxf.Entity("VERTEX", "8\n0\n10\n20\n20\n20\n30\n0\n");
    dxf.Entity("VERTEX", "8\n0\n10\n30\n20\n20\n30\n0\n");
    dxf.Entity("VERTEX", "8\n0\n10\n30\n20\n40\n30\n0\n");
    dxf.Entity("SEQEND", "8\n0\n");
    dxf.Entity("TEXT", "8\n0\n10\n50\n20\n50\n30\n0\n40\n2\n1\nHello\n");
    dxf.Entity("MESHLIKE", "8\n0\n");
    const Drawing drawing(Parse(dxf.Text()));
    platform::view::Renderer renderer(drawing);
    const auto extents = renderer.EntityExtents(*drawing.FindLayout("Model"));
    ASSERT_EQ(extents.size(), 3u);
    EXPECT_EQ(extents[1].box.x0, 20);
    EXPECT_EQ(extents[1].box.y1, 40);
    // Text: from its insertion point, about as wide as five characters of its height.
    EXPECT_NEAR(extents[2].box.x0, 50, 1e-9);
    EXPECT_GT(extents[2].box.x1, 50 + 5 * 2 * 0.6);
    EXPECT_LT(extents[2].box.x1, 50 + 5 * 2 * 1.2);
    EXPECT_GT(extents[2].box.y1, 52);
    EXPECT_EQ(renderer.Stats().skipped.at("MESHLIKE"), 1u);
}

// A type the renderer did not know is its description and a drawing function registered for
// it: the renderer finds the function by the type's name and gives it the values the description
// names and the entities that belong to it (here vertices up to a SEQEND, when its flag says so).
struct Probe {
    static constexpr platform::dxf::PointField from{10};
    static constexpr platform::dxf::PointField to{11, {90, 90, 0}};
    static constexpr platform::dxf::IntField partsFollow{66};
    static constexpr const platform::dxf::Field* kProbe[] = {&from, &to};
    static constexpr platform::dxf::Subclass kSubclasses[] = {{"AcDbProbe", kProbe}};
    static constexpr platform::dxf::EntityType type{"VELLORIA_PROBE", kSubclasses, "VERTEX", &partsFollow};
};
std::vector<size_t> g_probeParts;
bool DrawProbe(platform::view::EntityDrawer& d, const platform::view::EntityTags& t, const platform::view::Props& p,
               const platform::view::Context& ctx, const platform::view::Parts& parts) {
    g_probeParts.push_back(parts.end - parts.begin);
    d.Stroke({t.Get(Probe::from), t.Get(Probe::to)}, false, p, ctx);
    return true;
}
const platform::view::DrawerRegistration kProbes({&Probe::type}, DrawProbe);

TEST_F(Renderer, ANewTypeIsDrawnByTheFunctionRegisteredForItsDescription) {
    DxfText dxf;
    dxf.Entity("VELLORIA_PROBE", "8\n0\n66\n1\n10\n10\n20\n50\n30\n0\n11\n90\n21\n50\n31\n0\n");
    dxf.Entity("VERTEX", "8\n0\n10\n1\n20\n1\n30\n0\n");
    dxf.Entity("VERTEX", "8\n0\n10\n2\n20\n2\n30\n0\n");
    dxf.Entity("SEQEND", "8\n0\n");
    dxf.Entity("VELLORIA_PROBE", "8\n0\n10\n10\n20\n10\n30\n0\n");  // to its default end, (90, 90)
    dxf.Entity("VELLORIA_PROBE_UNREGISTERED", "8\n0\n");
    const Drawing drawing(Parse(dxf.Text()));
    g_probeParts.clear();
    const QImage image = Picture(drawing, 0, 0, 100, 100);
    EXPECT_EQ(g_probeParts, (std::vector<size_t>{3, 0})) << "its two vertices and their SEQEND, then none";
    EXPECT_TRUE(Inked(image, Px(70), Py(50))) << "from (10, 50) to (90, 50)";
    EXPECT_TRUE(Inked(image, Px(30), Py(30))) << "from (10, 10) to its default end";
    EXPECT_FALSE(Inked(image, Px(70), Py(30)));
    platform::view::Renderer renderer(drawing);
    renderer.Extents(*drawing.FindLayout("Model"));
    EXPECT_EQ(renderer.Stats().drawn, 2u);
    EXPECT_EQ(renderer.Stats().skipped.size(), 1u);
    EXPECT_EQ(renderer.Stats().skipped.count("VELLORIA_PROBE_UNREGISTERED"), 1u);
}

TEST_F(Renderer, TextIsPlacedByItsAlignmentPoint) {
    DxfText dxf;
    // Right-aligned at (90, 50), and centred on the middle at (50, 20).
    dxf.Entity("TEXT", "8\n0\n10\n0\n20\n0\n30\n0\n40\n5\n1\nRIGHT\n72\n2\n11\n90\n21\n50\n31\n0\n");
    dxf.Entity("TEXT", "8\n0\n10\n0\n20\n0\n30\n0\n40\n5\n1\nMID\n72\n4\n11\n50\n21\n20\n31\n0\n");
    const Drawing drawing(Parse(dxf.Text()));
    platform::view::Renderer renderer(drawing);
    const auto extents = renderer.EntityExtents(*drawing.FindLayout("Model"));
    ASSERT_EQ(extents.size(), 2u);
    EXPECT_NEAR(extents[0].box.x1, 90, 0.01);
    EXPECT_LT(extents[0].box.x0, 80);
    EXPECT_NEAR((extents[1].box.x0 + extents[1].box.x1) / 2, 50, 0.01);
    const QImage image = Picture(drawing, 0, 0, 100, 100);
    EXPECT_TRUE(Inked(image, Px(87), Py(51.5), 2));
    EXPECT_FALSE(Inked(image, Px(93), Py(51.5), 2));
}

TEST_F(Renderer, MultiLineTextWrapsAtItsWidthAndBreaksAtParagraphs) {
    DxfText dxf;
    // Top left at (10, 90), 3 high, wrapped at 40: "aaaa bbbb cccc" does not fit on one line.
    dxf.Entity("MTEXT", "8\n0\n10\n10\n20\n90\n30\n0\n40\n3\n41\n40\n71\n1\n1\naaaa bbbb cccc dddd\\Peeee\n");
    const Drawing drawing(Parse(dxf.Text()));
    platform::view::Renderer renderer(drawing);
    const auto extents = renderer.EntityExtents(*drawing.FindLayout("Model"));
    ASSERT_EQ(extents.size(), 1u);
    EXPECT_LE(extents[0].box.x1, 10 + 40 + 0.01);
    EXPECT_NEAR(extents[0].box.y1, 90, 1.5);
    // At least three lines of 5/3 the height.
    EXPECT_LT(extents[0].box.y0, 90 - 3 - 2 * 5.0);
}

TEST_F(Renderer, ATableMeasuresByItsGridWithoutReadingItsBlock) {
    // Three rows of 10 under the insertion point (100, 200), two columns of 30 to its right.
    auto made = platform::dxf::NewDocument();
    platform::dxf::AcadTable table;
    table.Resize(3, 2, 10, 30);
    table.insertion[0] = 100, table.insertion[1] = 200;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c) table.Cell(r, c).text = "cell " + std::to_string(r) + "." + std::to_string(c);
    platform::dxf::StoreTable(*made, table);
    platform::dxf::PrepareForSave(*made);
    const auto document = Parse(platform::dxf::WriteDxfToString(*made));
    const platform::dxf::Block* block = nullptr;
    for (const platform::dxf::Block& b : document->blocks)
        if (b.Name().substr(0, 2) == "*T") block = &b;
    ASSERT_NE(block, nullptr);
    ASSERT_NE(block->Deferred(), nullptr) << "the reader keeps a table's block unread";
    const Drawing drawing(document);
    platform::view::Renderer renderer(drawing);
    const platform::view::Box box = renderer.Extents(*drawing.FindLayout("Model"));
    EXPECT_NEAR(box.x0, 100, 1e-9);
    EXPECT_NEAR(box.x1, 160, 1e-9);
    EXPECT_NEAR(box.y0, 170, 1e-9);
    EXPECT_NEAR(box.y1, 200, 1e-9);
    EXPECT_NE(block->Deferred(), nullptr) << "measuring read the table's block";
    // Drawn, the block's lines stand on the grid.
    const QImage image = Picture(drawing, 90, 160, 170, 210, 160, 100);
    EXPECT_TRUE(Inked(image, 20, 20, 1)) << "top left corner";
    EXPECT_TRUE(Inked(image, 140, 80, 1)) << "bottom right corner";
}

// Read as it is drawn, with the writer's LF line ends or a Windows program's CR LF.
TEST_F(Renderer, APlotReadsATableBlockAsItDrawsItAndDrawsWhatTheParsedBlockDraws) {
    const std::string text = LargeTableDrawing();
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const Drawing parsed(Parse(text, {.keepText = false}));
    platform::view::PlotSettings settings;
    settings.width = 300, settings.height = 1500;
    platform::view::PlotResult expected;
    const QImage b = platform::view::PlotImage(parsed, settings, expected);
    ASSERT_TRUE(expected.ok);
    EXPECT_TRUE(Inked(b, 150, 750, 150)) << "the table is drawn";
    for (const std::string* form : {&text, static_cast<const std::string*>(&crlf)}) {
        SCOPED_TRACE(form == &text ? "LF" : "CR LF");
        const Drawing streamed(Parse(*form));
        platform::view::PlotResult result;
        const QImage a = platform::view::PlotImage(streamed, settings, result);
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(result.stats.drawn, expected.stats.drawn);
        EXPECT_TRUE(a == b) << "the pictures differ";
        for (const platform::dxf::Block& block : streamed.Document().blocks)
            if (block.Name().substr(0, 2) == "*T") {
                EXPECT_NE(block.Deferred(), nullptr) << "the plot kept the block parsed";
            }
    }
}

TEST_F(Renderer, ATableTooSmallForItsTextsIsDrawnFromItsSketchWithTheSamePixels) {
    const std::string text = LargeTableDrawing();
    const auto read = [&](bool sketches) {
        platform::dxf::ReadResult r = platform::dxf::ReadDxfText(text, "table.dxf", {.sketches = sketches});
        return std::shared_ptr<const platform::dxf::Document>(std::move(r.document));
    };
    const Drawing sketched(read(true)), plain(read(false));
    const platform::dxf::Block* block = nullptr;
    for (const platform::dxf::Block& b : sketched.Document().blocks)
        if (b.Name().substr(0, 2) == "*T") block = &b;
    ASSERT_TRUE(block && block->Sketch());

    // The whole table, 200 x 2000, in 60 x 300 pixels: no text shows.
    const QImage far = Picture(sketched, -50, -2000, 250, 0, 60, 300);
    EXPECT_TRUE(far == Picture(plain, -50, -2000, 250, 0, 60, 300)) << "the sketch draws other pixels than the block";
    EXPECT_TRUE(Inked(far, 30, 150, 2)) << "the grid is drawn";
    EXPECT_NE(block->Deferred(), nullptr) << "the block was parsed to draw it from afar";

    // Near enough for its texts to show, the block itself is drawn.
    const QImage near = Picture(sketched, 0, -40, 100, 0, 400, 160);
    EXPECT_TRUE(near == Picture(plain, 0, -40, 100, 0, 400, 160));
    EXPECT_EQ(block->Deferred(), nullptr);
    bool textInk = false;  // inside the first cell, clear of its borders (at 0 and 16 pixels down)
    for (int y = 3; y <= 13; ++y)
        for (int x = 3; x <= 77; ++x) textInk = textInk || near.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(textInk) << "the first cell's text is drawn";
}

TEST_F(Renderer, TextTooSmallToReadIsABarAndTooSmallForThatNothing) {
    // 2 pixels a unit: text 0.4 high is under a pixel (a bar), 0.02 high a twenty-fifth of one.
    DxfText dxf;
    dxf.Entity("TEXT", "8\n0\n10\n10\n20\n60\n30\n0\n40\n0.4\n1\nWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW\n");
    dxf.Entity("TEXT", "8\n0\n10\n10\n20\n30\n30\n0\n40\n0.02\n1\nWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW\n");
    dxf.Entity("MTEXT", "8\n0\n10\n10\n20\n20\n30\n0\n40\n0.02\n71\n7\n1\nWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW\n");
    const Drawing drawing(Parse(dxf.Text()));
    const QImage image = Picture(drawing, 0, 0, 100, 100);
    EXPECT_TRUE(Inked(image, Px(12), Py(60), 1));
    EXPECT_FALSE(Inked(image, Px(10.5), Py(30), 2));
    EXPECT_FALSE(Inked(image, Px(10.5), Py(20), 2));
}

TEST_F(Renderer, APdfKeepsEveryTextAsTextInItsPlace) {
    // Rows of texts alike (one text matrix, then moves), one joined by ligatures, one in a
    // script that needs shaping, one turned, and lines between them: every word reads back,
    // in its row.
    DxfText dxf;
    for (int r = 0; r < 6; ++r)
        dxf.Entity("TEXT", "8\n0\n10\n10\n20\n" + std::to_string(90 - 10 * r) + "\n30\n0\n40\n3\n1\nrow" + std::to_string(r) + " left\n");
    dxf.Entity("LINE", Line(0, 35, 100, 35));
    dxf.Entity("TEXT", "8\n0\n10\n10\n20\n25\n30\n0\n40\n3\n1\nStaff offices\n");
    dxf.Entity("TEXT", "8\n0\n10\n10\n20\n15\n30\n0\n40\n3\n1\n\\U+05E9\\U+05DC\\U+05D5\\U+05DD\n");
    dxf.Entity("TEXT", "8\n0\n10\n90\n20\n10\n30\n0\n40\n3\n50\n90\n1\nupward\n");
    const Drawing drawing(Parse(dxf.Text()));
    testing_support::TempDir dir;
    platform::view::PlotSettings settings;
    const platform::view::PlotResult result = platform::view::PlotDrawing(drawing, settings, dir / "texts.pdf");
    ASSERT_TRUE(result.ok) << result.error;
    // pdftotext: poppler-utils, installed by the setup script.
    const int status = std::system(("pdftotext -raw '" + (dir / "texts.pdf") + "' '" + (dir / "texts.txt") + "' 2>/dev/null").c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "pdftotext is missing or failed";
    QFile file(QString::fromStdString(dir / "texts.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (int r = 0; r < 6; ++r)
        EXPECT_TRUE(text.contains(QStringLiteral("row%1 left").arg(r))) << r << " in\n" << text.toStdString();
    EXPECT_LT(text.indexOf(QStringLiteral("row0")), text.indexOf(QStringLiteral("row5")));
    EXPECT_TRUE(text.contains(QStringLiteral("Staff offices")) || text.contains(QString::fromUtf8("Sta\uFB00 o\uFB03ces")))
        << text.toStdString();
    // pdftotext gives right-to-left letters one by one, but in their order.
    qsizetype at = 0;
    for (const char16_t letter : {u'\u05E9', u'\u05DC', u'\u05D5', u'\u05DD'}) {
        at = text.indexOf(QChar(letter), at);
        EXPECT_GE(at, 0) << text.toStdString();
    }
    EXPECT_TRUE(text.contains(QStringLiteral("upward"))) << text.toStdString();
}

TEST_F(Renderer, AViewportShowsModelSpaceInItsFrameAtItsScale) {
    // Paper space: a viewport 40 x 40 at (50, 50) showing model (0,0)-(10,10) centred on (5,5).
    const std::string text =
        "0\nSECTION\n2\nENTITIES\n"
        "0\nLINE\n8\n0\n10\n0\n20\n5\n30\n0\n11\n10\n21\n5\n31\n0\n"
        "0\nVIEWPORT\n8\n0\n67\n1\n10\n50\n20\n50\n30\n0\n40\n40\n41\n40\n68\n1\n69\n2\n12\n5\n22\n5\n45\n10\n"
        "0\nENDSEC\n0\nEOF\n";
    const Drawing drawing(Parse(text));
    ASSERT_EQ(drawing.Layouts().size(), 2u);
    const QImage image = Picture(drawing, 0, 0, 100, 100, 200, 200, drawing.Layouts()[1].name);
    // The model line y = 5 appears across the frame at paper y = 50; the frame's edges show.
    EXPECT_TRUE(Inked(image, Px(50), Py(50), 1));
    EXPECT_TRUE(Inked(image, Px(30), Py(60), 1));
    EXPECT_FALSE(Inked(image, Px(20), Py(50), 2)) << "outside the frame the model is clipped";
}

}  // namespace

// A multileader draws its leader to the landing, the dogleg, the arrowhead and its text from
// its context data, in the leader line's own colour; a mesh draws the edges of its faces, and a
// face naming a vertex the mesh does not have loses only that corner.
TEST_F(Renderer, MultileadersAndMeshesDrawFromTheirStoredGeometry) {
    DxfText dxf;
    dxf.Entity("MULTILEADER",
               "8\n0\n100\nAcDbMLeader\n300\nCONTEXT_DATA{\n40\n1\n10\n60\n20\n50\n30\n0\n41\n5\n140\n4\n"
               "290\n1\n304\nNOTE\n12\n62\n22\n56\n32\n0\n13\n1\n23\n0\n33\n0\n43\n0\n171\n1\n296\n0\n"
               "302\nLEADER{\n290\n1\n291\n1\n10\n50\n20\n50\n30\n0\n11\n1\n21\n0\n31\n0\n40\n10\n"
               "304\nLEADER_LINE{\n10\n10\n20\n10\n30\n0\n305\n}\n303\n}\n301\n}\n"
               "170\n1\n91\n-1023475712\n290\n1\n291\n1\n172\n2\n");
    dxf.Entity("MESH", "8\n0\n100\nAcDbSubDMesh\n71\n2\n72\n0\n91\n0\n92\n4\n10\n20\n20\n70\n30\n0\n10\n40\n20\n70\n30\n0\n"
                       "10\n40\n20\n90\n30\n0\n10\n20\n20\n90\n30\n0\n93\n9\n90\n4\n90\n0\n90\n1\n90\n2\n90\n3\n"
                       "90\n3\n90\n0\n90\n1\n90\n9\n");
    const Drawing drawing(Parse(dxf.Text()));
    platform::view::Renderer renderer(drawing);
    const auto extents = renderer.EntityExtents(*drawing.FindLayout("Model"));
    ASSERT_EQ(extents.size(), 2u);
    EXPECT_NEAR(extents[0].box.x0, 10, 1);
    EXPECT_NEAR(extents[0].box.y0, 10, 1);
    EXPECT_GT(extents[0].box.x1, 66) << "the text after the dogleg";
    EXPECT_NEAR(extents[1].box.x0, 20, 0.01);
    EXPECT_NEAR(extents[1].box.y1, 90, 0.01);

    const QImage image = Picture(drawing, 0, 0, 100, 100);
    EXPECT_TRUE(viewtest::SameHue(InkAt(image, Px(30), Py(30)), QColor(255, 0, 0))) << "the leader, red";
    EXPECT_TRUE(viewtest::SameHue(InkAt(image, Px(56), Py(50)), QColor(255, 0, 0))) << "the dogleg";
    EXPECT_TRUE(Inked(image, Px(11.5), Py(12), 1)) << "the arrowhead at the first vertex";
    EXPECT_TRUE(Inked(image, Px(65), Py(53.5), 3)) << "the text";
    EXPECT_FALSE(Inked(image, Px(30), Py(60), 3));
    EXPECT_TRUE(Inked(image, Px(30), Py(70), 1));
    EXPECT_TRUE(Inked(image, Px(40), Py(80), 1));
    EXPECT_TRUE(Inked(image, Px(30), Py(90), 1));
    EXPECT_FALSE(Inked(image, Px(30), Py(80), 3)) << "inside the face";
    EXPECT_TRUE(renderer.Stats().skipped.empty());
}
