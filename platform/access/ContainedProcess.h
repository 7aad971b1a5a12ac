#pragma once
// A helper program whose work may crash or loop for ever, run as a process of its own and
// kept for one request after another. It is started with posix_spawn (cheap, whatever the
// size of this process), reads requests on its standard input and answers in frames on its
// standard output (see Wire.h); its standard error goes to /dev/null. A program that dies, or
// stays silent for the time limit, is reported and ended, and started again by the next
// request.
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class ContainedResult { Ok, Failed, Killed, Stopped, NotStarted };

class ContainedProcess {
public:
    // argv[0] is the program's path.
    explicit ContainedProcess(std::vector<std::string> argv);
    ~ContainedProcess();
    ContainedProcess(const ContainedProcess&) = delete;
    ContainedProcess& operator=(const ContainedProcess&) = delete;

    bool Running();
    // Sends one request (the bytes after 'Q' and the length) and collects the answer: its data
    // in output, its status in status. silenceLimit bounds the wait for each frame; stop,
    // when given, is asked a few times a second and true kills the program (Stopped). Any
    // result but Ok ends the program.
    ContainedResult Exchange(std::string_view request, std::chrono::milliseconds silenceLimit, std::string& output, std::uint32_t& status,
                             const std::function<bool()>& stop = {});
    // Ends the program: its input closed, then killed, and waited for.
    void End();

private:
    bool Start();
    // The object was copied into a forked process: the program is the parent's, not ours.
    bool Inherited() const;

    std::vector<std::string> m_argv;
    pid_t m_pid = -1;
    int m_fd = -1;      // our end of the socket that is the program's input and output
    pid_t m_owner = 0;  // the process that started it
};

}  // namespace platform
