#include "app/PreviewCommand.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <memory>
#include <string_view>

#include "editor/Alert.h"
#include "editor/Console.h"
#include "text/Utf8.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/MyDatabase.h"
#include "data/ADORecordset.h"
#include "data/QueryLimits.h"
#include "text/CommandLineOptions.h"
#include "types/CellGrid.h"
#include "types/TableLink.h"

namespace {

int Fail(const std::string& message, int status) {
    std::fprintf(stderr, "velloria preview: %s\n", message.c_str());
    return status;
}

void WriteGrid(const CCellGrid& grid) {
    std::string out;
    for (int r = 0; r < grid.GetRows(); ++r) {
        for (int c = 0; c < grid.GetCols(); ++c) {
            if (c) out += '\t';
            out += grid.CellRef(r, c).ToUtf8();
        }
        out += '\n';
        if (out.size() > 65536) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
}

// The headings of a query that ran and found nothing; false when it does not run.
bool ReadEmptyResult(CMyDatabase& db, const CTableLink& link, std::string& headings) {
    CADORecordset recordset(db.m_Database);
    if (!recordset.Open(link.m_strSQL) || recordset.GetRecordCount() != 0) return false;
    for (int i = 0; i < recordset.GetFieldCount(); ++i) {
        CADOFieldInfo info{};
        recordset.GetFieldInfo(i, &info);
        headings += (i ? "\t" : "") + CString(info.m_strName).ToUtf8();
    }
    recordset.Close();
    return true;
}

// The subcommand's arguments.
struct CPreviewArgs {
    std::string database, table, sql, user, password;
    std::string driver = "Microsoft Access Driver (*.mdb, *.accdb)";
    bool header = false;
    long long timeLimit = -1, rowLimit = -1;
};

// Reads the arguments; -1 to go on, else the exit status (help printed, or wrong arguments).
int ParsePreviewArgs(int argc, char** argv, CPreviewArgs& args) {
    bool haveTable = false, haveSql = false;
    platform::OptionParser parser("velloria preview", "The cell grid a refresh would write from a table, saved query or SQL statement of DB:\n"
                                                      "one row a line, cells separated by tabs.");
    parser.SetSynopsis("DB (--table T | --sql S) [--header] [--driver NAME] [--user U] [--password P]\n"
                       "                        [--time-limit SECONDS] [--row-limit ROWS]");
    parser.Positional("DB", args.database);
    parser.Value("--table", "T", "a table or saved query of the file", [&](const std::string& v) { return args.table = v, haveTable = true; });
    parser.Value("--sql", "S", "an SQL statement in Access's dialect", [&](const std::string& v) { return args.sql = v, haveSql = true; });
    parser.Flag("--header", args.header, "the first row holds the column names");
    parser.Text("--driver", "NAME", args.driver, "the driver or provider (default: the Access ODBC driver)");
    parser.Text("--user", "U", args.user, "the user name");
    parser.Text("--password", "P", args.password, "the database password");
    parser.Count("--time-limit", "SECONDS", 1000000, args.timeLimit, "the statement's time limit (0: none)");
    parser.Count("--row-limit", "ROWS", 1LL << 40, args.rowLimit, "the statement's row limit (0: none)");
    parser.Rule([&] { return haveTable == haveSql ? std::string("give either --table or --sql") : std::string(); });
    parser.SetEpilogue("A query that finds no records prints nothing (with --header: the header row) and exits 0.\n"
                       "Exit status: 1 when the database cannot be opened or the query fails; 2 for wrong arguments.");
    const int status = parser.Parse(argc, argv);
    return status >= 0 ? status : -1;
}

// The link a refresh of such a table would hold.
CTableLink PreviewLink(const CPreviewArgs& args, const CString& driverName) {
    CTableLink link;
    link.m_bIncludeHeader = args.header ? 1 : 0;
    link.m_strDatabase = CString::FromUtf8(args.database);
    link.m_strConnectDriver = driverName;
    link.m_strUser = CString::FromUtf8(args.user);
    link.m_strPassword = CString::FromUtf8(args.password);
    link.m_strTable = CString::FromUtf8(args.table);
    link.m_strSQL = CString::FromUtf8(args.sql);
    return link;
}

}  // namespace

extern "C" int velloriaPreview(int argc, char** argv) {
    // argv[0] may be the subcommand's own name; the database is the first plain argument.
    CPreviewArgs args;
    if (const int status = ParsePreviewArgs(argc, argv, args); status >= 0) return status;

    InitConnectStringTable();
    SetQueryLimitOverrides(static_cast<int>(args.timeLimit), args.rowLimit);
    const CString driverName = CString::FromUtf8(args.driver);
    if (GetConnectStringTemplate(driverName).IsEmpty()) return Fail("unknown driver " + args.driver, 2);

    // The data layer's reports are taken here, to say each failure once in one plain line.
    std::wstring report;
    const platform::AlertHandler previous = platform::SetAlertHandler([&report](std::wstring_view text) { report = text; });
    CTableLink link = PreviewLink(args, driverName);
    CCellGrid grid;
    bool read = false, empty = false;
    std::string headings, reason;
    {
        CMyDatabase db;
        if (!db.Open(link.m_strConnectDriver, link.m_strDatabase, link.m_strUser, link.m_strPassword)) {
            platform::SetAlertHandler(previous);
            return Fail("failed to open database " + args.database + (report.empty() ? "" : ": " + platform::ToUtf8(platform::AlertReason(report))), 1);
        }
        const CTableLink asked = link;
        read = db.ReadRecords(link, grid);
        // The fetch does not tell "no records" from a failure; a failed statement has been
        // reported, and is not run again.
        if (!read && report.empty()) empty = ReadEmptyResult(db, link, headings);
        if (!read && !empty) reason = db.FailureReason(asked).ToUtf8();
    }
    platform::SetAlertHandler(previous);
    if (empty) {
        if (args.header) std::printf("%s\n", headings.c_str());
        std::fflush(stdout);
        return 0;
    }
    if (!read) return Fail(reason, 1);
    WriteGrid(grid);
    return 0;
}
