#include "view/EntityDrawer.h"

#include <cmath>

#include "dxf/AcadTable.h"
#include "view/Aci.h"

namespace platform::view {

namespace {

QColor Rgb(std::uint32_t rgb) { return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF)); }

// The types whose entities are parts of another: drawn with it, never on their own.
bool IsPart(std::string_view type) { return type == "VERTEX" || type == "SEQEND" || type == "ATTRIB"; }

}  // namespace

std::size_t RenderStats::SkippedCount() const {
    std::size_t n = 0;
    for (const auto& [type, count] : skipped) n += count;
    return n;
}

void RenderStats::Add(const RenderStats& other) {
    drawn += other.drawn;
    for (const auto& [type, count] : other.skipped) skipped[type] += count;
    repeated += other.repeated;
    tooDeep += other.tooDeep;
    overBudget += other.overBudget;
}

std::string LeftOutNote(const RenderStats& stats, const RenderOptions& options) {
    std::string note;
    if (stats.tooDeep > 0)
        note = std::to_string(stats.tooDeep) + (stats.tooDeep == 1 ? " block reference" : " block references") +
               " nested more than " + std::to_string(options.maxNesting) + " deep " + (stats.tooDeep == 1 ? "was" : "were") +
               " left out, with what " + (stats.tooDeep == 1 ? "it holds" : "they hold");
    if (stats.overBudget > 0)
        note += std::string(note.empty() ? "" : "; ") + "the drawing's block references repeat more than " +
                std::to_string(options.repeatBudget) + " entities, the most it draws: the rest was left out (" +
                std::to_string(stats.overBudget) + (stats.overBudget == 1 ? " entity" : " entities") +
                " where it stopped, with what they hold)";
    return note;
}

EntityDrawer::EntityDrawer(const Drawing& drawing, const RenderOptions& options, Fonts& fonts, Canvas& canvas, RenderStats& stats)
    : drawing(drawing), options(options), fonts(fonts), canvas(canvas), stats(stats) {
    // Colour 7 is the foreground: black on a light background, white on a dark one.
    m_foreground = options.background.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
    if (!drawing.Layouts().empty()) m_model = &drawing.Layouts().front();
}

Context EntityDrawer::TopContext() const {
    Context ctx;
    ctx.byBlock.color = m_foreground;
    return ctx;
}

void EntityDrawer::DrawLayout(const Layout& layout) {
    std::vector<const dxf::Block*> path;
    Context ctx = TopContext();
    ctx.path = &path;
    // Viewports show model space; in model space itself they show nothing.
    m_inViewport = !layout.paper;
    DrawRange(EntityRange(layout.entities), ctx);
    m_inViewport = false;
}

void EntityDrawer::DrawRange(const EntityRange& range, const Context& ctx) {
    for (size_t i = 0; i < range.size();) i = DrawAt(range, i, ctx);
}

size_t EntityDrawer::DrawAt(const EntityRange& range, size_t i, const Context& ctx) {
    const std::string_view type = range[i].Type();
    size_t end = i + 1;
    const dxf::Tag* follows = type == "INSERT" ? range[i].Find(66) : nullptr;
    if (type == "POLYLINE" || (follows && follows->IntOr(0) == 1)) {
        const std::string_view part = type == "POLYLINE" ? "VERTEX" : "ATTRIB";
        while (end < range.size() && range[end].Type() == part) ++end;
        if (end < range.size() && range[end].Type() == "SEQEND") ++end;
    }
    if (IsPart(type)) return end;
    if (ctx.repeat && !Charge(1)) return end;
    DrawEntity(range, i, end, ctx);
    return end;
}

bool EntityDrawer::Charge(std::size_t entities) {
    if (stats.repeated + entities > options.repeatBudget) {
        stats.overBudget += entities;
        return false;
    }
    stats.repeated += entities;
    return true;
}

void EntityDrawer::Skip(std::string_view type) { ++stats.skipped[std::string(type)]; }

