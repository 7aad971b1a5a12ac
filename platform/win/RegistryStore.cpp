#include "RegistryStore.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    int release() {
        int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

// Exclusive flock on "<file>.lock" for the lifetime of the object. Without a folder to hold
// the lock file (nothing stored yet, read-only access) no lock is needed.
class RegistryLock {
public:
    RegistryLock(const std::string& file, bool createFolder) : m_fd(OpenLockFile(file, createFolder)) {
        if (m_fd.get() >= 0)
            while (::flock(m_fd.get(), LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~RegistryLock() {
        if (m_fd.get() >= 0) ::flock(m_fd.get(), LOCK_UN);
    }

private:
    static int OpenLockFile(const std::string& file, bool createFolder) {
        auto folder = std::filesystem::path(file).parent_path();
        if (!folder.empty() && createFolder) {
            std::error_code ec;
            std::filesystem::create_directories(folder, ec);
        }
        return ::open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    }

    FileDescriptor m_fd;
};

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return false;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    return true;
}

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

// The contents under the held lock; a damaged file is moved aside.
RegistryData Load(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return {};
    std::string error;
    if (auto data = RegistryData::Parse(bytes, &error)) return std::move(*data);
    KeepDamagedFile(path, error);
    return {};
}

bool WriteAtomically(const std::string& path, const std::string& text) {
    std::string temp = path + ".tmp-XXXXXX";
    FileDescriptor fd(::mkstemp(temp.data()));
    if (fd.get() < 0) return false;
    ::fchmod(fd.get(), 0600);
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd.get(), text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    bool ok = done == text.size() && ::fsync(fd.get()) == 0;
    ok = ::close(fd.release()) == 0 && ok;
    if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    auto folder = std::filesystem::path(path).parent_path();
    FileDescriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    return true;
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
