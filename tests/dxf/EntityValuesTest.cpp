// Entity types are described once; the descriptions must agree with the group code ranges of the
// DXF reference, and reading and writing through them must keep what an entity held.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "dxf/DxfTemplate.h"
#include "dxf/EntityTypes.h"
#include "dxf/EntityValues.h"

using namespace platform::dxf;
using namespace platform::dxf::entities;

namespace {

DxfObject Object(std::initializer_list<Tag> tags) {
    DxfObject o;
    o.tags.assign(tags.begin(), tags.end());
    return o;
}

std::string Tags(const DxfObject& o) {
    std::string out;
    for (const Tag& t : o.tags) out += std::to_string(t.code) + "=" + std::string(t.Value()) + "|";
    return out;
}

bool KindFitsCode(ValueKind kind, int code) {
    switch (TagTypeOf(code)) {
    case TagType::Double: return kind == ValueKind::Real || kind == ValueKind::Point;
    case TagType::Int16:
    case TagType::Int32:
    case TagType::Int64:
    case TagType::Bool: return kind == ValueKind::Int;
    case TagType::Handle: return kind == ValueKind::Handle;
    case TagType::String: return kind == ValueKind::Text;
    default: return false;
    }
}

}  // namespace

// Each description: found by its name and only by it, each value of a kind its code can hold (a
// point's Y and Z codes too), no code twice in a subclass, and its followers and flag described.
TEST(EntityTypes, EveryDescriptionAgreesWithTheGroupCodesOfTheReference) {
    std::set<std::string_view> names;
    for (const EntityType* type : kEntityTypes) {
        SCOPED_TRACE(std::string(type->name));
        EXPECT_TRUE(names.insert(type->name).second) << "described twice";
        EXPECT_EQ(FindEntityType(type->name), type);
        for (const Subclass& subclass : type->subclasses) {
            EXPECT_EQ(subclass.marker.substr(0, 4), "AcDb");
            std::set<int> codes;
            for (const Field* f : subclass.fields) {
                SCOPED_TRACE(f->code);
                EXPECT_TRUE(KindFitsCode(f->kind, f->code));
                if (f->kind == ValueKind::Point) {
                    EXPECT_TRUE(KindFitsCode(f->kind, f->code + 10) && KindFitsCode(f->kind, f->code + 20));
                }
                if (f->chunkCode != 0) {
                    EXPECT_EQ(TagTypeOf(f->chunkCode), TagType::String);
                }
                EXPECT_TRUE(codes.insert(f->code).second) << "a code twice in " << subclass.marker;
                EXPECT_TRUE(f->subclass.empty() || f->subclass == subclass.marker) << "looked up after another subclass";
            }
        }
        if (!type->followers.empty()) {
            ASSERT_NE(FindEntityType(type->followers), nullptr);
            EXPECT_TRUE(FindEntityType(type->followers)->part);
        }
        if (type->followersFlag) {
            EXPECT_FALSE(type->followers.empty());
        }
    }
    EXPECT_EQ(FindEntityType("line"), nullptr) << "type names are compared as written";
    EXPECT_EQ(FindEntityType("SHAPE"), nullptr);
    EXPECT_TRUE(FindEntityType("SEQEND")->part);
}

// The first of a code is the value, a point's Y and Z directly after its X; every other tag is
// kept in order, an embedded object's too, and written after the described values.
TEST(EntityValues, ReadTakesTheFirstOfEachCodeAndKeepsEverythingElse) {
    const DxfObject text = Object({{0, "MTEXT"},     {5, "2A"},           {330, "1F"},     {100, "AcDbEntity"},
                                   {8, "Notes"},     {62, "     3"},      {100, "AcDbMText"}, {10, "1.5"},
                                   {20, "2.5"},      {30, "0.0"},         {40, "0.25"},    {3, "first chunk "},
                                   {1, "last part"}, {999, "a comment"},  {20, "9.0"},     {40, "0.5"},
                                   {101, "Embedded Object"}, {10, "7.0"}, {11, "1.0"},     {1001, "APP"},
                                   {1000, "kept"}});
    const auto v = EntityValues::Read(MText::type, text);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->handle, 0x2Au);
    EXPECT_EQ(v->owner, 0x1Fu);
    EXPECT_EQ(v->layer, "Notes");
    EXPECT_EQ(v->Get(MText::insert), (Point3{1.5, 2.5, 0}));
    EXPECT_EQ(v->Get(MText::height), 0.25);
    EXPECT_EQ(v->Get(MText::text), "first chunk last part");
    EXPECT_EQ(v->Get(MText::attachment), 1) << "absent: its default";
    EXPECT_EQ(v->Get(MText::xAxis), (Point3{})) << "an embedded object's 11 is not the text's";
    EXPECT_EQ(v->Get(Line::start), Line::start.fallback) << "another type's value";
    EXPECT_FALSE(EntityValues::Read(Line::type, text));

    Document doc;  // a short text goes out in one piece
    EXPECT_EQ(Tags(v->Write(doc)),
              "0=MTEXT|5=2A|330=1F|100=AcDbEntity|8=Notes|62=     3|100=AcDbMText|10=1.5|20=2.5|30=0.0|40=0.25|41=0.0|71=1|"
              "1=first chunk last part|7=Standard|999=a comment|20=9.0|40=0.5|101=Embedded Object|10=7.0|11=1.0|1001=APP|1000=kept|");
}

