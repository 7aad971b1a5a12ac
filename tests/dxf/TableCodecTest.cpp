// The ACAD_TABLE codec on its own, and a new drawing holding a linked table, checked by ezdxf.
#include <gtest/gtest.h>

#include "db/DrawingDatabase.h"
#include "dxf/AcadTable.h"
#include "dxf/DrawingIo.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfTemplate.h"
#include "DxfTestUtil.h"
#include "dxf/DxfWriter.h"
#include "dxf/TableBlock.h"
#include "editor/EntityList.h"

using namespace platform::dxf;

namespace {

const char* const kLinkApp = "4E679C82-0FD2-43e8-8D7F-465BF47E479F";

// A 4 x 3 table: a merged title, headings, two data rows, one long text with non-ASCII
// characters and a line break, one cell with overrides, and the seven link record applications.
AcadTable SampleTable() {
    AcadTable t;
    t.insertion[0] = 10;
    t.insertion[1] = 20;
    t.Resize(4, 3, 9.0, 40.0);
    t.rowHeights[0] = 11;
    t.Cell(0, 0).text = "Rooms";
    t.Cell(0, 0).spanColumns = 3;
    t.Cell(0, 1).merged = t.Cell(0, 2).merged = 1;
    t.Cell(1, 0).text = "Name";
    t.Cell(1, 1).text = "Area";
    t.Cell(1, 2).text = "Öwner";
    t.Cell(2, 0).text = "Hall";
    t.Cell(2, 1).text = "12.5";
    std::string longText;
    for (int i = 0; i < 120; ++i) longText += "äbc ";  // 600 bytes: chunks must not split 'ä'
    t.Cell(3, 0).text = longText + "\nend";
    t.Cell(3, 2).textHeight = 3.5;
    t.Cell(3, 2).alignment = 9;
    t.Cell(3, 2).text = "x";
    t.xdata = {{1001, "Connect_Driver"}, {1000, "Microsoft Access Driver (*.mdb, *.accdb)"},
               {1001, "Database"},       {1000, "..\\data\\plant.mdb"},
               {1001, "Table"},          {1000, "Rooms"},
               {1001, "SQL"},            {1000, ""},
               {1001, "User"},           {1000, ""},
               {1001, "Password"},       {1000, ""},
               {1001, kLinkApp},         {1070, "1"}, {1070, "1"}, {1070, "0"}, {1070, "0"},
               {1000, "Name,Area,Owner"}, {1000, "30,15"}, {1071, "13"}, {1071, "4"}};
    return t;
}

}  // namespace

TEST(AcadTableCodec, TagsReadBackAsTheSameTable) {
    Document doc;
    AcadTable in = SampleTable();
    in.handle = 0x2A;
    in.owner = 0x1F;
    in.tableStyle = 0x6B;
    in.blockRecord = 0x30;
    in.blockName = "*T4";
    in.entityTags = {{102, "{ACAD_XDICTIONARY"}, {360, "B2"}, {102, "}"}, {62, "3"}};
    const DxfObject o = AcadTableToObject(in, doc);
    // Long texts are chunked, each chunk within the line limit.
    for (const Tag& t : o.tags) EXPECT_LE(t.Value().size(), t.code == 302 ? 2049u : 250u);
    std::string why;
    const auto out = ParseAcadTable(o, &why);
    ASSERT_TRUE(out) << why;
    EXPECT_EQ(out->handle, 0x2Au);
    EXPECT_EQ(out->owner, 0x1Fu);
    EXPECT_EQ(out->tableStyle, 0x6Bu);
    EXPECT_EQ(out->blockRecord, 0x30u);
    EXPECT_EQ(out->blockName, "*T4");
    EXPECT_EQ(out->rowHeights, in.rowHeights);
    EXPECT_EQ(out->columnWidths, in.columnWidths);
    EXPECT_EQ(out->entityTags, in.entityTags);
    EXPECT_EQ(out->xdata, in.xdata);
    ASSERT_EQ(out->cells.size(), in.cells.size());
    for (size_t i = 0; i < in.cells.size(); ++i) {
        const TableCell &a = in.cells[i], &b = out->cells[i];
        std::string expected = a.text;
        if (auto nl = expected.find('\n'); nl != std::string::npos) expected.replace(nl, 1, "\\P");
        EXPECT_EQ(b.text, expected) << i;
        EXPECT_EQ(b.spanColumns, a.spanColumns) << i;
        EXPECT_EQ(b.merged, a.merged) << i;
        EXPECT_EQ(b.textHeight, a.textHeight) << i;
        EXPECT_EQ(b.alignment, a.alignment) << i;
    }
}

