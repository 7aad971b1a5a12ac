// Lines, curves, polylines, points and filled shapes.
#include <array>
#include <cmath>

#include "view/Curves.h"
#include "view/EntityDrawer.h"

namespace platform::view {

namespace {

using dxf::entities::Arc;
using dxf::entities::Circle;
using dxf::entities::Ellipse;
using dxf::entities::Face3d;
using dxf::entities::Image;
using dxf::entities::Leader;
using dxf::entities::Line;
using dxf::entities::LwPolyline;
using dxf::entities::Mesh;
using dxf::entities::Polyline;
using dxf::entities::Ray;
using dxf::entities::Solid;
using dxf::entities::Spline;
using dxf::entities::Trace;
using dxf::entities::Wipeout;
using dxf::entities::XLine;

bool DrawLine(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    if (!p.linetype) {
        // Solid, as nearly all are (a table's grid): straight to the canvas.
        const QPointF ends[2] = {Plan(ctx.m, t.Get(Line::start)), Plan(ctx.m, t.Get(Line::end))};
        d.canvas.Polyline(ends, 2, false, d.PenOf(p));
        return true;
    }
    d.Stroke({t.Get(Line::start), t.Get(Line::end)}, false, p, ctx);
    return true;
}
const DrawerRegistration kLines({&Line::type}, DrawLine);

// Infinite lines are drawn across what the device shows, and add nothing to extents.
bool DrawConstructionLine(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    const bool ray = t.Type() == Ray::type.name;
    const Box view = d.canvas.Visible();
    if (view.Empty()) return true;
    const Vec3 base = ctx.m.Apply(t.Get(XLine::base));
    const Vec3 dir = ctx.m.ApplyVector(t.Get(XLine::direction));
    const double dx = dir.x, dy = dir.y;
    if (dx == 0 && dy == 0) return true;
    // Liang-Barsky on the parameter of base + s * dir.
    double lo = ray ? 0 : -1e300, hi = 1e300;
    auto clip = [&](double q, double r) {
        if (q == 0) return r >= 0;
        const double s = r / q;
        if (q < 0) lo = std::max(lo, s);
        else hi = std::min(hi, s);
        return true;
    };
    const Box b = view.Grown(std::max(view.Width(), view.Height()) * 0.01);
    if (!clip(-dx, base.x - b.x0) || !clip(dx, b.x1 - base.x) || !clip(-dy, base.y - b.y0) || !clip(dy, b.y1 - base.y) || lo > hi)
        return true;
    std::vector<QPointF> line{{base.x + dx * lo, base.y + dy * lo}, {base.x + dx * hi, base.y + dy * hi}};
    d.StrokeWorld(line, false, p, ctx.m.PlanScale());
    return true;
}
const DrawerRegistration kConstructionLines({&XLine::type, &Ray::type}, DrawConstructionLine);

bool DrawCircle(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    const bool arc = t.Type() == Arc::type.name;
    const double r = t.Get(Circle::radius);
    if (!(r > 0)) return true;
    const Context local = ctx.Within(OcsMatrix(t.Get(Circle::extrusion)));
    std::vector<Vec3> points;
    double start = 0, end = 2 * kPi;
    if (arc) {
        start = Radians(t.Get(Arc::startAngle));
        end = Radians(t.Get(Arc::endAngle));
        while (end <= start) end += 2 * kPi;
    }
    AppendArc(points, t.Get(Circle::center), r, start, end, d.Tolerance(local));
    if (!arc) points.pop_back();
    d.Stroke(points, !arc, p, local);
    return true;
}
const DrawerRegistration kCircles({&Circle::type, &Arc::type}, DrawCircle);

bool DrawEllipse(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    const Vec3 center = t.Get(Ellipse::center), major = t.Get(Ellipse::majorAxis);
    const double ratio = t.Get(Ellipse::ratio);
    const Vec3 minor = t.Get(Ellipse::extrusion).Normalized().Cross(major) * ratio;
    double start = t.Get(Ellipse::startParameter), end = t.Get(Ellipse::endParameter);
    if (major.Length() == 0) return true;
    const bool full = std::abs(std::abs(end - start) - 2 * kPi) < 1e-9 || (start == 0 && end == 0);
    if (full) start = 0, end = 2 * kPi;
    while (end <= start) end += 2 * kPi;
    std::vector<Vec3> points;
    AppendEllipse(points, center, major, minor, start, end, d.Tolerance(ctx));
    if (full) points.pop_back();
    d.Stroke(points, full, p, ctx);
    return true;
}
const DrawerRegistration kEllipses({&Ellipse::type}, DrawEllipse);

struct PolylineVertex {
    Vec3 point;
    double startWidth = 0, endWidth = 0, bulge = 0;
};

// The points of a 2D polyline (bulges as arcs) and the widths of each piece between two
// points. A segment runs from its start vertex's start width to that vertex's end width; the
// next segment starts again at its own vertex's start width, so the width at a shared point
// belongs to the piece, not to the point.
struct PieceWidth {
    double start = 0, end = 0;
};
void Flatten(const std::vector<PolylineVertex>& vertices, bool closed, double tolerance, std::vector<Vec3>& points,
             std::vector<PieceWidth>& widths) {
    const size_t n = vertices.size();
    if (n == 0) return;
    points.push_back(vertices[0].point);
    const size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
        const PolylineVertex& a = vertices[i];
        const PolylineVertex& b = vertices[(i + 1) % n];
        const size_t before = points.size();
        AppendBulge(points, a.point, b.point, a.bulge, tolerance);
        const size_t added = points.size() - before;
        const auto at = [&](size_t k) { return a.startWidth + (a.endWidth - a.startWidth) * static_cast<double>(k) / static_cast<double>(added); };
        for (size_t k = 1; k <= added; ++k) widths.push_back({at(k - 1), at(k)});
    }
}

bool AnyWidth(const std::vector<PolylineVertex>& vertices) {
    for (const PolylineVertex& v : vertices)
        if (v.startWidth > 0 || v.endWidth > 0) return true;
    return false;
}

// A wide polyline as filled quadrilaterals: its points (entity coordinates) with the widths
// of each piece between them.
void FillWide(EntityDrawer& d, const std::vector<Vec3>& points, const std::vector<PieceWidth>& widths, const Props& p,
              const Context& ctx) {
    for (size_t i = 1; i < points.size() && i - 1 < widths.size(); ++i) {
        const Vec3 a = points[i - 1], b = points[i];
        const Vec3 along = b - a;
        const double len = std::hypot(along.x, along.y);
        if (len == 0) continue;
        const Vec3 n{-along.y / len, along.x / len, 0};
        const double wa = widths[i - 1].start / 2, wb = widths[i - 1].end / 2;
        const std::vector<QPointF> quad{Plan(ctx.m, a + n * wa), Plan(ctx.m, b + n * wb), Plan(ctx.m, b - n * wb),
                                        Plan(ctx.m, a - n * wa)};
        d.FillWorld(quad, p.color);
    }
}

bool DrawLwPolyline(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    const size_t start = t.After(LwPolyline::kSubclasses[0].marker);
    const int flags = static_cast<int>(t.Get(LwPolyline::flags));
    const double constant = t.Get(LwPolyline::constantWidth);
    const double elevation = t.Get(LwPolyline::elevation);
    std::vector<PolylineVertex> vertices;
    for (size_t i = start; i < t.End(); ++i) {
        if (t.Is(i, LwPolyline::vertex)) {
            Vec3 pt = t.PointAt(i);
            pt.z = elevation;
            vertices.push_back({pt, constant, constant, 0});
        } else if (!vertices.empty()) {
            if (t.Is(i, LwPolyline::startWidth)) vertices.back().startWidth = t[i].DoubleOr(0);
            else if (t.Is(i, LwPolyline::endWidth)) vertices.back().endWidth = t[i].DoubleOr(0);
            else if (t.Is(i, LwPolyline::bulge)) vertices.back().bulge = t[i].DoubleOr(0);
        }
    }
    if (vertices.empty()) return true;
    const Context local = ctx.Within(OcsMatrix(t.Get(LwPolyline::extrusion)));
    const bool closed = (flags & 1) != 0;
    std::vector<Vec3> points;
    std::vector<PieceWidth> widths;
    Flatten(vertices, closed, d.Tolerance(local), points, widths);
    if (points.size() == 1) points.push_back(points[0]);
    if (AnyWidth(vertices)) FillWide(d, points, widths, p, local);
    d.Stroke(points, closed && points.size() > 2, p, local);
    return true;
}
const DrawerRegistration kLwPolylines({&LwPolyline::type}, DrawLwPolyline);

bool DrawPolyline(EntityDrawer& d, const EntityTags& head, const Props& p, const Context& ctx, const Parts& parts) {
    using dxf::entities::Vertex;
    const int flags = static_cast<int>(head.Get(Polyline::flags));
    const double defaultStart = head.Get(Polyline::startWidth), defaultEnd = head.Get(Polyline::endWidth);
    std::vector<PolylineVertex> vertices;
    std::vector<std::array<int, 4>> faces;
    for (size_t k = parts.begin; k < parts.end; ++k) {
        if (parts.range[k].Type() != Vertex::type.name) continue;
        const EntityTags v(parts.range[k]);
        const int vflags = static_cast<int>(v.Get(Vertex::flags));
        if ((flags & Polyline::kPolyfaceMesh) && (vflags & Vertex::kFaceRecord) && !(vflags & Vertex::kMeshVertex)) {
            faces.push_back({static_cast<int>(v.Get(Vertex::face1)), static_cast<int>(v.Get(Vertex::face2)),
                             static_cast<int>(v.Get(Vertex::face3)), static_cast<int>(v.Get(Vertex::face4))});
            continue;
        }
        if (vflags & Vertex::kSplineFrame) continue;  // a spline's frame control point
        vertices.push_back({v.Get(Vertex::location), v.Get(Vertex::startWidth, defaultStart), v.Get(Vertex::endWidth, defaultEnd),
                            v.Get(Vertex::bulge)});
    }
    if (flags & Polyline::kPolyfaceMesh) {  // the faces' visible edges
        for (const auto& f : faces) {
            int count = 0;
            while (count < 4 && f[count] != 0) ++count;
            for (int e = 0; e < count; ++e) {
                const int a = f[e], b = f[(e + 1) % count];
                if (a < 0) continue;  // a negative index hides the edge that starts there
                const size_t ia = static_cast<size_t>(std::abs(a)) - 1, ib = static_cast<size_t>(std::abs(b)) - 1;
                if (ia < vertices.size() && ib < vertices.size()) d.Stroke({vertices[ia].point, vertices[ib].point}, false, p, ctx);
            }
        }
        return true;
    }
    if (flags & Polyline::kPolygonMesh) {  // M rows of N vertices
        const int m = static_cast<int>(head.Get(Polyline::meshM)), n = static_cast<int>(head.Get(Polyline::meshN));
        if (m <= 0 || n <= 0 || static_cast<size_t>(m) * n > vertices.size()) return true;
        for (int r = 0; r < m; ++r) {
            std::vector<Vec3> row;
            for (int c = 0; c < n; ++c) row.push_back(vertices[static_cast<size_t>(r * n + c)].point);
            d.Stroke(row, (flags & Polyline::kClosedN) != 0, p, ctx);
        }
        for (int c = 0; c < n; ++c) {
            std::vector<Vec3> column;
            for (int r = 0; r < m; ++r) column.push_back(vertices[static_cast<size_t>(r * n + c)].point);
            d.Stroke(column, (flags & Polyline::kClosed) != 0, p, ctx);
        }
        return true;
    }
    if (vertices.empty()) return true;
    const bool closed = (flags & Polyline::kClosed) != 0;
    if (flags & Polyline::k3d) {  // in world coordinates
        std::vector<Vec3> points;
        for (const PolylineVertex& v : vertices) points.push_back(v.point);
        d.Stroke(points, closed, p, ctx);
        return true;
    }
    const double elevation = head.Get(Polyline::elevation).z;
    for (PolylineVertex& v : vertices) v.point.z = elevation;
    const Context local = ctx.Within(OcsMatrix(head.Get(Polyline::extrusion)));
    std::vector<Vec3> points;
    std::vector<PieceWidth> widths;
    Flatten(vertices, closed, d.Tolerance(local), points, widths);
    if (AnyWidth(vertices)) FillWide(d, points, widths, p, local);
    d.Stroke(points, closed && points.size() > 2, p, local);
    return true;
}
const DrawerRegistration kPolylines({&Polyline::type}, DrawPolyline);

bool DrawSpline(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    SplineData s;
    const size_t start = t.After(Spline::kSubclasses[0].marker);
    const int flags = static_cast<int>(t.Get(Spline::flags));
    s.degree = static_cast<int>(t.Get(Spline::degree));
    s.closed = (flags & 1) != 0;
    for (size_t i = start; i < t.End(); ++i) {
        if (t.Is(i, Spline::knot)) s.knots.push_back(t[i].DoubleOr(0));
        else if (t.Is(i, Spline::weight)) s.weights.push_back(t[i].DoubleOr(Spline::weight.fallback));
        else if (t.Is(i, Spline::control)) s.controls.push_back(t.PointAt(i));
        else if (t.Is(i, Spline::fit)) s.fits.push_back(t.PointAt(i));
        else if (t.Is(i, Spline::startTangent)) s.startTangent = t.PointAt(i);
        else if (t.Is(i, Spline::endTangent)) s.endTangent = t.PointAt(i);
    }
    std::vector<Vec3> points = SplinePoints(s, d.Tolerance(ctx));
    if (points.size() < 2) return true;
    d.Stroke(points, false, p, ctx);
    return true;
}
const DrawerRegistration kSplines({&Spline::type}, DrawSpline);

bool DrawPoint(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    const Vec3 at = t.Get(dxf::entities::Point::location);
    const int mode = static_cast<int>(d.drawing.HeaderDouble("$PDMODE", 0));
    const QPointF w = Plan(ctx.m, at);
    Canvas& canvas = d.canvas;
    const double pixel = canvas.PixelSize();
    if ((mode & 31) == 1 && !(mode & 96)) return true;
    double size = d.drawing.HeaderDouble("$PDSIZE", 0) * ctx.m.PlanScale();
    if (!(size > 0)) size = pixel * 6;
    const double h = size / 2;
    std::vector<QPointF> dot{w, w + QPointF(pixel > 0 ? pixel * 0.5 : 0, 0)};
    const Pen pen = d.PenOf(p);
    switch (mode & 31) {
    case 0: canvas.Polyline(dot.data(), 2, false, pen); break;
    case 2: {
        QPointF a[2]{w - QPointF(h, 0), w + QPointF(h, 0)}, b[2]{w - QPointF(0, h), w + QPointF(0, h)};
        canvas.Polyline(a, 2, false, pen), canvas.Polyline(b, 2, false, pen);
        break;
    }
    case 3: {
        QPointF a[2]{w - QPointF(h, h), w + QPointF(h, h)}, b[2]{w + QPointF(-h, h), w + QPointF(h, -h)};
        canvas.Polyline(a, 2, false, pen), canvas.Polyline(b, 2, false, pen);
        break;
    }
    case 4: {
        QPointF a[2]{w, w + QPointF(0, h)};
        canvas.Polyline(a, 2, false, pen);
        break;
    }
    default: canvas.Polyline(dot.data(), 2, false, pen); break;
    }
    if (mode & 32) {
        std::vector<Vec3> circle;
        AppendArc(circle, {w.x(), w.y(), 0}, h, 0, 2 * kPi, pixel * 0.25);
        std::vector<QPointF> ring;
        for (const Vec3& c : circle) ring.emplace_back(c.x, c.y);
        canvas.Polyline(ring.data(), static_cast<int>(ring.size()), true, pen);
    }
    if (mode & 64) {
        QPointF square[4]{w + QPointF(-h, -h), w + QPointF(h, -h), w + QPointF(h, h), w + QPointF(-h, h)};
        canvas.Polyline(square, 4, true, pen);
    }
    return true;
}
const DrawerRegistration kPoints({&dxf::entities::Point::type}, DrawPoint);

bool DrawSolid(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    const Matrix m = ctx.m * OcsMatrix(t.Get(Solid::extrusion));
    const Vec3 c = t.Get(Solid::third);
    // The third and fourth corners are stored crosswise.
    const std::vector<QPointF> ring{Plan(m, t.Get(Solid::first)), Plan(m, t.Get(Solid::second)), Plan(m, t.Get(Solid::fourth, c)),
                                    Plan(m, c)};
    d.FillWorld(ring, p.color);
    std::vector<QPointF> outline = ring;
    d.canvas.Polyline(outline.data(), 4, true, d.PenOf(p));
    return true;
}
const DrawerRegistration kSolids({&Solid::type, &Trace::type}, DrawSolid);

bool Draw3dFace(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    const Vec3 third = t.Get(Face3d::third);
    const Vec3 v[4]{t.Get(Face3d::first), t.Get(Face3d::second), third, t.Get(Face3d::fourth, third)};
    const int hidden = static_cast<int>(t.Get(Face3d::hiddenEdges));
    for (int e = 0; e < 4; ++e)
        if (!(hidden & (1 << e))) d.Stroke({v[e], v[(e + 1) % 4]}, false, p, ctx);
    return true;
}
const DrawerRegistration kFaces({&Face3d::type}, Draw3dFace);

bool DrawMesh(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    // The base mesh, as the drawing stores it: its faces' edges (a smoothed mesh is drawn
    // unsmoothed).
    const size_t count = t.Find(Mesh::vertexCount, t.After(Mesh::vertexCount.subclass));
    std::vector<Vec3> vertices;
    size_t i = count + 1;
    const auto total = static_cast<size_t>(std::max<std::int64_t>(count < t.End() ? t[count].IntOr(0) : 0, 0));
    const int x = Mesh::vertex.code;
    for (; i < t.End() && (vertices.size() < total || t[i].code != x); ++i) {
        if (t[i].code == x) vertices.push_back(t.PointAt(i));
        else if (t[i].code != x + 10 && t[i].code != x + 20) break;
    }
    const size_t faces = t.Find(Mesh::faceListSize, i);
    if (faces >= t.End()) return true;
    const auto size = static_cast<size_t>(std::max<std::int64_t>(t[faces].IntOr(0), 0));
    std::vector<std::int64_t> list;
    for (size_t k = faces + 1; k < t.End() && t.Is(k, Mesh::faceItem) && list.size() < size; ++k) list.push_back(t[k].IntOr(-1));
    for (size_t k = 0; k < list.size();) {
        const auto n = static_cast<size_t>(std::max<std::int64_t>(list[k], 0));
        std::vector<Vec3> face;
        for (size_t v = k + 1; v <= k + n && v < list.size(); ++v)
            if (list[v] >= 0 && static_cast<size_t>(list[v]) < vertices.size()) face.push_back(vertices[static_cast<size_t>(list[v])]);
        if (face.size() >= 2) d.Stroke(face, true, p, ctx);
        k += n + 1;
    }
    return true;
}
const DrawerRegistration kMeshes({&Mesh::type}, DrawMesh);

// An image's frame, or a wipeout, filled with the background.
bool DrawImageFrame(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    const bool wipeout = t.Type() == Wipeout::type.name;
    const Vec3 origin = t.Get(Image::insert), u = t.Get(Image::uPixel), v = t.Get(Image::vPixel);
    const Vec3 size = t.Get(Image::size);
    std::vector<Vec3> boundary;
    for (size_t i = t.Find(Image::boundaryVertex, 0); i < t.End(); i = t.Find(Image::boundaryVertex, i + 1)) boundary.push_back(t.PointAt(i));
    const bool clipped = t.Get(wipeout ? Wipeout::clipped : Image::clipped) != 0 && boundary.size() >= 2;
    if (!clipped || t.Get(Image::boundaryType) == 1) {
        // A rectangle, from two opposite corners (pixel coordinates, from the top left).
        const Vec3 a = clipped ? boundary[0] : Vec3{-0.5, -0.5, 0};
        const Vec3 b = clipped ? boundary[1] : Vec3{size.x - 0.5, size.y - 0.5, 0};
        boundary = {{a.x, a.y, 0}, {b.x, a.y, 0}, {b.x, b.y, 0}, {a.x, b.y, 0}};
    }
    // Pixel (x, y) from the top left corner to the world.
    const Vec3 corner = origin + u * 0.5 - v * 0.5;
    std::vector<QPointF> ring;
    for (const Vec3& b : boundary) ring.push_back(Plan(ctx.m, corner + u * b.x + v * (size.y - b.y)));
    if (ring.size() > 2 && ring.front() == ring.back()) ring.pop_back();
    if (wipeout) {
        d.FillWorld(ring, d.options.background);
        return true;
    }
    d.canvas.Polyline(ring.data(), static_cast<int>(ring.size()), true, d.PenOf(p));
    return true;
}
const DrawerRegistration kImages({&Image::type, &Wipeout::type}, DrawImageFrame);

bool DrawLeader(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    std::vector<Vec3> points;
    for (size_t i = t.Find(Leader::vertex, 0); i < t.End(); i = t.Find(Leader::vertex, i + 1)) points.push_back(t.PointAt(i));
    if (points.size() < 2) return true;
    if (t.Get(Leader::pathType) == 1 && points.size() > 2) {
        SplineData s;
        s.fits = points;
        points = SplinePoints(s, d.Tolerance(ctx));
    }
    d.Stroke(points, false, p, ctx);
    if (t.Get(Leader::arrowhead) == 0) return true;
    // The closed filled arrow at the first vertex, of the drawing's arrow size.
    double size = d.drawing.HeaderDouble("$DIMASZ", 0.18) * d.drawing.HeaderDouble("$DIMSCALE", 1);
    if (!(size > 0)) size = 0.18;
    const Vec3 tip = points[0];
    Vec3 along = points[1] - tip;
    const double len = std::hypot(along.x, along.y);
    if (len == 0 || len < size) return true;
    along = along * (1 / len);
    const Vec3 n{-along.y, along.x, 0};
    const Vec3 back = tip + along * size;
    d.FillWorld({Plan(ctx.m, tip), Plan(ctx.m, back + n * (size / 6)), Plan(ctx.m, back - n * (size / 6))}, p.color);
    return true;
}
const DrawerRegistration kLeaders({&Leader::type}, DrawLeader);

}  // namespace

}  // namespace platform::view
