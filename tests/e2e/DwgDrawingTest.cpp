// DWG drawings in the host and its tools as a user meets them: opened, listed, refreshed and
// plotted as DXF drawings are; saved as DXF (QSAVE asks for the name, SAVEAS and update turn a
// .dwg name into the DXF beside it), never into the DWG; an older DWG and a damaged one named
// in one line; a folder's DWG left out once the DXF saved from it is there.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "testing/TempDir.h"
#include "testing/ToolRun.h"

namespace {

using testing_support::Has;
using testing_support::ReadFile;
using testing_support::WriteFile;
using HostRun = testing_support::ToolRun;

class DwgDrawing : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    const std::string bin = VELLORIA_BIN_DIR;
    const std::string original = std::string(VELLORIA_TEST_DATA) + "/dwg/example_2018.dwg";

    void SetUp() override {
        std::filesystem::copy_file(original, dir / "plan.dwg");
        std::filesystem::copy_file(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb", dir / "nwind.mdb");
    }
    HostRun Shell(const std::string& args) {
        return testing_support::RunIn(dir.path(), "env -u VELLORIA_MODULE VELLORIA_REGISTRY='" + (dir / "registry.reg") +
                                                      "' VELLORIA_CONSOLE_DIALOGS=1 QT_QPA_PLATFORM=offscreen VELLORIA_OPENER=/bin/true "
                                                      "timeout 120 '" + bin + "/velloria' " + args);
    }
    HostRun Script(const std::string& lines, const std::string& drawing) {
        WriteFile(dir / "run.scr", lines);
        return Shell("--console '" + drawing + "' -s run.scr");
    }
    bool Untouched() { return ReadFile(dir / "plan.dwg") == ReadFile(original); }
};

TEST_F(DwgDrawing, SavingADwgDrawingWritesTheDxfBesideItAndNeverTheDwg) {
    // QSAVE asks for the DXF name, offering the one beside the DWG; Enter takes it.
    HostRun run = Script("QSAVE\n\nQUIT\n", "plan.dwg");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "plan.dwg was read from a DWG file; it is saved as DXF.")) << run.out;
    EXPECT_TRUE(Has(run.out, "Enter name of drawing to save <" + (dir / "plan.dxf") + ">: ")) << run.out;
    EXPECT_TRUE(Has(run.out, "Saved " + (dir / "plan.dxf") + ".")) << run.out;
    EXPECT_TRUE(Untouched());
    EXPECT_EQ(ReadFile(dir / "plan.dxf").rfind("  0\nSECTION", 0), 0u);

    // SAVEAS with a DWG name saves the DXF of that name, and says so.
    run = Script("SAVEAS copy.dwg\nQUIT\n", "plan.dwg");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "Drawings are saved as DXF, never as DWG: the name is copy.dxf.")) << run.out;
    EXPECT_TRUE(std::filesystem::exists(dir / "copy.dxf"));
    EXPECT_FALSE(std::filesystem::exists(dir / "copy.dwg"));

    // The DXF beside the DWG is another file: replacing it is asked. Once saved as DXF, the
    // drawing's own file is the DXF, and QSAVE writes it without a question.
    run = Script("QSAVE\n\nYes\nQSAVE\nQUIT\n", "plan.dwg");
    EXPECT_EQ(run.status, 0) << run.err;
    auto count = [&run](const std::string& part) {
        size_t n = 0;
        for (size_t at = run.out.find(part); at != std::string::npos; at = run.out.find(part, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("Enter name of drawing to save"), 1u) << run.out;
    EXPECT_EQ(count("plan.dxf already exists. Replace it?"), 1u) << run.out;
    EXPECT_EQ(count("Saved " + (dir / "plan.dxf") + "."), 2u) << run.out;
    EXPECT_TRUE(Untouched());
}

TEST_F(DwgDrawing, UpdateSavesTheDxfBesideTheDwgAndRefusesADwgOutput) {
    HostRun run = Shell("update plan.dwg");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "0 linked tables: 0 refreshed, 0 not refreshed; saved as DXF " + (dir / "plan.dxf"))) << run.out;
    EXPECT_TRUE(Untouched());
    EXPECT_TRUE(std::filesystem::exists(dir / "plan.dxf"));

    run = Shell("update plan.dwg -o other.dwg");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "velloria update: -o other.dwg: drawings are saved as DXF only, never as DWG\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "other.dwg"));

    run = Shell("update plan.dwg -o other.dxf");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "saved as DXF " + (dir / "other.dxf"))) << run.out;

    // The DXF saved from it may have been worked on since: a refresh of the DWG, or a relink,
    // never replaces it unasked; -o names it to replace it.
    WriteFile(dir / "plan.dxf", ReadFile(dir / "plan.dxf") + "\n");
    const std::string worked = ReadFile(dir / "plan.dxf");
    run = Shell("update plan.dwg");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velloria update: " + (dir / "plan.dxf") +
                           " is there already, saved from plan.dwg before: refresh that drawing, or name the DXF to write with -o\n");
    run = Shell("relink plan.dwg --from 'N:\\data' --to data");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.out, "plan.dwg: not re-pointed: " + (dir / "plan.dxf") + " is there already")) << run.out;
    EXPECT_EQ(ReadFile(dir / "plan.dxf"), worked);
    run = Shell("update plan.dwg -o plan.dxf");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(ReadFile(dir / "plan.dxf"), worked);
    EXPECT_TRUE(Untouched());
}

