// Drawing files and the drawing database: load, change, save, reload.
#include <gtest/gtest.h>

#include "dxf/AcadTable.h"
#include "db/DbDatabase.h"
#include "db/DbEntities.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "dxf/DrawingIo.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"
#include "DxfTestUtil.h"
#include "db/ResBuf.h"
#include "dxf/TableBlock.h"

namespace {

using namespace platform::dxf;

AcDbObjectId IdOf(AcDbDatabase& db, Handle h) {
    AcDbObjectId id;
    db.getAcDbObjectId(id, false, AcDbHandle(h));
    return id;
}

// Every entity and object of a document by handle, its tags as one text.
std::map<Handle, std::string> ItemsByHandle(const Document& doc) {
    std::map<Handle, std::string> out;
    auto put = [&](const DxfObject& o) {
        std::string text;
        for (const Tag& t : o.tags) text += std::to_string(t.code) + "=" + std::string(t.Value()) + "\n";
        out[o.GetHandle()] = text;
    };
    for (const auto& e : doc.entities) put(e);
    for (const auto& o : doc.objects) put(o);
    for (const auto& b : doc.blocks)
        for (const auto& e : b.Entities()) put(e);
    return out;
}

std::unique_ptr<Document> Read(const std::string& path) {
    ReadResult r = ReadDxfFile(path);
    EXPECT_TRUE(r) << (r.error ? r.error->Message() : "");
    return std::move(r.document);
}

std::vector<std::wstring> CellTexts(AcDbTable* t) {
    std::vector<std::wstring> out;
    for (int r = 0; r < t->numRows(); ++r)
        for (int c = 0; c < t->numColumns(); ++c) {
            std::wstring s;
            t->textString(r, c, s);
            out.push_back(s);
        }
    return out;
}

TEST(DrawingIo, FixtureLoadsWithItsTableAndSavesUnchangedItemsByteForByte) {
    auto original = Read(dxftest::Fixture());
    auto parsed = ParseAcadTable(*original->FindObject(0x9C));
    ASSERT_TRUE(parsed);

    LoadedDrawing drawing = LoadDrawing(dxftest::Fixture());
    ASSERT_TRUE(drawing);
    AcDbDatabase& db = *drawing.database;
    AcDbObjectPointer<AcDbTable> table(IdOf(db, 0x9C), AcDb::kForRead);
    ASSERT_TRUE(table) << table.openStatus();
    ASSERT_EQ(table->numRows(), parsed->rows);
    ASSERT_EQ(table->numColumns(), parsed->columns);
    for (int r = 0; r < parsed->rows; ++r)
        for (int c = 0; c < parsed->columns; ++c) EXPECT_EQ(table->textUtf8(r, c), parsed->Cell(r, c).text) << r << "," << c;
    EXPECT_EQ(table->ownerId(), db.modelSpaceId());
    EXPECT_EQ(table->tableStyle().handle().value(), parsed->tableStyle);
    EXPECT_FALSE(table->isModified());
    // Its extended data, every application, as the file holds it.
    EXPECT_EQ(table->xDataApps().size(), original->FindObject(0x9C)->XDataApps().size());
    table->close();
    EXPECT_GT(db.handseed().value(), original->MaxHandle());

    dxftest::ScratchDir dir;
    ASSERT_FALSE(SaveDrawing(db, dir.File("saved.dxf")));
    auto saved = Read(dir.File("saved.dxf"));
    const auto before = ItemsByHandle(*original), after = ItemsByHandle(*saved);
    for (const auto& [h, text] : before) {
        auto it = after.find(h);
        ASSERT_NE(it, after.end()) << std::hex << h;
        EXPECT_EQ(it->second, text) << std::hex << h;
    }
}

TEST(DrawingIo, ChangedTableIsStoredWithItsBlockOthersStayAndErasedLeave) {
    LoadedDrawing drawing = LoadDrawing(dxftest::Fixture());
    ASSERT_TRUE(drawing);
    AcDbDatabase& db = *drawing.database;
    auto original = Read(dxftest::Fixture());
    {
        AcDbObjectPointer<AcDbTable> table(IdOf(db, 0x9C), AcDb::kForWrite);
        ASSERT_TRUE(table);
        table->setNumRows(table->numRows() + 1);
        table->setTextString(table->numRows() - 1, 0, L"added row");
        table->setTextString(1, 0, L"Größe");
    }
    // A new line in model space, under a handle of the database.
    AcDbObjectId lineId;
    {
        AcDbObjectPointer<AcDbBlockTableRecord> model(db.modelSpaceId(), AcDb::kForWrite);
        auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 0));
        ASSERT_EQ(model->appendAcDbEntity(lineId, line), Acad::eOk);
        line->close();
    }
    dxftest::ScratchDir dir;
    ASSERT_FALSE(SaveDrawing(db, dir.File("a.dxf")));
    EXPECT_FALSE(IdOf(db, 0x9C).isNull());

    LoadedDrawing again = LoadDrawing(dir.File("a.dxf"));
    ASSERT_TRUE(again);
    {
        AcDbObjectPointer<AcDbTable> table(IdOf(*again.database, 0x9C), AcDb::kForRead);
        ASSERT_TRUE(table);
        AcDbObjectPointer<AcDbTable> mine(IdOf(db, 0x9C), AcDb::kForRead);
        EXPECT_EQ(CellTexts(table.object()), CellTexts(mine.object()));
        EXPECT_EQ(table->xDataApps().size(), mine->xDataApps().size());
        AcDbObjectPointer<AcDbLine> line(IdOf(*again.database, lineId.handle()), AcDb::kForRead);
        ASSERT_TRUE(line);
        EXPECT_EQ(line->endPoint().x, 10);
    }
    // Objects not changed are as they were.
    auto saved = Read(dir.File("a.dxf"));
    const auto before = ItemsByHandle(*original), after = ItemsByHandle(*saved);
    for (const auto& [h, text] : before) {
        const DxfObject* o = original->FindObject(h);
        if (h == 0x9C || (o && o->Owner() != 0 && original->FindObject(o->Owner()) &&
                          original->FindObject(o->Owner())->Value(2).starts_with("*T")))
            continue;  // the table and its regenerated block
        if (after.count(h)) {
            EXPECT_EQ(after.at(h), text) << std::hex << h;
        }
    }

    // Erasing the table drops it and its anonymous block.
    const std::string blockName(saved->FindObject(0x9C)->Value(2));
    {
        AcDbObjectPointer<AcDbTable> table(IdOf(db, 0x9C), AcDb::kForWrite);
        ASSERT_EQ(table->erase(), Acad::eOk);
    }
    ASSERT_FALSE(SaveDrawing(db, dir.File("b.dxf")));
    auto erased = Read(dir.File("b.dxf"));
    EXPECT_EQ(erased->FindObject(0x9C), nullptr);
    EXPECT_EQ(erased->FindBlock(blockName), nullptr);
    EXPECT_EQ(erased->FindTable("BLOCK_RECORD")->FindRecord(blockName), nullptr);
    EXPECT_NE(erased->FindObject(lineId.handle().value()), nullptr);

    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    const std::string out = dxftest::RunPython(R"PY(
import sys, ezdxf
for path in sys.argv[1:]:
    doc = ezdxf.readfile(path)
    print('errors', len(doc.audit().errors), len(doc.modelspace().query('ACAD_TABLE')))
)PY", dir.File("a.dxf") + " " + dir.File("b.dxf"));
    EXPECT_EQ(out, "errors 0 1\nerrors 0 0\n");
}

