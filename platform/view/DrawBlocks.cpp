// Entities that draw other entities: block references (with their attributes and arrays),
// the blocks of dimensions and tables, and the viewports of a layout, which show model space.
#include <algorithm>
#include <cmath>

#include "dxf/AcadTable.h"
#include "dxf/DeferredEntityStream.h"
#include "view/EntityDrawer.h"

namespace platform::view {

void EntityDrawer::DrawBlock(const dxf::Block& block, const Matrix& placement, const Props& p, const Context& ctx,
                             const LayerInfo* layer, bool drawnOnce) {
    if (ctx.depth >= options.maxNesting) {
        ++stats.tooDeep;
        return;
    }
    std::vector<const dxf::Block*> path;
    std::vector<const dxf::Block*>& blocks = ctx.path ? *ctx.path : path;
    // A block that holds a reference to itself, directly or not, is drawn once.
    if (std::find(blocks.begin(), blocks.end(), &block) != blocks.end()) return;
    Context inner = ctx.Within(placement * Matrix::Translation(-drawing.BlockBase(block)));
    inner.byBlock = p;
    inner.blockLayer = layer;
    inner.depth = ctx.depth + 1;
    inner.path = &blocks;
    inner.repeat = ctx.repeat || !m_drawnBlocks.insert(&block).second;
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
    if (ctx.repeat && !Charge(sketch.lines.size() + sketch.texts)) return true;
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
        if (more && (count < kPart || IsPartType(part[count].Type()))) {
            ++count;
            continue;
        }
        DrawRange(EntityRange(part.data(), count), ctx);
        if (!more) return;
        std::swap(part[0], part[count]);
        count = 1;
    }
}

void EntityDrawer::DrawModelInViewport(const Context& inner) {
    std::vector<const dxf::Block*> path;
    Context c = inner;
    c.path = &path;
    // Each viewport shows model space again: the second and later views are repeats.
    c.repeat = m_viewportsDrawn++ > 0;
    m_inViewport = true;
    DrawRange(EntityRange(m_model->entities), c);
    m_inViewport = false;
}

