// The tool subcommands as scripts and people run them: the conventions every one follows
// (--version, help, --help, usage errors), `tables` checked against mdb-export, `cells`
// against `preview` after a refresh, the JSON forms, and an empty query result.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "testing/TempDir.h"
#include "testing/ToolRun.h"

namespace {

using testing_support::Has;
using testing_support::ReadFile;
using testing_support::ToolRun;
using testing_support::WriteFile;


std::string Quote(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

const std::vector<std::string> kSubcommands{"cells", "links", "plot", "preview", "relink", "tables", "update"};

class Tools : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    const std::string data = VELLORIA_TEST_DATA;

    ToolRun Shell(const std::string& command) { return testing_support::RunIn(dir.path(), command); }
    ToolRun Velloria(const std::string& args) {
        return Shell("env -u VELLORIA_MODULE VELLORIA_REGISTRY=" + Quote(dir / "registry.reg") + " timeout 120 " +
                     Quote(std::string(VELLORIA_BIN_DIR) + "/velloria") + " " + args);
    }
    // Rows of a table as mdb-export counts them (a CSV reader, so values with line ends count once).
    long long ExportedRows(const std::string& db, const std::string& table) {
        const ToolRun run = Shell("mdb-export " + Quote(db) + " " + Quote(table) +
                              " | python3 -c 'import csv, sys; print(sum(1 for _ in csv.reader(sys.stdin)) - 1)'");
        EXPECT_EQ(run.status, 0) << run.err;
        return std::stoll("0" + run.out);
    }
    // A value of the JSON on standard output, read by Python's json module.
    std::string JsonPath(const std::string& json, const std::string& expression) {
        WriteFile(dir / "doc.json", json);
        const ToolRun run = Shell("python3 -c " + Quote("import json; d = json.load(open('doc.json')); print(" + expression + ")"));
        EXPECT_EQ(run.status, 0) << run.err << json;
        return run.out.empty() ? run.out : run.out.substr(0, run.out.size() - 1);
    }
    // The sample drawing refreshed, in the test's folder.
    std::string RefreshedSample() {
        for (const char* name : {"linked-tables.dxf", "nwind.mdb"})
            std::filesystem::copy_file(std::string(VELLORIA_SOURCE_DIR) + "/samples/" + name, dir / name);
        const ToolRun update = Velloria("update linked-tables.dxf -o refreshed.dxf");
        EXPECT_EQ(update.status, 0) << update.err;
        return "refreshed.dxf";
    }
};

// name -> (type, rows) from the text form of `tables` (a linked table's file follows its rows).
std::map<std::string, std::pair<std::string, long long>> ParseTables(const std::string& out) {
    std::map<std::string, std::pair<std::string, long long>> tables;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("    ", 0) == 0) continue;
        const size_t a = line.find('\t'), b = a == std::string::npos ? a : line.find('\t', a + 1);
        if (b == std::string::npos) continue;
        const std::string rows = line.substr(b + 1, line.find('\t', b + 1) - b - 1);
        tables[line.substr(0, a)] = {line.substr(a + 1, b - a - 1), rows == "?" ? -1 : std::stoll(rows)};
    }
    return tables;
}

