// Every drawing of the corpus drawn by this renderer and by ezdxf's drawing add-on (an
// independent renderer, run here in one process for all of them): both pictures cropped to
// what they draw, scaled to one size, their strokes thickened a little, and the drawn pixels
// compared as intersection over union. Each drawing has its threshold; one that needs a low
// one says why. ezdxf 0.18 draws a layout's viewports without clipping them, so its pictures of
// whole sheets are no reference (the gallery shows them; the renderer's own tests check
// viewports against their geometry): a sheet is compared by its own entities, its viewports
// left out on both sides. What the corpus has no example of is drawn by ezdxf first
// (ezdxf_features.py), so that the drawing too comes from the independent side.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dxf/DxfReader.h"
#include "PictureComparison.h"
#include "view/Plot.h"
#include "ViewTestUtil.h"
#include "testing/TempDir.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;
using viewtest::IntersectionOverUnion;

struct Case {
    std::string file;    // under tests/data, or made by ezdxf_features.py
    std::string layout;  // "Model" or a paper layout
    double threshold;
    const char* reason;  // why the threshold is below the usual one, or null
    bool made = false;   // written by ezdxf_features.py into the test's folder
    std::optional<QRgb> only = std::nullopt;  // only the pixels of this colour are compared
};

// ezdxf's picture is no reference for the drawing (the reason says why): this renderer's
// picture is only checked to be made.
constexpr double kNoReference = -1;

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = [] {
        std::vector<Case> all = {
#include "ComparisonCases.inc"
        };
        // A segment's widths are its own vertex's: a narrow segment after a wide one stays
        // narrow. The draw order of the space's sort table: the red texts over the blue hatch
        // written after them (only the red pixels count; under the hatch there are none). A text
        // flowing into three columns whose layout is kept in extended data.
        all.push_back({"polyline_widths.dxf", "Model", 0.90, nullptr, true});
        all.push_back({"draw_order.dxf", "Model", 0.80, "the texts' letters are drawn in other fonts than ezdxf's", true, qRgb(255, 0, 0)});
        all.push_back({"mtext_columns.dxf", "Model", 0.70, "text in columns wraps at other words than ezdxf's, whose fonts differ", true});
        return all;
    }();
    return cases;
}

std::string Stem(const Case& c) {
    std::string name = (c.made ? "made." : "") + std::filesystem::path(c.file).stem().string();
    if (c.layout != "Model") name += "." + c.layout;
    return name;
}

// The drawing with the viewports of its sheets taken out (sheets' entities stand in ENTITIES or
// in the paper space blocks).
void WithoutViewports(platform::dxf::Document& doc) {
    const auto viewport = [](const platform::dxf::DxfObject& o) { return o.Type() == "VIEWPORT"; };
    std::erase_if(doc.entities, viewport);
    for (platform::dxf::Block& block : doc.blocks)
        if (platform::dxf::SameName(block.Name().substr(0, 12), "*Paper_Space")) std::erase_if(block.Entities(), viewport);
}

TEST(EzdxfComparison, EveryCorpusDrawingLooksLikeEzdxfsPicture) {
    viewtest::UseOffscreenToolkit();
    testing_support::TempDir dir;
    const std::string made = "PYTHONHASHSEED=0 /usr/bin/python3 '" + std::string(VELLORIA_VIEW_TESTS) + "/ezdxf_features.py' '" +
                             dir.path().string() + "' 2>&1";
    ASSERT_EQ(std::system(made.c_str()), 0) << "ezdxf (python3-ezdxf, installed by scripts/setup.sh) made no drawings";
    const auto path = [&](const Case& c) { return c.made ? dir / c.file : std::string(VELLORIA_TEST_DATA) + "/" + c.file; };
    std::string listing;
    for (const Case& c : Cases())
        listing += path(c) + "\t" + (dir / (Stem(c) + ".ezdxf.png")) + "\t" + c.layout +
                   (c.layout == "Model" ? "\n" : "\tnoviewports\n");
    testing_support::WriteFile(dir / "list.txt", listing);
    // ezdxf draws while this renderer does.
    const std::string command = "/usr/bin/python3 '" + std::string(VELLORIA_VIEW_TESTS) + "/ezdxf_render.py' '" + (dir / "list.txt") + "' " +
                                std::to_string(kWidth) + " " + std::to_string(kHeight) + " 2>&1";
    FILE* ezdxf = ::popen(command.c_str(), "r");
    ASSERT_NE(ezdxf, nullptr);
    std::map<std::string, QImage> ours;
    for (const Case& c : Cases()) {
        platform::dxf::ReadResult read = platform::dxf::ReadDxfFile(path(c));
        if (!read) {
            ADD_FAILURE() << c.file << ": " << read.error->Message();
            continue;
        }
        if (c.layout != "Model") WithoutViewports(*read.document);
        const platform::view::Drawing drawing(std::shared_ptr<const platform::dxf::Document>(std::move(read.document)));
        platform::view::PlotSettings settings;
        settings.layout = c.layout;
        settings.width = kWidth, settings.height = kHeight;
        platform::view::PlotResult result;
        ours[Stem(c)] = platform::view::PlotImage(drawing, settings, result);
        EXPECT_TRUE(result.ok) << c.file << ": " << result.error;
    }
    std::string report;
    char line[4096];
    while (std::fgets(line, sizeof line, ezdxf)) report += line;
    const int status = ::pclose(ezdxf);
    ASSERT_EQ(status, 0) << "ezdxf (python3-ezdxf, installed by scripts/setup.sh) did not run:\n" << report;
    for (const Case& c : Cases()) {
        const QImage theirs(QString::fromStdString(dir / (Stem(c) + ".ezdxf.png")));
        if (theirs.isNull()) {
            ADD_FAILURE() << c.file << ": ezdxf made no picture\n" << report;
            continue;
        }
        if (c.threshold == kNoReference) {
            std::printf("%-50s %-10s not compared: %s\n", c.file.c_str(), c.layout.c_str(), c.reason);
            EXPECT_FALSE(ours[Stem(c)].isNull()) << c.file;
            continue;
        }
        const double iou = IntersectionOverUnion(ours[Stem(c)], theirs, c.only);
        std::printf("%-50s %-10s IoU %.3f (threshold %.2f)\n", c.file.c_str(), c.layout.c_str(), iou, c.threshold);
        EXPECT_GE(iou, c.threshold) << c.file << " " << c.layout << (c.reason ? std::string(": ") + c.reason : std::string());
    }
}

