// The drawing written by a CAD program: its table reads with the right cells, it survives a
// load and save unchanged, and our anonymous block lays the table out as that program did.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "dxf/AcadTable.h"
#include "dxf/DxfReader.h"
#include "DxfTestUtil.h"
#include "dxf/DxfWriter.h"
#include "dxf/EntityTypes.h"
#include "dxf/EntityValues.h"
#include "dxf/TableBlock.h"

using namespace platform::dxf;
using dxftest::Fixture;

namespace {

std::unique_ptr<Document> LoadFixture() {
    ReadResult r = ReadDxfFile(Fixture());
    EXPECT_TRUE(r) << (r.error ? r.error->Message() : "");
    return std::move(r.document);
}

}  // namespace

TEST(DxfFixture, ReadsSectionsHeaderAndTheTable) {
    auto doc = LoadFixture();
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->Version(), "AC1027");
    ASSERT_TRUE(doc->HeaderValue("$HANDSEED", 5));
    EXPECT_EQ(TrimBlanks(doc->HeaderValue("$DWGCODEPAGE", 3)->Value()), "ANSI_1252");
    EXPECT_EQ(doc->tables.size(), 9u);
    EXPECT_TRUE(doc->FindTable("appid")->FindRecord("ACAD"));
    EXPECT_EQ(doc->FindTable("DIMSTYLE")->records.front().GetHandle(), 0x42u);  // handle under 105

    const auto tables = FindTableEntities(*doc);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0]->GetHandle(), 0x9Cu);
    EXPECT_EQ(tables[0]->Owner(), 0x1Fu);  // model space, not the 330 inside no group
    std::string why;
    const auto table = ParseAcadTable(*tables[0], &why);
    ASSERT_TRUE(table) << why;
    EXPECT_EQ(table->blockName, "*T1");
    EXPECT_EQ(table->tableStyle, 0x6Bu);
    EXPECT_EQ(table->blockRecord, 0x9Du);
    EXPECT_EQ(table->insertion[0], 105.0);
    EXPECT_EQ(table->insertion[1], 145.0);
    ASSERT_EQ(table->rows, 3);
    ASSERT_EQ(table->columns, 3);
    EXPECT_EQ(table->rowHeights, (std::vector<double>{11, 9, 9}));
    EXPECT_EQ(table->columnWidths, (std::vector<double>{152, 152, 152}));
    EXPECT_EQ(table->Cell(0, 0).text, "Title");
    EXPECT_EQ(table->Cell(0, 0).spanColumns, 3);
    EXPECT_NE(table->Cell(0, 1).merged, 0);
    EXPECT_EQ(table->Cell(0, 1).text, "");
    const char* expected[2][3] = {{"1", "2", "3"}, {"4", "5", "6"}};
    for (int r = 1; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(table->Cell(r, c).text, expected[r - 1][c]) << r << "," << c;
    // The extension dictionary stays with the entity; the stale proxy graphics do not.
    ASSERT_FALSE(table->entityTags.empty());
    EXPECT_EQ(table->entityTags.front().Value(), "{ACAD_XDICTIONARY");
    EXPECT_TRUE(std::none_of(table->entityTags.begin(), table->entityTags.end(),
                             [](const OwnedTag& t) { return t.code == 310; }));
}

TEST(DxfFixture, WritesBackByteForByteAndSavesUnchanged) {
    const std::string original = dxftest::Slurp(Fixture());
    auto doc = LoadFixture();
    ASSERT_TRUE(doc);
    EXPECT_EQ(WriteDxfToString(*doc), original);

    dxftest::ScratchDir dir;
    const std::string saved = dir.File("saved.dxf");
    const auto err = SaveDxfFile(*doc, saved);
    ASSERT_FALSE(err) << err->Message();
    ReadResult again = ReadDxfFile(saved);
    ASSERT_TRUE(again) << again.error->Message();
    EXPECT_EQ(dxftest::Dump(*again.document), dxftest::Dump(*LoadFixture()));
}

