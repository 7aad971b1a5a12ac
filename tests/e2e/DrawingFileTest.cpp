// Drawings as files through the velloria executable: opening, listing, saving, damaged files,
// and the update and links tools on the linked-table sample.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <map>
#include <regex>
#include <string>

#include "db/DbDatabase.h"
#include "db/DbTable.h"
#include "dxf/DrawingIo.h"
#include "dxf/DxfReader.h"
#include "db/ResBuf.h"
#include "text/Utf8.h"
#include "testing/TempDir.h"

namespace {

using testing_support::ReadFile;
using testing_support::WriteFile;

struct ToolRun {
    int status = -1;
    std::string out, err;
};

class DrawingFiles : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    std::string bin = VELLORIA_BIN_DIR;

    ToolRun Exec(const std::string& args, const std::string& registry = "") {
        const std::string reg = registry.empty() ? dir / "registry.reg" : registry;
        const std::string command = "env -u VELLORIA_MODULE VELLORIA_REGISTRY='" + reg + "' VELLORIA_OPENER=/bin/true " + args +
                                    " >'" + (dir / "out.txt") + "' 2>'" + (dir / "err.txt") + "' </dev/null";
        ToolRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadFile(dir / "out.txt");
        run.err = ReadFile(dir / "err.txt");
        return run;
    }
    ToolRun Host(const std::string& script, const std::string& drawing = "", const std::string& registry = "") {
        WriteFile(dir / "run.scr", script);
        return Exec("'" + bin + "/velloria' " + (drawing.empty() ? "" : "'" + drawing + "' ") + "-s '" + (dir / "run.scr") + "'",
                    registry);
    }
    ToolRun Tool(const std::string& args) { return Exec("'" + bin + "/velloria' " + args); }

    // The sample drawing made afresh beside a copy of its database.
    std::string MakeSample(const std::string& flags = "") {
        std::filesystem::copy_file(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb", dir / "nwind.mdb");
        const std::string path = dir / "linked.dxf";
        const std::string command = "'" + bin + "/make_linked_sample' '" + path + "' " + flags + " >/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return path;
    }

    static int Count(const std::string& text, const std::string& part) {
        int n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
        return n;
    }
    static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
};

std::string Fixture() { return std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf"; }

TEST_F(DrawingFiles, OpenListSaveAsAndTheCopyReloads) {
    ToolRun run = Host("LIST\n\nSAVEAS\n" + (dir / "copy") + "\nQSAVE\n", Fixture());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "ACAD_TABLE")) << run.out;
    EXPECT_TRUE(Has(run.out, "Saved " + (dir / "copy.dxf"))) << run.out;
    EXPECT_EQ(Count(run.out, "Saved " + (dir / "copy.dxf")), 2) << run.out;
    platform::dxf::LoadedDrawing copy = platform::dxf::LoadDrawing(dir / "copy.dxf");
    ASSERT_TRUE(copy);
    AcDbObjectId id;
    ASSERT_EQ(copy.database->getAcDbObjectId(id, false, AcDbHandle(0x9C)), Acad::eOk);
    AcDbObjectPointer<AcDbTable> table(id, AcDb::kForRead);
    ASSERT_TRUE(table);
    EXPECT_GT(table->numRows(), 1);

    // A new drawing asks for a name on its first save.
    run = Host("SAVE\n" + (dir / "fresh.dxf") + "\n");
    EXPECT_TRUE(Has(run.out, "Enter name of drawing to save: ")) << run.out;
    EXPECT_TRUE(platform::dxf::LoadDrawing(dir / "fresh.dxf"));
}

