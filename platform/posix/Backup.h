#pragma once
// The backup a save keeps of the file it replaces, as a CAD program keeps one: NAME.bak beside
// it. It is put in place as safely as the save: the old file gets the backup's name through a
// hard link under a temporary name renamed over the backup (no copy, and a crash leaves the
// old backup or the new one, never half of one); where the file system offers no hard link,
// the file is copied through an AtomicFile.
#include <string>

namespace platform::posix {

// NAME.bak for NAME.ext (the extension replaced); a name without an extension gets ".bak".
std::string BackupPathFor(const std::string& file);

// Keeps the regular file at `file` (its links already followed) as its backup. Nothing
// happens when the file does not exist. Throws std::runtime_error with the reason when the
// backup cannot be written (the backup is then as it was): the same rules as a save's hold
// for it (a folder, device or read-only file is not replaced).
void KeepBackup(const std::string& file);

}  // namespace platform::posix
