#pragma once
// An owned file descriptor, closed when dropped.
#include <unistd.h>

#include <utility>

#include "posix/SystemCalls.h"

namespace platform::posix {

class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { Reset(); }
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            Reset();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    int Release() { return std::exchange(m_fd, -1); }
    // Closes now and reports whether the close succeeded (a write may fail only here).
    bool Close() {
        if (m_fd < 0) return true;
        return Sys().close(std::exchange(m_fd, -1)) == 0;
    }

private:
    void Reset() {
        if (m_fd >= 0) Sys().close(m_fd);
        m_fd = -1;
    }
    int m_fd = -1;
};

}  // namespace platform::posix