// A table written with the cells it already holds (a refresh whose data did not change) keeps
// its entity and block as read: their bytes and handles, and what the program that drew them
// put there. A real change is still stored, and a text with a line break compares as written.
TEST(DrawingIo, TableRewrittenWithItsOwnContentKeepsItsEntityAndBlockAsRead) {
    auto rewriteSame = [](AcDbDatabase& db) {
        AcDbObjectPointer<AcDbTable> table(IdOf(db, 0x9C), AcDb::kForWrite);
        ASSERT_TRUE(table);
        for (int r = 0; r < table->numRows(); ++r) {
            table->setRowHeight(r, table->rowHeight(r));
            for (int c = 0; c < table->numColumns(); ++c) {
                std::wstring text;
                table->textString(r, c, text);
                table->setTextString(r, c, text.c_str());
            }
        }
        EXPECT_TRUE(table->isModified());
    };
    dxftest::ScratchDir dir;
    LoadedDrawing drawing = LoadDrawing(dxftest::Fixture());
    ASSERT_TRUE(drawing);
    rewriteSame(*drawing.database);
    ASSERT_FALSE(SaveDrawing(*drawing.database, dir.File("same.dxf")));
    EXPECT_EQ(ItemsByHandle(*Read(dir.File("same.dxf"))), ItemsByHandle(*Read(dxftest::Fixture())));

    {
        AcDbObjectPointer<AcDbTable> table(IdOf(*drawing.database, 0x9C), AcDb::kForWrite);
        table->setTextString(1, 0, L"two\nlines");
    }
    ASSERT_FALSE(SaveDrawing(*drawing.database, dir.File("changed.dxf")));
    const auto changed = ItemsByHandle(*Read(dir.File("changed.dxf")));
    EXPECT_NE(changed.at(0x9C), ItemsByHandle(*Read(dxftest::Fixture())).at(0x9C));
    EXPECT_NE(changed.at(0x9C).find("two\\Plines"), std::string::npos);

    LoadedDrawing again = LoadDrawing(dir.File("changed.dxf"));
    ASSERT_TRUE(again);
    rewriteSame(*again.database);
    {
        AcDbObjectPointer<AcDbTable> table(IdOf(*again.database, 0x9C), AcDb::kForWrite);
        table->setTextString(1, 0, L"two\nlines");
    }
    ASSERT_FALSE(SaveDrawing(*again.database, dir.File("again.dxf")));
    EXPECT_EQ(ItemsByHandle(*Read(dir.File("again.dxf"))), changed);
}

