// Keeping a folder of linked drawings healthy: the link check names each broken link with
// its reason, relink re-points moved and renamed databases (all links of a drawing or none),
// a dry run changes no file, the change report lists exactly the cells a refresh changes, and
// in a run over many drawings a drawing that fails leaves the others refreshed.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "db/DbDatabase.h"
#include "db/DbTable.h"
#include "db/ResBuf.h"
#include "dxf/DrawingIo.h"
#include "text/Utf8.h"
#include "testing/TempDir.h"
#include "testing/ToolRun.h"

namespace fs = std::filesystem;

namespace {

using testing_support::Has;
using testing_support::ReadFile;
using testing_support::ToolRun;
using testing_support::WriteFile;


std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    size_t n = 0;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()), ++n) text.replace(at, from.size(), to);
    EXPECT_GT(n, 0u) << from;
    return text;
}

// Every table of a drawing file, read with the project's own reader: handle -> rows of cell texts.
using Cells = std::vector<std::vector<std::string>>;
std::map<std::string, Cells> TablesOf(const std::string& path) {
    std::map<std::string, Cells> tables;
    platform::dxf::LoadedDrawing drawing = platform::dxf::LoadDrawing(path);
    EXPECT_TRUE(drawing) << path;
    if (!drawing) return tables;
    for (AcDbObjectId id : drawing.database->objectIds()) {
        AcDbObjectPointer<AcDbTable> table(id, AcDb::kForRead);
        if (!table) continue;
        Cells cells(static_cast<size_t>(table->numRows()));
        for (int r = 0; r < table->numRows(); ++r)
            for (int c = 0; c < table->numColumns(); ++c) cells[static_cast<size_t>(r)].push_back(std::string(table->textUtf8(r, c)));
        tables[platform::ToUtf8(id.handle().text())] = cells;
    }
    return tables;
}

// The stored items of every link application but "Database", per table: relink must keep them.
std::map<std::string, std::string> OtherLinkItems(const std::string& path) {
    std::map<std::string, std::string> items;
    platform::dxf::LoadedDrawing drawing = platform::dxf::LoadDrawing(path);
    if (!drawing) return items;
    for (AcDbObjectId id : drawing.database->objectIds()) {
        AcDbObjectPointer<AcDbTable> table(id, AcDb::kForRead);
        if (!table) continue;
        std::string text;
        for (const AcDbXDataApp& app : table->xDataApps()) {
            if (app.app == L"Database") continue;
            resbuf* chain = table->xData(app.app.c_str());
            for (const resbuf* rb = chain; rb; rb = rb->rbnext) {
                text += std::to_string(rb->restype) + "=";
                if (rb->restype == 1000 || rb->restype == 1001) text += platform::ToUtf8(rb->resval.rstring);
                else if (rb->restype == 1070) text += std::to_string(rb->resval.rint);
                else if (rb->restype == 1071) text += std::to_string(rb->resval.rlong);
                text += ";";
            }
            acutRelRb(chain);
        }
        items[platform::ToUtf8(id.handle().text())] = text;
    }
    return items;
}

std::string DatabaseItem(const std::string& path, const std::string& handle) {
    platform::dxf::LoadedDrawing drawing = platform::dxf::LoadDrawing(path);
    if (!drawing) return "unreadable";
    for (AcDbObjectId id : drawing.database->objectIds()) {
        if (platform::ToUtf8(id.handle().text()) != handle) continue;
        AcDbObjectPointer<AcDbTable> table(id, AcDb::kForRead);
        if (!table) return "no table";
        resbuf* chain = table->xData(L"Database");
        std::string text = chain && chain->rbnext ? platform::ToUtf8(chain->rbnext->resval.rstring) : "none";
        acutRelRb(chain);
        return text;
    }
    return "no such handle";
}

std::string Unescaped(const std::string& json) {
    std::string out;
    for (size_t i = 0; i < json.size(); ++i) {
        if (json[i] != '\\' || i + 1 == json.size()) {
            out += json[i];
            continue;
        }
        const char e = json[++i];
        if (e == 'n') out += '\n';
        else if (e == 't') out += '\t';
        else if (e == 'r') out += '\r';
        else if (e == 'u' && i + 4 < json.size()) out += static_cast<char>(std::stoi(json.substr(i + 1, 4), nullptr, 16)), i += 4;
        else out += e;
    }
    return out;
}

