// Tables look right in the drawings they are saved in, as an independent reader (ezdxf) sees
// them: no grid line crosses a text and no two texts overlap. Checked on new tables with
// headings, long texts and line breaks in a new drawing and in every drawing of a corpus of
// other programs' drawings (R10 to R2018), and on a CAD program's own table refilled with
// texts longer than its columns hold. All drawings go to one run of the checker.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>

#include "../dxf/DxfTestUtil.h"
#include "DrawingFixture.h"
#include "DrawingIo.h"
#include "engine/TableBuilder.h"
#include "engine/TableLink.h"

namespace {

namespace fs = std::filesystem;

const wchar_t* const kLong = L"A long description that wraps over several lines in its narrow column";

// Headings, a text wider than its column, a text with line breaks, and a word longer than
// the column: what a linked table of a real database holds.
CCellGrid SampleGrid() {
    CCellGrid g;
    g.SetGridSize(4, 3);
    const wchar_t* texts[] = {L"Room", L"Description", L"Area m\u00b2",         //
                              L"Kitchen", kLong, L"12.5",                          //
                              L"Hall", L"first line\nsecond line\r\nthird", L"3",  //
                              L"Attic", L"Dachbodenausbauplanungsunterlagen", L"41.25"};
    for (int i = 0; i < 12; ++i) g.SetCell(i / 3, i % 3, texts[i]);
    return g;
}

// The text height of the drawing's current table style, for widths that make texts wrap.
double DataTextHeight(AcDbDatabase& db) {
    AcDbTableStyle* style = nullptr;
    if (acdbOpenObject(style, db.tablestyle(), AcDb::kForRead) != Acad::eOk) return 0;
    const double h = style->textHeight(AcDb::kDataRow);
    style->close();
    return h;
}

// Creates a linked table in the working drawing as the create command does (at the origin).
bool CreateLinkedTable(AcDbDatabase& db) {
    const double h = DataTextHeight(db);
    if (!(h > 0)) return false;
    CTableLink link;
    link.m_strTableStyle = L"Standard";
    link.m_strDatabase = L"rooms.mdb";
    link.m_strConnectDriver = L"Microsoft Access Driver (*.mdb, *.accdb)";
    link.m_strTable = L"Rooms";
    link.m_bIncludeHeader = 1;
    link.m_arrWidths.Add(0);
    link.m_arrWidths.Add(12 * h);  // narrower than the long texts
    platform::ScopedConsole console({"0,0"});
    const size_t before = [&] {
        AcDbBlockTableRecord* model = nullptr;
        acdbOpenObject(model, db.modelSpaceId(), AcDb::kForRead);
        const size_t n = model->entityIds().size();
        model->close();
        return n;
    }();
    if (!BuildTable(SampleGrid(), link, nullptr)) return false;
    AcDbBlockTableRecord* model = nullptr;
    acdbOpenObject(model, db.modelSpaceId(), AcDb::kForRead);
    const bool added = model->entityIds().size() == before + 1;
    model->close();
    return added;
}

struct Checked {
    int tables = -1, problems = -1;
    std::string report;
};

// The checker's verdict per drawing path.
std::map<std::string, Checked> Check(const std::vector<std::string>& paths) {
    std::string args;
    for (const auto& p : paths) args += " '" + p + "'";
    int status = 0;
    const std::string out = dxftest::RunPython(dxftest::Slurp(std::string(VELLORIA_SOURCE_DIR) + "/tests/testing/check_table_layout.py"), args, &status);
    std::map<std::string, Checked> result;
    const std::regex line(R"(FILE (\S+) tables (\d+) texts \d+ lines \d+ problems (\d+))");
    std::string current;
    size_t pos = 0;
    while (pos < out.size()) {
        const size_t end = out.find('\n', pos);
        const std::string l = out.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? out.size() : end + 1;
        std::smatch m;
        if (std::regex_match(l, m, line)) {
            current = m[1];
            result[current] = {std::stoi(m[2]), std::stoi(m[3]), l};
        } else if (!current.empty()) {
            result[current].report += "\n" + l;
        }
    }
    EXPECT_EQ(status, 0) << out.substr(0, 2000);
    return result;
}

}  // namespace

