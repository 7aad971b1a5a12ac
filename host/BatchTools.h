#pragma once
// The tools over many drawings (BatchTools.cpp). `velloria update` and `velloria links` parse
// their arguments once, with the options declared here, and hand over to these when a run is
// more than one drawing's.
#include <string>
#include <vector>

#include "app/ToolEntryPoints.h"
#include "text/CommandLineOptions.h"

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

struct UpdateManyOptions {
    bool dryRun = false;
    std::string report, out;
    VelloriaQueryLimits limits;
};

int UpdateMany(const ManyDrawings& many, const UpdateManyOptions& options);
int CheckLinks(const ManyDrawings& many, bool json);