namespace {

using dxf::entities::Attrib;
using dxf::entities::Dimension;
using dxf::entities::Insert;
using dxf::entities::Table;
using dxf::entities::Viewport;

bool DrawInsert(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts& parts) {
    const dxf::Block* block = d.drawing.FindBlock(t.Get(Insert::block));
    if (!block) return true;
    const Matrix ocs = OcsMatrix(t.Get(Insert::extrusion));
    const Vec3 at = t.Get(Insert::insert);
    const double sx = t.Get(Insert::scaleX), sy = t.Get(Insert::scaleY), sz = t.Get(Insert::scaleZ);
    const double rotation = Radians(t.Get(Insert::rotation));
    const int columns = std::clamp(static_cast<int>(t.Get(Insert::columnCount)), 1, 10000);
    const int rows = std::clamp(static_cast<int>(t.Get(Insert::rowCount)), 1, 10000);
    const double columnSpacing = t.Get(Insert::columnSpacing), rowSpacing = t.Get(Insert::rowSpacing);
    const int copies = columns * rows > 100000 ? 1 : columns * rows;
    for (int k = 0; k < copies; ++k) {
        const int r = k / columns, c = k % columns;
        const Matrix place = ocs * Matrix::Translation(at) * Matrix::RotationZ(rotation) *
                             Matrix::Translation({c * columnSpacing, r * rowSpacing, 0}) * Matrix::Scaling(sx, sy, sz);
        d.DrawBlock(*block, place, p, ctx, p.layer);
    }
    // Attributes stand where they are, in the reference's own coordinates.
    Context attributes = ctx;
    attributes.byBlock = p;
    for (size_t a = parts.begin; a < parts.end; ++a) {
        if (parts.range[a].Type() != Attrib::type.name) continue;
        const EntityTags attribute(parts.range[a]);
        Props ap;
        if (d.Resolve(attribute, attributes, ap)) d.DrawText(attribute, ap, attributes);
    }
    return true;
}
const DrawerRegistration kInserts({&Insert::type}, DrawInsert);

// A dimension's picture is its block, at its insertion point when it has one.
bool DrawDimension(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    const dxf::Block* block = d.drawing.FindBlock(t.Get(Dimension::block));
    if (!block) return false;
    const Matrix ocs = OcsMatrix(t.Get(Dimension::extrusion));
    d.DrawBlock(*block, Matrix::Translation(ocs.Apply(t.Get(Dimension::insert))), p, ctx, p.layer);
    return true;
}
const DrawerRegistration kDimensions({&Dimension::type, &dxf::entities::ArcDimension::type, &dxf::entities::LargeRadialDimension::type},
                                     DrawDimension);

// A table's extent from its grid (entity coordinates of its block); false when the table does
// not give its rows and columns.
bool MeasureTableGrid(EntityDrawer& d, const EntityTags& t, const Context& ctx) {
    // The row heights and column widths follow the table's row and column counts.
    size_t i = t.After(Table::rows.subclass);
    if (i == 0) return false;
    const auto sizes = [&t](size_t k) { return t.Is(k, Table::rowHeight) || t.Is(k, Table::columnWidth); };
    while (!t.Ends(i) && !sizes(i)) ++i;
    double height = 0, width = 0;
    int rows = 0, columns = 0;
    for (; !t.Ends(i) && sizes(i); ++i) {
        const double v = t[i].DoubleOr(0);
        if (!(v >= 0) || !dxf::IsTableValue(v)) return false;
        if (t.Is(i, Table::rowHeight)) height += v, ++rows;
        else width += v, ++columns;
    }
    if (rows == 0 || columns == 0) return false;
    // The block's origin is the table's top left corner; rows go down.
    const QPointF corners[4] = {Plan(ctx.m, {0, 0, 0}), Plan(ctx.m, {width, 0, 0}), Plan(ctx.m, {width, -height, 0}),
                                Plan(ctx.m, {0, -height, 0})};
    d.canvas.Polyline(corners, 4, true, Pen{});
    return true;
}

// A table is drawn by its block: at its insertion point, turned to its direction.
bool DrawTable(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    const dxf::Block* block = d.drawing.FindBlock(t.Get(Table::block));
    if (!block) return false;
    const Vec3 direction = t.Get(Table::direction);
    const Matrix place = Matrix::Translation(t.Get(Table::insert)) * Matrix::RotationZ(std::atan2(direction.y, direction.x));
    // Measuring, the table's grid is its extent: its cells' contents lie within it, and a
    // large table's block need not be read (nor its texts laid out) to know where it ends.
    if (!(d.canvas.PixelSize() > 0) && MeasureTableGrid(d, t, ctx.Within(place * Matrix::Translation(-d.drawing.BlockBase(*block)))))
        return true;
    d.DrawBlock(*block, place, p, ctx, p.layer, d.options.drawsOnce);
    return true;
}
const DrawerRegistration kTables({&Table::type}, DrawTable);

bool DrawViewport(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    // Viewports draw only in a layout, and the first (id 1) is the layout's own view.
    if (!d.ModelForViewports() || ctx.depth > 0) return true;
    const std::int64_t id = t.Get(Viewport::id);
    if (id == 1) return true;
    const Vec3 center = t.Get(Viewport::center);
    const double width = t.Get(Viewport::width), height = t.Get(Viewport::height);
    if (!(width > 0) || !(height > 0)) return true;
    const std::vector<QPointF> frame{{center.x - width / 2, center.y - height / 2}, {center.x + width / 2, center.y - height / 2},
                                     {center.x + width / 2, center.y + height / 2}, {center.x - width / 2, center.y + height / 2}};
    // A viewport that is off (status 0 or below) shows neither its frame's content nor itself.
    if (t.Get(Viewport::status) <= 0) return true;
    std::vector<QPointF> outline = frame;
    d.StrokeWorld(outline, true, p, 1);
    const double viewHeight = t.Get(Viewport::viewHeight);
    if (!(viewHeight > 0)) return true;
    const Vec3 direction = t.Get(Viewport::viewDirection);
    if (std::abs(direction.x) > 1e-9 || std::abs(direction.y) > 1e-9) return true;  // only plan views
    const double scale = height / viewHeight;
    const Vec3 viewCenter = t.Get(Viewport::viewCenter), target = t.Get(Viewport::viewTarget);
    const double twist = Radians(t.Get(Viewport::twist));
    // Model to paper: about the target, turned by the twist, the view centre onto the frame's.
    const Matrix toPaper = Matrix::Translation(center) * Matrix::Scaling(scale, scale, scale) *
                           Matrix::Translation({-viewCenter.x, -viewCenter.y, 0}) * Matrix::RotationZ(twist) *
                           Matrix::Translation({-target.x, -target.y, -target.z});
    std::unordered_set<dxf::Handle> frozen;
    for (size_t i = t.Find(Viewport::frozenLayer, 0); i < t.End(); i = t.Find(Viewport::frozenLayer, i + 1))
        frozen.insert(t[i].AsHandle().value_or(0));
    QPainterPath clip;
    clip.addPolygon(QPolygonF(QVector<QPointF>(frame.begin(), frame.end())));
    clip.closeSubpath();
    d.canvas.PushClip(clip);
    Context inner = d.TopContext();
    inner.m = ctx.m * toPaper;
    inner.frozen = &frozen;
    d.DrawModelInViewport(inner);
    d.canvas.PopClip();
    return true;
}
const DrawerRegistration kViewports({&Viewport::type}, DrawViewport);

}  // namespace

}  // namespace platform::view
