#include "app/PreviewCommand.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/Alert.h"
#include "editor/Console.h"
#include "text/Utf8.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/MyDatabase.h"
#include "catalogue/ServerUrl.h"
#include "data/ADOError.h"
#include "data/ADORecordset.h"
#include "data/QueryLimits.h"
#include "posix/FileIo.h"
#include "posix/PasswordSources.h"
#include "text/CommandLineOptions.h"
#include "text/DelimitedText.h"
#include "text/JsonText.h"
#include "types/TableLink.h"

namespace {

int Fail(const std::string& message, int status) {
    std::fprintf(stderr, "velloria preview: %s\n", message.c_str());
    return status;
}

// Standard output in blocks, as the rows come: the preview holds no more of a result than one
// row and one block of text. TSV and CSV write a row a line; JSON writes
// {"columns": [...], "rows": [[...], ...]}, closed only when every row came, so that a
// result stopped on the way is never taken for a whole one.
class CRowWriter {
public:
    explicit CRowWriter(platform::TableFormat format) : m_format(format) {}
    ~CRowWriter() { Flush(); }
    void Columns(const std::vector<std::string>& names, bool header) {
        if (m_format == platform::TableFormat::Json) {
            m_out += "{\"columns\": [";
            for (size_t i = 0; i < names.size(); ++i) m_out += (i ? ", " : "") + platform::JsonQuoted(names[i]);
            m_out += "], \"rows\": [";
            return;
        }
        if (!header) return;
        for (size_t i = 0; i < names.size(); ++i) platform::AppendField(m_out, m_format, i == 0, names[i]);
        m_out += '\n';
    }
    void BeginRow() {
        if (m_format == platform::TableFormat::Json) m_out += m_rows ? ",\n  [" : "\n  [";
    }
    void Cell(int column, const CString& text) {
        if (m_format != platform::TableFormat::Json) return platform::AppendField(m_out, m_format, column == 0, std::wstring_view(text.str()));
        m_cell.clear();
        platform::AppendUtf8(m_cell, text.str());
        if (column) m_out += ", ";
        m_out += platform::JsonQuoted(m_cell);
    }
    void EndRow() {
        m_out += m_format == platform::TableFormat::Json ? "]" : "\n";
        ++m_rows;
        if (m_out.size() > 65536) Flush();
    }
    void End() {
        if (m_format == platform::TableFormat::Json) m_out += m_rows ? "\n]}\n" : "]}\n";
    }
    void Flush() {
        std::fwrite(m_out.data(), 1, m_out.size(), stdout);
        std::fflush(stdout);
        m_out.clear();
    }

private:
    platform::TableFormat m_format;
    std::string m_out, m_cell;
    long long m_rows = 0;
};

// Writes the rows of the statement, a heading row first when asked; false when the statement
// does not run or stops on the way (the data layer or the error says why on standard error).
bool WriteRows(CADORecordset& recordset, const CString& sql, bool header, platform::TableFormat format, std::wstring& report) {
    if (!recordset.OpenForwardOnly(sql)) return false;
    CRowWriter writer(format);
    const int columns = recordset.GetFieldCount();
    // The headings a refresh writes: the field names as the fetch reads them.
    std::vector<std::string> names;
    for (int i = 0; i < columns; ++i) {
        CADOFieldInfo info{};
        recordset.GetFieldInfo(i, &info);
        names.push_back(CString(info.m_strName).ToUtf8());
    }
    writer.Columns(names, header);
    try {
        CString text;
        for (; !recordset.IsEof(); recordset.MoveNext()) {
            writer.BeginRow();
            for (int i = 0; i < columns; ++i) {
                if (!recordset.GetFieldValue(i, text, L"")) text.Empty();
                writer.Cell(i, text);
            }
            writer.EndRow();
        }
    } catch (const _com_error& e) {
        // A limit passed, or the source failed, after some rows: the rows stand, the status
        // says the whole did not come.
        writer.Flush();
        report = (L"Query = " + recordset.GetQuery() + L"\n" + FormatComErrorBody(L"CADORecordset Error", e)).str();
        return false;
    }
    writer.End();
    recordset.Close();
    return true;
}

// The subcommand's arguments.
struct CPreviewArgs {
    std::string database, table, sql, user, password, driver, format = "tsv";
    platform::posix::PasswordOptions passwords;
    bool header = false;
    long long timeLimit = -1, rowLimit = -1;
    std::vector<std::pair<std::string, std::string>> params;  // --param NAME=VALUE, in order
};

// NAME=VALUE of --param: the name without brackets ([Forms]![F]![C] is Forms!F!C).
bool ReadParam(const std::string& text, CPreviewArgs& args) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos) return false;
    std::string name;
    for (char c : text.substr(0, equals))
        if (c != '[' && c != ']') name += c;
    if (name.find_first_not_of(' ') == std::string::npos) return false;
    args.params.emplace_back(name, text.substr(equals + 1));
    return true;
}

