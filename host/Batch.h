#pragma once
// Running a tool over many drawings: the list of drawings (named, found in folders, read from
// a list) and the workers that process them, each drawing's output kept together and printed
// in the order of the list.
#include <functional>
#include <string>
#include <vector>

// The drawings that names stand for: a drawing file as it is, a folder its .dxf and .dwg files
// (with recursive, those of its subfolders too; a DWG that has its DXF beside it is left out,
// as that DXF is what it was saved as), in name order; then the lines of each list file
// ("-" for standard input; empty lines and lines starting with "#" skipped). False with the
// reason when a name is neither a file nor a folder or a list cannot be read.
bool CollectDrawings(const std::vector<std::string>& names, bool recursive, const std::vector<std::string>& lists,
                     std::vector<std::string>& drawings, std::string& error);

// What became of one drawing.
struct DrawingOutcome {
    bool failed = false;        // the drawing, or a table of it, could not be processed
    bool changed = false;       // saved with changes
    bool unprocessed = false;   // the drawing itself could not be read, written or finished
    std::vector<long long> counts;  // the tool's own figures, summed for the total
    std::string outcome;        // a short word for the report ("saved", "not saved: dry run" ...)
    std::string out, err;       // what it printed
};

// Runs work for each drawing in up to jobs worker processes (forked, each taking the next
// drawing when it is done with one, so that what a worker keeps between drawings, such as
// the databases it read, serves the drawings after). A worker that dies takes only its current
// drawing with it (reported as failed, with the cause); another takes over the rest. Each
// outcome is handed to done in the order of the list, as soon as those before it are done.
void RunOverDrawings(const std::vector<std::string>& drawings, int jobs,
                     const std::function<DrawingOutcome(size_t index, const std::string& drawing)>& work,
                     const std::function<void(size_t index, const DrawingOutcome&)>& done);

// The default number of workers: the processors this process may use.
int DefaultJobs();
