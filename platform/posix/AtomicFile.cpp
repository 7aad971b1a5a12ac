#include "posix/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <stdexcept>

#include "posix/FileIo.h"

namespace platform::posix {
namespace {

constexpr const char* kTempInfix = ".velloria-save-";

[[noreturn]] void Fail(const std::string& what, int error) { throw std::runtime_error(what + ": " + std::strerror(error)); }

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool ProcessIsGone(pid_t pid) { return pid > 0 && Sys().kill(pid, 0) != 0 && errno == ESRCH; }

// Why an existing target cannot be replaced; empty when it can (or does not exist).
std::string RefusalFor(const std::string& target) {
    struct stat st{};
    if (Sys().stat(target.c_str(), &st) != 0) return errno == ENOENT ? std::string() : std::string("cannot examine the file: ") + std::strerror(errno);
    if (S_ISDIR(st.st_mode)) return "it is a folder";
    if (!S_ISREG(st.st_mode)) return "it is not a regular file (a device, FIFO or socket is never replaced)";
    if ((st.st_mode & 0222) == 0) return "the file is read-only";
    return {};
}

}  // namespace

std::optional<std::string> ResolveLinks(const std::string& path, std::string* why) {
    // The system's own limit of links in a chain (MAXSYMLINKS): a path it would not open.
    constexpr int kMaxLinks = 40;
    const auto refuse = [why](std::string reason) -> std::optional<std::string> {
        if (why) *why = std::move(reason);
        return std::nullopt;
    };
    std::string current = path;
    std::set<std::string> seen{std::filesystem::path(current).lexically_normal().string()};
    for (int links = 0;; ++links) {
        char buffer[PATH_MAX];
        const ssize_t n = Sys().readlink(current.c_str(), buffer, sizeof buffer - 1);
        if (n < 0) {
            if (errno == EINVAL) return current;  // not a link: this is the file
            if (errno != ENOENT) return refuse("cannot follow the path " + current + ": " + std::strerror(errno));
            // Nothing there: the file a save creates, in a folder that must exist. A path
            // named directly is left to the save, which says which folder is missing.
            struct stat st{};
            const std::string folder = FolderOf(current);
            if (links == 0 || (Sys().stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode))) return current;
            return refuse("it is a symbolic link to " + current + ", in a folder that does not exist");
        }
        if (links == kMaxLinks) return refuse("it is the first of more than " + std::to_string(kMaxLinks) + " symbolic links in a row");
        std::string next(buffer, static_cast<size_t>(n));
        if (next.empty()) return refuse("it is a symbolic link to nothing");
        if (next[0] != '/') next = FolderOf(current) + "/" + next;
        current = std::move(next);
        if (!seen.insert(std::filesystem::path(current).lexically_normal().string()).second)
            return refuse("it is a symbolic link in a loop of links, which leads to no file");
    }
}

