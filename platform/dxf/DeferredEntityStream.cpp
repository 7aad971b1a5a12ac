#include "dxf/DeferredEntityStream.h"

#include <cstring>

namespace platform::dxf {

bool DeferredEntityStream::NextTag(Tag& tag) {
    // The text was checked tag by tag when it was deferred, and each tag stands as the writer
    // writes it: a right-aligned code line and a value needing no decoding, on line feeds.
    if (m_p >= m_end) return false;
    const char* codeEnd = static_cast<const char*>(std::memchr(m_p, '\n', static_cast<size_t>(m_end - m_p)));
    if (!codeEnd) return false;
    const char* c = m_p;
    while (c < codeEnd && *c == ' ') ++c;
    const bool negative = c < codeEnd && *c == '-';
    if (negative) ++c;
    int code = 0;
    for (; c < codeEnd; ++c) code = code * 10 + (*c - '0');
    const char* value = codeEnd + 1;
    const char* valueEnd = value < m_end ? static_cast<const char*>(std::memchr(value, '\n', static_cast<size_t>(m_end - value))) : nullptr;
    if (!valueEnd) valueEnd = m_end;
    tag = Tag(negative ? -code : code, std::string_view(value, static_cast<size_t>(valueEnd - value)));
    m_p = valueEnd < m_end ? valueEnd + 1 : m_end;
    return true;
}

bool DeferredEntityStream::Next(DxfObject& entity) {
    entity.tags.clear();
    if (m_hasPending) {
        entity.tags.push_back(m_pending);
        m_hasPending = false;
    }
    Tag tag;
    while (NextTag(tag)) {
        if (tag.code == 0 && !entity.tags.empty()) {
            m_pending = tag;
            m_hasPending = true;
            return true;
        }
        entity.tags.push_back(tag);
    }
    return !entity.tags.empty();
}

}  // namespace platform::dxf