TEST_F(DwgDrawing, ToolsTakeDwgAndNameWhatTheyCannotRead) {
    HostRun run = Shell("links plan.dwg");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "0 linked entities.\n");
    EXPECT_TRUE(Has(run.err, "plan.dwg: 1 table of this drawing is left out")) << run.err;

    run = Shell("plot plan.dwg -o plan.png");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_GT(std::filesystem::file_size(dir / "plan.png"), 1000u);

    std::filesystem::copy_file(std::string(VELLORIA_TEST_DATA) + "/dwg/entities-2d_r11.dwg", dir / "old.dwg");
    run = Shell("links old.dwg");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velloria links: " + (dir / "old.dwg") +
                           " could not be read: AC1009 (R11/R12) DWG is not supported (DWG of R13 to 2018 is read)\n");

    // Cut short: one line, and the host ends as with any drawing it cannot open.
    const std::string bytes = ReadFile(original);
    WriteFile(dir / "cut.dwg", bytes.substr(0, bytes.size() / 3));
    run = Script("QUIT\n", "cut.dwg");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("velloria: " + (dir / "cut.dwg") + " could not be read: ", 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "cut.dxf"));
}

TEST_F(DwgDrawing, AFolderTakesItsDwgUntilTheDxfSavedFromItIsThere) {
    std::filesystem::create_directories(dir / "plans");
    std::filesystem::copy_file(original, dir / "plans/a.dwg");
    std::filesystem::copy_file(original, dir / "plans/b.dwg");
    HostRun run = Shell("update plans -j 2");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "plans/a.dwg: 0 linked tables")) << run.out;
    EXPECT_TRUE(Has(run.out, "saved as DXF " + (dir / "plans/b.dxf"))) << run.out;
    EXPECT_TRUE(Has(run.out, "2 drawings: 2 saved")) << run.out;

    // Now each DWG has its DXF: the DXF is the drawing, the DWG is left out.
    run = Shell("links --check plans");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "plans/a.dxf:")) << run.out;
    EXPECT_FALSE(Has(run.out, "a.dwg")) << run.out;
    EXPECT_TRUE(Has(run.out, "2 drawings")) << run.out;
}

TEST_F(DwgDrawing, ATableLinkedInADwgDrawingIsRefreshedAndPlottedFromItsDxf) {
    // The drawing's own table is one LibreDWG cannot read: left out, and said so, as is what
    // else it does not convert.
    HostRun run = Shell("cells plan.dwg");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "velloria: " + (dir / "plan.dwg") + ": 1 table of this drawing is left out: LibreDWG does not read DWG tables yet.\n" +
                           "velloria: " + (dir / "plan.dwg") +
                           ": 1 other entity is left out, of a kind LibreDWG does not convert yet (ARC_DIMENSION).\n");

    // A linked table created in it, saved as DXF: cells, refresh and plot go on from the DXF.
    run = Script("DbTable_Create\nclick \"Open Database\"\nset Database nwind.mdb\nclick &OK\n"
                 "select \"Data Source\" nwind.mdb/Shippers\nclick \"Create Table ...\"\n-2600,300\nQSAVE\n\nQUIT\n",
                 "plan.dwg");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "Saved " + (dir / "plan.dxf") + ".")) << run.out;
    EXPECT_TRUE(Untouched());
    run = Shell("cells plan.dxf");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "1\tSpeedy Express\t(503) 555-9831\n")) << run.out;
    EXPECT_TRUE(Has(run.out, "3\tFederal Shipping\t(503) 555-9931\n")) << run.out;
    run = Shell("update plan.dxf --plot plan.png");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "1 linked tables: 1 refreshed, 0 not refreshed")) << run.out;
    EXPECT_GT(std::filesystem::file_size(dir / "plan.png"), 1000u);
}

}  // namespace
