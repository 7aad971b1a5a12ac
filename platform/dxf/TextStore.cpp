#include "dxf/TextStore.h"

#include <cstring>

#include "posix/FileIo.h"

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

std::optional<std::string_view> TextStore::ReadFile(const std::string& path, std::string& why) {
    posix::FileBytes bytes;
    if (!posix::ReadRegularFile(path, bytes, why)) return std::nullopt;
    return Adopt(std::move(bytes.data), bytes.size);
}

}  // namespace platform::dxf