// A new drawing built in memory with a linked table: the link record as the module stores it.
TEST(DrawingIo, NewDrawingWithLinkedTableSavesCompleteAndReloadsTheSame) {
    auto db = platform::NewDrawingDatabase();
    const wchar_t* apps[] = {L"Connect_Driver", L"Database", L"Table", L"SQL", L"User", L"Password",
                             L"4E679C82-0FD2-43e8-8D7F-465BF47E479F"};
    for (const wchar_t* app : apps) db->registerApp(app);
    AcDbObjectId tableId;
    {
        auto* table = new AcDbTable;
        table->setNumColumns(3);
        table->setNumRows(4);
        table->setTableStyle(db->tablestyle());
        table->setPosition(AcGePoint3d(2, 30, 0));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) table->setTextString(r, c, (L"r" + std::to_wstring(r) + L"c" + std::to_wstring(c)).c_str());
        table->unmergeCells(0, 3, 0, 2);
        table->mergeCells(0, 0, 0, 2);
        table->mergeCells(2, 3, 1, 2);
        table->setColumnWidth(1, 4.25);
        AcDbObjectPointer<AcDbBlockTableRecord> model(db->modelSpaceId(), AcDb::kForWrite);
        ASSERT_EQ(model->appendAcDbEntity(tableId, table), Acad::eOk);
        platform::ResbufPtr xdata(acutBuildList(
            1001, L"Connect_Driver", 1000, L"Microsoft Access Driver (*.mdb, *.accdb)", 1001, L"Database", 1000, L"nwind.mdb",
            1001, L"Table", 1000, L"Customers", 1001, L"SQL", 1000, L"", 1001, L"User", 1000, L"", 1001, L"Password",
            1000, L"", 1001, L"4E679C82-0FD2-43e8-8D7F-465BF47E479F", 1070, 1, 1070, 1, 1070, 0, 1070, 0, 1000, L"A|B|C",
            1000, L"1.5|2|3", 1071, std::int32_t(4), 1071, std::int32_t(3), 0));
        ASSERT_EQ(table->setXData(xdata.get()), Acad::eOk);
        table->close();
    }
    dxftest::ScratchDir dir;
    const std::string path = dir.File("new.dxf");
    ASSERT_FALSE(SaveDrawing(*db, path));
    EXPECT_NE(AttachedDocument(*db), nullptr);

    LoadedDrawing again = LoadDrawing(path);
    ASSERT_TRUE(again);
    AcDbObjectPointer<AcDbTable> mine(tableId, AcDb::kForRead);
    AcDbObjectPointer<AcDbTable> read(IdOf(*again.database, tableId.handle()), AcDb::kForRead);
    ASSERT_TRUE(read);
    EXPECT_EQ(CellTexts(read.object()), CellTexts(mine.object()));
    EXPECT_EQ(read->position().y, 30);
    EXPECT_EQ(read->columnWidth(1), 4.25);
    ASSERT_EQ(read->mergedRanges().size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const auto &x = read->mergedRanges()[i], &y = mine->mergedRanges()[i];
        EXPECT_EQ(std::tie(x.minRow, x.maxRow, x.minCol, x.maxCol), std::tie(y.minRow, y.maxRow, y.minCol, y.maxCol));
    }
    EXPECT_EQ(read->tableStyle().handle(), db->tablestyle().handle());
    ASSERT_EQ(read->xDataApps().size(), 7u);
    for (size_t a = 0; a < 7; ++a) {
        const auto &x = read->xDataApps()[a], &y = mine->xDataApps()[a];
        EXPECT_EQ(x.app, y.app);
        ASSERT_EQ(x.items.size(), y.items.size()) << a;
        for (size_t i = 0; i < x.items.size(); ++i) {
            EXPECT_EQ(x.items[i].code, y.items[i].code);
            EXPECT_EQ(x.items[i].text, y.items[i].text);
            EXPECT_EQ(x.items[i].number, y.items[i].number);
        }
    }
    // A later save of the reloaded drawing keeps the handles apart.
    EXPECT_GT(again.database->handseed().value(), tableId.handle().value());

    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    const std::string out = dxftest::RunPython(R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print('errors', len(doc.audit().errors))
t = doc.modelspace().query('ACAD_TABLE')[0]
print('apps', sorted(t.xdata.data.keys()))
print('db', [v for c, v in t.get_xdata('Database')])
print('texts', sorted(m.text for b in doc.blocks if b.name.startswith('*T') for m in b.query('MTEXT')))
)PY", path);
    EXPECT_NE(out.find("errors 0\n"), std::string::npos) << out;
    EXPECT_NE(out.find("apps ['4E679C82-0FD2-43e8-8D7F-465BF47E479F', 'Connect_Driver', 'Database', 'Password', 'SQL', "
                       "'Table', 'User']"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("db ['nwind.mdb']"), std::string::npos) << out;
    // Cells covered by a merged range draw no text of their own.
    EXPECT_NE(out.find("texts ['r0c0', 'r1c0', 'r1c1', 'r1c2', 'r2c0', 'r2c1', 'r3c0']"), std::string::npos) << out;
}

