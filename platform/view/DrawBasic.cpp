// Lines, curves, polylines, points and filled shapes.
#include <array>
#include <cmath>

#include "view/Curves.h"
#include "view/EntityDrawer.h"

namespace platform::view {

void EntityDrawer::DrawLine(const EntityTags& t, const Props& p, const Context& ctx) {
    if (!p.linetype) {
        // Solid, as nearly all are (a table's grid): straight to the canvas.
        const QPointF ends[2] = {Plan(ctx.m, t.Point(10)), Plan(ctx.m, t.Point(11))};
        return canvas.Polyline(ends, 2, false, PenOf(p));
    }
    Stroke({t.Point(10), t.Point(11)}, false, p, ctx);
}

// Infinite lines are drawn across what the device shows, and add nothing to extents.
void EntityDrawer::DrawConstructionLine(const EntityTags& t, const Props& p, const Context& ctx, bool ray) {
    const Box view = canvas.Visible();
    if (view.Empty()) return;
    const Vec3 base = ctx.m.Apply(t.Point(10));
    const Vec3 dir = ctx.m.ApplyVector(t.Point(11, {1, 0, 0}));
    const double dx = dir.x, dy = dir.y;
    if (dx == 0 && dy == 0) return;
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
        return;
    std::vector<QPointF> line{{base.x + dx * lo, base.y + dy * lo}, {base.x + dx * hi, base.y + dy * hi}};
    StrokeWorld(line, false, p, ctx.m.PlanScale());
}

void EntityDrawer::DrawCircle(const EntityTags& t, const Props& p, const Context& ctx, bool arc) {
    const double r = t.Double(40);
    if (!(r > 0)) return;
    const Context local = ctx.Within(OcsMatrix(t.Extrusion()));
    std::vector<Vec3> points;
    double start = 0, end = 2 * kPi;
    if (arc) {
        start = Radians(t.Double(50));
        end = Radians(t.Double(51));
        while (end <= start) end += 2 * kPi;
    }
    AppendArc(points, t.Point(10), r, start, end, Tolerance(local));
    if (!arc) points.pop_back();
    Stroke(points, !arc, p, local);
}

void EntityDrawer::DrawEllipse(const EntityTags& t, const Props& p, const Context& ctx) {
    const Vec3 center = t.Point(10), major = t.Point(11, {1, 0, 0});
    const double ratio = t.Double(40, 1);
    const Vec3 minor = t.Extrusion().Normalized().Cross(major) * ratio;
    double start = t.Double(41, 0), end = t.Double(42, 2 * kPi);
    if (major.Length() == 0) return;
    const bool full = std::abs(std::abs(end - start) - 2 * kPi) < 1e-9 || (start == 0 && end == 0);
    if (full) start = 0, end = 2 * kPi;
    while (end <= start) end += 2 * kPi;
    std::vector<Vec3> points;
    AppendEllipse(points, center, major, minor, start, end, Tolerance(ctx));
    if (full) points.pop_back();
    Stroke(points, full, p, ctx);
}

namespace {

struct Vertex {
    Vec3 point;
    double startWidth = 0, endWidth = 0, bulge = 0;
};

// The points of a 2D polyline (bulges as arcs) and the width at each point.
void Flatten(const std::vector<Vertex>& vertices, bool closed, double tolerance, std::vector<Vec3>& points,
             std::vector<double>& widths) {
    const size_t n = vertices.size();
    if (n == 0) return;
    points.push_back(vertices[0].point);
    widths.push_back(vertices[0].startWidth);
    const size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
        const Vertex& a = vertices[i];
        const Vertex& b = vertices[(i + 1) % n];
        const size_t before = points.size();
        AppendBulge(points, a.point, b.point, a.bulge, tolerance);
        const size_t added = points.size() - before;
        for (size_t k = 1; k <= added; ++k) widths.push_back(a.startWidth + (a.endWidth - a.startWidth) * k / added);
    }
}

bool AnyWidth(const std::vector<Vertex>& vertices) {
    for (const Vertex& v : vertices)
        if (v.startWidth > 0 || v.endWidth > 0) return true;
    return false;
}

}  // namespace

