#pragma once
// The running host: its loaded modules, and whether the user asked to quit.
#include <memory>
#include <vector>

#include "ModuleLoader.h"

class HostSession {
public:
    std::vector<std::unique_ptr<LoadedModule>>& Modules() { return m_modules; }
    // Sends a message to every loaded module, in load order.
    void SendToModules(AcRx::AppMsgCode msg, void* pkt);
    // Sends kUnloadAppMsg to every module, newest first, and unloads them.
    void UnloadModules();

    bool QuitRequested() const { return m_quit; }
    void RequestQuit() { m_quit = true; }
    // A session starts without the request of one run before it in the same process.
    void ClearQuit() { m_quit = false; }

private:
    std::vector<std::unique_ptr<LoadedModule>> m_modules;
    bool m_quit = false;
};

HostSession& Session();
