#include "runtime/DetachedProgram.h"

#include <cerrno>
#include <fcntl.h>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "posix/SystemCalls.h"

namespace platform {

std::string FindProgram(const std::string& name) {
    if (name.empty()) return {};
    if (name.find('/') != std::string::npos) return posix::Sys().access(name.c_str(), X_OK) == 0 ? name : std::string();
    const char* path = std::getenv("PATH");
    const std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    for (size_t start = 0; start <= dirs.size();) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        const std::string candidate = dirs.substr(start, end - start) + "/" + name;
        if (end > start && posix::Sys().access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return {};
}

bool StartDetached(const std::string& program, const std::string& argument, const std::string& directory) {
    pid_t child = posix::Sys().fork();
    if (child < 0) return false;
    if (child == 0) {
        if (posix::Sys().fork() != 0) ::_exit(0);
        ::setsid();
        // A program of its own (a viewer, a browser): what it says on its way does not belong
        // in the command line it was started from, and it must not read the terminal's keys.
        const int null = ::open("/dev/null", O_RDWR);
        if (null >= 0) {
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::dup2(null, 2);
            if (null > 2) ::close(null);
        }
        if (!directory.empty() && ::chdir(directory.c_str()) != 0) ::_exit(127);
        std::vector<char*> argv{const_cast<char*>(program.c_str()), const_cast<char*>(argument.c_str()), nullptr};
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (posix::Sys().waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace platform
