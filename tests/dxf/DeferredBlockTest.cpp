// Text kept as read: entities of blocks outside the layouts until something needs them, and large
// objects while their tags stay as read. What the document answers, writes and parses from them
// must be what it would with everything parsed and written anew.
#include <gtest/gtest.h>

#include "dxf/AcadTable.h"
#include "dxf/DeferredEntityStream.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfTemplate.h"
#include "DxfTestUtil.h"
#include "dxf/DxfWriter.h"
#include "dxf/TableBlock.h"

using namespace platform::dxf;

namespace {

std::string WithCrlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::unique_ptr<Document> ReadText(const std::string& text, ReadOptions options = {}) {
    ReadResult r = ReadDxfText(text, "test.dxf", options);
    EXPECT_TRUE(r) << (r.error ? r.error->Message() : "");
    return std::move(r.document);
}

std::string TagsText(const std::vector<DxfObject>& objects) {
    std::string out;
    for (const DxfObject& o : objects)
        for (const Tag& t : o.tags) out += std::to_string(t.code) + "=" + std::string(t.Value()) + "\n";
    return out;
}

// A drawing of the given version with one ordinary block, whose entities are given as text.
std::string DrawingWithBlock(const std::string& version, const std::string& entities) {
    return "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\n" + version +
           "\n  0\nENDSEC\n"
           "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nAPPID\n  5\n9\n 70\n     0\n  0\nENDTAB\n  0\nENDSEC\n"
           "  0\nSECTION\n  2\nBLOCKS\n"
           "  0\nBLOCK\n  5\n20\n  8\n0\n  2\n*Model_Space\n 70\n     0\n"
           "  0\nLINE\n  5\n21\n  8\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 11\n1.0\n 21\n1.0\n 31\n0.0\n"
           "  0\nENDBLK\n  5\n22\n  8\n0\n"
           "  0\nBLOCK\n  5\n30\n  8\n0\n  2\nDOOR\n 70\n     0\n" +
           entities +
           "  0\nENDBLK\n  5\n3F\n  8\n0\n"
           "  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n";
}

const std::string kLine = "  0\nLINE\n  5\n31\n330\n30\n100\nAcDbEntity\n  8\n0\n100\nAcDbLine\n 10\n0.0\n 20\n0.0\n"
                          " 30\n0.0\n 11\n2.5\n 21\n-1.25\n 31\n0.0\n";

}  // namespace

// The fixture's table block, from a real CAD program, is deferred; parsed later it gives the
// entities an eager read gives, and written as it is it gives what writing those entities gives.
TEST(DeferredBlocks, FixtureTableBlockReadsWritesAndParsesAsWhenParsedAtOnce) {
    const std::string text = dxftest::Slurp(dxftest::Fixture());
    auto deferred = ReadText(text);
    auto eager = ReadText(text, {.keepText = false});
    ASSERT_TRUE(deferred && eager);
    Block* block = deferred->FindBlock("*T1");
    ASSERT_NE(block, nullptr);
    ASSERT_NE(block->Deferred(), nullptr);
    ASSERT_EQ(eager->FindBlock("*T1")->Deferred(), nullptr);
    EXPECT_EQ(deferred->FindBlock("*Model_Space")->Deferred(), nullptr);

    EXPECT_EQ(deferred->MaxHandle(), eager->MaxHandle());
    EXPECT_EQ(FindTableEntities(*deferred).size(), FindTableEntities(*eager).size());
    EXPECT_EQ(WriteDxfToString(*deferred), WriteDxfToString(*eager));
    EXPECT_NE(block->Deferred(), nullptr);  // none of that needed the entities

    // A handle of the block is found, which parses it.
    const Handle inside = eager->FindBlock("*T1")->Entities().front().GetHandle();
    ASSERT_NE(deferred->FindObject(inside), nullptr);
    EXPECT_EQ(block->Deferred(), nullptr);
    EXPECT_EQ(TagsText(block->Entities()), TagsText(eager->FindBlock("*T1")->Entities()));
}

// The entities of the named block streamed from the deferred read of the text, checked against
// an eager read of the same text.
// The entities streamed point into the drawing's text, so `check` sees them while the drawing
// lives; returns how many there were.
size_t StreamAgainstEagerRead(const std::string& text, const std::string& name,
                              const std::function<void(const std::vector<DxfObject>&)>& check = {}) {
    auto deferred = ReadText(text);
    auto eager = ReadText(text, {.keepText = false});
    if (!deferred || !eager) return 0;
    const Block* block = deferred->FindBlock(name);
    EXPECT_NE(block, nullptr);
    if (!block || !block->Deferred()) {
        ADD_FAILURE() << name << " was not deferred";
        return 0;
    }
    DeferredEntityStream stream(*block->Deferred());
    std::vector<DxfObject> streamed;
    DxfObject entity;
    while (stream.Next(entity)) streamed.push_back(entity);
    EXPECT_FALSE(stream.Next(entity));
    EXPECT_EQ(TagsText(streamed), TagsText(eager->FindBlock(name)->Entities()));
    EXPECT_NE(block->Deferred(), nullptr);  // streaming leaves the block unparsed
    if (check) check(streamed);
    return streamed.size();
}

