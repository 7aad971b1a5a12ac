// Every Access file of the test corpus, opened and read as a link reads it: its user tables
// listed, every cell of every table fetched into a grid and compared with the grid an
// independent reader made of the same file (tests/tools/access-expected). Files that need
// a password are opened with it, the encrypted ACE files too.
#include <gtest/gtest.h>

#include <dirent.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "text/Utf8.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/DatabasePtrArray.h"
#include "types/CellGrid.h"
#include "types/TableLink.h"

namespace {

const CString kOdbc = L"Microsoft Access Driver (*.mdb, *.accdb)";
const std::string kCorpus = std::string(VELLORIA_TEST_DATA) + "/access-corpus/";
const std::string kExpected = std::string(VELLORIA_TEST_DATA) + "/access-expected/";
// The password the corpus files were written with.
const CString kPassword = L"password";

struct ExpectedTable {
    std::string name;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

std::vector<std::string> SplitEscaped(const std::string& line) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\t') {
            fields.emplace_back();
        } else if (c == '\\' && i + 1 < line.size()) {
            const char e = line[++i];
            fields.back() += e == 't' ? '\t' : e == 'n' ? '\n' : e == 'r' ? '\r' : e;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// The grid file of one corpus file: its tables, or the reader's error.
std::vector<ExpectedTable> ReadExpected(const std::string& file, std::string& error) {
    std::ifstream in(kExpected + file + ".grid");
    EXPECT_TRUE(in.good()) << "no expected grid for " << file;
    std::vector<ExpectedTable> tables;
    for (std::string line; std::getline(in, line);) {
        auto fields = SplitEscaped(line);
        const std::string tag = fields.front();
        fields.erase(fields.begin());
        if (tag == "error") error = fields.empty() ? "" : fields[0];
        else if (tag == "table") tables.push_back({fields.at(0), {}, {}});
        else if (tag == "h") tables.back().headings = fields;
        else if (tag == "r") tables.back().rows.push_back(fields);
    }
    return tables;
}

std::vector<std::string> CorpusFiles() {
    std::vector<std::string> files;
    if (DIR* dir = ::opendir(kCorpus.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.ends_with(".mdb") || name.ends_with(".accdb")) files.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool NeedsPassword(const std::string& file) { return file.find("with-password") != std::string::npos || file.starts_with("encryption"); }

class AccessCorpus : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("LC_ALL", "C", 1);
        InitConnectStringTable();
    }
    void TearDown() override {
        CloseAllDatabases();
        ::unsetenv("LC_ALL");
    }
    platform::ScopedConsole m_console;
};

}  // namespace

TEST_F(AccessCorpus, EveryTableOfEveryFileHoldsWhatAnIndependentReaderReads) {
    const auto files = CorpusFiles();
    ASSERT_EQ(files.size(), 32u);
    size_t cells = 0;
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        std::string error;
        const auto expected = ReadExpected(file, error);
        ASSERT_TRUE(error.empty()) << error;
        const CString path = CString::FromUtf8(kCorpus + file);
        CMyDatabase db;
        ASSERT_TRUE(db.Open(kOdbc, path, L"", NeedsPassword(file) ? kPassword : CString())) << m_console.Output();
        std::vector<std::string> listed;
        for (INT_PTR i = 0; i < db.Tables().GetSize(); ++i)
            if (db.Tables()[i]->m_nKind == 0) listed.push_back(db.Tables()[i]->m_strName.ToUtf8());
        std::vector<std::string> names;
        for (const auto& table : expected) names.push_back(table.name);
        std::sort(listed.begin(), listed.end());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(listed, names);
        for (const auto& table : expected) {
            SCOPED_TRACE(table.name);
            CTableLink link;
            link.m_strTable = CString::FromUtf8(table.name);
            link.m_bIncludeHeader = 1;
            CCellGrid grid;
            const bool read = db.ReadRecords(link, grid);
            if (table.rows.empty()) {  // no records: no grid, as for any empty table
                EXPECT_FALSE(read);
                continue;
            }
            ASSERT_TRUE(read) << m_console.Output();
            ASSERT_EQ(grid.GetRows(), static_cast<int>(table.rows.size()) + 1);
            ASSERT_EQ(grid.GetCols(), static_cast<int>(table.headings.size()));
            for (int c = 0; c < grid.GetCols(); ++c) EXPECT_EQ(grid.GetCell(0, c).ToUtf8(), table.headings[static_cast<size_t>(c)]);
            for (size_t r = 0; r < table.rows.size(); ++r)
                for (size_t c = 0; c < table.headings.size(); ++c, ++cells)
                    EXPECT_EQ(grid.GetCell(static_cast<int>(r) + 1, static_cast<int>(c)).ToUtf8(), table.rows[r].at(c))
                        << "row " << r << ", column " << table.headings[c];
        }
    }
    EXPECT_GT(cells, 100u);
    EXPECT_EQ(m_console.Output().find("Error"), std::string::npos) << m_console.Output();
}
