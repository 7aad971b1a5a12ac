#pragma once
// Where the renderer's primitives go: polylines, filled areas and runs of text, all in world
// coordinates (X and Y of the drawing, or of the paper in a layout). A painter canvas draws
// them on a device; an extents canvas only measures them.
#include <algorithm>
#include <cmath>
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QTransform>

#include "view/Geometry3.h"

namespace platform::view {

class FontFace;

struct Pen {
    QColor color;
    double width = 0;  // device pixels; 0 for the thinnest line the device draws
};

// The root of the transformation's determinant: its scale, for one that keeps shapes. Taken
// apart first, so that a scale whose square is past what a number holds (a sheet of a drawing
// 1e200 across) still comes out.
inline double ScaleOf(const QTransform& t) {
    const double k = std::max({std::abs(t.m11()), std::abs(t.m12()), std::abs(t.m21()), std::abs(t.m22())});
    if (!(k > 0) || !std::isfinite(k)) return 0;
    const double a = t.m11() / k, b = t.m12() / k, c = t.m21() / k, d = t.m22() / k;
    return k * std::sqrt(std::abs(a * d - b * c));
}

class Canvas {
public:
    virtual ~Canvas() = default;

    // World units per device pixel, or 0 when there is no device (measuring only).
    virtual double PixelSize() const = 0;
    // The part of the world the device shows; empty when everything counts.
    virtual Box Visible() const = 0;

    virtual void Polyline(const QPointF* points, int count, bool closed, const Pen& pen) = 0;
    // Fills with the odd-even rule.
    virtual void Fill(const QPainterPath& area, const QColor& color) = 0;
    // The text laid out from its origin on the baseline, in the font's own units (x to the
    // right, y down), and mapped into the world by toWorld. The box is the run's advance and the
    // font's ascent and descent, in the same units.
    virtual void Text(const QString& text, const FontFace& face, const QRectF& box, const QTransform& toWorld,
                      const QColor& color) = 0;
    // Nested clips (a viewport's frame, a hatch's boundary); each Push is matched by a Pop.
    virtual void PushClip(const QPainterPath& area) = 0;
    virtual void PopClip() = 0;
};

}  // namespace platform::view
