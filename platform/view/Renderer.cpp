#include "view/Renderer.h"

#include <QPainter>

#include "view/Canvases.h"
#include "view/EntityDrawer.h"
#include "view/Fonts.h"

namespace platform::view {

Renderer::Renderer(const Drawing& drawing, RenderOptions options)
    : m_drawing(drawing), m_options(std::move(options)), m_fonts(std::make_unique<Fonts>()) {}

Renderer::~Renderer() = default;

QTransform Renderer::FitTransform(const Box& view, const QRectF& target) {
    const double w = std::max(view.Width(), 1e-300), h = std::max(view.Height(), 1e-300);
    const double scale = std::min(target.width() / w, target.height() / h);
    // Halves first: the sum of two coordinates near the largest number overflows.
    const double cx = view.x0 / 2 + view.x1 / 2, cy = view.y0 / 2 + view.y1 / 2;
    QTransform t;
    t.translate(target.center().x(), target.center().y());
    t.scale(scale, -scale);
    t.translate(-cx, -cy);
    return t;
}

void Renderer::Draw(QPainter& painter, const Layout& layout, const Box& view, const QTransform& worldToDevice) {
    m_stats = {};
    PainterCanvas canvas(painter, worldToDevice, view, m_options);
    EntityDrawer drawer(m_drawing, m_options, *m_fonts, canvas, m_stats);
    drawer.DrawLayout(layout);
}

void Renderer::Draw(Canvas& canvas, const Layout& layout) {
    m_stats = {};
    EntityDrawer drawer(m_drawing, m_options, *m_fonts, canvas, m_stats);
    drawer.DrawLayout(layout);
}

Box Renderer::Extents(const Layout& layout) {
    m_stats = {};
    ExtentsCanvas canvas;
    EntityDrawer drawer(m_drawing, m_options, *m_fonts, canvas, m_stats);
    drawer.DrawLayout(layout);
    return canvas.box;
}

std::vector<EntityExtent> Renderer::EntityExtents(const Layout& layout) {
    m_stats = {};
    ExtentsCanvas canvas;
    EntityDrawer drawer(m_drawing, m_options, *m_fonts, canvas, m_stats);
    std::vector<EntityExtent> out;
    const EntityRange range(layout.entities);
    std::vector<const dxf::Block*> path;
    Context ctx = drawer.TopContext();
    ctx.path = &path;
    for (size_t i = 0; i < range.size();) {
        canvas.box = {};
        const size_t next = drawer.DrawAt(range, i, ctx);
        if (!canvas.box.Empty()) out.push_back({&range[i], range[i].GetHandle(), canvas.box});
        i = next;
    }
    return out;
}

}  // namespace platform::view