TEST(AcadTableCodec, InconsistentTableDataIsRefused) {
    Document doc;
    AcadTable t = SampleTable();
    DxfObject o = AcadTableToObject(t, doc);
    std::string why;
    // One row height too few.
    DxfObject fewer = o;
    for (auto it = fewer.tags.begin(); it != fewer.tags.end(); ++it)
        if (it->code == 141) {
            fewer.tags.erase(it);
            break;
        }
    EXPECT_FALSE(ParseAcadTable(fewer, &why));
    EXPECT_NE(why.find("row heights"), std::string::npos);
    // A cell missing: the last cell's tags cut off.
    DxfObject cut = o;
    size_t lastCell = 0;
    for (size_t i = 0; i < cut.tags.size(); ++i)
        if (cut.tags[i].code == 171) lastCell = i;
    cut.tags.resize(lastCell);
    EXPECT_FALSE(ParseAcadTable(cut, &why));
    EXPECT_NE(why.find("cells"), std::string::npos);
    DxfObject line;
    line.tags = {{0, "LINE"}};
    EXPECT_FALSE(ParseAcadTable(line));
}

// Geometry no drawing holds (its block would be laid out at infinities) is refused with what
// it is; loading keeps such a table as the file holds it, and says so.
TEST(AcadTableCodec, GeometryBeyondWhatADrawingHoldsIsRefusedAndTheTableKeptAsRead) {
    Document doc;
    const DxfObject o = AcadTableToObject(SampleTable(), doc);
    struct Case {
        int code;
        const char* value;
        const char* said;
    };
    for (const Case& c : {Case{142, "1e308", "a column width of 1e+308 is beyond what a drawing holds"},
                          Case{141, "-2e200", "a row height of -2e+200 is beyond what a drawing holds"},
                          Case{20, "1e101", "an insertion point coordinate of 1e+101 is beyond what a drawing holds"},
                          Case{140, "1e90", "a text height of 1e+90 is beyond what a drawing holds"}}) {
        SCOPED_TRACE(c.said);
        DxfObject bad = o;
        bool replaced = false;
        for (Tag& t : bad.tags)
            if (t.code == c.code && !replaced) t.SetValue(c.value), replaced = true;
        ASSERT_TRUE(replaced);
        std::string why;
        EXPECT_FALSE(ParseAcadTable(bad, &why));
        EXPECT_EQ(why, c.said);
    }
    // The largest values a drawing holds are read.
    DxfObject large = o;
    for (Tag& t : large.tags)
        if (t.code == 142) t.SetValue("1e100");
    EXPECT_TRUE(ParseAcadTable(large));

    // Loaded, the table is kept as read: listed with the reason, written back unchanged.
    auto made = NewDocument();
    AcadTable table = SampleTable();
    StoreTable(*made, table);
    PrepareForSave(*made);
    std::string text = WriteDxfToString(*made);
    const size_t width = text.find("\n142\n");
    ASSERT_NE(width, std::string::npos);
    const size_t value = width + 5;
    text.replace(value, text.find('\n', value) - value, "1e308");
    ReadResult read = ReadDxfText(text, "wide.dxf");
    ASSERT_TRUE(read) << read.error->Message();
    std::vector<std::string> notes;
    const auto db = DatabaseFromDocument(std::move(read.document), &notes);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].substr(0, 11), "ACAD_TABLE ");
    EXPECT_NE(notes[0].find(" is kept as the file holds it: a column width of 1e+308 is beyond what a drawing holds"), std::string::npos)
        << notes[0];
    AcDbBlockTableRecord* space = nullptr;
    ASSERT_EQ(acdbOpenObject(space, db->modelSpaceId(), AcDb::kForRead), Acad::eOk);
    const std::vector<AcDbObjectId> ids = space->entityIds();
    space->close();
    ASSERT_EQ(ids.size(), 1u);
    AcDbTable* notATable = nullptr;
    EXPECT_NE(acdbOpenObject(notATable, ids[0], AcDb::kForRead), Acad::eOk);
    EXPECT_NE(platform::DescribeEntity(ids[0]).find(L"Kept as read: a column width of 1e+308"), std::wstring::npos);
    dxftest::ScratchDir dir;
    ASSERT_FALSE(SaveDrawing(*db, dir.File("saved.dxf")));
    EXPECT_NE(dxftest::Slurp(dir.File("saved.dxf")).find("\n142\n1e308\n"), std::string::npos);
}

