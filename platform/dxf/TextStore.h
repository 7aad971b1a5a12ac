#pragma once
// Owns the bytes every tag value of a document points into: the file buffer as read, and
// chunks for values decoded or added later. Chunks never move, so the views stay valid for the
// life of the store, also when the owning document is moved.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::dxf {

class TextStore {
public:
    TextStore() = default;
    TextStore(const TextStore&) = delete;
    TextStore& operator=(const TextStore&) = delete;
    TextStore(TextStore&&) = default;
    TextStore& operator=(TextStore&&) = default;

    // Copies text into the store and returns the stored copy.
    std::string_view Keep(std::string_view text);
    // Takes over a whole buffer (text held in memory).
    std::string_view Adopt(std::unique_ptr<char[]> buffer, std::size_t size);
    // Reads a regular file whole into the store; nothing and the reason on failure. The file
    // is read, not mapped: a file that another program shortens while it is open then reads
    // as it was, instead of faulting.
    std::optional<std::string_view> ReadFile(const std::string& path, std::string& why);

private:
    std::vector<std::unique_ptr<char[]>> m_chunks;
    char* m_free = nullptr;
    std::size_t m_left = 0;
};

}  // namespace platform::dxf