// The saved query run with the values given, named: EXEC [T] [NAME] = 'VALUE', ... The
// engine takes each text as its parameter's type takes it.
std::string ExecuteWithParams(const CPreviewArgs& args) {
    std::string sql = "EXEC [" + args.table + "]";
    for (size_t i = 0; i < args.params.size(); ++i) {
        std::string value;
        for (char c : args.params[i].second) value += c == '\'' ? std::string("''") : std::string(1, c);
        sql += (i ? ", [" : " [") + args.params[i].first + "] = '" + value + "'";
    }
    return sql;
}

// Reads the arguments; -1 to go on, else the exit status (help printed, or wrong arguments).
int ParsePreviewArgs(int argc, char** argv, CPreviewArgs& args) {
    bool haveTable = false, haveSql = false;
    platform::OptionParser parser("velloria preview", "The cell grid a refresh would write from a table, saved query or SQL statement of DB:\n"
                                                      "one row a line, cells separated by tabs (or CSV, or JSON).");
    parser.SetSynopsis("DB (--table T [--param NAME=VALUE]... | --sql S|-) [--header] [--format tsv|csv|json]\n"
                       "                        [--driver NAME] [--user U] [--password-file F | --ask-password | --password P]\n"
                       "                        [--time-limit SECONDS] [--row-limit ROWS]\n"
                       "                        DB: a file, HOST[:PORT]/DATABASE or a data source name for --driver,\n"
                       "                        or a server URL (postgresql://USER@HOST:PORT/DATABASE)");
    parser.Positional("DB", args.database);
    parser.Value("--table", "T", "a table or saved query of the file", [&](const std::string& v) { return args.table = v, haveTable = true; });
    parser.Value("--sql", "S", "an SQL statement in Access's dialect; - reads it from standard input", [&](const std::string& v) { return args.sql = v, haveSql = true; });
    parser.Flag("--header", args.header, "the first row holds the column names (tsv, csv; json always has them)");
    parser.Choice("--format", {"tsv", "text", "csv", "json"}, args.format, "tsv (the default; text is the same), csv or json");
    parser.Value("--param", "NAME=VALUE", "a value for a parameter of the saved query T (repeatable)",
                 [&](const std::string& v) { return ReadParam(v, args); });
    parser.Text("--driver", "NAME", args.driver, "a driver of `velloria drivers` (default: the Access ODBC driver, or the one a server URL names)");
    parser.Text("--user", "U", args.user, "the user name");
    platform::posix::DeclarePasswordOptions(parser, args.passwords);
    parser.Count("--time-limit", "SECONDS", 1000000, args.timeLimit, "the statement's time limit (0: none)");
    parser.Count("--row-limit", "ROWS", 1LL << 40, args.rowLimit, "the statement's row limit (0: none)");
    parser.Rule([&] { return haveTable == haveSql ? std::string("give either --table or --sql") : std::string(); });
    parser.Rule([&] { return args.params.empty() || haveTable ? std::string() : std::string("--param gives values to the saved query of --table"); });
    parser.Rule([&] { return args.table.find(']') == std::string::npos || args.params.empty() ? std::string() : std::string("a query name holds no ]"); });
    parser.SetEpilogue("tsv: a tab, line end or backslash inside a cell is written \\t, \\n, \\r or \\\\, so a row is one line.\n"
                       "csv: RFC 4180. json: {\"columns\": [NAME...], \"rows\": [[TEXT...]...]}, every cell a string as a\n"
                       "refresh writes it; the object is closed only when every row came.\n"
                       "Without a password option, VELLORIA_PASSWORD gives the password.\n"
                       "A query that finds no records prints nothing (with --header: the header row) and exits 0.\n"
                       "Rows are printed as they are read; a statement stopped on the way (its time or row limit, or\n"
                       "the source) leaves the rows before it printed and exits 1.\n"
                       "Exit status: 1 when the database cannot be opened or the query fails; 2 for wrong arguments.");
    const int status = parser.Parse(argc, argv);
    return status >= 0 ? status : -1;
}

