#pragma once
// Entry points the module exports for the host's tool subcommands (found with dlsym), so the
// tools run the module's own code without a command line. The module owns this header: the
// host includes it and knows nothing of the link record's format.

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

// Lists every entity of the current drawing that carries a link record (readable or
// damaged) on standard output, one block of lines each, and a count. Returns the number of
// damaged records.
extern "C" int velloriaLinks();
inline constexpr const char* kVelloriaLinksSymbol = "velloriaLinks";
using VelloriaLinksFunc = int (*)();

// The limits every statement of later fetches runs under (see data/QueryLimits.h): a value
// below zero keeps the setting, zero means no limit.
struct VelloriaQueryLimits {
    int timeLimitSeconds = -1;
    long long rowLimit = -1;
};
extern "C" void velloriaSetQueryLimits(const VelloriaQueryLimits* limits);
inline constexpr const char* kVelloriaSetQueryLimitsSymbol = "velloriaSetQueryLimits";
using VelloriaSetQueryLimitsFunc = void (*)(const VelloriaQueryLimits*);

// The output forms of the listing tools.
inline constexpr int kVelloriaFormatText = 0;
inline constexpr int kVelloriaFormatJson = 1;

// velloriaLinks in one of the forms: the text above, or a JSON array of one object per
// linked entity (handle, type, driver, database, table or sql, user, header, startRow,
// startColumn, rows, columns, headings, widths, damaged). Returns the number of damaged records.
extern "C" int velloriaLinksAs(int format);
inline constexpr const char* kVelloriaLinksAsSymbol = "velloriaLinksAs";
using VelloriaLinksAsFunc = int (*)(int);

// What `velloria tables` asks of a database: UTF-8 texts, null for the default.
struct VelloriaTablesRequest {
    const char* database = nullptr;
    const char* driver = nullptr;  // null: the Access ODBC driver
    const char* user = nullptr;
    const char* password = nullptr;
    bool columns = false;  // each table's columns with their Access types too
    int format = kVelloriaFormatText;
};

// Lists every table, view and linked table of the database with its type and row count on
// standard output; errors on standard error. Returns the exit status: 0, 1 when the database
// cannot be opened (or a count failed: that table shows "?"), 2 for an unknown driver.
extern "C" int velloriaTables(const VelloriaTablesRequest* request);
inline constexpr const char* kVelloriaTablesSymbol = "velloriaTables";
using VelloriaTablesFunc = int (*)(const VelloriaTablesRequest*);
