#pragma once
// The byte stream between a reader process and its parent: little helpers that write and
// read fixed-size values and length-prefixed strings. Reading is checked: a short or
// malformed stream reads as false, never past its end.
//
// A response travels in frames, so that the reader process can answer one request after
// another on the same channel: 'D', a 32-bit length and that many bytes of the response, as
// often as needed, then 'Z' and the 32-bit status that ends it.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "posix/FileIo.h"

namespace platform::wire {

class Writer {
public:
    explicit Writer(int fd) : m_fd(fd) { m_buffer.reserve(kChunk + 1024); }
    void U8(std::uint8_t v) { m_buffer.push_back(static_cast<char>(v)); }
    void U32(std::uint32_t v) { Raw(&v, sizeof v); }
    void I64(std::int64_t v) { Raw(&v, sizeof v); }
    void F64(double v) { Raw(&v, sizeof v); }
    void Str(std::string_view s) {
        U32(static_cast<std::uint32_t>(s.size()));
        Raw(s.data(), s.size());
    }
    void Raw(const void* p, size_t n) { m_buffer.append(static_cast<const char*>(p), n); }
    void MaybeFlush() {
        if (m_buffer.size() >= kChunk) Flush();
    }
    // Sends what is buffered as one frame.
    bool Flush() {
        if (m_buffer.empty()) return true;
        char header[5] = {'D'};
        const auto size = static_cast<std::uint32_t>(m_buffer.size());
        std::memcpy(header + 1, &size, 4);
        if (!posix::WriteAll(m_fd, header, sizeof header) || !posix::WriteAll(m_fd, m_buffer)) return false;
        m_buffer.clear();
        return true;
    }
    // Sends the rest and the status that ends the response.
    bool End(std::uint32_t status) {
        char trailer[5] = {'Z'};
        std::memcpy(trailer + 1, &status, 4);
        return Flush() && posix::WriteAll(m_fd, trailer, sizeof trailer);
    }

private:
    static constexpr size_t kChunk = 64 * 1024;
    int m_fd;
    std::string m_buffer;
};

class Reader {
public:
    explicit Reader(std::string_view data) : m_data(data) {}
    bool U8(std::uint8_t& v) { return Raw(&v, 1); }
    bool U32(std::uint32_t& v) { return Raw(&v, 4); }
    bool I32(std::int32_t& v) { return Raw(&v, 4); }
    bool I64(std::int64_t& v) { return Raw(&v, 8); }
    bool F64(double& v) { return Raw(&v, 8); }
    bool View(std::string_view& s) {
        std::uint32_t n;
        if (!U32(n) || n > m_data.size() - m_pos) return false;
        s = m_data.substr(m_pos, n);
        m_pos += n;
        return true;
    }
    bool Str(std::string& s) {
        std::string_view v;
        if (!View(v)) return false;
        s.assign(v);
        return true;
    }

private:
    bool Raw(void* p, size_t n) {
        if (n > m_data.size() - m_pos) return false;
        std::memcpy(p, m_data.data() + m_pos, n);
        m_pos += n;
        return true;
    }
    std::string_view m_data;
    size_t m_pos = 0;
};

}  // namespace platform::wire