// Read one at a time, a deferred block's entities are the ones an eager read gives, and the
// block stays unparsed: the fixture's table block, and a block of codes of one to four digits,
// groups, extended data, empty and padded values; with LF line ends and with CR LF.
TEST(DeferredBlocks, AStreamOfTheEntitiesGivesWhatAnEagerReadGives) {
    const std::string door =
        DrawingWithBlock("AC1027", kLine + "  0\nTEXT\n  5\n32\n102\n{ACAD_REACTORS\n330\n30\n102\n}\n330\n30\n100\nAcDbEntity\n  8\n0\n"
                                           "100\nAcDbText\n 10\n1.0\n 20\n2.0\n 30\n0.0\n 40\n2.5\n  1\n\n  7\n  Standard  \n"
                                           "1001\nVELLORIA\n1000\n padded \n1070\n    12\n1040\n-0.5\n" + kLine);
    for (const bool crlf : {false, true}) {
        SCOPED_TRACE(crlf ? "CR LF" : "LF");
        const auto form = [crlf](const std::string& text) { return crlf ? WithCrlf(text) : text; };
        EXPECT_NE(StreamAgainstEagerRead(form(dxftest::Slurp(dxftest::Fixture())), "*T1"), 0u);
        const size_t count = StreamAgainstEagerRead(form(door), "DOOR", [](const std::vector<DxfObject>& streamed) {
            ASSERT_EQ(streamed.size(), 3u);
            EXPECT_EQ(streamed[1].Value(1000), " padded ");
            EXPECT_EQ(streamed[1].Value(1), "");
        });
        EXPECT_EQ(count, 3u);
    }
}

