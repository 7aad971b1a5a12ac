// The reader takes tags in the writer's own form by a quicker path than others; an object whose
// tags mix the forms reads as the same tags, and a damaged value is reported at its line, which
// ever path met it.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <random>

#include "dxf/DxfReader.h"
#include "dxf/DxfTag.h"

using namespace platform::dxf;

namespace {

std::string Drawing(const std::string& blockEntities, const std::string& entities) {
    return "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1027\n  0\nENDSEC\n"
           "  0\nSECTION\n  2\nBLOCKS\n"
           "  0\nBLOCK\n  5\n30\n  8\n0\n  2\nDOOR\n 70\n     0\n" +
           blockEntities +
           "  0\nENDBLK\n  5\n3F\n  8\n0\n"
           "  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n" +
           entities + "  0\nENDSEC\n  0\nEOF\n";
}

// One TEXT whose tags take every form: plain ones between each of the others.
const std::string kMixed =
    "  0\nTEXT\n  5\n31\n  8\nWALLS\n"
    "10\n1.5\n"                 // code aligned left
    " 20\n2.5\n"
    "030\n0.0\n"                // a leading zero
    " 40\n0.25\r\n"             // a carriage return
    "  1\ncaf\\U+00E9 au lait\n"  // an escape the reader decodes
    " 50\n   90\n"
    "  7\ntab\there\n"          // a control character
    "340\nStandard\n"           // a name where a pointer belongs
    " 72\n     1\n"
    "  1\nend\n";

std::string Tags(const DxfObject& o) {
    std::string out;
    for (const Tag& t : o.tags) out += std::to_string(t.code) + "=" + std::string(t.Value()) + "|";
    return out;
}

}  // namespace

TEST(TagForms, MixedFormsReadAsTheSameTagsInEverySection) {
    const std::string expected =
        "0=TEXT|5=31|8=WALLS|10=1.5|20=2.5|30=0.0|40=0.25|1=caf\xC3\xA9 au lait|50=   90|7=tab\there|340=Standard|72=     1|1=end|";
    ReadResult r = ReadDxfText(Drawing(kMixed, kMixed + kMixed), "mixed.dxf");
    ASSERT_TRUE(r) << r.error->Message();
    ASSERT_EQ(r.document->entities.size(), 2u);
    EXPECT_EQ(Tags(r.document->entities[0]), expected);
    EXPECT_EQ(Tags(r.document->entities[1]), expected);
    Block* block = r.document->FindBlock("DOOR");
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(block->Entities().size(), 1u);
    EXPECT_EQ(Tags(block->Entities()[0]), expected);
}

TEST(TagForms, DamagedValueAfterPlainTagsIsReportedAtItsLine) {
    const std::string plain = "  0\nLINE\n  5\n41\n  8\n0\n 10\n0.0\n 20\n0.0\n 11\n1.0\n 21\n1.0\n";
    for (const bool inBlock : {true, false}) {
        SCOPED_TRACE(inBlock ? "block" : "entities");
        const std::string damaged = "  0\nLINE\n  5\n42\n  8\n0\n 10\n0.0\n 20\n1.x\n";
        const std::string text = inBlock ? Drawing(plain + damaged, plain) : Drawing(plain, plain + damaged);
        const size_t at = text.find("1.x\n");
        const size_t line = static_cast<size_t>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n')) + 1;
        ReadResult r = ReadDxfText(text, "damaged.dxf");
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error->line, line) << r.error->Message();
        EXPECT_NE(r.error->Message().find("expected a number"), std::string::npos) << r.error->Message();
    }
}

// Numbers read without a conversion call are the numbers the standard conversion reads, to the
// last bit; forms outside the quick path still read.
TEST(TagForms, NumbersReadAsTheStandardConversionReadsThem) {
    std::mt19937_64 random(20261209);
    std::vector<std::string> texts = {"0.0", "-0.0", ".5", "5.", "0.1", "-2.675", "123456789012345", "0.000000000000001",
                                      "99999999999999.9", "1234567890123456", "0.7000000000000001", "9007199254740992", "9007199254740993",
                                      "0.9007199254740993", "1234567890123456789", "12345678901234567890", "1e-05", "  7.25",
                                      "+3.5", "12.5.1"};
    for (int i = 0; i < 20000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 19), point = static_cast<int>(random() % (digits + 1));
        std::string t = random() % 2 ? "-" : "";
        for (int d = 0; d < digits; ++d) {
            if (d == point) t += '.';
            t += static_cast<char>('0' + random() % 10);
        }
        texts.push_back(t);
    }
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const std::optional<double> read = Tag(10, text).AsDouble();
        const std::string_view trimmed = TrimBlanks(text);
        const std::string_view unsigned_ = !trimmed.empty() && trimmed[0] == '+' ? trimmed.substr(1) : trimmed;
        double expected = 0;
        const auto [end, ec] = std::from_chars(unsigned_.data(), unsigned_.data() + unsigned_.size(), expected);
        if (ec != std::errc() || end != unsigned_.data() + unsigned_.size()) {
            EXPECT_FALSE(read.has_value());
            continue;
        }
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(std::memcmp(&*read, &expected, sizeof expected), 0) << *read << " != " << expected;
    }
}
