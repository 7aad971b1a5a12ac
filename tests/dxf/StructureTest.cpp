// Drawings of every shape the reader meets: R12 without handles or objects, sections it does
// not know, comments; all come back as they were.
#include <gtest/gtest.h>

#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"

using namespace platform::dxf;

namespace {

// An R12 drawing: tables without subclass markers, a block, a polyline with vertices, no
// handles, no CLASSES or OBJECTS.
const char* const kR12 =
    "999\nwritten by hand\n"
    "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  9\n$INSUNITS\n 70\n     4\n  0\nENDSEC\n"
    "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n 70\n     1\n"
    "  0\nLAYER\n  2\nWALLS\n 70\n     0\n 62\n     1\n  6\nCONTINUOUS\n  0\nENDTAB\n  0\nENDSEC\n"
    "  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n  8\n0\n  2\nDOOR\n 70\n     0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n"
    "  0\nLINE\n  8\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 11\n1.0\n 21\n0.0\n 31\n0.0\n  0\nENDBLK\n  8\n0\n  0\nENDSEC\n"
    "  0\nSECTION\n  2\nENTITIES\n"
    "  0\nPOLYLINE\n  8\nWALLS\n 66\n     1\n  0\nVERTEX\n  8\nWALLS\n 10\n0.0\n 20\n0.0\n"
    "  0\nVERTEX\n  8\nWALLS\n 10\n5.0\n 20\n0.0\n  0\nSEQEND\n  8\nWALLS\n"
    "  0\nINSERT\n  8\n0\n  2\nDOOR\n 10\n2.0\n 20\n3.0\n 30\n0.0\n"
    "  0\nENDSEC\n  0\nEOF\n";

}  // namespace

TEST(DxfStructure, R12DrawingReadsAndIsWrittenBackInItsOwnVersion) {
    ReadResult r = ReadDxfText(kR12, "r12.dxf");
    ASSERT_TRUE(r) << r.error->Message();
    Document& doc = *r.document;
    EXPECT_EQ(doc.Version(), "AC1009");
    EXPECT_EQ(doc.HeaderValue("$INSUNITS", 70)->AsInt(), 4);
    ASSERT_TRUE(doc.FindTable("LAYER"));
    EXPECT_TRUE(doc.FindTable("LAYER")->FindRecord("walls"));
    ASSERT_EQ(doc.blocks.size(), 1u);
    EXPECT_EQ(doc.blocks[0].Entities().size(), 1u);
    ASSERT_EQ(doc.entities.size(), 5u);  // the polyline, its vertices and SEQEND stay separate groups
    EXPECT_EQ(doc.entities[3].Type(), "SEQEND");
    EXPECT_EQ(doc.entities[0].GetHandle(), 0u);

    PrepareForSave(doc);
    const std::string written = WriteDxfToString(doc);
    EXPECT_EQ(written.find("CLASSES"), std::string::npos);
    EXPECT_EQ(written.find("OBJECTS"), std::string::npos);
    EXPECT_EQ(written.find("written by hand"), std::string::npos);  // comments are not kept
    ReadResult back = ReadDxfText(written, "r12b.dxf");
    ASSERT_TRUE(back) << back.error->Message();
    EXPECT_EQ(back.document->Version(), "AC1009");
    ASSERT_EQ(back.document->entities.size(), 5u);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(back.document->entities[i].tags, doc.entities[i].tags);
}

TEST(DxfStructure, UnknownSectionsAndThumbnailAreKept) {
    const std::string dxf =
        "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1027\n  0\nENDSEC\n"
        "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n"
        "  0\nSECTION\n  2\nACDSDATA\n 70\n     2\n 71\n     6\n  0\nACDSSCHEMA\n 90\n        0\n  1\nAcDb3DSolid_ASM_Data\n  0\nENDSEC\n"
        "  0\nSECTION\n  2\nTHUMBNAILIMAGE\n 90\n        4\n310\n0A0B0C0D\n  0\nENDSEC\n  0\nEOF\n";
    ReadResult r = ReadDxfText(dxf, "raw.dxf");
    ASSERT_TRUE(r) << r.error->Message();
    ASSERT_EQ(r.document->rawSections.size(), 2u);
    EXPECT_EQ(r.document->rawSections[0].name, "ACDSDATA");
    EXPECT_EQ(r.document->rawSections[0].tags.size(), 5u);
    EXPECT_EQ(r.document->rawSections[1].name, "THUMBNAILIMAGE");
    const std::string written = WriteDxfToString(*r.document);
    const auto objects = written.find("OBJECTS"), acds = written.find("ACDSDATA"), thumb = written.find("THUMBNAILIMAGE");
    ASSERT_NE(objects, std::string::npos);
    EXPECT_LT(objects, acds);
    EXPECT_LT(acds, thumb);
    EXPECT_NE(written.find("310\n0A0B0C0D\n  0\nENDSEC\n  0\nEOF\n"), std::string::npos);
}

// Values are checked against the type of their group code, whichever way they are written.
TEST(DxfStructure, ValuesAreCheckedAgainstTheTypeOfTheirCode) {
    struct Case {
        int code;
        const char* value;
        bool ok;
    } cases[] = {
        {10, "1", true},       {10, "-1.5", true},      {10, ".5", true},       {10, "-.25", true},
        {10, "1.", true},      {10, "1e5", true},       {10, "+2", true},       {10, " 2.0 ", true},
        {10, "1.2.3", false},  {10, "-", false},        {10, ".", false},       {10, "", false},
        {10, "nan", false},    {10, "1e999", false},    {10, "1,5", false},     {40, "--1", false},
        {70, "0", true},       {70, "     1", true},   {70, "  -1", true},     {70, "   ", false},
        {70, "-32768", true},    {70, "65535", true},    {70, "65536", false},
        {70, "-32769", false}, {70, "12a", false},      {70, "1.0", false},     {290, "1", true},
        {90, "999999999", true}, {90, "4294967295", true}, {90, "4294967296", false}, {90, "-2147483649", false},
        {160, "9223372036854775807", true}, {160, "18446744073709551615", true}, {160, "x", false},
        {5, "1A", true},       {5, "1G", false},        {1, "anything at all", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckValue(c.code, c.value) == nullptr, c.ok) << c.code << " '" << c.value << "'";
}

// Lines of every length around the reader's eight-byte steps, with and without CR, and a file
// that ends without a line end, read back exactly.
TEST(DxfStructure, LinesOfEveryLengthReadExactly) {
    std::string text = "  0\nSECTION\n  2\nENTITIES\n  0\nTEXT\n";
    std::vector<std::string> values;
    for (int n = 0; n <= 24; ++n) {
        values.push_back(std::string(static_cast<size_t>(n), static_cast<char>('a' + n % 26)));
        text += (n % 2 ? "  1\r\n" : "  1\n") + values.back() + (n % 3 ? "\r\n" : "\n");
    }
    text += "  0\nENDSEC\n  0\nEOF";
    ReadResult r = ReadDxfText(text, "lines.dxf");
    ASSERT_TRUE(r) << r.error->Message();
    ASSERT_EQ(r.document->entities.size(), 1u);
    const std::vector<Tag>& tags = r.document->entities[0].tags;
    ASSERT_EQ(tags.size(), values.size() + 1);
    for (size_t i = 0; i < values.size(); ++i) EXPECT_EQ(tags[i + 1].Value(), values[i]) << i;
}
