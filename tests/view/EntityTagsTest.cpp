// An entity's own codes end at its extended data or an embedded object, whose codes mean other
// things. Small entities are indexed at once; a large one finds its end by the first lookup or
// walk that passes it. Whichever is asked first, every answer stays within the entity's own codes.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "view/EntityTags.h"

using platform::dxf::DxfObject;
using platform::dxf::Tag;
using platform::view::EntityTags;

namespace {

// TYPE, its common codes, `filler` integers, then the terminator and codes that must not be seen.
DxfObject Entity(int filler, int terminator) {
    DxfObject o;
    o.tags = {Tag(0, "LINE"), Tag(100, "AcDbEntity"), Tag(8, "Walls"), Tag(100, "AcDbLine")};
    for (int i = 0; i < filler; ++i) o.tags.emplace_back(90, "7");
    o.tags.emplace_back(terminator, terminator == 101 ? "Embedded Object" : "APP");
    o.tags.insert(o.tags.end(), {Tag(62, "5"), Tag(100, "AcDbHidden"), Tag(10, "1.0"), Tag(20, "2.0"), Tag(8, "Hidden")});
    return o;
}

}  // namespace

TEST(EntityTags, OwnCodesEndAtExtendedDataOrAnEmbeddedObjectWhateverIsAskedFirst) {
    const std::vector<std::pair<const char*, std::function<void(const EntityTags&)>>> firsts = {
        {"nothing", [](const EntityTags&) {}},
        {"a code it lacks", [](const EntityTags& t) { EXPECT_FALSE(t.Has(62)); }},
        {"a subclass it lacks", [](const EntityTags& t) { EXPECT_EQ(t.After("AcDbHidden"), 0u); }},
        {"a walk", [](const EntityTags& t) {
             size_t i = 0;
             while (!t.Ends(i)) ++i;
             EXPECT_TRUE(t[i].code == 1001 || t[i].code == 101);
         }},
        {"a code it has", [](const EntityTags& t) { EXPECT_EQ(t.String(8), "Walls"); }},
        {"a later search", [](const EntityTags& t) { EXPECT_EQ(t.Find(8, 3), t.End()); }},
    };
    for (const int filler : {3, 300, 5000})
        for (const int terminator : {1001, 101})
            for (const auto& [what, first] : firsts) {
                SCOPED_TRACE(std::to_string(filler) + " tags, ended by " + std::to_string(terminator) + ", first asked " + what);
                const DxfObject o = Entity(filler, terminator);
                const size_t end = static_cast<size_t>(4 + filler);
                const EntityTags t(o);
                first(t);
                EXPECT_EQ(t.End(), end);
                EXPECT_TRUE(t.Ends(end));
                EXPECT_FALSE(t.Ends(end - 1));
                EXPECT_FALSE(t.Has(62));
                EXPECT_EQ(t.Find(10), end);
                EXPECT_EQ(t.Point(10, {9, 9, 9}).x, 9);
                EXPECT_EQ(t.After("AcDbHidden"), 0u);
                EXPECT_EQ(t.After("AcDbLine"), 4u);
                EXPECT_EQ(t.String(8), "Walls");
                EXPECT_EQ(t.Find(8, 3), end);
                EXPECT_EQ(t.Int(90, -1, end - 1), 7);
            }
}
