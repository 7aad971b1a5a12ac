// `velloria links DRAWING` and `velloria update DRAWING [-o OUT]`: linked tables without the
// command line, for people and nightly jobs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "BatchTools.h"
#include "Documents.h"
#include "db/DbDatabase.h"
#include "ModuleLoader.h"
#include "PlotTool.h"
#include "Subcommands.h"
#include "app/ToolEntryPoints.h"
#include "posix/AtomicFile.h"
#include "text/Utf8.h"

namespace {

// The module and one of its entry points, or a message and null.
template <class Func>
Func ModuleEntry(std::unique_ptr<LoadedModule>& module, const char* symbol, const char* tool) {
    if (!module) module = LoadedModule::Load(DefaultModulePath());
    auto entry = module ? reinterpret_cast<Func>(module->Symbol(symbol)) : nullptr;
    if (!entry) std::fprintf(stderr, "velloria %s: the module %s does not offer %s\n", tool, DefaultModulePath().c_str(), symbol);
    return entry;
}

int Links(const std::vector<std::string>& args) {
    if (WantsLinkCheck(args)) return RunLinkCheck(args);
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
        std::fputs("usage: velloria links DRAWING\n", stderr);
        return 2;
    }
    std::string error;
    AcApDocument* document = OpenDrawingDocument(platform::FromUtf8(args[0]), &error);
    if (!document) {
        std::fprintf(stderr, "velloria links: %s\n", error.c_str());
        return 1;
    }
    std::unique_ptr<LoadedModule> module;
    auto links = ModuleEntry<VelloriaLinksFunc>(module, kVelloriaLinksSymbol, "links");
    if (links) links();
    acDocManagerPtr()->abandonAll();
    return links ? 0 : 1;
}

// A whole number from an option's value; false when it is none.
bool ParseCount(const std::string& text, long long& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 12) return false;
    value = std::stoll(text);
    return true;
}

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int Update(const std::vector<std::string>& args) {
    if (WantsUpdateMany(args)) return RunUpdateMany(args);
    std::string drawingPath, outPath, plotPath;
    bool timing = false, usage = false;
    VelloriaQueryLimits limits;
    for (size_t i = 0; i < args.size() && !usage; ++i) {
        long long value = 0;
        if (args[i] == "-o" && i + 1 < args.size()) outPath = args[++i];
        else if (args[i] == "--plot" && i + 1 < args.size()) plotPath = args[++i];
        else if (args[i] == "--timing") timing = true;
        else if (args[i] == "--time-limit" && i + 1 < args.size() && ParseCount(args[i + 1], value) && value <= 1000000)
            limits.timeLimitSeconds = static_cast<int>(value), ++i;
        else if (args[i] == "--row-limit" && i + 1 < args.size() && ParseCount(args[i + 1], value)) limits.rowLimit = value, ++i;
        else if (!args[i].empty() && args[i][0] != '-' && drawingPath.empty()) drawingPath = args[i];
        else usage = true;
    }
    if (drawingPath.empty() || usage || (!plotPath.empty() && !IsPlotFileName(plotPath))) {
        std::fputs("usage: velloria update DRAWING [-o OUT] [--plot OUT.pdf] [--timing] [--time-limit SECONDS] [--row-limit ROWS]\n", stderr);
        return 2;
    }
    // Whether the result can be written is known before any work is done: a refresh whose
    // save then fails would report tables as refreshed that nobody will see.
    const std::wstring target = platform::FromUtf8(outPath.empty() ? drawingPath : outPath);
    std::string why;
    if (!platform::posix::CanReplace(DrawingFilePath(target), why)) {
        std::fprintf(stderr, "velloria update: cannot write %s: %s\n", DrawingFilePath(target).c_str(), why.c_str());
        return 1;
    }
    const auto openStart = std::chrono::steady_clock::now();
    std::string error;
    AcApDocument* document = OpenDrawingDocument(platform::FromUtf8(drawingPath), &error);
    if (!document) {
        std::fprintf(stderr, "velloria update: %s\n", error.c_str());
        return 1;
    }
    const double openSeconds = Since(openStart);

    const auto moduleStart = std::chrono::steady_clock::now();
    std::unique_ptr<LoadedModule> module;
    auto update = ModuleEntry<VelloriaUpdateFunc>(module, kVelloriaUpdateSymbol, "update");
    auto setLimits = update ? ModuleEntry<VelloriaSetQueryLimitsFunc>(module, kVelloriaSetQueryLimitsSymbol, "update") : nullptr;
    if (!update || !setLimits) {
        acDocManagerPtr()->closeAll();
        return 1;
    }
    setLimits(&limits);
    const double moduleSeconds = Since(moduleStart);
    VelloriaUpdateTotals totals;
    const auto updateStart = std::chrono::steady_clock::now();
    update(&totals);
    const double updateSeconds = Since(updateStart);

    // In place, a drawing nothing changed in is left alone; an output file is always written.
    const auto saveStart = std::chrono::steady_clock::now();
    const bool changed = document->database()->hasUnsavedChanges();
    const bool save = changed || !outPath.empty();
    const bool saved = save && SaveDrawingDocument(document, target, &error);
    const double saveSeconds = Since(saveStart);
    // The nightly job's sheet: the drawing as saved (or as it was, when nothing changed).
    std::string plotted, plotError;
    const bool plotFailed = (saved || !save) && !plotPath.empty() && !PlotDocument(document, plotPath, &plotted, &plotError);
    const auto closeStart = std::chrono::steady_clock::now();
    // The process ends next, and the system takes the drawing's memory back at once.
    acDocManagerPtr()->abandonAll();
    const double closeSeconds = Since(closeStart);
    const std::string outcome = saved ? "saved " + DrawingFilePath(target) : save ? "not saved" : "not saved: nothing changed";
    std::printf("%d linked tables: %d refreshed, %d not refreshed; %s\n", totals.tables, totals.refreshed, totals.failed,
                outcome.c_str());
    std::fflush(stdout);
    if (save && !saved) {
        std::fprintf(stderr, "velloria update: %s\n", error.c_str());
        return 1;
    }
    if (!plotted.empty()) std::printf("%s\n", plotted.c_str());
    if (plotFailed) std::fprintf(stderr, "velloria update: not plotted: %s\n", plotError.c_str());
    if (timing)
        std::printf("times: open %.3f s, fetch %.3f s, fill %.3f s, other %.3f s, save %.3f s, module %.3f s, close %.3f s\n",
                    openSeconds, totals.fetchSeconds, totals.fillSeconds,
                    std::max(0.0, updateSeconds - totals.fetchSeconds - totals.fillSeconds), saveSeconds, moduleSeconds,
                    closeSeconds);
    return totals.failed == 0 && !plotFailed ? 0 : 1;
}

SubcommandRegistration s_links("links", &Links, "links DRAWING | links --check DRAWING|FOLDER... [-r] [--from-list FILE|-] [-j N] [--format text|json]");
SubcommandRegistration s_update("update", &Update, "update DRAWING [-o OUT] [--plot OUT.pdf] [--timing] [--time-limit SECONDS] [--row-limit ROWS]\n"
                                                   "       velloria update DRAWING|FOLDER... [-r] [--from-list FILE|-] [-j N] [--dry-run] [--report FILE.json|FILE.html]");

}  // namespace
