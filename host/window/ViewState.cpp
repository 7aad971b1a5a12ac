#include "ViewState.h"

#include <algorithm>
#include <cmath>

namespace window {

namespace {

// The scale stays where doubles still tell neighbouring pixels apart.
constexpr double kMinScale = 1e-12, kMaxScale = 1e12;

}  // namespace

QTransform ViewState::WorldToDevice(QSizeF size) const {
    QTransform t;
    t.translate(size.width() / 2, size.height() / 2);
    t.scale(m_scale, -m_scale);
    t.translate(-m_center.x(), -m_center.y());
    return t;
}

QPointF ViewState::ToWorld(QPointF device, QSizeF size) const {
    return {m_center.x() + (device.x() - size.width() / 2) / m_scale, m_center.y() - (device.y() - size.height() / 2) / m_scale};
}

QPointF ViewState::ToDevice(QPointF world, QSizeF size) const {
    return {(world.x() - m_center.x()) * m_scale + size.width() / 2, size.height() / 2 - (world.y() - m_center.y()) * m_scale};
}

platform::view::Box ViewState::Visible(QSizeF size) const {
    const QPointF a = ToWorld({0, 0}, size), b = ToWorld({size.width(), size.height()}, size);
    return platform::view::Box::Of(a.x(), a.y(), b.x(), b.y());
}

void ViewState::ZoomAt(QPointF at, QSizeF size, double factor) {
    if (!(factor > 0) || !std::isfinite(factor)) return;
    const QPointF fixed = ToWorld(at, size);
    m_scale = std::clamp(m_scale * factor, kMinScale, kMaxScale);
    m_center = {fixed.x() - (at.x() - size.width() / 2) / m_scale, fixed.y() + (at.y() - size.height() / 2) / m_scale};
}

void ViewState::PanBy(QPointF deviceDelta) {
    m_center = {m_center.x() - deviceDelta.x() / m_scale, m_center.y() + deviceDelta.y() / m_scale};
}

void ViewState::Fit(const platform::view::Box& box, QSizeF size) {
    platform::view::Box shown = box.Empty() ? platform::view::Box::Of(0, 0, 420, 297) : box;
    // A point or a line along an axis still gets an area around it.
    const double side = std::max({shown.Width(), shown.Height(), 1e-9});
    if (shown.Width() < side * 1e-3) shown.x0 -= side / 2, shown.x1 += side / 2;
    if (shown.Height() < side * 1e-3) shown.y0 -= side / 2, shown.y1 += side / 2;
    constexpr double kMargin = 0.95;
    const double w = std::max(size.width(), 1.0), h = std::max(size.height(), 1.0);
    m_scale = std::clamp(std::min(w / shown.Width(), h / shown.Height()) * kMargin, kMinScale, kMaxScale);
    m_center = {(shown.x0 + shown.x1) / 2, (shown.y0 + shown.y1) / 2};
}

}  // namespace window