// Regenerating the fixture's block from its table and style gives the texts and grid lines the
// CAD program drew, at the same places.
TEST(DxfFixture, RegeneratedBlockMatchesTheCadProgramsLayout) {
    auto doc = LoadFixture();
    ASSERT_TRUE(doc);
    const auto table = ParseAcadTable(*FindTableEntities(*doc)[0]);
    ASSERT_TRUE(table);
    const DxfObject* styleObject = doc->FindObject(table->tableStyle);
    ASSERT_TRUE(styleObject);
    const TableStyleInfo style = ParseTableStyle(*styleObject);
    EXPECT_EQ(style.horizontalMargin, 1.5);
    EXPECT_EQ(style.title.textHeight, 6.0);
    EXPECT_EQ(style.data.alignment, 2);

    const Block* original = doc->FindBlock("*T1");
    ASSERT_TRUE(original);
    Block regenerated;
    BuildTableBlock(*doc, *table, style, regenerated);

    auto texts = [](const Block& b) {
        std::vector<std::string> out;
        for (const DxfObject& e : b.Entities())
            if (e.Type() == "MTEXT") {
                char buf[200];
                std::snprintf(buf, sizeof buf, "%s @%g,%g h%g w%g a%lld", std::string(e.Value(1)).c_str(),
                              e.Find(10)->DoubleOr(0), e.Find(20)->DoubleOr(0), e.Find(40)->DoubleOr(0),
                              e.Find(41)->DoubleOr(0), static_cast<long long>(e.Find(71)->IntOr(0)));
                out.push_back(buf);
            }
        std::sort(out.begin(), out.end());
        return out;
    };
    auto lines = [](const Block& b) {
        std::vector<std::array<double, 4>> out;
        for (const DxfObject& e : b.Entities())
            if (e.Type() == "LINE") {
                std::array<double, 4> l{e.Find(10)->DoubleOr(0), e.Find(20)->DoubleOr(0), e.Find(11)->DoubleOr(0),
                                        e.Find(21)->DoubleOr(0)};
                if (l[0] > l[2] || (l[0] == l[2] && l[1] < l[3])) l = {l[2], l[3], l[0], l[1]};
                out.push_back(l);
            }
        std::sort(out.begin(), out.end());
        return out;
    };
    EXPECT_EQ(texts(regenerated), texts(*original));
    EXPECT_EQ(lines(regenerated).size(), 8u);
    EXPECT_EQ(lines(regenerated), lines(*original));
}

TEST(DxfFixture, EzdxfFindsEverythingAfterASave) {
    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    auto doc = LoadFixture();
    ASSERT_TRUE(doc);
    dxftest::ScratchDir dir;
    const std::string saved = dir.File("saved.dxf");
    ASSERT_FALSE(SaveDxfFile(*doc, saved));
    const std::string script = R"PY(
import sys, ezdxf
for path in sys.argv[1:]:
    doc = ezdxf.readfile(path)
    audit = doc.audit()
    items = sorted('%s %s' % (e.dxftype(), e.dxf.handle) for e in doc.entitydb.values())
    print('FILE errors=%d items=%d' % (len(audit.errors), len(items)))
    print('\n'.join(items))
)PY";
    const std::string out = dxftest::RunPython(script, Fixture() + " " + saved);
    const auto second = out.find("FILE", 1);
    ASSERT_NE(second, std::string::npos) << out;
    const std::string before = out.substr(0, second), after = out.substr(second);
    EXPECT_EQ(before, after);
    EXPECT_NE(before.find("errors=0"), std::string::npos) << before.substr(0, 200);
    EXPECT_NE(after.find("ACAD_TABLE 9C"), std::string::npos);
}

