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

// The module as a tool subcommand uses it: loaded on first use, and its entry points by name.
// What goes wrong (the module cannot be loaded, it lacks the entry point) is said on standard
// error, so that standard output carries the tool's result alone.
class ToolModule {
public:
    explicit ToolModule(const char* tool) : m_tool(tool) {}
    // The entry point, or null once the reason has been printed.
    template <class Func>
    Func Entry(const char* symbol) { return reinterpret_cast<Func>(Find(symbol)); }

private:
    void* Find(const char* symbol);

    const char* m_tool;
    bool m_tried = false;
    std::unique_ptr<LoadedModule> m_loaded;
};