// The statuses of the tables of each drawing of a JSON check: drawing -> handle -> status.
std::map<std::string, std::map<std::string, std::string>> Statuses(const std::string& jsonLines) {
    std::map<std::string, std::map<std::string, std::string>> out;
    const std::regex drawing("^\\{\"drawing\":\"([^\"]*)\"");
    const std::regex table("\\{\"handle\":\"([0-9A-F]+)\"[^{}]*?\"status\":\"([a-z-]+)\"");
    std::istringstream lines(jsonLines);
    std::string line;
    while (std::getline(lines, line)) {
        std::smatch m;
        if (!std::regex_search(line, m, drawing)) continue;
        const std::string name = fs::path(m[1].str()).filename().string();
        auto& tables = out[name];
        for (std::sregex_iterator it(line.begin(), line.end(), table), end; it != end; ++it) tables[(*it)[1]] = (*it)[2];
    }
    return out;
}

class LinkHealth : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    const std::string bin = VELLORIA_BIN_DIR;
    std::string sample;  // the sample drawing's text: four sound links, stale cells

    void SetUp() override {
        fs::create_directories(dir / "proj/data");
        fs::copy_file(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb", dir / "proj/nwind.mdb");
        fs::copy_file(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb", dir / "proj/data/nwind.mdb");
        fs::copy_file(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb", dir / "proj/nwind-2024.mdb");
        ASSERT_EQ(std::system(("'" + bin + "/make_linked_sample' '" + (dir / "sample.dxf") + "'").c_str()), 0);
        sample = ReadFile(dir / "sample.dxf");
    }
    // The drawings of the folder: one sound, the others each broken in its own way. The
    // tables D and 17 name "nwind.mdb" as stored; D reads the table Shippers, 17 runs SQL.
    void MakeFolder() {
        WriteFile(dir / "proj/working.dxf", sample);
        WriteFile(dir / "proj/moved.dxf", Replaced(sample, "1000\nnwind.mdb\n", "1000\nold\\nwind.mdb\n"));
        WriteFile(dir / "proj/renamed.dxf", Replaced(sample, "1000\nnwind.mdb\n", "1000\nnwind-2019.mdb\n"));
        WriteFile(dir / "proj/missing.dxf", Replaced(sample, "1000\nnwind.mdb\n", "1000\ngone\\nwind.mdb\n"));
        WriteFile(dir / "proj/dropped.dxf", Replaced(sample, "1000\nShippers\n", "1000\nCarriers\n"));
        WriteFile(dir / "proj/badsql.dxf", Replaced(sample, "FROM Employees ORDER", "FROM Employeez ORDER"));
        WriteFile(dir / "proj/unmapped.dxf", Replaced(sample, "1000\nnwind.mdb\n", "1000\nQ:\\data\\nwind.mdb\n"));
    }
    ToolRun Tool(const std::string& args, const std::string& input = "/dev/null") {
        return testing_support::RunIn(dir.path(),
                                      "env -u VELLORIA_DRIVE_Q VELLORIA_REGISTRY='" + (dir / "r.reg") + "' VELLORIA_MODULE='" + bin +
                                          "/Velloria.so' timeout 120 '" + bin + "/velloria' " + args,
                                      input);
    }
    std::map<std::string, std::string> Files() {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(dir / "proj"))
            if (entry.is_regular_file()) files[entry.path().string()] = ReadFile(entry.path().string());
        return files;
    }
};

TEST_F(LinkHealth, CheckNamesEachBrokenLinkWithItsReason) {
    MakeFolder();
    const ToolRun run = Tool("links --check proj --format json -j 2");
    EXPECT_EQ(run.status, 1) << run.err;
    auto statuses = Statuses(run.out);
    ASSERT_EQ(statuses.size(), 7u) << run.out;
    const std::map<std::string, std::string> sound = {{"D", "ok"}, {"15", "ok"}, {"16", "ok"}, {"17", "ok"}};
    EXPECT_EQ(statuses["working.dxf"], sound);
    auto with = [&](std::map<std::string, std::string> m, std::map<std::string, std::string> broken) {
        for (auto& [handle, status] : broken) m[handle] = status;
        return m;
    };
    EXPECT_EQ(statuses["moved.dxf"], with(sound, {{"D", "missing-database"}, {"17", "missing-database"}}));
    EXPECT_EQ(statuses["renamed.dxf"], with(sound, {{"D", "missing-database"}, {"17", "missing-database"}}));
    EXPECT_EQ(statuses["missing.dxf"], with(sound, {{"D", "missing-database"}, {"17", "missing-database"}}));
    EXPECT_EQ(statuses["dropped.dxf"], with(sound, {{"D", "missing-table"}}));
    EXPECT_EQ(statuses["badsql.dxf"], with(sound, {{"17", "failing-sql"}}));
    EXPECT_EQ(statuses["unmapped.dxf"], with(sound, {{"D", "unmapped-drive"}, {"17", "unmapped-drive"}}));
    EXPECT_TRUE(Has(run.out, "\"total\":{\"drawings\":7,\"unreadable\":0,\"with_broken_links\":6,\"linked\":28,\"ok\":18,\"broken\":10"))
        << run.out;

    // The lines for people name the reason: the file, the table, the engine's words, the drive.
    const ToolRun text = Tool("links --check proj/dropped.dxf proj/badsql.dxf proj/unmapped.dxf proj/missing.dxf -j 1");
    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(Has(text.out, "broken (missing-table): the database has no table or view Carriers")) << text.out;
    EXPECT_TRUE(Has(text.out, "broken (failing-sql): ")) << text.out;
    EXPECT_TRUE(Has(text.out, "Employeez")) << text.out;
    EXPECT_TRUE(Has(text.out, "the drive Q: of Q:\\data\\nwind.mdb is not mapped")) << text.out;
    EXPECT_TRUE(Has(text.out, "broken (missing-database): the database " + (dir / "proj/gone/nwind.mdb") + " is not there")) << text.out;
    EXPECT_TRUE(Has(text.out, "4 drawings (0 unreadable, 4 with broken links): 16 linked tables: 10 ok, 6 broken")) << text.out;

    // A sound drawing checks clean, and says its cells would change (they are stale).
    const ToolRun clean = Tool("links --check proj/working.dxf");
    EXPECT_EQ(clean.status, 0) << clean.out;
    EXPECT_TRUE(Has(clean.out, "4 linked tables: 4 ok, 0 broken, 4 would change")) << clean.out;
}

TEST_F(LinkHealth, RelinkFixesMovedAndRenamedDatabasesAndTheCheckIsThenClean) {
    MakeFolder();
    const auto itemsBefore = OtherLinkItems(dir / "proj/moved.dxf");
    // Written as Windows would: other case, other slashes, a separator at the end.
    ToolRun run = Tool("relink proj/moved.dxf --from 'OLD/' --to 'data'");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(Has(run.out, "D  old\\nwind.mdb -> data\\nwind.mdb")) << run.out;
    EXPECT_TRUE(Has(run.out, "2 links re-pointed; saved")) << run.out;
    EXPECT_EQ(DatabaseItem(dir / "proj/moved.dxf", "D"), "data\\nwind.mdb");
    EXPECT_EQ(DatabaseItem(dir / "proj/moved.dxf", "15"), ".\\nwind.mdb");  // not under OLD: left alone
    EXPECT_EQ(OtherLinkItems(dir / "proj/moved.dxf"), itemsBefore);

    // An absolute OLD matches a relative link by the file it names, and the link stays relative.
    run = Tool("relink proj/renamed.dxf --from '" + (dir / "proj/NWIND-2019.MDB") + "' --to '" + (dir / "proj/nwind-2024.mdb") + "'");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(DatabaseItem(dir / "proj/renamed.dxf", "17"), ".\\nwind-2024.mdb");

    run = Tool("links --check proj/working.dxf proj/moved.dxf proj/renamed.dxf");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(Has(run.out, "12 linked tables: 12 ok, 0 broken")) << run.out;
}

TEST_F(LinkHealth, RelinkChangesNothingInADrawingWhereOneLinkCannotBeRepointed) {
    MakeFolder();
    const std::string before = ReadFile(dir / "proj/moved.dxf");
    // The new path passes the 255 bytes of the record's item.
    const std::string deep = "data/" + std::string(120, 'x') + "/" + std::string(120, 'y');
    fs::create_directories(dir / ("proj/" + deep));
    fs::copy_file(dir / "proj/nwind.mdb", dir / ("proj/" + deep + "/nwind.mdb"));
    ToolRun run = Tool("relink proj/moved.dxf proj/working.dxf --from old --to '" + deep + "'");
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_TRUE(Has(run.out, "D  old\\nwind.mdb: not re-pointed: the new path is 256 bytes long, and the record's item holds at most 255"))
        << run.out;
    EXPECT_TRUE(Has(run.out, "17  old\\nwind.mdb: not re-pointed")) << run.out;
    EXPECT_TRUE(Has(run.out, "moved.dxf: 4 linked tables: nothing changed: 2 links cannot be re-pointed")) << run.out;
    EXPECT_TRUE(Has(run.out, "working.dxf: 4 linked tables: no link starts with old")) << run.out;
    EXPECT_EQ(ReadFile(dir / "proj/moved.dxf"), before);

    // A database that is not there is refused as the link properties dialog refuses it.
    run = Tool("relink proj/moved.dxf --from old --to elsewhere");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.out, "cannot find the database")) << run.out;
    EXPECT_EQ(ReadFile(dir / "proj/moved.dxf"), before);
}

