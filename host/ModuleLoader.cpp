#include "ModuleLoader.h"

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>

#include "editor/Console.h"
#include "win/ModuleFile.h"
#include "db/SysRegistry.h"
#include "text/Utf8.h"

LoadedModule::~LoadedModule() {
    if (AcRxDynamicLinker* linker = acrxDynamicLinker) linker->forgetApplication(AppId());
    if (m_handle) ::dlclose(m_handle);
}

std::unique_ptr<LoadedModule> LoadedModule::Load(const std::string& path) {
    auto fail = [&](const std::string& reason) -> std::unique_ptr<LoadedModule> {
        platform::WriteOutput("\nCannot load module " + path + ": " + reason + "\n");
        return nullptr;
    };
    ::dlerror();
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = ::dlerror();
        return fail(reason ? reason : "unknown error");
    }
    auto version = reinterpret_cast<AcRxGetApiVersionFunc>(::dlsym(handle, "acrxGetApiVersion"));
    auto entryPoint = reinterpret_cast<AcRxEntryPointFunc>(::dlsym(handle, "acrxEntryPoint"));
    if (!entryPoint || !version) {
        ::dlclose(handle);
        return fail("it exports no acrxEntryPoint and acrxGetApiVersion");
    }
    if (int v = version(); v != ACRX_API_VERSION) {
        ::dlclose(handle);
        return fail("it was built for interface version " + std::to_string(v) + ", this host has " +
                    std::to_string(ACRX_API_VERSION));
    }
    return std::unique_ptr<LoadedModule>(new LoadedModule(handle, entryPoint, path));
}

void* LoadedModule::Symbol(const char* name) const { return m_handle ? ::dlsym(m_handle, name) : nullptr; }

std::string DefaultModulePath() {
    if (const char* path = std::getenv("VELLORIA_MODULE"); path && *path) return path;
    wchar_t exe[4096];
    DWORD length = GetModuleFileNameW(nullptr, exe, 4096);
    std::filesystem::path folder = std::filesystem::path(platform::ToUtf8(std::wstring_view(exe, length))).parent_path();
    return (folder / "Velloria.so").string();
}

void* ToolModule::Find(const char* symbol) {
    if (!m_tried) {
        m_tried = true;
        const platform::OutputSink previous =
            platform::SetOutputSink([](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stderr); });
        m_loaded = LoadedModule::Load(DefaultModulePath());
        platform::SetOutputSink(previous);
    }
    if (!m_loaded) return nullptr;  // the loader has named the file and the reason
    void* entry = m_loaded->Symbol(symbol);
    if (!entry) std::fprintf(stderr, "velloria %s: the module %s does not offer %s\n", m_tool, m_loaded->Path().c_str(), symbol);
    return entry;
}
