#pragma once
// Entities: the drawing objects that lie in a space (model space or a layout) and have
// geometry that can be picked, moved and listed.
#include <string>

#include "db/DbObject.h"

class AcDbEntity : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbEntity)
    ACDB_DECLARE_STATE(AcDbEntity)

    AcDbObjectId blockId() const { return ownerId(); }
    const wchar_t* layer() const { return m_layer.c_str(); }
    Acad::ErrorStatus setLayer(const wchar_t* name);

    // The entity type name that selection filters (group 0) and drawing files use.
    virtual const wchar_t* entityTypeName() const { return isA()->dxfName(); }
    virtual Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);
    virtual Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const;
    // Whether a pick at the point (in world coordinates, looking down the Z axis) within
    // the aperture hits the entity.
    virtual bool isPickedAt(const AcGePoint3d& point, double aperture) const;
    // The entity's own lines for the LIST command (after its handle and type).
    virtual void listDetails(std::wstring& text) const;

private:
    std::wstring m_layer = L"0";
};
