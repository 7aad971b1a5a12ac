#include "runtime/ShellExecute.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "editor/Console.h"
#include "posix/SystemCalls.h"
#include "runtime/DetachedProgram.h"
#include "win/HostPath.h"
#include "text/Utf8.h"

namespace {

HINSTANCE Result(INT_PTR code) { return reinterpret_cast<HINSTANCE>(code); }

bool IsAddress(const std::wstring& file) {
    return file.find(L"://") != std::wstring::npos || file.starts_with(L"mailto:");
}

std::string FindOpener() {
    if (const char* opener = std::getenv("VELLORIA_OPENER"); opener && *opener) return opener;
    return platform::FindProgram("xdg-open");
}

}  // namespace

HINSTANCE ShellExecuteW(HWND, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR, LPCWSTR lpDirectory, INT) {
    const std::wstring file = lpFile ? lpFile : L"";
    const std::wstring verb = lpOperation ? lpOperation : L"open";
    if (file.empty()) return Result(SE_ERR_FNF);
    std::string target = platform::ToUtf8(file);
    if (!IsAddress(file)) {
        target = platform::ToHostPath(file);
        struct stat st{};
        if (platform::posix::Sys().stat(target.c_str(), &st) != 0) {
            platform::WriteOutput("\nCannot open " + platform::ToUtf8(file) + ": the file does not exist.");
            return Result(SE_ERR_FNF);
        }
    }
    if (verb != L"open") {
        platform::WriteOutput("\nCannot " + platform::ToUtf8(verb) + " " + platform::ToUtf8(file) +
                              ": only \"open\" is supported.");
        return Result(SE_ERR_NOASSOC);
    }
    const std::string opener = FindOpener();
    if (opener.empty()) {
        platform::WriteOutput("\nCannot open " + platform::ToUtf8(file) +
                              ": no program to open it was found (install xdg-utils or set VELLORIA_OPENER).");
        return Result(SE_ERR_NOASSOC);
    }
    const std::string directory = lpDirectory && *lpDirectory ? platform::ToHostPath(lpDirectory) : std::string();
    if (!platform::StartDetached(opener, target, directory)) {
        platform::WriteOutput("\nCannot open " + platform::ToUtf8(file) + ": " + opener + " could not be started.");
        return Result(SE_ERR_NOASSOC);
    }
    return Result(42);
}
