// DWG drawings of every version LibreDWG reads load as the DXF that LibreDWG's own dwg2dxf makes
// of them, as ezdxf (an independent reader) sees it: the same entities of every layout, under the
// same handles and owners. Older versions are refused by name, and a drawing read from DWG is
// saved as DXF that ezdxf reads back, never into the DWG.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <filesystem>

#include "DwgTestUtil.h"
#include "db/DbDatabase.h"
#include "db/DbEntity.h"
#include "dxf/DrawingIo.h"
#include "dxf/DwgFile.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"
#include "editor/EntityList.h"
#include "text/Utf8.h"

using namespace platform::dxf;

namespace {

// What our load holds, in the form of dwgtest::EzdxfLayoutEntities. The vertices, attributes
// and end markers that follow a polyline or a block reference are parts of it, which ezdxf
// does not list apart.
std::vector<std::string> LoadedLayoutEntities(AcDbDatabase& db) {
    std::vector<std::string> lines;
    for (AcDbObjectId id : platform::LayoutEntities(&db)) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) continue;
        const std::wstring type = entity->entityTypeName();
        if (type != L"VERTEX" && type != L"ATTRIB" && type != L"SEQEND")
            lines.push_back(platform::ToUtf8(entity->ownerId().handle().text() + L" " + id.handle().text() + L" " + type));
        entity->close();
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The lines of one list missing from the other, "-" for expected, "+" for found; empty when the
// two are the same.
std::string Difference(const std::vector<std::string>& expected, const std::vector<std::string>& found) {
    std::vector<std::string> missing, extra;
    std::set_difference(expected.begin(), expected.end(), found.begin(), found.end(), std::back_inserter(missing));
    std::set_difference(found.begin(), found.end(), expected.begin(), expected.end(), std::back_inserter(extra));
    std::string text;
    for (const std::string& line : missing) text += "- " + line + "\n";
    for (const std::string& line : extra) text += "+ " + line + "\n";
    return text;
}

TEST(DwgReading, EveryVersionLoadsWithTheEntitiesDwg2dxfGivesEzdxf) {
    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    dxftest::ScratchDir dir;
    for (const std::string& name : dwgtest::EveryVersion()) {
        SCOPED_TRACE(name);
        const std::string reference = dir.File(name + ".dxf");
        ASSERT_EQ(dwgtest::Dwg2Dxf(dwgtest::Drawing(name), reference), "");
        const std::vector<std::string> expected = dwgtest::EzdxfLayoutEntities(reference);
        ASSERT_GT(expected.size(), 10u);
        ASSERT_NE(expected.front().rfind("ERROR", 0), 0u) << expected.front();

        LoadedDrawing drawing = LoadDrawing(dwgtest::Drawing(name));
        ASSERT_TRUE(drawing) << drawing.error->Message();
        EXPECT_EQ(Difference(expected, LoadedLayoutEntities(*drawing.database)), "");
    }
}

TEST(DwgReading, ADrawingReadFromDwgIsSavedAsDxfThatEzdxfReads) {
    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    dxftest::ScratchDir dir;
    for (const std::string name : {"example_r14.dwg", "example_2018.dwg"}) {
        SCOPED_TRACE(name);
        LoadedDrawing drawing = LoadDrawing(dwgtest::Drawing(name));
        ASSERT_TRUE(drawing) << drawing.error->Message();
        const std::vector<std::string> loaded = LoadedLayoutEntities(*drawing.database);

        // Never into a DWG file, whatever its name says.
        std::filesystem::copy_file(dwgtest::Drawing(name), dir.File("plan.dwg"), std::filesystem::copy_options::overwrite_existing);
        std::filesystem::copy_file(dwgtest::Drawing(name), dir.File("plan.dat"), std::filesystem::copy_options::overwrite_existing);
        for (const std::string target : {"plan.dwg", "plan.dat", "new.DWG"}) {
            const auto refused = SaveDrawing(*drawing.database, dir.File(target));
            ASSERT_TRUE(refused) << target;
            EXPECT_NE(refused->Message().find("saved as DXF only"), std::string::npos) << refused->Message();
        }
        EXPECT_EQ(dxftest::Slurp(dir.File("plan.dwg")), dxftest::Slurp(dwgtest::Drawing(name)));
        EXPECT_FALSE(std::filesystem::exists(dir.File("new.DWG")));

        const std::string saved = dir.File("plan.dxf");
        const auto error = SaveDrawing(*drawing.database, saved);
        ASSERT_FALSE(error) << error->Message();
        EXPECT_EQ(Difference(loaded, dwgtest::EzdxfLayoutEntities(saved)), "");
        LoadedDrawing again = LoadDrawing(saved);
        ASSERT_TRUE(again) << again.error->Message();
        EXPECT_EQ(Difference(loaded, LoadedLayoutEntities(*again.database)), "");
    }
}

TEST(DwgReading, VersionsAreKnownByTheFirstBytesAndOlderOnesRefusedByName) {
    EXPECT_EQ(DwgVersion(std::string_view("AC1032\0\0\0\0\0", 11)), "AC1032");
    EXPECT_EQ(DwgVersion("AC1009xxxx"), "AC1009");
    EXPECT_EQ(DwgVersion("AC1.50yyyy"), "AC1.50");
    EXPECT_EQ(DwgVersion(std::string_view("AC1.2\0yyyy", 10)), "AC1.2");
    for (const char* notDwg : {"  0\nSECTION\n", "AC10", "ACAD_TABLE", "AC1O32", "AutoCAD Binary DXF\r\n", ""})
        EXPECT_EQ(DwgVersion(notDwg), "") << notDwg;

    for (const char* read : {"AC1012", "AC1014", "AC1015", "AC1018", "AC1021", "AC1024", "AC1027", "AC1032"}) {
        const auto release = FindDwgRelease(read);
        ASSERT_TRUE(release) << read;
        EXPECT_TRUE(release->read) << read;
    }
    for (const char* old : {"AC1.2", "AC1.40", "AC2.10", "AC1004", "AC1006", "AC1009"}) {
        const auto release = FindDwgRelease(old);
        ASSERT_TRUE(release) << old;
        EXPECT_FALSE(release->read) << old;
    }
    EXPECT_FALSE(FindDwgRelease("AC1040"));

    const std::string r11 = dwgtest::Drawing("entities-2d_r11.dwg");
    ReadResult read = ReadDxfFile(r11);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error->Message(), r11 + " could not be read: AC1009 (R11/R12) DWG is not supported (DWG of R13 to 2018 is read)");

