// `velloria plot DRAWING -o OUT [--layout NAME] [--size WxH | --dpi N] [--background white|black]`
// and the command PLOT: a layout's extents onto a sheet, as PDF, SVG or PNG.
#include "PlotTool.h"

#include <cstdio>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "db/DbDatabase.h"
#include "Documents.h"
#include "dxf/DxfReader.h"
#include "view/Plot.h"
#include "text/CommandLineOptions.h"
#include "text/Utf8.h"

namespace {

using platform::view::NotAPlotFileName;
using platform::view::PlotExtensions;
using platform::view::PlotFormatNames;
using platform::view::PlotResult;
using platform::view::PlotSettings;

const char kUsage[] = "plot DRAWING -o OUT [--layout NAME] [--size WxH | --dpi N] [--background white|black]";

// "plotted Model to OUT (1587 x 1123 pixels, 120 entities; not drawn: MESH 1)"
std::string Summary(const PlotResult& result, const std::string& layout, const std::string& out) {
    std::string text = "plotted " + (layout.empty() ? std::string("Model") : layout) + " to " + out + " (" +
                       std::to_string(result.width) + " x " + std::to_string(result.height) + " pixels, " +
                       std::to_string(result.stats.drawn) + " entities";
    if (!result.stats.skipped.empty()) {
        text += "; not drawn:";
        for (const auto& [type, count] : result.stats.skipped) text += " " + type + " " + std::to_string(count) + ",";
        text.pop_back();
    }
    return text + ")";
}

bool ParseSize(const std::string& text, int& width, int& height) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return false;
    const std::string w = text.substr(0, x), h = text.substr(x + 1);
    if (w.find_first_not_of("0123456789") != std::string::npos || h.find_first_not_of("0123456789") != std::string::npos ||
        w.size() > 6 || h.size() > 6)
        return false;
    width = std::stoi(w), height = std::stoi(h);
    return width > 0 && height > 0;
}

int Plot(const std::vector<std::string>& args) {
    std::string drawingPath, outPath, size, background;
    long long dpi = -1;
    PlotSettings settings;
    platform::OptionParser parser("velloria plot", "Draws a layout's extents (model space unless --layout names a paper space layout) onto a\n"
                                                   "sheet and writes it by the file name's extension: " + PlotExtensions() + ".");
    parser.SetSynopsis(std::string(kUsage).substr(sizeof "plot"));
    parser.Positional("DRAWING", drawingPath);
    parser.Text("-o, --output", "OUT", outPath, "the plot file (" + PlotExtensions() + ")");
    parser.Value("--layout", "NAME", "a paper space layout (default: model space)", [&](const std::string& v) { return !v.empty() && (settings.layout = v, true); });
    parser.Text("--size", "WxH", size, "the sheet in pixels");
    parser.Count("--dpi", "N", 99999, dpi, "the resolution (default 96)");
    parser.Choice("--background", {"white", "black"}, background, "the sheet's colour");
    parser.Rule([&] { return outPath.empty() ? "missing -o OUT" : ""; });
    parser.Rule([&] { return !size.empty() && dpi >= 0 ? "give either --size or --dpi" : ""; });
    parser.Rule([&] { return size.empty() || ParseSize(size, settings.width, settings.height) ? "" : "--size takes WIDTHxHEIGHT in pixels"; });
    parser.Rule([&] { return dpi != 0 ? "" : "--dpi takes a resolution of 1 or more"; });
    parser.SetEpilogue("Exit status: 1, with one line on standard error, for a drawing that cannot be read, a layout\n"
                       "that does not exist or a file that cannot be written; 2 for wrong arguments.");
    if (const int status = parser.Parse(args); status >= 0) return status;
    if (dpi > 0) settings.dpi = static_cast<int>(dpi);
    if (!background.empty()) settings.background = background == "white" ? QColor(Qt::white) : QColor(Qt::black);
    if (!platform::view::IsPlotFileName(outPath)) {
        std::fprintf(stderr, "velloria plot: %s\n", NotAPlotFileName(outPath).c_str());
        return 2;
    }
    // The plot needs the file's document only, not a drawing database built from it. A picture
    // draws a large table seen from afar from its block's sketch; vector output keeps every text.
    platform::dxf::ReadResult read = platform::dxf::ReadDxfFile(DrawingFilePath(platform::FromUtf8(drawingPath)), {},
                                                                {.sketches = platform::view::IsPicturePlotFileName(outPath)});
    if (!read) {
        std::fprintf(stderr, "velloria plot: %s\n", read.error->Message().c_str());
        return 1;
    }
    for (const std::string& note : read.notes) std::fprintf(stderr, "velloria plot: %s.\n", note.c_str());
    const platform::view::Drawing drawing(std::shared_ptr<const platform::dxf::Document>(std::move(read.document)));
    const std::string target = DrawingFilePath(platform::FromUtf8(outPath));
    const PlotResult result = platform::view::PlotDrawing(drawing, settings, target);
    if (!result.ok) {
        std::fprintf(stderr, "velloria plot: %s\n", result.error.c_str());
        return 1;
    }
    std::printf("%s\n", Summary(result, settings.layout, target).c_str());
    if (!result.note.empty()) std::fprintf(stderr, "velloria plot: %s\n", result.note.c_str());
    return 0;
}

