// The tools over drawings: `velloria update`, `velloria links --check` and `velloria relink`.
// Each drawing of a run of many is processed in a worker process (see Batch.h); a drawing is
// saved atomically, and only when everything the tool had to do to it succeeded, so a failure
// never leaves a drawing half changed.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Batch.h"
#include "BatchTools.h"
#include "Documents.h"
#include "ModuleLoader.h"
#include "PlotTool.h"
#include "Subcommands.h"
#include "app/ToolEntryPoints.h"
#include "db/DbDatabase.h"
#include "posix/AtomicFile.h"
#include "text/JsonText.h"
#include "text/Utf8.h"

namespace {

bool Collect(const char* tool, const ManyDrawings& many, std::vector<std::string>& drawings) {
    std::string error;
    if (!CollectDrawings(many.names, many.recursive, many.lists, drawings, error)) {
        std::fprintf(stderr, "velloria %s: %s\n", tool, error.c_str());
        return false;
    }
    return true;
}

int Jobs(const ManyDrawings& many) { return many.jobs > 0 ? static_cast<int>(many.jobs) : DefaultJobs(); }

void Print(const DrawingOutcome& outcome) {
    std::fwrite(outcome.out.data(), 1, outcome.out.size(), stdout);
    std::fflush(stdout);
    std::fwrite(outcome.err.data(), 1, outcome.err.size(), stderr);
    std::fflush(stderr);
}

std::string Plural(long long n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

// ---- update ----

enum UpdateCount { kTables, kRefreshed, kFailedTables, kChangedTables, kCells, kRowsAdded, kRowsRemoved, kUpdateCounts };

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One `velloria update` run: checked and set up before any drawing is touched, each drawing
// refreshed (in a worker when the run is of many), the outcomes added up, then the total and
// the change report. A run of one drawing works in this process and prints its lines without
// the drawing's name.
class BatchUpdate {
public:
    explicit BatchUpdate(const UpdateOptions& options) : m_options(options) {}
    ~BatchUpdate() {
        std::error_code ec;
        if (!m_fragments.empty()) std::filesystem::remove_all(m_fragments, ec);
    }

    // The exit status to return at once, or -1 when the run can go on.
    int Prepare(const ManyDrawings& many) {
        if (!Collect("update", many, m_drawings)) return 1;
        m_single = !many.IsMany() && m_drawings.size() == 1;
        if (!m_options.out.empty() && m_drawings.size() != 1) {
            std::fputs("velloria update: -o takes one drawing\n", stderr);
            return 2;
        }
        if (!m_options.out.empty() && IsDwgDrawing(platform::FromUtf8(m_options.out))) {
            std::fprintf(stderr, "velloria update: -o %s: drawings are saved as DXF only, never as DWG\n", m_options.out.c_str());
            return 2;
        }
        // The report is written at the end; whether it can be is known before any work is done.
        std::string why;
        if (!m_options.report.empty() && !platform::posix::CanReplace(m_options.report, why)) {
            std::fprintf(stderr, "velloria update: cannot write %s: %s\n", m_options.report.c_str(), why.c_str());
            return 1;
        }
        const auto moduleStart = std::chrono::steady_clock::now();
        m_update = m_module.Entry<VelloriaUpdateWithOptionsFunc>(kVelloriaUpdateWithOptionsSymbol);
        auto setLimits = m_module.Entry<VelloriaSetQueryLimitsFunc>(kVelloriaSetQueryLimitsSymbol);
        m_nextDrawing = m_module.Entry<VelloriaNextDrawingFunc>(kVelloriaNextDrawingSymbol);
        m_writeReport = m_module.Entry<VelloriaWriteChangeReportFunc>(kVelloriaWriteChangeReportSymbol);
        if (!m_update || !setLimits || !m_nextDrawing || !m_writeReport) return 1;
        setLimits(&m_options.limits);
        m_moduleSeconds = Since(moduleStart);
        // The drawings' parts of the report, written by the workers.
        if (!m_options.report.empty()) {
            char pattern[] = "/tmp/velloria-report-XXXXXX";
            if (!::mkdtemp(pattern)) {
                std::fprintf(stderr, "velloria update: no folder for the report's parts\n");
                return 1;
            }
            m_fragments = pattern;
        }
        m_outcomes.resize(m_drawings.size());
        return -1;
    }

    int Run(int jobs) {
        if (m_single) {
            // Printed as it goes: nothing to keep apart from other drawings' lines.
            Tally(0, UpdateDrawing(0, m_drawings.front()));
        } else {
            RunOverDrawings(
                m_drawings, jobs, [this](size_t index, const std::string& drawing) { return UpdateDrawing(index, drawing); },
                [this](size_t index, const DrawingOutcome& outcome) {
                    Print(outcome);
                    Tally(index, outcome);
                });
            PrintTotal();
        }
        const bool reported = m_options.report.empty() || WriteReport();
        std::fflush(stdout);
        return m_anyFailed || !reported ? 1 : 0;
    }

private:
    std::string FragmentOf(size_t index) const { return m_fragments + "/" + std::to_string(index); }
    bool Counting() const { return m_options.dryRun || !m_fragments.empty(); }
    // What a line about a drawing starts with: its name, unless the run is of it alone.
    std::string Prefix(const std::string& drawing) const { return m_single ? std::string() : drawing + ": "; }

    DrawingOutcome NotRefreshed(const std::string& drawing, const std::string& why, const std::string& outcome) const {
        DrawingOutcome result;
        result.counts.assign(kUpdateCounts, 0);
        if (!m_single) std::printf("%s: not refreshed: %s\n", drawing.c_str(), why.c_str());
        result.failed = result.unprocessed = true;
        result.outcome = outcome;
        return result;
    }

    // Refresh one drawing, save it when that is what was asked, and plot it as saved.
    DrawingOutcome UpdateDrawing(size_t index, const std::string& drawing) {
        // A DWG drawing is saved as the DXF beside it, always: it is what the refresh leaves.
        const bool fromDwg = IsDwgDrawing(platform::FromUtf8(drawing));
        const std::wstring target =
            m_options.out.empty() ? InPlaceSavePath(platform::FromUtf8(drawing)) : platform::FromUtf8(m_options.out);
        std::string error;
        // A DXF beside the DWG was saved from it before and may have been worked on since: it is
        // replaced only when named with -o.
        if (fromDwg && m_options.out.empty() && !m_options.dryRun && std::filesystem::exists(DrawingFilePath(target))) {
            const std::string dxf = DrawingFilePath(target);
            std::fprintf(stderr,
                         "velloria update: %s is there already, saved from %s before: refresh that drawing, or name the DXF "
                         "to write with -o\n",
                         dxf.c_str(), drawing.c_str());
            return NotRefreshed(drawing, "its DXF " + dxf + " is there already", "not refreshed: its DXF is there already");
        }
        // Whether the result can be written is known before any work is done: a refresh whose
        // save then fails would report tables as refreshed that nobody will see.
        if (!m_options.dryRun && !platform::posix::CanReplace(DrawingFilePath(target), error)) {
            std::fprintf(stderr, "velloria update: cannot write %s: %s\n", DrawingFilePath(target).c_str(), error.c_str());
            return NotRefreshed(drawing, "cannot write " + DrawingFilePath(target), "not refreshed: the drawing cannot be written");
        }
        const auto openStart = std::chrono::steady_clock::now();
        AcApDocument* document = OpenDrawingDocument(platform::FromUtf8(drawing), &error);
        if (!document) {
            std::fprintf(stderr, "velloria update: %s\n", error.c_str());
            return NotRefreshed(drawing, "the drawing cannot be read", "not refreshed: the drawing cannot be read");
        }
        const double openSeconds = Since(openStart);
        VelloriaUpdateOptions moduleOptions;
        moduleOptions.listChanges = m_options.dryRun ? 1 : 0;
        const std::string fragment = FragmentOf(index);
        moduleOptions.reportFragment = m_fragments.empty() ? nullptr : fragment.c_str();
        VelloriaUpdateTotals totals;
        VelloriaChangeTotals changes;
        const auto updateStart = std::chrono::steady_clock::now();
        m_update(&moduleOptions, &totals, &changes);
        const double updateSeconds = Since(updateStart);

        // In place, a drawing nothing changed in is left alone; an output file is always written.
        const auto saveStart = std::chrono::steady_clock::now();
        const bool changed = document->database()->hasUnsavedChanges();
        const bool save = !m_options.dryRun && (changed || !m_options.out.empty() || fromDwg);
        const bool saved = save && SaveDrawingDocument(document, target, &error, m_options.noBackup ? BackupPolicy::None : BackupPolicy::AsSet);
        const double saveSeconds = Since(saveStart);
        // The nightly job's sheet: the drawing as saved (or as it was, when nothing changed).
        std::string plotted, plotError;
        const bool plotFailed = (saved || !save) && !m_options.plot.empty() && !PlotDocument(document, m_options.plot, m_options.plotPaper, &plotted, &plotError);
        const auto closeStart = std::chrono::steady_clock::now();
        if (m_single) {
            // The process ends next, and the system takes the drawing's memory back at once.
            acDocManagerPtr()->abandonAll();
        } else {
            acDocManagerPtr()->closeAll();
            m_nextDrawing();
        }
        const double closeSeconds = Since(closeStart);

        DrawingOutcome result;
        result.outcome = m_options.dryRun ? (changed ? "not saved: dry run" : "not saved: dry run, nothing would change")
                         : saved          ? (fromDwg ? "saved as DXF " : "saved ") + DrawingFilePath(target)
                         : save           ? "not saved"
                                          : "not saved: nothing changed";
        std::printf("%s%d linked tables: %d refreshed, %d not refreshed", Prefix(drawing).c_str(), totals.tables, totals.refreshed,
                    totals.failed);
        if (Counting())
            std::printf(" (%s, %s)", Plural(changes.tablesChanged, "table changed", "tables changed").c_str(),
                        Plural(changes.cellsChanged, "cell", "cells").c_str());
        std::printf("; %s\n", result.outcome.c_str());
        std::fflush(stdout);
        if (save && !saved) std::fprintf(stderr, "velloria update: %s\n", error.c_str());
        if (!plotted.empty()) std::printf("%s\n", plotted.c_str());
        if (plotFailed) std::fprintf(stderr, "velloria update: not plotted: %s\n", plotError.c_str());
        if (m_options.timing)
            std::printf("times: open %.3f s, fetch %.3f s, fill %.3f s, other %.3f s, save %.3f s, module %.3f s, close %.3f s\n",
                        openSeconds, totals.fetchSeconds, totals.fillSeconds,
                        std::max(0.0, updateSeconds - totals.fetchSeconds - totals.fillSeconds), saveSeconds, m_moduleSeconds,
                        closeSeconds);
        result.failed = totals.failed > 0 || (save && !saved) || changes.reportFailed || plotFailed;
        result.unprocessed = save && !saved;
        result.changed = saved && (changed || fromDwg);  // a DWG's DXF is a new file
        result.counts = {totals.tables, totals.refreshed, totals.failed, changes.tablesChanged, changes.cellsChanged,
                         changes.rowsAdded, changes.rowsRemoved};
        if (changes.reportFailed) result.outcome += "; its report could not be written";
        return result;
    }

    void Tally(size_t index, const DrawingOutcome& outcome) {
        m_anyFailed = m_anyFailed || outcome.failed;
        if (outcome.unprocessed) ++m_unprocessed;
        else if (outcome.failed) ++m_partly;
        if (outcome.changed) ++m_saved;
        for (size_t k = 0; k < outcome.counts.size() && k < kUpdateCounts; ++k) m_sums[k] += outcome.counts[k];
        m_outcomes[index].outcome = outcome.outcome;
        m_outcomes[index].counts = outcome.counts;
    }

    void PrintTotal() const {
        const long long total = static_cast<long long>(m_drawings.size());
        std::printf("%s: %lld saved, %lld not processed, %lld with tables not refreshed; %s: %lld refreshed, %lld not refreshed",
                    Plural(total, "drawing", "drawings").c_str(), m_saved, m_unprocessed, m_partly,
                    Plural(m_sums[kTables], "linked table", "linked tables").c_str(), m_sums[kRefreshed], m_sums[kFailedTables]);
        if (Counting())
            std::printf("; %s %s", Plural(m_sums[kCells], "cell", "cells").c_str(), m_options.dryRun ? "would change" : "changed");
        std::printf("\n");
    }

    // The drawings' parts joined into the one report.
    bool WriteReport() const {
        std::vector<std::string> fragmentNames(m_drawings.size());
        std::vector<VelloriaReportPart> parts;
        for (size_t i = 0; i < m_drawings.size(); ++i) {
            fragmentNames[i] = FragmentOf(i);
            const bool has = std::filesystem::exists(fragmentNames[i] + ".json");
            parts.push_back({m_drawings[i].c_str(), m_outcomes[i].outcome.c_str(), has ? fragmentNames[i].c_str() : nullptr});
        }
        char error[512] = "";
        if (m_writeReport(m_options.report.c_str(), parts.data(), static_cast<int>(parts.size()), error, sizeof error) != 0) {
            std::fprintf(stderr, "velloria update: the report %s was not written: %s\n", m_options.report.c_str(), error);
            return false;
        }
        std::printf("report written to %s\n", m_options.report.c_str());
        return true;
    }

    const UpdateOptions& m_options;
    ToolModule m_module{"update"};  // loaded before the workers start: they inherit it
    VelloriaUpdateWithOptionsFunc m_update = nullptr;
    VelloriaNextDrawingFunc m_nextDrawing = nullptr;
    VelloriaWriteChangeReportFunc m_writeReport = nullptr;
    std::vector<std::string> m_drawings;
    bool m_single = false;
    double m_moduleSeconds = 0;
    std::string m_fragments;
    std::vector<DrawingOutcome> m_outcomes;
    long long m_unprocessed = 0, m_partly = 0, m_saved = 0, m_sums[kUpdateCounts] = {};
    bool m_anyFailed = false;
};

}  // namespace

int UpdateDrawings(const ManyDrawings& many, const UpdateOptions& options) {
    BatchUpdate batch(options);
    if (const int status = batch.Prepare(many); status >= 0) return status;
    return batch.Run(Jobs(many));
}

// ---- links --check ----

namespace {
enum CheckCount { kCheckTables, kCheckOk, kCheckBroken, kCheckStale, kCheckCounts };
}  // namespace

int CheckLinks(const ManyDrawings& many, bool json) {
    std::vector<std::string> drawings;
    if (!Collect("links", many, drawings)) return 1;
    ToolModule module("links");
    auto check = module.Entry<VelloriaCheckLinksFunc>(kVelloriaCheckLinksSymbol);
    auto nextDrawing = module.Entry<VelloriaNextDrawingFunc>(kVelloriaNextDrawingSymbol);
    if (!check || !nextDrawing) return 1;

    auto work = [&](size_t, const std::string& drawing) {
        DrawingOutcome result;
        result.counts.assign(kCheckCounts, 0);
        std::string error;
        AcApDocument* document = OpenDrawingDocument(platform::FromUtf8(drawing), &error);
        if (!document) {
            result.failed = result.unprocessed = true;
            if (json) std::printf("{\"drawing\":%s,\"error\":%s}\n", platform::JsonQuoted(drawing).c_str(), platform::JsonQuoted(error).c_str());
            else std::printf("%s: cannot be checked: %s\n", drawing.c_str(), error.c_str());
            return result;
        }
        VelloriaCheckOptions options;
        options.json = json ? 1 : 0;
        options.drawing = drawing.c_str();
        VelloriaCheckTotals totals;
        if (!json) std::printf("%s:\n", drawing.c_str());
        check(&options, &totals);
        acDocManagerPtr()->closeAll();
        nextDrawing();
        if (!json)
            std::printf("%s: %s: %d ok, %d broken, %d would change\n", drawing.c_str(),
                        Plural(totals.tables, "linked table", "linked tables").c_str(), totals.ok, totals.broken, totals.stale);
        result.failed = totals.broken > 0;
        result.counts = {totals.tables, totals.ok, totals.broken, totals.stale};
        return result;
    };
    long long failedDrawings = 0, unreadable = 0, sums[kCheckCounts] = {};
    RunOverDrawings(drawings, Jobs(many), work, [&](size_t, const DrawingOutcome& outcome) {
        Print(outcome);
        if (outcome.failed) ++failedDrawings;
        if (outcome.unprocessed) ++unreadable;
        for (size_t k = 0; k < outcome.counts.size() && k < kCheckCounts; ++k) sums[k] += outcome.counts[k];
    });
    if (json)
        std::printf("{\"total\":{\"drawings\":%zu,\"unreadable\":%lld,\"with_broken_links\":%lld,\"linked\":%lld,\"ok\":%lld,"
                    "\"broken\":%lld,\"would_change\":%lld}}\n",
                    drawings.size(), unreadable, failedDrawings - unreadable, sums[kCheckTables], sums[kCheckOk],
                    sums[kCheckBroken], sums[kCheckStale]);
    else if (drawings.size() > 1)
        std::printf("%s (%lld unreadable, %lld with broken links): %s: %lld ok, %lld broken, %lld would change\n",
                    Plural(static_cast<long long>(drawings.size()), "drawing", "drawings").c_str(), unreadable,
                    failedDrawings - unreadable, Plural(sums[kCheckTables], "linked table", "linked tables").c_str(),
                    sums[kCheckOk], sums[kCheckBroken], sums[kCheckStale]);
    std::fflush(stdout);
    return failedDrawings ? 1 : 0;
}

// ---- relink ----

namespace {

int Relink(const std::vector<std::string>& args) {
    ManyDrawings many;
    bool dryRun = false;
    std::string from, to;
    platform::OptionParser parser("velloria relink", "Re-points every link whose database path starts with OLD (compared as Windows compares\n"
                                                     "paths: case and slash insensitive) to NEW; a relative path stays relative to the\n"
                                                     "drawing. Prints each change. A drawing with a link that cannot be re-pointed (an\n"
                                                     "item of its record would pass 255 bytes) is left unchanged.");
    parser.SetSynopsis("DRAWING|FOLDER... --from OLD --to NEW [--dry-run] [-r] [--from-list FILE|-] [-j N]");
    DeclareManyDrawings(parser, many);
    parser.Text("--from", "OLD", from, "the path, or the start of the paths, to re-point");
    parser.Text("--to", "NEW", to, "what OLD is replaced with");
    parser.Flag("--dry-run", dryRun, "print the changes, save nothing");
    parser.Rule([&] { return from.empty() || to.empty() ? "--from OLD and --to NEW are both needed" : ""; });
    parser.SetEpilogue("Exit status: 0; 1 when a drawing cannot be read, re-pointed or saved; 2 for wrong arguments.");
    if (const int status = parser.Parse(args); status >= 0) return status;
    std::vector<std::string> drawings;
    if (!Collect("relink", many, drawings)) return 1;
    ToolModule module("relink");
    auto relink = module.Entry<VelloriaRelinkFunc>(kVelloriaRelinkSymbol);
    if (!relink) return 1;

    enum { kLinks, kMatched, kRefused, kCounts };
    auto work = [&](size_t, const std::string& drawing) {
        DrawingOutcome result;
        result.counts.assign(kCounts, 0);
        const std::wstring path = platform::FromUtf8(drawing);
        // A DWG drawing is saved as the DXF beside it.
        const std::wstring target = InPlaceSavePath(path);
        std::string error;
        if (!dryRun && target != path && std::filesystem::exists(DrawingFilePath(target))) {
            std::printf("%s: not re-pointed: %s is there already, saved from it before: re-point that drawing\n", drawing.c_str(),
                        DrawingFilePath(target).c_str());
            result.failed = true;
            return result;
        }
        if (!dryRun && !platform::posix::CanReplace(DrawingFilePath(target), error)) {
            std::printf("%s: not re-pointed: cannot write %s: %s\n", drawing.c_str(), DrawingFilePath(target).c_str(), error.c_str());
            result.failed = true;
            return result;
        }
        AcApDocument* document = OpenDrawingDocument(path, &error);
        if (!document) {
            std::fprintf(stderr, "velloria relink: %s\n", error.c_str());
            std::printf("%s: not re-pointed: the drawing cannot be read\n", drawing.c_str());
            result.failed = true;
            return result;
        }
        std::printf("%s:\n", drawing.c_str());
        VelloriaRelinkOptions options;
        options.from = from.c_str();
        options.to = to.c_str();
        options.dryRun = dryRun ? 1 : 0;
        VelloriaRelinkTotals totals;
        const int rc = relink(&options, &totals);
        std::string outcome;
        if (rc != 0) {
            outcome = "nothing changed: " + Plural(totals.refused, "link", "links") + " cannot be re-pointed";
            result.failed = true;
        } else if (totals.matched == 0) {
            outcome = "no link starts with " + from;
        } else if (dryRun) {
            outcome = Plural(totals.matched, "link", "links") + " would be re-pointed; dry run, not saved";
        } else if (SaveDrawingDocument(document, target, &error)) {
            outcome = Plural(totals.matched, "link", "links") + " re-pointed; saved " + (target != path ? "as DXF " : "") +
                      DrawingFilePath(target);
            result.changed = true;
        } else {
            std::fprintf(stderr, "velloria relink: %s\n", error.c_str());
            outcome = "not saved";
            result.failed = true;
        }
        acDocManagerPtr()->closeAll();
        std::printf("%s: %s: %s\n", drawing.c_str(), Plural(totals.tables, "linked table", "linked tables").c_str(), outcome.c_str());
        result.counts = {totals.tables, totals.matched, totals.refused};
        return result;
    };
    long long failed = 0, changed = 0, sums[kCounts] = {};
    RunOverDrawings(drawings, Jobs(many), work, [&](size_t, const DrawingOutcome& outcome) {
        Print(outcome);
        if (outcome.failed) ++failed;
        if (outcome.changed) ++changed;
        for (size_t k = 0; k < outcome.counts.size() && k < kCounts; ++k) sums[k] += outcome.counts[k];
    });
    if (drawings.size() > 1)
        std::printf("%s: %lld failed, %lld saved; %s, %lld starting with %s, %lld refused\n",
                    Plural(static_cast<long long>(drawings.size()), "drawing", "drawings").c_str(), failed, changed,
                    Plural(sums[kLinks], "linked table", "linked tables").c_str(), sums[kMatched], from.c_str(), sums[kRefused]);
    std::fflush(stdout);
    return failed ? 1 : 0;
}

SubcommandRegistration s_relink("relink", &Relink, "re-point the links of drawings from one database path to another");

}  // namespace

bool ManyDrawings::IsMany() const {
    if (names.size() != 1 || !lists.empty() || recursive) return true;
    std::error_code ec;
    return std::filesystem::is_directory(names.front(), ec);
}

void DeclareManyDrawings(platform::OptionParser& parser, ManyDrawings& many) {
    parser.Positionals("DRAWING|FOLDER", many.names);
    parser.Flag("-r, --recursive", many.recursive, "the drawings of a folder's subfolders as well");
    parser.Value("--from-list", "FILE|-", "the drawings (and folders) named in FILE, one a line; - reads standard input",
                 [&many](const std::string& file) {
                     many.lists.push_back(file);
                     return true;
                 });
    parser.Count("-j, --jobs", "N", 1024, many.jobs, "N drawings at a time (default: one a core)");
    parser.Rule([&many] { return many.Empty() ? "missing DRAWING|FOLDER (or --from-list)" : ""; });
    parser.Rule([&many] { return many.jobs == 0 ? "-j takes 1 to 1024" : ""; });
}
