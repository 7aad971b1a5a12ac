// Drawings other programs wrote, as other readers take them: every drawing of the corpus
// (R10 to R2018, written by CAD programs, ezdxf and LibreCAD's library) loads as a drawing
// database, and what the writer of one got wrong in a harmless way is kept as it wrote it.
#include <gtest/gtest.h>

#include <filesystem>

#include "dxf/DrawingIo.h"
#include "dxf/DxfReader.h"
#include "DxfTestUtil.h"

using namespace platform::dxf;

namespace {

const std::string kCorpus = std::string(VELLORIA_TEST_DATA) + "/dxf-corpus";

TEST(CorpusReading, EveryDrawingLoadsAsADrawingDatabase) {
    int loaded = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
        if (entry.path().extension() != ".dxf") continue;
        const LoadedDrawing drawing = LoadDrawing(entry.path().string());
        EXPECT_TRUE(drawing) << (drawing.error ? drawing.error->Message() : entry.path().string());
        ++loaded;
    }
    EXPECT_EQ(loaded, 45);
}

TEST(CorpusReading, ANameWhereAHandleBelongsIsKeptAndWrittenBackAsRead) {
    // LibreCAD's library writes a dimension style's text style (group 340) by name.
    const std::string path = kCorpus + "/Minimal_DXF_AC1021.dxf";
    const LoadedDrawing drawing = LoadDrawing(path);
    ASSERT_TRUE(drawing) << drawing.error->Message();
    dxftest::ScratchDir dir;
    const std::string saved = dir.File("saved.dxf");
    ASSERT_FALSE(SaveDrawing(*drawing.database, saved));
    const std::string text = dxftest::Slurp(saved);
    EXPECT_NE(text.find("\n340\nStandard\n"), std::string::npos);
    // An object's own handle is not a pointer: there a name is still damage.
    std::string damaged = dxftest::Slurp(path);
    const size_t own = damaged.find("\n  5\n");
    const size_t at = own == std::string::npos ? damaged.find("\n5\n") : own;
    ASSERT_NE(at, std::string::npos);
    const size_t valueStart = damaged.find('\n', at + 1) + 1;
    damaged.replace(valueStart, damaged.find('\n', valueStart) - valueStart, "NotAHandle");
    EXPECT_FALSE(ReadDxfText(damaged, "damaged.dxf"));

    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    const std::string names = dxftest::RunPython("import ezdxf, sys\nd = ezdxf.readfile(sys.argv[1])\nprint([s.dxf.name for s in d.dimstyles])\n",
                                                 "'" + saved + "'");
    EXPECT_EQ(names, "['Standard']\n");
}

}  // namespace
