// Entities that draw other entities: block references (with their attributes and arrays),
// the blocks of dimensions and tables, and the viewports of a layout, which show model space.
#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <system_error>
#include <thread>

#include "view/DeferredParts.h"
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
    // A large block of entities that draw on their own (a table's), on a canvas that can fork:
    // its second half is read and drawn on a thread of its own, into a fork whose drawing goes
    // in after the first half's. Each half is read as it is drawn.
    const size_t half = HalfwayMark(deferred);
    std::unique_ptr<Canvas> fork = half > 0 ? canvas.Fork() : nullptr;
    if (!fork) {
        DrawDeferredText(deferred.text, ctx, DeferredParts::kAheadFrom);
        return;
    }
    Fonts forkFonts;
    RenderStats forkStats;
    EntityDrawer other(drawing, options, forkFonts, *fork, forkStats);
    other.m_inViewport = m_inViewport;
    std::vector<const dxf::Block*> forkPath = ctx.path ? *ctx.path : std::vector<const dxf::Block*>();
    Context forkCtx = ctx;
    forkCtx.path = &forkPath;
    std::exception_ptr forkError;
    const std::string_view second = deferred.text.substr(half);
    std::thread worker;
    try {
        worker = std::thread([&] {
            try {
                other.DrawDeferredText(second, forkCtx, kNoThread);
            } catch (...) {
                forkError = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        DrawDeferredText(deferred.text, ctx, DeferredParts::kAheadFrom);
        return;
    }
    try {
        DrawDeferredText(deferred.text.substr(0, half), ctx, kNoThread);
    } catch (...) {
        worker.join();
        throw;
    }
    worker.join();
    if (forkError) std::rethrow_exception(forkError);
    canvas.Splice(*fork);
    stats.Add(forkStats);
}

namespace {

size_t Distance(size_t a, size_t b) { return a > b ? a - b : b - a; }

}  // namespace

size_t EntityDrawer::HalfwayMark(const dxf::DeferredEntities& deferred) {
    // Halves worth a thread, of entities that do not draw through other blocks (those are
    // parsed on first use, which two threads must not do at once).
    if (deferred.text.size() < DeferredParts::kAheadFrom || deferred.refersToBlocks || deferred.marks.empty()) return 0;
    const size_t middle = deferred.text.size() / 2;
    size_t best = 0;
    for (const size_t mark : deferred.marks)
        if (mark > 0 && mark < deferred.text.size() && (best == 0 || Distance(mark, middle) < Distance(best, middle))) best = mark;
    return best;
}

void EntityDrawer::DrawDeferredText(std::string_view text, const Context& ctx, size_t aheadFrom) {
    DeferredParts parts(text, aheadFrom);
    const dxf::DxfObject* entities = nullptr;
    const EntityTags::Prepared* prepared = nullptr;
    size_t count = 0;
    while (parts.Next(entities, prepared, count)) DrawRange(EntityRange(entities, count, prepared), ctx);
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
    // Each viewport shows model space again: the second and later views are repeats.
    inner.repeat = m_viewportsDrawn++ > 0;
    m_inViewport = true;
    DrawRange(EntityRange(m_model->entities), inner);
    m_inViewport = false;
    canvas.PopClip();
}

}  // namespace platform::view
