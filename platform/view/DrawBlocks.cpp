// Entities that draw other entities: block references (with their attributes and arrays),
// the blocks of dimensions and tables, and the viewports of a layout, which show model space.
#include <algorithm>
#include <cmath>

#include "dxf/DeferredEntityStream.h"
#include "view/EntityDrawer.h"

namespace platform::view {

namespace {

constexpr int kMaxNesting = 32;

}  // namespace

void EntityDrawer::DrawBlock(const dxf::Block& block, const Matrix& placement, const Props& p, const Context& ctx,
                             const LayerInfo* layer, bool drawnOnce) {
    if (ctx.depth >= kMaxNesting) return;
    std::vector<const dxf::Block*> path;
    std::vector<const dxf::Block*>& blocks = ctx.path ? *ctx.path : path;
    // A block that holds a reference to itself, directly or not, is drawn once.
    if (std::find(blocks.begin(), blocks.end(), &block) != blocks.end()) return;
    Context inner = ctx.Within(placement * Matrix::Translation(-drawing.BlockBase(block)));
    inner.byBlock = p;
    inner.blockLayer = layer;
    inner.depth = ctx.depth + 1;
    inner.path = &blocks;
    blocks.push_back(&block);
    if (const dxf::BlockSketch* sketch = block.Sketch(); sketch && DrawSketch(*sketch, inner)) {
        blocks.pop_back();
        return;
    }
    if (const dxf::DeferredEntities* deferred = drawnOnce ? block.Deferred() : nullptr) DrawDeferred(*deferred, inner);
    else DrawRange(EntityRange(block.Entities()), inner);
    blocks.pop_back();
}

bool EntityDrawer::DrawSketch(const dxf::BlockSketch& sketch, const Context& ctx) {
    const double pixel = canvas.PixelSize();
    if (!options.sketches || options.vectorDevice || !(pixel > 0)) return false;
    // The tallest a text of the block could show: its height, by the most a face's ascent and
    // descent exceed its cap height (about 1.6 for the DejaVu faces), by the root of the widest
    // width factor (a glyph's box grows with the root of its area), by the most the block's
    // coordinates stretch into the plan (the largest singular value of that projection).
    constexpr double kFaceReach = 2;
    const Matrix& m = ctx.m;
    const double a = m.X.x * m.X.x + m.Y.x * m.Y.x + m.Z.x * m.Z.x, b = m.X.x * m.X.y + m.Y.x * m.Y.y + m.Z.x * m.Z.y,
                 c = m.X.y * m.X.y + m.Y.y * m.Y.y + m.Z.y * m.Z.y;
    const double stretch = std::sqrt((a + c) / 2 + std::hypot((a - c) / 2, b));
    const double tallest = sketch.largestText * kFaceReach * std::sqrt(drawing.WidestTextStyle()) * stretch;
    if (!(tallest < options.invisiblePixels * pixel)) return false;
    std::vector<Props> looks(sketch.looks.size());
    std::vector<char> shown(sketch.looks.size());
    for (size_t i = 0; i < looks.size(); ++i) shown[i] = Resolve(EntityTags(*sketch.looks[i]), ctx, looks[i]);
    for (const dxf::BlockSketch::Line& line : sketch.lines) {
        if (!shown[line.look]) continue;
        double v[6];
        for (int k = 0; k < 6; ++k) {
            v[k] = line.ends[k].empty() ? 0 : dxf::Tag(10, line.ends[k]).DoubleOr(0);
            if (!std::isfinite(v[k])) v[k] = 0;
        }
        Stroke({{v[0], v[1], v[2]}, {v[3], v[4], v[5]}}, false, looks[line.look], ctx);
        ++stats.drawn;
    }
    // Its texts count as drawn, as they do when drawn too small to show.
    stats.drawn += sketch.texts;
    return true;
}

void EntityDrawer::DrawDeferred(const dxf::DeferredEntities& deferred, const Context& ctx) {
    // A part at a time, none of it kept: a plot draws a large table's block once, and parsing it
    // whole would hold every entity's tags at the same time. A part ends before an entity that
    // stands on its own, so a polyline keeps its vertices and a reference its attributes; the
    // entities' tag lists are reused from part to part.
    constexpr size_t kPart = 4096;
    dxf::DeferredEntityStream stream(deferred);
    std::vector<dxf::DxfObject> part(kPart + 1);
    size_t count = 0;
    for (;;) {
        if (count == part.size()) part.emplace_back();
        const bool more = stream.Next(part[count]);
        if (more && (count < kPart || IsPart(part[count].Type()))) {
            ++count;
            continue;
        }
        DrawRange(EntityRange(part.data(), count), ctx);
        if (!more) return;
        std::swap(part[0], part[count]);
        count = 1;
    }
}

void EntityDrawer::DrawInsert(const EntityRange& range, size_t i, size_t end, const Props& p, const Context& ctx) {
    const EntityTags t(range[i]);
    const dxf::Block* block = drawing.FindBlock(t.String(2));
    if (!block) return;
    const Matrix ocs = OcsMatrix(t.Extrusion());
    const Vec3 at = t.Point(10);
    const double sx = t.Double(41, 1), sy = t.Double(42, 1), sz = t.Double(43, 1);
    const double rotation = Radians(t.Double(50));
    const int columns = std::clamp(static_cast<int>(t.Int(70, 1)), 1, 10000);
    const int rows = std::clamp(static_cast<int>(t.Int(71, 1)), 1, 10000);
    const double columnSpacing = t.Double(44), rowSpacing = t.Double(45);
    const int copies = columns * rows > 100000 ? 1 : columns * rows;
    for (int k = 0; k < copies; ++k) {
        const int r = k / columns, c = k % columns;
        const Matrix place = ocs * Matrix::Translation(at) * Matrix::RotationZ(rotation) *
                             Matrix::Translation({c * columnSpacing, r * rowSpacing, 0}) * Matrix::Scaling(sx, sy, sz);
        DrawBlock(*block, place, p, ctx, p.layer);
    }
    // Attributes stand where they are, in the reference's own coordinates.
    Context attributes = ctx;
    attributes.byBlock = p;
    for (size_t a = i + 1; a < end; ++a) {
        if (range[a].Type() != "ATTRIB") continue;
        const EntityTags at(range[a]);
        Props ap;
        if (Resolve(at, attributes, ap)) DrawText(at, ap, attributes);
    }
}

void EntityDrawer::DrawViewport(const EntityTags& t, const Props& p, const Context& ctx) {
    // Viewports draw only in a layout, and the first (id 1) is the layout's own view.
    if (m_inViewport || !m_model || ctx.depth > 0) return;
    const std::int64_t id = t.Int(69, 2);
    if (id == 1) return;
    const Vec3 center = t.Point(10);
    const double width = t.Double(40), height = t.Double(41);
    if (!(width > 0) || !(height > 0)) return;
    const std::vector<QPointF> frame{{center.x - width / 2, center.y - height / 2}, {center.x + width / 2, center.y - height / 2},
                                     {center.x + width / 2, center.y + height / 2}, {center.x - width / 2, center.y + height / 2}};
    // A viewport that is off (status 0 or below) shows neither its frame's content nor itself.
    if (t.Int(68, 1) <= 0) return;
    std::vector<QPointF> outline = frame;
    StrokeWorld(outline, true, p, 1);
    const double viewHeight = t.Double(45);
    if (!(viewHeight > 0)) return;
    const Vec3 direction = t.Point(16, {0, 0, 1});
    if (std::abs(direction.x) > 1e-9 || std::abs(direction.y) > 1e-9) return;  // only plan views
    const double scale = height / viewHeight;
    const Vec3 viewCenter = t.Point(12), target = t.Point(17);
    const double twist = Radians(t.Double(51));
    // Model to paper: about the target, turned by the twist, the view centre onto the frame's.
    const Matrix toPaper = Matrix::Translation(center) * Matrix::Scaling(scale, scale, scale) *
                           Matrix::Translation({-viewCenter.x, -viewCenter.y, 0}) * Matrix::RotationZ(twist) *
                           Matrix::Translation({-target.x, -target.y, -target.z});
    std::unordered_set<dxf::Handle> frozen;
    for (size_t i = t.Find(331); i < t.End(); i = t.Find(331, i + 1)) frozen.insert(t[i].AsHandle().value_or(0));
    QPainterPath clip;
    clip.addPolygon(QPolygonF(QVector<QPointF>(frame.begin(), frame.end())));
    clip.closeSubpath();
    canvas.PushClip(clip);
    Context inner = TopContext();
    inner.m = ctx.m * toPaper;
    inner.frozen = &frozen;
    std::vector<const dxf::Block*> path;
    inner.path = &path;
    m_inViewport = true;
    DrawRange(EntityRange(m_model->entities), inner);
    m_inViewport = false;
    canvas.PopClip();
}

}  // namespace platform::view
