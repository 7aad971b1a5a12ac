#include "posix/FileIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace platform::posix {

bool WriteAll(int fd, const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = Sys().write(fd, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadAll(int fd, FileBytes& out) {
    // The size fstat gives is a hint: one byte more than it, so that a file of that size is
    // read with one call and its end seen with the next; the loop ends only at the end of the
    // file, whatever its size is by then.
    struct stat st{};
    std::size_t capacity = 64 * 1024;
    if (Sys().fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) capacity = static_cast<std::size_t>(st.st_size) + 1;
    auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
    std::size_t used = 0;
    for (;;) {
        if (used == capacity) {
            auto larger = std::make_unique_for_overwrite<char[]>(capacity * 2);
            std::memcpy(larger.get(), buffer.get(), used);
            buffer = std::move(larger);
            capacity *= 2;
        }
        const ssize_t n = Sys().read(fd, buffer.get() + used, capacity - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    out.data = std::move(buffer);
    out.size = used;
    return true;
}

bool ReadAll(int fd, std::string& out) {
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t n = Sys().read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return true;
        out.append(chunk, static_cast<std::size_t>(n));
    }
}

bool ReadExactly(int fd, void* data, std::size_t size) {
    char* p = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t n = Sys().read(fd, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = 0;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

FileDescriptor OpenRegularFile(const std::string& path, std::string& why) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    FileDescriptor fd(Sys().open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0));
    if (!fd.Valid()) {
        why = std::string("cannot open the file: ") + std::strerror(errno);
        return {};
    }
    struct stat st{};
    if (Sys().fstat(fd.Get(), &st) != 0) {
        why = std::string("cannot open the file: ") + std::strerror(errno);
        return {};
    }
    if (!S_ISREG(st.st_mode)) {
        why = S_ISDIR(st.st_mode)   ? "cannot open the file: it is a folder"
              : S_ISFIFO(st.st_mode) ? "cannot open the file: it is a FIFO, not a regular file"
                                     : "cannot open the file: not a regular file";
        return {};
    }
    // Reads of a regular file never block; the flag goes so that none returns EAGAIN.
    const int flags = Sys().fcntl(fd.Get(), F_GETFL, 0);
    if (flags >= 0) Sys().fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

namespace {

template <class Bytes>
bool ReadRegular(const std::string& path, Bytes& out, std::string& why) {
    FileDescriptor fd = OpenRegularFile(path, why);
    if (!fd.Valid()) return false;
    if (!ReadAll(fd.Get(), out)) {
        why = std::string("cannot read the file: ") + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

bool ReadRegularFile(const std::string& path, FileBytes& out, std::string& why) { return ReadRegular(path, out, why); }

bool ReadRegularFile(const std::string& path, std::string& out, std::string& why) {
    out.clear();
    return ReadRegular(path, out, why);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void SyncFolder(const std::string& folder) {
    FileDescriptor dir(Sys().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    if (dir.Valid()) Sys().fsync(dir.Get());
}

}  // namespace platform::posix