// An optional value is written when it was read (even at its default) or set to something else;
// a required one always. A value set changes only itself.
TEST(EntityValues, OptionalValuesAreWrittenWhenReadOrSetOtherwise) {
    Document doc;
    EntityValues fresh(Insert::type);
    fresh.Set(Insert::block, "DOOR");
    fresh.Set(Insert::rotation, 0.0);
    EXPECT_EQ(Tags(fresh.Write(doc)), "0=INSERT|5=0|330=0|100=AcDbEntity|8=0|100=AcDbBlockReference|2=DOOR|10=0.0|20=0.0|30=0.0|");
    fresh.Set(Insert::rotation, 90.0);
    fresh.Set(Insert::insert, {1, 2, 3});
    EXPECT_EQ(Tags(fresh.Write(doc)),
              "0=INSERT|5=0|330=0|100=AcDbEntity|8=0|100=AcDbBlockReference|2=DOOR|10=1.0|20=2.0|30=3.0|50=90.0|");

    const DxfObject scaled = Object({{0, "INSERT"}, {5, "40"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockReference"},
                                     {66, "1"}, {2, "WINDOW"}, {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {41, "1.0"}, {43, "2.0"}});
    auto read = EntityValues::Read(Insert::type, scaled);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Get(Insert::scaleY), 1.0);
    read->Set(Insert::insert, {5, 6, 0});
    EXPECT_EQ(Tags(read->Write(doc)),
              "0=INSERT|5=40|330=0|100=AcDbEntity|8=0|100=AcDbBlockReference|66=1|2=WINDOW|10=5.0|20=6.0|30=0.0|41=1.0|43=2.0|");
}

// Written and read again, an entity holds the same values: long texts (chunked on a character's
// boundary, line ends as paragraph breaks) and a type of two subclasses, whose markers are not
// kept twice. An R12 entity, without markers, reads the same values.
TEST(EntityValues, WhatIsWrittenReadsBackAsTheSameValues) {
    Document doc;
    EntityValues mtext(MText::type);
    std::string contents;
    for (int i = 0; i < 150; ++i) contents += "\xC3\xA9t\xC3\xA9 ";
    mtext.Set(MText::text, contents + "\nsecond line");
    mtext.Set(MText::rotation, 30);
    const DxfObject written = mtext.Write(doc);
    int chunks = 0;
    for (const Tag& t : written.tags) chunks += t.code == MText::text.chunkCode;
    EXPECT_GE(chunks, 3);
    const auto again = EntityValues::Read(MText::type, written);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Get(MText::text), contents + "\\Psecond line");
    EXPECT_EQ(again->Get(MText::rotation), 30);
    EXPECT_EQ(Tags(again->Write(doc)), Tags(written));

    EntityValues text(Text::type);
    text.Set(Text::text, "abc");
    text.Set(Text::vertical, 2);
    const DxfObject textObject = text.Write(doc);
    const auto textAgain = EntityValues::Read(Text::type, textObject);
    ASSERT_TRUE(textAgain);
    EXPECT_EQ(textAgain->Get(Text::vertical), 2);
    EXPECT_EQ(Tags(textAgain->Write(doc)), Tags(textObject)) << "one marker a subclass, once";

    const DxfObject r12 = Object({{0, "LINE"}, {8, "WALLS"}, {5, "2F"}, {10, "1.0"}, {20, "2.0"}, {62, "1"}, {11, "3.0"}, {21, "4.0"}});
    const auto line = EntityValues::Read(Line::type, r12);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->layer, "WALLS");
    EXPECT_EQ(line->handle, 0x2Fu);
    EXPECT_EQ(line->Get(Line::start), (Point3{1, 2, 0}));
    EXPECT_EQ(line->Get(Line::end), (Point3{3, 4, 0}));
}
