#pragma once
// Geometry far outside a device is cut down to a rectangle around it before it is drawn: a
// painter's fixed-point arithmetic fails there, and a PDF's numbers should stay of page size.
#include <QPointF>
#include <QRectF>
#include <vector>

namespace platform::view {

// The part of a to b inside the rectangle (Liang-Barsky), or false.
bool ClipSegment(const QRectF& r, QPointF& a, QPointF& b);

// The closed polygon cut to the rectangle (Sutherland-Hodgman). What the polygon covers within
// the rectangle stays covered under the odd-even rule; the result may have edges along the
// rectangle's sides. Empty when nothing is left.
std::vector<QPointF> ClipPolygon(const QRectF& r, const std::vector<QPointF>& polygon);

}  // namespace platform::view