TEST(DrawingIo, UnreadableFileGivesOneErrorWithItsLine) {
    dxftest::ScratchDir dir;
    std::string text = dxftest::Slurp(dxftest::Fixture());
    text.resize(text.size() / 2);
    dxftest::Spit(dir.File("cut.dxf"), text);
    LoadedDrawing drawing = LoadDrawing(dir.File("cut.dxf"));
    EXPECT_FALSE(drawing);
    ASSERT_TRUE(drawing.error);
    EXPECT_NE(drawing.error->Message().find(dir.File("cut.dxf") + ": line "), std::string::npos) << drawing.error->Message();
    EXPECT_EQ(dxftest::Slurp(dir.File("cut.dxf")), text);
}

}  // namespace

namespace {

// A drawing written by ezdxf with what the database does not model: other entity types,
// paper space, blocks with attributes, extension dictionaries, other applications' data.
const char* kMakeDrawing = R"PY(
import sys, ezdxf
doc = ezdxf.new('R2018')
doc.appids.new('OTHER_APP')
msp = doc.modelspace()
line = msp.add_line((0, 0), (10, 0))
line.set_xdata('OTHER_APP', [(1000, 'kept'), (1040, 2.5), (1070, 7), (1010, (1, 2, 3))])
xd = line.new_extension_dict()
xd.add_dictionary_var('NOTE', 'line note')
msp.add_circle((5, 5), 2).set_xdata('OTHER_APP', [(1000, 'circle')])
msp.add_lwpolyline([(0, 0), (1, 1), (2, 0)])
msp.add_text('hello', dxfattribs={'height': 0.5})
msp.add_mtext('multi line')
blk = doc.blocks.new('PART')
blk.add_circle((0, 0), 1)
blk.add_attdef('TAG', (0, 0))
ref = msp.add_blockref('PART', (20, 20))
ref.add_attrib('TAG', 'value', (20, 20))
doc.layouts.get('Layout1').add_line((0, 0), (5, 5))
doc.rootdict.add_new_dict('MY_DICT')
doc.saveas(sys.argv[1])
)PY";

