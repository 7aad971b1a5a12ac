#pragma once
// Conversions at every boundary where wide text meets bytes: terminal, files, DXF, SQLite,
// libmdb. Invalid UTF-8 bytes become U+FFFD rather than being dropped silently.
#include <string>
#include <string_view>

namespace platform {

std::string ToUtf8(std::wstring_view text);
// The same, appended to out (no string of its own for each piece of a long output).
void AppendUtf8(std::string& out, std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

// True when the bytes are well-formed UTF-8 (used to tell UTF-8 files from old code pages).
bool IsValidUtf8(std::string_view bytes);

}  // namespace platform
