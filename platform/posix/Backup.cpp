#include "posix/Backup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "posix/AtomicFile.h"
#include "posix/FileIo.h"
#include "posix/SystemCalls.h"

namespace platform::posix {

namespace {

[[noreturn]] void Fail(const std::string& backup, const std::string& why) {
    throw std::runtime_error("cannot keep the backup " + backup + ": " + why);
}

// Errors of link() that say the file system (or its policy) offers no hard link here.
bool NoHardLinks(int error) {
    return error == EXDEV || error == EPERM || error == EMLINK || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS;
}

// The old file under a new temporary name beside the backup; empty when no hard link can be
// made (the caller copies instead).
std::string LinkBeside(const std::string& file, const std::string& backup) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = backup + ".velloria-backup-" + std::to_string(::getpid()) + "-" + std::to_string(std::rand() % 1000000);
        if (Sys().linkat(AT_FDCWD, file.c_str(), AT_FDCWD, temp.c_str(), 0) == 0) return temp;
        if (errno == EEXIST) continue;
        if (NoHardLinks(errno)) return {};
        Fail(backup, std::string("cannot link the file: ") + std::strerror(errno));
    }
    Fail(backup, "no free temporary name");
}

void CopyInto(const std::string& file, const std::string& backup, mode_t mode) {
    std::string why;
    FileDescriptor in = OpenRegularFile(file, why);
    if (!in.Valid()) Fail(backup, why);
    AtomicFile out(backup, mode);
    std::vector<char> buffer(std::size_t(1) << 20);
    for (;;) {
        const ssize_t n = Sys().read(in.Get(), buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail(backup, std::string("cannot read the file: ") + std::strerror(errno));
        if (n == 0) break;
        if (!WriteAll(out.Fd(), buffer.data(), static_cast<std::size_t>(n)))
            Fail(backup, std::string("cannot write: ") + std::strerror(errno));
    }
    Sys().fchmod(out.Fd(), mode);
    out.Commit();
}

}  // namespace

std::string BackupPathFor(const std::string& file) {
    const std::size_t slash = file.find_last_of('/');
    const std::size_t dot = file.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? file.substr(0, dot) : file) + ".bak";
}

void KeepBackup(const std::string& file) {
    struct stat st{};
    if (Sys().stat(file.c_str(), &st) != 0) {
        if (errno == ENOENT) return;
        throw std::runtime_error("cannot examine the file " + file + ": " + std::strerror(errno));
    }
    const std::string backup = BackupPathFor(file);
    if (!S_ISREG(st.st_mode)) Fail(backup, "the drawing is not a regular file");
    std::string why;
    if (!CanReplace(backup, why)) Fail(backup, why);
    const std::string linked = LinkBeside(file, backup);
    if (linked.empty()) {
        try {
            CopyInto(file, backup, st.st_mode & 07777);
        } catch (const std::runtime_error& e) {
            const std::string what = e.what();
            if (what.rfind("cannot keep the backup", 0) == 0) throw;
            Fail(backup, what);
        }
        return;
    }
    if (Sys().rename(linked.c_str(), backup.c_str()) != 0) {
        const int error = errno;
        Sys().unlink(linked.c_str());
        Fail(backup, std::string("cannot rename: ") + std::strerror(error));
    }
    // A backup that is the drawing's own file already (a save that failed after keeping it)
    // makes the rename do nothing: the temporary name is left, and goes.
    Sys().unlink(linked.c_str());
    SyncFolder(FolderOf(backup));
}

}  // namespace platform::posix
