#include "SpatialIndex.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace window {

namespace {

constexpr int kMaxSide = 512;        // cells along a side at most
constexpr int kEntitiesPerCell = 8;  // the grid is sized for about this many entities a cell
constexpr int kLargeCells = 64;      // an entity touching more cells than this is "large"

}  // namespace

SpatialIndex::SpatialIndex(const platform::view::Layout& layout, const std::vector<platform::view::EntityExtent>& extents)
    : m_layout(layout) {
    std::unordered_map<const platform::dxf::DxfObject*, std::uint32_t> position;
    position.reserve(layout.entities.size());
    for (size_t i = 0; i < layout.entities.size(); ++i) position.emplace(layout.entities[i], static_cast<std::uint32_t>(i));
    for (const platform::view::EntityExtent& e : extents) {
        const auto it = position.find(e.entity);
        if (it == position.end()) continue;
        m_spans.push_back({it->second, it->second + 1, e.box});
        m_bounds.Add(e.box);
    }
    std::sort(m_spans.begin(), m_spans.end(), [](const Span& a, const Span& b) { return a.first < b.first; });
    // Each span reaches to the next measured entity: what lies between draws with the one before.
    for (size_t i = 0; i < m_spans.size(); ++i)
        m_spans[i].end = i + 1 < m_spans.size() ? m_spans[i + 1].first : static_cast<std::uint32_t>(layout.entities.size());
    m_side = std::clamp(static_cast<int>(std::sqrt(static_cast<double>(m_spans.size()) / kEntitiesPerCell)), 1, kMaxSide);
    m_cells.resize(static_cast<size_t>(m_side) * m_side);
    for (std::uint32_t s = 0; s < m_spans.size(); ++s) {
        int x0, y0, x1, y1;
        CellRange(m_spans[s].box, x0, y0, x1, y1);
        if ((x1 - x0 + 1) * (y1 - y0 + 1) > kLargeCells) {
            m_large.push_back(s);
            continue;
        }
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) m_cells[static_cast<size_t>(y) * m_side + x].push_back(s);
    }
    m_seen.assign(m_spans.size(), 0);
}

void SpatialIndex::CellRange(const platform::view::Box& box, int& x0, int& y0, int& x1, int& y1) const {
    const double w = std::max(m_bounds.Width(), 1e-300), h = std::max(m_bounds.Height(), 1e-300);
    auto cell = [&](double v, double origin, double size) {
        return std::clamp(static_cast<int>(std::floor((v - origin) / size * m_side)), 0, m_side - 1);
    };
    x0 = cell(box.x0, m_bounds.x0, w), x1 = cell(box.x1, m_bounds.x0, w);
    y0 = cell(box.y0, m_bounds.y0, h), y1 = cell(box.y1, m_bounds.y0, h);
}

platform::view::Layout SpatialIndex::Query(const platform::view::Box& box) const {
    platform::view::Layout part{m_layout.name, m_layout.paper, m_layout.tabOrder, {}, m_layout.record, m_layout.plot};
    if (!box.Intersects(m_bounds)) return part;
    if (++m_stamp == 0) {
        std::fill(m_seen.begin(), m_seen.end(), 0);
        m_stamp = 1;
    }
    std::vector<std::uint32_t> found;
    auto take = [&](std::uint32_t s) {
        if (m_seen[s] == m_stamp || !m_spans[s].box.Intersects(box)) return;
        m_seen[s] = m_stamp;
        found.push_back(s);
    };
    for (std::uint32_t s : m_large) take(s);
    int x0, y0, x1, y1;
    CellRange(box, x0, y0, x1, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            for (std::uint32_t s : m_cells[static_cast<size_t>(y) * m_side + x]) take(s);
    std::sort(found.begin(), found.end());
    for (std::uint32_t s : found)
        for (std::uint32_t i = m_spans[s].first; i < m_spans[s].end; ++i) part.entities.push_back(m_layout.entities[i]);
    return part;
}

}  // namespace window