const char* kInventory = R"PY(
import sys, ezdxf
for path in sys.argv[1:]:
    doc = ezdxf.readfile(path)
    print('FILE errors', len(doc.audit().errors))
    print('\n'.join(sorted('%s %s %s' % (e.dxftype(), e.dxf.handle, e.dxf.owner) for e in doc.entitydb.values())))
)PY";

}  // namespace

TEST(DrawingIo, EzdxfDrawingKeepsEverythingThroughLoadChangeAndSave) {
    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    dxftest::ScratchDir dir;
    const std::string source = dir.File("ezdxf.dxf");
    int status = 0;
    dxftest::RunPython(kMakeDrawing, source, &status);
    ASSERT_EQ(status, 0);

    LoadedDrawing drawing = LoadDrawing(source);
    ASSERT_TRUE(drawing) << drawing.error->Message();
    AcDbDatabase& db = *drawing.database;
    auto original = Read(source);
    // Model space and paper space hold the entities of their layouts.
    {
        AcDbObjectPointer<AcDbBlockTableRecord> model(db.modelSpaceId(), AcDb::kForRead);
        EXPECT_EQ(model->entityIds().size(), original->entities.size() - 1);  // all but the paper-space line
        AcDbObjectPointer<AcDbBlockTableRecord> paper(db.paperSpaceId(), AcDb::kForRead);
        EXPECT_EQ(paper->entityIds().size(), 1u);
    }
    Handle lineHandle = 0, circleHandle = 0;
    for (const auto& e : original->entities) {
        if (e.Type() == "LINE" && e.Value(67) != "1") lineHandle = e.GetHandle();
        if (e.Type() == "CIRCLE") circleHandle = e.GetHandle();
    }
    {
        AcDbObjectPointer<AcDbEntity> circle(IdOf(db, circleHandle), AcDb::kForRead);
        ASSERT_TRUE(circle);
        EXPECT_STREQ(circle->entityTypeName(), L"CIRCLE");
        ASSERT_EQ(circle->xDataApps().size(), 1u);
        EXPECT_EQ(circle->xDataApps()[0].items[0].text, L"circle");
    }
    // A changed line keeps its extension dictionary and the other application's data.
    {
        AcDbObjectPointer<AcDbLine> line(IdOf(db, lineHandle), AcDb::kForWrite);
        ASSERT_TRUE(line);
        line->setEndPoint(AcGePoint3d(12, 3, 0));
    }
    const std::string saved = dir.File("saved.dxf");
    ASSERT_FALSE(SaveDrawing(db, saved));

    const std::string out = dxftest::RunPython(kInventory, source + " " + saved);
    const auto second = out.find("FILE", 1);
    ASSERT_NE(second, std::string::npos) << out;
    // The drawing had no table style and gains "Standard" in its (empty) style dictionary;
    // ezdxf gives the sequence end it adds on reading the next free handle, which differs.
    auto inventory = [](std::string text, std::string* style) {
        std::string kept;
        for (size_t pos = 0, end; pos < text.size(); pos = end + 1) {
            end = text.find('\n', pos);
            const std::string line = text.substr(pos, end - pos);
            if (line.rfind("TABLESTYLE ", 0) == 0 && style) *style = line;
            else if (line.rfind("SEQEND ", 0) != 0) kept += line + "\n";
        }
        return kept;
    };
    std::string style;
    EXPECT_EQ(inventory(out.substr(0, second), nullptr), inventory(out.substr(second), &style));
    EXPECT_EQ(out.substr(0, 14), "FILE errors 0\n") << out.substr(0, 300);

    const std::string check = dxftest::RunPython(R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
line = doc.entitydb[sys.argv[2]]
print(tuple(line.dxf.end), [(t.code, tuple(t.value) if t.code == 1010 else t.value) for t in line.get_xdata('OTHER_APP')], line.get_extension_dict()['NOTE'].value)
)PY", saved + " " + FormatHandle(lineHandle));
    EXPECT_EQ(check, "(12.0, 3.0, 0.0) [(1000, 'kept'), (1040, 2.5), (1070, 7), (1010, (1.0, 2.0, 3.0))] line note\n") << check;

    // Items that were not changed are written exactly as read.
    auto after = Read(saved);
    const auto a = ItemsByHandle(*original), b = ItemsByHandle(*after);
    const Handle styleHandle = FindTableStyle(*after, "Standard");
    ASSERT_NE(styleHandle, 0u);
    EXPECT_EQ(style.substr(0, style.rfind(' ')), "TABLESTYLE " + FormatHandle(styleHandle));
    const Handle styles = after->FindObject(styleHandle)->Owner();
    for (const auto& [h, text] : a)
        if (h != lineHandle) {
            ASSERT_TRUE(b.count(h)) << std::hex << h;
            EXPECT_EQ(b.at(h), h == styles ? text + "3=Standard\n350=" + FormatHandle(styleHandle) + "\n" : text) << std::hex << h;
        }
}

