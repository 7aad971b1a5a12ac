#include "sheets/StoredZip.h"

#include <array>
#include <cstdint>
#include <stdexcept>

namespace platform::sheets {
namespace {

uint32_t Crc32(const std::string& bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void Put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

uint32_t Checked32(size_t value) {
    if (value > 0xFFFFFFFFu) throw std::length_error("the package is too large to copy");
    return static_cast<uint32_t>(value);
}

}  // namespace

std::string StoredZip(const std::vector<std::pair<std::string, std::string>>& files) {
    constexpr uint32_t kDate = (0 << 9) | (1 << 5) | 1;  // 1 January 1980, the first day a zip can name
    std::string out, directory;
    for (const auto& [name, bytes] : files) {
        const uint32_t crc = Crc32(bytes), size = Checked32(bytes.size()), offset = Checked32(out.size());
        const uint32_t nameSize = Checked32(name.size());
        if (nameSize > 0xFFFF) throw std::length_error("a part's name is too long to copy");
        Put32(out, 0x04034B50);  // local file header
        Put16(out, 20);          // version needed: 2.0
        Put16(out, 0);           // flags
        Put16(out, 0);           // stored
        Put16(out, 0);           // time
        Put16(out, kDate);
        Put32(out, crc);
        Put32(out, size);
        Put32(out, size);
        Put16(out, nameSize);
        Put16(out, 0);  // extra field
        out += name;
        out += bytes;

        Put32(directory, 0x02014B50);  // central directory header
        Put16(directory, 20);          // made by 2.0
        Put16(directory, 20);
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, kDate);
        Put32(directory, crc);
        Put32(directory, size);
        Put32(directory, size);
        Put16(directory, nameSize);
        Put16(directory, 0);  // extra field
        Put16(directory, 0);  // comment
        Put16(directory, 0);  // disk
        Put16(directory, 0);  // internal attributes
        Put32(directory, 0);  // external attributes
        Put32(directory, offset);
        directory += name;
    }
    if (files.size() > 0xFFFF) throw std::length_error("the package has too many parts to copy");
    const uint32_t directoryOffset = Checked32(out.size()), directorySize = Checked32(directory.size());
    out += directory;
    Put32(out, 0x06054B50);  // end of central directory
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<uint32_t>(files.size()));
    Put16(out, static_cast<uint32_t>(files.size()));
    Put32(out, directorySize);
    Put32(out, directoryOffset);
    Put16(out, 0);
    Checked32(out.size());
    return out;
}

}  // namespace platform::sheets