void EntityDrawer::DrawEntity(const EntityRange& range, size_t i, size_t end, const Context& ctx) {
    const EntityTags t(range[i], range.PreparedAt(i));
    const std::string_view type = t.Type();
    Props p;
    if (!Resolve(t, ctx, p)) return;
    if (type == "LINE") DrawLine(t, p, ctx);
    else if (type == "LWPOLYLINE") DrawLwPolyline(t, p, ctx);
    else if (type == "TEXT" || type == "ATTDEF") DrawText(t, p, ctx);
    else if (type == "MTEXT") DrawMText(t, p, ctx);
    else if (type == "CIRCLE") DrawCircle(t, p, ctx, false);
    else if (type == "ARC") DrawCircle(t, p, ctx, true);
    else if (type == "INSERT") DrawInsert(range, i, end, p, ctx);
    else if (type == "POLYLINE") DrawPolyline(range, i, end, p, ctx);
    else if (type == "ELLIPSE") DrawEllipse(t, p, ctx);
    else if (type == "SPLINE") DrawSpline(t, p, ctx);
    else if (type == "POINT") DrawPoint(t, p, ctx);
    else if (type == "SOLID" || type == "TRACE") DrawSolid(t, p, ctx);
    else if (type == "3DFACE") Draw3dFace(t, p, ctx);
    else if (type == "HATCH") DrawHatch(t, p, ctx);
    else if (type == "XLINE") DrawConstructionLine(t, p, ctx, false);
    else if (type == "RAY") DrawConstructionLine(t, p, ctx, true);
    else if (type == "LEADER") DrawLeader(t, p, ctx);
    else if (type == "MULTILEADER" || type == "MLEADER") DrawMultiLeader(t, p, ctx);
    else if (type == "MESH") DrawMesh(t, p, ctx);
    else if (type == "IMAGE") DrawImageFrame(t, p, ctx, false);
    else if (type == "WIPEOUT") DrawImageFrame(t, p, ctx, true);
    else if (type == "VIEWPORT") DrawViewport(t, p, ctx);
    else if (type == "DIMENSION" || type == "ARC_DIMENSION" || type == "LARGE_RADIAL_DIMENSION") {
        // The dimension's picture is its block, at the insertion point (12) when it has one.
        const dxf::Block* block = drawing.FindBlock(t.String(2));
        if (!block) return Skip(type);
        const Matrix ocs = OcsMatrix(t.Extrusion());
        DrawBlock(*block, Matrix::Translation(ocs.Apply(t.Point(12))), p, ctx, p.layer);
    } else if (type == "ACAD_TABLE") {
        // A table is drawn by its block: at its insertion point, turned to its direction.
        const size_t ref = t.After("AcDbBlockReference");
        const dxf::Block* block = drawing.FindBlock(t.String(2, {}, ref));
        if (!block) return Skip(type);
        const Vec3 direction = t.Point(11, {1, 0, 0}, t.After("AcDbTable"));
        const Matrix place = Matrix::Translation(t.Point(10, {}, ref)) *
                             Matrix::RotationZ(std::atan2(direction.y, direction.x));
        // Measuring, the table's grid is its extent: its cells' contents lie within it, and a
        // large table's block need not be read (nor its texts laid out) to know where it ends.
        if (!(canvas.PixelSize() > 0) && MeasureTableGrid(t, ctx.Within(place * Matrix::Translation(-drawing.BlockBase(*block)))))
            return void(++stats.drawn);
        DrawBlock(*block, place, p, ctx, p.layer, options.drawsOnce);
    } else {
        return Skip(type);
    }
    ++stats.drawn;
}

bool EntityDrawer::MeasureTableGrid(const EntityTags& t, const Context& ctx) {
    // The row heights (141) and column widths (142) follow the table's row and column counts.
    size_t i = t.After("AcDbTable");
    if (i == 0) return false;
    while (!t.Ends(i) && t[i].code != 141 && t[i].code != 142) ++i;
    double height = 0, width = 0;
    int rows = 0, columns = 0;
    for (; !t.Ends(i) && (t[i].code == 141 || t[i].code == 142); ++i) {
        const double v = t[i].DoubleOr(0);
        if (!(v >= 0) || !dxf::IsTableValue(v)) return false;
        if (t[i].code == 141) height += v, ++rows;
        else width += v, ++columns;
    }
    if (rows == 0 || columns == 0) return false;
    // The block's origin is the table's top left corner; rows go down.
    const QPointF corners[4] = {Plan(ctx.m, {0, 0, 0}), Plan(ctx.m, {width, 0, 0}), Plan(ctx.m, {width, -height, 0}),
                                Plan(ctx.m, {0, -height, 0})};
    canvas.Polyline(corners, 4, true, Pen{});
    return true;
}

