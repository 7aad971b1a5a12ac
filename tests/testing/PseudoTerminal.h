#pragma once
// A program run on a pseudo-terminal, as a person at a terminal runs it: what it prints is
// read as it comes, keys are typed into it (^C through the terminal's own line discipline, so
// the program gets SIGINT), and it is waited for with a time limit, never for ever.
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <poll.h>
#include <string>
#include <vector>

namespace testing_support {

class PseudoTerminal {
public:
    // Starts argv[0] with the arguments and the extra environment ("NAME=value") in a folder.
    PseudoTerminal(const std::vector<std::string>& argv, const std::vector<std::string>& env, const std::string& folder) {
        struct winsize size{};
        size.ws_col = 200;
        size.ws_row = 50;
        m_pid = ::forkpty(&m_master, nullptr, nullptr, &size);
        if (m_pid == 0) {
            if (::chdir(folder.c_str()) != 0) ::_exit(126);
            for (const std::string& e : env) ::putenv(const_cast<char*>(e.c_str()));
            std::vector<char*> args;
            for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
            args.push_back(nullptr);
            ::execv(args[0], args.data());
            ::_exit(127);
        }
    }
    ~PseudoTerminal() {
        if (m_pid > 0 && !m_exited) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        if (m_master >= 0) ::close(m_master);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool Started() const { return m_pid > 0; }
    void Type(const std::string& keys) {
        for (size_t done = 0; done < keys.size();) {
            const ssize_t n = ::write(m_master, keys.data() + done, keys.size() - done);
            if (n <= 0) return;
            done += static_cast<size_t>(n);
        }
    }
    // Reads until the output since the last call holds `text`; false after the time limit.
    bool WaitFor(const std::string& text, double seconds = 20) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (m_unread.find(text) == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
            if (left <= 0 || !ReadSome(static_cast<int>(left))) return false;
        }
        const size_t end = m_unread.find(text) + text.size();
        m_unread.erase(0, end);
        return true;
    }
    // Waits for the program to end; its exit status, or -1 (killed, or still running after the
    // time limit: then it is killed).
    int Wait(double seconds = 20) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        for (;;) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_exited = true;
                while (ReadSome(50)) {
                }
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            if (std::chrono::steady_clock::now() > deadline) return -1;
            ReadSome(50);
        }
    }
    // Everything the program printed so far.
    const std::string& Transcript() const { return m_all; }

private:
    bool ReadSome(int milliseconds) {
        struct pollfd p{m_master, POLLIN, 0};
        if (::poll(&p, 1, milliseconds) <= 0) return false;
        char buffer[4096];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0) return false;
        m_all.append(buffer, static_cast<size_t>(n));
        m_unread.append(buffer, static_cast<size_t>(n));
        return true;
    }

    int m_master = -1;
    pid_t m_pid = -1;
    bool m_exited = false;
    std::string m_all, m_unread;
};

}  // namespace testing_support