TEST_F(DrawingFiles, DamagedOrMissingDrawingGivesOneLineAndTheHostCarriesOn) {
    std::string text = ReadFile(Fixture());
    text.resize(text.size() / 3);
    const std::string damaged = dir / "damaged.dxf";
    WriteFile(damaged, text);

    // Named on the command line, it ends the session before it starts: no empty drawing
    // takes its place, so nothing can be saved over it (nor a file named by the next line).
    ToolRun run = Host("QSAVE\nQUIT\n" + damaged + "\n", damaged);
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_EQ(Count(run.err, damaged + ": line "), 1) << run.err;
    EXPECT_FALSE(Has(run.out, "Command:")) << run.out;
    EXPECT_EQ(ReadFile(damaged), text);
    EXPECT_FALSE(std::filesystem::exists(dir / "QUIT.dxf"));

    // Opened in a session, it is named and the drawing that was open stays.
    run = Host("LIST\n\nOPEN\n" + damaged + "\nLIST\n\nSAVE\n" + (dir / "new.dxf") + "\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Count(run.out, damaged + ": line "), 1) << run.out;
    EXPECT_EQ(Count(run.out, "No entities."), 2) << run.out;
    EXPECT_EQ(ReadFile(damaged), text);
    EXPECT_TRUE(platform::dxf::LoadDrawing(dir / "new.dxf"));

    // A save that cannot be written says so once and leaves nothing behind.
    run = Host("SAVEAS\n" + (dir / "no/such/folder/x.dxf") + "\n");
    EXPECT_EQ(Count(run.out, dir / "no/such/folder/x.dxf: "), 1) << run.out;
    EXPECT_FALSE(Has(run.out, "Saved "));

    run = Host("OPEN\n" + (dir / "nowhere.dxf") + "\nLIST\n\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Count(run.out, dir / "nowhere.dxf: "), 1) << run.out;
    EXPECT_FALSE(std::filesystem::exists(dir / "nowhere.dxf"));

    run = Tool("update '" + damaged + "'");
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(Has(run.err, damaged + ": line ")) << run.err;
    EXPECT_EQ(ReadFile(damaged), text);
}

// The cells of one linked table of a saved drawing, row by row, tab-separated.
std::string TableText(const std::string& path, const std::string& database, int firstRow = 0, int firstCol = 0) {
    platform::dxf::LoadedDrawing drawing = platform::dxf::LoadDrawing(path);
    if (!drawing) return "unreadable";
    for (AcDbObjectId id : drawing.database->objectIds()) {
        AcDbObjectPointer<AcDbTable> table(id, AcDb::kForRead);
        if (!table) continue;
        resbuf* xdata = table->xData(L"Table");
        const bool match = xdata && xdata->rbnext && platform::ToUtf8(xdata->rbnext->resval.rstring) == database;
        acutRelRb(xdata);
        if (!match) continue;
        std::string out;
        for (int r = firstRow; r < table->numRows(); ++r) {
            for (int c = firstCol; c < table->numColumns(); ++c) {
                if (c > firstCol) out += '\t';
                out += std::string(table->textUtf8(r, c));
            }
            out += '\n';
        }
        return out;
    }
    return "no such table";
}

TEST_F(DrawingFiles, UpdateRefreshesLinkedTablesKeepsLinksAndReportsAMissingDatabase) {
    const std::string sample = MakeSample("--missing");
    const std::string before = ReadFile(sample);
    ToolRun links = Tool("links '" + sample + "'");
    ASSERT_EQ(links.status, 0) << links.err;
    EXPECT_TRUE(Has(links.out, "5 linked entities.")) << links.out;
    EXPECT_TRUE(Has(links.out, "table:    Shippers")) << links.out;
    EXPECT_TRUE(Has(links.out, "start cell: row 2, column 1")) << links.out;
    EXPECT_TRUE(Has(TableText(sample, "Shippers"), "old 1.0")) << TableText(sample, "Shippers");

    const std::string out = dir / "updated.dxf";
    ToolRun update = Tool("update '" + sample + "' -o '" + out + "'");
    EXPECT_EQ(update.status, 1) << update.out << update.err;
    EXPECT_EQ(Count(update.out, " -> "), 4) << update.out;
    EXPECT_TRUE(Has(update.out, "archive\\nwind-2019.mdb table Shippers  not refreshed: cannot open the database")) << update.out;
    EXPECT_TRUE(Has(update.out, "5 linked tables: 4 refreshed, 1 not refreshed")) << update.out;
    EXPECT_TRUE(Has(update.err, "Preparing for table update...")) << update.err;
    EXPECT_EQ(ReadFile(sample), before);

    // The refreshed cells are the source's records, as the record reader gives them.
    ToolRun preview = Tool("preview '" + (dir / "nwind.mdb") + "' --table Shippers --header");
    if (preview.status == 0) {
        EXPECT_EQ(TableText(out, "Shippers"), preview.out);
    }
    EXPECT_TRUE(Has(TableText(out, "Shippers"), "1\tSpeedy Express\t(503) 555-9831\n")) << TableText(out, "Shippers");

    // The link records are as they were (only the tables' own sizes, which `links` shows beside
    // the stored ones, grew); so is what is not a linked table.
    ToolRun linksAfter = Tool("links '" + out + "'");
    const std::regex tableSize("   table: [0-9]+ x [0-9]+");
    EXPECT_EQ(std::regex_replace(linksAfter.out, tableSize, ""), std::regex_replace(links.out, tableSize, ""));
    EXPECT_TRUE(Has(linksAfter.out, "stored: 2 x 3   table: 4 x 3\n")) << linksAfter.out;
    auto a = platform::dxf::ReadDxfFile(sample), b = platform::dxf::ReadDxfFile(out);
    ASSERT_TRUE(a && b);
    int lines = 0;
    for (const auto& e : a.document->entities)
        if (e.Type() == "LINE") {
            const auto* f = b.document->FindObject(e.GetHandle());
            ASSERT_NE(f, nullptr);
            EXPECT_TRUE(f->tags == e.tags);
            ++lines;
        }
    EXPECT_EQ(lines, 1);

    // In place, the second time nothing fails but the moved database.
    ToolRun again = Tool("update '" + out + "'");
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(Count(again.out, " -> "), 4) << again.out;
}

TEST_F(DrawingFiles, AutoUpdateOnOpenRefreshesEveryLinkedTableOnce) {
    const std::string sample = MakeSample();
    const std::string on = dir / "on.reg";
    WriteFile(on, "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\software\\Morvane\\Velloria]\n"
                  "\"AutoUpdate\"=dword:00000001\n");
    ToolRun run = Host("LIST\n\n", sample, on);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Count(run.out, "\nPreparing for table update...\n"), 1) << run.out;
    EXPECT_TRUE(Has(run.out, "Speedy Express")) << run.out;
    EXPECT_TRUE(Has(run.out, "Beverages")) << run.out;
    EXPECT_FALSE(Has(run.out, "old 1.0")) << run.out;

    ToolRun off = Host("LIST\n\n", sample);
    EXPECT_EQ(Count(off.out, "Preparing for table update"), 0);
    EXPECT_TRUE(Has(off.out, "old 1.0"));
}

}  // namespace

