// Drawings from strangers, through the velloria executable as a user runs it: a link's SQL
// may only read its own database, within limits; no password reaches any output; a record
// that cannot be refreshed as written is named and changes nothing; files that are not
// regular files are refused at once.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>

#include "dxf/DrawingIo.h"
#include "db/ResBuf.h"
#include "security/LinkedDrawing.h"
#include "testing/TempDir.h"

namespace {

using security_test::LinkDef;
using security_test::MakeLinkedDrawing;
using testing_support::ReadFile;
using testing_support::WriteFile;

struct ToolRun {
    int status = -1;
    std::string out, err;
    double seconds = 0;
    std::string All() const { return out + err; }
};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class StrangerDrawing : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    std::string bin = VELLORIA_BIN_DIR;

    void SetUp() override { std::filesystem::copy_file(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb", dir / "nwind.mdb"); }

    // Runs velloria with the arguments; a run that would hang is ended by timeout (status 124).
    ToolRun Velloria(const std::string& args, const std::string& registry = "", const std::string& input = "/dev/null") {
        const std::string reg = registry.empty() ? dir / "registry.reg" : registry;
        const std::string command = "cd '" + dir.path().string() + "' && env -u VELLORIA_MODULE VELLORIA_REGISTRY='" + reg +
                                    "' VELLORIA_OPENER=/bin/true timeout 60 '" + bin + "/velloria' " + args + " >'" + (dir / "out.txt") +
                                    "' 2>'" + (dir / "err.txt") + "' <'" + input + "'";
        ToolRun run;
        const auto start = std::chrono::steady_clock::now();
        const int raw = std::system(command.c_str());
        run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadFile(dir / "out.txt");
        run.err = ReadFile(dir / "err.txt");
        return run;
    }
    ToolRun Script(const std::string& lines, const std::string& drawing, const std::string& registry = "") {
        WriteFile(dir / "run.scr", lines);
        return Velloria("'" + drawing + "' -s '" + (dir / "run.scr") + "'", registry);
    }
    std::string AutoUpdateOn() {
        const std::string reg = dir / "on.reg";
        WriteFile(reg, "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\software\\Morvane\\Velloria]\n"
                       "\"AutoUpdate\"=dword:00000001\n");
        return reg;
    }
    std::string Drawing(const std::vector<LinkDef>& defs, const std::string& name = "stranger.dxf") {
        const std::string path = dir / name;
        EXPECT_TRUE(MakeLinkedDrawing(path, defs));
        return path;
    }
    void MakeSecretFile(const std::string& path) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        sqlite3_exec(db, "CREATE TABLE logins(secret TEXT); INSERT INTO logins VALUES('hunter2');", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
};

std::wstring W(const std::string& s) { return std::wstring(s.begin(), s.end()); }

TEST_F(StrangerDrawing, LinksThatAttachFilesAreRefusedWhetherUpdatedOpenedOrPreviewed) {
    const std::string planted = dir / "planted.db", secret = dir / "secret.db";
    MakeSecretFile(secret);
    const std::string drawing = Drawing({
        {.sql = L"ATTACH '" + W(planted) + L"' AS p"},
        {.sql = L"ATTACH '" + W(secret) + L"' AS x"},
        {.sql = L"SELECT secret FROM x.logins"},
        {.table = L"Shippers", .rows = 2, .cols = 3},
    });
    const std::string before = ReadFile(drawing);

    const ToolRun update = Velloria("update '" + drawing + "' -o out.dxf");
    EXPECT_EQ(update.status, 1) << update.All();
    EXPECT_TRUE(Has(update.All(), "it uses ATTACH")) << update.All();
    EXPECT_TRUE(Has(update.out, "4 linked tables: 1 refreshed, 3 not refreshed")) << update.out;
    EXPECT_FALSE(std::filesystem::exists(planted));
    EXPECT_FALSE(Has(ReadFile(dir / "out.dxf"), "hunter2"));
    EXPECT_FALSE(Has(update.All(), "hunter2"));

    const ToolRun opened = Script("QSAVE\n", drawing, AutoUpdateOn());
    EXPECT_EQ(opened.status, 0) << opened.All();
    EXPECT_TRUE(Has(opened.All(), "Preparing for table update...")) << opened.All();
    EXPECT_FALSE(std::filesystem::exists(planted));
    EXPECT_FALSE(Has(ReadFile(drawing), "hunter2"));
    EXPECT_NE(ReadFile(drawing), before);  // the Shippers table was refreshed and saved

    const ToolRun preview = Velloria("preview nwind.mdb --sql \"ATTACH '" + planted + "' AS p\"");
    EXPECT_EQ(preview.status, 1);
    EXPECT_TRUE(Has(preview.err, "ATTACH")) << preview.err;
    EXPECT_FALSE(std::filesystem::exists(planted));
}

TEST_F(StrangerDrawing, RunawayQueriesStopAtTheirLimitsAndFailOnlyTheirTable) {
    const std::string cross = "SELECT COUNT(*) FROM [Order Details] a, [Order Details] b, [Order Details] c";
    const ToolRun slow = Velloria("preview nwind.mdb --time-limit 1 --sql '" + cross + "'");
    EXPECT_EQ(slow.status, 1) << slow.All();
    EXPECT_TRUE(Has(slow.err, "Query timeout expired")) << slow.err;
    EXPECT_LT(slow.seconds, 10.0);  // the limit and the start of the program, not the query's hours

    const ToolRun many = Velloria("preview nwind.mdb --row-limit 100 --table 'Order Details'");
    EXPECT_EQ(many.status, 1);
    EXPECT_TRUE(Has(many.err, "more than 100 rows")) << many.err;
    EXPECT_EQ(many.out, "");  // nothing half-read is printed
    EXPECT_EQ(Velloria("preview nwind.mdb --row-limit 3 --table Shippers").status, 0);
    EXPECT_EQ(Velloria("preview nwind.mdb --row-limit x --table Shippers").status, 2);

    const std::string drawing = Drawing({{.sql = W(cross)}, {.table = L"Shippers"}});
    const ToolRun update = Velloria("update '" + drawing + "' --time-limit 1");
    EXPECT_EQ(update.status, 1) << update.All();
    EXPECT_TRUE(Has(update.out, "2 linked tables: 1 refreshed, 1 not refreshed")) << update.out;
    EXPECT_TRUE(Has(update.out, "not refreshed: Query timeout expired")) << update.All();
    EXPECT_LT(update.seconds, 15.0);

    // The limit is also a setting a user keeps.
    const std::string reg = dir / "limits.reg";
    WriteFile(reg, "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\software\\Morvane\\Velloria]\n"
                   "\"Query Row Limit\"=dword:00000002\n");
    const ToolRun setting = Velloria("preview nwind.mdb --table Shippers", reg);
    EXPECT_EQ(setting.status, 1);
    EXPECT_TRUE(Has(setting.err, "more than 2 rows")) << setting.err;
}

// Orders joined with itself: 688,900 rows, under the row limit and, as values, the memory
// limit, but 19 million cells, far past what a table and its block can hold and be saved
// with. It is refused as it is read, and the drawing is saved with the other table refreshed.
TEST_F(StrangerDrawing, AResultTooLargeForATableIsRefusedBeforeTheTableChanges) {
    const std::string drawing = Drawing({{.sql = L"SELECT a.*, b.* FROM Orders a, Orders b"}, {.table = L"Shippers"}});
    const ToolRun update = Velloria("update '" + drawing + "' -o out.dxf");
    EXPECT_EQ(update.status, 1) << update.All();
    EXPECT_TRUE(Has(update.out, "2 linked tables: 1 refreshed, 1 not refreshed")) << update.out;
    EXPECT_TRUE(Has(update.out, "more than 1000000 cells (rows times columns), the limit of one table")) << update.All();
    EXPECT_TRUE(Has(ReadFile(dir / "out.dxf"), "Federal Shipping"));

    // The same link at a command: the table stays as it was, and so does the session.
    const ToolRun command = Script("DbTable_Update\nALL\n\nLIST\n\n", drawing);
    EXPECT_EQ(command.status, 0) << command.All();
    EXPECT_TRUE(Has(command.out, "the limit of one table")) << command.out;
    EXPECT_TRUE(Has(command.out, "ACAD_TABLE")) << command.out;  // LIST ran after the refresh
}

// One rule for the drawing's tables: cells, links, LIST and the refresh of everything take
// those of model space and the layouts, in one order, here with two tables that the file
// gives one handle, in a file whose block table lists paper space first.
TEST_F(StrangerDrawing, TheToolsAndTheConsoleFindTheSameTables) {
    const std::string path = Drawing({{.table = L"Shippers"}, {.table = L"Categories", .block = L"*Paper_Space"}, {.table = L"Suppliers"}});
    // The second table in the file takes the first one's handle.
    std::string text = ReadFile(path);
    const size_t first = text.find("\nACAD_TABLE\n  5\n"), second = text.find("\nACAD_TABLE\n  5\n", first + 1);
    ASSERT_NE(second, std::string::npos);
    const size_t at = first + 17, end = text.find('\n', at), at2 = second + 17, end2 = text.find('\n', at2);
    text.replace(at2, end2 - at2, text.substr(at, end - at));
    // And the block table lists paper space before model space.
    auto record = [&](const std::string& name) {
        const size_t named = text.find("\n  2\n" + name + "\n", text.find("\nBLOCK_RECORD\n"));
        const size_t begin = text.rfind("\n  0\nBLOCK_RECORD\n", named);
        return std::make_pair(begin, text.find("\n  0\n", begin + 1));
    };
    const auto [modelBegin, modelEnd] = record("*Model_Space");
    const auto [paperBegin, paperEnd] = record("*Paper_Space");
    ASSERT_LT(modelEnd, paperBegin + 1);
    const std::string model = text.substr(modelBegin, modelEnd - modelBegin), paper = text.substr(paperBegin, paperEnd - paperBegin);
    text.replace(paperBegin, paper.size(), model);
    text.replace(modelBegin, model.size(), paper);
    WriteFile(path, text);

    // The handle on each line that holds prefix (at its start when empty) and then suffix (the
    // line's end when empty).
    auto handles = [](const std::string& out, const std::string& prefix, const std::string& suffix) {
        std::vector<std::string> found;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);) {
            const size_t start = prefix.empty() ? 0 : line.find(prefix);
            if (start == std::string::npos) continue;
            const size_t from = start + prefix.size(), stop = suffix.empty() ? line.size() : line.find(suffix, from);
            if (stop != std::string::npos && stop > from) found.push_back(line.substr(from, stop - from));
        }
        return found;
    };
    // With several tables, each row of `cells` starts with its table's handle.
    const ToolRun cells = Velloria("cells '" + path + "'");
    std::vector<std::string> tables;
    for (const std::string& handle : handles(cells.out, "", "\t"))
        if (tables.empty() || tables.back() != handle) tables.push_back(handle);
    EXPECT_EQ(tables.size(), 3u) << cells.All();
    EXPECT_EQ(handles(Velloria("links '" + path + "'").out, "", "  ACAD_TABLE"), tables);
    EXPECT_EQ(handles(Script("LIST\n\n", path).out, "Handle = ", ""), tables);
    EXPECT_EQ(handles(Velloria("update '" + path + "' -o out.dxf").out, "", "  nwind.mdb"), tables);
}

TEST_F(StrangerDrawing, NoPasswordAppearsInAnythingTheProgramPrints) {
    const std::string password = "ab;cd=SECRETTAIL }x{y} ";
    const std::string drawing = Drawing({{.database = L"missing.mdb", .table = L"Shippers", .user = L"u", .password = W(password)}});
    std::string printed;
    printed += Velloria("update '" + drawing + "'").All();
    printed += Velloria("links '" + drawing + "'").All();
    printed += Script("LIST\n\nDbTable_Update\nALL\n\n", drawing).All();
    printed += Script("LIST\n\n", drawing, AutoUpdateOn()).All();
    printed += Velloria("preview missing.mdb --table Shippers --user u --password '" + password + "'").All();
    printed += Velloria("preview nwind.mdb --sql 'SELECT nothing FROM Nowhere' --password '" + password + "'").All();
    // The reports that would show it did run, each as its one plain line.
    EXPECT_TRUE(Has(printed, "cannot open the database missing.mdb: Could not find file")) << printed;
    for (const char* part : {"SECRETTAIL", "ab;cd", "}x{y"}) EXPECT_FALSE(Has(printed, part)) << part << "\n" << printed;
}

// The table's link record with one field changed and written back.
auto WithStart(int row, int col) {
    return [row, col](AcDbTable& table) {
        CTableLink link;
        ReadTableLink(link, &table);
        link.m_nStartRow = row;
        link.m_nStartCol = col;
        WriteTableLink(link, &table);
    };
}

TEST_F(StrangerDrawing, RecordsThatCannotBeRefreshedAsWrittenAreNamedAndChangeNothing) {
    const std::wstring deep = std::wstring(240, L'x') + L"\\nwind.mdb";
    const std::string drawing = Drawing({
        {.table = L"Shippers", .tamper = WithStart(0, 5)},   // column 5 of a 3-column table
        {.table = L"Shippers", .tamper = WithStart(-2, 0)},  // a negative row
        {.table = L"Shippers", .tamper = [](AcDbTable& t) {  // no "Database" item
             resbuf* remove = acutBuildList(1001, L"Database", 0);
             t.setXData(remove);
             acutRelRb(remove);
         }},
        {.database = deep, .table = L"Shippers"},  // too long once joined to the folder
        {.sql = L"SELECT 'padded' AS p"},          // its record is padded below
        {.table = L"Shippers", .tamper = [](AcDbTable& t) {  // SQL stored over two strings
             resbuf* sql = acutBuildList(1001, L"SQL", 1000, L"SELECT ShipperID, CompanyName, Phone ", 1000, L"FROM Shippers", 0);
             t.setXData(sql);
             acutRelRb(sql);
         }},
    });
    // A record past the host's limits of extended data, as another program might write it.
    std::string text = ReadFile(drawing);
    const std::string anchor = "1000\nSELECT 'padded' AS p\n";
    const size_t at = text.find(anchor);
    ASSERT_NE(at, std::string::npos);
    std::string padding;
    for (int i = 0; i < 80; ++i) padding += "1000\n" + std::string(250, 'p') + "\n";
    text.insert(at + anchor.size(), padding);
    WriteFile(drawing, text);
    const std::string before = ReadFile(drawing);

    const ToolRun update = Velloria("update '" + drawing + "' -o out.dxf");
    EXPECT_EQ(update.status, 1) << update.All();
    EXPECT_TRUE(Has(update.out, "lies outside the table of 2 rows and 3 columns")) << update.out;
    EXPECT_TRUE(Has(update.out, "start cell (row -2, column 0)")) << update.out;
    EXPECT_TRUE(Has(update.out, "no \"Database\" item")) << update.out;
    EXPECT_TRUE(Has(update.out, "passes the limit of 260 characters")) << update.out;
    EXPECT_TRUE(Has(update.out, "past the limits of extended data")) << update.out;
    EXPECT_TRUE(Has(update.out, "6 linked tables: 1 refreshed, 5 not refreshed")) << update.out;
    EXPECT_EQ(ReadFile(drawing), before);

    // Only the record stored over two strings was refreshed, from the whole of its SQL.
    auto out = platform::dxf::LoadDrawing(dir / "out.dxf");
    ASSERT_TRUE(out);
    int speedy = 0, old = 0;
    AcDbBlockTableRecord* model = nullptr;
    ASSERT_EQ(acdbOpenObject(model, out.database->modelSpaceId(), AcDb::kForRead), Acad::eOk);
    for (AcDbObjectId id : model->entityIds()) {
        AcDbObjectPointer<AcDbTable> table(id, AcDb::kForRead);
        if (!table) continue;
        std::wstring text;
        table->textString(1, 1, text);
        if (text == L"Speedy Express") ++speedy;
        if (text == L"old") ++old;
    }
    model->close();
    EXPECT_EQ(speedy, 1);
    EXPECT_EQ(old, 5);

    const ToolRun links = Velloria("links '" + drawing + "'");
    EXPECT_EQ(links.status, 0);
    EXPECT_TRUE(Has(links.out, "6 linked entities, 5 damaged.")) << links.out;
}

TEST_F(StrangerDrawing, WhatIsNotARegularFileIsRefusedAtOnceAndNeverReplaced) {
    const std::string fifo = dir / "fifo.dxf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& args : {"update '" + fifo + "'", "links '" + fifo + "'", "'" + fifo + "' -s /dev/null"}) {
        const ToolRun run = Velloria(args);
        EXPECT_NE(run.status, 124) << args << ": waited on the FIFO";
        EXPECT_TRUE(Has(run.All(), "FIFO")) << args << "\n" << run.All();
    }

