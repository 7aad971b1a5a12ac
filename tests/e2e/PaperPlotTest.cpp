// velloria plot on paper, checked on the page poppler renders (pdfinfo, pdftoppm; poppler-utils
// is installed by the setup script): the page's size in millimetres, a length at the scale, a
// line weight's width, a layout's own page setup, and the plot written to standard output.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>

#include "testing/TempDir.h"
#include "testing/ToolRun.h"

namespace {

using testing_support::Has;
using testing_support::ReadFile;
using testing_support::ToolRun;
using testing_support::WriteFile;

std::string Line(double x0, double y0, double x1, double y1, int weight) {
    return "0\nLINE\n100\nAcDbEntity\n8\n0\n370\n" + std::to_string(weight) + "\n100\nAcDbLine\n10\n" + std::to_string(x0) + "\n20\n" +
           std::to_string(y0) + "\n30\n0\n11\n" + std::to_string(x1) + "\n21\n" + std::to_string(y1) + "\n31\n0\n";
}

class PaperPlot : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    std::string data = VELLORIA_TEST_DATA;

    ToolRun Velloria(const std::string& args) {
        return testing_support::RunIn(dir.path(), "env -u DISPLAY -u WAYLAND_DISPLAY '" + std::string(VELLORIA_BIN_DIR) + "/velloria' " + args);
    }
    std::string PageSize(const std::string& pdf) {
        const ToolRun info = testing_support::RunIn(dir.path(), "pdfinfo '" + pdf + "'");
        EXPECT_EQ(info.status, 0) << "pdfinfo is missing or failed (scripts/setup.sh installs poppler-utils): " << info.err;
        const size_t at = info.out.find("Page size:");
        return at == std::string::npos ? "" : info.out.substr(at, info.out.find('\n', at) - at);
    }
    // A piece of the page rendered at 100 pixels a millimetre: (x, y) in millimetres from the
    // page's top left, w and h in millimetres.
    struct Gray {
        int width = 0, height = 0;
        std::string pixels;  // a byte a pixel, rows from the top
    };
    Gray Crop(const std::string& pdf, double x, double y, double w, double h) {
        const std::string cmd = "pdftoppm -r 2540 -gray -singlefile -x " + std::to_string(static_cast<int>(x * 100)) + " -y " +
                                std::to_string(static_cast<int>(y * 100)) + " -W " + std::to_string(static_cast<int>(w * 100)) + " -H " +
                                std::to_string(static_cast<int>(h * 100)) + " '" + pdf + "' crop";
        const ToolRun run = testing_support::RunIn(dir.path(), cmd);
        EXPECT_EQ(run.status, 0) << "pdftoppm is missing or failed: " << run.err;
        // A binary PGM: "P5", width, height, the largest value, one white space, the bytes.
        const std::string pgm = ReadFile(dir / "crop.pgm");
        std::istringstream header(pgm);
        std::string magic;
        int most = 0;
        Gray gray;
        header >> magic >> gray.width >> gray.height >> most;
        EXPECT_EQ(magic, "P5");
        const size_t start = static_cast<size_t>(header.tellg()) + 1;
        if (magic == "P5" && most == 255 && start + static_cast<size_t>(gray.width) * static_cast<size_t>(gray.height) <= pgm.size())
            gray.pixels = pgm.substr(start, static_cast<size_t>(gray.width) * static_cast<size_t>(gray.height));
        EXPECT_FALSE(gray.pixels.empty()) << "not a page piece pdftoppm wrote";
        return gray;
    }
    // The dark pixels' extent across and up, in millimetres.
    static std::pair<double, double> InkedExtent(const Gray& image) {
        int x0 = image.width, x1 = -1, y0 = image.height, y1 = -1;
        for (int y = 0; y < image.height && !image.pixels.empty(); ++y)
            for (int x = 0; x < image.width; ++x)
                if (static_cast<unsigned char>(image.pixels[static_cast<size_t>(y * image.width + x)]) < 128) x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        return x1 < 0 ? std::pair(0.0, 0.0) : std::pair((x1 - x0 + 1) / 100.0, (y1 - y0 + 1) / 100.0);
    }
};

