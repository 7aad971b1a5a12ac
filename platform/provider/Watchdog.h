#pragma once
// Cancels a statement that runs past its time, from a thread of its own: a driver's or a
// server's own time-out bounds one execution at most (and not every driver keeps one), not the
// time of all a provider sends and reads for the statement.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace platform::provider {

class Watchdog {
public:
    // seconds <= 0: no limit, and no thread.
    Watchdog(long seconds, std::function<void()> cancel);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    bool Expired() const { return m_expired; }
    // Whether the time is up, though the thread may not have woken yet.
    bool PastDeadline() const { return m_expired || (m_deadline && std::chrono::steady_clock::now() >= *m_deadline); }

private:
    std::optional<std::chrono::steady_clock::time_point> m_deadline;
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::atomic<bool> m_expired{false};
    std::thread m_thread;
};

}  // namespace platform::provider