void EntityDrawer::FillWide(const std::vector<Vec3>& points, const std::vector<double>& widths, const Props& p,
                            const Context& ctx) {
    for (size_t i = 1; i < points.size(); ++i) {
        const Vec3 a = points[i - 1], b = points[i];
        const Vec3 d = b - a;
        const double len = std::hypot(d.x, d.y);
        if (len == 0) continue;
        const Vec3 n{-d.y / len, d.x / len, 0};
        const double wa = widths[i - 1] / 2, wb = widths[i] / 2;
        const std::vector<QPointF> quad{Plan(ctx.m, a + n * wa), Plan(ctx.m, b + n * wb), Plan(ctx.m, b - n * wb),
                                        Plan(ctx.m, a - n * wa)};
        FillWorld(quad, p.color);
    }
}

void EntityDrawer::DrawLwPolyline(const EntityTags& t, const Props& p, const Context& ctx) {
    const size_t start = t.After("AcDbPolyline");
    const int flags = static_cast<int>(t.Int(70));
    const double constant = t.Double(43);
    const double elevation = t.Double(38);
    std::vector<Vertex> vertices;
    for (size_t i = start; i < t.End(); ++i) {
        const int code = t[i].code;
        if (code == 10) {
            Vec3 pt = t.PointAt(i);
            pt.z = elevation;
            vertices.push_back({pt, constant, constant, 0});
        } else if (!vertices.empty()) {
            if (code == 40) vertices.back().startWidth = t[i].DoubleOr(0);
            else if (code == 41) vertices.back().endWidth = t[i].DoubleOr(0);
            else if (code == 42) vertices.back().bulge = t[i].DoubleOr(0);
        }
    }
    if (vertices.empty()) return;
    const Context local = ctx.Within(OcsMatrix(t.Extrusion()));
    const bool closed = (flags & 1) != 0;
    std::vector<Vec3> points;
    std::vector<double> widths;
    Flatten(vertices, closed, Tolerance(local), points, widths);
    if (points.size() == 1) points.push_back(points[0]);
    if (AnyWidth(vertices)) FillWide(points, widths, p, local);
    Stroke(points, closed && points.size() > 2, p, local);
}

void EntityDrawer::DrawPolyline(const EntityRange& range, size_t i, size_t end, const Props& p, const Context& ctx) {
    const EntityTags head(range[i]);
    const int flags = static_cast<int>(head.Int(70));
    const double defaultStart = head.Double(40), defaultEnd = head.Double(41);
    std::vector<Vertex> vertices;
    std::vector<std::array<int, 4>> faces;
    for (size_t k = i + 1; k < end; ++k) {
        if (range[k].Type() != "VERTEX") continue;
        const EntityTags v(range[k]);
        const int vflags = static_cast<int>(v.Int(70));
        if ((flags & 64) && (vflags & 128) && !(vflags & 64)) {  // a face record of a polyface mesh
            faces.push_back({static_cast<int>(v.Int(71)), static_cast<int>(v.Int(72)), static_cast<int>(v.Int(73)),
                             static_cast<int>(v.Int(74))});
            continue;
        }
        if (vflags & 16) continue;  // a spline's frame control point
        vertices.push_back({v.Point(10), v.Double(40, defaultStart), v.Double(41, defaultEnd), v.Double(42)});
    }
    if (flags & 64) {  // polyface mesh: the faces' visible edges
        for (const auto& f : faces) {
            int count = 0;
            while (count < 4 && f[count] != 0) ++count;
            for (int e = 0; e < count; ++e) {
                const int a = f[e], b = f[(e + 1) % count];
                if (a < 0) continue;  // a negative index hides the edge that starts there
                const size_t ia = static_cast<size_t>(std::abs(a)) - 1, ib = static_cast<size_t>(std::abs(b)) - 1;
                if (ia < vertices.size() && ib < vertices.size()) Stroke({vertices[ia].point, vertices[ib].point}, false, p, ctx);
            }
        }
        return;
    }
    if (flags & 16) {  // polygon mesh: M rows of N vertices
        const int m = static_cast<int>(head.Int(71)), n = static_cast<int>(head.Int(72));
        if (m <= 0 || n <= 0 || static_cast<size_t>(m) * n > vertices.size()) return;
        for (int r = 0; r < m; ++r) {
            std::vector<Vec3> row;
            for (int c = 0; c < n; ++c) row.push_back(vertices[static_cast<size_t>(r * n + c)].point);
            Stroke(row, (flags & 32) != 0, p, ctx);
        }
        for (int c = 0; c < n; ++c) {
            std::vector<Vec3> column;
            for (int r = 0; r < m; ++r) column.push_back(vertices[static_cast<size_t>(r * n + c)].point);
            Stroke(column, (flags & 1) != 0, p, ctx);
        }
        return;
    }
    if (vertices.empty()) return;
    const bool closed = (flags & 1) != 0;
    if (flags & 8) {  // 3D polyline, in world coordinates
        std::vector<Vec3> points;
        for (const Vertex& v : vertices) points.push_back(v.point);
        Stroke(points, closed, p, ctx);
        return;
    }
    const double elevation = head.Point(10).z;
    for (Vertex& v : vertices) v.point.z = elevation;
    const Context local = ctx.Within(OcsMatrix(head.Extrusion()));
    std::vector<Vec3> points;
    std::vector<double> widths;
    Flatten(vertices, closed, Tolerance(local), points, widths);
    if (AnyWidth(vertices)) FillWide(points, widths, p, local);
    Stroke(points, closed && points.size() > 2, p, local);
}

