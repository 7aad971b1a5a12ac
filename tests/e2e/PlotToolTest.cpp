// velloria plot, PLOT and update --plot run as a user runs them: the files they write, what
// pdftotext finds in a PDF, and what they say about input they cannot plot.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <filesystem>
#include <string>

#include "testing/NestedBlocks.h"
#include "testing/TempDir.h"

namespace {

using testing_support::ReadFile;
using testing_support::WriteFile;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class PlotTool : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    std::string data = VELLORIA_TEST_DATA;

    ToolRun Run(const std::string& args, const std::string& input = "") {
        WriteFile(dir / "in.txt", input);
        const std::string command = "cd '" + dir.path().string() + "' && env -u VELLORIA_MODULE -u DISPLAY -u WAYLAND_DISPLAY VELLORIA_REGISTRY='" +
                                    (dir / "registry.reg") + "' VELLORIA_CONSOLE_DIALOGS=1 '" + VELLORIA_BIN_DIR + "/velloria' " +
                                    args + " >out.txt 2>err.txt <in.txt";
        ToolRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadFile(dir / "out.txt");
        run.err = ReadFile(dir / "err.txt");
        return run;
    }

    // The text pdftotext reads from a PDF (poppler-utils, installed by the setup script).
    std::string PdfText(const std::string& pdf) {
        const std::string txt = dir / "pdf.txt";
        const int raw = std::system(("pdftotext -raw '" + pdf + "' '" + txt + "' 2>/dev/null").c_str());
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << "pdftotext is missing or failed (scripts/setup.sh installs poppler-utils)";
        return ReadFile(txt);
    }

    static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
    bool Exists(const std::string& name) { return std::filesystem::exists(dir / name); }
    // The files in the folder besides the ones every run leaves.
    size_t OtherFiles() {
        size_t n = 0;
        for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
            const std::string name = e.path().filename().string();
            if (name != "in.txt" && name != "out.txt" && name != "err.txt" && name != "pdf.txt") ++n;
        }
        return n;
    }
};

TEST_F(PlotTool, APdfHoldsTheTablesAndTextsAsText) {
    const ToolRun table = Run("plot '" + data + "/acad_table_simple.dxf' -o table.pdf");
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_TRUE(Has(table.out, "plotted Model to ")) << table.out;
    const std::string cells = PdfText(dir / "table.pdf");
    for (const char* text : {"Title", "1", "2", "3", "4", "5", "6"}) EXPECT_TRUE(Has(cells, text)) << text << " in\n" << cells;

    const ToolRun texts = Run("plot '" + data + "/dxf-corpus/text_alignments.dxf' -o texts.pdf");
    ASSERT_EQ(texts.status, 0) << texts.err;
    const std::string words = PdfText(dir / "texts.pdf");
    for (const char* text : {"LEFT", "CENTER", "RIGHT", "ALIGNED", "MIDDLE", "FIT"}) EXPECT_TRUE(Has(words, text)) << text << " in\n" << words;
    const ToolRun mtext = Run("plot '" + data + "/dxf-corpus/mtext_columns_R2000.dxf' -o mtext.pdf");
    ASSERT_EQ(mtext.status, 0) << mtext.err;
    EXPECT_TRUE(Has(PdfText(dir / "mtext.pdf"), "Lorem ipsum dolor sit amet"));
}

