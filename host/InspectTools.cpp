// `velloria tables DB` and `velloria cells DRAWING`: what a database offers to link, and what
// a drawing's tables hold, without the drawing editor.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Documents.h"
#include "ModuleLoader.h"
#include "Subcommands.h"
#include "app/ToolEntryPoints.h"
#include "db/DbDatabase.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "editor/Console.h"
#include "editor/EntityList.h"
#include "text/CommandLineOptions.h"
#include "text/JsonText.h"
#include "text/TextCase.h"
#include "text/Utf8.h"

namespace {

int Tables(const std::vector<std::string>& args) {
    std::string database, driver, user, password, format = "text";
    bool columns = false;
    platform::OptionParser parser("velloria tables", "Every table, view (saved select query) and linked table of the database, one a line:\n"
                                                     "name, type (TABLE, VIEW or LINK) and row count, separated by tabs.");
    parser.Positional("DB", database);
    parser.Text("--driver", "NAME", driver, "the driver or provider (default: the Access ODBC driver)");
    parser.Text("--user", "U", user, "the user name");
    parser.Text("--password", "P", password, "the database password");
    parser.Flag("--columns", columns, "each one's columns with their Access types, indented below it");
    parser.Choice("--format", {"text", "json"}, format, "text (the default) or json");
    parser.SetEpilogue("A count that cannot be made (a linked table whose file is missing) shows ? and its reason\n"
                       "on standard error. Exit status: 0; 1 when the database cannot be opened or a count failed;\n"
                       "2 for wrong arguments or an unknown driver.");
    if (const int status = parser.Parse(args); status >= 0) return status;

    ToolModule module("tables");
    auto tables = module.Entry<VelloriaTablesFunc>(kVelloriaTablesSymbol);
    if (!tables) return 1;
    VelloriaTablesRequest request;
    request.database = database.c_str();
    request.driver = driver.empty() ? nullptr : driver.c_str();
    request.user = user.c_str();
    request.password = password.c_str();
    request.columns = columns;
    request.format = format == "json" ? kVelloriaFormatJson : kVelloriaFormatText;
    return tables(&request);
}

struct TableCells {
    std::string handle;
    int rows = 0, columns = 0;
    std::vector<std::string> cells;  // row by row
};

// Every table entity of model space and the paper space layouts, in drawing order.
std::vector<TableCells> ReadTables(AcDbDatabase* db) {
    std::vector<TableCells> found;
    for (AcDbObjectId id : platform::LayoutEntities(db)) {
        AcDbTable* table = nullptr;
        if (acdbOpenObject(table, id, AcDb::kForRead) != Acad::eOk) continue;
        TableCells t;
        t.handle = platform::ToUtf8(id.handle().text());
        t.rows = table->numRows();
        t.columns = table->numColumns();
        for (int r = 0; r < t.rows; ++r)
            for (int c = 0; c < t.columns; ++c) t.cells.emplace_back(table->textUtf8(r, c));
        table->close();
        found.push_back(std::move(t));
    }
    return found;
}

// A CSV field as RFC 4180 writes it: quoted when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

// A TSV field: tabs and line ends would split it, so they are written as \t, \n and \r (and
// a backslash as \\), as mdb-export and sqlite3 leave the choice to the reader.
std::string TsvField(const std::string& text) {
    if (text.find_first_of("\t\r\n\\") == std::string::npos) return text;
    std::string out;
    for (char c : text) {
        if (c == '\t') out += "\\t";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out;
}

std::string Render(const std::vector<TableCells>& tables, const std::string& format) {
    std::string out;
    if (format == "json") {
        out = "[";
        for (size_t i = 0; i < tables.size(); ++i) {
            const TableCells& t = tables[i];
            out += (i ? ",\n " : "\n ") + std::string("{\"handle\": ") + platform::JsonQuoted(t.handle) + ", \"rows\": " +
                   std::to_string(t.rows) + ", \"columns\": " + std::to_string(t.columns) + ", \"cells\": [";
            for (int r = 0; r < t.rows; ++r) {
                out += r ? ", [" : "[";
                for (int c = 0; c < t.columns; ++c) out += (c ? ", " : "") + platform::JsonQuoted(t.cells[static_cast<size_t>(r * t.columns + c)]);
                out += "]";
            }
            out += "]}";
        }
        return out + (tables.empty() ? "]\n" : "\n]\n");
    }
    const bool csv = format == "csv";
    for (const TableCells& t : tables) {
        // With several tables each starts with its handle; one table prints its rows alone,
        // as `preview` prints them.
        if (tables.size() > 1) out += (csv ? "# table " : "# table ") + t.handle + "\n";
        for (int r = 0; r < t.rows; ++r) {
            for (int c = 0; c < t.columns; ++c) {
                const std::string& text = t.cells[static_cast<size_t>(r * t.columns + c)];
                out += (c ? (csv ? "," : "\t") : "") + (csv ? CsvField(text) : TsvField(text));
            }
            out += "\n";
        }
    }
    return out;
}

int Cells(const std::vector<std::string>& args) {
    std::string drawing, format = "tsv";
    std::vector<std::string> handles;
    platform::OptionParser parser("velloria cells", "The cell texts of the drawing's tables (all, or those with the handles named; `velloria links`\n"
                                                    "shows the handles of the linked ones), as the drawing holds them after a refresh.");
    parser.Positional("DRAWING", drawing);
    parser.Positionals("HANDLE", handles);
    parser.Choice("--format", {"tsv", "csv", "json"}, format, "tsv (the default), csv or json");
    parser.SetEpilogue("One row a line. With more than one table, each starts with a line \"# table HANDLE\".\n"
                       "In tsv a tab, line end or backslash inside a cell is written \\t, \\n, \\r or \\\\.\n"
                       "Exit status: 0; 1 when the drawing cannot be read or a handle names no table;\n"
                       "2 for wrong arguments.");
    if (const int status = parser.Parse(args); status >= 0) return status;
    std::string error;
    AcApDocument* document = OpenDrawingDocument(platform::FromUtf8(drawing), &error);
    if (!document) {
        std::fprintf(stderr, "velloria cells: %s\n", error.c_str());
        return 1;
    }
    std::vector<TableCells> tables = ReadTables(document->database());
    acDocManagerPtr()->abandonAll();
    if (!handles.empty()) {
        std::vector<TableCells> chosen;
        for (const std::string& handle : handles) {
            const TableCells* match = nullptr;
            for (const TableCells& t : tables)
                if (platform::CompareNoCase(platform::FromUtf8(t.handle), platform::FromUtf8(handle)) == 0) match = &t;
            if (!match) {
                std::fprintf(stderr, "velloria cells: %s: no table has the handle %s\n", drawing.c_str(), handle.c_str());
                return 1;
            }
            chosen.push_back(*match);
        }
        tables = std::move(chosen);
    }
    const std::string out = Render(tables, format);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}

SubcommandRegistration s_tables("tables", &Tables, "the tables, views and linked tables of a database, with row counts");
SubcommandRegistration s_cells("cells", &Cells, "the cell texts of a drawing's tables");

}  // namespace
