#include "app/VelloriaApp.h"

#include <iterator>

#include "editor/Commands.h"
#include "runtime/Menus.h"
#include "win/WinRegistry.h"
#include "app/MenuLoad.h"
#include "app/ModuleDialogs.h"
#include "app/VeloCommands.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/DatabasePtrArray.h"
#include "support/Registry.h"

HINSTANCE _hdllInstance = nullptr;

namespace {

// Every command is modal (flags 0); the global name is the local name with a leading "_".
const _ACED_ARXCOMMAND_ENTRY s_commands[] = {
    {L"Velo", L"_DbTable_Create", L"DbTable_Create", ACRX_CMD_MODAL, &DbTable_Create, nullptr, 0},
    {L"Velo", L"_DbTable_Properties", L"DbTable_Properties", ACRX_CMD_MODAL, &DbTable_Properties, nullptr, 0},
    {L"Velo", L"_DbTable_Update", L"DbTable_Update", ACRX_CMD_MODAL, &DbTable_Update, nullptr, 0},
    {L"Velo", L"_DbTable_Auto_Update", L"DbTable_Auto_Update", ACRX_CMD_MODAL, &DbTable_Auto_Update, nullptr, 0},
    {L"Morvane", L"_Velo_LoadMenu", L"Velo_LoadMenu", ACRX_CMD_MODAL, &Velo_LoadMenu, nullptr, 0},
    {L"Morvane", L"_Velo_Help", L"Velo_Help", ACRX_CMD_MODAL, &Velo_Help, nullptr, 0},
    {L"Morvane", L"_Velo_About", L"Velo_About", ACRX_CMD_MODAL, &Velo_About, nullptr, 0},
    {L"Morvane", L"_Velo_Live_Update", L"Velo_Live_Update", ACRX_CMD_MODAL, &Velo_Live_Update, nullptr, 0},
    {L"Morvane", L"_Velo_Website", L"Velo_Website", ACRX_CMD_MODAL, &Velo_Website, nullptr, 0},
    {L"Morvane", L"_Velo_Support", L"Velo_Support", ACRX_CMD_MODAL, &Velo_Support, nullptr, 0},
    {L"Morvane", L"_Velo_Faq", L"Velo_Faq", ACRX_CMD_MODAL, &Velo_Faq, nullptr, 0},
    {L"Morvane", L"_Velo_New", L"Velo_New", ACRX_CMD_MODAL, &Velo_New, nullptr, 0},
    {L"Morvane", L"_Velo_Demo", L"Velo_Demo", ACRX_CMD_MODAL, &Velo_Demo, nullptr, 0},
};

// No functions are callable from the host's LISP.
const std::span<const _ACED_ADSFUNCTION_ENTRY> s_functions{};

}  // namespace

std::span<const _ACED_ARXCOMMAND_ENTRY> VelloriaCommandTable() { return s_commands; }

CVelloriaApp theApp;

CVelloriaApp::CVelloriaApp() : AcRxArxApp(&_hdllInstance, s_commands, s_functions) {}

AcRx::AppRetCode CVelloriaApp::On_kInitAppMsg(void* pkt) {
    AcRx::AppRetCode retCode = AcRxArxApp::On_kInitAppMsg(pkt);

    CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane");

    if (!acedIsMenuGroupLoaded(L"Velloria")) {
        // The host runs the menu loading when it next waits for input.
        ads_queueexpr(L"(command \"Velo_LoadMenu\")");
    } else if (CRegistry::GetProfileInt(L"Velloria", L"ActiveMenu", 1)) {
        AddPulldownMenu();
        CRegistry::WriteProfileInt(L"Velloria", L"ActiveMenu", 0);
    }

    // The catalogue's connect-string templates, before any drawing is opened and refreshed.
    InitConnectStringTable();

    return retCode;
}

AcRx::AppRetCode CVelloriaApp::On_kUnloadAppMsg(void* pkt) {
    AcRx::AppRetCode retCode = AcRxArxApp::On_kUnloadAppMsg(pkt);

    CloseAllDatabases();
    ReleaseModuleDialogs();

    return retCode;
}

AcRx::AppRetCode CVelloriaApp::On_kLoadDwgMsg(void* pkt) {
    AcRx::AppRetCode retCode = AcRxArxApp::On_kLoadDwgMsg(pkt);

    CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane");
    if (CRegistry::GetProfileInt(L"Velloria", L"AutoUpdate", 0)) RefreshLinkedTablesOnOpen();

    return retCode;
}

void CVelloriaApp::RegisterServerComponents() {}
