#pragma once
// A zip archive of files stored as they are (no compression), made in memory: enough to hand
// a package to a reader that takes only archives.
#include <string>
#include <utility>
#include <vector>

namespace platform::sheets {

// The archive of the files (name, bytes), in their order; throws std::length_error when it
// would pass the 4 GiB a zip without its 64-bit extension can hold.
std::string StoredZip(const std::vector<std::pair<std::string, std::string>>& files);

}  // namespace platform::sheets