TEST(DrawingIo, ExtendedDataTheDatabaseRefusesSurvivesAChangeOfItsEntity) {
    dxftest::ScratchDir dir;
    auto doc = Read(dxftest::Fixture());
    const std::string longText(300, 'x');  // past the 255 bytes of one string item
    DxfObject* table = doc->FindObject(0x9C);
    ASSERT_NE(table, nullptr);
    doc->SetXData(*table, "LONG_APP", {doc->MakeTag(1000, longText), Tag{1070, "3"}});
    ASSERT_FALSE(SaveDxfFile(*doc, dir.File("long.dxf")));

    LoadedDrawing drawing = LoadDrawing(dir.File("long.dxf"));
    ASSERT_TRUE(drawing);
    {
        AcDbObjectPointer<AcDbTable> t(IdOf(*drawing.database, 0x9C), AcDb::kForWrite);
        ASSERT_TRUE(t);
        EXPECT_TRUE(t->xDataApps().empty());
        t->setTextString(1, 0, L"changed");
    }
    ASSERT_FALSE(SaveDrawing(*drawing.database, dir.File("saved.dxf")));
    auto saved = Read(dir.File("saved.dxf"));
    const std::vector<Tag> items = saved->FindObject(0x9C)->XData("LONG_APP");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].Value(), longText);
    EXPECT_EQ(items[1].Value(), "3");
    EXPECT_NE(dxftest::Dump(*saved).find("changed"), std::string::npos);
}
