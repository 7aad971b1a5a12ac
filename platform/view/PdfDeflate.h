#pragma once
// Flate compression of PDF streams (libdeflate, several times quicker than zlib at the same
// size). Page content is handed over in pieces as it is written and compressed on a thread of
// its own, so the renderer goes on meanwhile; each piece becomes a content stream of its own
// (a page's content may be an array of streams, read as one).
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "view/PdfBuffer.h"

struct libdeflate_compressor;

namespace platform::view {

// A compressor of one level, for one thread at a time.
class Compressor {
public:
    explicit Compressor(int level);
    ~Compressor();
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;

    // The data as one zlib stream; false when memory ran out.
    bool Compress(std::string_view data, std::string& out);

private:
    libdeflate_compressor* m_compressor;
    std::unique_ptr<char[]> m_room;  // for the compressed bytes
    size_t m_roomSize = 0;
};

// Compressed in one call, for the small streams (fonts, maps).
bool Deflate(std::string_view data, std::string& out, int level);

class DeflateThread {
public:
    explicit DeflateThread(int level);
    ~DeflateThread();
    DeflateThread(const DeflateThread&) = delete;
    DeflateThread& operator=(const DeflateThread&) = delete;

    // Compressed on the thread, or at once where no thread could be started.
    void Add(PdfBuffer piece);
    // Waits for the pieces given so far: each compressed, in order; false when compression
    // failed.
    bool Finish(std::vector<std::string>& out);

private:
    void Work();
    void Compress(std::string_view piece);

    Compressor m_compressor;
    std::vector<std::string> m_packed;  // written by the thread until it is joined
    bool m_ok = true;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<PdfBuffer> m_queue;
    bool m_done = false;
    std::thread m_thread;  // not joinable: compression happens in Add
};

}  // namespace platform::view
