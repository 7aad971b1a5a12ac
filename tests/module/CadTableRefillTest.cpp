// A CAD program's own table (ten rows by five columns, a title merged across, a range merged
// over rows 3-5 and columns 2-3, a block cell at (4, 4) whose block the program scaled to fit)
// filled and refilled from its second row, as ezdxf reads the saved drawings: the block stays
// where the program put it, filled texts take the height the program shows, rows shrink back
// when their text does, and rows deleted inside the merged range shrink it.
#include <gtest/gtest.h>

#include <sstream>

#include "../dxf/DxfTestUtil.h"
#include "dxf/DrawingIo.h"
#include "engine/TableBuilder.h"
#include "types/CellGrid.h"
#include "types/TableLink.h"

namespace {

const AcDbHandle kTable(0xCF);

// What ezdxf makes of the table: its cells' merged ranges and block cells from the entity's
// own tags, its row heights, and the texts and block references of the block that draws it,
// in drawing coordinates.
const char* const kRead = R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
t = doc.entitydb['CF']
tags = t.xtags.get_subclass('AcDbTable')
heights = [tag.value for tag in tags if tag.code == 141]
cols = [tag.value for tag in tags if tag.code == 92][0]
print('heights', ' '.join('%g' % h for h in heights))
cells, inside = [], False
for tag in tags:
    if tag.code == 301: inside = True
    elif tag.code == 304: inside = False
    elif inside: continue
    elif tag.code == 171: cells.append({171: tag.value})
    elif cells and tag.code not in cells[-1]: cells[-1][tag.code] = tag.value
for i, c in enumerate(cells):
    r, k = divmod(i, cols)
    if c.get(173, 0) == 0 and (c.get(175, 1) > 1 or c.get(176, 1) > 1):
        print('merged %d-%d %d-%d' % (r, r + c[176] - 1, k, k + c[175] - 1))
    if c[171] == 2:
        print('blockcell %d %d' % (r, k))
for e in t.virtual_entities():
    if e.dxftype() == 'INSERT':
        print('insert %s %.6f %.6f %.6f' % (e.dxf.name, e.dxf.insert.x, e.dxf.insert.y, e.dxf.xscale))
    elif e.dxftype() == 'MTEXT':
        print('text %s|%g' % (e.plain_text(), e.dxf.char_height))
)PY";

std::string Read(const std::string& path) { return dxftest::RunPython(kRead, path); }

std::vector<std::string> Lines(const std::string& out, const std::string& prefix) {
    std::vector<std::string> found;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
}

// The fixture with a stale text height of 0.1 stored in its empty cell (2, 2), its override
// flags saying nothing of it, as some writers leave behind.
std::string WithStaleHeight(const std::string& path) {
    std::string text = dxftest::Slurp(std::string(VELLORIA_TEST_DATA) + "/acad_table_with_blk_ref.dxf");
    size_t at = text.find("100\nAcDbTable\n342");
    EXPECT_NE(at, std::string::npos);
    for (int cell = 0; cell <= 2 * 5 + 2 + 1 && at != std::string::npos; ++cell) at = text.find("\n171\n", at + 1);
    EXPECT_NE(at, std::string::npos);
    text.insert(at, "\n140\n0.1");
    dxftest::Spit(path, text);
    return path;
}

// Fills the table from (1, 0) with the grid and saves the drawing to out.
void FillAndSave(const std::string& source, const CCellGrid& grid, const std::string& out) {
    platform::dxf::LoadedDrawing drawing = platform::dxf::LoadDrawing(source);
    ASSERT_TRUE(drawing) << drawing.error->Message();
    platform::ScopedWorkingDatabase working(drawing.database.get());
    AcDbObjectId id;
    ASSERT_EQ(drawing.database->getAcDbObjectId(id, false, kTable), Acad::eOk);
    AcDbTable* table = nullptr;
    ASSERT_EQ(acdbOpenObject(table, id, AcDb::kForWrite), Acad::eOk);
    CTableLink link;
    link.m_nStartRow = 1;
    EXPECT_TRUE(BuildTable(grid, link, table));
    table->close();
    ASSERT_FALSE(platform::dxf::SaveDrawing(*drawing.database, out));
}

CCellGrid Grid(int rows, const wchar_t* longText) {
    CCellGrid g;
    g.SetGridSize(rows, 3);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 3; ++c) g.SetCell(r, c, L"r" + std::to_wstring(r) + L"c" + std::to_wstring(c));
    if (longText) g.SetCell(rows - 1, 1, longText);
    return g;
}

}  // namespace

TEST(CadTableRefill, KeepsBlocksRangesAndLooksOfWhatItDoesNotWrite) {
    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    dxftest::ScratchDir dir;
    const std::string source = WithStaleHeight(dir.File("source.dxf"));
    const std::string original = Read(source);
    const auto block = Lines(original, "insert ");
    ASSERT_EQ(block.size(), 1u) << original;
    ASSERT_EQ(Lines(original, "merged "), (std::vector<std::string>{"merged 0-0 0-4", "merged 3-5 2-3"})) << original;

    // Twelve rows from row 1 (three rows more), a long text wrapping in the last.
    const std::string first = dir.File("first.dxf");
    FillAndSave(source, Grid(12, L"a long text that wraps over several lines of its column"), first);
    const std::string filled = Read(first);
    // The block cell's block where the CAD program put it, at its scale.
    EXPECT_EQ(Lines(filled, "insert "), block) << filled;
    EXPECT_EQ(Lines(filled, "blockcell "), (std::vector<std::string>{"blockcell 4 4"})) << filled;
    EXPECT_EQ(Lines(filled, "merged "), (std::vector<std::string>{"merged 0-0 0-4", "merged 3-5 2-3"})) << filled;
    // Every filled text as high as its neighbours, the one over the stale height too.
    const auto texts = Lines(filled, "text ");
    ASSERT_EQ(texts.size(), 1 + 12u * 3 - 2) << filled;  // the title; two lie under the merged range
    for (const std::string& t : texts) {
        if (t == "text Title|6") continue;
        EXPECT_EQ(t.substr(t.find('|')), "|4.5") << t;
    }
    const auto grown = Lines(filled, "heights ");
    ASSERT_EQ(grown.size(), 1u);
    EXPECT_EQ(grown[0].rfind("heights 11 9 9 9 9 9 9 9 9 9 9 9 ", 0), 0u) << grown[0];
    EXPECT_NE(grown[0], "heights 11 9 9 9 9 9 9 9 9 9 9 9 9") << grown[0];  // the last row grew

    // The same twelve rows with a short text in the last: read back from the file, that row
    // shrinks to what its text needs.
    const std::string between = dir.File("between.dxf");
    FillAndSave(first, Grid(12, nullptr), between);
    EXPECT_EQ(Lines(Read(between), "heights "), (std::vector<std::string>{"heights 11 9 9 9 9 9 9 9 9 9 9 9 9"}));

    // Four rows: rows 5 on go, one of them inside the merged range.
    const std::string second = dir.File("second.dxf");
    FillAndSave(between, Grid(4, nullptr), second);
    const std::string refilled = Read(second);
    EXPECT_EQ(Lines(refilled, "heights "), (std::vector<std::string>{"heights 11 9 9 9 9"})) << refilled;
    EXPECT_EQ(Lines(refilled, "merged "), (std::vector<std::string>{"merged 0-0 0-4", "merged 3-4 2-3"})) << refilled;
    EXPECT_EQ(Lines(refilled, "insert "), block) << refilled;
}
