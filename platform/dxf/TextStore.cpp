#include "TextStore.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::dxf {

std::string_view TextStore::Keep(std::string_view text) {
    if (text.empty()) return {};
    constexpr std::size_t kChunk = 64 * 1024;
    if (text.size() > m_left) {
        if (text.size() > kChunk / 4) {
            // Large values get a chunk of their own so the current chunk keeps its room.
            auto big = std::make_unique<char[]>(text.size());
            std::memcpy(big.get(), text.data(), text.size());
            const std::string_view kept(big.get(), text.size());
            m_chunks.push_back(std::move(big));
            return kept;
        }
        m_chunks.push_back(std::make_unique<char[]>(kChunk));
        m_free = m_chunks.back().get();
        m_left = kChunk;
    }
    std::memcpy(m_free, text.data(), text.size());
    const std::string_view kept(m_free, text.size());
    m_free += text.size();
    m_left -= text.size();
    return kept;
}

std::string_view TextStore::Adopt(std::unique_ptr<char[]> buffer, std::size_t size) {
    const std::string_view kept(buffer.get(), size);
    m_chunks.push_back(std::move(buffer));
    return kept;
}

TextStore::Mapping::~Mapping() {
    if (address) ::munmap(address, size);
}

std::optional<std::string_view> TextStore::MapFile(const std::string& path, std::string& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        why = std::string("cannot open the file: ") + std::strerror(errno);
        return std::nullopt;
    }
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        why = "cannot open the file: not a regular file";
        return std::nullopt;
    }
    const auto size = static_cast<std::size_t>(st.st_size);
    if (size == 0) {
        ::close(fd);
        return std::string_view();
    }
    // The whole file is read at once, so its pages are brought in up front.
    void* address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    const int error = errno;
    ::close(fd);
    if (address == MAP_FAILED) {
        why = std::string("cannot read the file: ") + std::strerror(error);
        return std::nullopt;
    }
    m_mappings.emplace_back(address, size);
    return std::string_view(static_cast<const char*>(address), size);
}

}  // namespace platform::dxf