// A table style whose text height no table can hold keeps its default, says so when loaded,
// and the tables drawn in it are laid out at numbers a file holds.
TEST(AcadTableCodec, AStyleHeightBeyondWhatATableHoldsKeepsItsDefault) {
    auto made = NewDocument();
    AcadTable table = SampleTable();
    table.Cell(3, 2).textHeight = 0;
    table.tableStyle = FindTableStyle(*made, "Standard");
    ASSERT_NE(table.tableStyle, 0u);
    StoreTable(*made, table);
    PrepareForSave(*made);
    std::string text = WriteDxfToString(*made);
    // The data rows' text height, the first 140 after the style's first cell style (7).
    const size_t style = text.find("\n  0\nTABLESTYLE\n");
    ASSERT_NE(style, std::string::npos);
    const size_t height = text.find("\n140\n", text.find("\n  7\n", style));
    ASSERT_NE(height, std::string::npos);
    text.replace(height + 5, text.find('\n', height + 5) - height - 5, "1e308");
    ReadResult read = ReadDxfText(text, "tall.dxf");
    ASSERT_TRUE(read) << read.error->Message();
    std::vector<std::string> notes;
    const auto db = DatabaseFromDocument(std::move(read.document), &notes);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0], "The table style Standard keeps a default: a text height of 1e308 is beyond what a table holds");
    AcDbDictionary* styles = nullptr;
    ASSERT_EQ(db->getTableStyleDictionary(styles, AcDb::kForRead), Acad::eOk);
    AcDbObjectId styleId;
    ASSERT_EQ(styles->getAt(L"Standard", styleId), Acad::eOk);
    styles->close();
    AcDbTableStyle* loaded = nullptr;
    ASSERT_EQ(acdbOpenObject(loaded, styleId, AcDb::kForRead), Acad::eOk);
    EXPECT_GT(loaded->textHeight(AcDb::kDataRow), 0);
    EXPECT_LT(loaded->textHeight(AcDb::kDataRow), 1e88);
    loaded->close();
    // A changed table is laid out anew in that style, and the file reads back.
    AcDbBlockTableRecord* space = nullptr;
    ASSERT_EQ(acdbOpenObject(space, db->modelSpaceId(), AcDb::kForRead), Acad::eOk);
    const AcDbObjectId tableId = space->entityIds().at(0);
    space->close();
    AcDbTable* t = nullptr;
    ASSERT_EQ(acdbOpenObject(t, tableId, AcDb::kForWrite), Acad::eOk);
    t->setTextString(2, 0, L"changed");
    t->close();
    dxftest::ScratchDir dir;
    ASSERT_FALSE(SaveDrawing(*db, dir.File("saved.dxf")));
    EXPECT_TRUE(ReadDxfFile(dir.File("saved.dxf")));
}

