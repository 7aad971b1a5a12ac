// Opening the reader's file (see FileImage.h).
#include "access/reader/FileImage.h"

#include <sys/stat.h>

#include <cstring>

#include "access/ReaderProtocol.h"
#include "access/reader/Catalogue.h"
#include "access/reader/FileHeader.h"
#include "access/reader/OfficeEncryption.h"
#include "text/Utf8.h"

namespace platform::mdb {
namespace {

constexpr long kAcePageSize = 4096;

std::u16string Utf16(const std::wstring& text) {
    std::u16string out;
    for (const wchar_t c : text) {
        const auto cp = static_cast<std::uint32_t>(c);
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

// Reads an encrypted ACE file whole and decrypts its pages in place; failure says why not.
bool DecryptImage(const std::string& path, const FileHeader& header, const std::wstring& password, posix::FileBytes& image,
                  OpenFailure& failure) {
    crypto::Unlocked unlocked = crypto::UnlockPages(header.encryptionInfo, header.encodingKey, Utf16(password));
    failure.scheme = unlocked.scheme;
    if (unlocked.outcome == crypto::Unlocked::WrongPassword) {
        failure.status = protocol::kWrongPassword;
        return false;
    }
    if (unlocked.outcome != crypto::Unlocked::Ok) {
        failure.status = protocol::kUnsupportedEncryption;
        failure.why = unlocked.why;
        return false;
    }
    std::string why;
    if (!posix::ReadRegularFile(path, image, why)) {
        failure.status = protocol::kNotFound;
        return false;
    }
    auto* bytes = reinterpret_cast<unsigned char*>(image.data.get());
    const std::size_t pages = image.size / kAcePageSize;
    for (std::size_t page = 1; page < pages; ++page) {
        if (!unlocked.pages->Decrypt(static_cast<std::uint32_t>(page), bytes + page * kAcePageSize, kAcePageSize)) {
            failure.status = protocol::kUnsupportedEncryption;
            failure.why = "a cipher this reader cannot run";
            return false;
        }
    }
    // libmdb takes a file with an encoding key for one whose pages it must decode with RC4
    // itself: the image says it has none.
    for (std::size_t i = 0; i < 4; ++i) bytes[kEncodingKeyAt + i] ^= header.encodingKey[i];
    image.size = pages * kAcePageSize;
    return true;
}

}  // namespace

std::unique_ptr<OpenFile> OpenFile::Open(const std::string& path, const std::string& passwordUtf8, OpenFailure& failure) {
    failure = OpenFailure{};
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        failure.status = protocol::kNotFound;
        return nullptr;
    }
    std::unique_ptr<OpenFile> file(new OpenFile());
    const std::optional<FileHeader> header = ReadFileHeader(path);
    const std::wstring password = FromUtf8(passwordUtf8);
    if (header && header->encrypted) {
        if (!DecryptImage(path, *header, password, file->m_image, failure)) return nullptr;
        file->m_mdb = mdb_open_buffer(file->m_image.data.get(), file->m_image.size, MDB_NOFLAGS);
    } else {
        // Without a header libmdb decides what the file is.
        if (header && !PasswordMatches(*header, password)) {
            failure.status = protocol::kWrongPassword;
            return nullptr;
        }
        file->m_mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    }
    if (!file->m_mdb) {
        failure.status = protocol::kNotAccess;
        return nullptr;
    }
    file->m_limits.pageSize = static_cast<long>(file->m_mdb->fmt->pg_size);
    const auto size = header && header->encrypted ? static_cast<long long>(file->m_image.size) : static_cast<long long>(st.st_size);
    if (file->m_limits.pageSize > 0) file->m_limits.pages = static_cast<long>(size / file->m_limits.pageSize);
    return file;
}

OpenFile::~OpenFile() {
    if (m_mdb) mdb_close(m_mdb);
}

bool OpenFile::ReadCatalog() {
    if (!m_catalog) m_catalog = ReadCatalogue(m_mdb);
    return m_catalog;
}

}  // namespace platform::mdb