TEST_F(PaperPlot, AnA3SheetAtOneToFiftyHasThePapersSizeLengthsAtScaleAndRealLineWeights) {
    // A frame of 20 x 12 metres (400 x 240 mm at 1:50) centred on an A3 sheet between margins
    // of 10 mm: the drawing's origin lands 110 mm from the left edge and 128.5 mm up.
    WriteFile(dir / "lines.dxf", "0\nSECTION\n2\nENTITIES\n" + Line(0, 0, 10, 0, 0) + Line(1000, 0, 1000, 1000, 50) + Line(-5000, -5000, 15000, -5000, 0) +
                                     Line(15000, -5000, 15000, 7000, 0) + Line(15000, 7000, -5000, 7000, 0) + Line(-5000, 7000, -5000, -5000, 0) +
                                     "0\nENDSEC\n0\nEOF\n");
    const ToolRun run = Velloria("plot lines.dxf -o a3.pdf --paper A3 --landscape --scale 1:50");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "A3 landscape (420 x 297 mm), 1:50")) << run.out;
    EXPECT_TRUE(Has(PageSize("a3.pdf"), "1190.55 x 841.89 pts (A3)")) << PageSize("a3.pdf");

    // Ten units are 0.2 mm; a hairline adds a pixel's width at most.
    const auto [length, thickness] = InkedExtent(Crop("a3.pdf", 109, 297 - 128.5 - 0.5, 2, 1));
    EXPECT_NEAR(length, 0.2, 0.03);
    EXPECT_LT(thickness, 0.05);
    // The 0.50 mm line is half a millimetre wide on paper.
    const auto [width, height] = InkedExtent(Crop("a3.pdf", 129, 297 - 128.5 - 15, 2, 5));
    EXPECT_NEAR(width, 0.5, 0.03);
    EXPECT_NEAR(height, 5, 0.02);
}

TEST_F(PaperPlot, APaperLayoutPlotsOnThePaperItsPageSetupStores) {
    // VP4's Layout1: ISO A4 turned a quarter, 1:1, margins of 7.5 and 20 mm.
    const ToolRun pdf = Velloria("plot '" + data + "/dxf-corpus/VP4.dxf' --layout Layout1 -o vp4.pdf");
    ASSERT_EQ(pdf.status, 0) << pdf.err;
    EXPECT_TRUE(Has(pdf.out, "A4 landscape (297 x 210 mm), 1:1")) << pdf.out;
    EXPECT_TRUE(Has(PageSize("vp4.pdf"), "841.89 x 595.276 pts (A4)")) << PageSize("vp4.pdf");
    // At 100 dpi a PNG of the same page; a paper given on the command line wins, and lies the
    // way the layout's does.
    const ToolRun png = Velloria("plot '" + data + "/dxf-corpus/VP4.dxf' --layout Layout1 -o vp4.png --dpi 100");
    ASSERT_EQ(png.status, 0) << png.err;
    EXPECT_TRUE(Has(png.out, "1169 x 827 pixels")) << png.out;
    const ToolRun a3 = Velloria("plot '" + data + "/dxf-corpus/VP4.dxf' --area layout Layout1 --paper a3 -o vp4-a3.pdf");
    ASSERT_EQ(a3.status, 0) << a3.err;
    EXPECT_TRUE(Has(PageSize("vp4-a3.pdf"), "1190.55 x 841.89 pts (A3)")) << PageSize("vp4-a3.pdf");
    const ToolRun upright = Velloria("plot '" + data + "/dxf-corpus/VP4.dxf' --area layout Layout1 --paper a3 --portrait -o up.pdf");
    ASSERT_EQ(upright.status, 0) << upright.err;
    EXPECT_TRUE(Has(PageSize("up.pdf"), "841.89 x 1190.55 pts (A3)")) << PageSize("up.pdf");
    // A pixel sheet still fits the layout's extents to its pixels.
    const ToolRun sheet = Velloria("plot '" + data + "/dxf-corpus/VP4.dxf' --layout Layout1 -o sheet.png --size 300x200");
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    EXPECT_TRUE(Has(sheet.out, "(300 x 200 pixels, ")) << sheet.out;
    EXPECT_FALSE(Has(sheet.out, " mm)")) << sheet.out;
    // A scale on a pixel sheet keeps the sheet's pixels.
    const ToolRun scaled = Velloria("plot '" + data + "/dxf-corpus/VP4.dxf' -o scaled.png --size 320x240 --scale 1:2");
    ASSERT_EQ(scaled.status, 0) << scaled.err;
    EXPECT_TRUE(Has(scaled.out, "(320 x 240 pixels, ")) << scaled.out;
}