void EntityDrawer::DrawSpline(const EntityTags& t, const Props& p, const Context& ctx) {
    SplineData s;
    const size_t start = t.After("AcDbSpline");
    const int flags = static_cast<int>(t.Int(70, 0, start));
    s.degree = static_cast<int>(t.Int(71, 3, start));
    s.closed = (flags & 1) != 0;
    for (size_t i = start; i < t.End(); ++i) {
        switch (t[i].code) {
        case 40: s.knots.push_back(t[i].DoubleOr(0)); break;
        case 41: s.weights.push_back(t[i].DoubleOr(1)); break;
        case 10: s.controls.push_back(t.PointAt(i)); break;
        case 11: s.fits.push_back(t.PointAt(i)); break;
        case 12: s.startTangent = t.PointAt(i); break;
        case 13: s.endTangent = t.PointAt(i); break;
        default: break;
        }
    }
    std::vector<Vec3> points = SplinePoints(s, Tolerance(ctx));
    if (points.size() < 2) return;
    Stroke(points, false, p, ctx);
}

void EntityDrawer::DrawPoint(const EntityTags& t, const Props& p, const Context& ctx) {
    const Vec3 at = t.Point(10);
    const int mode = static_cast<int>(drawing.HeaderDouble("$PDMODE", 0));
    const QPointF w = Plan(ctx.m, at);
    const double pixel = canvas.PixelSize();
    if ((mode & 31) == 1 && !(mode & 96)) return;
    double size = drawing.HeaderDouble("$PDSIZE", 0) * ctx.m.PlanScale();
    if (!(size > 0)) size = pixel * 6;
    const double h = size / 2;
    std::vector<QPointF> dot{w, w + QPointF(pixel > 0 ? pixel * 0.5 : 0, 0)};
    const Pen pen = PenOf(p);
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
}

void EntityDrawer::DrawSolid(const EntityTags& t, const Props& p, const Context& ctx) {
    const Matrix m = ctx.m * OcsMatrix(t.Extrusion());
    const Vec3 c = t.Point(12);
    // The third and fourth corners are stored crosswise.
    const std::vector<QPointF> ring{Plan(m, t.Point(10)), Plan(m, t.Point(11)), Plan(m, t.Point(13, c)), Plan(m, c)};
    FillWorld(ring, p.color);
    std::vector<QPointF> outline = ring;
    canvas.Polyline(outline.data(), 4, true, PenOf(p));
}