TEST_F(LinkHealth, DryRunsLeaveEveryFileByteIdentical) {
    MakeFolder();
    const auto before = Files();
    ToolRun run = Tool("update --dry-run -r proj -j 2");
    EXPECT_EQ(run.status, 1);  // the broken drawings' tables are not refreshed
    // Rows are added after the last row: the cell left of the data block in the last row
    // stays where it is, and is no change.
    EXPECT_TRUE(Has(run.out, "working.dxf: 4 linked tables: 4 refreshed, 0 not refreshed (4 tables changed, 30 cells); not saved: dry run"))
        << run.out;
    EXPECT_TRUE(Has(run.out, "    row 1, column 1: \"old 1.1\" -> \"Speedy Express\"")) << run.out;
    // The query of table 15 adds ten rows: five are shown and the others counted.
    EXPECT_TRUE(Has(run.out, "    row 7 added: Manjimup Dried Apples | Produce | 53.00\n    ... and 5 more rows added\n")) << run.out;
    run = Tool("relink --dry-run proj --from old --to data");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(Has(run.out, "moved.dxf: 4 linked tables: 2 links would be re-pointed; dry run, not saved")) << run.out;
    EXPECT_EQ(Files(), before);
}

TEST_F(LinkHealth, OneDrawingIsARunOfOneWithEveryOption) {
    // A dry run of one drawing, timed: lines without the drawing's name, nothing written.
    WriteFile(dir / "proj/one.dxf", sample);
    WriteFile(dir / "proj/plain.dxf", sample);
    ToolRun run = Tool("update proj/one.dxf --dry-run --timing");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(Has(run.out, "\n4 linked tables: 4 refreshed, 0 not refreshed (4 tables changed, 30 cells); not saved: dry run\n") ||
                run.out.rfind("4 linked tables: 4 refreshed, 0 not refreshed (4 tables changed, 30 cells); not saved: dry run\n", 0) == 0)
        << run.out;
    EXPECT_FALSE(Has(run.out, "one.dxf: ")) << run.out;
    EXPECT_TRUE(Has(run.out, "    row 1, column 1: \"old 1.1\" -> \"Speedy Express\"")) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\ntimes: open [0-9.]+ s, fetch [0-9.]+ s, fill [0-9.]+ s"))) << run.out;
    EXPECT_EQ(ReadFile(dir / "proj/one.dxf"), sample);

    // Saved with a change report and a plot, it holds what a plain refresh gives.
    run = Tool("update proj/one.dxf --report one.json --plot one.png");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(Has(run.out, "report written to one.json")) << run.out;
    EXPECT_TRUE(Has(run.out, "plotted Model to ")) << run.out;
    EXPECT_TRUE(Has(ReadFile(dir / "one.json"), "\"drawing\":\"proj/one.dxf\"")) << ReadFile(dir / "one.json");
    EXPECT_EQ(ReadFile(dir / "one.png").substr(0, 4), "\x89PNG");
    ASSERT_EQ(Tool("update proj/plain.dxf").status, 0);
    EXPECT_EQ(TablesOf(dir / "proj/one.dxf"), TablesOf(dir / "proj/plain.dxf"));
    EXPECT_NE(TablesOf(dir / "proj/one.dxf"), TablesOf(dir / "sample.dxf"));
}