bool EntityDrawer::Resolve(const EntityTags& t, const Context& ctx, Props& p) const {
    const EntityTags::Common common = t.CommonValues();
    const auto tagAt = [&](size_t i) { return i == EntityTags::kNone ? nullptr : &t[i]; };
    const dxf::Tag *visibility = tagAt(common.visibility), *layerTag = tagAt(common.layer), *colorTag = tagAt(common.color),
                   *trueColor = tagAt(common.trueColor), *typeTag = tagAt(common.linetype), *scaleTag = tagAt(common.linetypeScale),
                   *weightTag = tagAt(common.lineweight);
    if (visibility && visibility->IntOr(0) == 1) return false;  // invisible
    const std::string_view layerName = layerTag ? layerTag->Value() : std::string_view("0");
    const LayerInfo* layer = (ctx.blockLayer && layerName == "0") ? ctx.blockLayer : FindLayer(layerName);
    if (layer) {
        if (layer->off || layer->frozen) return false;
        if (options.plotting && !layer->plottable) return false;
        if (ctx.frozen && ctx.frozen->count(layer->handle)) return false;
    }
    p.layer = layer;
    DrawingColor color;
    color.index = colorTag ? static_cast<int>(colorTag->IntOr(256)) : 256;
    if (trueColor) color.isTrue = true, color.rgb = static_cast<std::uint32_t>(trueColor->IntOr(0)) & 0xFFFFFF;
    p.color = ColorOf(color, ctx, layer);
    const std::string_view type = typeTag ? typeTag->Value() : std::string_view("BYLAYER");
    if (!typeTag || dxf::SameName(type, "BYLAYER")) p.linetype = layer ? LayerLinetype(*layer) : nullptr;
    else if (dxf::SameName(type, "BYBLOCK")) p.linetype = ctx.byBlock.linetype;
    else p.linetype = drawing.FindLinetype(type);
    if (p.linetype && p.linetype->elements.empty()) p.linetype = nullptr;
    p.linetypeScale = scaleTag ? scaleTag->DoubleOr(1) : 1;
    if (!(p.linetypeScale > 0) || !std::isfinite(p.linetypeScale)) p.linetypeScale = 1;
    int weight = weightTag ? static_cast<int>(weightTag->IntOr(-1)) : -1;
    if (weight == -1) weight = layer ? layer->lineweight : -3;
    else if (weight == -2) weight = ctx.byBlock.lineweight;
    p.lineweight = weight < 0 ? 25 : weight;
    return true;
}

const LayerInfo* EntityDrawer::FindLayer(std::string_view name) const {
    // Entities come in runs on one layer: the last one looked up is kept.
    if (m_lastLayerFound && name == m_lastLayerName) return m_lastLayer;
    m_lastLayer = drawing.FindLayer(name);
    m_lastLayerName = name;
    m_lastLayerFound = true;
    m_lastLayerLinetypeKnown = false;
    return m_lastLayer;
}

const TextStyleInfo& EntityDrawer::TextStyle(std::string_view name) const {
    if (!m_lastStyle || name != m_lastStyleName) {
        m_lastStyle = &drawing.TextStyle(name);
        m_lastStyleName = name;
    }
    return *m_lastStyle;
}

const LinetypeInfo* EntityDrawer::LayerLinetype(const LayerInfo& layer) const {
    if (&layer == m_lastLayer && m_lastLayerLinetypeKnown) return m_lastLayerLinetype;
    const LinetypeInfo* linetype = drawing.FindLinetype(layer.linetype);
    if (&layer == m_lastLayer) m_lastLayerLinetype = linetype, m_lastLayerLinetypeKnown = true;
    return linetype;
}

