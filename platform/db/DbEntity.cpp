#include "db/DbEntity.h"

ACRX_DEFINE_MEMBERS(AcDbEntity, AcDbObject, L"")

Acad::ErrorStatus AcDbEntity::setLayer(const wchar_t* name) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!name || !*name) return Acad::eInvalidInput;
    m_layer = name;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::transformBy(const AcGeMatrix3d&) { return Acad::eNotApplicable; }

Acad::ErrorStatus AcDbEntity::getGeomExtents(AcDbExtents&) const { return Acad::eInvalidExtents; }

bool AcDbEntity::isPickedAt(const AcGePoint3d& point, double aperture) const {
    AcDbExtents ext;
    if (getGeomExtents(ext) != Acad::eOk) return false;
    return point.x >= ext.minPoint.x - aperture && point.x <= ext.maxPoint.x + aperture &&
           point.y >= ext.minPoint.y - aperture && point.y <= ext.maxPoint.y + aperture;
}

void AcDbEntity::listDetails(std::wstring&) const {}
