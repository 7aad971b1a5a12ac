// Saving: atomic replacement of the target, the bookkeeping a reader needs, and typed access
// to the values kept as text.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <sys/stat.h>

#include "dxf/DxfReader.h"
#include "dxf/DxfTemplate.h"
#include "DxfTestUtil.h"
#include "dxf/DxfWriter.h"
#include "testing/FailingSystemCalls.h"

using namespace platform::dxf;
namespace fs = std::filesystem;

TEST(DxfSave, ReplacesTheTargetAndLeavesNoTemporaryFile) {
    dxftest::ScratchDir dir;
    const std::string path = dir.File("drawing.dxf");
    dxftest::Spit(path, "old contents");
    ::chmod(path.c_str(), 0640);
    auto doc = NewDocument();
    ASSERT_TRUE(doc);
    const auto err = SaveDxfFile(*doc, path);
    ASSERT_FALSE(err) << err->Message();
    EXPECT_TRUE(ReadDxfFile(path));
    struct stat st{};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // the file keeps its permissions
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST(DxfSave, AFailedSaveKeepsWhatWasThere) {
    dxftest::ScratchDir dir;
    auto doc = NewDocument();
    ASSERT_TRUE(doc);
    // The target is a directory: the final rename fails after the data was written.
    const std::string blocked = dir.File("blocked.dxf");
    fs::create_directory(blocked);
    dxftest::Spit(blocked + "/inside", "keep");
    auto err = SaveDxfFile(*doc, blocked);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->Message().rfind(blocked + ": cannot replace the file", 0), 0u) << err->Message();
    EXPECT_EQ(dxftest::Slurp(blocked + "/inside"), "keep");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
    // A folder that does not exist.
    err = SaveDxfFile(*doc, dir.File("no/such/folder.dxf"));
    ASSERT_TRUE(err);
    EXPECT_NE(err->Message().find("cannot create a temporary file"), std::string::npos);
}

// A real drawing saved over itself when the disk fills up or breaks halfway through: the save
// says why, the drawing on disk is the one that was there, and nothing is left beside it.
TEST(DxfSave, ADiskThatFailsHalfwayLeavesTheDrawingAsItWas) {
    for (const int error : {ENOSPC, EIO}) {
        SCOPED_TRACE(std::strerror(error));
        dxftest::ScratchDir dir;
        const std::string path = dir.File("plan.dxf");
        const std::string before = dxftest::Slurp(dxftest::Fixture());
        dxftest::Spit(path, before);
        ReadResult read = ReadDxfFile(path);
        ASSERT_TRUE(read);
        std::optional<DxfError> err;
        size_t written = 0;
        {
            testing_support::DiskFailsAfter failing(before.size() / 2, error);
            err = SaveDxfFile(*read.document, path);
            written = failing.Written();
        }
        ASSERT_TRUE(err);
        EXPECT_EQ(written, before.size() / 2);  // it failed halfway, not before it began
        EXPECT_NE(err->Message().find(std::strerror(error)), std::string::npos) << err->Message();
        EXPECT_EQ(dxftest::Slurp(path), before);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
    }
}

// The writer is the last line of defence: a number no reader takes back ("inf", "nan", past
// the largest double) is never written, whoever made it; the file on disk stays as it was.
TEST(DxfSave, ANumberNoReaderTakesIsNeverWritten) {
    dxftest::ScratchDir dir;
    const std::string path = dir.File("drawing.dxf");
    auto doc = NewDocument();
    ASSERT_TRUE(doc);
    ASSERT_FALSE(SaveDxfFile(*doc, path));
    const std::string before = dxftest::Slurp(path);
    for (const double bad : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()}) {
        DxfObject line;
        line.tags = {{0, "LINE"}, doc->MakeHandle(5, doc->NewHandle()), {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbLine"},
                     doc->MakeDouble(10, 0), doc->MakeDouble(20, bad), doc->MakeDouble(30, 0), doc->MakeDouble(11, 1),
                     doc->MakeDouble(21, 1), doc->MakeDouble(31, 0)};
        doc->entities.push_back(line);
        const auto err = SaveDxfFile(*doc, path);
        ASSERT_TRUE(err) << bad;
        const std::string said = "LINE " + FormatHandle(line.GetHandle()) + ": group code 20 would hold \"" +
                                 std::string(line.tags[6].Value()) + "\"";
        EXPECT_NE(err->Message().find(said), std::string::npos) << err->Message();
        EXPECT_NE(err->Message().find("the drawing was not written"), std::string::npos) << err->Message();
        EXPECT_EQ(dxftest::Slurp(path), before);
        EXPECT_THROW(WriteDxfToString(*doc), std::runtime_error);
        doc->entities.pop_back();
    }
    // Text that is no number at all, and one past the largest double.
    for (const char* bad : {"1e400", "12abc"}) {
        doc->SetHeaderVar("$TEXTSIZE", {doc->MakeTag(40, bad)});
        const auto err = SaveDxfFile(*doc, path);
        ASSERT_TRUE(err) << bad;
        EXPECT_NE(err->Message().find(std::string("the header: group code 40 would hold \"") + bad + "\""), std::string::npos) << err->Message();
        EXPECT_EQ(dxftest::Slurp(path), before);
    }
}