// --sql -: the statement is what standard input holds, whole (a here-document, a file, a pipe).
bool ReadSqlFromInput(CPreviewArgs& args, std::string& error) {
    if (args.sql != "-") return true;
    args.sql.clear();
    if (!platform::posix::ReadAll(0, args.sql)) {
        error = std::string("cannot read the SQL from standard input: ") + std::strerror(errno);
        return false;
    }
    if (args.sql.find_first_not_of(" \t\r\n") == std::string::npos) {
        error = "--sql -: standard input holds no SQL";
        return false;
    }
    return true;
}

// The link a refresh of such a table would hold.
CTableLink PreviewLink(const CPreviewArgs& args, const CServerUrl& target) {
    CTableLink link;
    link.m_bIncludeHeader = args.header ? 1 : 0;
    link.m_strDatabase = target.m_strLocation;
    link.m_strConnectDriver = target.m_strDriver;
    link.m_strUser = target.m_strUser;
    link.m_strPassword = target.m_strPassword;
    link.m_strTable = CString::FromUtf8(args.table);
    link.m_strSQL = CString::FromUtf8(args.params.empty() ? args.sql : ExecuteWithParams(args));
    return link;
}

}  // namespace

extern "C" int velloriaPreview(int argc, char** argv) {
    // argv[0] may be the subcommand's own name; the database is the first plain argument.
    CPreviewArgs args;
    if (const int status = ParsePreviewArgs(argc, argv, args); status >= 0) return status;
    std::string inputError;
    if (!ReadSqlFromInput(args, inputError)) return Fail(inputError, 2);
    if (!platform::posix::ResolvePassword(args.passwords, "velloria preview", args.password, inputError)) return Fail(inputError, 1);

    InitConnectStringTable();
    SetQueryLimitOverrides(static_cast<int>(args.timeLimit), args.rowLimit);
    CServerUrl target;
    CString error;
    if (!ResolveDatabaseArgument(CString::FromUtf8(args.database), CString::FromUtf8(args.driver), CString::FromUtf8(args.user),
                                 CString::FromUtf8(args.password), target, error))
        return Fail(error.ToUtf8(), 2);

    // The data layer's report is taken here, to say the failure once, in one plain line.
    std::wstring report;
    const platform::AlertHandler previous = platform::SetAlertHandler([&report](std::wstring_view text) { report = text; });
    CTableLink link = PreviewLink(args, target);
    bool written = false;
    std::string reason;
    {
        CMyDatabase db;
        if (!db.Open(link.m_strConnectDriver, link.m_strDatabase, link.m_strUser, link.m_strPassword)) {
            platform::SetAlertHandler(previous);
            // The location, never the URL as given: that may hold a password.
            return Fail("failed to open database " + target.m_strLocation.ToUtf8() +
                            (report.empty() ? "" : ": " + platform::ToUtf8(platform::AlertReason(report))),
                        1);
        }
        // The statement a refresh runs, its rows written as they come: a large table is never
        // held whole (a refresh holds it, for the table it fills).
        CADORecordset recordset(db.m_Database);
        written = WriteRows(recordset, link.m_strSQL.IsEmpty() ? db.TableQuery(link.m_strTable) : link.m_strSQL, args.header,
                             platform::TableFormatNamed(args.format), report);
        if (!written) reason = db.ReasonOfReport(CString(report.c_str()), link).ToUtf8();
    }
    platform::SetAlertHandler(previous);
    if (!written) return Fail(reason, 1);
    return 0;
}
