#include "access/ContainedProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

ContainedResult RunContained(const std::function<int(wire::Writer&)>& body, std::chrono::milliseconds silenceLimit, std::string& output,
                             int& exitStatus) {
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
    bool timedOut = false;
    char buffer[65536];
    for (;;) {
        pollfd pfd{fds[0], POLLIN, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(silenceLimit.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            timedOut = true;
            break;
        }
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        output.append(buffer, static_cast<size_t>(n));
    }
    ::close(fds[0]);
    if (timedOut) ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (timedOut) return ContainedResult::Killed;
    return WIFEXITED(status) ? ContainedResult::Ok : ContainedResult::Failed;
}

}  // namespace platform
