#pragma once
// Which part of a layout a view shows: the world point at the centre of the widget and the
// scale in device pixels per drawing unit, Y up. Zooming keeps the point under the cursor
// where it is; panning moves the drawing with the cursor.
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include "view/Geometry3.h"

namespace window {

class ViewState {
public:
    ViewState() = default;
    ViewState(QPointF center, double scale) : m_center(center), m_scale(scale) {}

    QPointF Center() const { return m_center; }
    double Scale() const { return m_scale; }

    QTransform WorldToDevice(QSizeF device) const;
    QPointF ToWorld(QPointF device, QSizeF size) const;
    QPointF ToDevice(QPointF world, QSizeF size) const;
    // The world rectangle the device shows.
    platform::view::Box Visible(QSizeF size) const;

    // Multiplies the scale by factor, keeping the world point under `at` in place.
    void ZoomAt(QPointF at, QSizeF size, double factor);
    // Moves the drawing by a device displacement.
    void PanBy(QPointF deviceDelta);
    // Shows the box whole, with a margin, centred.
    void Fit(const platform::view::Box& box, QSizeF size);

private:
    QPointF m_center{0, 0};
    double m_scale = 1;
};

}  // namespace window
