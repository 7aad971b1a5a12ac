#pragma once
// The tools over many drawings (BatchTools.cpp). `velloria update` and `velloria links` parse
// their arguments once, with the options declared here, and hand over to these when a run is
// more than one drawing's.
#include <string>
#include <vector>

#include "app/ToolEntryPoints.h"
#include "text/CommandLineOptions.h"
#include "view/PaperSheet.h"

// The drawings of a run: named ones and folders, lists of them, and how many at a time.
struct ManyDrawings {
    std::vector<std::string> names, lists;
    bool recursive = false;
    long long jobs = -1;  // -1: the default, one worker a core

    bool Empty() const { return names.empty() && lists.empty(); }
    // Several drawings, a folder or a list: a batch run rather than one drawing's.
    bool IsMany() const;
};

// DRAWING|FOLDER..., -r, --from-list FILE|- and -j N, and the rule that a run names a drawing.
void DeclareManyDrawings(platform::OptionParser& parser, ManyDrawings& many);

struct UpdateOptions {
    bool dryRun = false;
    bool timing = false;   // a line with the time spent in each step (one drawing)
    std::string report;    // FILE.json or FILE.html: every changed cell
    std::string out;       // save the one drawing here instead of in place
    std::string plot;      // plot the one drawing as saved to this sheet
    platform::view::PaperRequest plotPaper;  // on this paper, at this scale
    bool noBackup = false; // keep no NAME.bak of a file replaced, whatever ISAVEBAK says
    VelloriaQueryLimits limits;
};

// `velloria update` over the drawings of a run, one drawing being a run of one: each drawing is
// refreshed and saved the same way, and only the lines printed differ (a run of many names
// the drawing on each line and adds a total).
int UpdateDrawings(const ManyDrawings& many, const UpdateOptions& options);
int CheckLinks(const ManyDrawings& many, bool json);
