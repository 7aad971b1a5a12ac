#include "text/NearestName.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

size_t EditDistance(std::string_view a, std::string_view b) {
    // Three rows of the optimal string alignment table: the one two back is for swaps.
    std::vector<size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) previous[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t cost = Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && Lower(a[i - 1]) == Lower(b[j - 2]) && Lower(a[i - 2]) == Lower(b[j - 1]))
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

std::string NearestName(std::string_view word, const std::vector<std::string>& names) {
    if (word.empty()) return std::string();
    const size_t allowed = word.size() <= 4 ? 1 : 2;
    std::string best;
    size_t bestDistance = allowed + 1;
    for (const std::string& name : names) {
        const size_t distance = EditDistance(word, name);
        if (distance < bestDistance) {
            best = name;
            bestDistance = distance;
        }
    }
    if (!best.empty()) return best;
    std::string prefixed;
    for (const std::string& name : names) {
        if (name.size() <= word.size() || EditDistance(word, name.substr(0, word.size())) != 0) continue;
        if (!prefixed.empty()) return std::string();  // the start of several
        prefixed = name;
    }
    return prefixed;
}

}  // namespace platform
