#include "runtime/ShellExecute.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "editor/Console.h"
#include "win/HostPath.h"
#include "text/Utf8.h"

namespace {

HINSTANCE Result(INT_PTR code) { return reinterpret_cast<HINSTANCE>(code); }

bool IsAddress(const std::wstring& file) {
    return file.find(L"://") != std::wstring::npos || file.starts_with(L"mailto:");
}

std::string FindOpener() {
    if (const char* opener = std::getenv("VELLORIA_OPENER"); opener && *opener) return opener;
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string candidate = dirs.substr(start, end - start) + "/xdg-open";
        if (end > start && ::access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return {};
}

// Starts the opener in a grandchild so that it outlives nothing of ours and leaves no zombie.
bool Launch(const std::string& opener, const std::string& target, const std::string& directory) {
    pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        if (::fork() != 0) ::_exit(0);
        ::setsid();
        if (!directory.empty() && ::chdir(directory.c_str()) != 0) ::_exit(127);
        std::vector<char*> argv{const_cast<char*>(opener.c_str()), const_cast<char*>(target.c_str()), nullptr};
        ::execv(opener.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
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
        if (::stat(target.c_str(), &st) != 0) {
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
    if (!Launch(opener, target, directory)) {
        platform::WriteOutput("\nCannot open " + platform::ToUtf8(file) + ": " + opener + " could not be started.");
        return Result(SE_ERR_NOASSOC);
    }
    return Result(42);
}
