#include "access/AccessHeader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace platform::access {
namespace {

constexpr size_t kHeaderBytes = 0x300;
constexpr size_t kScrambledAt = 0x18;
constexpr size_t kPasswordAt = 0x42;
constexpr size_t kEncodingKeyAt = 0x3E;
constexpr size_t kCreationDateAt = 0x72;
constexpr size_t kCryptInfoAt = 0x299;

void Rc4(const std::array<unsigned char, 4>& key, unsigned char* data, size_t n) {
    unsigned char s[256];
    for (int i = 0; i < 256; ++i) s[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[static_cast<size_t>(i) % key.size()]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (size_t k = 0, i = 0, j = 0; k < n; ++k) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        data[k] ^= s[(s[i] + s[j]) & 0xFF];
    }
}

std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

std::wstring EncryptionName(const unsigned char* info, size_t n) {
    if (n < 4) return L"Office encryption";
    const unsigned major = U16(info), minor = U16(info + 2);
    if (major == 4 && minor == 4) return L"Office agile encryption";
    if (minor == 2) return L"Office standard encryption";
    if (major == 1 && minor == 1) return L"Office RC4 encryption";
    return L"Office encryption, version " + std::to_wstring(major) + L"." + std::to_wstring(minor);
}

}  // namespace

std::optional<FileHeader> ReadFileHeader(const std::string& hostPath) {
    unsigned char page[kHeaderBytes] = {};
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
    if (got < sizeof page || page[0] != 0 || std::memcmp(page + 4, "Standard ", 9) != 0) return std::nullopt;
    FileHeader header;
    const unsigned char version = page[0x14];
    header.engine = version == 0 ? FileHeader::Engine::Jet3 : version == 1 ? FileHeader::Engine::Jet4 : FileHeader::Engine::Ace;
    const bool jet3 = header.engine == FileHeader::Engine::Jet3;
    Rc4({0xC7, 0xDA, 0x39, 0x6B}, page + kScrambledAt, jet3 ? 126 : 128);

    if (header.engine == FileHeader::Engine::Ace) {
        // A password on an ACE file encrypts its pages; the header's password field is unused.
        static const unsigned char kNone[4] = {};
        if (std::memcmp(page + kEncodingKeyAt, kNone, 4) != 0) {
            header.encrypted = true;
            const size_t length = U16(page + kCryptInfoAt);
            header.encryption = EncryptionName(page + kCryptInfoAt + 2, std::min(length, kHeaderBytes - kCryptInfoAt - 2));
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
    unsigned char bytes[40];
    for (size_t i = 0; i < sizeof bytes; ++i) bytes[i] = page[kPasswordAt + i] ^ mask[i % 4];
    for (size_t i = 0; i + 1 < sizeof bytes; i += 2) {
        const wchar_t unit = static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0) break;
        header.password += unit;
    }
    return header;
}

bool PasswordMatches(const FileHeader& header, std::wstring_view given) { return header.password.empty() || header.password == given; }

}  // namespace platform::access