TEST_F(PlotTool, WritesSvgAndPngOfTheSizeAsked) {
    ASSERT_EQ(Run("plot '" + data + "/dxf-corpus/hatches_1.dxf' -o h.svg").status, 0);
    const std::string svg = ReadFile(dir / "h.svg");
    EXPECT_TRUE(Has(svg, "<svg")) << svg.substr(0, 200);
    EXPECT_TRUE(Has(svg, "<path")) << "the hatches are drawn";
    const ToolRun png = Run("plot '" + data + "/dxf-corpus/hatches_1.dxf' -o H.PNG --size 640x480 --background black");
    ASSERT_EQ(png.status, 0) << png.err;
    EXPECT_TRUE(Has(png.out, "(640 x 480 pixels, ")) << png.out;
    const std::string bytes = ReadFile(dir / "H.PNG");
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    // The width and height in the header, big-endian.
    auto be32 = [&](size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    EXPECT_EQ(be32(16), 640);
    EXPECT_EQ(be32(20), 480);
}

TEST_F(PlotTool, LayoutsAreChosenByNameAndAMissingOneIsNamedWithTheOthers) {
    const ToolRun paper = Run("plot '" + data + "/dxf-corpus/VP4.dxf' -o p.png --layout layout1");
    EXPECT_EQ(paper.status, 0) << paper.err;
    EXPECT_TRUE(Has(paper.out, "plotted layout1 to ")) << paper.out;
    const ToolRun missing = Run("plot '" + data + "/dxf-corpus/VP4.dxf' -o q.png --layout Sheet9");
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Has(missing.err, "velloria plot: the drawing has no layout \"Sheet9\" (its layouts: Model, Layout1")) << missing.err;
    EXPECT_FALSE(Exists("q.png"));
}

TEST_F(PlotTool, WrongArgumentsAreAUsageError) {
    for (const std::string args : {"plot", "plot x.dxf", "plot x.dxf -o out.bmp", "plot x.dxf -o o.png --size 10", "plot x.dxf -o o.png --size 0x5",
                                   "plot x.dxf -o o.png --dpi 0", "plot x.dxf -o o.png --size 10x10 --dpi 50",
                                   "plot x.dxf -o o.png --background red", "update x.dxf --plot out.txt"}) {
        const ToolRun run = Run(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(Has(run.err, "usage: velloria ") || Has(run.err, "must end in .pdf, .svg or .png")) << args << ": " << run.err;
    }
}

TEST_F(PlotTool, BadInputGivesAClearMessageAndLeavesNoFile) {
    WriteFile(dir / "damaged.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n");
    const ToolRun damaged = Run("plot damaged.dxf -o d.pdf");
    EXPECT_EQ(damaged.status, 1);
    EXPECT_TRUE(Has(damaged.err, "velloria plot: ")) << damaged.err;
    EXPECT_TRUE(Has(damaged.err, "damaged.dxf: line ")) << damaged.err;

    const ToolRun absent = Run("plot nothing-here.dxf -o d.pdf");
    EXPECT_EQ(absent.status, 1);
    EXPECT_TRUE(Has(absent.err, "nothing-here.dxf")) << absent.err;

    const ToolRun folder = Run("plot '" + data + "/acad_table_simple.dxf' -o no/such/folder/t.pdf");
    EXPECT_EQ(folder.status, 1);
    EXPECT_TRUE(Has(folder.err, "no/such/folder/t.pdf")) << folder.err;
    EXPECT_EQ(OtherFiles(), 1u) << "only damaged.dxf";
}

TEST_F(PlotTool, EmptyDrawingsAndLayoutsGiveAnEmptySheetAndSaySo) {
    const ToolRun empty = Run("plot '" + data + "/dxf-corpus/Minimal_DXF_AC1009.dxf' -o e.png");
    EXPECT_EQ(empty.status, 0) << empty.err;
    EXPECT_TRUE(Has(empty.err, "layout \"Model\" draws nothing; the sheet is empty")) << empty.err;
    EXPECT_TRUE(Exists("e.png"));
    // Circles of no radius draw nothing either.
    const ToolRun none = Run("plot '" + data + "/dxf-corpus/circle_radius_le_0.dxf' -o c.pdf");
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_TRUE(Has(none.err, "draws nothing")) << none.err;
}

TEST_F(PlotTool, HugeAndZeroExtentsPlot) {
    WriteFile(dir / "huge.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n-1e300\n20\n-1e300\n30\n0\n11\n1e300\n21\n1e300\n31\n0\n"
                                "0\nCIRCLE\n8\n0\n10\n0\n20\n0\n30\n0\n40\n1e-300\n0\nENDSEC\n0\nEOF\n");
    const ToolRun huge = Run("plot huge.dxf -o huge.png");
    EXPECT_EQ(huge.status, 0) << huge.err;
    WriteFile(dir / "point.dxf", "0\nSECTION\n2\nENTITIES\n0\nPOINT\n8\n0\n10\n5\n20\n5\n30\n0\n0\nENDSEC\n0\nEOF\n");
    const ToolRun point = Run("plot point.dxf -o point.svg");
    EXPECT_EQ(point.status, 0) << point.err;
    EXPECT_TRUE(Exists("huge.png") && Exists("point.svg"));
}

TEST_F(PlotTool, BlocksThatWouldDrawForWeeksEndWithAPartialSheetAndSayWhatWasLeftOut) {
    WriteFile(dir / "doubling.dxf", testing_support::DoublingBlocksDrawing(40));
    const ToolRun run = Run("plot doubling.dxf -o sheet.pdf");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "plotted Model to ")) << run.out;
    EXPECT_TRUE(Has(run.err, "velloria plot: the drawing's block references repeat more than 2000000 entities, the most it draws: "
                             "the rest was left out (")) << run.err;
    EXPECT_TRUE(Exists("sheet.pdf"));
    // A chain of 20,000 nested blocks draws its first 64 levels and says so.
    WriteFile(dir / "chain.dxf", testing_support::ChainOfBlocksDrawing(20000));
    const ToolRun chain = Run("plot chain.dxf -o chain.png");
    ASSERT_EQ(chain.status, 0) << chain.err;
    EXPECT_TRUE(Has(chain.out, "129 entities")) << chain.out;
    EXPECT_TRUE(Has(chain.err, "velloria plot: 1 block reference nested more than 64 deep was left out, with what it holds")) << chain.err;
}

