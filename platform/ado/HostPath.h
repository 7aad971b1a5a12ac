#pragma once
// Where a stored database path lies on this machine. Paths written on Windows use "\" and
// drive letters; a drive letter maps to a folder named by the environment variable
// VELLORIA_DRIVE_<letter> (for example VELLORIA_DRIVE_C=/srv/c).
#include <string>
#include <string_view>

namespace platform {

// The stored path as a file-system path (UTF-8): "\" becomes "/", "X:" the mapped folder.
// A drive without a mapping stays as written (and so names no file here).
std::string ToHostPath(std::wstring_view storedPath);

}  // namespace platform
