#include "access/ContainedProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

extern char** environ;

namespace platform {
namespace {

bool SendAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Frames read so far: data appended to the output, the status once 'Z' came.
class FrameParser {
public:
    explicit FrameParser(std::string& output) : m_output(output) {}
    // False when the bytes are not frames.
    bool Feed(const char* data, size_t size) {
        while (size > 0) {
            if (m_left > 0) {
                const size_t n = std::min(size, m_left);
                m_output.append(data, n);
                data += n, size -= n, m_left -= n;
                continue;
            }
            const size_t need = 5 - m_header.size();
            const size_t n = std::min(size, need);
            m_header.append(data, n);
            data += n, size -= n;
            if (m_header[0] != 'D' && m_header[0] != 'Z') return false;
            if (m_header.size() < 5) continue;
            std::uint32_t value;
            std::memcpy(&value, m_header.data() + 1, 4);
            const char tag = m_header[0];
            m_header.clear();
            if (tag == 'D') {
                m_left = value;
            } else if (tag == 'Z') {
                m_status = value;
                m_done = true;
                return size == 0;  // nothing may follow the end of an answer
            } else {
                return false;
            }
        }
        return true;
    }
    bool Done() const { return m_done; }
    std::uint32_t Status() const { return m_status; }

private:
    std::string& m_output;
    std::string m_header;
    size_t m_left = 0;
    bool m_done = false;
    std::uint32_t m_status = 0;
};

}  // namespace

ContainedProcess::ContainedProcess(std::vector<std::string> argv) : m_argv(std::move(argv)) {}

ContainedProcess::~ContainedProcess() { End(); }

bool ContainedProcess::Inherited() const { return m_pid > 0 && m_owner != ::getpid(); }

bool ContainedProcess::Running() {
    if (Inherited()) {
        // Our copy of the socket only; the program and its waiting are the parent's.
        ::close(m_fd);
        m_fd = -1;
        m_pid = -1;
    }
    return m_pid > 0;
}

bool ContainedProcess::Start() {
    if (m_argv.empty()) return false;
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    // What the program prints (libmdb warns on standard error) is not for the user.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    // None of this process's other files: the program reads the file it is asked to read.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGINT);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    // The program is not part of the terminal's job: ^C at the console is the host's to handle.
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
    std::vector<char*> argv;
    for (auto& arg : m_argv) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int error = ::posix_spawn(&pid, m_argv[0].c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(fds[1]);
    if (error != 0) {
        ::close(fds[0]);
        return false;
    }
    m_pid = pid;
    m_fd = fds[0];
    m_owner = ::getpid();
    return true;
}

void ContainedProcess::End() {
    if (!Running()) return;
    ::close(m_fd);
    m_fd = -1;
    // The program may be in the middle of a read: it is not asked to finish.
    ::kill(m_pid, SIGKILL);
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
}

ContainedResult ContainedProcess::Exchange(std::string_view request, std::chrono::milliseconds silenceLimit, std::string& output,
                                           std::uint32_t& status, const std::function<bool()>& stop) {
    output.clear();
    status = 0;
    if (!Running() && !Start()) return ContainedResult::NotStarted;
    std::string frame(1, 'Q');
    const auto length = static_cast<std::uint32_t>(request.size());
    frame.append(reinterpret_cast<const char*>(&length), 4);
    frame.append(request);
    if (!SendAll(m_fd, frame.data(), frame.size())) {
        End();
        return ContainedResult::Failed;
    }
    FrameParser parser(output);
    ContainedResult result = ContainedResult::Failed;
    char buffer[65536];
    // With a stop to ask, the wait for the program is cut into slices.
    const auto slice = stop ? std::min(silenceLimit, std::chrono::milliseconds(100)) : silenceLimit;
    auto silentSince = std::chrono::steady_clock::now();
    for (;;) {
        if (stop && stop()) {
            result = ContainedResult::Stopped;
            break;
        }
        pollfd pfd{m_fd, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(slice.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0 || (ready == 0 && std::chrono::steady_clock::now() - silentSince >= silenceLimit)) {
            result = ContainedResult::Killed;
            break;
        }
        if (ready == 0) continue;
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0 || !parser.Feed(buffer, static_cast<size_t>(n))) break;  // it died, or speaks nonsense
        if (parser.Done()) {
            status = parser.Status();
            return ContainedResult::Ok;
        }
        silentSince = std::chrono::steady_clock::now();
    }
    End();
    return result;
}

}  // namespace platform
