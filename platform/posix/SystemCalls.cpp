#include "posix/SystemCalls.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace platform::posix {
namespace {

// The system's functions whose declarations do not fit the table as they stand (variadic,
// overloaded or default arguments).
int Open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
int Fcntl(int fd, int command, int argument) { return ::fcntl(fd, command, argument); }
int MemfdCreate(const char* name, unsigned flags) { return ::memfd_create(name, flags); }
int Mkostemp(char* pattern, int flags) { return ::mkostemp(pattern, flags); }

constexpr SystemCalls kSystem = {
    .open = Open,
    .close = ::close,
    .read = ::read,
    .write = ::write,
    .pread = ::pread,
    .lseek = ::lseek,
    .fsync = ::fsync,
    .ftruncate = ::ftruncate,
    .fstat = ::fstat,
    .fcntl = Fcntl,
    .flock = ::flock,
    .fchmod = ::fchmod,
    .fchown = ::fchown,
    .isatty = ::isatty,
    .memfd_create = MemfdCreate,
    .stat = ::stat,
    .lstat = ::lstat,
    .access = ::access,
    .readlink = ::readlink,
    .rename = ::rename,
    .unlink = ::unlink,
    .linkat = ::linkat,
    .mkostemp = Mkostemp,
    .mkdir = ::mkdir,
    .opendir = ::opendir,
    .fork = ::fork,
    .pipe = ::pipe,
    .dup2 = ::dup2,
    .waitpid = ::waitpid,
    .poll = ::poll,
    .kill = ::kill,
};

SystemCalls s_calls = kSystem;

}  // namespace

const SystemCalls& Sys() { return s_calls; }
const SystemCalls& OriginalSystemCalls() { return kSystem; }

namespace detail {
SystemCalls& MutableSystemCalls() { return s_calls; }
}  // namespace detail

}  // namespace platform::posix