// PLOT: the current drawing, to a file named at the prompt, one layout.
void PlotCommand() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (!document || !document->database()) return;
    auto name = platform::ReadPromptedLine(L"\nEnter plot file name (" + platform::FromUtf8(PlotExtensions()) + L"): ");
    if (!name || *name == "^C") {
        platform::WriteOutput(std::string_view("*Cancel*\n"));
        return;
    }
    std::string file = *name;
    while (!file.empty() && std::isspace(static_cast<unsigned char>(file.back()))) file.pop_back();
    while (!file.empty() && std::isspace(static_cast<unsigned char>(file.front()))) file.erase(file.begin());
    if (file.size() >= 2 && file.front() == '"' && file.back() == '"') file = file.substr(1, file.size() - 2);
    if (file.empty()) return;
    auto layout = platform::ReadPromptedLine(L"\nEnter layout name <Model>: ");
    if (!layout || *layout == "^C") {
        platform::WriteOutput(std::string_view("*Cancel*\n"));
        return;
    }
    PlotSettings settings;
    settings.layout = *layout;
    while (!settings.layout.empty() && std::isspace(static_cast<unsigned char>(settings.layout.back()))) settings.layout.pop_back();
    const std::string target = DrawingFilePath(platform::FromUtf8(file));
    const PlotResult result = platform::view::PlotDatabase(*document->database(), settings, target);
    if (result.ok) platform::WriteOutput("\nP" + Summary(result, settings.layout, target).substr(1) + ".\n" +
                                         (result.note.empty() ? std::string() : "Note: " + result.note + ".\n"));
    else platform::WriteOutput("\nNot plotted: " + result.error + ".\n");
}

}  // namespace

int PlotToolMain(const std::vector<std::string>& args) { return Plot(args); }

void PlotCommandMain() { PlotCommand(); }

bool PlotDocumentHere(AcApDocument* document, const std::string& path, std::string* summary, std::string* error) {
    if (!document || !document->database()) return false;
    if (!platform::view::IsPlotFileName(path)) {
        if (error) *error = NotAPlotFileName(path);
        return false;
    }
    const std::string target = DrawingFilePath(platform::FromUtf8(path));
    const PlotResult result = platform::view::PlotDatabase(*document->database(), PlotSettings{}, target);
    if (!result.ok) {
        if (error) *error = result.error;
        return false;
    }
    if (summary) *summary = Summary(result, "", target) + (result.note.empty() ? "" : "; " + result.note);
    return true;
}
