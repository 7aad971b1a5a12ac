#pragma once
// The system calls the platform makes on files and processes go through one table, as
// SQLite's os_unix.c does, so that a test can make one of them fail where no real disk or
// system would: a disk that fills up halfway through a save, an I/O error at the flush, a
// fork refused. Outside tests the table holds the system's own functions.
//
//     posix::Sys().write(fd, data, size)
//
// A test replaces an entry for its own lifetime:
//
//     posix::ReplacedSystemCall<&posix::SystemCalls::write> full(+[](int, const void*, size_t) -> ssize_t {
//         errno = ENOSPC;
//         return -1;
//     });
#include <dirent.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <type_traits>
#include <utility>

namespace platform::posix {

struct SystemCalls {
    // Files.
    int (*open)(const char* path, int flags, mode_t mode);
    int (*close)(int fd);
    ssize_t (*read)(int fd, void* data, size_t size);
    ssize_t (*write)(int fd, const void* data, size_t size);
    ssize_t (*pread)(int fd, void* data, size_t size, off_t offset);
    off_t (*lseek)(int fd, off_t offset, int whence);
    int (*fsync)(int fd);
    int (*ftruncate)(int fd, off_t size);
    int (*fstat)(int fd, struct stat* st);
    int (*fcntl)(int fd, int command, int argument);
    int (*flock)(int fd, int operation);
    int (*fchmod)(int fd, mode_t mode);
    int (*fchown)(int fd, uid_t owner, gid_t group);
    int (*isatty)(int fd);
    int (*memfd_create)(const char* name, unsigned flags);
    // Names.
    int (*stat)(const char* path, struct stat* st);
    int (*lstat)(const char* path, struct stat* st);
    int (*access)(const char* path, int mode);
    ssize_t (*readlink)(const char* path, char* buffer, size_t size);
    int (*rename)(const char* from, const char* to);
    int (*unlink)(const char* path);
    int (*linkat)(int fromFolder, const char* from, int toFolder, const char* to, int flags);
    int (*mkostemp)(char* pattern, int flags);
    int (*mkdir)(const char* path, mode_t mode);
    DIR* (*opendir)(const char* path);
    // Processes.
    pid_t (*fork)();
    int (*pipe)(int fds[2]);
    int (*dup2)(int from, int to);
    pid_t (*waitpid)(pid_t pid, int* status, int options);
    int (*poll)(pollfd* fds, nfds_t count, int timeout);
    int (*kill)(pid_t pid, int signal);
};

// The table in use.
const SystemCalls& Sys();
// The table with the system's own functions, whatever a test has replaced.
const SystemCalls& OriginalSystemCalls();

namespace detail {
SystemCalls& MutableSystemCalls();
}

// Puts `replacement` in the table in place of one call while the object lives. Tests only: the
// table is the process's, and is read without a lock.
template <auto Member>
class ReplacedSystemCall {
public:
    using Function = std::remove_reference_t<decltype(std::declval<SystemCalls&>().*Member)>;
    explicit ReplacedSystemCall(Function replacement)
        : m_previous(std::exchange(detail::MutableSystemCalls().*Member, replacement)) {}
    ~ReplacedSystemCall() { detail::MutableSystemCalls().*Member = m_previous; }
    ReplacedSystemCall(const ReplacedSystemCall&) = delete;
    ReplacedSystemCall& operator=(const ReplacedSystemCall&) = delete;

private:
    Function m_previous;
};

}  // namespace platform::posix
