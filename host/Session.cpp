#include "Session.h"

void HostSession::SendToModules(AcRx::AppMsgCode msg, void* pkt) {
    for (auto& module : m_modules) module->Send(msg, pkt);
}

void HostSession::UnloadModules() {
    while (!m_modules.empty()) {
        m_modules.back()->Send(AcRx::kUnloadAppMsg, m_modules.back()->AppId());
        m_modules.pop_back();
    }
}

HostSession& Session() {
    static HostSession session;
    return session;
}
