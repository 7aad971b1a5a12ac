#include "view/Canvases.h"

#include <cmath>

#include "view/DeviceClip.h"
#include "view/Fonts.h"

namespace platform::view {

PainterCanvas::PainterCanvas(QPainter& painter, const QTransform& worldToDevice, const Box& visible, const RenderOptions& options)
    : m_painter(painter), m_toDevice(worldToDevice), m_visible(visible), m_options(options) {
    const double scale = ScaleOf(worldToDevice);
    m_pixel = scale > 0 ? 1 / scale : 1;
    m_device = worldToDevice.mapRect(QRectF(visible.x0, visible.y0, visible.Width(), visible.Height()));
    const double margin = std::max(m_device.width(), m_device.height()) + 64;
    m_safe = m_device.adjusted(-margin, -margin, margin, margin);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setTransform(QTransform());
}

PainterCanvas::~PainterCanvas() { m_painter.restore(); }

void PainterCanvas::Use(const Pen& pen) {
    if (pen.color == m_penColor && pen.width == m_penWidth) return;
    m_penColor = pen.color;
    m_penWidth = pen.width;
    QPen qpen(pen.color);
    qpen.setWidthF(pen.width);
    qpen.setCosmetic(true);
    qpen.setCapStyle(Qt::RoundCap);
    qpen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(qpen);
}

void PainterCanvas::DrawDevicePolyline(const QPointF* points, int count, bool closed) {
    bool inside = true;
    for (int i = 0; i < count && inside; ++i) inside = m_safe.contains(points[i]);
    if (inside) {
        if (closed && count > 2) m_painter.drawPolygon(points, count);
        else m_painter.drawPolyline(points, count);
        return;
    }
    // Far outside the device the painter's fixed-point arithmetic fails: clip first.
    std::vector<QPointF> piece;
    const int segments = closed ? count : count - 1;
    for (int i = 0; i < segments; ++i) {
        QPointF a = points[i], b = points[(i + 1) % count];
        if (!ClipSegment(m_safe, a, b)) continue;
        if (piece.empty() || piece.back() != a) {
            if (piece.size() >= 2) m_painter.drawPolyline(piece.data(), static_cast<int>(piece.size()));
            piece.assign({a});
        }
        piece.push_back(b);
    }
    if (piece.size() >= 2) m_painter.drawPolyline(piece.data(), static_cast<int>(piece.size()));
}

void PainterCanvas::Polyline(const QPointF* points, int count, bool closed, const Pen& pen) {
    if (count <= 0) return;
    const DeviceBounds bounds = MapToDevice(m_toDevice, points, count, m_scratch);
    if (!bounds.Near(m_device, 4)) return;
    Use(pen);
    if (count == 1 || bounds.Dot()) {
        // A point, or a polyline smaller than a pixel: one dot.
        const QPointF c = bounds.Centre();
        const QPointF dot[2]{c, c + QPointF(0.5, 0)};
        m_painter.drawPolyline(dot, 2);
        return;
    }
    DrawDevicePolyline(m_scratch.data(), count, closed);
}

void PainterCanvas::Fill(const QPainterPath& area, const QColor& color) {
    const QRectF bounds = m_toDevice.mapRect(area.boundingRect());
    if (!bounds.intersects(m_device.adjusted(-4, -4, 4, 4))) return;
    m_painter.setTransform(m_toDevice);
    m_painter.fillPath(area, color);
    m_painter.setTransform(QTransform());
}

void PainterCanvas::Text(const QString& text, const FontFace& face, const QRectF& box, const QTransform& toWorld, const QColor& color) {
    const QTransform toDevice = toWorld * m_toDevice;
    const QRectF bounds = toDevice.mapRect(box);
    if (!bounds.intersects(m_device)) return;
    const double scale = std::sqrt(std::abs(toDevice.determinant()));
    if (!m_options.vectorDevice && box.height() * scale < m_options.greekingPixels) {
        // Too small to read: a faint bar where the text stands, and nothing where even that
        // would not show.
        if (box.height() * scale < m_options.invisiblePixels) return;
        QColor faint = color;
        faint.setAlphaF(0.5);
        const QPointF bar[4] = {toDevice.map(QPointF(box.left(), -box.height() * 0.5)), toDevice.map(QPointF(box.right(), -box.height() * 0.5)),
                                toDevice.map(QPointF(box.right(), 0)), toDevice.map(QPointF(box.left(), 0))};
        m_painter.setPen(Qt::NoPen);
        m_penWidth = -1;
        m_painter.setBrush(faint);
        m_painter.drawPolygon(bar, 4);
        m_painter.setBrush(Qt::NoBrush);
        return;
    }
    m_painter.setTransform(toDevice);
    m_painter.setFont(face.Font());
    m_penWidth = -1;
    m_painter.setPen(color);
    m_painter.drawText(QPointF(0, 0), text);
    m_painter.setTransform(QTransform());
}

void PainterCanvas::PushClip(const QPainterPath& area) {
    m_painter.save();
    m_painter.setTransform(m_toDevice);
    m_painter.setClipPath(area, Qt::IntersectClip);
    m_painter.setTransform(QTransform());
}

void PainterCanvas::PopClip() {
    m_painter.restore();
    m_penWidth = -1;
}

void ExtentsCanvas::Polyline(const QPointF* points, int count, bool, const Pen&) {
    if (m_clipDepth > 0) return;
    for (int i = 0; i < count; ++i) box.Add(points[i].x(), points[i].y());
}

void ExtentsCanvas::Fill(const QPainterPath& area, const QColor&) {
    if (m_clipDepth > 0) return;
    const QRectF r = area.boundingRect();
    box.Add(r.left(), r.top());
    box.Add(r.right(), r.bottom());
}

void ExtentsCanvas::Text(const QString&, const FontFace&, const QRectF& b, const QTransform& toWorld, const QColor&) {
    if (m_clipDepth > 0) return;
    for (const QPointF& c : {b.topLeft(), b.topRight(), b.bottomLeft(), b.bottomRight()}) {
        const QPointF w = toWorld.map(c);
        box.Add(w.x(), w.y());
    }
}

void ExtentsCanvas::PushClip(const QPainterPath& area) {
    if (m_clipDepth++ > 0) return;
    const QRectF r = area.boundingRect();
    box.Add(r.left(), r.top());
    box.Add(r.right(), r.bottom());
}

void ExtentsCanvas::PopClip() { --m_clipDepth; }

}  // namespace platform::view