TEST_F(LinkHealth, TheReportListsExactlyTheCellsARefreshChanges) {
    // A drawing of its own whose cells are partly current: the first refresh of a copy makes
    // them current, then the database's text is staled in a few cells by hand.
    WriteFile(dir / "proj/plan.dxf", sample);
    ASSERT_EQ(Tool("update proj/plan.dxf").status, 0);
    std::string text = ReadFile(dir / "proj/plan.dxf");
    text = Replaced(text, "Speedy Express", "Slow Express");
    WriteFile(dir / "proj/plan.dxf", text);
    WriteFile(dir / "proj/second.dxf", sample);
    const auto before = TablesOf(dir / "proj/plan.dxf");
    const auto secondBefore = TablesOf(dir / "proj/second.dxf");

    ToolRun run = Tool("update proj/plan.dxf proj/second.dxf --report report.json -j 2");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const auto after = TablesOf(dir / "proj/plan.dxf");
    const auto secondAfter = TablesOf(dir / "proj/second.dxf");
    const std::string report = ReadFile(dir / "report.json");

    // The cells the refresh changed, compared position by position, and the rows it added or removed.
    std::set<std::tuple<std::string, std::string, int, int, std::string, std::string>> expected, reported;
    std::map<std::pair<std::string, std::string>, std::pair<size_t, size_t>> rowsExpected, rowsReported;
    auto diff = [&](const std::string& name, const std::map<std::string, Cells>& b, const std::map<std::string, Cells>& a) {
        for (const auto& [handle, old] : b) {
            const Cells& now = a.at(handle);
            bool any = now.size() != old.size();
            for (size_t r = 0; r < std::min(old.size(), now.size()); ++r)
                for (size_t c = 0; c < std::min(old[r].size(), now[r].size()); ++c)
                    if (old[r][c] != now[r][c]) {
                        expected.insert({name, handle, static_cast<int>(r), static_cast<int>(c), old[r][c], now[r][c]});
                        any = true;
                    }
            if (any) rowsExpected[{name, handle}] = {old.size(), now.size()};
        }
    };
    diff("proj/plan.dxf", before, after);
    diff("proj/second.dxf", secondBefore, secondAfter);
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(rowsExpected.count({"proj/plan.dxf", "D"}));
    EXPECT_EQ(rowsExpected.count({"proj/plan.dxf", "15"}), 0u);  // already current

    const std::regex drawingRe("\\{\"drawing\":\"([^\"]*)\"");
    const std::regex tableRe("\\{\"handle\":\"([0-9A-F]+)\"");
    const std::regex sizeRe("\"rows_before\":(\\d+),\"columns_before\":\\d+,\"rows_after\":(\\d+)");
    const std::regex cellRe("\\{\"row\":(\\d+),\"column\":(\\d+),\"old\":\"((?:[^\"\\\\]|\\\\.)*)\",\"new\":\"((?:[^\"\\\\]|\\\\.)*)\"\\}");
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line)) {
        std::smatch m;
        if (!std::regex_search(line, m, drawingRe)) continue;
        const std::string name = m[1];
        // One piece per table object.
        std::vector<size_t> starts;
        for (std::sregex_iterator it(line.begin(), line.end(), tableRe), end; it != end; ++it) starts.push_back(static_cast<size_t>(it->position()));
        for (size_t k = 0; k < starts.size(); ++k) {
            const std::string piece = line.substr(starts[k], (k + 1 < starts.size() ? starts[k + 1] : line.size()) - starts[k]);
            std::smatch t;
            std::regex_search(piece, t, tableRe);
            const std::string handle = t[1];
            std::smatch s;
            if (std::regex_search(piece, s, sizeRe)) rowsReported[{name, handle}] = {std::stoul(s[1]), std::stoul(s[2])};
            for (std::sregex_iterator it(piece.begin(), piece.end(), cellRe), end; it != end; ++it)
                reported.insert({name, handle, std::stoi((*it)[1]), std::stoi((*it)[2]), Unescaped((*it)[3]), Unescaped((*it)[4])});
        }
    }
    EXPECT_EQ(reported, expected);
    EXPECT_EQ(rowsReported, rowsExpected);
    EXPECT_TRUE(Has(report, "\"old\":\"Slow Express\",\"new\":\"Speedy Express\"")) << report.substr(0, 2000);

    // For people: the same refresh as a page, the changed cell marked with its old text.
    WriteFile(dir / "proj/plan.dxf", text);
    run = Tool("update proj/plan.dxf --report report.html");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string html = ReadFile(dir / "report.html");
    EXPECT_TRUE(Has(html, "<td class=\"changed\"><del>Slow Express</del> <ins>Speedy Express</ins></td>")) << html.substr(0, 3000);
    EXPECT_TRUE(Has(html, "<h2>proj/plan.dxf</h2>"));
}

