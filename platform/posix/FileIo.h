#pragma once
// Every system call on files the platform makes goes through here, so the rules that keep
// them honest are written once:
//   - reads and writes go on across EINTR and short counts until done or failed;
//   - a file that is to be read as a document (a drawing, the settings) must be a regular
//     file: it is opened without blocking, so a FIFO or a device is refused instead of
//     waiting for a writer that never comes;
//   - a file is read into memory whole, never mapped: a file that shrinks while it is read
//     then reads short instead of killing the process.
// Failures come back as false with a reason in words (and errno as the call left it).
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "posix/FileDescriptor.h"
#include "posix/SystemCalls.h"

namespace platform::posix {

// Writes all of data; false (errno set) when the system refuses part of it.
bool WriteAll(int fd, const void* data, std::size_t size);
inline bool WriteAll(int fd, std::string_view data) { return WriteAll(fd, data.data(), data.size()); }

// The bytes of a whole file, in a buffer of its own (large files are read without zeroing
// memory first).
struct FileBytes {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
};

// Reads from the current position to the end of the file; false (errno set) on a read error.
bool ReadAll(int fd, FileBytes& out);
bool ReadAll(int fd, std::string& out);

// Reads exactly size bytes (from a pipe or a socket, across short reads); false (errno set, or
// 0 at an early end) when fewer come.
bool ReadExactly(int fd, void* data, std::size_t size);

// Opens a regular file for reading. Refuses, with the reason in `why`, a path that does not
// exist, cannot be opened, or is a folder, FIFO, socket or device.
FileDescriptor OpenRegularFile(const std::string& path, std::string& why);

// Reads a regular file whole into `out` (replacing what it held).
bool ReadRegularFile(const std::string& path, FileBytes& out, std::string& why);
bool ReadRegularFile(const std::string& path, std::string& out, std::string& why);

// The folder of a path ("." for a bare name).
std::string FolderOf(const std::string& path);

// Makes a rename or a new file in `folder` durable.
void SyncFolder(const std::string& folder);

}  // namespace platform::posix
