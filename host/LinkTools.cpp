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
#include "text/CommandLineOptions.h"
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
    ManyDrawings many;
    std::string format = "text";
    bool check = false;
    platform::OptionParser parser("velloria links", "Every linked table of the drawing: handle, driver, database, table or SQL, header flag,\n"
                                                    "start cell, stored size, headings and widths. The password is never shown.\n"
                                                    "With --check, for each linked table of each drawing: does the database open, does the\n"
                                                    "table or view exist or the SQL run, how many rows and columns a refresh would write and\n"
                                                    "whether any cell would change; one line a table and a summary.");
    parser.SetSynopsis("DRAWING [--format text|json]\n       velloria links --check DRAWING|FOLDER... [-r] [--from-list FILE|-] [-j N] [--format text|json]");
    parser.Flag("--check", check, "check the links of one or more drawings (or folders) instead of listing them");
    DeclareManyDrawings(parser, many);
    parser.Choice("--format", {"text", "json"}, format, "text (the default) or json, for scripts");
    parser.Rule([&] { return check || !many.IsMany() ? "" : "several drawings, folders, -r and --from-list go with --check"; });
    parser.Rule([&] { return check || many.jobs < 0 ? "" : "-j goes with --check"; });
    parser.SetEpilogue("Exit status: 0, also when some records are damaged (listed with a damaged: line);\n"
                       "1 when the drawing cannot be read, or with --check when any link is broken;\n"
                       "2 for wrong arguments.");
    if (const int status = parser.Parse(args); status >= 0) return status;
    if (check) return CheckLinks(many, format == "json");
    const std::string& drawing = many.names.front();
    std::string error;
    AcApDocument* document = OpenDrawingDocument(platform::FromUtf8(drawing), &error);
    if (!document) {
        std::fprintf(stderr, "velloria links: %s\n", error.c_str());
        return 1;
    }
    std::unique_ptr<LoadedModule> module;
    auto links = ModuleEntry<VelloriaLinksAsFunc>(module, kVelloriaLinksAsSymbol, "links");
    if (links) links(format == "json" ? kVelloriaFormatJson : kVelloriaFormatText);
    acDocManagerPtr()->abandonAll();
    return links ? 0 : 1;
}

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int Update(const std::vector<std::string>& args) {
    ManyDrawings many;
    UpdateManyOptions batch;
    std::string outPath, plotPath;
    bool timing = false;
    VelloriaQueryLimits limits;
    long long timeLimit = -1, rowLimit = -1;
    platform::OptionParser parser("velloria update", "Refreshes every linked table of the drawings, as DbTable_Update with ALL does, and saves\n"
                                                     "each: to OUT, or in place when a table changed. One line per table and a summary;\n"
                                                     "with several drawings, a folder or a list, a line per drawing and a total.");
    parser.SetSynopsis("DRAWING|FOLDER... [-r] [--from-list FILE|-] [-j N] [-o OUT] [--dry-run] [--report FILE.json|FILE.html]\n"
                       "                       [--plot SHEET.pdf] [--timing] [--time-limit SECONDS] [--row-limit ROWS]");
    DeclareManyDrawings(parser, many);
    parser.Text("-o, --output", "OUT", outPath, "save the refreshed drawing to OUT (always written; one drawing)");
    parser.Flag("--dry-run", batch.dryRun, "save nothing; print how many cells of which tables a refresh would change");
    parser.Text("--report", "FILE.json|FILE.html", batch.report, "write every changed cell, added and removed row to FILE");
    parser.Text("--plot", "SHEET.pdf", plotPath, "plot the saved drawing to SHEET (.pdf, .svg or .png; one drawing)");
    parser.Flag("--timing", timing, "add a line with the time spent in each step (one drawing)");
    parser.Count("--time-limit", "SECONDS", 1000000, timeLimit, "the time limit of each statement (0: none)");
    parser.Count("--row-limit", "ROWS", 1LL << 40, rowLimit, "the row limit of each statement (0: none)");
    parser.Rule([&] { return plotPath.empty() || IsPlotFileName(plotPath) ? "" : "the plot file's name must end in .pdf, .svg or .png"; });
    parser.Rule([&] {
        if (!many.IsMany() && !batch.dryRun && batch.report.empty() && many.jobs < 0) return std::string();
        if (!plotPath.empty()) return std::string("--plot takes one drawing, without --dry-run or --report");
        if (timing) return std::string("--timing takes one drawing, without --dry-run or --report");
        if (!outPath.empty() && many.IsMany()) return std::string("-o takes one drawing");
        return std::string();
    });
    parser.SetEpilogue("Exit status: 0 when every linked table was refreshed; 1 when one could not be (the others\n"
                       "are refreshed and saved) or a drawing cannot be read or written; 2 for wrong arguments.\n"
                       "A failure in one drawing of many never stops or changes the others.");
    if (const int status = parser.Parse(args); status >= 0) return status;
    if (many.IsMany() || batch.dryRun || !batch.report.empty() || many.jobs >= 0) {
        batch.out = outPath;
        if (timeLimit >= 0) batch.limits.timeLimitSeconds = static_cast<int>(timeLimit);
        if (rowLimit >= 0) batch.limits.rowLimit = rowLimit;
        return UpdateMany(many, batch);
    }
    const std::string& drawingPath = many.names.front();
    if (timeLimit >= 0) limits.timeLimitSeconds = static_cast<int>(timeLimit);
    if (rowLimit >= 0) limits.rowLimit = rowLimit;
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

SubcommandRegistration s_links("links", &Links, "the linked tables of a drawing and their link records; --check: the health of every link");
SubcommandRegistration s_update("update", &Update, "refresh a drawing's linked tables and save it; many drawings, a dry run, a change report");

}  // namespace
