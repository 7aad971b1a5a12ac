#include "posix/ContainedProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "posix/SystemCalls.h"

namespace platform::posix {
namespace {

using Clock = std::chrono::steady_clock;

// The start of standard error is enough for a message; the rest is read and dropped so that
// the child never blocks on a full pipe.
constexpr std::size_t kErrorKept = 16 * 1024;

struct Pipe {
    FileDescriptor read, write;
    bool Open() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return false;
        read = FileDescriptor(fds[0]);
        write = FileDescriptor(fds[1]);
        return true;
    }
};

// In the child between fork and exec: only async-signal-safe calls, made directly (the table
// of system calls is the parent's).
[[noreturn]] void StartChild(char* const* argv, int input, int out, int err, const ProgramLimits& limits) {
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &standard, nullptr);

    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    if (limits.addressSpace > 0) {
        const rlimit space{limits.addressSpace, limits.addressSpace};
        if (::setrlimit(RLIMIT_AS, &space) != 0) ::_exit(126);
    }
    if (limits.time.count() > 0) {
        const rlim_t seconds = static_cast<rlim_t>((limits.time.count() + 999) / 1000);
        const rlimit cpu{seconds, seconds + 1};
        if (::setrlimit(RLIMIT_CPU, &cpu) != 0) ::_exit(126);
    }
    if (::dup2(input, STDIN_FILENO) < 0 || ::dup2(out, STDOUT_FILENO) < 0 || ::dup2(err, STDERR_FILENO) < 0) ::_exit(126);
    ::close_range(3, ~0u, 0);
    ::execv(argv[0], argv);
    ::_exit(127);
}

// Appends what the descriptor has now to buffer (growing it); false at its end or on an error
// (errno 0 at the end).
bool TakeOutput(int fd, FileBytes& buffer, std::size_t& capacity) {
    if (buffer.size == capacity) {
        const std::size_t larger = std::max<std::size_t>(capacity * 2, 64 * 1024);
        auto grown = std::make_unique_for_overwrite<char[]>(larger);
        if (buffer.size) std::memcpy(grown.get(), buffer.data.get(), buffer.size);
        buffer.data = std::move(grown);
        capacity = larger;
    }
    for (;;) {
        const ssize_t n = Sys().read(fd, buffer.data.get() + buffer.size, capacity - buffer.size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = 0;
            return false;
        }
        buffer.size += static_cast<std::size_t>(n);
        return true;
    }
}

bool TakeError(int fd, std::string& kept) {
    char chunk[4096];
    for (;;) {
        const ssize_t n = Sys().read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        const std::size_t room = kErrorKept - std::min(kErrorKept, kept.size());
        kept.append(chunk, std::min(room, static_cast<std::size_t>(n)));
        return true;
    }
}

int MillisecondsLeft(Clock::time_point deadline) {
    if (deadline == Clock::time_point::max()) return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 1 << 30));
}

// Waits for the child to end, at most until the deadline; false when it is still running.
bool Reap(pid_t pid, Clock::time_point deadline, int& status) {
    for (;;) {
        const pid_t done = Sys().waitpid(pid, &status, WNOHANG);
        if (done == pid) return true;
        if (done < 0 && errno != EINTR) return true;  // not ours to wait for any more
        if (MillisecondsLeft(deadline) == 0) return false;
        const timespec pause{0, 2'000'000};
        ::nanosleep(&pause, nullptr);
    }
}

