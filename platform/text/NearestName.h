#pragma once
// "Did you mean ...": the known name a mistyped word most likely meant.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Edits (insert, delete, replace, swap of two neighbours) that turn a into b.
size_t EditDistance(std::string_view a, std::string_view b);

// The name of `names` the word is closest to, when it is close enough to be a slip of the
// keyboard (at most 1 edit for a word of up to 4 letters, 2 for longer ones; ties go to the
// first), or the one name the word is the start of; empty when none is.
std::string NearestName(std::string_view word, const std::vector<std::string>& names);

}  // namespace platform
