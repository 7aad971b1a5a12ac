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
#include "dxf/AcadTable.h"
#include "dxf/DrawingIo.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"
#include "dxf/TableBlock.h"
#include "engine/TableBuilder.h"
#include "types/TableLink.h"

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
bool CreateLinkedTable(AcDbDatabase& db, std::string* said = nullptr) {
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
    const AcDbObjectId last = db.lastEntity();
    const bool built = BuildTable(SampleGrid(), link, nullptr);
    if (said) *said = console.Output();
    if (!built) return false;
    AcDbTable* table = nullptr;
    if (db.lastEntity() == last || acdbOpenObject(table, db.lastEntity(), AcDb::kForRead) != Acad::eOk) return false;
    table->close();
    return true;
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
    ASSERT_EQ(dxftest::EzdxfMissing(), "");
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
        ASSERT_TRUE(drawing) << drawing.error->Message();
        ++loaded;
        platform::ScopedWorkingDatabase working(drawing.database.get());
        // Drawings before R2000 are written back in their own version, which has no table
        // entity: the builder refuses, saying why, rather than make a table the file loses.
        if (drawing.database->originalFileVersion() < AcDb::kDHL_1015) {
            std::string said;
            EXPECT_FALSE(CreateLinkedTable(*drawing.database, &said)) << source;
            EXPECT_NE(said.find("cannot hold tables"), std::string::npos) << said;
            ++older;
            continue;
        }
        EXPECT_TRUE(CreateLinkedTable(*drawing.database)) << source;
        saved.push_back(dir.File(fs::path(source).filename().string()));
        EXPECT_FALSE(platform::dxf::SaveDrawing(*drawing.database, saved.back())) << source;
    }
    EXPECT_EQ(saved.size() + static_cast<size_t>(older), static_cast<size_t>(loaded) + 1);
    EXPECT_LE(older, 3);
    EXPECT_EQ(loaded, static_cast<int>(corpus.size()));

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