TEST_F(LinkHealth, ADrawingThatFailsInARunLeavesTheOthersRefreshedAndItselfUntouched) {
    for (const char* name : {"a.dxf", "b.dxf", "c.dxf"}) WriteFile(dir / (std::string("proj/") + name), sample);
    const std::string damaged = sample.substr(0, sample.size() / 2);
    WriteFile(dir / "proj/damaged.dxf", damaged);
    WriteFile(dir / "proj/locked.dxf", sample);
    ::chmod((dir / "proj/locked.dxf").c_str(), 0444);
    WriteFile(dir / "list.txt", "proj/a.dxf\nproj/damaged.dxf\n\n# a comment\nproj/locked.dxf\nproj/b.dxf\n");

    const ToolRun run = Tool("update --from-list - proj/c.dxf -j 2", dir / "list.txt");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ReadFile(dir / "proj/damaged.dxf"), damaged);
    EXPECT_EQ(ReadFile(dir / "proj/locked.dxf"), sample);
    EXPECT_TRUE(Has(run.out, "proj/damaged.dxf: not refreshed: the drawing cannot be read")) << run.out;
    EXPECT_TRUE(Has(run.err, "damaged.dxf: line ")) << run.err;
    EXPECT_TRUE(Has(run.out, "proj/locked.dxf: not refreshed: cannot write")) << run.out;
    for (const char* name : {"a.dxf", "b.dxf", "c.dxf"}) {
        EXPECT_TRUE(Has(run.out, std::string("proj/") + name + ": 4 linked tables: 4 refreshed, 0 not refreshed; saved")) << run.out;
        const ToolRun check = Tool(std::string("links --check proj/") + name);
        EXPECT_TRUE(Has(check.out, "4 ok, 0 broken, 0 would change")) << check.out;
    }
    EXPECT_TRUE(Has(run.out, "5 drawings: 3 saved, 2 not processed, 0 with tables not refreshed; 12 linked tables: 12 refreshed, 0 not refreshed")) << run.out;
    // The order of the list is the order of the output.
    EXPECT_LT(run.out.find("proj/c.dxf:"), run.out.find("proj/a.dxf:"));
    EXPECT_LT(run.out.find("proj/a.dxf:"), run.out.find("proj/damaged.dxf:"));
    EXPECT_LT(run.out.find("proj/locked.dxf:"), run.out.find("proj/b.dxf:"));
}

}  // namespace