// Only text the writer would write the same way (but for CR LF line ends) is deferred; anything
// else is parsed at once, and either way the block reads and writes the same, with LF line ends.
TEST(DeferredBlocks, OnlyTextWrittenAsTheWriterWritesItIsDeferred) {
    struct Case {
        const char* what;
        std::string text;
        bool deferred;
    } cases[] = {
        {"as written", DrawingWithBlock("AC1027", kLine), true},
        {"R2000", DrawingWithBlock("AC1015", kLine), true},
        {"R12 keeps its own form", DrawingWithBlock("AC1009", kLine), false},
        {"codes aligned left", DrawingWithBlock("AC1027", "0\nLINE\n5\n31\n8\n0\n10\n0.0\n20\n0.0\n"), false},
        {"code with a leading zero", DrawingWithBlock("AC1027", "  0\nLINE\n  5\n31\n008\n0\n"), false},
        {"escaped text", DrawingWithBlock("AC1027", "  0\nTEXT\n  5\n31\n  8\n0\n  1\ncaf\\U+00E9\n"), false},
        {"carriage returns", WithCrlf(DrawingWithBlock("AC1027", kLine)), true},
        {"carriage returns on some lines", DrawingWithBlock("AC1027", "  0\r\nLINE\n  5\n31\r\n  8\r\n0\n 10\n0.0\r\n"), true},
        {"a carriage return in a value", DrawingWithBlock("AC1027", "  0\nTEXT\n  5\n31\n  8\n0\n  1\na\rb\n"), false},
        {"no entities", DrawingWithBlock("AC1027", ""), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto doc = ReadText(c.text);
        auto parsed = ReadText(c.text);
        ASSERT_TRUE(doc && parsed);
        const Block* block = doc->FindBlock("DOOR");
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(block->Deferred() != nullptr, c.deferred);
        parsed->FindBlock("DOOR")->Entities();  // parsed before writing
        const std::string written = WriteDxfToString(*doc);
        EXPECT_EQ(written, WriteDxfToString(*parsed));
        EXPECT_EQ(written.find('\r'), std::string::npos);
        EXPECT_EQ(TagsText(doc->FindBlock("DOOR")->Entities()), TagsText(parsed->FindBlock("DOOR")->Entities()));
    }
    auto escaped = ReadText(DrawingWithBlock("AC1027", "  0\nTEXT\n  5\n31\n  8\n0\n  1\ncaf\\U+00E9\n"));
    EXPECT_EQ(escaped->FindBlock("DOOR")->Entities().front().Value(1), "caf\xC3\xA9");
}

// A block of lines and texts is sketched when a view asks: its lines (ends as read, one look
// per kind of line) and its tallest text. Anything a sketch could not stand for leaves none.
TEST(DeferredBlocks, ABlockOfLinesAndTextsIsSketchedWhenAskedAndOnlyThen) {
    const auto line = [](const std::string& handle, const std::string& color, const std::string& ends) {
        return "  0\nLINE\n  5\n" + handle + "\n330\n30\n100\nAcDbEntity\n  8\n0\n 62\n" + color + "\n100\nAcDbLine\n" + ends;
    };
    const auto mtext = [](const std::string& handle, const std::string& height, const std::string& extra) {
        return "  0\nMTEXT\n  5\n" + handle + "\n330\n30\n100\nAcDbEntity\n  8\n0\n100\nAcDbMText\n 10\n0.0\n 20\n0.0\n 30\n0.0\n" +
               (height.empty() ? "" : " 40\n" + height + "\n") + extra;
    };
    const std::string ends = " 10\n1.5\n 20\n-2.0\n 30\n0.0\n 11\n4.0\n 21\n-2.0\n 31\n0.0\n";
    const std::string sketchable = line("31", "     1", ends) + mtext("32", "0.25", "  1\nA\\PB\n") + line("33", "     1", ends) +
                                   mtext("34", "0.5", "  3\nlong \n  1\ntext\n") + line("35", "     5", ends);
    ReadResult read = ReadDxfText(DrawingWithBlock("AC1027", sketchable), "test.dxf", {.sketches = true});
    ASSERT_TRUE(read);
    Block* block = read.document->FindBlock("DOOR");
    ASSERT_NE(block->Deferred(), nullptr);
    const BlockSketch* sketch = block->Sketch();
    ASSERT_NE(sketch, nullptr);
    ASSERT_EQ(sketch->lines.size(), 3u);
    EXPECT_EQ(sketch->looks.size(), 2u) << "two lines of colour 1 look alike, whatever their handles";
    EXPECT_EQ(sketch->lines[0].look, sketch->lines[1].look);
    EXPECT_NE(sketch->lines[0].look, sketch->lines[2].look);
    EXPECT_EQ(sketch->lines[2].ends[0], "1.5");
    EXPECT_EQ(sketch->lines[2].ends[4], "-2.0");
    EXPECT_EQ(sketch->looks[sketch->lines[2].look]->Value(62), "     5");
    EXPECT_DOUBLE_EQ(sketch->largestText, 0.5);
    EXPECT_EQ(sketch->texts, 2u);

    EXPECT_EQ(ReadText(DrawingWithBlock("AC1027", sketchable))->FindBlock("DOOR")->Sketch(), nullptr) << "not asked for";
    block->Entities();  // may change them now
    EXPECT_EQ(block->Sketch(), nullptr);

    const struct {
        const char* what;
        std::string entities;
    } unsketchable[] = {
        {"a solid fill", line("31", "     1", ends) + "  0\nSOLID\n  5\n36\n330\n30\n100\nAcDbEntity\n  8\n0\n"},
        {"an inline height", mtext("32", "0.25", "  1\n{\\H3x;big}\n")},
        {"an inline width factor", mtext("32", "0.25", "  1\n\\W4;wide\n")},
        {"a background fill", mtext("32", "0.25", "  1\nA\n 90\n        1\n")},
        {"a text taking its style's height", mtext("32", "", "  1\nA\n")},
        {"a line with thickness", line("31", "     1", ends + " 39\n2.0\n")},
    };
    for (const auto& c : unsketchable) {
        SCOPED_TRACE(c.what);
        ReadResult r = ReadDxfText(DrawingWithBlock("AC1027", c.entities), "test.dxf", {.sketches = true});
        ASSERT_TRUE(r) << r.error->Message();
        EXPECT_NE(r.document->FindBlock("DOOR")->Deferred(), nullptr);
        EXPECT_EQ(r.document->FindBlock("DOOR")->Sketch(), nullptr);
    }
}

// What saving needs of deferred entities without parsing them: the highest handle, the
// applications their extended data names, whether a table is among them.
TEST(DeferredBlocks, SavingKnowsHandlesApplicationsAndTablesOfDeferredEntities) {
    const std::string entities = kLine +
                                 "  0\nLINE\n  5\n7A\n330\n30\n100\nAcDbEntity\n  8\n0\n100\nAcDbLine\n 10\n0.0\n"
                                 " 20\n0.0\n 30\n0.0\n 11\n1.0\n 21\n1.0\n 31\n0.0\n1001\nSURVEYOR\n1000\npoint 7\n" +
                                 "  0\nACAD_TABLE\n  5\n40\n330\n30\n100\nAcDbEntity\n  8\n0\n100\nAcDbBlockReference\n"
                                 "  2\n*T9\n 10\n0.0\n 20\n0.0\n 30\n0.0\n100\nAcDbTable\n 91\n0\n 92\n0\n";
    auto doc = ReadText(DrawingWithBlock("AC1027", entities));
    ASSERT_TRUE(doc);
    ASSERT_NE(doc->FindBlock("DOOR")->Deferred(), nullptr);
    EXPECT_EQ(doc->MaxHandle(), 0x7Au);
    EXPECT_EQ(doc->FindObject(0x99), nullptr);  // above every handle of the block
    EXPECT_NE(doc->FindBlock("DOOR")->Deferred(), nullptr);
    PrepareForSave(*doc);
    ASSERT_NE(doc->FindTable("APPID"), nullptr);
    EXPECT_NE(doc->FindTable("APPID")->FindRecord("SURVEYOR"), nullptr);
    EXPECT_GT(doc->HeaderValue("$HANDSEED", 5)->AsHandle().value_or(0), 0x7Au);
    bool tableClass = false;
    for (const DxfObject& c : doc->classes) tableClass |= c.Value(1) == "ACAD_TABLE";
    EXPECT_TRUE(tableClass);
    ASSERT_EQ(FindTableEntities(*doc).size(), 1u);
    EXPECT_EQ(FindTableEntities(*doc).front()->GetHandle(), 0x40u);
    EXPECT_EQ(doc->FindObject(0x7A)->Value(1000), "point 7");
}

// A damaged value inside a block that would be deferred is reported at its own line.
TEST(DeferredBlocks, DamagedValueInABlockIsReportedAtItsLine) {
    std::string text = DrawingWithBlock("AC1027", kLine);
    const size_t at = text.find(" 11\n2.5\n");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 8, " 11\n2,5\n");
    const size_t line = static_cast<size_t>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n')) + 2;
    ReadResult r = ReadDxfText(text, "damaged.dxf");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error->line, line) << r.error->Message();
}

