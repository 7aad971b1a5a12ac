#pragma once
// Dialog tests: the real widgets on the offscreen platform, driven by the console presenter's
// actions, with a private registry, a drawing and the module's resources current.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "mfcui/DialogSession.h"
#include "runtime/DocManager.h"
#include "win/WinRegistry.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/DatabasePtrArray.h"
#include "support/Registry.h"
#include "testing/OdbcDrivers.h"
#include "testing/TempDir.h"
#include "ui/Resource.h"
#include "../module/DrawingFixture.h"

namespace ui_test {

inline const CString kOdbc = L"Microsoft Access Driver (*.mdb, *.accdb)";
inline const CString kAce = L"Microsoft.ACE.OLEDB.12.0";

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("VELLORIA_CONSOLE_DIALOGS", "1", 1);
        ::setenv("VELLORIA_REGISTRY", (m_dir / "registry.reg").c_str(), 1);
        CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane");
        // The ODBC drivers the dialogs list, registered before anything asks the driver
        // manager (it keeps the first registration it reads).
        testing_support::SharedOdbcDrivers();
        InitConnectStringTable();
        std::filesystem::copy_file(VELLORIA_TEST_DATA "/nwind.mdb", m_dir / "nwind.mdb");
        m_nwind = CString::FromUtf8(m_dir / "nwind.mdb");
        Input({});
    }
    void TearDown() override {
        m_console.reset();
        CloseAllDatabases();
        if (m_document) acDocManagerPtr()->closeDocument(m_document);
        ::unsetenv("VELLORIA_REGISTRY");
    }

    // The lines the next prompts read; output captured from here on.
    void Input(std::vector<std::string> lines) {
        m_console.reset();
        m_console = std::make_unique<platform::ScopedConsole>(std::move(lines));
    }
    std::string Output() const { return m_console->Output(); }
    bool Printed(const std::string& text) const { return Output().find(text) != std::string::npos; }

    // Makes the current document a drawing saved at path (empty: never saved).
    void Drawing(const std::string& path) {
        if (m_document) acDocManagerPtr()->closeDocument(m_document);
        m_document = acDocManagerPtr()->addDocument(std::make_unique<AcApDocument>(m_drawing.db, CString::FromUtf8(path)));
    }

    void Act(CDialog& dialog, const std::string& line) {
        std::string error;
        ASSERT_TRUE(platform::ui::PerformAction(dialog, line, error)) << line << ": " << error;
        platform::ui::ProcessEvents();
    }
    bool Enabled(CDialog& dialog, int id) { return dialog.GetDlgItem(id)->IsWindowEnabled(); }
    CString Text(CDialog& dialog, int id) { return dialog.GetDlgItem(id)->GetWindowText(); }

    CMyDatabase* OpenNwind() {
        GetOpenDatabases().AddDatabase(kOdbc, m_nwind, L"", L"");
        return GetOpenDatabases().FindDatabase(m_nwind);
    }

    testing_support::TempDir m_dir;
    CString m_nwind;
    TestDrawing m_drawing;
    AcApDocument* m_document = nullptr;
    CAcModuleResourceOverride m_resources{VelloriaResourceHandle()};
    std::unique_ptr<platform::ScopedConsole> m_console;
};

}  // namespace ui_test
