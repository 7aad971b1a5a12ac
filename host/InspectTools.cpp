// `velloria tables DB` and `velloria cells DRAWING`: what a database offers to link, and what
// a drawing's tables hold, without the drawing editor.
#include <algorithm>
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
#include "posix/PasswordSources.h"
#include "text/CommandLineOptions.h"
#include "text/DelimitedText.h"
#include "text/JsonText.h"
#include "text/TextCase.h"
#include "text/Utf8.h"

namespace {

int Tables(const std::vector<std::string>& args) {
    std::string database, driver, user, password, format = "text";
    platform::posix::PasswordOptions passwords;
    bool columns = false;
    platform::OptionParser parser("velloria tables", "Every table, view (saved select query) and linked table of the database, one a line:\n"
                                                     "name, type (TABLE, VIEW or LINK) and row count, separated by tabs.");
    parser.Positional("DB", database);
    parser.Text("--driver", "NAME", driver, "the driver or provider (default: the Access ODBC driver)");
    parser.Text("--user", "U", user, "the user name");
    platform::posix::DeclarePasswordOptions(parser, passwords);
    parser.Flag("--columns", columns, "each one's columns with their Access types, indented below it");
    parser.Choice("--format", {"text", "json"}, format, "text (the default) or json");
    parser.SetEpilogue("Without a password option, VELLORIA_PASSWORD gives the password.\n"
                       "A count that cannot be made (a linked table whose file is missing) shows ? and its reason\n"
                       "on standard error. Exit status: 0; 1 when the database cannot be opened or a count failed;\n"
                       "2 for wrong arguments or an unknown driver.");
    if (const int status = parser.Parse(args); status >= 0) return status;
    std::string error;
    if (!platform::posix::ResolvePassword(passwords, "velloria tables", password, error)) {
        std::fprintf(stderr, "velloria tables: %s\n", error.c_str());
        return 1;
    }

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

// The cells in the tabular format. One table is its rows alone, as `preview` prints them; with
// several, each row starts with its table's handle and the rows of narrower tables are padded
// with empty fields, so that the whole is one rectangular table a CSV reader takes as it is.
std::string Render(const std::vector<TableCells>& tables, platform::TableFormat format) {
    std::string out;
    if (format == platform::TableFormat::Json) {
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
    const bool tableColumn = tables.size() > 1;
    int widest = 0;
    for (const TableCells& t : tables) widest = std::max(widest, t.columns);
    for (const TableCells& t : tables) {
        for (int r = 0; r < t.rows; ++r) {
            if (tableColumn) platform::AppendField(out, format, true, t.handle);
            for (int c = 0; c < t.columns; ++c)
                platform::AppendField(out, format, c == 0 && !tableColumn, t.cells[static_cast<size_t>(r * t.columns + c)]);
            if (tableColumn)
                for (int c = t.columns; c < widest; ++c) platform::AppendField(out, format, false, "");
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
    parser.Choice("--format", {"tsv", "text", "csv", "json"}, format, "tsv (the default; text is the same), csv or json");
    parser.SetEpilogue("One row a line. With more than one table, the first field of each row is its table's handle,\n"
                       "and rows of narrower tables end in empty fields up to the widest (one table: its cells alone).\n"
                       "In tsv a tab, line end or backslash inside a cell is written \\t, \\n, \\r or \\\\; csv is RFC 4180;\n"
                       "json is an array of {\"handle\", \"rows\", \"columns\", \"cells\": [[TEXT...]...]}.\n"
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
    const std::string out = Render(tables, platform::TableFormatNamed(format));
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}

SubcommandRegistration s_tables("tables", &Tables, "the tables, views and linked tables of a database, with row counts");
SubcommandRegistration s_cells("cells", &Cells, "the cell texts of a drawing's tables");

}  // namespace
