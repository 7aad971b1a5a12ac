#include "dxf/DxfTextChunks.h"

namespace platform::dxf {

void AppendChunkedText(std::vector<Tag>& tags, std::string_view text, int chunkCode) {
    while (text.size() > kChunkBytes) {
        size_t cut = kChunkBytes;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
        tags.push_back({chunkCode, text.substr(0, cut)});
        text.remove_prefix(cut);
    }
    tags.push_back({1, text});
}

std::string ToCellText(std::string_view text) {
    if (text.find_first_of("\r\n") == std::string_view::npos) return std::string(text);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\\P";
        } else if (text[i] == '\n') {
            out += "\\P";
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace platform::dxf
