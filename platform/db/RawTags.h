#pragma once
// What a drawing file said about an object beyond what this host models: the group code and
// value pairs exactly as read, kept so that a save writes them back unchanged. The drawing
// database never looks inside; the file reader and writer own the meaning.
#include <string>
#include <vector>

namespace platform {

struct RawTag {
    int code = 0;
    std::string value;  // the value's text as it stood in the file (UTF-8)
};

using RawTags = std::vector<RawTag>;

}  // namespace platform
