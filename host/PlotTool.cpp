// `velloria plot DRAWING -o OUT|- [--layout NAME] [--paper ...] [--size WxH | --dpi N] ...` and
// the command PLOT: a layout onto paper or a pixel sheet, as PDF, SVG or PNG.
#include "PlotTool.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "db/DbDatabase.h"
#include "Documents.h"
#include "PaperOptions.h"
#include "dxf/DxfDocument.h"
#include "dxf/DxfReader.h"
#include "view/Plot.h"
#include "text/CommandLineOptions.h"
#include "text/Utf8.h"

namespace {

using platform::view::NotAPlotFileName;
using platform::view::PlotExtensions;
using platform::view::PlotFormat;
using platform::view::PlotFormatNames;
using platform::view::PlotResult;
using platform::view::PlotSettings;

const char kUsage[] = "plot DRAWING -o OUT|- [--format pdf|svg|png] [--layout NAME] [--paper SIZE] [--landscape|--portrait]\n"
                      "                     [--margins MM] [--scale 1:N|fit] [--area extents|window X1,Y1,X2,Y2|layout NAME]\n"
                      "                     [--size WxH | --dpi N] [--background white|black]";

using platform::view::AreaKind;
using platform::view::PaperRequest;

// "plotted Model to OUT (1587 x 1123 pixels, 120 entities; not drawn: MESH 1)"; on paper, the
// paper and scale instead of the pixels, which a PDF or SVG does not have.
std::string Summary(const PlotResult& result, const std::string& layout, const std::string& out, bool picture) {
    std::string text = "plotted " + (layout.empty() ? std::string("Model") : layout) + " to " + out + " (";
    if (picture || !result.sheet.onPaper) text += std::to_string(result.width) + " x " + std::to_string(result.height) + " pixels, ";
    text += std::to_string(result.stats.drawn) + " entities";
    if (result.sheet.onPaper) text += "; " + result.sheet.Describe();
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
    std::string drawingPath, outPath, size, background, format;
    long long dpi = -1;
    PlotSettings settings;
    platform::OptionParser parser("velloria plot", "Plots a layout of a drawing (model space unless --layout names a paper space layout) and\n"
                                                   "writes it by the file name's extension: " + PlotExtensions() + ". A paper layout plots on the\n"
                                                   "paper, at the scale and with the margins its page setup stores; --paper, --scale and\n"
                                                   "--area change them. Without them model space is fitted to a sheet of pixels.");
    parser.SetSynopsis(std::string(kUsage).substr(sizeof "plot"));
    parser.Positional("DRAWING", drawingPath);
    parser.Text("-o, --output", "OUT", outPath, "the plot file (" + PlotExtensions() + "), or - for standard output");
    parser.Choice("--format", {"pdf", "svg", "png"}, format, "the format, when OUT does not say it (pdf for -)");
    parser.Value("--layout", "NAME", "a paper space layout (default: model space)", [&](const std::string& v) { return !v.empty() && (settings.layout = v, true); });
    DeclarePaperOptions(parser, settings.paper);
    parser.Text("--size", "WxH", size, "a sheet of pixels (for PNG; not with --paper)");
    parser.Count("--dpi", "N", 99999, dpi, "the resolution (default 96)");
    parser.Choice("--background", {"white", "black"}, background, "the sheet's colour");
    parser.Rule([&] { return outPath.empty() ? "missing -o OUT" : ""; });
    parser.Rule([&] { return !size.empty() && dpi >= 0 ? "give either --size or --dpi" : ""; });
    parser.Rule([&] { return size.empty() || ParseSize(size, settings.width, settings.height) ? "" : "--size takes WIDTHxHEIGHT in pixels"; });
    parser.Rule([&] { return size.empty() || !settings.paper.paper ? "" : "give either --size (pixels) or --paper"; });
    parser.Rule([&] { return dpi != 0 ? "" : "--dpi takes a resolution of 1 or more"; });
    parser.Rule([&] {
        const platform::view::PlotArea& area = settings.paper.area;
        if (area.kind != AreaKind::Layout || settings.layout.empty() || platform::dxf::SameName(settings.layout, area.layout)) return "";
        return "--layout and --area layout name two layouts";
    });
    parser.SetEpilogue("Paper: " + platform::view::PaperNames() + "; upright unless --landscape (another paper for a\n"
                       "layout lies as the layout's does). Margins in millimetres: one for every side, or\n"
                       "top,right,bottom,left (default 10). A scale of 1:50 puts one millimetre on paper for fifty\n"
                       "drawing units; fit (the default) fills the paper.\n"
                       "Exit status: 1, with one line on standard error, for a drawing that cannot be read, a layout\n"
                       "that does not exist or a file that cannot be written; 2 for wrong arguments.");
    if (const int status = parser.Parse(JoinAreaWords(args)); status >= 0) return status;
    if (settings.paper.area.kind == AreaKind::Layout) settings.layout = settings.paper.area.layout;
    if (dpi > 0) settings.dpi = static_cast<int>(dpi);
    if (!background.empty()) settings.background = background == "white" ? QColor(Qt::white) : QColor(Qt::black);
    const bool toStdout = outPath == "-";
    std::optional<PlotFormat> plotFormat = format.empty() ? std::nullopt : platform::view::PlotFormatOf("." + format);
    if (!plotFormat) plotFormat = toStdout ? std::optional(PlotFormat::Pdf) : platform::view::PlotFormatOf(outPath);
    if (!plotFormat) {
        std::fprintf(stderr, "velloria plot: %s\n", NotAPlotFileName(outPath).c_str());
        return 2;
    }
    // The plot needs the file's document only, not a drawing database built from it. A picture
    // draws a large table seen from afar from its block's sketch; vector output keeps every text.
    platform::dxf::ReadResult read = platform::dxf::ReadDxfFile(DrawingFilePath(platform::FromUtf8(drawingPath)), {},
                                                                {.sketches = *plotFormat == PlotFormat::Png});
    if (!read) {
        std::fprintf(stderr, "velloria plot: %s\n", read.error->Message().c_str());
        return 1;
    }
    for (const std::string& note : read.notes) std::fprintf(stderr, "velloria plot: %s.\n", note.c_str());
    const platform::view::Drawing drawing(std::shared_ptr<const platform::dxf::Document>(std::move(read.document)));
    if (toStdout) {
        std::string bytes;
        const PlotResult result = platform::view::PlotBytes(drawing, settings, *plotFormat, "standard output", bytes);
        if (!result.ok) {
            std::fprintf(stderr, "velloria plot: %s\n", result.error.c_str());
            return 1;
        }
        // The plot is the output: what it says of itself goes to standard error.
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
            std::fprintf(stderr, "velloria plot: standard output: %s\n", std::strerror(errno));
            return 1;
        }
        std::fprintf(stderr, "%s\n", Summary(result, settings.layout, "standard output", *plotFormat == PlotFormat::Png).c_str());
        if (!result.note.empty()) std::fprintf(stderr, "velloria plot: %s\n", result.note.c_str());
        return 0;
    }
    if (!platform::view::IsPlotFileName(outPath) || platform::view::PlotFormatOf(outPath) != plotFormat) {
        std::fprintf(stderr, "velloria plot: %s: the file's extension and --format disagree\n", outPath.c_str());
        return 2;
    }
    const std::string target = DrawingFilePath(platform::FromUtf8(outPath));
    const PlotResult result = platform::view::PlotDrawing(drawing, settings, target);
    if (!result.ok) {
        std::fprintf(stderr, "velloria plot: %s\n", result.error.c_str());
        return 1;
    }
    std::printf("%s\n", Summary(result, settings.layout, target, *plotFormat == PlotFormat::Png).c_str());
    if (!result.note.empty()) std::fprintf(stderr, "velloria plot: %s\n", result.note.c_str());
    return 0;
}

