#include "view/DeferredParts.h"

#include <system_error>
#include <utility>

namespace platform::view {

DeferredParts::DeferredParts(std::string_view text, std::size_t aheadFrom) : m_stream(text) {
    const bool ahead = text.size() >= aheadFrom;
    m_parts.resize(ahead ? 3 : 1);
    for (Part& part : m_parts) part.entities.resize(kPart + 1);
    if (!ahead) return;
    for (int i = 0; i < static_cast<int>(m_parts.size()); ++i) m_free.push_back(i);
    m_ahead = true;
    try {
        m_thread = std::thread([this] { ReadAhead(); });
    } catch (const std::system_error&) {
        // No thread: read as drawn.
        m_ahead = false;
        m_free.clear();
        m_parts.resize(1);
    }
}

DeferredParts::~DeferredParts() {
    if (!m_thread.joinable()) return;
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

bool DeferredParts::Fill(Part& part) {
    std::size_t used = 0;
    if (m_hasCarry) {
        std::swap(part.entities[0], m_carry);
        m_hasCarry = false;
        used = 1;
    }
    for (;;) {
        if (used == part.entities.size()) part.entities.emplace_back();
        if (!m_stream.Next(part.entities[used])) break;
        const std::string_view type = part.entities[used].Type();
        if (used >= kPart && type != "VERTEX" && type != "SEQEND" && type != "ATTRIB") {
            std::swap(m_carry, part.entities[used]);
            m_hasCarry = true;
            break;
        }
        ++used;
    }
    part.used = used;
    // Read ahead, the entities are prepared here, off the drawing thread; read as drawn, that
    // would only be the same work done sooner.
    if (m_ahead) {
        if (part.prepared.size() < used) part.prepared.resize(used);
        for (std::size_t i = 0; i < used; ++i) EntityTags::Prepare(part.entities[i], part.prepared[i]);
    }
    return used > 0;
}

void DeferredParts::ReadAhead() {
    try {
        for (;;) {
            int index;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return m_stop || !m_free.empty(); });
                if (m_stop) return;
                index = m_free.front();
                m_free.pop_front();
            }
            const bool filled = Fill(m_parts[static_cast<size_t>(index)]);
            {
                std::lock_guard lock(m_mutex);
                if (filled) m_ready.push_back(index);
                else m_ended = true;
            }
            m_changed.notify_all();
            if (!filled) return;
        }
    } catch (...) {
        {
            std::lock_guard lock(m_mutex);
            m_error = std::current_exception();
            m_ended = true;
        }
        m_changed.notify_all();
    }
}

bool DeferredParts::Next(const dxf::DxfObject*& entities, const EntityTags::Prepared*& prepared, std::size_t& count) {
    if (!m_thread.joinable()) {
        if (!Fill(m_parts.front())) return false;
        const Part& part = m_parts.front();
        entities = part.entities.data(), prepared = nullptr, count = part.used;
        return true;
    }
    int index;
    {
        std::unique_lock lock(m_mutex);
        if (m_held >= 0) m_free.push_back(m_held);
        m_held = -1;
        m_changed.notify_all();
        m_changed.wait(lock, [&] { return !m_ready.empty() || m_ended; });
        if (m_ready.empty()) {
            if (m_error) std::rethrow_exception(m_error);
            return false;
        }
        index = m_ready.front();
        m_ready.pop_front();
        m_held = index;
    }
    const Part& part = m_parts[static_cast<size_t>(index)];
    entities = part.entities.data(), prepared = part.prepared.data(), count = part.used;
    return true;
}

}  // namespace platform::view
