#include "runtime/RxApp.h"

#include "editor/LispFunctions.h"
#include "db/SysRegistry.h"

AcRxDbxApp::AcRxDbxApp(const HINSTANCE* moduleInstance, bool unlockable, bool mdiAware)
    : m_pModuleInstance(moduleInstance), m_bUnlocked(unlockable), m_bMDIAware(mdiAware) {}

AcRx::AppRetCode AcRxDbxApp::EntryPoint(AcRx::AppMsgCode msg, void* pkt) {
    switch (msg) {
    case AcRx::kNullMsg: return On_kNullMsg(pkt);
    case AcRx::kInitAppMsg: return On_kInitAppMsg(pkt);
    case AcRx::kUnloadAppMsg: return On_kUnloadAppMsg(pkt);
    case AcRx::kLoadDwgMsg: return On_kLoadDwgMsg(pkt);
    case AcRx::kUnloadDwgMsg: return On_kUnloadDwgMsg(pkt);
    case AcRx::kInvkSubrMsg: return On_kInvkSubrMsg(pkt);
    case AcRx::kCfgMsg: return On_kCfgMsg(pkt);
    case AcRx::kEndMsg: return On_kEndMsg(pkt);
    case AcRx::kQuitMsg: return On_kQuitMsg(pkt);
    case AcRx::kSaveMsg: return On_kSaveMsg(pkt);
    case AcRx::kDependencyMsg: return On_kDependencyMsg(pkt);
    case AcRx::kNoDependencyMsg: return On_kNoDependencyMsg(pkt);
    case AcRx::kOleUnloadAppMsg: return On_kOleUnloadAppMsg(pkt);
    case AcRx::kPreQuitMsg: return On_kPreQuitMsg(pkt);
    case AcRx::kInitDialogMsg: return On_kInitDialogMsg(pkt);
    case AcRx::kEndDialogMsg: return On_kEndDialogMsg(pkt);
    }
    return AcRx::kRetOK;
}

AcRx::AppRetCode AcRxDbxApp::On_kInitAppMsg(void* pkt) {
    if (AcRxDynamicLinker* linker = acrxDynamicLinker) {
        if (m_bUnlocked) linker->unlockApplication(pkt);
        if (m_bMDIAware) linker->registerAppMDIAware(pkt);
    }
    RegisterServerComponents();
    // No custom classes: the class hierarchy is not rebuilt.
    return AcRx::kRetOK;
}

AcRx::AppRetCode AcRxDbxApp::On_kUnloadAppMsg(void*) {
    // No custom classes to delete.
    return AcRx::kRetOK;
}

AcRxArxApp::AcRxArxApp(const HINSTANCE* moduleInstance, std::span<const _ACED_ARXCOMMAND_ENTRY> commands,
                       std::span<const _ACED_ADSFUNCTION_ENTRY> functions)
    : AcRxDbxApp(moduleInstance), m_commands(commands), m_functions(functions) {}

AcRx::AppRetCode AcRxArxApp::On_kInitAppMsg(void* pkt) {
    AcRx::AppRetCode result = AcRxDbxApp::On_kInitAppMsg(pkt);
    if (AcEdCommandStack* stack = AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK))) {
        for (const auto& entry : m_commands)
            stack->addCommand(entry.pszCmdGroupName, entry.pszCmdGlobalName, entry.pszCmdLocalName,
                              entry.commandFlags, entry.pCmdFct, entry.pUIContext, -1, GetModuleInstance());
    }
    return result;
}

AcRx::AppRetCode AcRxArxApp::On_kUnloadAppMsg(void* pkt) {
    if (AcEdCommandStack* stack = AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK))) {
        for (const auto& entry : m_commands) stack->removeCmd(entry.pszCmdGroupName, entry.pszCmdGlobalName);
    }
    return AcRxDbxApp::On_kUnloadAppMsg(pkt);
}

AcRx::AppRetCode AcRxArxApp::On_kLoadDwgMsg(void* pkt) {
    for (size_t i = 0; i < m_functions.size(); ++i) {
        acedDefun(m_functions[i].pszName, static_cast<short>(i));
        if (m_functions[i].bRegFunc) acedRegFunc(m_functions[i].fptr, static_cast<short>(i));
    }
    return AcRxDbxApp::On_kLoadDwgMsg(pkt);
}

AcRx::AppRetCode AcRxArxApp::On_kUnloadDwgMsg(void* pkt) {
    for (size_t i = 0; i < m_functions.size(); ++i) acedUndef(m_functions[i].pszName, static_cast<short>(i));
    return AcRxDbxApp::On_kUnloadDwgMsg(pkt);
}

AcRx::AppRetCode AcRxArxApp::On_kInvkSubrMsg(void* pkt) {
    int code = acedGetFunCode();
    if (code >= 0 && static_cast<size_t>(code) < m_functions.size() && m_functions[code].fptr) m_functions[code].fptr();
    return AcRx::kRetOK;
}