namespace {

using platform::dxf::Document;
using platform::dxf::Tag;

// The CAD program's drawing with its table made 10 x 5, written as that program writes cells
// (padded numbers): a title row merged across, a range merged over rows 2-3 and columns 0-1,
// block cells at (4, 4) and (7, 1) showing the block MARK, cells with colour and fill
// overrides at (1, 3) and (6, 2), and overrides of the whole table after the cells.
std::string CadTableWithFormatting(const std::string& path) {
    platform::dxf::ReadResult read = platform::dxf::ReadDxfFile(std::string(VELLORIA_TEST_DATA) + "/acad_table_simple.dxf");
    EXPECT_TRUE(read);
    Document& doc = *read.document;
    auto k = [&doc](int code, std::string_view v) { return doc.MakeTag(code, v); };
    platform::dxf::SymbolTable* records = doc.FindTable("BLOCK_RECORD");
    records->records.push_back({{k(0, "BLOCK_RECORD"), k(5, "500"), k(330, "1"), k(100, "AcDbSymbolTableRecord"),
                                 k(100, "AcDbBlockTableRecord"), k(2, "MARK"), k(70, "     0")}});
    platform::dxf::Block& mark = doc.blocks.emplace_back();
    mark.begin.tags = {k(0, "BLOCK"), k(5, "501"), k(330, "500"), k(100, "AcDbEntity"), k(8, "0"), k(100, "AcDbBlockBegin"),
                       k(2, "MARK"), k(70, "     0"), k(10, "0.0"), k(20, "0.0"), k(30, "0.0"), k(3, "MARK"), k(1, "")};
    mark.Entities().push_back({{k(0, "LINE"), k(5, "502"), k(330, "500"), k(100, "AcDbEntity"), k(8, "0"), k(100, "AcDbLine"),
                                k(10, "-2.0"), k(20, "-2.0"), k(30, "0.0"), k(11, "2.0"), k(21, "2.0"), k(31, "0.0")}});
    mark.end.tags = {k(0, "ENDBLK"), k(5, "503"), k(330, "500"), k(100, "AcDbEntity"), k(8, "0"), k(100, "AcDbBlockEnd")};

    platform::dxf::DxfObject* entity = doc.FindObject(0x9C);
    auto& tags = entity->tags;
    const size_t data = entity->SubclassStart("AcDbTable"), xdata = entity->XDataStart();
    std::vector<Tag> out(tags.begin(), tags.begin() + static_cast<long>(data));
    std::vector<Tag> after(tags.begin() + static_cast<long>(xdata), tags.end());
    for (size_t i = data; i < xdata && tags[i].code != 91; ++i) out.push_back(tags[i]);
    auto n = [&](int code, int v, int width) {
        std::string text = std::to_string(v);
        out.push_back(k(code, std::string(static_cast<size_t>(std::max(0, width - static_cast<int>(text.size()))), ' ') + text));
    };
    n(91, 10, 9), n(92, 5, 9), n(93, 1, 9), n(94, 0, 9), n(95, 0, 9), n(96, 0, 9);
    for (int r = 0; r < 10; ++r) out.push_back(k(141, r == 0 ? "11.0" : "9.0"));
    for (int c = 0; c < 5; ++c) out.push_back(k(142, "60.0"));
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 5; ++c) {
            const bool block = (r == 4 && c == 4) || (r == 7 && c == 1);
            const bool merged = (r == 0 && c > 0) || ((r == 2 || r == 3) && c < 2 && !(r == 2 && c == 0));
            const int spanCols = r == 0 && c == 0 ? 5 : r == 2 && c == 0 ? 2 : 1, spanRows = r == 2 && c == 0 ? 2 : 1;
            const bool formatted = (r == 1 && c == 3) || (r == 6 && c == 2);
            const std::string text = merged || block ? "" : r == 0 ? "Plant schedule" : "cell " + std::to_string(r) + "." + std::to_string(c);
            n(171, block ? 2 : 1, 6), n(172, 0, 6), n(173, merged ? 1 : 0, 6), n(174, 0, 6), n(175, spanCols, 6), n(176, spanRows, 6);
            n(91, formatted ? 1 : 0, 9), n(178, 0, 6);
            out.push_back(k(145, "0.0"));
            n(92, 0, 9);
            out.push_back(k(301, "CELL_VALUE"));
            if (text.empty()) {
                n(93, 3, 9), n(90, 0, 9), n(91, 0, 9), n(94, 0, 9);
                out.push_back(k(300, "")), out.push_back(k(302, ""));
            } else {
                n(93, 2, 9), n(90, 4, 9);
                out.push_back(k(1, text)), n(94, 0, 9), out.push_back(k(300, "")), out.push_back(k(302, text));
            }
            out.push_back(k(304, "ACVALUE_END"));
            if (formatted) n(64, 1, 6), n(63, 5, 6), n(283, 1, 6);
            if (block) out.push_back(k(340, "500")), out.push_back(k(144, "1.0"));
        }
    n(280, 0, 6);
    out.push_back(k(40, "2.0"));
    out.push_back(k(41, "2.0"));
    n(63, 3, 6);
    out.insert(out.end(), after.begin(), after.end());
    tags = std::move(out);
    EXPECT_FALSE(platform::dxf::SaveDxfFile(doc, path));
    return path;
}

// Each cell's tags, code and value, as the file holds them.
std::vector<std::vector<std::pair<int, std::string>>> CellTags(const std::string& path, platform::dxf::AcadTable& table) {
    platform::dxf::ReadResult read = platform::dxf::ReadDxfFile(path);
    EXPECT_TRUE(read);
    auto parsed = platform::dxf::ParseAcadTable(*read.document->FindObject(0x9C));
    EXPECT_TRUE(parsed);
    table = *parsed;
    std::vector<std::vector<std::pair<int, std::string>>> cells;
    for (const auto& cell : table.cells) {
        auto& tags = cells.emplace_back();
        for (const Tag& t : cell.record) tags.emplace_back(t.code, std::string(t.Value()));
    }
    for (auto& cell : table.cells) cell.record.clear();  // views into the document read here
    table.tail.clear();
    return cells;
}

}  // namespace

