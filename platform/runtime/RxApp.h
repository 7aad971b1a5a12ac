#pragma once
// The application base classes a plug-in derives its application object from, the message
// codes the host sends to its entry point, and the static tables that drive the inherited
// handlers (commands, LISP functions).
#include <span>

#include "editor/CommandStack.h"
#include "win/WinTypes.h"

namespace AcRx {

// A fixed underlying type: a host may send codes this list does not name, and they must pass
// through the entry point as values, not as undefined behaviour.
enum AppMsgCode : int {
    kNullMsg = 0,
    kInitAppMsg = 1,
    kUnloadAppMsg = 2,
    kLoadDwgMsg = 3,
    kUnloadDwgMsg = 4,
    kInvkSubrMsg = 5,
    kCfgMsg = 6,
    kEndMsg = 7,
    kQuitMsg = 8,
    kSaveMsg = 9,
    kDependencyMsg = 10,
    kNoDependencyMsg = 11,
    kOleUnloadAppMsg = 12,
    kPreQuitMsg = 13,
    kInitDialogMsg = 14,
    kEndDialogMsg = 15,
};

enum AppRetCode {
    kRetOK = 0,
    kRetError = 3,
};

}  // namespace AcRx

// The interface version of the host family this kit belongs to (the 2018 family). A module's
// acrxGetApiVersion returns it; the host refuses a module that answers another number.
constexpr int ACRX_API_VERSION = 22;

using AcRxEntryPointFunc = AcRx::AppRetCode (*)(AcRx::AppMsgCode, void*);
using AcRxGetApiVersionFunc = int (*)();

// One command of an application's command table.
struct _ACED_ARXCOMMAND_ENTRY {
    const wchar_t* pszCmdGroupName;
    const wchar_t* pszCmdGlobalName;
    const wchar_t* pszCmdLocalName;
    int commandFlags;
    AcRxFunctionPtr pCmdFct;
    AcEdUIContext* pUIContext;
    UINT localNameID;
};
using AcEdArxCommandEntry = _ACED_ARXCOMMAND_ENTRY;

// One function of an application's LISP function table.
struct _ACED_ADSFUNCTION_ENTRY {
    const wchar_t* pszName;
    int (*fptr)();
    bool bRegFunc;
    UINT localNameID;
};
using AcEdAdsFunctionEntry = _ACED_ADSFUNCTION_ENTRY;

// The database-side application: lock state, MDI awareness, server registration, classes.
class AcRxDbxApp {
public:
    // moduleInstance: where the module keeps its instance handle (set when it is attached).
    AcRxDbxApp(const HINSTANCE* moduleInstance, bool unlockable = true, bool mdiAware = true);
    virtual ~AcRxDbxApp() = default;

    // The dispatch of acrxEntryPoint: kNullMsg and kInitAppMsg..kEndDialogMsg go to their
    // handler; any other code returns kRetOK without a call.
    AcRx::AppRetCode EntryPoint(AcRx::AppMsgCode msg, void* pkt);

    HINSTANCE GetModuleInstance() const { return m_pModuleInstance ? *m_pModuleInstance : nullptr; }

    virtual AcRx::AppRetCode On_kInitAppMsg(void* pkt);
    virtual AcRx::AppRetCode On_kUnloadAppMsg(void* pkt);
    virtual AcRx::AppRetCode On_kLoadDwgMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kUnloadDwgMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kInvkSubrMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kCfgMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kEndMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kQuitMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kSaveMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kDependencyMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kNoDependencyMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kOleUnloadAppMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kPreQuitMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kInitDialogMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kEndDialogMsg(void* pkt) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kNullMsg(void* pkt) { return AcRx::kRetOK; }
    // Registration of the application's server components (COM); nothing by default.
    virtual void RegisterServerComponents() {}

protected:
    const HINSTANCE* m_pModuleInstance;
    bool m_bUnlocked;
    bool m_bMDIAware;
};

// The editor-side application: registers its command table with the host's command stack
// on load and removes it on unload, and defines its LISP functions per drawing.
class AcRxArxApp : public AcRxDbxApp {
public:
    AcRxArxApp(const HINSTANCE* moduleInstance, std::span<const _ACED_ARXCOMMAND_ENTRY> commands,
               std::span<const _ACED_ADSFUNCTION_ENTRY> functions);

    AcRx::AppRetCode On_kInitAppMsg(void* pkt) override;
    AcRx::AppRetCode On_kUnloadAppMsg(void* pkt) override;
    AcRx::AppRetCode On_kLoadDwgMsg(void* pkt) override;
    AcRx::AppRetCode On_kUnloadDwgMsg(void* pkt) override;
    AcRx::AppRetCode On_kInvkSubrMsg(void* pkt) override;

protected:
    std::span<const _ACED_ARXCOMMAND_ENTRY> m_commands;
    std::span<const _ACED_ADSFUNCTION_ENTRY> m_functions;
};
