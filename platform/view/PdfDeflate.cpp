#include "view/PdfDeflate.h"

#include <zlib.h>

#include <climits>
#include <system_error>

namespace platform::view {

struct Deflater::State {
    z_stream z{};
    bool open = false;
};

Deflater::Deflater(int level) : m_state(std::make_unique<State>()) {
    m_state->open = deflateInit(&m_state->z, level) == Z_OK;
    m_ok = m_state->open;
}

Deflater::~Deflater() {
    if (m_state->open) deflateEnd(&m_state->z);
}

bool Deflater::Run(std::string_view data, int flush) {
    z_stream& z = m_state->z;
    while (true) {
        const size_t chunk = std::min<size_t>(data.size(), UINT_MAX / 2);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
        z.avail_in = static_cast<uInt>(chunk);
        const int mode = chunk == data.size() ? flush : Z_NO_FLUSH;
        int rc = Z_OK;
        do {
            const size_t used = m_out.size();
            const size_t room = std::max<size_t>(deflateBound(&z, z.avail_in), 1 << 16);
            m_out.resize(used + room);
            z.next_out = reinterpret_cast<Bytef*>(m_out.data() + used);
            z.avail_out = static_cast<uInt>(room);
            rc = deflate(&z, mode);
            m_out.resize(used + room - z.avail_out);
            if (rc == Z_STREAM_ERROR) return false;
        } while (z.avail_out == 0 || (mode == Z_FINISH && rc != Z_STREAM_END));
        data.remove_prefix(chunk);
        if (data.empty()) return true;
    }
}

void Deflater::Add(std::string_view data) {
    if (m_ok && !data.empty()) m_ok = Run(data, Z_NO_FLUSH);
}

bool Deflater::Finish(std::string& out) {
    if (m_ok) m_ok = Run({}, Z_FINISH);
    out = std::move(m_out);
    m_out.clear();
    return m_ok;
}

bool Deflate(std::string_view data, std::string& out, int level) {
    Deflater deflater(level);
    deflater.Add(data);
    return deflater.Finish(out);
}

DeflateThread::DeflateThread(int level) : m_deflater(level) {
    try {
        m_thread = std::thread([this] { Work(); });
    } catch (const std::system_error&) {
    }
}

DeflateThread::~DeflateThread() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_done = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable()) m_thread.join();
}

void DeflateThread::Add(std::string piece) {
    if (!m_thread.joinable()) {
        m_deflater.Add(piece);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(std::move(piece));
    }
    m_wake.notify_one();
}

void DeflateThread::Work() {
    std::unique_lock<std::mutex> lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_done || !m_queue.empty(); });
        if (m_queue.empty()) return;
        std::string piece = std::move(m_queue.front());
        m_queue.pop_front();
        lock.unlock();
        m_deflater.Add(piece);
        lock.lock();
    }
}

bool DeflateThread::Finish(std::string& out) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_done = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable()) m_thread.join();
    return m_deflater.Finish(out);
}

}  // namespace platform::view
