#include "access/ContainedProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace platform {

ContainedResult RunContained(const std::function<int(wire::Writer&)>& body, std::chrono::milliseconds silenceLimit, std::string& output,
                             int& exitStatus, const std::function<bool()>& stop) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return ContainedResult::Failed;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return ContainedResult::Failed;
    }
    if (pid == 0) {
        ::close(fds[0]);
        // What the child prints (libmdb warns on standard error and dumps pages on standard
        // output) is not for the user; results travel through the pipe only.
        const int devnull = ::open("/dev/null", O_WRONLY);
        if (devnull >= 0) {
            ::dup2(devnull, STDOUT_FILENO);
            ::dup2(devnull, STDERR_FILENO);
        }
        wire::Writer writer(fds[1]);
        int code = body(writer);
        if (!writer.Flush() && code == 0) code = 1;
        ::_exit(code);
    }
    ::close(fds[1]);
    output.clear();
    bool timedOut = false, stopped = false;
    char buffer[65536];
    // With a stop to ask, the wait for the child is cut into slices.
    const auto slice = stop ? std::min(silenceLimit, std::chrono::milliseconds(100)) : silenceLimit;
    auto silentSince = std::chrono::steady_clock::now();
    for (;;) {
        if (stop && stop()) {
            stopped = true;
            break;
        }
        pollfd pfd{fds[0], POLLIN, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(slice.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0 || (ready == 0 && std::chrono::steady_clock::now() - silentSince >= silenceLimit)) {
            timedOut = true;
            break;
        }
        if (ready == 0) continue;
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        output.append(buffer, static_cast<size_t>(n));
        silentSince = std::chrono::steady_clock::now();
    }
    ::close(fds[0]);
    if (timedOut || stopped) ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (stopped) return ContainedResult::Stopped;
    if (timedOut) return ContainedResult::Killed;
    return WIFEXITED(status) ? ContainedResult::Ok : ContainedResult::Failed;
}

}  // namespace platform
