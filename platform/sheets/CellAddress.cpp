#include "sheets/CellAddress.h"

namespace platform::sheets {

std::optional<CellAddress> ParseCellAddress(std::string_view text) {
    size_t i = 0;
    long col = 0, row = 0;
    if (i < text.size() && text[i] == '$') ++i;
    const size_t letters = i;
    for (; i < text.size() && i - letters < 4; ++i) {
        const char c = static_cast<char>(text[i] & ~0x20);  // upper case
        if (c < 'A' || c > 'Z') break;
        col = col * 26 + (c - 'A' + 1);
    }
    if (i == letters || col > 16384) return std::nullopt;
    if (i < text.size() && text[i] == '$') ++i;
    const size_t digits = i;
    for (; i < text.size() && i - digits < 8 && text[i] >= '0' && text[i] <= '9'; ++i) row = row * 10 + (text[i] - '0');
    if (i == digits || i != text.size() || row < 1 || row > 1048576) return std::nullopt;
    return CellAddress{static_cast<int>(row - 1), static_cast<int>(col - 1)};
}

}  // namespace platform::sheets
