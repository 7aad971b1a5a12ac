#pragma once
// Replaces a file atomically: the new contents go to a temporary file beside the target, are
// flushed to disk and renamed over it, so a reader (or a crash) sees either the old file or
// the whole new one. Until Commit the target is untouched.
//
// The rules a save keeps:
//   - a symbolic link is followed: the file it points to is replaced and the link stays; one
//     that leads nowhere (a loop, too many links, a folder that is not there) is refused;
//   - the target must be a regular file, or not exist yet: a folder, FIFO, socket or device
//     is refused, never replaced by a regular file;
//   - a read-only target (no write permission bit set) is refused, also for root: the user
//     made it read-only;
//   - the new file keeps the old one's mode, and its owner and group where the system lets us;
//   - the new file is written unnamed (O_TMPFILE) where the file system allows, so a save
//     killed while writing leaves nothing; it is named "<name>.velloria-save-<pid>-XXXXXX"
//     just before the rename (and from the start where unnamed files are not offered). One
//     left behind by a save that was killed (its process is gone) is removed by the next save
//     of that file.
#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

#include "posix/FileDescriptor.h"

namespace platform::posix {

// The path a save of `path` writes: symbolic links followed (a dangling link names the file
// it would create), the path itself when it is not a link. Nothing, with why in *why, when the
// links cannot be followed to a file: a loop, more than 40 in a row (the system's own limit), a
// link into a folder that does not exist, a folder of the path that cannot be searched.
std::optional<std::string> ResolveLinks(const std::string& path, std::string* why = nullptr);

// Whether a save could replace (or create) `target`, and why not: the checks the save makes
// before it writes anything, for a caller that wants to know before it does its work.
bool CanReplace(const std::string& target, std::string& why);

class AtomicFile {
public:
    // Checks the target and creates the temporary file; throws std::runtime_error with the
    // reason (the caller names the file) when it cannot. A new file gets `newFileMode` less the umask.
    explicit AtomicFile(const std::string& target, mode_t newFileMode = 0666);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    int Fd() const { return m_fd.Get(); }
    // Flushes, closes and renames over the target; throws std::runtime_error on failure,
    // leaving the target as it was.
    void Commit();

private:
    std::string TempName() const;

    std::string m_target;
    std::string m_temp;  // empty while the new file has no name
    FileDescriptor m_fd;
    bool m_committed = false;
};

// Replaces `target` with `contents` through an AtomicFile; throws std::runtime_error with the
// reason (the caller names the file), leaving the target as it was.
void ReplaceFile(const std::string& target, std::string_view contents, mode_t newFileMode = 0666);

// The temporary files of saves of `target` whose process is gone; removes them. Returns how
// many were removed.
int RemoveStaleSaves(const std::string& target);

}  // namespace platform::posix
