#pragma once
// The entities of a block the reader left unparsed, a part of a few thousand at a time, each
// part cut before an entity that stands on its own (a polyline keeps its vertices, a reference
// its attributes). The tags of a large block are read ahead on a thread of their own while the
// part before is drawn, and prepared there for their values to be asked (EntityTags::Prepare):
// reading a large table's block is a third of a plot's time.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

#include "dxf/DeferredEntityStream.h"
#include "dxf/DxfDocument.h"
#include "view/EntityTags.h"

namespace platform::view {

class DeferredParts {
public:
    // Text of aheadFrom bytes or more is read ahead on a thread.
    explicit DeferredParts(const dxf::DeferredEntities& deferred, std::size_t aheadFrom = kAheadFrom)
        : DeferredParts(deferred.text, aheadFrom) {}
    // The entities of that text (a deferred block's, or a part of it that begins at an entity).
    explicit DeferredParts(std::string_view text, std::size_t aheadFrom = kAheadFrom);
    ~DeferredParts();
    DeferredParts(const DeferredParts&) = delete;
    DeferredParts& operator=(const DeferredParts&) = delete;

    // The next part's entities and how each was prepared (null when they were not: read as
    // drawn), valid until the next call; false after the last. What went wrong reading ahead
    // is thrown here.
    bool Next(const dxf::DxfObject*& entities, const EntityTags::Prepared*& prepared, std::size_t& count);

    static constexpr std::size_t kPart = 4096;
    // Smaller blocks are read as they are drawn: a thread would cost more than it saves.
    static constexpr std::size_t kAheadFrom = std::size_t(4) << 20;

private:
    struct Part {
        std::vector<dxf::DxfObject> entities;
        std::vector<EntityTags::Prepared> prepared;
        std::size_t used = 0;
    };
    bool Fill(Part& part);
    void ReadAhead();

    // What each thread writes as it goes lies on cache lines of its own: the reading thread
    // writes its place in the text for every entity, and a line it shared with the drawing
    // thread's (the stack the caller keeps this on) would be fetched back and forth each time.
    // The class is aligned to a line too, so nothing around it shares its first or last.
    static constexpr std::size_t kLine = 64;
    alignas(kLine) dxf::DeferredEntityStream m_stream;
    bool m_ahead = false;  // read on a thread of its own
    dxf::DxfObject m_carry;  // the entity that begins the next part
    bool m_hasCarry = false;
    alignas(kLine) std::vector<Part> m_parts;
    int m_held = -1;  // the part the caller has

    // Shared with the thread that reads ahead.
    alignas(kLine) std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<int> m_free, m_ready;
    bool m_ended = false, m_stop = false;
    std::exception_ptr m_error;
    std::thread m_thread;
};

}  // namespace platform::view
