#pragma once
// The file the reader process serves: opened by libmdb once, for every request after it. The
// database password is checked first, as Access checks it. An encrypted ACE file is read
// whole and its pages decrypted into memory, where libmdb reads them: the decrypted pages
// stay in this process and never reach a file.
#include <cstdint>
#include <memory>
#include <string>

#include <mdbtools.h>

#include "access/reader/MdbDecode.h"
#include "posix/FileIo.h"

namespace platform::mdb {

struct OpenFailure {
    std::uint32_t status = 0;  // ReaderProtocol.h
    std::string scheme, why;   // an encryption that cannot be read: its name and what is missing
};

class OpenFile {
public:
    // None, with the reason in failure, when the file cannot be opened.
    static std::unique_ptr<OpenFile> Open(const std::string& path, const std::string& passwordUtf8, OpenFailure& failure);
    ~OpenFile();
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    MdbHandle* Handle() const { return m_mdb; }
    const decode::FileLimits& Limits() const { return m_limits; }
    // The catalogue, read at the first request that needs it; false when it does not read.
    bool ReadCatalog();

private:
    OpenFile() = default;
    MdbHandle* m_mdb = nullptr;
    posix::FileBytes m_image;  // the decrypted file, when it was encrypted
    decode::FileLimits m_limits;
    bool m_catalog = false;
};

}  // namespace platform::mdb