QColor EntityDrawer::ColorOf(const DrawingColor& color, const Context& ctx, const LayerInfo* layer) const {
    if (color.isTrue) return Rgb(color.rgb);
    int index = color.index;
    if (index == 0) return ctx.byBlock.color;
    if (index < 0 || index > 255) {
        if (!layer) return m_foreground;
        if (layer->color.isTrue) return Rgb(layer->color.rgb);
        index = layer->color.index;
    }
    if (index == 7 || index == 0) return m_foreground;
    return Rgb(AciRgb(index));
}

double EntityDrawer::Tolerance(const Context& ctx) const {
    const double pixel = canvas.PixelSize();
    const double scale = ctx.m.PlanScale();
    if (!(pixel > 0) || !(scale > 0)) return 0;
    return pixel * 0.25 / scale;
}

Pen EntityDrawer::PenOf(const Props& props) const {
    double px = props.lineweight / 100.0 / 25.4 * options.dpi;
    // Thin lines take the device's own hairline, the quickest to draw.
    if (px < 1.25 && !options.vectorDevice) px = 0;
    return {props.color, px};
}

void EntityDrawer::Stroke(const std::vector<Vec3>& points, bool closed, const Props& props, const Context& ctx) {
    std::vector<QPointF> world;
    world.reserve(points.size());
    for (const Vec3& p : points) world.push_back(Plan(ctx.m, p));
    StrokeWorld(world, closed, props, ctx.m.PlanScale());
}

void EntityDrawer::StrokeWorld(std::vector<QPointF>& points, bool closed, const Props& props, double patternScale) {
    if (points.empty()) return;
    const Pen pen = PenOf(props);
    const double pixel = canvas.PixelSize();
    const LinetypeInfo* type = props.linetype;
    const double scale = drawing.LinetypeScale() * props.linetypeScale * patternScale;
    // A pattern too fine for the device to show, or nothing to show it on, is a solid line.
    if (!type || !(pixel > 0) || type->length * scale < pixel * 4) {
        canvas.Polyline(points.data(), static_cast<int>(points.size()), closed, pen);
        return;
    }
    if (closed) points.push_back(points.front());
    double total = 0;
    for (size_t i = 1; i < points.size(); ++i) total += std::hypot(points[i].x() - points[i - 1].x(), points[i].y() - points[i - 1].y());
    if (total / (type->length * scale) > 200000) {
        canvas.Polyline(points.data(), static_cast<int>(points.size()), false, pen);
        return;
    }
    // Walk the polyline, element by element of the pattern.
    const std::vector<double>& elements = type->elements;
    size_t element = 0;
    double left = std::abs(elements[0]) * scale;  // of the current element
    std::vector<QPointF> dash;
    auto on = [&] { return elements[element] >= 0; };
    auto flush = [&] {
        if (dash.size() >= 2) canvas.Polyline(dash.data(), static_cast<int>(dash.size()), false, pen);
        dash.clear();
    };
    const double dot = pixel * 0.5;
    if (on()) dash.push_back(points[0]);
    for (size_t i = 1; i < points.size(); ++i) {
        QPointF a = points[i - 1];
        const QPointF b = points[i];
        double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        while (length > 0) {
            if (left > length) {
                left -= length;
                if (on()) dash.push_back(b);
                break;
            }
            const QPointF at = a + (b - a) * (left / length);
            length -= left;
            a = at;
            if (on()) {
                if (elements[element] == 0) dash.push_back(at + QPointF(dot, 0));
                else dash.push_back(at);
                flush();
            }
            element = (element + 1) % elements.size();
            left = std::abs(elements[element]) * scale;
            if (on()) dash.push_back(at);
            if (left == 0 && elements[element] != 0) left = 1e-300;
        }
    }
    flush();
}

void EntityDrawer::FillWorld(const std::vector<QPointF>& ring, const QColor& color) {
    if (ring.size() < 3) return;
    QPainterPath path;
    path.moveTo(ring[0]);
    for (size_t i = 1; i < ring.size(); ++i) path.lineTo(ring[i]);
    path.closeSubpath();
    canvas.Fill(path, color);
}

}  // namespace platform::view
