#include "EntityPicker.h"

#include "db/DbDatabase.h"
#include "db/DbEntity.h"

namespace window {

namespace {

// Whether the database's own geometry of the entity rules it out at the point. Entities it
// holds only as tags have no geometry there; their drawn extents decide alone.
bool RuledOut(AcDbDatabase* database, platform::dxf::Handle handle, double x, double y, double aperture) {
    if (!database) return false;
    AcDbObjectId id;
    if (database->getAcDbObjectId(id, false, AcDbHandle(handle)) != Acad::eOk || id.isErased()) return true;
    const auto* entity = AcDbEntity::cast(id.stub()->object);
    if (!entity) return true;
    AcDbExtents extents;
    if (entity->getGeomExtents(extents) != Acad::eOk) return false;
    return !entity->isPickedAt(AcGePoint3d(x, y, 0), aperture);
}

}  // namespace

platform::dxf::Handle EntityPicker::PickAt(AcDbDatabase* database, double x, double y, double aperture) const {
    for (auto it = m_extents.rbegin(); it != m_extents.rend(); ++it) {
        if (!it->box.Grown(aperture).Contains(x, y)) continue;
        if (RuledOut(database, it->handle, x, y, aperture)) continue;
        return it->handle;
    }
    return 0;
}

std::vector<platform::dxf::Handle> EntityPicker::InBox(const platform::view::Box& box, bool crossing) const {
    std::vector<platform::dxf::Handle> found;
    for (const platform::view::EntityExtent& e : m_extents) {
        const bool inside = e.box.x0 >= box.x0 && e.box.x1 <= box.x1 && e.box.y0 >= box.y0 && e.box.y1 <= box.y1;
        if (crossing ? e.box.Intersects(box) : inside) found.push_back(e.handle);
    }
    return found;
}

}  // namespace window
