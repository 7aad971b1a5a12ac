#pragma once
// Which entities of a layout lie under the cursor or in a rectangle dragged on the view. The
// renderer's extents of each entity find the candidates, so every type it draws can be
// picked; an entity the drawing database knows the geometry of is then tested against it.
#include <vector>

#include "view/Renderer.h"

class AcDbDatabase;

namespace window {

class EntityPicker {
public:
    explicit EntityPicker(std::vector<platform::view::EntityExtent> extents) : m_extents(std::move(extents)) {}

    // The topmost entity within `aperture` of the point, or 0.
    platform::dxf::Handle PickAt(AcDbDatabase* database, double x, double y, double aperture) const;
    // Entities wholly inside the box (window) or touching it (crossing), in drawing order.
    std::vector<platform::dxf::Handle> InBox(const platform::view::Box& box, bool crossing) const;
    const std::vector<platform::view::EntityExtent>& Extents() const { return m_extents; }

private:
    std::vector<platform::view::EntityExtent> m_extents;
};

}  // namespace window