// A large object (a table's entity) read in the writer's form is written back as read while its
// tags are the ones read; a change to any tag, in place or not, and it is written from its tags.
TEST(VerbatimObjects, ALargeObjectIsWrittenAsReadUntilItsTagsChange) {
    auto made = NewDocument();
    AcadTable table;
    table.Resize(40, 5, 0.5, 2.0);
    for (int r = 0; r < 40; ++r)
        for (int c = 0; c < 5; ++c) table.Cell(r, c).text = std::to_string(r) + "," + std::to_string(c);
    StoreTable(*made, table);
    const std::string text = WriteDxfToString(*made);

    auto doc = ReadText(text);
    auto eager = ReadText(text, {.keepText = false});
    auto windows = ReadText(WithCrlf(text));
    ASSERT_TRUE(doc && eager && windows);
    ASSERT_EQ(FindTableEntities(*doc).size(), 1u);
    auto* entity = const_cast<DxfObject*>(FindTableEntities(*doc).front());
    ASSERT_GE(entity->tags.size(), 256u);
    EXPECT_NE(doc->VerbatimOf(*entity), nullptr);
    EXPECT_EQ(eager->VerbatimOf(*FindTableEntities(*eager).front()), nullptr);
    const VerbatimText* crlf = windows->VerbatimOf(*FindTableEntities(*windows).front());
    ASSERT_NE(crlf, nullptr);
    EXPECT_TRUE(crlf->carriageReturns);
    EXPECT_EQ(WriteDxfToString(*doc), WriteDxfToString(*eager));
    EXPECT_EQ(WriteDxfToString(*windows), WriteDxfToString(*eager)) << "written with LF alone";

    // The same value from other storage: no longer the tags read, and written alike.
    const auto cell = std::find_if(entity->tags.begin(), entity->tags.end(), [](const Tag& t) { return t.Is(1, "17,3"); });
    ASSERT_NE(cell, entity->tags.end());
    cell->SetValue(doc->Keep("17,3"));
    EXPECT_EQ(doc->VerbatimOf(*entity), nullptr);
    EXPECT_EQ(WriteDxfToString(*doc), WriteDxfToString(*eager));

    // Rewritten in place (its tag list reused) with one cell changed: the change is written.
    auto again = ReadText(text);
    auto* rewritten = const_cast<DxfObject*>(FindTableEntities(*again).front());
    auto parsed = ParseAcadTable(*rewritten);
    ASSERT_TRUE(parsed);
    parsed->Cell(17, 3).text = "changed";
    AcadTableToObject(*parsed, *again, *rewritten);
    EXPECT_EQ(again->VerbatimOf(*rewritten), nullptr);
    auto reread = ReadText(WriteDxfToString(*again));
    ASSERT_TRUE(reread);
    const auto written = ParseAcadTable(*FindTableEntities(*reread).front());
    ASSERT_TRUE(written);
    EXPECT_EQ(written->Cell(17, 3).text, "changed");
    EXPECT_EQ(written->Cell(17, 2).text, "17,2");
}