// A line read at a prompt, trimmed; nothing when the prompt was cancelled (and *Cancel* said).
std::optional<std::string> PromptedLine(const std::wstring& prompt) {
    auto line = platform::ReadPromptedLine(prompt);
    if (!line || *line == "^C") {
        platform::WriteOutput(std::string_view("*Cancel*\n"));
        return std::nullopt;
    }
    std::string text = *line;
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.erase(text.begin());
    return text;
}

bool IsKeyword(const std::string& answer, const char* keyword) {
    if (answer.empty() || answer.size() > std::strlen(keyword)) return false;
    for (size_t i = 0; i < answer.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(answer[i])) != std::toupper(static_cast<unsigned char>(keyword[i]))) return false;
    return true;
}

// One of PLOT's settings asked for at its prompt; an empty answer keeps it as the layout sets it
// up. False when the prompt was cancelled.
bool AskSetting(const std::string& keyword, PaperRequest& request) {
    using namespace platform::view;
    if (keyword == "Paper") {
        const auto answer = PromptedLine(L"\nEnter paper size (" + platform::FromUtf8(PaperNames()) + L") <As set up>: ");
        if (!answer) return false;
        if (answer->empty()) request.paper.reset();
        else if (const auto paper = ParsePaper(*answer)) request.paper = paper;
        else platform::WriteOutput("\nNo such paper: the paper is " + PaperNames() + ".\n");
    } else if (keyword == "Orientation") {
        const auto answer = PromptedLine(L"\nEnter orientation [Portrait/Landscape] <As set up>: ");
        if (!answer) return false;
        request.orientation = answer->empty() ? Orientation::AsSet
                              : IsKeyword(*answer, "Landscape") ? Orientation::Landscape
                              : IsKeyword(*answer, "Portrait") ? Orientation::Portrait
                                                               : request.orientation;
    } else if (keyword == "Scale") {
        const auto answer = PromptedLine(L"\nEnter plot scale (plotted millimetres:drawing units) or [Fit] <As set up>: ");
        if (!answer) return false;
        if (answer->empty()) request.scale.reset();
        else if (const auto scale = ParseScale(*answer)) request.scale = scale;
        else platform::WriteOutput(std::string_view("\nThe scale is millimetres on paper to drawing units (1:50), or Fit.\n"));
    } else if (keyword == "Area") {
        const auto answer = PromptedLine(L"\nEnter plot area [Extents/Window/Layout] <As set up>: ");
        if (!answer) return false;
        if (answer->empty()) request.area = {};
        else if (IsKeyword(*answer, "Extents")) request.area = {AreaKind::Extents, {}, {}};
        else if (IsKeyword(*answer, "Layout")) request.area = {AreaKind::Layout, {}, {}};
        else if (IsKeyword(*answer, "Window")) {
            const auto corners = PromptedLine(L"\nEnter window corners X1,Y1,X2,Y2: ");
            if (!corners) return false;
            std::string error;
            if (const auto area = ParseArea("window " + *corners, error)) request.area = *area;
            else platform::WriteOutput("\n" + error + ".\n");
        }
    } else if (keyword == "Margins") {
        const auto answer = PromptedLine(L"\nEnter margins in millimetres (all, or top,right,bottom,left) <As set up>: ");
        if (!answer) return false;
        if (answer->empty()) request.margins.reset();
        else if (const auto margins = ParseMargins(*answer)) request.margins = margins;
        else platform::WriteOutput(std::string_view("\nThe margins are millimetres: one for every side, or top,right,bottom,left.\n"));
    }
    return true;
}

