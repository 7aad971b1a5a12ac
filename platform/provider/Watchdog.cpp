#include "provider/Watchdog.h"

namespace platform::provider {

Watchdog::Watchdog(long seconds, std::function<void()> cancel) {
    if (seconds <= 0) return;
    m_deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    m_thread = std::thread([this, cancel = std::move(cancel), deadline = *m_deadline] {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_done.wait_until(lock, deadline, [this] { return m_finished; })) return;
        m_expired = true;
        cancel();
    });
}

Watchdog::~Watchdog() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_finished = true;
    }
    m_done.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

}  // namespace platform::provider