// The pictures ezdxf drew are kept between runs: one is used again only for the same bytes of
// the same drawing, and only when its file is whole; anything else is drawn again.
TEST(EzdxfPictureCache, APictureIsUsedAgainOnlyForTheSameDrawingAndAWholeFile) {
    testing_support::TempDir dir;
    const auto line = [](int x) {
        return "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n" + std::to_string(x) + "\n21\n10\n31\n0\n0\nENDSEC\n0\nEOF\n";
    };
    // One run over the drawings; each report line is "ok OUT rendered|cached ENTRY".
    const auto run = [&](const std::vector<std::string>& stems) {
        std::string listing;
        for (const std::string& stem : stems) listing += dir / (stem + ".dxf") + "\t" + (dir / (stem + ".png")) + "\tModel\n";
        testing_support::WriteFile(dir / "list.txt", listing);
        const std::string command = "VELLORIA_EZDXF_CACHE='" + (dir / "cache") + "' /usr/bin/python3 '" + std::string(VELLORIA_VIEW_TESTS) +
                                    "/ezdxf_render.py' '" + (dir / "list.txt") + "' 200 150 2>&1";
        std::map<std::string, std::pair<std::string, std::string>> report;  // stem -> how, entry
        FILE* p = ::popen(command.c_str(), "r");
        char text[4096];
        std::string all;
        while (p && std::fgets(text, sizeof text, p)) {
            all += text;
            char out[2048], how[64], entry[2048];
            if (std::sscanf(text, "ok %2047s %63s %2047s", out, how, entry) == 3)
                report[std::filesystem::path(out).stem().string()] = {how, entry};
        }
        EXPECT_EQ(p ? ::pclose(p) : -1, 0) << all;
        EXPECT_EQ(report.size(), stems.size()) << all;
        return report;
    };
    testing_support::WriteFile(dir / "a.dxf", line(10));
    testing_support::WriteFile(dir / "b.dxf", line(20));
    auto first = run({"a", "b"});
    EXPECT_EQ(first["a"].first, "rendered");
    EXPECT_EQ(first["b"].first, "rendered");
    const std::string pictureOfA = testing_support::ReadFile(dir / "a.png");
    ASSERT_FALSE(pictureOfA.empty());

    // a's drawing changes, c holds what a held; b's picture in the cache is cut short.
    testing_support::WriteFile(dir / "a.dxf", line(30));
    testing_support::WriteFile(dir / "c.dxf", line(10));
    const std::string entryOfB = testing_support::ReadFile(first["b"].second);
    testing_support::WriteFile(first["b"].second, entryOfB.substr(0, entryOfB.size() / 2));
    auto second = run({"a", "b", "c"});
    EXPECT_EQ(second["a"].first, "rendered");
    EXPECT_EQ(second["b"].first, "rendered");
    EXPECT_EQ(second["c"].first, "cached");
    EXPECT_EQ(second["c"].second, first["a"].second);
    EXPECT_EQ(testing_support::ReadFile(dir / "c.png"), pictureOfA);
    EXPECT_NE(testing_support::ReadFile(dir / "a.png"), pictureOfA);
    EXPECT_EQ(testing_support::ReadFile(first["b"].second), entryOfB) << "the damaged picture was not drawn again";
}

}  // namespace
