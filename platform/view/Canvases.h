#pragma once
// Two canvases: one that paints on a device through a QPainter, one that measures. PDF plots
// have a canvas of their own (PdfCanvas.h).
#include <QPainter>
#include <vector>

#include "view/Canvas.h"
#include "view/Renderer.h"

namespace platform::view {

class PainterCanvas : public Canvas {
public:
    PainterCanvas(QPainter& painter, const QTransform& worldToDevice, const Box& visible, const RenderOptions& options);
    ~PainterCanvas() override;

    double PixelSize() const override { return m_pixel; }
    Box Visible() const override { return m_visible; }
    void Polyline(const QPointF* points, int count, bool closed, const Pen& pen) override;
    void Fill(const QPainterPath& area, const QColor& color) override;
    void Text(const QString& text, const FontFace& face, const QRectF& box, const QTransform& toWorld, const QColor& color) override;
    void PushClip(const QPainterPath& area) override;
    void PopClip() override;

private:
    void Use(const Pen& pen);
    void DrawDevicePolyline(const QPointF* points, int count, bool closed);

    QPainter& m_painter;
    QTransform m_toDevice;
    Box m_visible;
    QRectF m_device;  // what the device shows, in its pixels
    QRectF m_safe;    // beyond this, lines are clipped before the painter sees them
    const RenderOptions& m_options;
    double m_pixel = 1;
    QColor m_penColor;
    double m_penWidth = -1;
    std::vector<QPointF> m_scratch;
};

class ExtentsCanvas : public Canvas {
public:
    double PixelSize() const override { return 0; }
    Box Visible() const override { return {}; }
    void Polyline(const QPointF* points, int count, bool closed, const Pen& pen) override;
    void Fill(const QPainterPath& area, const QColor& color) override;
    void Text(const QString& text, const FontFace& face, const QRectF& box, const QTransform& toWorld, const QColor& color) override;
    // What a clip shows lies within the clip: the clip's own area counts, not what is in it.
    void PushClip(const QPainterPath& area) override;
    void PopClip() override;

    Box box;

private:
    int m_clipDepth = 0;
};

}  // namespace platform::view