TEST_F(Tools, VersionHelpAndUsageErrorsFollowOneConvention) {
    for (const char* flag : {"--version", "-V"}) {
        const ToolRun version = Velloria(flag);
        EXPECT_EQ(version.status, 0) << flag;
        EXPECT_EQ(version.out, "velloria 2.7.1.0\n") << flag;
    }
    const ToolRun help = Velloria("help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, Velloria("--help").out);
    for (const std::string& sub : kSubcommands) {
        EXPECT_TRUE(Has(help.out, "\n  " + sub + " ")) << sub << "\n" << help.out;
        const ToolRun page = Velloria("help " + sub);
        EXPECT_EQ(page.status, 0) << sub << page.err;
        EXPECT_EQ(page.out.rfind("usage: velloria " + sub + " ", 0), 0u) << page.out;
        EXPECT_TRUE(Has(page.out, "-h, --help")) << page.out;
        EXPECT_EQ(page.err, "") << sub;
        const ToolRun own = Velloria(sub + " --help");
        EXPECT_EQ(own.status, 0) << sub;
        EXPECT_EQ(own.out, page.out) << sub;

        const ToolRun unknown = Velloria(sub + " --no-such-option");
        EXPECT_EQ(unknown.status, 2) << sub;
        EXPECT_EQ(unknown.out, "") << sub;
        EXPECT_TRUE(Has(unknown.err, "velloria " + sub + ": unknown option --no-such-option\nusage: velloria " + sub)) << unknown.err;
    }
    for (const std::string& args : {std::string("frobnicate"), std::string("--frobnicate"), std::string("help frobnicate")}) {
        const ToolRun wrong = Velloria(args);
        EXPECT_EQ(wrong.status, 2) << args;
        EXPECT_EQ(wrong.out, "") << args;
        for (const std::string& sub : kSubcommands) EXPECT_TRUE(Has(wrong.err, sub)) << args << ": " << wrong.err;
    }
    // A missing value and a value outside its choices are usage errors too, named as such.
    EXPECT_TRUE(Has(Velloria("cells x.dxf --format").err, "--format needs a value"));
    const ToolRun badChoice = Velloria("links x.dxf --format=xml");
    EXPECT_EQ(badChoice.status, 2);
    EXPECT_TRUE(Has(badChoice.err, "'xml' is not a value of --format (text|json)")) << badChoice.err;
    EXPECT_EQ(Velloria("preview " + Quote(data + "/nwind.mdb") + " --table Shippers --sql 'SELECT 1'").status, 2);
    EXPECT_EQ(Velloria("help --help").out, help.out);
}

// The options over many drawings are declared once with the others: they are on the help pages,
// take the usual forms, and the ones that make sense for one drawing only are refused with many.
TEST_F(Tools, OptionsOverManyDrawingsAreDeclaredLikeTheOthers) {
    for (const std::string sub : {"update", "links", "relink"}) {
        const std::string page = Velloria(sub + " --help").out;
        for (const char* option : {"--from-list FILE|-", "-r, --recursive", "-j, --jobs N"}) EXPECT_TRUE(Has(page, option)) << sub << page;
    }
    EXPECT_TRUE(Has(Velloria("update --help").out, "--dry-run"));
    EXPECT_TRUE(Has(Velloria("links --help").out, "--check"));

    struct Refused {
        const char* args;
        const char* message;
    };
    for (const Refused& r : {Refused{"update a.dxf b.dxf --plot s.pdf", "--plot takes one drawing"},
                             Refused{"update a.dxf b.dxf --timing", "--timing takes one drawing"},
                             Refused{"update a.dxf --dry-run --plot s.pdf", "--dry-run saves nothing"},
                             Refused{"update a.dxf b.dxf -o c.dxf", "-o takes one drawing"},
                             Refused{"update a.dxf -j0", "-j takes 1 to 1024"},
                             Refused{"update -r", "missing DRAWING|FOLDER"},
                             Refused{"links a.dxf b.dxf", "go with --check"},
                             Refused{"links a.dxf -j 2", "-j goes with --check"},
                             Refused{"relink a.dxf --from C:/old", "--from OLD and --to NEW are both needed"}}) {
        const ToolRun run = Velloria(r.args);
        EXPECT_EQ(run.status, 2) << r.args;
        EXPECT_TRUE(Has(run.err, r.message)) << r.args << ": " << run.err;
    }
    // An attached short value is read as getopt reads it: -j2 is -j 2, and a missing drawing is
    // then the drawing's failure (status 1), not a usage error.
    const ToolRun attached = Velloria("links --check no-such.dxf -j2");
    EXPECT_EQ(attached.status, 1) << attached.err;
}

TEST_F(Tools, TablesListsTablesAndViewsWithTheRowCountsMdbExportFinds) {
    ASSERT_EQ(Shell("command -v mdb-export").status, 0) << "mdb-export is installed by scripts/setup.sh";
    const std::string nwind = data + "/nwind.mdb";
    const ToolRun run = Velloria("tables " + Quote(nwind));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto tables = ParseTables(run.out);
    const ToolRun exported = Shell("mdb-tables -1 " + Quote(nwind));
    int compared = 0;
    std::istringstream names(exported.out);
    for (std::string name; std::getline(names, name);) {
        ASSERT_TRUE(tables.count(name)) << name << "\n" << run.out;
        EXPECT_EQ(tables.at(name).first, "TABLE") << name;
        EXPECT_EQ(tables.at(name).second, ExportedRows(nwind, name)) << name;
        ++compared;
    }
    EXPECT_GE(compared, 8);
    ASSERT_TRUE(tables.count("Ten Most Expensive Products"));
    EXPECT_EQ(tables.at("Ten Most Expensive Products"), std::make_pair(std::string("VIEW"), 10LL));
    // A query that needs values is listed with its parameters and no count, and is no failure.
    EXPECT_TRUE(Has(run.out, "\nEmployee Sales by Country\tVIEW\t?\tParameters: [Beginning Date] (Date/Time), [Ending Date] (Date/Time)\n"))
        << run.out;
    EXPECT_EQ(run.err, "");

    const ToolRun columns = Velloria("tables " + Quote(nwind) + " --columns");
    EXPECT_EQ(columns.status, 0);
    EXPECT_TRUE(Has(columns.out, "Shippers\tTABLE\t3\n    ShipperID\tLong Integer\n    CompanyName\tText(40)\n    Phone\tText(24)\n"))
        << columns.out;
    EXPECT_TRUE(Has(columns.out, "    UnitPrice\tCurrency\n")) << columns.out;
    EXPECT_TRUE(Has(columns.out, "    Discontinued\tYes/No\n")) << columns.out;

    const ToolRun json = Velloria("tables " + Quote(nwind) + " --columns --format json");
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(JsonPath(json.out, "[t['rows'] for t in d if t['name'] == 'Orders'][0]"), std::to_string(ExportedRows(nwind, "Orders")));
    EXPECT_EQ(JsonPath(json.out, "[t for t in d if t['name'] == 'Shippers'][0]['columns'][1]['type']"), "Text(40)");

    const ToolRun missing = Velloria("tables " + Quote(dir / "absent.mdb"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_TRUE(Has(missing.err, "failed to open database")) << missing.err;
    EXPECT_EQ(Velloria("tables " + Quote(nwind) + " --driver 'No Such Driver'").status, 2);
}

// Columns whose values ADO gives as another type are named as Access's designer names them:
// calculated columns with the type of their result (as the file's ResultType properties give
// it, which Jackcess's readers report too: AllNames Memo, MonthlySalary Currency, WeeklySalary
// Decimal, IsRich and BoolTest Yes/No, FloatTest Single), a column of attachments, a Large
// Number. A linked table names the file it reads.
TEST_F(Tools, TablesNamesTheTypesAccessShows) {
    const ToolRun calculated = Velloria("tables --columns " + Quote(data + "/jackcess/calcFieldTestV2010.accdb"));
    ASSERT_EQ(calculated.status, 0) << calculated.err;
    EXPECT_EQ(calculated.out,
              "Table1\tTABLE\t4\n    ID\tLong Integer\n    FirstName\tText(255)\n    LastName\tText(255)\n    LastFirst\tCalculated (Text(254))\n"
              "    City\tText(255)\n    LastFirstLen\tCalculated (Long Integer)\n    Salary\tCurrency\n    MonthlySalary\tCalculated (Currency)\n"
              "    IsRich\tCalculated (Yes/No)\n    AllNames\tCalculated (Memo)\n    WeeklySalary\tCalculated (Decimal)\n"
              "    SalaryTest\tCalculated (Currency)\n    BoolTest\tCalculated (Yes/No)\n    Popularity\tDecimal\n"
              "    DecimalTest\tCalculated (Decimal)\n    FloatTest\tCalculated (Single)\n    BigNumTest\tCalculated (Decimal)\n");
    const ToolRun attachments = Velloria("tables --columns " + Quote(data + "/access-corpus/data_V2016_attachments.accdb"));
    EXPECT_TRUE(Has(attachments.out, "    Attachments\tAttachment\n")) << attachments.out;
    const ToolRun bigint = Velloria("tables --columns " + Quote(data + "/access-corpus/data_V2016_bigint.accdb"));
    EXPECT_TRUE(Has(bigint.out, "    Numeric\tLarge Number\n")) << bigint.out;

    for (const char* name : {"linkerTestV2007.accdb", "linkeeTest.accdb"})
        std::filesystem::copy_file(data + "/jackcess/" + name, dir / name);
    const ToolRun linked = Velloria("tables linkerTestV2007.accdb --format json");
    ASSERT_EQ(linked.status, 0) << linked.err;
    EXPECT_EQ(JsonPath(linked.out, "[(t['type'], t['rows'], t['file']) for t in d if t['name'] == 'Table2'][0]"),
              "('LINK', 1, 'linkeeTest.accdb')");
}

TEST_F(Tools, TablesOfEveryCorpusFileAgreeWithMdbExport) {
    ASSERT_EQ(Shell("command -v mdb-export").status, 0) << "mdb-export is installed by scripts/setup.sh";
    int files = 0, compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data + "/access-corpus")) {
        const std::string path = entry.path().string(), name = entry.path().filename().string();
        if (name.find(".mdb") == std::string::npos && name.find(".accdb") == std::string::npos) continue;
        const ToolRun run = Velloria("tables " + Quote(path));
        // Encrypted files and files with a password (none given) do not open: said, not listed.
        if (Has(name, "encryption") || Has(name, "with-password")) {
            EXPECT_EQ(run.status, 1) << name;
            EXPECT_EQ(run.out, "") << name;
            continue;
        }
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        ++files;
        const auto tables = ParseTables(run.out);
        std::istringstream names(Shell("mdb-tables -1 " + Quote(path)).out);
        size_t listed = 0;
        for (std::string table; std::getline(names, table);) {
            if (table.rfind("MSys", 0) == 0) continue;  // Access's own tables, which it hides too
            ++listed;
            ASSERT_TRUE(tables.count(table)) << name << ": " << table << "\n" << run.out;
            EXPECT_EQ(tables.at(table).second, ExportedRows(path, table)) << name << ": " << table;
            ++compared;
        }
        EXPECT_EQ(listed, tables.size()) << name << "\n" << run.out;
    }
    EXPECT_GE(files, 20);
    EXPECT_GE(compared, 40);
}

TEST_F(Tools, CellsOfARefreshedTableAreWhatPreviewPrints) {
    const std::string drawing = RefreshedSample();
    // Handle D is linked to Shippers with its header; handle 15 to a join, from (0, 0).
    const ToolRun shippers = Velloria("cells " + drawing + " D");
    EXPECT_EQ(shippers.status, 0) << shippers.err;
    EXPECT_EQ(shippers.out, Velloria("preview nwind.mdb --table Shippers --header").out);
    const std::string sql =
        "SELECT Products.ProductName, Categories.CategoryName, Products.UnitPrice FROM Products INNER JOIN Categories ON "
        "Products.CategoryID = Categories.CategoryID WHERE Products.UnitPrice > 40 ORDER BY Products.UnitPrice DESC";
    const ToolRun joined = Velloria("cells " + drawing + " 15");
    EXPECT_EQ(joined.out, Velloria("preview nwind.mdb --header --sql " + Quote(sql)).out);
    EXPECT_EQ(std::count(joined.out.begin(), joined.out.end(), '\n'), 13);

    // Every table in one table: each row starts with its table's handle, in drawing order, and
    // narrower tables are padded to the widest, so a CSV reader takes it as one rectangle.
    const ToolRun all = Velloria("cells " + drawing + " --format csv");
    EXPECT_EQ(all.status, 0);
    EXPECT_FALSE(Has(all.out, "# table")) << all.out;
    WriteFile(dir / "all.csv", all.out);
    EXPECT_EQ(Shell("python3 -c " + Quote("import csv; rows = list(csv.reader(open('all.csv', newline='')));"
                                          "print(sorted({r[0] for r in rows}), sorted({len(r) for r in rows}), rows[0], rows[4], sep=', ')"))
                  .out,
              "['15', '16', '17', 'D'], [5], ['D', 'ShipperID', 'CompanyName', 'Phone', ''], ['15', 'ProductName', 'CategoryName', 'UnitPrice', '']\n");
    EXPECT_TRUE(Has(Velloria("cells " + drawing).out, "D\t1\tSpeedy Express\t(503) 555-9831\t\n"));

    // CSV quotes what holds a comma; JSON keeps every cell as it is.
    const ToolRun csv = Velloria("cells " + drawing + " 16 --format csv");
    EXPECT_TRUE(Has(csv.out, "\n1,Beverages,\"Soft drinks, coffees, teas, beers, and ales\"\n")) << csv.out;
    const ToolRun json = Velloria("cells " + drawing + " d 16 --format json");
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(JsonPath(json.out, "[t['handle'] for t in d]"), "['D', '16']");
    EXPECT_EQ(JsonPath(json.out, "d[0]['cells'][3][1]"), "Federal Shipping");
    EXPECT_EQ(JsonPath(json.out, "(d[0]['rows'], d[0]['columns'], len(d[0]['cells']))"), "(4, 3, 4)");

    const ToolRun wrong = Velloria("cells " + drawing + " D 2F");
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.out, "");
    EXPECT_TRUE(Has(wrong.err, "no table has the handle 2F")) << wrong.err;
    EXPECT_EQ(Velloria("cells absent.dxf").status, 1);
}