TEST_F(PlotTool, ExtentsBeyondWhatASheetCanShowAreRefusedWithThemNamed) {
    WriteFile(dir / "far.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n-1e308\n20\n0\n30\n0\n11\n1e308\n21\n1\n31\n0\n0\nENDSEC\n0\nEOF\n");
    const ToolRun run = Run("plot far.dxf -o far.png");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "velloria plot: the drawing's extents, from (-1e+308, 0) to (1e+308, 1), are beyond what a sheet can show"))
        << run.err;
    EXPECT_FALSE(Exists("far.png"));
}

TEST_F(PlotTool, UpdateRefreshesAndPlotsTheSheetInOneRun) {
    std::filesystem::copy_file(std::string(VELLORIA_SOURCE_DIR) + "/samples/linked-tables.dxf", dir / "linked.dxf");
    std::filesystem::copy_file(std::string(VELLORIA_SOURCE_DIR) + "/samples/nwind.mdb", dir / "nwind.mdb");
    const ToolRun run = Run("update linked.dxf -o fresh.dxf --plot sheet.pdf");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "saved ")) << run.out;
    EXPECT_TRUE(Has(run.out, "plotted Model to ")) << run.out;
    // Records that the stale drawing did not hold.
    const std::string text = PdfText(dir / "sheet.pdf");
    EXPECT_TRUE(Has(text, "Federal")) << text;
}

TEST_F(PlotTool, ThePlotCommandPlotsTheCurrentDrawingWithItsUnsavedChanges) {
    // A new drawing, a table created from the database, plotted before any save.
    std::filesystem::copy_file(data + "/nwind.mdb", dir / "nwind.mdb");
    const std::string db = dir / "nwind.mdb";
    const std::string script = "DbTable_Create\nclick \"Open Database\"\nset Database " + db + "\nclick &OK\nselect \"Data Source\" " + db +
                               "/Shippers\nclick \"Create Table ...\"\n2,3\nPLOT\nsheet.pdf\n\nPLOT\nother.png\nNoSuchLayout\nQUIT\nN\n";
    const ToolRun run = Run("-s /dev/stdin", script);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "Plotted Model to ")) << run.out;
    EXPECT_TRUE(Has(run.out, "Not plotted: the drawing has no layout \"NoSuchLayout\"")) << run.out;
    const std::string text = PdfText(dir / "sheet.pdf");
    EXPECT_TRUE(Has(text, "Speedy") && Has(text, "Express") && Has(text, "CompanyName")) << text;
    EXPECT_FALSE(Exists("other.png"));
}

}  // namespace
