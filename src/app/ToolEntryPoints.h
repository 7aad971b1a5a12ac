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

// Between two drawings that one process works on (the tools' runs over many drawings): the
// databases the last drawing opened stay open for the next one while their files are
// unchanged, so a database that many drawings use is read once.
extern "C" void velloriaNextDrawing();
inline constexpr const char* kVelloriaNextDrawingSymbol = "velloriaNextDrawing";
using VelloriaNextDrawingFunc = void (*)();

// What a refresh also does for the dry run and the change report.
struct VelloriaUpdateOptions {
    int listChanges = 0;                // print each table's changed cells under its line
    const char* reportFragment = nullptr;  // write this drawing's part of the change report to
                                           // FRAGMENT.json and FRAGMENT.html (null: none)
};
// velloriaUpdate with options; the totals also count the cells changed.
struct VelloriaChangeTotals {
    int tablesChanged = 0;
    long long cellsChanged = 0;
    long long rowsAdded = 0;
    long long rowsRemoved = 0;
    int reportFailed = 0;  // the drawing's part of the change report could not be written
};
extern "C" int velloriaUpdateWithOptions(const VelloriaUpdateOptions* options, VelloriaUpdateTotals* totals,
                                         VelloriaChangeTotals* changes);
inline constexpr const char* kVelloriaUpdateWithOptionsSymbol = "velloriaUpdateWithOptions";
using VelloriaUpdateWithOptionsFunc = int (*)(const VelloriaUpdateOptions*, VelloriaUpdateTotals*, VelloriaChangeTotals*);

// Joins the parts of a change report (one a drawing, written by velloriaUpdateWithOptions)
// into the report at path, JSON or HTML by its extension, written whole or not at all.
// names[i] is the drawing of fragments[i] as the user named it, outcomes[i] what became of it
// ("saved", "not saved: dry run" ...). Returns 0, or 1 with the reason in error.
struct VelloriaReportPart {
    const char* drawing;
    const char* outcome;
    const char* fragment;  // null: the drawing was not refreshed (its outcome says why)
};
extern "C" int velloriaWriteChangeReport(const char* path, const VelloriaReportPart* parts, int count, char* error,
                                         int errorSize);
inline constexpr const char* kVelloriaWriteChangeReportSymbol = "velloriaWriteChangeReport";
using VelloriaWriteChangeReportFunc = int (*)(const char*, const VelloriaReportPart*, int, char*, int);

// The health of every link of the current drawing, without changing it: does the database
// open (its path resolved as a refresh resolves it), does the table or view exist or the SQL
// run, how many rows and columns a refresh would write, would any cell change. One line per
// table on standard output (or, with json, one JSON object for the drawing, on one line).
struct VelloriaCheckOptions {
    int json = 0;
    const char* drawing = nullptr;  // the drawing as the user named it
};
struct VelloriaCheckTotals {
    int tables = 0;
    int ok = 0;       // would refresh
    int broken = 0;   // would not
    int stale = 0;    // of the ok ones, those whose cells would change
};
extern "C" int velloriaCheckLinks(const VelloriaCheckOptions* options, VelloriaCheckTotals* totals);
inline constexpr const char* kVelloriaCheckLinksSymbol = "velloriaCheckLinks";
using VelloriaCheckLinksFunc = int (*)(const VelloriaCheckOptions*, VelloriaCheckTotals*);

// Re-points every link of the current drawing whose database path starts with from (as
// Windows compares paths: letter case and "/" against "\" do not count) to start with to
// instead, keeping a relative path relative to the drawing where one exists. Prints each
// change. Only the "Database" item of a record changes; every other item stays as stored.
// All or nothing: when any link cannot be re-pointed (the new path would pass the 255 bytes
// of an item, the new database does not exist) nothing is changed and each is named.
struct VelloriaRelinkOptions {
    const char* from = nullptr;  // UTF-8
    const char* to = nullptr;
    int dryRun = 0;              // print the changes, make none
};
struct VelloriaRelinkTotals {
    int tables = 0;    // linked entities
    int matched = 0;   // whose path starts with from
    int refused = 0;   // of those, that cannot be re-pointed
};
// Returns 0 when every matching link was (or, in a dry run, could be) re-pointed, 1 otherwise.
extern "C" int velloriaRelink(const VelloriaRelinkOptions* options, VelloriaRelinkTotals* totals);
inline constexpr const char* kVelloriaRelinkSymbol = "velloriaRelink";
using VelloriaRelinkFunc = int (*)(const VelloriaRelinkOptions*, VelloriaRelinkTotals*);

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

// `velloria drivers`: every row of the driver table with what its database item names, what
// it asks for, and whether it can open anything here (built in, the ODBC driver installed for
// it, or the Debian package that installs one), on standard output. Returns 0.
extern "C" int velloriaDrivers(int format);
inline constexpr const char* kVelloriaDriversSymbol = "velloriaDrivers";
using VelloriaDriversFunc = int (*)(int);

// `velloria trust`: the list of trusted sources. action "list" prints it, "add" and "remove"
// change it by the entry a location names (HOST[:PORT][/DATABASE], DSN=NAME or a server
// URL). Returns 0, or 1 with the reason on standard error.
extern "C" int velloriaTrust(const char* action, const char* location);
inline constexpr const char* kVelloriaTrustSymbol = "velloriaTrust";
using VelloriaTrustFunc = int (*)(const char*, const char*);
