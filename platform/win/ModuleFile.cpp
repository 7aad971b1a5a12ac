#include "win/ModuleFile.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

#include "posix/SystemCalls.h"
#include "win/LastError.h"
#include "text/Utf8.h"

namespace {

std::string ExecutablePath() {
    char buf[PATH_MAX];
    ssize_t n = platform::posix::Sys().readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return {};
    return std::string(buf, static_cast<size_t>(n));
}

std::string ModulePath(HMODULE module) {
    if (!module) return ExecutablePath();
    Dl_info info{};
    if (!::dladdr(module, &info) || !info.dli_fname || !*info.dli_fname) return {};
    std::string name = info.dli_fname;
    // The executable itself is reported by the name it was started with.
    if (name.find('/') == std::string::npos) return ExecutablePath();
    char resolved[PATH_MAX];
    if (::realpath(name.c_str(), resolved)) return resolved;
    return name;
}

}  // namespace

DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
    std::string path = ModulePath(hModule);
    if (path.empty()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!lpFilename || nSize == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::wstring wide = platform::FromUtf8(path);
    if (wide.size() >= nSize) {
        std::wmemcpy(lpFilename, wide.c_str(), nSize - 1);
        lpFilename[nSize - 1] = L'\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::wmemcpy(lpFilename, wide.c_str(), wide.size() + 1);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(wide.size());
}
