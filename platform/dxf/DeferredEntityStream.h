#pragma once
// The entities of a deferred block read one at a time from its text, none of them kept: for a
// reader that needs each entity once (a plot draws a large table's block once), where parsing
// the block whole would hold every entity's tags at the same time.
#include <string_view>

#include "dxf/DxfDocument.h"

namespace platform::dxf {

class DeferredEntityStream {
public:
    explicit DeferredEntityStream(const DeferredEntities& deferred) : m_p(deferred.text.data()), m_end(m_p + deferred.text.size()) {}

    // The next entity's tags into entity (its earlier tags replaced); false after the last.
    bool Next(DxfObject& entity);

private:
    bool NextTag(Tag& tag);

    const char* m_p;
    const char* m_end;
    Tag m_pending;  // the type tag of the entity after the one returned
    bool m_hasPending = false;
};

}  // namespace platform::dxf