void EntityDrawer::Draw3dFace(const EntityTags& t, const Props& p, const Context& ctx) {
    const Vec3 v[4]{t.Point(10), t.Point(11), t.Point(12), t.Point(13, t.Point(12))};
    const int hidden = static_cast<int>(t.Int(70));
    for (int e = 0; e < 4; ++e)
        if (!(hidden & (1 << e))) Stroke({v[e], v[(e + 1) % 4]}, false, p, ctx);
}

void EntityDrawer::DrawMesh(const EntityTags& t, const Props& p, const Context& ctx) {
    // The base mesh, as the drawing stores it: its faces' edges (a smoothed mesh is drawn
    // unsmoothed).
    const size_t own = t.After("AcDbSubDMesh");
    const size_t count = t.Find(92, own);
    std::vector<Vec3> vertices;
    size_t i = count + 1;
    const auto total = static_cast<size_t>(std::max<std::int64_t>(count < t.End() ? t[count].IntOr(0) : 0, 0));
    for (; i < t.End() && (vertices.size() < total || t[i].code != 10); ++i) {
        if (t[i].code == 10) vertices.push_back(t.PointAt(i));
        else if (t[i].code != 20 && t[i].code != 30) break;
    }
    const size_t faces = t.Find(93, i);
    if (faces >= t.End()) return;
    const auto size = static_cast<size_t>(std::max<std::int64_t>(t[faces].IntOr(0), 0));
    std::vector<std::int64_t> list;
    for (size_t k = faces + 1; k < t.End() && t[k].code == 90 && list.size() < size; ++k) list.push_back(t[k].IntOr(-1));
    for (size_t k = 0; k < list.size();) {
        const auto n = static_cast<size_t>(std::max<std::int64_t>(list[k], 0));
        std::vector<Vec3> face;
        for (size_t v = k + 1; v <= k + n && v < list.size(); ++v)
            if (list[v] >= 0 && static_cast<size_t>(list[v]) < vertices.size()) face.push_back(vertices[static_cast<size_t>(list[v])]);
        if (face.size() >= 2) Stroke(face, true, p, ctx);
        k += n + 1;
    }
}

void EntityDrawer::DrawImageFrame(const EntityTags& t, const Props& p, const Context& ctx, bool wipeout) {
    const Vec3 origin = t.Point(10), u = t.Point(11, {1, 0, 0}), v = t.Point(12, {0, 1, 0});
    const Vec3 size = t.Point(13, {1, 1, 0});
    std::vector<Vec3> boundary;
    for (size_t i = t.Find(14); i < t.End(); i = t.Find(14, i + 1)) boundary.push_back(t.PointAt(i));
    const bool clipped = t.Int(280, wipeout ? 1 : 0) != 0 && boundary.size() >= 2;
    if (!clipped || t.Int(71, 1) == 1) {
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
        FillWorld(ring, options.background);
        return;
    }
    canvas.Polyline(ring.data(), static_cast<int>(ring.size()), true, PenOf(p));
}

void EntityDrawer::DrawLeader(const EntityTags& t, const Props& p, const Context& ctx) {
    std::vector<Vec3> points;
    for (size_t i = t.Find(10); i < t.End(); i = t.Find(10, i + 1)) points.push_back(t.PointAt(i));
    if (points.size() < 2) return;
    if (t.Int(72) == 1 && points.size() > 2) {
        SplineData s;
        s.fits = points;
        points = SplinePoints(s, Tolerance(ctx));
    }
    Stroke(points, false, p, ctx);
    if (t.Int(71, 1) == 0) return;
    // The closed filled arrow at the first vertex, of the drawing's arrow size.
    double size = drawing.HeaderDouble("$DIMASZ", 0.18) * drawing.HeaderDouble("$DIMSCALE", 1);
    if (!(size > 0)) size = 0.18;
    const Vec3 tip = points[0];
    Vec3 d = points[1] - tip;
    const double len = std::hypot(d.x, d.y);
    if (len == 0 || len < size) return;
    d = d * (1 / len);
    const Vec3 n{-d.y, d.x, 0};
    const Vec3 back = tip + d * size;
    FillWorld({Plan(ctx.m, tip), Plan(ctx.m, back + n * (size / 6)), Plan(ctx.m, back - n * (size / 6))}, p.color);
}

}  // namespace platform::view