namespace {

TEST_F(DrawingFiles, CommittedSampleIsTheGeneratorsAndRefreshesInACopy) {
    const std::string samples = std::string(VELLORIA_SOURCE_DIR) + "/samples";
    // The committed drawing is what the generator makes today (stale on purpose).
    const std::string fresh = dir / "fresh.dxf";
    ASSERT_EQ(std::system(("'" + bin + "/make_linked_sample' '" + fresh + "' >/dev/null").c_str()), 0);
    EXPECT_TRUE(ReadFile(fresh) == ReadFile(samples + "/linked-tables.dxf"))
        << "samples/linked-tables.dxf differs from make_linked_sample's output";

    std::filesystem::create_directories(dir / "clone/samples");
    std::filesystem::copy_file(samples + "/linked-tables.dxf", dir / "clone/samples/linked-tables.dxf");
    std::filesystem::copy_file(samples + "/nwind.mdb", dir / "clone/samples/nwind.mdb");
    ToolRun update = Tool("update '" + (dir / "clone/samples/linked-tables.dxf") + "'");
    EXPECT_EQ(update.status, 0) << update.out << update.err;
    EXPECT_TRUE(Has(update.out, "4 linked tables: 4 refreshed, 0 not refreshed")) << update.out;
    EXPECT_TRUE(Has(TableText(dir / "clone/samples/linked-tables.dxf", "Shippers"), "Federal Shipping"));
}

}  // namespace
