// The tools in a pipe: each output format read back by Python's own readers, SQL from
// standard input, the ways a password is handed over (a file, the environment, a prompt at a
// terminal that does not echo it), and "did you mean" for a mistyped subcommand or option.
#include <gtest/gtest.h>

#include <string>

#include "testing/PseudoTerminal.h"
#include "testing/TempDir.h"
#include "testing/ToolRun.h"

namespace {

using testing_support::Has;
using testing_support::ToolRun;
using testing_support::WriteFile;

class PipeTools : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    const std::string data = VELLORIA_TEST_DATA;
    const std::string velloria = std::string(VELLORIA_BIN_DIR) + "/velloria";
    const std::string locked = data + "/access-corpus/password_V2000_with-password.mdb";

    // The tool with standard input from the file `input` of the test's folder.
    ToolRun Velloria(const std::string& args, const std::string& input = "/dev/null", const std::string& env = "") {
        return testing_support::RunIn(dir.path(),
                                      "env -u VELLORIA_MODULE -u VELLORIA_PASSWORD VELLORIA_REGISTRY=registry.reg " + env + " timeout 120 '" +
                                          velloria + "' " + args,
                                      input);
    }
    // What Python's reader of a format makes of the text: a list of rows.
    std::string ReadBack(const std::string& text, const std::string& reader) {
        WriteFile(dir / "read.txt", text);
        WriteFile(dir / "read.py", "import csv, json, sys\n"
                                   "text = open('read.txt', newline='').read()\n" + reader + "\nprint(repr(rows))\n");
        const ToolRun run = testing_support::RunIn(dir.path(), "python3 read.py");
        EXPECT_EQ(run.status, 0) << run.err << text;
        return run.out;
    }
};

// Cells holding a CR LF (as memos do), a tab, a backslash, a comma and a quote, from SQL read on
// standard input: every format gives them back whole, and TSV keeps a row on one line.
TEST_F(PipeTools, EveryFormatGivesCellsBackWhole) {
    // The last column is not ASCII, which takes another way to the output.
    WriteFile(dir / "query.sql", "SELECT TOP 2 'a\r\nb\tc\\d' AS [x,y], 'q\"r' AS z, ShipperID, 'Gr\u00fc\tn,\"\u20ac\\' AS w FROM Shippers ORDER BY ShipperID\n");
    const std::string expected = "[['x,y', 'z', 'ShipperID', 'w'], ['a\\r\\nb\\tc\\\\d', 'q\"r', '1', 'Gr\u00fc\\tn,\"\u20ac\\\\'], "
                                 "['a\\r\\nb\\tc\\\\d', 'q\"r', '2', 'Gr\u00fc\\tn,\"\u20ac\\\\']]\n";
    const std::string preview = "preview '" + data + "/nwind.mdb' --sql - --header ";

    const ToolRun tsv = Velloria(preview + "--format tsv", "query.sql");
    ASSERT_EQ(tsv.status, 0) << tsv.err;
    EXPECT_EQ(testing_support::Count(tsv.out, "\n"), 3) << tsv.out;
    EXPECT_EQ(Velloria(preview, "query.sql").out, tsv.out);  // tsv is the default
    EXPECT_EQ(ReadBack(tsv.out, "unescape = {'t': '\\t', 'n': '\\n', 'r': '\\r', '\\\\': '\\\\'}\n"
                                "def cell(f):\n"
                                "    out, i = '', 0\n"
                                "    while i < len(f):\n"
                                "        if f[i] == '\\\\': out += unescape[f[i + 1]]; i += 2\n"
                                "        else: out += f[i]; i += 1\n"
                                "    return out\n"
                                "rows = [[cell(f) for f in line.split('\\t')] for line in text.split('\\n')[:-1]]"),
              expected);

    const ToolRun csv = Velloria(preview + "--format csv", "query.sql");
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(ReadBack(csv.out, "rows = list(csv.reader(text.splitlines(keepends=True)))"), expected);

    const ToolRun json = Velloria(preview + "--format json", "query.sql");
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(ReadBack(json.out, "d = json.loads(text); rows = [d['columns']] + d['rows']"), expected);

    // JSON has its columns also without --header, and an empty result is an empty list of rows.
    const ToolRun empty = Velloria("preview '" + data + "/nwind.mdb' --sql 'SELECT ShipperID FROM Shippers WHERE ShipperID < 0' --format json");
    EXPECT_EQ(ReadBack(empty.out, "d = json.loads(text); rows = [d['columns'], d['rows']]"), "[['ShipperID'], []]\n");
    // A statement refused by a limit leaves no JSON a reader could take for a whole result.
    const ToolRun cut = Velloria("preview '" + data + "/nwind.mdb' --table Products --format json --row-limit 5");
    EXPECT_EQ(cut.status, 1);
    EXPECT_FALSE(Has(cut.out, "]}")) << cut.out;

    // Standard input that holds no statement is refused.
    WriteFile(dir / "blank.sql", " \n");
    const ToolRun blank = Velloria(preview, "blank.sql");
    EXPECT_EQ(blank.status, 2);
    EXPECT_TRUE(Has(blank.err, "standard input holds no SQL")) << blank.err;
}