    // A version no release had is named as it stands.
    dxftest::ScratchDir dir;
    std::string future = dxftest::Slurp(dwgtest::Drawing("example_2018.dwg"));
    future.replace(0, 6, "AC1040");
    dxftest::Spit(dir.File("future.dwg"), future);
    read = ReadDxfFile(dir.File("future.dwg"));
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error->Message(), dir.File("future.dwg") + " could not be read: AC1040 DWG is not supported (DWG of R13 to 2018 is read)");
}

TEST(DwgReading, DwgIsKnownByItsNameOrItsFirstBytes) {
    dxftest::ScratchDir dir;
    std::filesystem::copy_file(dwgtest::Drawing("example_2013.dwg"), dir.File("plan.bin"));
    dxftest::Spit(dir.File("text.dxf"), "  0\nEOF\n");
    EXPECT_TRUE(IsDwgPath(dir.File("plan.bin")));
    EXPECT_TRUE(IsDwgPath(dir.File("missing.DWG")));
    EXPECT_FALSE(IsDwgPath(dir.File("text.dxf")));
    EXPECT_FALSE(IsDwgPath(dir.File("missing.dxf")));
    EXPECT_FALSE(IsDwgPath(dir.Path()));
    EXPECT_EQ(DxfPathFor("/a/plan.DWG"), "/a/plan.dxf");
    EXPECT_EQ(DxfPathFor("/a/plan.bin"), "/a/plan.bin.dxf");
}

}  // namespace