bool CanReplace(const std::string& path, std::string& why) {
    const std::optional<std::string> resolved = ResolveLinks(path, &why);
    if (!resolved) return false;
    const std::string& target = *resolved;
    why = RefusalFor(target);
    if (!why.empty()) return false;
    const std::string folder = FolderOf(target);
    struct stat st{};
    if (Sys().stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        why = "the folder " + folder + " does not exist";
        return false;
    }
    if (Sys().access(folder.c_str(), W_OK) != 0) {
        why = "cannot write in the folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

int RemoveStaleSaves(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string prefix = NameOf(target) + kTempInfix;
    DIR* dir = Sys().opendir(folder.c_str());
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        // "<pid>-XXXXXX" after the prefix, as mkstemp made it.
        const std::string rest = name.substr(prefix.size());
        const auto dash = rest.find('-');
        if (dash == std::string::npos || dash == 0 || rest.size() != dash + 7) continue;
        if (rest.find_first_not_of("0123456789") != dash) continue;
        const pid_t pid = static_cast<pid_t>(std::strtol(rest.substr(0, dash).c_str(), nullptr, 10));
        if (!ProcessIsGone(pid)) continue;  // a save in progress, perhaps in another process
        const std::string path = folder + "/" + name;
        struct stat st{};
        if (Sys().lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && Sys().unlink(path.c_str()) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}

AtomicFile::AtomicFile(const std::string& target, mode_t newFileMode) {
    std::string why;
    const std::optional<std::string> resolved = ResolveLinks(target, &why);
    if (!resolved) throw std::runtime_error("cannot write the file: " + why);
    m_target = *resolved;
    if (why = RefusalFor(m_target); !why.empty()) throw std::runtime_error("cannot replace the file: " + why);
    RemoveStaleSaves(m_target);
    // An unnamed file in the target's folder where the system offers one: a save killed
    // while writing then leaves nothing behind. It is named only for the rename, at the end.
    m_fd = FileDescriptor(Sys().open(FolderOf(m_target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (m_fd.Valid() && Sys().access("/proc/self/fd", X_OK) != 0) m_fd = FileDescriptor();  // it could not be named
    if (!m_fd.Valid()) {
        m_temp = TempName();
        m_fd = FileDescriptor(Sys().mkostemp(m_temp.data(), O_CLOEXEC));
        if (!m_fd.Valid()) Fail("cannot create a temporary file", errno);
    }
    // The new file gets the old one's mode and owner, or the usual mode for a new file.
    struct stat st{};
    if (Sys().stat(m_target.c_str(), &st) == 0) {
        Sys().fchmod(m_fd.Get(), st.st_mode & 07777);
        if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
            // Allowed for root, or for a group the user is in; otherwise the file becomes
            // the user's, as any editor's save would make it.
            const bool kept = Sys().fchown(m_fd.Get(), st.st_uid, st.st_gid) == 0 || Sys().fchown(m_fd.Get(), static_cast<uid_t>(-1), st.st_gid) == 0;
            if (kept) Sys().fchmod(m_fd.Get(), st.st_mode & 07777);  // a change of owner clears set-id bits
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        Sys().fchmod(m_fd.Get(), newFileMode & ~mask);
    }
}

AtomicFile::~AtomicFile() {
    m_fd.Close();
    if (!m_committed && !m_temp.empty()) Sys().unlink(m_temp.c_str());
}

std::string AtomicFile::TempName() const { return m_target + kTempInfix + std::to_string(::getpid()) + "-XXXXXX"; }

void AtomicFile::Commit() {
    if (Sys().fsync(m_fd.Get()) != 0) Fail("cannot flush the file", errno);
    if (m_temp.empty()) {
        // The unnamed file gets its name now, through its descriptor's entry in /proc.
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd.Get());
        for (int attempt = 0; m_temp.empty(); ++attempt) {
            std::string name = TempName();
            // mkstemp's pattern filled by hand: the name must not exist yet for linkat.
            static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
            for (size_t i = name.size() - 6; i < name.size(); ++i) name[i] = kLetters[static_cast<size_t>(std::rand()) % 36];
            if (Sys().linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) m_temp = std::move(name);
            else if (errno != EEXIST || attempt > 100) Fail("cannot name the new file", errno);
        }
    }
    if (!m_fd.Close()) Fail("cannot close the file", errno);
    // Checked again: the target may have changed since the temporary file was made.
    if (const std::string why = RefusalFor(m_target); !why.empty()) throw std::runtime_error("cannot replace the file: " + why);
    if (Sys().rename(m_temp.c_str(), m_target.c_str()) != 0) Fail("cannot replace the file", errno);
    m_committed = true;
    SyncFolder(FolderOf(m_target));
}

void ReplaceFile(const std::string& target, std::string_view contents, mode_t newFileMode) {
    AtomicFile file(target, newFileMode);
    if (!WriteAll(file.Fd(), contents)) Fail("cannot write the file", errno);
    file.Commit();
}

}  // namespace platform::posix