// Refilling the CAD program's table: the entity keeps its handle, the block shows the new
// texts, and the newer content copy that would override our data is gone without a trace.
TEST(DxfFixture, RefilledTableReplacesTheCadProgramsContentCopy) {
    auto doc = LoadFixture();
    ASSERT_TRUE(doc);
    auto table = ParseAcadTable(*FindTableEntities(*doc)[0]);
    ASSERT_TRUE(table);
    table->Resize(4, 3, 9.0, 152.0);
    table->Cell(1, 0).text = "Name";
    table->Cell(3, 2).text = "refilled";
    table->xdata = {{1001, "Database"}, {1000, "plant.mdb"}};
    EXPECT_EQ(StoreTable(*doc, *table), 0x9Cu);
    EXPECT_FALSE(doc->FindObject(0xB3));  // the round-trip record
    EXPECT_FALSE(doc->FindObject(0xAF));  // TABLECONTENT
    EXPECT_FALSE(doc->FindObject(0xB0));  // TABLEGEOMETRY
    ASSERT_TRUE(doc->FindObject(0xB2));   // the extension dictionary stays, without the entry
    EXPECT_EQ(doc->FindObject(0xB2)->Find(3), nullptr);
    EXPECT_EQ(doc->FindBlock("*T1")->Entities().size(), 8u + 5u + 4u);  // texts, row and column lines

    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    dxftest::ScratchDir dir;
    const std::string path = dir.File("refilled.dxf");
    ASSERT_FALSE(SaveDxfFile(*doc, path));
    const std::string out = dxftest::RunPython(R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
audit = doc.audit()
print('errors', len(audit.errors))
t = doc.entitydb['9C']
print('xdata', [tag.value for tag in t.get_xdata('Database')])
print('texts', sorted(m.text for m in doc.blocks.get('*T1').query('MTEXT')))
print('contents', len(doc.objects.query('TABLECONTENT')))
)PY", path);
    EXPECT_NE(out.find("errors 0"), std::string::npos) << out;
    EXPECT_NE(out.find("xdata ['plant.mdb']"), std::string::npos) << out;
    EXPECT_NE(out.find("texts ['2', '3', '4', '5', '6', 'Name', 'Title', 'refilled']"), std::string::npos) << out;
    EXPECT_NE(out.find("contents 0"), std::string::npos) << out;
}

// The CAD program's own texts and lines read through the entity codecs, and come back with
// every tag they had.
TEST(DxfFixture, EntityCodecsReadAndKeepTheBlocksEntities) {
    auto doc = LoadFixture();
    ASSERT_TRUE(doc);
    const Block* block = doc->FindBlock("*T1");
    ASSERT_TRUE(block);
    using namespace entities;
    const auto title = EntityValues::Read(MText::type, block->Entities()[0]);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->Get(MText::text), "Title");
    EXPECT_EQ(title->Get(MText::insert), (Point3{228.0, -5.5, 0}));
    EXPECT_EQ(title->Get(MText::height), 6.0);
    EXPECT_EQ(title->Get(MText::width), 453.0);
    EXPECT_EQ(title->Get(MText::attachment), 5);
    EXPECT_EQ(title->Get(MText::style), "Standard");
    EXPECT_EQ(title->owner, 0x9Du);
    const DxfObject* lineObject = nullptr;
    for (const DxfObject& e : block->Entities())
        if (e.Type() == "LINE") lineObject = lineObject ? lineObject : &e;
    ASSERT_TRUE(lineObject);
    const auto line = EntityValues::Read(Line::type, *lineObject);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Get(Line::end).x, 456.0);
    EXPECT_FALSE(EntityValues::Read(Line::type, block->Entities()[0]));  // an MTEXT is no line

    for (const DxfObject& original : block->Entities()) {
        const auto values = EntityValues::Read(original.Type() == "LINE" ? Line::type : MText::type, original);
        ASSERT_TRUE(values);
        const DxfObject again = values->Write(*doc);
        for (const Tag& t : original.tags) {
            const bool kept = std::any_of(again.tags.begin(), again.tags.end(), [&t](const Tag& u) {
                if (u.code != t.code) return false;
                if (t.Type() == TagType::String || t.Type() == TagType::Handle) return u.Value() == t.Value();
                return u.AsDouble() == t.AsDouble();
            });
            EXPECT_TRUE(kept) << original.Type() << " lost " << t.code << " " << t.Value();
        }
    }
}
