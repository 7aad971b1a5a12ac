// Plots to PDF as poppler (installed by the setup script) reads them back: the file parses
// without complaint, texts extract as they were written and stand as wide as the layout made
// them, clips keep out what they hide, and geometry far off the page stays off it.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QFile>
#include <QPainterPath>
#include <QRawFont>
#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>
#include <sys/wait.h>

#include "ViewTestUtil.h"
#include "testing/TempDir.h"
#include "view/EntityDrawer.h"
#include "view/Plot.h"
#include "view/TrueTypeSubset.h"

namespace {

using platform::view::Drawing;
using viewtest::DxfText;
using viewtest::Inked;
using viewtest::InkAt;
using viewtest::Parse;

// A frame from (0, 0) to (100, 100) fixes the extents: on a sheet of 200 x 200 pixels with its
// margin of 4, world x is at pixel 4 + 1.92 x and world y at 196 - 1.92 y.
int Px(double x) { return static_cast<int>(std::lround(4 + 1.92 * x)); }
int Py(double y) { return static_cast<int>(std::lround(196 - 1.92 * y)); }

// A square frame around (0, 0)-(100, 100), so that the sheet shows that square.
void AddFrame(DxfText& dxf) {
    dxf.Entity("LWPOLYLINE", "8\n0\n90\n4\n70\n1\n10\n0\n20\n0\n10\n100\n20\n0\n10\n100\n20\n100\n10\n0\n20\n100\n");
}

struct ShellRun {
    int status = -1;
    std::string output;  // stdout and stderr
};

ShellRun Shell(const std::string& command) {
    ShellRun run;
    if (FILE* p = ::popen((command + " 2>&1").c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) run.output.append(buf, n);
        const int status = ::pclose(p);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return run;
}

class PdfPlot : public ::testing::Test {
protected:
    void SetUp() override { viewtest::UseOffscreenToolkit(); }

    std::string Plot(const Drawing& drawing, const std::string& layout = "", int width = 200, int height = 200) {
        platform::view::PlotSettings settings;
        settings.layout = layout;
        settings.width = width, settings.height = height;
        const std::string path = dir / "plot.pdf";
        const platform::view::PlotResult result = platform::view::PlotDrawing(drawing, settings, path);
        EXPECT_TRUE(result.ok) << result.error;
        return path;
    }
    // The page as poppler paints it at the plot's own resolution; poppler says nothing.
    QImage Rendered(const std::string& pdf) {
        const ShellRun run = Shell("pdftoppm -r 96 -png -singlefile '" + pdf + "' '" + (dir / "page") + "'");
        EXPECT_EQ(run.status, 0) << "pdftoppm is missing or failed (scripts/setup.sh installs poppler-utils)";
        EXPECT_EQ(run.output, "") << "poppler complained";
        return QImage(QString::fromStdString(dir / "page.png"));
    }
    QString Text(const std::string& pdf, const std::string& options = "-raw") {
        const ShellRun run = Shell("pdftotext " + options + " '" + pdf + "' '" + (dir / "text.txt") + "'");
        EXPECT_EQ(run.status, 0) << "pdftotext is missing or failed";
        EXPECT_EQ(run.output, "") << "poppler complained";
        QFile file(QString::fromStdString(dir / "text.txt"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    testing_support::TempDir dir;
};

std::string FileBytes(const std::string& pdf) {
    QFile file(QString::fromStdString(pdf));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// A Flate stream's data inflated; empty when it is not whole.
std::string Inflate(std::string_view data) {
    std::string out(1 << 20, '\0');
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return {};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    size_t used = 0;
    int rc = Z_OK;
    while (rc == Z_OK) {
        if (used == out.size()) out.resize(out.size() * 2);
        z.next_out = reinterpret_cast<Bytef*>(out.data() + used);
        z.avail_out = static_cast<uInt>(out.size() - used);
        rc = inflate(&z, Z_NO_FLUSH);
        used = out.size() - z.avail_out;
    }
    inflateEnd(&z);
    out.resize(used);
    return rc == Z_STREAM_END ? out : std::string();
}

// The data of the stream object `id` of the file.
std::string_view StreamOf(const std::string& bytes, int id) {
    const size_t object = bytes.find("\n" + std::to_string(id) + " 0 obj\n");
    const size_t start = bytes.find("stream\n", object);
    if (object == std::string::npos || start == std::string::npos) return {};
    const size_t end = bytes.find("\nendstream", start + 7);
    return end == std::string::npos ? std::string_view() : std::string_view(bytes).substr(start + 7, end - start - 7);
}

// The page's content streams, inflated, in the order of its /Contents.
std::vector<std::string> PageContents(const std::string& pdf) {
    const std::string bytes = FileBytes(pdf);
    size_t at = bytes.find("/Contents");
    if (at == std::string::npos) return {};
    at += 9;
    const bool array = bytes[at] == '[';
    std::vector<std::string> streams;
    for (char* p = const_cast<char*>(bytes.c_str()) + at + (array ? 1 : 0);;) {
        char* end = nullptr;
        const long id = std::strtol(p, &end, 10);
        if (end == p) break;
        streams.push_back(Inflate(StreamOf(bytes, static_cast<int>(id))));
        p = end + 4;  // " 0 R"
        if (!array) break;
    }
    return streams;
}

// The page's content, inflated, read as one.
std::string PageContent(const std::string& pdf) {
    std::string whole;
    for (const std::string& piece : PageContents(pdf)) whole += piece;
    return whole;
}

TEST_F(PdfPlot, TheFileParsesWithThePlotsPageSizeAndItsTextsReadBackAccentsAndSignsToo) {
    DxfText dxf;
    dxf.Entity("TEXT", "8\n0\n10\n10\n20\n50\n30\n0\n40\n5\n1\nM\\U+00FCller \\U+00F8 \\U+20AC 12\n");
    dxf.Entity("TEXT", "8\n0\n10\n10\n20\n30\n30\n0\n40\n5\n1\n(a\\b) \\U+0394\\U+0436\n");
    // Characters the face lacks (drawn by another font, or as the missing glyph) and a ligature.
    dxf.Entity("TEXT", "8\n0\n10\n10\n20\n10\n30\n0\n40\n5\n1\n\\U+4E2D\\U+6587 CJK\n");
    dxf.Entity("TEXT", "8\n0\n10\n10\n20\n70\n30\n0\n40\n5\n1\noffice\n");
    const Drawing drawing(Parse(dxf.Text()));
    const std::string pdf = Plot(drawing, "", 400, 300);
    const ShellRun info = Shell("pdfinfo '" + pdf + "'");
    ASSERT_EQ(info.status, 0) << info.output;
    EXPECT_NE(info.output.find("Page size:       300 x 225 pts"), std::string::npos) << info.output;
    EXPECT_EQ(info.output.find("rror"), std::string::npos) << info.output;
    const QString text = Text(pdf);
    EXPECT_TRUE(text.contains(QString::fromUtf8("M\u00FCller \u00F8 \u20AC 12"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("(a\\b) \u0394\u0436"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("\u4E2D\u6587 CJK"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("office"))) << text.toStdString();
}

TEST_F(PdfPlot, EachTextIsAsWideInThePdfAsTheLayoutMadeIt) {
    // Wide, narrow and accented glyphs: a width in the font other than the layout's shows as a
    // word of another length.
    DxfText dxf;
    dxf.Entity("TEXT", "8\n0\n10\n10\n20\n50\n30\n0\n40\n6\n1\nWWiiMM\\U+00FC\\U+00DFjj\n");
    dxf.Entity("TEXT", "8\n0\n10\n10\n20\n20\n30\n0\n40\n3\n1\nll00mm\n");
    AddFrame(dxf);
    const Drawing drawing(Parse(dxf.Text()));
    platform::view::Renderer renderer(drawing);
    const auto extents = renderer.EntityExtents(*drawing.FindLayout("Model"));
    ASSERT_EQ(extents.size(), 3u);
    const QString boxes = Text(Plot(drawing), "-bbox");
    // poppler's word boxes, in points: 1.92 pixels a unit, 0.75 points a pixel.
    const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    const QString words[2] = {QString::fromUtf8("WWiiMM\u00FC\u00DFjj"), QStringLiteral("ll00mm")};
    for (int k = 0; k < 2; ++k) {
        bool found = false;
        for (auto m = word.globalMatch(boxes); m.hasNext();) {
            const auto match = m.next();
            if (match.captured(3) != words[k]) continue;
            found = true;
            const double expected = extents[static_cast<size_t>(k)].box.Width() * 1.92 * 0.75;
            EXPECT_NEAR(match.captured(2).toDouble() - match.captured(1).toDouble(), expected, expected * 0.005) << k;
            EXPECT_NEAR(match.captured(1).toDouble(), (4 + 1.92 * 10) * 0.75, 0.2) << k;
        }
        EXPECT_TRUE(found) << words[k].toStdString() << " in\n" << boxes.toStdString();
    }
}

TEST_F(PdfPlot, LinesKeepTheirColourAndWeightAndTheThinnestStaysThin) {
    // A red line of 2 mm (7.6 pixels at 96 per inch) and a green one of no weight.
    DxfText dxf;
    dxf.Entity("LINE", "8\n0\n62\n1\n370\n200\n10\n10\n20\n70\n30\n0\n11\n90\n21\n70\n31\n0\n");
    dxf.Entity("LINE", "8\n0\n62\n3\n10\n10\n20\n30\n30\n0\n11\n90\n21\n30\n31\n0\n");
    AddFrame(dxf);
    const Drawing drawing(Parse(dxf.Text()));
    const QImage page = Rendered(Plot(drawing));
    ASSERT_EQ(page.size(), QSize(200, 200));
    EXPECT_TRUE(viewtest::SameHue(InkAt(page, Px(50), Py(70), 0), QColor(255, 0, 0)));
    EXPECT_TRUE(viewtest::SameHue(InkAt(page, Px(50), Py(70) - 3, 0), QColor(255, 0, 0))) << "as wide as its weight";
    EXPECT_FALSE(Inked(page, Px(50), Py(70) - 6, 0));
    EXPECT_TRUE(viewtest::SameHue(InkAt(page, Px(50), Py(30), 1), QColor(0, 255, 0)));
    EXPECT_FALSE(Inked(page, Px(50), Py(30) - 2, 0)) << "the thinnest line is a pixel";
    EXPECT_FALSE(Inked(page, Px(50), Py(30) + 2, 0));
}

TEST_F(PdfPlot, NestedClipsKeepOutWhatEachHides) {
    // Paper space: a viewport's frame (20..80) shows model space at its own scale and place; in
    // the model a triangle hatched with lines at 45 degrees, the lines clipped to it.
    const std::string triangle = "92\n3\n72\n0\n73\n1\n93\n3\n10\n10\n20\n10\n10\n90\n20\n10\n10\n10\n20\n90\n97\n0\n";
    const std::string pattern = "75\n0\n76\n1\n52\n0\n41\n1\n77\n0\n78\n1\n53\n45\n43\n0\n44\n0\n45\n-3.5355\n46\n3.5355\n79\n0\n98\n0\n";
    const std::string text =
        "0\nSECTION\n2\nENTITIES\n"
        "0\nHATCH\n8\n0\n62\n5\n10\n0\n20\n0\n30\n0\n210\n0\n220\n0\n230\n1\n2\nANSI31\n70\n0\n71\n0\n91\n1\n" + triangle + pattern +
        "0\nVIEWPORT\n8\n0\n67\n1\n10\n50\n20\n50\n30\n0\n40\n60\n41\n60\n68\n1\n69\n2\n12\n50\n22\n50\n45\n60\n" +
        "0\nLWPOLYLINE\n8\n0\n67\n1\n90\n4\n70\n1\n10\n0\n20\n0\n10\n100\n20\n0\n10\n100\n20\n100\n10\n0\n20\n100\n"
        "0\nENDSEC\n0\nEOF\n";
    const Drawing drawing(Parse(text));
    ASSERT_EQ(drawing.Layouts().size(), 2u);
    const QImage page = Rendered(Plot(drawing, drawing.Layouts()[1].name));
    ASSERT_EQ(page.size(), QSize(200, 200));
    EXPECT_TRUE(viewtest::SameHue(InkAt(page, Px(30), Py(30), 6), QColor(0, 0, 255))) << "inside both: the hatch's lines";
    EXPECT_FALSE(Inked(page, Px(15), Py(15), 4)) << "inside the triangle, outside the frame";
    EXPECT_FALSE(Inked(page, Px(70), Py(70), 6)) << "inside the frame, outside the triangle";
    EXPECT_TRUE(Inked(page, Px(20), Py(50), 1)) << "the frame";
}

TEST_F(PdfPlot, GeometryFarOffThePageIsCutToItAndAreasKeepTheirHoles) {
    // Model space through a viewport: an area two hundred million units wide with a hole, a
    // line ten times longer across the hole, and a text off the page, drawn at a scale of one.
    const std::string square =
        "92\n3\n72\n0\n73\n1\n93\n4\n10\n-1e8\n20\n-1e8\n10\n1e8\n20\n-1e8\n10\n1e8\n20\n1e8\n10\n-1e8\n20\n1e8\n97\n0\n";
    const std::string hole = "92\n3\n72\n0\n73\n1\n93\n4\n10\n40\n20\n40\n10\n60\n20\n40\n10\n60\n20\n60\n10\n40\n20\n60\n97\n0\n";
    const std::string text =
        "0\nSECTION\n2\nENTITIES\n"
        "0\nHATCH\n8\n0\n62\n1\n10\n0\n20\n0\n30\n0\n210\n0\n220\n0\n230\n1\n2\nSOLID\n70\n1\n71\n0\n91\n2\n" + square + hole +
        "75\n0\n76\n1\n98\n0\n"
        "0\nLINE\n8\n0\n62\n5\n10\n-1e9\n20\n50\n30\n0\n11\n1e9\n21\n50\n31\n0\n"
        "0\nTEXT\n8\n0\n10\n500\n20\n500\n30\n0\n40\n5\n1\nfar away\n"
        "0\nVIEWPORT\n8\n0\n67\n1\n10\n50\n20\n50\n30\n0\n40\n60\n41\n60\n68\n1\n69\n2\n12\n50\n22\n50\n45\n60\n"
        "0\nLWPOLYLINE\n8\n0\n67\n1\n90\n4\n70\n1\n10\n0\n20\n0\n10\n100\n20\n0\n10\n100\n20\n100\n10\n0\n20\n100\n"
        "0\nENDSEC\n0\nEOF\n";
    const Drawing drawing(Parse(text));
    const std::string pdf = Plot(drawing, drawing.Layouts()[1].name);
    const QImage page = Rendered(pdf);
    ASSERT_EQ(page.size(), QSize(200, 200));
    EXPECT_TRUE(viewtest::SameHue(InkAt(page, Px(30), Py(70), 0), QColor(255, 0, 0))) << "the area";
    EXPECT_FALSE(Inked(page, Px(50), Py(56), 3)) << "its hole";
    EXPECT_TRUE(viewtest::SameHue(InkAt(page, Px(50), Py(50), 1), QColor(0, 0, 255))) << "the line, across the hole";
    EXPECT_FALSE(Inked(page, Px(10), Py(70), 3)) << "outside the frame";
    // Every number in the page's content is of the page's size.
    const std::string content = PageContent(pdf);
    ASSERT_FALSE(content.empty());
    double largest = 0;
    size_t numbers = 0;
    for (size_t i = 0; i < content.size();) {
        const char c = content[i];
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '-' && c != '.') {
            ++i;
            continue;
        }
        char* end = nullptr;
        const double v = std::strtod(content.c_str() + i, &end);
        const size_t next = static_cast<size_t>(end - content.c_str());
        if (next > i) largest = std::max(largest, std::abs(v)), ++numbers;
        i = std::max(next, i + 1);
    }
    EXPECT_GT(numbers, 20u);
    EXPECT_EQ(content.find("Tj"), std::string::npos) << "a text off the page is left out";
    EXPECT_LT(largest, 1e4);
}

// A page of much content is written as several streams, compressed as they are written; each
// ends between two operators, and read in order they are the page whole.
TEST_F(PdfPlot, ALargePageIsSeveralContentStreamsThatReadAsOne) {
    DxfText dxf;
    constexpr int kTexts = 60000;
    for (int i = 0; i < kTexts; ++i)
        dxf.Entity("TEXT", "8\n0\n10\n" + std::to_string(i % 300 * 10) + "\n20\n" + std::to_string(i / 300 * 3) +
                               "\n30\n0\n40\n2\n1\nT" + std::to_string(i) + "\n");
    const Drawing drawing(Parse(dxf.Text()));
    const std::string pdf = Plot(drawing, "", 800, 600);
    const std::vector<std::string> pieces = PageContents(pdf);
    ASSERT_GE(pieces.size(), 2u);
    size_t texts = 0, begins = 0, ends = 0;
    for (const std::string& piece : pieces) {
        ASSERT_FALSE(piece.empty()) << "every stream inflates";
        EXPECT_EQ(piece.back(), '\n') << "a stream ends after an operator";
        for (size_t at = piece.find(")Tj\n"); at != std::string::npos; at = piece.find(")Tj\n", at + 1)) ++texts;
        for (size_t at = piece.find("BT\n"); at != std::string::npos; at = piece.find("BT\n", at + 1)) ++begins;
        for (size_t at = piece.find("ET\n"); at != std::string::npos; at = piece.find("ET\n", at + 1)) ++ends;
    }
    EXPECT_EQ(texts, static_cast<size_t>(kTexts));
    EXPECT_EQ(begins, ends);
    const QImage page = Rendered(pdf);
    EXPECT_FALSE(page.isNull());
}

// A large table's block is drawn from its text, a part at a time as it is read: poppler paints
// the same page, and reads the same text in the same order, as from the block parsed at once.
TEST_F(PdfPlot, ATableBlockDrawnAsItIsReadIsThePageOfTheParsedBlock) {
    const std::string text = viewtest::TableDrawing(2400);
    const Drawing streamed(Parse(text)), whole(Parse(text, {.keepText = false}));
    const platform::dxf::DeferredEntities* deferred = nullptr;
    for (const platform::dxf::Block& block : streamed.Document().blocks)
        if (block.Name().substr(0, 2) == "*T") deferred = block.Deferred();
    ASSERT_NE(deferred, nullptr);
    const std::string streamedPdf = dir / "streamed.pdf", wholePdf = dir / "whole.pdf";
    ASSERT_EQ(std::rename(Plot(streamed, "", 300, 3000).c_str(), streamedPdf.c_str()), 0);
    ASSERT_EQ(std::rename(Plot(whole, "", 300, 3000).c_str(), wholePdf.c_str()), 0);
    EXPECT_EQ(FileBytes(streamedPdf), FileBytes(wholePdf));
    const QImage a = Rendered(streamedPdf);
    ASSERT_FALSE(a.isNull());
    EXPECT_TRUE(a == Rendered(wholePdf)) << "the pages differ";
    // In the order of the content (poppler reads the first few thousand texts of a page), and
    // the top and the bottom of the page apart.
    EXPECT_EQ(Text(streamedPdf), Text(wholePdf));
    for (const std::string area : {"-x 0 -W 300 -y 0 -H 400", "-x 0 -W 300 -y 1850 -H 400"}) {
        const QString texts = Text(streamedPdf, "-raw " + area);
        EXPECT_EQ(texts, Text(wholePdf, "-raw " + area)) << area;
        EXPECT_TRUE(texts.contains(QStringLiteral("0 1 2 3")) || texts.contains(QStringLiteral("23998 23999"))) << area;
    }
    for (const platform::dxf::Block& block : streamed.Document().blocks) {
        if (block.Name().substr(0, 2) == "*T") {
            EXPECT_NE(block.Deferred(), nullptr) << "the plot kept the block parsed";
        }
    }
}

TEST(TrueTypeSubset, KeepsTheOutlinesOfTheGlyphsUsedAndOfTheirComponentsAndNoOthers) {
    viewtest::UseOffscreenToolkit();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    const QRawFont raw = QRawFont::fromFont(font);
    ASSERT_TRUE(raw.isValid());
    ASSERT_EQ(raw.familyName(), QStringLiteral("DejaVu Sans")) << "fonts-dejavu-core (scripts/setup.sh)";
    const platform::view::FontTableSource tables = [&raw](const char* tag) {
        const QByteArray table = raw.fontTable(tag);
        return std::string(table.constData(), static_cast<size_t>(table.size()));
    };
    platform::view::TrueTypeMetrics metrics;
    ASSERT_TRUE(platform::view::ReadTrueTypeMetrics(tables, metrics));
    EXPECT_EQ(metrics.unitsPerEm, 2048);
    EXPECT_GT(metrics.glyphCount, 1000);

    // Accented letters are composed of a letter and an accent in this font.
    const QString used = QString::fromUtf8("A\u00FC\u00C5");
    std::vector<bool> marks(static_cast<size_t>(metrics.glyphCount), false);
    for (QChar c : used) {
        quint32 g = 0;
        int n = 1;
        ASSERT_TRUE(raw.glyphIndexesForChars(&c, 1, &g, &n));
        marks[g] = true;
    }
    std::string subset;
    ASSERT_TRUE(platform::view::SubsetTrueType(tables, marks, subset));
    EXPECT_LT(subset.size(), static_cast<size_t>(raw.fontTable("glyf").size()) / 4) << "most outlines are left out";
    const QRawFont sub(QByteArray::fromStdString(subset), 100);
    ASSERT_TRUE(sub.isValid());
    auto outline = [](const QRawFont& f, QChar c) {
        quint32 g = 0;
        int n = 1;
        f.glyphIndexesForChars(&c, 1, &g, &n);
        return g;
    };
    for (QChar c : used) {
        const quint32 g = outline(raw, c);
        const QRectF a = raw.pathForGlyph(g).boundingRect(), b = sub.pathForGlyph(g).boundingRect();
        EXPECT_FALSE(b.isEmpty()) << "glyph of " << int(c.unicode());
        EXPECT_NEAR(a.top(), b.top(), 0.01) << "the accent of " << int(c.unicode()) << " is kept";
        EXPECT_NEAR(a.width(), b.width(), 0.01);
        EXPECT_EQ(raw.advancesForGlyphIndexes(QList<quint32>{g}), sub.advancesForGlyphIndexes(QList<quint32>{g}));
    }
    EXPECT_TRUE(sub.pathForGlyph(outline(raw, u'B')).isEmpty());
    EXPECT_FALSE(raw.pathForGlyph(outline(raw, u'B')).isEmpty());
}

}  // namespace
