// Renders every dialog of the module in a representative state on the offscreen platform and
// writes one PNG per dialog into the folder given (docs/screenshots by the "screenshots" target).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "editor/Console.h"
#include "mfcui/DialogSession.h"
#include "runtime/DocManager.h"
#include "db/DrawingDatabase.h"
#include "editor/Editor.h"
#include "win/WinRegistry.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/DatabasePtrArray.h"
#include "support/Registry.h"
#include "ui/ConnectDialog.h"
#include "ui/CustomizeHeaderDialog.h"
#include "ui/DbDialog.h"
#include "ui/DbPropertyDialog.h"
#include "ui/QueryDialog.h"
#include "ui/Resource.h"

namespace {

bool Save(CDialog& dialog, const std::filesystem::path& folder, const char* name) {
    const std::string path = (folder / name).string();
    const bool ok = platform::ui::SaveWindowImage(dialog, path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.c_str());
    return ok;
}

void Act(CDialog& dialog, const std::string& line) {
    std::string error;
    if (!platform::ui::PerformAction(dialog, line, error)) std::fprintf(stderr, "%s: %s\n", line.c_str(), error.c_str());
    platform::ui::ProcessEvents();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialog_screenshots FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::filesystem::path work = std::filesystem::temp_directory_path() / "velloria-screenshots";
    std::filesystem::create_directories(work);
    std::filesystem::copy_file(VELLORIA_TEST_DATA "/nwind.mdb", work / "nwind.mdb", std::filesystem::copy_options::overwrite_existing);
    ::setenv("VELLORIA_CONSOLE_DIALOGS", "1", 1);
    ::setenv("VELLORIA_REGISTRY", (work / "registry.reg").c_str(), 1);
    CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane");
    InitConnectStringTable();
    auto db = platform::NewDrawingDatabase();
    platform::ScopedWorkingDatabase working(db.get());
    acDocManagerPtr()->addDocument(std::make_unique<AcApDocument>(db, CString::FromUtf8((work / "site plan.dxf").string())));
    platform::ScopedConsole console;  // the presenter's output is not wanted here
    CAcModuleResourceOverride resources(VelloriaResourceHandle());

    const CString nwind = CString::FromUtf8((work / "nwind.mdb").string());
    GetOpenDatabases().AddDatabase(L"Microsoft Access Driver (*.mdb, *.accdb)", nwind, L"", L"");
    CMyDatabase* database = GetOpenDatabases().FindDatabase(nwind);
    bool ok = true;
    {
        CDbDialog dlg;
        dlg.Create();
        Act(dlg, "select \"Data Source\" \"" + nwind.ToUtf8() + "/Products\"");
        ok &= Save(dlg, folder, "main-data-dialog.png");
    }
    {
        CConnectDialog dlg;
        dlg.Create();
        Act(dlg, "set Database .\\nwind.mdb");
        Act(dlg, "check \"Relative Path\" on");
        Act(dlg, "set User admin");
        Act(dlg, "set Password secret");
        ok &= Save(dlg, folder, "connect-dialog.png");
    }
    {
        CDbPropertyDialog dlg(L"Microsoft Access Driver (*.mdb, *.accdb)", nwind, L"", L"SELECT ProductName, UnitPrice\r\nFROM Products\r\nWHERE Discontinued = False",
                              L"", L"");
        dlg.Create();
        Act(dlg, "check \"Update Table\" on");
        ok &= Save(dlg, folder, "link-properties-dialog.png");
    }
    {
        CQueryDialog dlg(database);
        dlg.Create();
        Act(dlg, "set Name \"Cheap products\"");
        Act(dlg, "select Table Products");
        Act(dlg, "select Fields UnitPrice");
        Act(dlg, "set SQL \"SELECT ProductName, UnitPrice FROM Products WHERE UnitPrice < 10\"");
        ok &= Save(dlg, folder, "query-dialog.png");
    }
    {
        CCustomizeHeaderDialog dlg;
        for (const wchar_t* title : {L"ProductID", L"ProductName", L"SupplierID", L"UnitPrice"}) dlg.m_arrTitles.Add(title);
        dlg.Create();
        dlg.m_listCtrl.SetItemText(0, 0, L"15");
        dlg.m_listCtrl.SetItemText(0, 1, L"60");
        Act(dlg, "dblclick 142 0 3");
        Act(dlg, "set 3456 25");
        ok &= Save(dlg, folder, "column-width-dialog.png");
    }
    CloseAllDatabases();
    return ok ? 0 : 1;
}
