#pragma once
// Flate compression of PDF streams (zlib). Page content is handed over in pieces as it is
// written and compressed on a thread of its own, so the renderer goes on meanwhile.
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace platform::view {

// One zlib stream; pieces go in, the compressed bytes come out at Finish.
class Deflater {
public:
    explicit Deflater(int level);
    ~Deflater();
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    void Add(std::string_view data);
    // The whole compressed stream; false when zlib failed (out of memory).
    bool Finish(std::string& out);

private:
    bool Run(std::string_view data, int flush);

    struct State;
    std::unique_ptr<State> m_state;
    std::string m_out;
    bool m_ok = true;
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
    void Add(std::string piece);
    // Waits for the pieces given so far; false when compression failed.
    bool Finish(std::string& out);

private:
    void Work();

    Deflater m_deflater;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::string> m_queue;
    bool m_done = false;
    std::thread m_thread;  // not joinable: compression happens in Add
};

}  // namespace platform::view
