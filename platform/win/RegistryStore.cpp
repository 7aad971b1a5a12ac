#include "win/RegistryStore.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <stdexcept>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "posix/AtomicFile.h"
#include "posix/FileIo.h"

namespace platform {

namespace {

using posix::FileDescriptor;

// Exclusive flock on "<file>.lock" for the lifetime of the object. Without a folder to hold
// the lock file (nothing stored yet, read-only access) no lock is needed.
class RegistryLock {
public:
    RegistryLock(const std::string& file, bool createFolder) : m_fd(OpenLockFile(file, createFolder)) {
        if (m_fd.Valid())
            while (::flock(m_fd.Get(), LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~RegistryLock() {
        if (m_fd.Valid()) ::flock(m_fd.Get(), LOCK_UN);
    }

private:
    static FileDescriptor OpenLockFile(const std::string& file, bool createFolder) {
        auto folder = std::filesystem::path(file).parent_path();
        if (!folder.empty() && createFolder) {
            std::error_code ec;
            std::filesystem::create_directories(folder, ec);
        }
        return FileDescriptor(::open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    }

    FileDescriptor m_fd;
};

std::string TimeStamp() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%dT%H%M%SZ", &tm);
    return buf;
}

// Renames a damaged file aside (never over an earlier one) and says so.
void KeepDamagedFile(const std::string& path, const std::string& reason) {
    std::string aside = path + ".damaged-" + TimeStamp();
    for (int n = 2; std::filesystem::exists(aside); ++n) aside = path + ".damaged-" + TimeStamp() + "-" + std::to_string(n);
    if (::rename(path.c_str(), aside.c_str()) == 0)
        std::fprintf(stderr, "velloria: the settings file %s is damaged (%s); it was kept as %s and the settings start empty.\n",
                     path.c_str(), reason.c_str(), aside.c_str());
    else
        std::fprintf(stderr, "velloria: the settings file %s is damaged (%s) and could not be renamed; the settings start empty.\n",
                     path.c_str(), reason.c_str());
}

// Says once per process and path what keeps the settings from being read or written: the
// commands that use them run many times and need not repeat it.
void ReportOnce(const std::string& path, const std::string& message) {
    static std::set<std::string> reported;
    if (reported.insert(path + '\n' + message).second) std::fprintf(stderr, "velloria: %s\n", message.c_str());
}

// The contents under the held lock; a damaged file is moved aside. A path that is not a
// regular file (a folder, a FIFO) reads as empty settings and is never waited on.
RegistryData Load(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return {};  // nothing stored yet
    std::string bytes, why;
    if (!posix::ReadRegularFile(path, bytes, why)) {
        ReportOnce(path, "the settings file " + path + " cannot be read (" + why + "); the settings start empty.");
        return {};
    }
    std::string error;
    if (auto data = RegistryData::Parse(bytes, &error)) return std::move(*data);
    KeepDamagedFile(path, error);
    return {};
}

// Writes the settings in place of the file, or says why not: a read-only file stays as the
// user made it, and a folder or a device is never replaced.
bool WriteAtomically(const std::string& path, const std::string& text) {
    try {
        posix::AtomicFile file(path, 0600);
        if (!posix::WriteAll(file.Fd(), text)) throw std::runtime_error(std::string("cannot write: ") + std::strerror(errno));
        file.Commit();
        return true;
    } catch (const std::exception& e) {
        ReportOnce(path, "the settings file " + path + " cannot be written (" + e.what() + "); the setting is unchanged.");
        return false;
    }
}

}  // namespace

std::string RegistryFilePath() {
    if (const char* path = std::getenv("VELLORIA_REGISTRY"); path && *path) return path;
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : ".") + "/.config";
    }
    return base + "/velloria/registry.reg";
}

LONG ModifyRegistry(const std::function<bool(RegistryData&)>& change) {
    const std::string path = RegistryFilePath();
    RegistryLock lock(path, true);
    RegistryData data = Load(path);
    if (!change(data)) return ERROR_SUCCESS;
    return WriteAtomically(path, data.Serialize()) ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

RegistryData ReadRegistry() {
    const std::string path = RegistryFilePath();
    if (!std::filesystem::exists(path)) return {};
    RegistryLock lock(path, false);
    return Load(path);
}

}  // namespace platform
