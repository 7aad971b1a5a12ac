#pragma once
// Another program run as a child under limits, for work that may crash, loop or eat memory:
// what it writes to standard output is collected, the start of what it writes to standard
// error is kept for the message, and however it ends, the caller learns how in words, never
// by dying with it.
#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "posix/FileIo.h"

namespace platform::posix {

struct ProgramLimits {
    // Wall-clock time; the child is killed when it runs longer. It also gets as many seconds
    // of processor time (RLIMIT_CPU), so that a child that outlives the parent stops too.
    std::chrono::milliseconds time{0};
    // Bytes of address space (RLIMIT_AS): allocations beyond it fail in the child.
    std::size_t addressSpace = 0;
    // Bytes of standard output the parent takes; a child that writes more is killed, so a
    // runaway child cannot fill the parent's memory.
    std::size_t output = 0;
};

struct ProgramRun {
    enum class Ending {
        Exited,          // status is the exit status
        Signalled,       // status is the signal
        TimedOut,        // killed after the time limit
        OutputTooLarge,  // killed when its output passed the limit
        NotStarted,      // status is errno of the failed start
        ReadFailed,      // its output could not be read or held; status is errno
    };
    Ending ending = Ending::NotStarted;
    int status = 0;
    FileBytes out;    // its standard output
    std::string err;  // the start of its standard error

    bool Succeeded() const { return ending == Ending::Exited && status == 0; }
    // How the run ended, for a message: "exited with status 3", "stopped on signal 11", ...
    std::string Describe(const ProgramLimits& limits) const;
};

// Runs the program at argv[0] with its standard input read from `input` (a descriptor the
// caller keeps; /dev/null when negative), the limits applied in the child before the program
// starts, no core dump, and no descriptor of the parent's but the three. outputHint is the
// size the output is expected to reach (a buffer that large is made at once).
ProgramRun RunContainedProgram(const std::vector<std::string>& argv, int input, const ProgramLimits& limits,
                               std::size_t outputHint = 0);

}  // namespace platform::posix