    // A settings path that is a FIFO: read as empty, never waited on, and a setting cannot be
    // stored there.
    const std::string settingsFifo = dir / "settings.reg";
    ASSERT_EQ(::mkfifo(settingsFifo.c_str(), 0600), 0);
    const std::string drawing = Drawing({{.table = L"Shippers"}}, "plain.dxf");
    const ToolRun settings = Script("DbTable_Auto_Update\nON\n", drawing, settingsFifo);
    EXPECT_NE(settings.status, 124);
    EXPECT_TRUE(Has(settings.out, "The setting could not be stored: Auto-Update stays OFF.")) << settings.All();
    EXPECT_FALSE(Has(settings.out, "Auto-Update is enabled.")) << settings.out;

    // Outputs that are not regular files are refused; a link to a file is followed.
    std::filesystem::create_symlink("/dev/null", dir.path() / "null.dxf");
    const ToolRun device = Velloria("update '" + drawing + "' -o null.dxf");
    EXPECT_EQ(device.status, 1) << device.All();
    EXPECT_TRUE(Has(device.err, "not a regular file")) << device.err;
    struct stat st{};
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_EQ(Velloria("update '" + drawing + "' -o '" + fifo + "'").status, 1);
    ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    WriteFile(dir / "target.dxf", "");
    std::filesystem::create_symlink("target.dxf", dir.path() / "link.dxf");
    EXPECT_EQ(Velloria("update '" + drawing + "' -o link.dxf").status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link.dxf"));
    EXPECT_TRUE(Has(ReadFile(dir / "target.dxf"), "Speedy Express"));
}

}  // namespace
