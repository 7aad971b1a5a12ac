#include "view/EntityDrawer.h"

#include <cmath>
#include <unordered_map>
#include <utility>

#include "dxf/EntityTypes.h"
#include "view/Aci.h"

namespace platform::view {

namespace {

QColor Rgb(std::uint32_t rgb) { return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF)); }

// The types drawn and their drawing functions, by type name, as their files register them at
// start-up.
std::unordered_map<std::string_view, std::pair<const dxf::EntityType*, DrawFunction>>& Registered() {
    static std::unordered_map<std::string_view, std::pair<const dxf::EntityType*, DrawFunction>> drawers;
    return drawers;
}

}  // namespace

DrawerRegistration::DrawerRegistration(std::initializer_list<const dxf::EntityType*> types, DrawFunction draw) {
    for (const dxf::EntityType* type : types) Registered()[type->name] = {type, draw};
}

std::size_t RenderStats::SkippedCount() const {
    std::size_t n = 0;
    for (const auto& [type, count] : skipped) n += count;
    return n;
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

const EntityDrawer::TypeDrawing& EntityDrawer::DrawingOf(std::string_view type) {
    if (type == m_recent[0].name) return m_recent[0];
    if (type == m_recent[1].name) std::swap(m_recent[0], m_recent[1]);
    if (type == m_recent[0].name) return m_recent[0];
    const auto registered = Registered().find(type);
    const dxf::EntityType* described = registered != Registered().end() ? registered->second.first : dxf::FindEntityType(type);
    if (!described) return m_unknown;  // not kept: its name may not outlive the entity
    m_recent[1] = m_recent[0];
    m_recent[0] = {described->name, described, registered != Registered().end() ? registered->second.second : nullptr};
    return m_recent[0];
}

size_t EntityDrawer::DrawAt(const EntityRange& range, size_t i, const Context& ctx) {
    const TypeDrawing& kind = DrawingOf(range[i].Type());
    const dxf::EntityType* type = kind.type;
    const DrawFunction draw = kind.draw;
    size_t end = i + 1;
    if (type && !type->followers.empty()) {
        const dxf::Tag* flag = type->followersFlag ? range[i].Find(type->followersFlag->code) : nullptr;
        if (!type->followersFlag || (flag && flag->IntOr(0) == 1)) {
            while (end < range.size() && range[end].Type() == type->followers) ++end;
            if (end < range.size() && range[end].Type() == dxf::entities::SeqEnd::type.name) ++end;
        }
    }
    if (type && type->part) return end;
    if (ctx.repeat && !Charge(1)) return end;
    DrawEntity(range, i, end, ctx, draw);
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

void EntityDrawer::DrawEntity(const EntityRange& range, size_t i, size_t end, const Context& ctx, DrawFunction draw) {
    const EntityTags t(range[i]);
    Props p;
    if (!Resolve(t, ctx, p)) return;
    if (!draw || !draw(*this, t, p, ctx, Parts{range, i + 1, end})) {
        ++stats.skipped[std::string(t.Type())];
        return;
    }
    ++stats.drawn;
}

bool EntityDrawer::Resolve(const EntityTags& t, const Context& ctx, Props& p) const {
    const EntityTags::Common common = t.CommonValues();
    const auto tagAt = [&](size_t i) { return i == EntityTags::kNone ? nullptr : &t[i]; };
    const dxf::Tag *visibility = tagAt(common.visibility), *layerTag = tagAt(common.layer), *colorTag = tagAt(common.color),
                   *trueColor = tagAt(common.trueColor), *typeTag = tagAt(common.linetype), *scaleTag = tagAt(common.linetypeScale),
                   *weightTag = tagAt(common.lineweight);
    using E = dxf::entities::Entity;
    if (visibility && visibility->IntOr(0) == 1) return false;  // invisible
    const std::string_view layerName = layerTag ? layerTag->Value() : E::layer.fallback;
    const LayerInfo* layer = (ctx.blockLayer && layerName == "0") ? ctx.blockLayer : FindLayer(layerName);
    if (layer) {
        if (layer->off || layer->frozen) return false;
        if (options.plotting && !layer->plottable) return false;
        if (ctx.frozen && ctx.frozen->count(layer->handle)) return false;
    }
    p.layer = layer;
    DrawingColor color;
    color.index = static_cast<int>(colorTag ? colorTag->IntOr(E::color.fallback) : E::color.fallback);
    if (trueColor) color.isTrue = true, color.rgb = static_cast<std::uint32_t>(trueColor->IntOr(0)) & 0xFFFFFF;
    p.color = ColorOf(color, ctx, layer);
    const std::string_view type = typeTag ? typeTag->Value() : E::linetype.fallback;
    if (!typeTag || dxf::SameName(type, "BYLAYER")) p.linetype = layer ? LayerLinetype(*layer) : nullptr;
    else if (dxf::SameName(type, "BYBLOCK")) p.linetype = ctx.byBlock.linetype;
    else p.linetype = drawing.FindLinetype(type);
    if (p.linetype && p.linetype->elements.empty()) p.linetype = nullptr;
    p.linetypeScale = scaleTag ? scaleTag->DoubleOr(E::linetypeScale.fallback) : E::linetypeScale.fallback;
    if (!(p.linetypeScale > 0) || !std::isfinite(p.linetypeScale)) p.linetypeScale = 1;
    int weight = static_cast<int>(weightTag ? weightTag->IntOr(E::lineweight.fallback) : E::lineweight.fallback);
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
