// The gallery of docs/gallery: every corpus drawing as this renderer plots it beside the
// picture ezdxf's drawing add-on makes of it, with the two pictures' agreement (see
// PictureComparison.h). `cmake --build build --target gallery` writes it; rerun it whenever
// what a drawing shows changes.
//
//   plot_gallery OUT_DIR
#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dxf/DxfReader.h"
#include "view/Plot.h"
#include "view/PictureComparison.h"
#include "view/ViewTestUtil.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;

struct Case {
    std::string file;
    std::string layout;
    double threshold;
    const char* reason;
};

constexpr double kNoReference = -1;

std::vector<Case> Cases() {
    std::vector<Case> cases = {
#include "view/ComparisonCases.inc"
    };
    // Layouts with viewports: ezdxf 0.18 draws their model space unclipped, so its pictures
    // show how model space lies, not the sheet.
    for (const char* file : {"VP4", "image_viewports", "text_in_viewports", "viewport_frozen_layers", "xclip", "uncommon"})
        cases.push_back({std::string("dxf-corpus/") + file + ".dxf", "Layout1", 0, "ezdxf draws the viewports' model space unclipped"});
    return cases;
}

std::string Stem(const Case& c) {
    std::string name = std::filesystem::path(c.file).stem().string();
    if (c.layout != "Model") name += "." + c.layout;
    return name;
}

QImage Side(const QImage& picture, const QString& caption) {
    QImage side(kWidth, kHeight + 24, QImage::Format_RGB32);
    side.fill(Qt::white);
    QPainter p(&side);
    if (!picture.isNull()) p.drawImage(QRect(0, 24, kWidth, kHeight), picture);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(Qt::darkGray);
    p.drawText(QRect(6, 0, kWidth - 12, 22), Qt::AlignVCenter | Qt::AlignLeft, caption);
    p.setPen(QColor(210, 210, 210));
    p.drawRect(0, 0, kWidth - 1, kHeight + 23);
    return side;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: plot_gallery OUT_DIR\n");
        return 2;
    }
    const std::string out = argv[1];
    std::filesystem::create_directories(out);
    viewtest::UseOffscreenToolkit();
    const std::string data = VELLORIA_TEST_DATA;
    const std::string scratch = out + "/.ezdxf";
    std::filesystem::create_directories(scratch);
    const std::vector<Case> cases = Cases();
    std::string listing;
    for (const Case& c : cases) listing += data + "/" + c.file + "\t" + scratch + "/" + Stem(c) + ".png\t" + c.layout + "\n";
    std::ofstream(scratch + "/list.txt") << listing;
    const std::string command = "/usr/bin/python3 '" + std::string(VELLORIA_VIEW_TESTS) + "/ezdxf_render.py' '" + scratch +
                                "/list.txt' " + std::to_string(kWidth) + " " + std::to_string(kHeight);
    std::printf("ezdxf draws %zu pictures...\n", cases.size());
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "ezdxf did not run\n");

    std::ofstream index(out + "/README.md");
    index << "# Gallery\n\nEvery drawing of `tests/data/dxf-corpus` (and the table a CAD program wrote,\n"
             "`tests/data/acad_table_simple.dxf`) as `velloria plot` draws it (left) beside the picture\n"
             "ezdxf's drawing add-on makes of it (right). Agreement is the intersection over union of\n"
             "the drawn pixels, both pictures cropped to what they draw, scaled to one size and their\n"
             "strokes thickened (the comparison test checks it against a threshold per drawing).\n"
             "Made by `cmake --build build --target gallery`.\n\n"
             "| drawing | layout | agreement | note |\n|---|---|---|---|\n";
    for (const Case& c : cases) {
        platform::dxf::ReadResult read = platform::dxf::ReadDxfFile(data + "/" + c.file);
        QImage ours;
        std::string note = c.reason ? c.reason : "";
        if (!read) {
            note = "not read: " + read.error->Message();
        } else {
            const platform::view::Drawing drawing(std::shared_ptr<const platform::dxf::Document>(std::move(read.document)));
            platform::view::PlotSettings settings;
            settings.layout = c.layout;
            settings.width = kWidth, settings.height = kHeight;
            platform::view::PlotResult result;
            ours = platform::view::PlotImage(drawing, settings, result);
            if (!result.note.empty()) note += (note.empty() ? "" : "; ") + result.note;
            for (const auto& [type, count] : result.stats.skipped)
                note += (note.empty() ? "not drawn: " : ", ") + type + " " + std::to_string(count);
        }
        const QImage theirs(QString::fromStdString(scratch + "/" + Stem(c) + ".png"));
        const double iou = ours.isNull() || theirs.isNull() ? 0 : viewtest::IntersectionOverUnion(ours, theirs);
        QImage pair(kWidth * 2 + 8, kHeight + 24, QImage::Format_RGB32);
        pair.fill(Qt::white);
        {
            QPainter p(&pair);
            p.drawImage(0, 0, Side(ours, QStringLiteral("velloria plot")));
            p.drawImage(kWidth + 8, 0, Side(theirs, QStringLiteral("ezdxf drawing add-on")));
        }
        pair.save(QString::fromStdString(out + "/" + Stem(c) + ".png"));
        char agreement[16];
        std::snprintf(agreement, sizeof agreement, "%.2f", iou);
        index << "| `" << std::filesystem::path(c.file).filename().string() << "` | " << c.layout << " | " << agreement << " | "
              << note << " |\n";
        std::printf("%-45s %-8s %s\n", c.file.c_str(), c.layout.c_str(), agreement);
    }
    index << "\n";
    for (const Case& c : cases) index << "### " << Stem(c) << "\n\n![" << Stem(c) << "](" << Stem(c) << ".png)\n\n";
    std::filesystem::remove_all(scratch);
    return 0;
}
