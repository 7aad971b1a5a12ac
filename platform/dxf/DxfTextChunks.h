#pragma once
// Long strings in DXF: a value line holds at most 250 characters, so longer texts are written
// as continuation chunks followed by a last part under the main code (1).
#include <string>
#include <string_view>
#include <vector>

#include "dxf/DxfTag.h"

namespace platform::dxf {

inline constexpr std::size_t kChunkBytes = 250;
// The longest value line CAD programs read.
inline constexpr std::size_t kMaxLineBytes = 2049;

// Appends text as chunks of chunkCode followed by the last part under code 1. The views point
// into text, which must outlive the tags. Chunks never split a UTF-8 sequence.
void AppendChunkedText(std::vector<Tag>& tags, std::string_view text, int chunkCode);

// A cell or MTEXT text as stored: line ends become the MTEXT paragraph break \P.
std::string ToCellText(std::string_view text);

}  // namespace platform::dxf
