#include "access/reader/FileHeader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>


namespace platform::mdb {
namespace {

constexpr size_t kHeaderBytes = 0x300;
constexpr size_t kScrambledAt = 0x18;
constexpr size_t kPasswordAt = 0x42;
constexpr size_t kCreationDateAt = 0x72;
constexpr size_t kCryptInfoAt = 0x299;

std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

}  // namespace

std::optional<FileHeader> ReadFileHeader(const std::string& hostPath) {
    // The first page of an ACE file: the encryption information runs past the header proper.
    unsigned char page[4096] = {};
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    size_t got = 0;
    while (got < sizeof page) {
        const ssize_t n = ::read(fd, page + got, sizeof page - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    return ParseFileHeader(page, got);
}

std::optional<FileHeader> ParseFileHeader(const unsigned char* bytes, size_t size) {
    if (size < kHeaderBytes || bytes[0] != 0 || std::memcmp(bytes + 4, "Standard ", 9) != 0) return std::nullopt;
    unsigned char page[kHeaderBytes];
    std::memcpy(page, bytes, kHeaderBytes);
    FileHeader header;
    const unsigned char version = page[0x14];
    header.engine = version == 0 ? FileHeader::Engine::Jet3 : version == 1 ? FileHeader::Engine::Jet4 : FileHeader::Engine::Ace;
    const bool jet3 = header.engine == FileHeader::Engine::Jet3;
    const size_t scrambled = jet3 ? 126 : 128;
    for (size_t i = 0; i < scrambled; ++i) page[kScrambledAt + i] ^= kHeaderKeyStream[i];
    std::memcpy(header.encodingKey.data(), page + kEncodingKeyAt, 4);

    if (header.engine == FileHeader::Engine::Ace) {
        // A password on an ACE file encrypts its pages; the header's password field is unused.
        if (header.encodingKey != std::array<unsigned char, 4>{}) {
            header.encrypted = true;
            const size_t length = U16(bytes + kCryptInfoAt);
            const size_t available = size - kCryptInfoAt - 2;
            header.encryptionInfo.assign(bytes + kCryptInfoAt + 2, bytes + kCryptInfoAt + 2 + std::min(length, available));
        }
        return header;
    }
    if (jet3) {
        for (size_t i = 0; i < 20 && page[kPasswordAt + i]; ++i) header.password += static_cast<wchar_t>(page[kPasswordAt + i]);
        return header;
    }
    // Jet 4: 20 UTF-16 units, each 4-byte group masked with the whole days of the creation date.
    double created;
    std::memcpy(&created, page + kCreationDateAt, 8);
    const std::int32_t days = std::isfinite(created) && std::fabs(created) < 2e9 ? static_cast<std::int32_t>(std::floor(created)) : 0;
    unsigned char mask[4];
    std::memcpy(mask, &days, 4);
    unsigned char unmasked[40];
    for (size_t i = 0; i < sizeof unmasked; ++i) unmasked[i] = page[kPasswordAt + i] ^ mask[i % 4];
    for (size_t i = 0; i + 1 < sizeof unmasked; i += 2) {
        const wchar_t unit = static_cast<wchar_t>(unmasked[i] | (unmasked[i + 1] << 8));
        if (unit == 0) break;
        header.password += unit;
    }
    return header;
}

bool PasswordMatches(const FileHeader& header, std::wstring_view given) { return header.password.empty() || header.password == given; }

}  // namespace platform::mdb
