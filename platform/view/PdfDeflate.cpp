#include "view/PdfDeflate.h"

#include <libdeflate.h>

#include <system_error>

namespace platform::view {

Compressor::Compressor(int level) : m_compressor(libdeflate_alloc_compressor(level)) {}

Compressor::~Compressor() {
    if (m_compressor) libdeflate_free_compressor(m_compressor);
}

bool Compressor::Compress(std::string_view data, std::string& out) {
    out.clear();
    if (!m_compressor) return false;
    // Written into room kept from call to call, then copied at its size: a string sized to the
    // bound would be zeroed first, and would keep that size (ten times the data) while it lives.
    const size_t bound = libdeflate_zlib_compress_bound(m_compressor, data.size());
    if (bound > m_roomSize) {
        m_room.reset();
        m_room = std::make_unique_for_overwrite<char[]>(bound);
        m_roomSize = bound;
    }
    // Never short of room at the bound: nothing written means it failed.
    const size_t written = libdeflate_zlib_compress(m_compressor, data.data(), data.size(), m_room.get(), bound);
    out.assign(m_room.get(), written);
    return written > 0;
}

bool Deflate(std::string_view data, std::string& out, int level) { return Compressor(level).Compress(data, out); }

DeflateThread::DeflateThread(int level) : m_compressor(level) {
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

void DeflateThread::Compress(std::string_view piece) {
    if (!m_ok || piece.empty()) return;
    try {
        std::string packed;
        m_ok = m_compressor.Compress(piece, packed);
        if (m_ok) m_packed.push_back(std::move(packed));
    } catch (const std::bad_alloc&) {
        m_ok = false;
    }
}

void DeflateThread::Add(PdfBuffer piece) {
    if (!m_thread.joinable()) {
        Compress(piece.View());
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
        PdfBuffer piece = std::move(m_queue.front());
        m_queue.pop_front();
        lock.unlock();
        Compress(piece.View());
        lock.lock();
    }
}

bool DeflateThread::Finish(std::vector<std::string>& out) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_done = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable()) m_thread.join();
    out = std::move(m_packed);
    m_packed.clear();
    return m_ok;
}

}  // namespace platform::view