// The locked database opens with its password from each source; the command line still works
// but warns, two sources at once are refused, and a prompt needs a terminal.
TEST_F(PipeTools, APasswordComesFromAFileTheEnvironmentOrThePrompt) {
    const std::string preview = "preview '" + locked + "' --sql 'SELECT Data FROM Table1 ORDER BY ID' ";
    const std::string rows = "One\nTwo\nThree\n";
    EXPECT_EQ(Velloria(preview).status, 1);

    WriteFile(dir / "pw", "password\n");
    const ToolRun file = Velloria(preview + "--password-file pw");
    EXPECT_EQ(file.out, rows) << file.err;
    EXPECT_EQ(file.err, "");
    const ToolRun piped = Velloria(preview + "--password-file /dev/stdin", "pw");
    EXPECT_EQ(piped.out, rows) << piped.err;
    const ToolRun env = Velloria(preview, "/dev/null", "VELLORIA_PASSWORD=password");
    EXPECT_EQ(env.out, rows) << env.err;
    EXPECT_EQ(env.err, "");

    const ToolRun typed = Velloria(preview + "--password password");
    EXPECT_EQ(typed.out, rows) << typed.err;
    EXPECT_TRUE(Has(typed.err, "warning: a password on the command line can be read by other users")) << typed.err;

    EXPECT_EQ(Velloria(preview + "--password password --password-file pw").status, 2);
    const ToolRun missing = Velloria(preview + "--password-file absent");
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Has(missing.err, "cannot read the password file absent")) << missing.err;
    const ToolRun noTerminal = Velloria(preview + "--ask-password");
    EXPECT_EQ(noTerminal.status, 1) << noTerminal.err;
    EXPECT_TRUE(Has(noTerminal.err, "--ask-password needs a terminal")) << noTerminal.err;

    // `tables` takes the same options.
    EXPECT_TRUE(Has(Velloria("tables '" + locked + "' --password-file pw").out, "Table1\tTABLE\t3\n"));

    // At a terminal: the prompt, the password typed without echo, the rows.
    testing_support::PseudoTerminal terminal({velloria, "preview", locked, "--sql", "SELECT Data FROM Table1 ORDER BY ID", "--ask-password"},
                                             {"VELLORIA_REGISTRY=" + (dir / "registry.reg")}, dir.path());
    ASSERT_TRUE(terminal.WaitFor("Password: ")) << terminal.Transcript();
    terminal.Type("password\n");
    EXPECT_TRUE(terminal.WaitFor("Three")) << terminal.Transcript();
    EXPECT_EQ(terminal.Wait(), 0) << terminal.Transcript();
    EXPECT_FALSE(Has(terminal.Transcript(), "password")) << terminal.Transcript();
}

TEST_F(PipeTools, AMistypedNameGetsWhatItMostLikelyMeant) {
    const ToolRun sub = Velloria("updte x.dxf");
    EXPECT_EQ(sub.status, 2);
    EXPECT_TRUE(Has(sub.err, "updte is neither a subcommand nor a drawing; did you mean update?")) << sub.err;
    EXPECT_TRUE(Has(Velloria("help prevew").err, "no subcommand prevew; did you mean preview?"));
    EXPECT_TRUE(Has(Velloria("lniks").err, "did you mean links?"));  // two letters swapped
    const ToolRun option = Velloria("cells x.dxf --fromat csv");
    EXPECT_TRUE(Has(option.err, "unknown option --fromat; did you mean --format?")) << option.err;
    // A subcommand after an option is named as such, not guessed at.
    EXPECT_TRUE(Has(Velloria("--console cells x.dxf").err, "the subcommand cells comes first")) << Velloria("--console cells x.dxf").err;
    // A word like no subcommand gets no guess.
    EXPECT_FALSE(Has(Velloria("frobnicate").err, "did you mean"));
}

}  // namespace
