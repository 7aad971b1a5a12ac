#pragma once
// Geometry far outside a device is cut down to a rectangle around it before it is drawn: a
// painter's fixed-point arithmetic fails there, and a PDF's numbers should stay of page size.
#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <vector>

namespace platform::view {

// The part of a to b inside the rectangle (Liang-Barsky), or false.
bool ClipSegment(const QRectF& r, QPointF& a, QPointF& b);

// The closed polygon cut to the rectangle (Sutherland-Hodgman). What the polygon covers within
// the rectangle stays covered under the odd-even rule; the result may have edges along the
// rectangle's sides. Empty when nothing is left.
std::vector<QPointF> ClipPolygon(const QRectF& r, const std::vector<QPointF>& polygon);

// The points mapped to the device into `mapped`, and the box they span there (x0, y0, x1, y1).
struct DeviceBounds {
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    // Whether the box comes within `margin` pixels of the device.
    bool Near(const QRectF& device, double margin) const {
        return x1 >= device.left() - margin && x0 <= device.right() + margin && y1 >= device.top() - margin &&
               y0 <= device.bottom() + margin;
    }
    // Less than half a pixel either way: drawn as one dot.
    bool Dot() const { return x1 - x0 < 0.5 && y1 - y0 < 0.5; }
    QPointF Centre() const { return {(x0 + x1) / 2, (y0 + y1) / 2}; }
};
DeviceBounds MapToDevice(const QTransform& toDevice, const QPointF* points, int count, std::vector<QPointF>& mapped);

}  // namespace platform::view
