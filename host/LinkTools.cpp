// `velloria links DRAWING` and `velloria update DRAWING [-o OUT]`: linked tables without the
// command line, for people and nightly jobs.
#include <cstdio>
#include <string>

#include "BatchTools.h"
#include "Documents.h"
#include "db/DbDatabase.h"
#include "ModuleLoader.h"
#include "PaperOptions.h"
#include "PlotTool.h"
#include "Subcommands.h"
#include "app/ToolEntryPoints.h"
#include "text/CommandLineOptions.h"
#include "text/Utf8.h"

namespace {

int Links(const std::vector<std::string>& args) {
    ManyDrawings many;
    std::string format = "text";
    bool check = false;
    platform::OptionParser parser("velloria links", "Every linked table of the drawing: handle, driver, database, table or SQL, header flag,\n"
                                                    "start cell, the size stored at the last refresh and the table's size now, headings and\n"
                                                    "widths. The password is never shown.\n"
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
    ToolModule module("links");
    auto links = module.Entry<VelloriaLinksAsFunc>(kVelloriaLinksAsSymbol);
    if (links) links(format == "json" ? kVelloriaFormatJson : kVelloriaFormatText);
    acDocManagerPtr()->abandonAll();
    return links ? 0 : 1;
}

int Update(const std::vector<std::string>& args) {
    ManyDrawings many;
    UpdateOptions options;
    long long timeLimit = -1, rowLimit = -1;
    platform::OptionParser parser("velloria update", "Refreshes every linked table of the drawings, as DbTable_Update with ALL does, and saves\n"
                                                     "each: to OUT, or in place when a table changed; a DWG drawing always as the DXF beside\n"
                                                     "it (DWG is never written). One line per table and a summary; with several drawings,\n"
                                                     "a folder or a list, a line per drawing and a total.");
    parser.SetSynopsis("DRAWING|FOLDER... [-r] [--from-list FILE|-] [-j N] [-o OUT] [--dry-run] [--report FILE.json|FILE.html]\n"
                       "                       [--plot SHEET [--paper SIZE] [--landscape] [--scale 1:N|fit] ...] [--timing] [--no-backup] [--time-limit SECONDS] [--row-limit ROWS]");
    DeclareManyDrawings(parser, many);
    parser.Text("-o, --output", "OUT", options.out, "save the refreshed drawing to OUT (always written; one drawing)");
    parser.Flag("--dry-run", options.dryRun, "save nothing; print how many cells of which tables a refresh would change");
    parser.Text("--report", "FILE.json|FILE.html", options.report, "write every changed cell, added and removed row to FILE");
    parser.Text("--plot", "SHEET", options.plot, "plot the saved drawing to SHEET (" + platform::view::PlotExtensions() + "; one drawing)");
    DeclarePaperOptions(parser, options.plotPaper);
    parser.Rule([&] { return options.plot.empty() && options.plotPaper.Any() ? "--paper, --scale, --margins, --area and the orientation are --plot's" : ""; });
    parser.Flag("--timing", options.timing, "add a line with the time spent in each step (one drawing)");
    parser.Flag("--no-backup", options.noBackup, "keep no NAME.bak of a drawing replaced (kept by default, as ISAVEBAK says)");
    parser.Count("--time-limit", "SECONDS", 1000000, timeLimit, "the time limit of each statement (0: none)");
    parser.Count("--row-limit", "ROWS", 1LL << 40, rowLimit, "the row limit of each statement (0: none)");
    parser.Rule([&] { return options.plot.empty() || platform::view::IsPlotFileName(options.plot) ? "" : platform::view::NotAPlotFileName(options.plot); });
    parser.Rule([&] { return options.plot.empty() || !options.dryRun ? "" : "--plot plots the saved drawing, and --dry-run saves nothing"; });
    parser.Rule([&] {
        if (!many.IsMany()) return std::string();
        if (!options.plot.empty()) return std::string("--plot takes one drawing");
        if (options.timing) return std::string("--timing takes one drawing");
        if (!options.out.empty()) return std::string("-o takes one drawing");
        return std::string();
    });
    parser.SetEpilogue("Exit status: 0 when every linked table was refreshed; 1 when one could not be (the others\n"
                       "are refreshed and saved) or a drawing cannot be read or written; 2 for wrong arguments.\n"
                       "A failure in one drawing of many never stops or changes the others.");
    if (const int status = parser.Parse(JoinAreaWords(args)); status >= 0) return status;
    if (timeLimit >= 0) options.limits.timeLimitSeconds = static_cast<int>(timeLimit);
    if (rowLimit >= 0) options.limits.rowLimit = rowLimit;
    return UpdateDrawings(many, options);
}

SubcommandRegistration s_links("links", &Links, "the linked tables of a drawing and their link records; --check: the health of every link");
SubcommandRegistration s_update("update", &Update, "refresh a drawing's linked tables and save it; many drawings, a dry run, a change report");

}  // namespace
