#include "db/DbEntities.h"

#include <algorithm>
#include <cmath>

#include "db/ListFormat.h"

ACRX_DEFINE_MEMBERS(AcDbLine, AcDbEntity, L"LINE")
ACRX_DEFINE_MEMBERS(AcDbBlockReference, AcDbEntity, L"INSERT")
ACRX_DEFINE_MEMBERS(AcDbMText, AcDbEntity, L"MTEXT")
ACRX_DEFINE_MEMBERS(AcDbRawEntity, AcDbEntity, L"")
ACRX_DEFINE_MEMBERS(AcDbRawObject, AcDbObject, L"")

using platform::ListNumber;
using platform::ListPoint;

#define WRITE_GUARD \
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& p) { WRITE_GUARD; m_start = p; return Acad::eOk; }
Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& p) { WRITE_GUARD; m_end = p; return Acad::eOk; }

Acad::ErrorStatus AcDbLine::transformBy(const AcGeMatrix3d& xform) {
    WRITE_GUARD;
    m_start = xform.apply(m_start);
    m_end = xform.apply(m_end);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getGeomExtents(AcDbExtents& extents) const {
    extents = AcDbExtents();
    extents.addPoint(m_start);
    extents.addPoint(m_end);
    return Acad::eOk;
}

bool AcDbLine::isPickedAt(const AcGePoint3d& p, double aperture) const {
    const double dx = m_end.x - m_start.x, dy = m_end.y - m_start.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - m_start.x) * dx + (p.y - m_start.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(m_start.x + t * dx - p.x, m_start.y + t * dy - p.y) <= aperture;
}

void AcDbLine::listDetails(std::wstring& text) const {
    text += L"  From point: " + ListPoint(m_start) + L"\n";
    text += L"  To point:   " + ListPoint(m_end) + L"\n";
    text += L"  Length: " + ListNumber(m_start.distanceTo(m_end)) + L"\n";
}

Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& p) { WRITE_GUARD; m_position = p; return Acad::eOk; }
Acad::ErrorStatus AcDbBlockReference::setRotation(double angle) { WRITE_GUARD; m_rotation = angle; return Acad::eOk; }

Acad::ErrorStatus AcDbBlockReference::transformBy(const AcGeMatrix3d& xform) {
    WRITE_GUARD;
    m_position = xform.apply(m_position);
    const AcGeVector3d dir = xform.apply(AcGeVector3d(std::cos(m_rotation), std::sin(m_rotation), 0));
    m_rotation = std::atan2(dir.y, dir.x);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::getGeomExtents(AcDbExtents& extents) const {
    // The block's contents are not measured: a reference is picked at its insertion point.
    extents = AcDbExtents();
    extents.addPoint(m_position);
    return Acad::eOk;
}

void AcDbBlockReference::listDetails(std::wstring& text) const {
    text += L"  At point: " + ListPoint(m_position) + L"\n";
    if (!m_block.isNull()) text += L"  Block: #" + m_block.handle().text() + L"\n";
}

void AcDbRawEntity::listDetails(std::wstring& text) const {
    if (!m_unread.empty()) text += L"  Kept as read: " + m_unread + L"\n";
}

Acad::ErrorStatus AcDbMText::setLocation(const AcGePoint3d& p) { WRITE_GUARD; m_location = p; return Acad::eOk; }
Acad::ErrorStatus AcDbMText::setContents(const wchar_t* t) { WRITE_GUARD; m_contents = t ? t : L""; return Acad::eOk; }
Acad::ErrorStatus AcDbMText::setTextHeight(double h) {
    WRITE_GUARD;
    if (!(h > 0)) return Acad::eInvalidInput;
    m_height = h;
    return Acad::eOk;
}
Acad::ErrorStatus AcDbMText::setWidth(double w) {
    WRITE_GUARD;
    if (w < 0) return Acad::eInvalidInput;
    m_width = w;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::transformBy(const AcGeMatrix3d& xform) {
    WRITE_GUARD;
    m_location = xform.apply(m_location);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::getGeomExtents(AcDbExtents& extents) const {
    // The location is the top left corner; the text runs to the right and down.
    const double w = m_width > 0 ? m_width : m_height * static_cast<double>(m_contents.size());
    extents = AcDbExtents();
    extents.addPoint(m_location);
    extents.addPoint(m_location + AcGeVector3d(w, -m_height, 0));
    return Acad::eOk;
}

void AcDbMText::listDetails(std::wstring& text) const {
    text += L"  Location: " + ListPoint(m_location) + L"\n";
    text += L"  Text height: " + ListNumber(m_height) + L"\n";
    text += L"  Contents: " + m_contents + L"\n";
}
