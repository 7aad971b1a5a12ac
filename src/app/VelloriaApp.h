#pragma once
// The application object: the module's one instance of the host's application class. It
// registers the command set on load, loads or inserts the "Velloria" menu, and removes the
// commands again on unload.
#include "mfc/Afx.h"
#include "runtime/RxApp.h"

class CVelloriaApp : public AcRxArxApp {
public:
    CVelloriaApp();

    AcRx::AppRetCode On_kInitAppMsg(void* pkt) override;
    AcRx::AppRetCode On_kUnloadAppMsg(void* pkt) override;
    AcRx::AppRetCode On_kLoadDwgMsg(void* pkt) override;
    void RegisterServerComponents() override;
};

// The module instance, set when the module is attached (an address inside the module).
extern HINSTANCE _hdllInstance;
// The application object.
extern CVelloriaApp theApp;

// The command table: one entry per command, in the groups "Velo" and "Morvane".
std::span<const _ACED_ARXCOMMAND_ENTRY> VelloriaCommandTable();