TEST(TableLayout, FillingPartOfATableKeepsWhatItDoesNotWrite) {
    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    dxftest::ScratchDir dir;
    const std::string source = CadTableWithFormatting(dir.File("formatted.dxf"));
    platform::dxf::AcadTable before;
    const auto original = CellTags(source, before);
    ASSERT_EQ(before.rows, 10);
    ASSERT_FALSE(original[4 * 5 + 4].empty());  // kept as read: not this writer's form

    platform::dxf::LoadedDrawing drawing = platform::dxf::LoadDrawing(source);
    ASSERT_TRUE(drawing);
    platform::ScopedWorkingDatabase working(drawing.database.get());
    AcDbObjectId id;
    ASSERT_EQ(drawing.database->getAcDbObjectId(id, false, AcDbHandle(0x9C)), Acad::eOk);
    {
        AcDbTable* table = nullptr;
        ASSERT_EQ(acdbOpenObject(table, id, AcDb::kForWrite), Acad::eOk);
        EXPECT_EQ(table->cellType(4, 4), AcDb::kBlockCell);
        // Filled from row 6 with two rows of three columns: rows 8 and 9 go.
        CCellGrid grid;
        grid.SetGridSize(2, 3);
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c) grid.SetCell(r, c, L"new " + std::to_wstring(r) + L"." + std::to_wstring(c));
        CTableLink link;
        link.m_nStartRow = 6;
        EXPECT_TRUE(BuildTable(grid, link, table));
        table->close();
    }
    const std::string saved = dir.File("refilled.dxf");
    ASSERT_FALSE(platform::dxf::SaveDrawing(*drawing.database, saved));

    platform::dxf::AcadTable after;
    const auto written = CellTags(saved, after);
    ASSERT_EQ(after.rows, 8);
    ASSERT_EQ(after.columns, 5);
    // Above the data block, and to its right, every cell is as the CAD program wrote it: the
    // title, the merged range, the block cell, the formatted cell.
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 5; ++c) {
            if (r < 6 || c >= 3) {
                EXPECT_EQ(written[static_cast<size_t>(r * 5 + c)], original[static_cast<size_t>(r * 5 + c)]) << r << "," << c;
            }
        }
    EXPECT_EQ(after.Cell(2, 0).spanRows, 2);
    EXPECT_EQ(after.Cell(2, 0).spanColumns, 2);
    EXPECT_EQ(after.Cell(4, 4).type, 2);
    EXPECT_EQ(after.Cell(4, 4).block, 0x500u);
    // A written cell has its new text and keeps its formatting; a block cell written to holds text.
    EXPECT_EQ(after.Cell(6, 2).text, "new 0.2");
    const auto& formatted = written[6 * 5 + 2];
    for (int code : {64, 63, 283})
        EXPECT_TRUE(std::any_of(formatted.begin(), formatted.end(), [code](const auto& t) { return t.first == code; })) << code;
    EXPECT_EQ(after.Cell(7, 1).type, 1);
    EXPECT_EQ(after.Cell(7, 1).text, "new 1.1");
    EXPECT_EQ(after.Cell(7, 1).block, 0u);
    // The table's own overrides follow the cells as they were.
    {
        platform::dxf::ReadResult read = platform::dxf::ReadDxfFile(saved);
        auto table = platform::dxf::ParseAcadTable(*read.document->FindObject(0x9C));
        ASSERT_TRUE(table);
        std::vector<std::string> tail;
        for (const Tag& t : table->tail) tail.push_back(std::to_string(t.code) + "=" + std::string(t.Value()));
        EXPECT_EQ(tail, (std::vector<std::string>{"280=     0", "40=2.0", "41=2.0", "63=     3"}));
    }

    // As ezdxf sees it: the block shown in its cell, and a table that looks right.
    const std::string out = dxftest::RunPython(R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
table = doc.entitydb['9C']
print('inserts', sorted(e.dxf.name for e in table.__virtual_entities__() if e.dxftype() == 'INSERT'))
)PY", saved);
    EXPECT_NE(out.find("inserts ['MARK']"), std::string::npos) << out;
    const auto checked = Check({saved});
    ASSERT_TRUE(checked.count(saved));
    EXPECT_EQ(checked.at(saved).tables, 1);
    EXPECT_EQ(checked.at(saved).problems, 0) << checked.at(saved).report;
}