void Kill(pid_t pid, int& status) {
    Sys().kill(pid, SIGKILL);
    while (Sys().waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

std::string ProgramRun::Describe(const ProgramLimits& limits) const {
    switch (ending) {
    case Ending::Exited: return "exited with status " + std::to_string(status);
    case Ending::Signalled: return "stopped on signal " + std::to_string(status);
    case Ending::TimedOut: {
        const long long ms = limits.time.count();
        return "did not finish within " + (ms % 1000 ? std::to_string(ms) + " ms" : std::to_string(ms / 1000) + " s") +
               " and was stopped";
    }
    case Ending::OutputTooLarge:
        return "wrote more than " + std::to_string(limits.output >> 20) + " MiB and was stopped";
    case Ending::NotStarted: return std::string("could not be started: ") + std::strerror(status);
    case Ending::ReadFailed: return std::string("could not be read from: ") + std::strerror(status);
    }
    return "ended";
}

ProgramRun RunContainedProgram(const std::vector<std::string>& argv, int input, const ProgramLimits& limits,
                               std::size_t outputHint) {
    ProgramRun run;
    if (argv.empty() || Sys().access(argv[0].c_str(), X_OK) != 0) {
        run.status = argv.empty() ? ENOENT : errno;
        return run;
    }
    // Everything the child needs is made before the fork: after it, the child may not allocate.
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    FileDescriptor devNull;
    if (input < 0) {
        devNull = FileDescriptor(Sys().open("/dev/null", O_RDONLY | O_CLOEXEC, 0));
        input = devNull.Get();
    }
    Pipe out, err;
    std::size_t capacity = std::max<std::size_t>(outputHint, 64 * 1024);
    if (limits.output > 0) capacity = std::min(capacity, limits.output + 1);
    try {
        run.out.data = std::make_unique_for_overwrite<char[]>(capacity);
    } catch (const std::bad_alloc&) {
        run.status = ENOMEM;
        return run;
    }
    if (input < 0 || !out.Open() || !err.Open()) {
        run.status = errno;
        return run;
    }

    const pid_t pid = Sys().fork();
    if (pid < 0) {
        run.status = errno;
        return run;
    }
    if (pid == 0) StartChild(args.data(), input, out.write.Get(), err.write.Get(), limits);
    out.write.Close();
    err.write.Close();

    const Clock::time_point deadline = limits.time.count() > 0 ? Clock::now() + limits.time : Clock::time_point::max();
    bool outOpen = true, errOpen = true;
    int status = 0;
    while (outOpen || errOpen) {
        pollfd fds[2];
        nfds_t count = 0;
        if (outOpen) fds[count++] = {out.read.Get(), POLLIN, 0};
        if (errOpen) fds[count++] = {err.read.Get(), POLLIN, 0};
        const int ready = Sys().poll(fds, count, MillisecondsLeft(deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) {
            Kill(pid, status);
            run.ending = ProgramRun::Ending::TimedOut;
            return run;
        }
        if (ready < 0) {
            run.status = errno;
            Kill(pid, status);
            run.ending = ProgramRun::Ending::ReadFailed;
            return run;
        }
        for (nfds_t i = 0; i < count; ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            if (fds[i].fd == out.read.Get()) {
                try {
                    outOpen = TakeOutput(out.read.Get(), run.out, capacity);
                } catch (const std::bad_alloc&) {
                    run.status = ENOMEM;
                    Kill(pid, status);
                    run.ending = ProgramRun::Ending::ReadFailed;
                    return run;
                }
                if (!outOpen && errno != 0) {
                    run.status = errno;
                    Kill(pid, status);
                    run.ending = ProgramRun::Ending::ReadFailed;
                    return run;
                }
                if (limits.output > 0 && run.out.size > limits.output) {
                    Kill(pid, status);
                    run.ending = ProgramRun::Ending::OutputTooLarge;
                    return run;
                }
            } else {
                errOpen = TakeError(err.read.Get(), run.err);
            }
        }
    }
    // Both pipes are closed: the child has ended, or closed them and goes on; it gets the rest
    // of its time.
    if (!Reap(pid, deadline, status)) {
        Kill(pid, status);
        run.ending = ProgramRun::Ending::TimedOut;
        return run;
    }
    if (WIFSIGNALED(status)) {
        run.ending = ProgramRun::Ending::Signalled;
        run.status = WTERMSIG(status);
    } else {
        run.ending = ProgramRun::Ending::Exited;
        run.status = WEXITSTATUS(status);
    }
    return run;
}

}  // namespace platform::posix