TEST_F(Tools, LinksInJsonForScriptsAndTextAsBefore) {
    const std::string drawing = RefreshedSample();
    const ToolRun text = Velloria("links " + drawing);
    EXPECT_EQ(text.status, 0);
    EXPECT_TRUE(Has(text.out, "4 linked entities.\n")) << text.out;
    const ToolRun json = Velloria("links " + drawing + " --format json");
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(JsonPath(json.out, "[l['handle'] for l in d]"), "['D', '15', '16', '17']");
    EXPECT_EQ(JsonPath(json.out, "(d[0]['table'], d[0]['header'], d[0]['columns'], 'sql' in d[0])"), "('Shippers', True, 3, False)");
    EXPECT_EQ(JsonPath(json.out, "(d[2]['headings'], d[2]['widths'])"), "(['No.', 'Category', 'What it holds'], [0.8, 2.5, 7])");
    EXPECT_EQ(JsonPath(json.out, "(d[3]['startRow'], d[3]['startColumn'], d[3]['damaged'])"), "(2, 1, None)");
    // The size the record stored when the table was built beside the table's size now, after
    // the refresh added rows (and for 17, whose data block starts inside a larger table).
    EXPECT_EQ(JsonPath(json.out, "[(l['rows'], l['columns'], l['tableRows'], l['tableColumns']) for l in d]"),
              "[(2, 3, 4, 3), (3, 3, 13, 3), (2, 3, 9, 3), (4, 3, 11, 4)]");
    EXPECT_TRUE(Has(text.out, "start cell: row 2, column 1   stored: 4 x 3   table: 11 x 4\n")) << text.out;
    EXPECT_FALSE(Has(json.out, "password"));
}

