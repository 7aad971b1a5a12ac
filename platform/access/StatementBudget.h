#pragma once
// A running statement's spending against its limits (provider/StatementLimits.h), for the work an
// engine does outside its own stepping (a function building a text, a reader loading a
// table): time and the user's break are looked at often and cheaply, memory is asked for
// before it is taken. The first limit passed stops the statement for good.
#include <chrono>

#include "provider/StatementLimits.h"

namespace platform::access {

using provider::StatementLimits;
using provider::StatementStop;

class StatementBudget {
public:
    explicit StatementBudget(const StatementLimits& limits);
    StatementBudget(const StatementBudget&) = delete;
    StatementBudget& operator=(const StatementBudget&) = delete;

    // False once the time is up or the user broke off. The clock is read at each call; the
    // break is polled every few hundredths of a second.
    bool GoOn();
    // Whether the statement may hold that many bytes of work at once (a text it builds, what
    // a sort keeps); false stops it.
    bool MayHold(long long bytes);
    StatementStop Stopped() const { return m_stop; }
    const StatementLimits& Limits() const { return m_limits; }

private:
    const StatementLimits& m_limits;
    std::chrono::steady_clock::time_point m_deadline;
    std::chrono::steady_clock::time_point m_nextPoll;
    StatementStop m_stop = StatementStop::None;
};

}  // namespace platform::access