TEST(TableLayout, NewTablesInEveryDrawingAndRefilledCadTablesLookRight) {
    ASSERT_TRUE(dxftest::HaveEzdxf()) << "python3-ezdxf (set up by scripts/setup.sh) is missing";
    dxftest::ScratchDir dir;
    std::vector<std::string> saved;

    // A new drawing.
    {
        TestDrawing d;
        ASSERT_TRUE(CreateLinkedTable(*d.db));
        saved.push_back(dir.File("new.dxf"));
        ASSERT_FALSE(platform::dxf::SaveDrawing(*d.db, saved.back()));
    }

    // Every drawing of the corpus that loads takes one.
    std::vector<std::string> corpus;
    for (const auto& entry : fs::directory_iterator(std::string(VELLORIA_TEST_DATA) + "/dxf-corpus"))
        if (entry.path().extension() == ".dxf") corpus.push_back(entry.path().string());
    std::sort(corpus.begin(), corpus.end());
    ASSERT_GE(corpus.size(), 40u);
    int older = 0, loaded = 0;
    for (const std::string& source : corpus) {
        platform::dxf::LoadedDrawing drawing = platform::dxf::LoadDrawing(source);
        if (!drawing) continue;  // what the reader refuses is the damaged-input tests' subject
        ++loaded;
        platform::ScopedWorkingDatabase working(drawing.database.get());
        EXPECT_TRUE(CreateLinkedTable(*drawing.database)) << source;
        // Drawings before R2000 are written back in their own version, which has no table
        // entity: they take the table, but what their files show of it is not checked.
        const platform::dxf::Document* doc = platform::dxf::AttachedDocument(*drawing.database);
        if (doc && doc->Version() < "AC1015") {
            ++older;
            continue;
        }
        saved.push_back(dir.File(fs::path(source).filename().string()));
        EXPECT_FALSE(platform::dxf::SaveDrawing(*drawing.database, saved.back())) << source;
    }
    EXPECT_EQ(saved.size() + static_cast<size_t>(older), static_cast<size_t>(loaded) + 1);
    EXPECT_LE(older, 3);
    EXPECT_GE(loaded, 40);

    // The CAD program's table refilled from its second row with texts longer than its
    // columns, line breaks among them.
    {
        platform::dxf::LoadedDrawing drawing = platform::dxf::LoadDrawing(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf");
        ASSERT_TRUE(drawing);
        platform::ScopedWorkingDatabase working(drawing.database.get());
        AcDbBlockTableRecord* model = nullptr;
        ASSERT_EQ(acdbOpenObject(model, drawing.database->modelSpaceId(), AcDb::kForRead), Acad::eOk);
        const AcDbObjectId id = model->entityIds().front();
        model->close();
        AcDbTable* table = nullptr;
        ASSERT_EQ(acdbOpenObject(table, id, AcDb::kForWrite), Acad::eOk);
        CCellGrid grid;
        grid.SetGridSize(3, 3);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                grid.SetCell(r, c, r == 1 && c == 1 ? L"a first line\nand a second one, which is longer than the column is wide and wraps"
                                                    : std::wstring(kLong) + L" " + std::to_wstring(r));
        CTableLink link;
        link.m_nStartRow = 1;
        EXPECT_TRUE(BuildTable(grid, link, table));
        table->close();
        saved.push_back(dir.File("refilled.dxf"));
        ASSERT_FALSE(platform::dxf::SaveDrawing(*drawing.database, saved.back()));
    }

    const auto checked = Check(saved);
    for (const std::string& path : saved) {
        ASSERT_TRUE(checked.count(path)) << path;
        const Checked& c = checked.at(path);
        EXPECT_GE(c.tables, 1) << c.report;
        EXPECT_EQ(c.problems, 0) << c.report;
    }
}
