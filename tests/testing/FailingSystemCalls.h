#pragma once
// System calls that fail as a failing disk or system does, put in the platform's table of system
// calls (posix/SystemCalls.h) for the lifetime of an object. The table is the process's: these
// are for tests that run one thread.
#include <cerrno>
#include <cstddef>
#include <utility>

#include "posix/SystemCalls.h"

namespace testing_support {

using platform::posix::OriginalSystemCalls;
using platform::posix::ReplacedSystemCall;
using platform::posix::SystemCalls;

// Every call of Member fails with `error`, doing nothing.
template <auto Member, int Error>
class FailingCall {
    using Function = std::remove_reference_t<decltype(std::declval<SystemCalls&>().*Member)>;
    template <class Result, class... Args>
    static Result Fail(Args...) {
        errno = Error;
        return static_cast<Result>(-1);
    }
    template <class Result, class... Args>
    static Function Failing(Result (*)(Args...)) { return &Fail<Result, Args...>; }

    ReplacedSystemCall<Member> m_replaced{Failing(Function{})};
};

// Writes go through until `budget` bytes are written, then fail with `error`: the disk that
// fills up (ENOSPC) or breaks (EIO) halfway through a save. The write that crosses the budget
// is short, as the system's is.
class DiskFailsAfter {
public:
    DiskFailsAfter(std::size_t budget, int error) {
        s_budget = budget;
        s_written = 0;
        s_error = error;
    }
    static std::size_t Written() { return s_written; }

private:
    static ssize_t Write(int fd, const void* data, std::size_t size) {
        if (s_budget == 0) {
            errno = s_error;
            return -1;
        }
        const ssize_t n = OriginalSystemCalls().write(fd, data, size < s_budget ? size : s_budget);
        if (n > 0) {
            s_budget -= static_cast<std::size_t>(n);
            s_written += static_cast<std::size_t>(n);
        }
        return n;
    }
    static inline std::size_t s_budget = 0, s_written = 0;
    static inline int s_error = 0;
    ReplacedSystemCall<&SystemCalls::write> m_replaced{&Write};
};

// close gives EIO after it closed the descriptor, as it may on a network file system when the
// last of the data could not be written.
class CloseReportsEio {
    static int Close(int fd) {
        OriginalSystemCalls().close(fd);
        errno = EIO;
        return -1;
    }
    ReplacedSystemCall<&SystemCalls::close> m_replaced{&Close};
};

}  // namespace testing_support