TEST(DxfSave, BookkeepingCoversHandlesApplicationsAndClasses) {
    auto doc = NewDocument();
    ASSERT_TRUE(doc);
    doc->classes.clear();
    DxfObject line;
    line.tags = {{0, "LINE"}, {5, "4F0"}, {330, "1F"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbLine"},
                 {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {11, "1.0"}, {21, "1.0"}, {31, "0.0"},
                 {1001, "MyApp"}, {1000, "x"}, {1001, "ACAD"}, {1000, "y"}};
    doc->entities.push_back(line);
    DxfObject table;
    table.tags = {{0, "ACAD_TABLE"}, {5, "4F1"}, {330, "1F"}};
    doc->entities.push_back(table);
    PrepareForSave(*doc);
    const SymbolTable* apps = doc->FindTable("APPID");
    ASSERT_TRUE(apps->FindRecord("MyApp"));
    EXPECT_EQ(apps->records.size(), 2u);  // ACAD was there already
    EXPECT_EQ(apps->FindRecord("MyApp")->GetHandle(), 0x4F2u);
    EXPECT_EQ(doc->HeaderValue("$HANDSEED", 5)->AsHandle(), 0x4F3u);  // above every handle
    ASSERT_EQ(doc->classes.size(), 1u);
    EXPECT_EQ(doc->classes[0].Value(1), "ACAD_TABLE");
    // A second preparation adds nothing more.
    PrepareForSave(*doc);
    EXPECT_EQ(apps->records.size(), 2u);
    EXPECT_EQ(doc->classes.size(), 1u);
    EXPECT_EQ(doc->HeaderValue("$HANDSEED", 5)->AsHandle(), 0x4F3u);
}

TEST(DxfTags, TypesAndTypedAccessors) {
    // The types by group code ranges, from the DXF Reference's table of group code value
    // types; 200 lies in no range it lists.
    struct Row {
        int code;
        TagType type;
    };
    const Row rows[] = {{0, TagType::String},    {5, TagType::Handle},   {105, TagType::Handle},
                        {10, TagType::Double},   {70, TagType::Int16},   {90, TagType::Int32},
                        {160, TagType::Int64},   {171, TagType::Int16},  {290, TagType::Bool},
                        {302, TagType::String},  {310, TagType::Binary}, {330, TagType::Handle},
                        {342, TagType::Handle},  {370, TagType::Int16},  {420, TagType::Int32},
                        {1000, TagType::String}, {1004, TagType::Binary}, {1005, TagType::Handle},
                        {1040, TagType::Double}, {1070, TagType::Int16}, {1071, TagType::Int32},
                        {200, TagType::Unknown}};
    for (const Row& r : rows) EXPECT_EQ(TagTypeOf(r.code), r.type) << r.code;
    EXPECT_EQ((Tag{70, "     1"}).AsInt(), 1);
    EXPECT_EQ((Tag{40, " 2.5 "}).AsDouble(), 2.5);
    EXPECT_EQ((Tag{40, "3"}).AsDouble(), 3.0);
    EXPECT_FALSE((Tag{40, "x"}).AsDouble());
    EXPECT_EQ((Tag{5, "1F"}).AsHandle(), 0x1Fu);
    EXPECT_EQ((Tag{1, "\xC3\xA4"}).AsWide(), L"\u00e4");
    EXPECT_EQ(FormatHandle(0), "0");
    EXPECT_EQ(FormatHandle(0xABC123), "ABC123");
    Document doc;
    EXPECT_EQ(doc.MakeDouble(10, 152.0).Value(), "152.0");
    EXPECT_EQ(doc.MakeDouble(10, -0.1).Value(), "-0.1");
    EXPECT_EQ(doc.MakeDouble(10, 1e20).Value(), "1e+20");
    EXPECT_EQ(doc.MakeInt(90, -7).Value(), "-7");
}

TEST(DxfXData, OneApplicationIsReplacedOthersStay) {
    Document doc;
    DxfObject o;
    o.tags = {{0, "ACAD_TABLE"}, {5, "2A"}, {1001, "Database"}, {1000, "a.mdb"}, {1001, "Other"}, {1070, "7"}};
    doc.SetXData(o, std::string("Database"), {doc.MakeTag(1000, "b.mdb")});
    doc.SetXData(o, "Table", {{1000, "Rooms"}});
    EXPECT_EQ(o.XDataApps(), (std::vector<std::string_view>{"Database", "Other", "Table"}));
    ASSERT_EQ(o.XData("Database").size(), 1u);
    EXPECT_EQ(o.XData("Database")[0].Value(), "b.mdb");
    EXPECT_EQ(o.XData("Other")[0].Value(), "7");
    doc.SetXData(o, "Other", {});
    EXPECT_EQ(o.XDataApps(), (std::vector<std::string_view>{"Database", "Table"}));
    EXPECT_TRUE(o.XData("Missing").empty());
    EXPECT_EQ(o.tags.size(), 6u);
}
