#pragma once
// Selection filters: the resbuf lists acedSSGet takes. Supported: group 0 (entity type
// names) and 8 (layer names), both with wildcard patterns; -3 followed by 1001 application
// names (the entity must carry extended data of every one of them); the operators -4
// "<and"/"and>", "<or"/"or>", "<xor"/"xor>" and "<not"/"not>". Items outside operators are
// joined by and. Any other group code makes the filter invalid.
#include <memory>
#include <string>
#include <string_view>

#include "db/ResBuf.h"

class AcDbEntity;

namespace platform {

class SelectionFilter {
public:
    // Null when the list is malformed or uses a group the host does not filter on.
    static std::unique_ptr<SelectionFilter> Parse(const resbuf* filter);
    virtual ~SelectionFilter() = default;
    virtual bool Matches(const AcDbEntity& entity) const = 0;
};

// The host's wildcard matching: comma-separated patterns, "*" any run, "?" one character,
// "#" a digit, "@" a letter, "." a character that is neither, "~" at a pattern's start
// negates it, "`" takes the next character literally. Letters match without regard to case.
bool WildcardMatch(std::wstring_view text, std::wstring_view patterns);

}  // namespace platform
