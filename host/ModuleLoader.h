#pragma once
// Loading a plug-in module: dlopen, the interface-version handshake, its entry point.
#include <memory>
#include <string>

#include "runtime/RxApp.h"

class LoadedModule {
public:
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    // Loads the module file; on failure returns null and prints one line naming the file
    // and the reason.
    static std::unique_ptr<LoadedModule> Load(const std::string& path);

    AcRx::AppRetCode Send(AcRx::AppMsgCode msg, void* pkt) { return m_entryPoint(msg, pkt); }
    // The application's identity towards the dynamic linker (the packet of kInitAppMsg).
    void* AppId() { return this; }
    const std::string& Path() const { return m_path; }
    // An exported function or variable of the module; null when it has none.
    void* Symbol(const char* name) const;

private:
    LoadedModule(void* handle, AcRxEntryPointFunc entryPoint, std::string path)
        : m_handle(handle), m_entryPoint(entryPoint), m_path(std::move(path)) {}

    void* m_handle;
    AcRxEntryPointFunc m_entryPoint;
    std::string m_path;
};

// Where the host finds its module: $VELLORIA_MODULE, else Velloria.so beside the executable.
std::string DefaultModulePath();
