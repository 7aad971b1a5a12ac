#include "access/StatementBudget.h"

namespace platform::access {
namespace {

// How often the user's break is polled: often enough to stop within a second, seldom enough
// that a window's events are not run thousands of times a second.
constexpr auto kPollEvery = std::chrono::milliseconds(50);

}  // namespace

StatementBudget::StatementBudget(const StatementLimits& limits) : m_limits(limits) {
    const auto now = std::chrono::steady_clock::now();
    m_deadline = limits.seconds > 0 ? now + std::chrono::seconds(limits.seconds) : std::chrono::steady_clock::time_point::max();
    m_nextPoll = now;  // the first call asks at once
}

bool StatementBudget::GoOn() {
    if (m_stop != StatementStop::None) return false;
    const auto now = std::chrono::steady_clock::now();
    if (now >= m_deadline) {
        m_stop = StatementStop::Time;
        return false;
    }
    if (m_limits.cancelled && now >= m_nextPoll) {
        m_nextPoll = now + kPollEvery;
        if (m_limits.cancelled()) {
            m_stop = StatementStop::Cancelled;
            return false;
        }
    }
    return true;
}

bool StatementBudget::MayHold(long long bytes) {
    if (m_stop != StatementStop::None) return false;
    if (m_limits.bytes > 0 && bytes > m_limits.bytes) {
        m_stop = StatementStop::Memory;
        return false;
    }
    return true;
}

}  // namespace platform::access
