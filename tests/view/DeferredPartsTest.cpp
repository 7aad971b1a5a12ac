// A deferred block read in parts, ahead on a thread or as drawn: the same entities in the same
// order as parsing the block whole, and no part begins inside a polyline.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dxf/DxfReader.h"
#include "view/DeferredParts.h"

using platform::dxf::DeferredEntities;
using platform::dxf::DxfObject;
using platform::view::DeferredParts;
using platform::view::EntityTags;
using platform::view::Vec3;

namespace {

// Lines, and every seventh entity a polyline of three vertices, in the writer's form.
std::string BlockText(int entities) {
    std::string text;
    unsigned handle = 0x100;
    const auto next = [&] {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", handle++);
        return std::string(hex);
    };
    for (int i = 0; i < entities; ++i) {
        const std::string n = std::to_string(i);
        if (i % 7 == 0) {
            text += "  0\nPOLYLINE\n  5\n" + next() + "\n  8\n0\n 66\n     1\n";
            for (int v = 0; v < 3; ++v) text += "  0\nVERTEX\n  5\n" + next() + "\n  8\n0\n 10\n" + n + ".0\n";
            text += "  0\nSEQEND\n  5\n" + next() + "\n  8\n0\n";
        } else {
            text += "  0\nLINE\n  5\n" + next() + "\n  8\n0\n 10\n" + n + ".5\n 20\n0.0\n 11\n1.0\n 21\n" + n + ".0\n";
        }
    }
    return text;
}

std::string Tags(const DxfObject& o) {
    std::string out;
    for (const auto& t : o.tags) out += std::to_string(t.code) + "=" + std::string(t.Value()) + ";";
    return out;
}

// What a drawer asks of an entity, as text.
std::string Answers(const EntityTags& t) {
    const Vec3 a = t.Point(10, {-1, -1, -1}), b = t.Point(11, {-2, -2, -2});
    const EntityTags::Common c = t.CommonValues();
    return std::to_string(t.End()) + " " + std::to_string(a.x) + "," + std::to_string(a.y) + "," + std::to_string(a.z) + " " +
           std::to_string(b.x) + "," + std::to_string(b.y) + " " + std::to_string(t.Double(21, -3)) + " " + std::string(t.String(8)) +
           " " + std::to_string(t.Int(66, -4)) + " " + std::to_string(c.layer) + " " + std::to_string(c.color);
}

}  // namespace

TEST(DeferredParts, ReadAheadOrAsDrawnThePartsHoldTheBlockInOrderCutBetweenEntities) {
    const std::string text = BlockText(3 * static_cast<int>(DeferredParts::kPart) + 555);
    std::vector<std::string> whole;
    for (const DxfObject& o : platform::dxf::ParseDeferredEntities(text)) whole.push_back(Tags(o));
    ASSERT_EQ(whole.size(), 3 * DeferredParts::kPart + 555 + (3 * DeferredParts::kPart + 555 + 6) / 7 * 4);
    for (const bool ahead : {true, false}) {
        SCOPED_TRACE(ahead ? "read ahead" : "read as drawn");
        DeferredEntities deferred;
        deferred.text = text;
        DeferredParts parts(deferred, ahead ? 0 : text.size() + 1);
        std::vector<std::string> seen;
        std::vector<size_t> sizes;
        const DxfObject* entities = nullptr;
        const EntityTags::Prepared* prepared = nullptr;
        size_t count = 0, misprepared = 0;
        while (parts.Next(entities, prepared, count)) {
            ASSERT_GT(count, 0u);
            const std::string_view first = entities[0].Type();
            EXPECT_TRUE(first != "VERTEX" && first != "SEQEND") << "a part begins inside a polyline: " << first;
            EXPECT_EQ(prepared != nullptr, ahead) << "entities are prepared where they are read ahead";
            for (size_t i = 0; i < count; ++i) {
                seen.push_back(Tags(entities[i]));
                // Each entity's preparation is its own, the first of a part's too.
                if (prepared && Answers(EntityTags(entities[i], &prepared[i])) != Answers(EntityTags(entities[i]))) ++misprepared;
            }
            sizes.push_back(count);
        }
        EXPECT_EQ(seen, whole);
        EXPECT_EQ(misprepared, 0u);
        ASSERT_GE(sizes.size(), 4u);
        for (size_t i = 0; i + 1 < sizes.size(); ++i) EXPECT_GE(sizes[i], DeferredParts::kPart) << "part " << i;
        EXPECT_FALSE(parts.Next(entities, prepared, count)) << "the end stays the end";
    }
}

TEST(DeferredParts, LeavingAfterTheFirstPartStopsTheReadingAhead) {
    const std::string text = BlockText(20 * static_cast<int>(DeferredParts::kPart));
    DeferredEntities deferred;
    deferred.text = text;
    for (int round = 0; round < 20; ++round) {
        DeferredParts parts(deferred, 0);
        const DxfObject* entities = nullptr;
        const EntityTags::Prepared* prepared = nullptr;
        size_t count = 0;
        ASSERT_TRUE(parts.Next(entities, prepared, count));
        EXPECT_EQ(entities[0].Type(), "POLYLINE");
    }  // each destroyed with parts still to read: it must return, not wait on them
}