TEST(AcadTableCodec, StoringAgainReplacesTheEntityAndRegeneratesItsBlock) {
    auto doc = NewDocument();
    ASSERT_TRUE(doc);
    AcadTable t = SampleTable();
    const Handle h = StoreTable(*doc, t);
    EXPECT_NE(h, 0u);
    EXPECT_EQ(t.blockName, "*T1");
    ASSERT_EQ(doc->entities.size(), 1u);
    const size_t before = doc->FindBlock("*T1")->Entities().size();
    t.Resize(6, 3, 9.0, 40.0);
    t.Cell(5, 1).text = "new";
    EXPECT_EQ(StoreTable(*doc, t), h);
    ASSERT_EQ(doc->entities.size(), 1u);
    EXPECT_EQ(doc->blocks.size(), 3u);
    const Block* block = doc->FindBlock("*T1");
    EXPECT_GT(block->Entities().size(), before);
    const auto back = ParseAcadTable(doc->entities[0]);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->rows, 6);
    EXPECT_EQ(back->Cell(5, 1).text, "new");
    // The block record of the block points back at the table.
    const DxfObject* record = doc->FindTable("BLOCK_RECORD")->FindRecord("*T1");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->GetHandle(), back->blockRecord);
    EXPECT_EQ(record->Find(331)->AsHandle(), h);
}

TEST(NewDrawing, TemplateAloneAuditsClean) {
    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    auto doc = NewDocument();
    ASSERT_TRUE(doc);
    dxftest::ScratchDir dir;
    const std::string path = dir.File("new.dxf");
    ASSERT_FALSE(SaveDxfFile(*doc, path));
    const std::string out = dxftest::RunPython(R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
audit = doc.audit()
print('version', doc.dxfversion, 'errors', len(audit.errors), 'fixes', len(audit.fixes))
print('layouts', sorted(doc.layouts.names()), 'styles', [s.dxf.name for s in doc.styles])
print('tablestyle', 'Standard' in doc.rootdict['ACAD_TABLESTYLE'])
)PY", path);
    EXPECT_NE(out.find("version AC1027 errors 0 fixes 0"), std::string::npos) << out;
    EXPECT_NE(out.find("layouts ['Layout1', 'Model']"), std::string::npos) << out;
    EXPECT_NE(out.find("tablestyle True"), std::string::npos) << out;
}

