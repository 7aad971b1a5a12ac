#pragma once
// The entities of a layout by where they are, so that a view zoomed into part of a large
// drawing draws only what it can show instead of passing over every entity. A uniform grid
// over the layout's extents; an entity lies in each cell its extents touch (a very large one
// in a list of its own that every query returns).
#include <cstdint>
#include <vector>

#include "view/Drawing.h"
#include "view/Renderer.h"

namespace window {

class SpatialIndex {
public:
    // The layout's entities with their extents (Renderer::EntityExtents of that layout).
    SpatialIndex(const platform::view::Layout& layout, const std::vector<platform::view::EntityExtent>& extents);

    // The entities whose extents touch the box, in drawing order, each with the entries that
    // follow it in the layout up to the next measured entity (a polyline's vertices).
    platform::view::Layout Query(const platform::view::Box& box) const;
    const platform::view::Box& Bounds() const { return m_bounds; }

private:
    struct Span {
        std::uint32_t first, end;  // entries of the layout
        platform::view::Box box;
    };
    void CellRange(const platform::view::Box& box, int& x0, int& y0, int& x1, int& y1) const;

    const platform::view::Layout& m_layout;
    platform::view::Box m_bounds;
    int m_side = 1;
    std::vector<Span> m_spans;
    std::vector<std::vector<std::uint32_t>> m_cells;  // span indexes by cell
    std::vector<std::uint32_t> m_large;
    mutable std::vector<std::uint32_t> m_seen;
    mutable std::uint32_t m_stamp = 0;
};

}  // namespace window
