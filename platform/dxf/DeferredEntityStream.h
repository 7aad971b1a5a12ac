#pragma once
// The entities of a deferred block read one at a time from its text, none of them kept: for a
// reader that needs each entity once (a plot draws a large table's block once), where parsing
// the block whole would hold every entity's tags at the same time. Read by the reader's own
// tokenizer (DxfReader.cpp), as the block's text was when it was checked and deferred.
#include <string_view>

#include "dxf/DxfDocument.h"

namespace platform::dxf {

class DeferredEntityStream {
public:
    explicit DeferredEntityStream(const DeferredEntities& deferred) : m_text(deferred.text) {}
    explicit DeferredEntityStream(std::string_view text) : m_text(text) {}

    // The next entity's tags into entity (its earlier tags replaced); false after the last.
    bool Next(DxfObject& entity);

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

}  // namespace platform::dxf