// PLOT: the current drawing, to a file named at the prompt, one layout; the keywords at the
// file's prompt set the paper, orientation, scale, area and margins first.
void PlotCommand() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (!document || !document->database()) return;
    PlotSettings settings;
    std::string file;
    while (file.empty()) {
        const auto name = PromptedLine(L"\nEnter plot file name (" + platform::FromUtf8(PlotExtensions()) +
                                       L") or [Paper/Orientation/Scale/Area/Margins]: ");
        if (!name) return;
        if (name->empty()) return;
        const char* keyword = nullptr;
        for (const char* k : {"Paper", "Orientation", "Scale", "Area", "Margins"})
            if (IsKeyword(*name, k)) keyword = k;
        if (!keyword) {
            file = *name;
            break;
        }
        if (!AskSetting(keyword, settings.paper)) return;
    }
    if (file.size() >= 2 && file.front() == '"' && file.back() == '"') file = file.substr(1, file.size() - 2);
    if (file.empty()) return;
    const auto layout = PromptedLine(L"\nEnter layout name <Model>: ");
    if (!layout) return;
    settings.layout = *layout;
    if (settings.paper.area.kind == AreaKind::Layout) settings.paper.area.layout = settings.layout;
    const std::string target = DrawingFilePath(platform::FromUtf8(file));
    const PlotResult result = platform::view::PlotDatabase(*document->database(), settings, target);
    if (result.ok) platform::WriteOutput("\nP" + Summary(result, settings.layout, target, platform::view::IsPicturePlotFileName(target)).substr(1) + ".\n" +
                                         (result.note.empty() ? std::string() : "Note: " + result.note + ".\n"));
    else platform::WriteOutput("\nNot plotted: " + result.error + ".\n");
}

}  // namespace

int PlotToolMain(const std::vector<std::string>& args) { return Plot(args); }

void PlotCommandMain() { PlotCommand(); }

bool PlotDocumentHere(AcApDocument* document, const std::string& path, const PaperRequest& request, std::string* summary, std::string* error) {
    if (!document || !document->database()) return false;
    if (!platform::view::IsPlotFileName(path)) {
        if (error) *error = NotAPlotFileName(path);
        return false;
    }
    const std::string target = DrawingFilePath(platform::FromUtf8(path));
    PlotSettings settings;
    settings.paper = request;
    if (request.area.kind == AreaKind::Layout) settings.layout = request.area.layout;
    const PlotResult result = platform::view::PlotDatabase(*document->database(), settings, target);
    if (!result.ok) {
        if (error) *error = result.error;
        return false;
    }
    if (summary) *summary = Summary(result, settings.layout, target, platform::view::IsPicturePlotFileName(target)) + (result.note.empty() ? "" : "; " + result.note);
    return true;
}