TEST_F(Tools, APreviewThatFindsNoRecordsIsNoError) {
    const std::string nwind = Quote(data + "/nwind.mdb");
    const ToolRun header = Velloria("preview " + nwind + " --header --sql 'SELECT ShipperID, Phone FROM Shippers WHERE ShipperID > 99'");
    EXPECT_EQ(header.status, 0) << header.err;
    EXPECT_EQ(header.out, "ShipperID\tPhone\n");
    EXPECT_EQ(header.err, "");
    const ToolRun bare = Velloria("preview " + nwind + " --sql 'SELECT * FROM Shippers WHERE ShipperID > 99'");
    EXPECT_EQ(bare.status, 0);
    EXPECT_EQ(bare.out, "");
    // A failing query is reported once, in one line, and nothing says "no records".
    const ToolRun failing = Velloria("preview " + nwind + " --header --sql 'SELECT * FROM NoSuchTable'");
    EXPECT_EQ(failing.status, 1);
    EXPECT_EQ(failing.out, "");
    EXPECT_EQ(failing.err, "velloria preview: no table or query NoSuchTable in " + std::string(VELLORIA_TEST_DATA) + "/nwind.mdb\n");
}

// `make install`'s tree: the command in bin/ runs from its own folder's module and help, the
// manual page is there, and the bash completion completes subcommands and their options from the
// installed program's help pages.
TEST_F(Tools, TheInstalledTreeRunsAndCompletes) {
    const std::string prefix = dir / "inst";
    const ToolRun install = Shell("cmake --install " + Quote(std::string(VELLORIA_BIN_DIR) + "/..") + " --prefix " + Quote(prefix));
    ASSERT_EQ(install.status, 0) << install.err;
    const ToolRun version = Shell("inst/bin/velloria --version");
    EXPECT_EQ(version.out, "velloria 2.7.1.0\n") << version.err;
    const ToolRun tables = Shell("inst/bin/velloria tables " + Quote(data + "/nwind.mdb"));
    EXPECT_EQ(tables.status, 0) << tables.err;
    EXPECT_TRUE(Has(tables.out, "Shippers\tTABLE\t3\n")) << tables.out;
    EXPECT_TRUE(std::filesystem::exists(dir / "inst/share/man/man1/velloria.1"));

    auto complete = [&](const std::string& words) {
        const ToolRun run = Shell("bash -c " + Quote("PATH=$PWD/inst/bin:$PATH; source inst/share/bash-completion/completions/velloria; "
                                                     "COMP_WORDS=(" + words + "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
                                                     "_velloria; printf '%s\\n' \"${COMPREPLY[@]}\""));
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    };
    EXPECT_EQ(complete("velloria up"), "update\n");
    EXPECT_EQ(complete("velloria help re"), "relink\n");
    EXPECT_EQ(complete("velloria update --dr"), "--dry-run\n");
    EXPECT_TRUE(Has(complete("velloria links --"), "--check\n"));
    EXPECT_EQ(complete("velloria cells x.dxf --format j"), "json\n");
    // Each tool is offered the values it takes, and only those.
    EXPECT_EQ(complete("velloria cells x.dxf --format ''"), "tsv\ntext\ncsv\njson\n");
    EXPECT_EQ(complete("velloria links x.dxf --format ''"), "text\njson\n");
    EXPECT_EQ(complete("velloria preview db --format c"), "csv\n");
    EXPECT_EQ(complete("velloria plot x.dxf --background ''"), "white\nblack\n");
    EXPECT_TRUE(Has(complete("velloria preview db --"), "--password-file\n"));
}

}  // namespace