TEST_F(PaperPlot, StandardOutputTakesThePlotAndStandardErrorWhatItSays) {
    const ToolRun run = Velloria("plot '" + data + "/acad_table_simple.dxf' -o - --paper A4 --format png --dpi 30");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_GT(run.out.size(), 8u);
    EXPECT_EQ(run.out.substr(1, 3), "PNG");
    EXPECT_TRUE(Has(run.err, "plotted Model to standard output")) << run.err;
    const ToolRun pdf = Velloria("plot '" + data + "/acad_table_simple.dxf' -o -");
    ASSERT_EQ(pdf.status, 0) << pdf.err;
    EXPECT_EQ(pdf.out.substr(0, 5), "%PDF-");
}

TEST_F(PaperPlot, TheTypedPlotCommandTakesThePaperAndScaleByItsKeywords) {
    // Keywords at the file's prompt, each with its own prompt; a paper no one makes is said so
    // and changes nothing.
    WriteFile(dir / "script.txt", "OPEN\n" + data + "/dxf-corpus/VP4.dxf\nPLOT\nP\nB9\nP\nA3\nO\nL\nS\n1:50\nm\n5\nsheet.pdf\n\n"
                                  "PLOT\nArea\nLayout\nlayout.pdf\nLayout1\nQUIT\nN\n");
    const ToolRun run = testing_support::RunIn(dir.path(), "env -u DISPLAY -u WAYLAND_DISPLAY VELLORIA_CONSOLE_DIALOGS=1 '" +
                                                               std::string(VELLORIA_BIN_DIR) + "/velloria' -s /dev/stdin",
                                                 dir / "script.txt");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "No such paper")) << run.out;
    EXPECT_TRUE(Has(run.out, "Plotted Model to ")) << run.out;
    EXPECT_TRUE(Has(run.out, "A3 landscape (420 x 297 mm), 1:50)")) << run.out;
    EXPECT_TRUE(Has(PageSize("sheet.pdf"), "1190.55 x 841.89 pts (A3)")) << PageSize("sheet.pdf");
    // The layout as its page setup has it.
    EXPECT_TRUE(Has(run.out, "Plotted Layout1 to ")) << run.out;
    EXPECT_TRUE(Has(PageSize("layout.pdf"), "841.89 x 595.276 pts (A4)")) << PageSize("layout.pdf");
}

TEST_F(PaperPlot, UpdatePlotsTheRefreshedDrawingOnThePaperAsked) {
    std::filesystem::copy_file(std::string(VELLORIA_SOURCE_DIR) + "/samples/linked-tables.dxf", dir / "linked.dxf");
    std::filesystem::copy_file(std::string(VELLORIA_SOURCE_DIR) + "/samples/nwind.mdb", dir / "nwind.mdb");
    const ToolRun run = Velloria("update linked.dxf -o fresh.dxf --plot sheet.pdf --paper A4 --landscape --margins 5");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "A4 landscape (297 x 210 mm), fitted at ")) << run.out;
    EXPECT_TRUE(Has(PageSize("sheet.pdf"), "841.89 x 595.276 pts (A4)")) << PageSize("sheet.pdf");
}

TEST_F(PaperPlot, SettingsThatCannotMakeAPlotAreRefused) {
    const std::string drawing = "'" + data + "/acad_table_simple.dxf'";
    for (const std::string args : {"--paper B7", "--scale 50", "--scale 1:0", "--margins 1,2,3", "--landscape --portrait",
                                   "--area window 1,2,3", "--area limits", "--paper A4 --size 100x100", "--layout Layout1 --area layout Model",
                                   "--format pdf -o x.png"}) {
        const ToolRun run = Velloria("plot " + drawing + " -o out.pdf " + args);
        EXPECT_EQ(run.status, 2) << args << ": " << run.err;
        EXPECT_FALSE(run.err.empty()) << args;
    }
    const ToolRun margins = Velloria("plot " + drawing + " -o m.pdf --paper A4 --margins 110");
    EXPECT_EQ(margins.status, 1);
    EXPECT_TRUE(Has(margins.err, "the margins leave nothing of the A4 paper to plot on")) << margins.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "m.pdf"));
    const ToolRun update = Velloria("update " + drawing + " --paper A4");
    EXPECT_EQ(update.status, 2);
    EXPECT_TRUE(Has(update.err, "are --plot's")) << update.err;
}

}  // namespace