TEST(NewDrawing, LinkedTableIsFoundByEzdxfWithItsDataAndBlock) {
    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    auto doc = NewDocument();
    ASSERT_TRUE(doc);
    AcadTable t = SampleTable();
    StoreTable(*doc, t);
    dxftest::ScratchDir dir;
    const std::string path = dir.File("linked.dxf");
    const auto err = SaveDxfFile(*doc, path);
    ASSERT_FALSE(err) << err->Message();
    const std::string out = dxftest::RunPython(R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
audit = doc.audit()
print('errors', len(audit.errors))
print('appids', sorted(a.dxf.name for a in doc.appids))
tables = doc.modelspace().query('ACAD_TABLE')
print('tables', len(tables))
t = tables[0]
for app in ['Connect_Driver', 'Database', 'Table', 'SQL', 'User', 'Password', '4E679C82-0FD2-43e8-8D7F-465BF47E479F']:
    print('xdata', app, [tag.value for tag in t.get_xdata(app)])
name = t.xtags.get_subclass('AcDbBlockReference').get_first_value(2)
block = doc.blocks.get(name)
print('block', name, 'lines', len(block.query('LINE')))
for m in block.query('MTEXT'):
    print('text', m.plain_text()[:12])
)PY", path);
    EXPECT_NE(out.find("errors 0"), std::string::npos) << out;
    EXPECT_NE(out.find("tables 1"), std::string::npos) << out;
    for (const char* app : {"'Connect_Driver'", "'Database'", "'Table'", "'SQL'", "'User'", "'Password'", "'4E679C82"})
        EXPECT_NE(out.find(app, out.find("appids")), std::string::npos) << app << "\n" << out;
    EXPECT_NE(out.find("xdata Database ['..\\\\data\\\\plant.mdb']"), std::string::npos) << out;
    EXPECT_NE(out.find("xdata 4E679C82-0FD2-43e8-8D7F-465BF47E479F [1, 1, 0, 0, 'Name,Area,Owner', '30,15', 13, 4]"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("block *T1 lines"), std::string::npos) << out;
    for (const char* text : {"text Rooms", "text Öwner", "text Hall", "text 12.5", "text äbc äbc äb", "text x"})
        EXPECT_NE(out.find(text), std::string::npos) << text << "\n" << out;
}

// Spans that overlap (only a damaged table has them) cost no more than the cells: the first
// range wins, and the block is one frame.
TEST(AcadTableCodec, OverlappingSpansStayCheap) {
    Document doc;
    AcadTable t;
    t.Resize(300, 300, 1.0, 1.0);
    for (TableCell& c : t.cells) c.spanRows = c.spanColumns = 300;
    Block block;
    BuildTableBlock(doc, t, TableStyleInfo{}, block);
    EXPECT_EQ(block.Entities().size(), 4u);
}

// Tables from R2004 files carry their texts directly in the cell (long ones in 2/3 chunks
// before the last part under 1), with cell overrides after the text.
TEST(AcadTableCodec, ReadsTheOlderCellLayout) {
    const std::string chunk(250, 'a');
    DxfObject o;
    o.tags = {{0, "ACAD_TABLE"}, {5, "2B"}, {330, "1F"}, {100, "AcDbEntity"}, {8, "Tables"},
              {100, "AcDbBlockReference"}, {2, "*T7"}, {10, "1.0"}, {20, "2.0"}, {30, "0.0"},
              {100, "AcDbTable"}, {280, "0"}, {342, "6B"}, {343, "40"}, {11, "1.0"}, {21, "0.0"}, {31, "0.0"},
              {90, "22"}, {91, "1"}, {92, "2"}, {93, "0"}, {94, "0"}, {95, "0"}, {96, "0"},
              {141, "9.0"}, {142, "30.0"}, {142, "40.0"},
              {171, "1"}, {172, "0"}, {173, "0"}, {174, "0"}, {175, "1"}, {176, "1"}, {178, "0"}, {145, "0.0"},
              {2, chunk}, {3, chunk}, {1, "end"}, {7, "Bold"}, {140, "3.5"}, {170, "4"},
              {171, "1"}, {172, "0"}, {173, "0"}, {174, "0"}, {175, "1"}, {176, "1"}, {178, "0"}, {145, "0.0"},
              {1, "second"},
              {1001, "Database"}, {1000, "x.mdb"}};
    std::string why;
    const auto t = ParseAcadTable(o, &why);
    ASSERT_TRUE(t) << why;
    EXPECT_EQ(t->layer, "Tables");
    EXPECT_EQ(t->blockName, "*T7");
    EXPECT_EQ(t->columnWidths, (std::vector<double>{30, 40}));
    EXPECT_EQ(t->Cell(0, 0).text, chunk + chunk + "end");
    EXPECT_EQ(t->Cell(0, 0).textStyle, "Bold");
    EXPECT_EQ(t->Cell(0, 0).textHeight, 3.5);
    EXPECT_EQ(t->Cell(0, 0).alignment, 4);
    EXPECT_EQ(t->Cell(0, 1).text, "second");
    ASSERT_EQ(t->xdata.size(), 2u);
    EXPECT_EQ(t->xdata[1].value, "x.mdb");
}