namespace {

// One worker keeps the databases it opened for the drawings after, but a relative path of the
// next drawing is that drawing's own: the same text beside another drawing names another file.
TEST_F(LinkHealth, ADatabaseKeptOpenServesOnlyTheDrawingsThatNameItsFile) {
    fs::create_directories(dir / "x");
    fs::create_directories(dir / "y");
    fs::copy_file(dir / "proj/nwind.mdb", dir / "x/nwind.mdb");
    WriteFile(dir / "x/plan.dxf", sample);
    WriteFile(dir / "y/plan.dxf", sample);  // its database is not beside it
    ToolRun run = Tool("links --check x/plan.dxf y/plan.dxf -j 1");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.out, "x/plan.dxf: 4 linked tables: 4 ok, 0 broken")) << run.out;
    EXPECT_TRUE(Has(run.out, "y/plan.dxf: 4 linked tables: 0 ok, 4 broken")) << run.out;

    run = Tool("update x/plan.dxf y/plan.dxf -j 1");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.out, "y/plan.dxf: 4 linked tables: 0 refreshed, 4 not refreshed; not saved: nothing changed")) << run.out;
    EXPECT_EQ(ReadFile(dir / "y/plan.dxf"), sample);
    EXPECT_NE(ReadFile(dir / "x/plan.dxf"), sample);
}

}  // namespace
