#pragma once
// Entry points the module exports for the host's tool subcommands (found with dlsym), so the
// tools run the module's own code without a command line.

// What one refresh of a drawing's linked tables did, for the tool's summary.
struct VelloriaUpdateTotals {
    int tables = 0;     // linked tables found
    int refreshed = 0;  // refilled from their source
    int failed = 0;     // left as they were (each reported)
    double fetchSeconds = 0;  // opening databases and reading records
    double fillSeconds = 0;   // writing cells into the tables
};

// Refreshes every linked table of the current drawing as DbTable_Update with ALL does and
// prints one line per table on standard output. The refresh's own messages (and the data
// layer's alerts) go to standard error. Returns the number of tables that failed.
extern "C" int velloriaUpdate(VelloriaUpdateTotals* totals);
inline constexpr const char* kVelloriaUpdateSymbol = "velloriaUpdate";
using VelloriaUpdateFunc = int (*)(VelloriaUpdateTotals*);
