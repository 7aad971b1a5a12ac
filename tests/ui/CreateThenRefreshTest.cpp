// A table made by the data dialog and the same table refreshed from its link must hold the
// same texts: both come from one fetch. Every table with records of the Northwind fixture
// and of the Access corpus (dates, currency, big integers, long text, attachments, yes/no,
// deleted and inserted columns...) is created through the dialog, then every table is
// refreshed, and no cell may change.
#include <dirent.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "UiFixture.h"
#include "app/VeloCommands.h"
#include "engine/TableUpdater.h"

using namespace ui_test;

namespace {

const std::string kCorpus = std::string(VELLORIA_TEST_DATA) + "/access-corpus/";
const std::string kExpected = std::string(VELLORIA_TEST_DATA) + "/access-expected/";

// The tables with records of one corpus file, as the independent reader listed them
// ("table<TAB>name<TAB>rows<TAB>columns" lines of its grid file).
std::vector<std::string> TablesWithRecords(const std::string& file) {
    std::ifstream in(kExpected + file + ".grid");
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("table\t")) continue;
        const size_t name = 6, rows = line.find('\t', name);
        if (rows != std::string::npos && std::atoi(line.c_str() + rows + 1) > 0) names.push_back(line.substr(name, rows - name));
    }
    return names;
}

std::vector<std::string> OpenCorpusFiles() {
    std::vector<std::string> files;
    if (DIR* dir = ::opendir(kCorpus.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            const bool access = name.ends_with(".mdb") || name.ends_with(".accdb");
            if (access && name.find("with-password") == std::string::npos && !name.starts_with("encryption")) files.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(files.begin(), files.end());
    return files;
}

class Outcomes : public CTableUpdateObserver {
public:
    void OnTableUpdated(AcDbObjectId, const CTableLink&, int, int, int, int, double, double) override { ++m_updated; }
    void OnTableFailed(AcDbObjectId, const CTableLink& link, const CString& reason) override {
        m_failures += link.m_strTable.ToUtf8() + ": " + reason.ToUtf8() + "\n";
    }
    int m_updated = 0;
    std::string m_failures;
};

class CreateThenRefresh : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        Drawing(m_dir / "drawing.dxf");
    }

    // Creates a table of each named table of one database through the dialog.
    void CreateEach(const std::string& database, const std::vector<std::string>& names) {
        bool opened = false;
        for (const std::string& name : names) {
            std::vector<std::string> lines;
            if (!opened) lines = {"click \"Open Database\"", "set Database \"" + database + "\"", "click &OK"};
            opened = true;
            lines.push_back("select \"Data Source\" \"" + database + "/" + name + "\"");
            lines.push_back("click \"Create Table ...\"");
            lines.push_back(std::to_string(m_texts.size() * 1000) + ",0");
            Input(lines);
            DbTable_Create();
            const std::vector<AcDbObjectId> tables = Tables();
            // A view with many columns has headings too long for its link record: no table.
            if (tables.size() == m_texts.size() && Printed("cannot be stored with the table")) continue;
            // A query that needs values gives none without them: no table, and the alert says which.
            if (tables.size() == m_texts.size() && Printed("Too few parameters. Expected ")) continue;
            ASSERT_EQ(tables.size(), m_texts.size() + 1) << database << "/" << name << "\n" << Output();
            m_texts[tables.back()] = Texts(tables.back());
            m_names[tables.back()] = database + "/" + name;
        }
    }

    std::vector<AcDbObjectId> Tables() {
        std::vector<AcDbObjectId> tables;
        for (AcDbObjectId id : m_drawing.ModelSpace()) {
            AcDbTable* table = nullptr;
            if (acdbOpenObject(table, id, AcDb::kForRead) == Acad::eOk) {
                tables.push_back(id);
                table->close();
            }
        }
        return tables;
    }

    // Every cell text of a table, row by row, with its size first.
    std::vector<std::wstring> Texts(AcDbObjectId id) {
        AcDbTable* table = nullptr;
        if (acdbOpenObject(table, id, AcDb::kForRead) != Acad::eOk) return {};
        std::vector<std::wstring> texts = {std::to_wstring(table->numRows()) + L"x" + std::to_wstring(table->numColumns())};
        for (int r = 0; r < table->numRows(); ++r)
            for (int c = 0; c < table->numColumns(); ++c) {
                std::wstring text;
                table->textString(r, c, text);
                texts.push_back(std::move(text));
            }
        table->close();
        return texts;
    }

    std::map<AcDbObjectId, std::vector<std::wstring>> m_texts;
    std::map<AcDbObjectId, std::string> m_names;
};

}  // namespace

TEST_F(CreateThenRefresh, EveryValueTypeOfTheFixturesRefreshesToTheTextsTheTableWasCreatedWith) {
    CStringArray nwindNames;
    OpenNwind()->GetTableNames(nwindNames);
    CloseAllDatabases();
    std::vector<std::string> names;
    for (const CString& name : nwindNames) names.push_back(name.ToUtf8());
    ASSERT_GT(names.size(), 10u);
    CreateEach(m_nwind.ToUtf8(), names);

    size_t corpusTables = 0;
    for (const std::string& file : OpenCorpusFiles()) {
        const std::vector<std::string> tables = TablesWithRecords(file);
        corpusTables += tables.size();
        CreateEach(kCorpus + file, tables);
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(corpusTables, 20u);
    EXPECT_GT(m_texts.size(), 40u);

    // A refresh reopens the databases, as after opening the drawing anew.
    CloseAllDatabases();
    Outcomes outcomes;
    CTableUpdateObserver* previous = SetTableUpdateObserver(&outcomes);
    Input({});
    UpdateLinkedTables(L"X");
    SetTableUpdateObserver(previous);
    EXPECT_EQ(outcomes.m_failures, "");
    EXPECT_EQ(outcomes.m_updated, static_cast<int>(m_texts.size()));
    for (const auto& [id, created] : m_texts) EXPECT_EQ(Texts(id), created) << m_names[id];
}
