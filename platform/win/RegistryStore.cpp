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
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
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
            while (posix::Sys().flock(m_fd.Get(), LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~RegistryLock() {
        if (m_fd.Valid()) posix::Sys().flock(m_fd.Get(), LOCK_UN);
    }

private:
    static FileDescriptor OpenLockFile(const std::string& file, bool createFolder) {
        auto folder = std::filesystem::path(file).parent_path();
        if (!folder.empty() && createFolder) {
            std::error_code ec;
            std::filesystem::create_directories(folder, ec);
        }
        return FileDescriptor(posix::Sys().open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
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
    if (posix::Sys().rename(path.c_str(), aside.c_str()) == 0)
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
    if (posix::Sys().stat(path.c_str(), &st) != 0) return {};  // nothing stored yet
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

// What tells one state of the file from another; no file at all is a state of its own.
struct Stamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{}, changed{};
    bool operator==(const Stamp& o) const {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};

Stamp StampOf(const std::string& path) {
    struct stat st{};
    if (posix::Sys().stat(path.c_str(), &st) != 0) return {};
    return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

// A file's times tick in steps of a few milliseconds: a stamp taken within a second of a
// change in place might be taken again by another change of the same size. Contents read then
// are not kept (the next access reads again); a later change sets the time of modification
// to its own, which the stamp tells apart. Our own saves make a new file, whose inode tells
// it apart, and are kept.
bool Settled(const Stamp& stamp) {
    if (!stamp.exists) return true;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec - stamp.modified.tv_sec > 1;
}

// The contents last read or written in this process, with the file's stamp then.
struct Cache {
    std::mutex mutex;
    std::string path;
    Stamp stamp;
    bool valid = false;
    std::shared_ptr<const RegistryData> data;

    // The kept contents when the file is as it was, else null.
    std::shared_ptr<const RegistryData> Find(const std::string& file, const Stamp& now) const {
        return valid && path == file && stamp == now ? data : nullptr;
    }
    void Keep(const std::string& file, const Stamp& now, std::shared_ptr<const RegistryData> contents, bool trusted) {
        path = file;
        stamp = now;
        valid = trusted;
        data = std::move(contents);
    }
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

// The contents of the file, from the cache or read (the lock held by the caller when it reads).
std::shared_ptr<const RegistryData> Current(Cache& cache, const std::string& path) {
    const Stamp before = StampOf(path);
    if (auto kept = cache.Find(path, before)) return kept;
    auto data = std::make_shared<const RegistryData>(Load(path));
    // Kept when the file did not change while it was read (nor was moved aside as damaged).
    const Stamp after = StampOf(path);
    cache.Keep(path, after, data, after == before && Settled(after));
    return data;
}

// Writes the settings in place of the file, or says why not: a read-only file stays as the
// user made it, and a folder or a device is never replaced.
bool WriteAtomically(const std::string& path, const std::string& text) {
    try {
        posix::ReplaceFile(path, text, 0600);
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
    Cache& cache = TheCache();
    const std::lock_guard guard(cache.mutex);
    RegistryLock lock(path, true);
    RegistryData data = *Current(cache, path);
    if (!change(data)) return ERROR_SUCCESS;
    if (!WriteAtomically(path, data.Serialize())) return ERROR_CANTWRITE;
    // The file now holds what was written: a new file, told apart by its inode.
    cache.Keep(path, StampOf(path), std::make_shared<const RegistryData>(std::move(data)), true);
    return ERROR_SUCCESS;
}

std::shared_ptr<const RegistryData> ReadRegistry() {
    const std::string path = RegistryFilePath();
    Cache& cache = TheCache();
    const std::lock_guard guard(cache.mutex);
    if (auto kept = cache.Find(path, StampOf(path))) return kept;
    if (!std::filesystem::exists(path)) return std::make_shared<const RegistryData>();
    RegistryLock lock(path, false);
    return Current(cache, path);
}

}  // namespace platform
