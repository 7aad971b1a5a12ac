// Hatches: the boundary paths (polylines with bulges, or edges: lines, circular and elliptical
// arcs, splines) filled solid, or with the lines of their pattern clipped to the boundary.
#include <cmath>

#include "view/Curves.h"
#include "view/EntityDrawer.h"

namespace platform::view {

namespace {

// Reads the hatch's tags in order; a tag that is not where the format puts it ends the
// reading (a damaged hatch draws what was read before).
class Cursor {
public:
    Cursor(const EntityTags& t, size_t at) : m_t(t), m_at(at) {}
    bool Is(const dxf::Field& f) const { return Is(f.code); }
    bool Is(int code) const { return m_at < m_t.End() && m_t[m_at].code == code; }
    bool Ok() const { return m_ok; }
    double Get(const dxf::RealField& f) { return Real(f.code, f.fallback); }
    std::int64_t Get(const dxf::IntField& f) {
        if (!Is(f)) return static_cast<std::int64_t>(Fail(static_cast<double>(f.fallback)));
        return m_t[m_at++].IntOr(f.fallback);
    }
    // A point in the plane of the hatch: its X and Y.
    Vec3 Get(const dxf::PointField& f) {
        const double x = Real(f.code, 0), y = Real(f.code + 10, 0);
        return {x, y, 0};
    }
    double Optional(const dxf::RealField& f, double fallback) { return Is(f) ? Real(f.code, fallback) : fallback; }
    std::int64_t Optional(const dxf::IntField& f, std::int64_t fallback) { return Is(f) ? Get(f) : fallback; }
    void Skip(const dxf::Field& f) { ++m_at, m_ok = m_ok && m_at <= m_t.End() && m_t[m_at - 1].code == f.code; }
    size_t At() const { return m_at; }
    void SkipTo(int code) {
        while (m_at < m_t.End() && m_t[m_at].code != code) ++m_at;
    }

    double Real(int code, double fallback) {
        if (!Is(code)) return Fail(fallback);
        return Finite(m_t[m_at++].DoubleOr(fallback), fallback);
    }

private:
    static double Finite(double v, double fallback) { return std::isfinite(v) ? v : fallback; }
    double Fail(double fallback) {
        m_ok = false;
        return fallback;
    }
    const EntityTags& m_t;
    size_t m_at;
    bool m_ok = true;
};

using Ring = std::vector<Vec3>;
using H = dxf::entities::Hatch;

void AppendEdgeArc(Ring& ring, Cursor& c, double tolerance) {
    using E = H::ArcEdge;
    const Vec3 center = c.Get(E::center);
    const double r = c.Get(E::radius);
    double start = c.Get(E::startAngle), end = c.Get(E::endAngle);
    const bool ccw = c.Get(E::counterClockwise) != 0;
    if (!ccw) std::swap(start, end), start = 360 - start, end = 360 - end;
    double a = Radians(start), b = Radians(end);
    while (b <= a) b += 2 * kPi;
    Ring arc;
    AppendArc(arc, center, r, a, b, tolerance);
    if (!ccw) std::reverse(arc.begin(), arc.end());
    ring.insert(ring.end(), arc.begin(), arc.end());
}

void AppendEdgeEllipse(Ring& ring, Cursor& c, double tolerance) {
    using E = H::EllipseEdge;
    const Vec3 center = c.Get(E::center), major = c.Get(E::majorAxis);
    const double ratio = c.Get(E::ratio);
    double start = c.Get(E::startAngle), end = c.Get(E::endAngle);
    const bool ccw = c.Get(E::counterClockwise) != 0;
    if (!ccw) std::swap(start, end), start = 360 - start, end = 360 - end;
    auto param = [&](double degrees) {
        const double a = Radians(degrees);
        return std::atan2(std::sin(a) / (ratio != 0 ? ratio : 1), std::cos(a));
    };
    double a = param(start), b = param(end);
    if (std::abs(end - start) >= 360 - 1e-9) b = a + 2 * kPi;
    while (b <= a) b += 2 * kPi;
    const Vec3 minor = Vec3{-major.y, major.x, 0} * ratio;
    Ring arc;
    AppendEllipse(arc, center, major, minor, a, b, tolerance);
    if (!ccw) std::reverse(arc.begin(), arc.end());
    ring.insert(ring.end(), arc.begin(), arc.end());
}

void AppendEdgeSpline(Ring& ring, Cursor& c, double tolerance) {
    using E = H::SplineEdge;
    SplineData s;
    s.degree = static_cast<int>(c.Get(E::degree));
    const bool rational = c.Get(E::rational) != 0;
    c.Get(E::periodic);
    const std::int64_t knots = c.Get(E::knotCount), controls = c.Get(E::controlCount);
    for (std::int64_t k = 0; k < knots && c.Ok(); ++k) s.knots.push_back(c.Get(E::knot));
    for (std::int64_t k = 0; k < controls && c.Ok(); ++k) {
        s.controls.push_back(c.Get(E::control));
        if (rational || c.Is(E::weight)) s.weights.push_back(c.Optional(E::weight, E::weight.fallback));
    }
    if (c.Is(E::fitCount)) {
        const std::int64_t fits = c.Get(E::fitCount);
        for (std::int64_t k = 0; k < fits && c.Ok(); ++k) s.fits.push_back(c.Get(E::fit));
        if (c.Is(E::startTangent)) s.startTangent = c.Get(E::startTangent);
        if (c.Is(E::endTangent)) s.endTangent = c.Get(E::endTangent);
    }
    if (!rational && s.weights.size() != s.controls.size()) s.weights.clear();
    const std::vector<Vec3> points = SplinePoints(s, tolerance);
    ring.insert(ring.end(), points.begin(), points.end());
}

std::vector<Ring> ReadBoundaries(Cursor& c, double tolerance) {
    std::vector<Ring> rings;
    using Path = H::Path;
    const std::int64_t paths = c.Get(H::pathCount);
    for (std::int64_t p = 0; p < paths && c.Ok(); ++p) {
        const int flags = static_cast<int>(c.Get(Path::flags));
        Ring ring;
        if (flags & Path::kPolyline) {
            const bool bulges = c.Get(Path::hasBulges) != 0;
            c.Optional(Path::closed, 0);
            const std::int64_t n = c.Get(Path::count);
            std::vector<std::pair<Vec3, double>> vertices;
            for (std::int64_t k = 0; k < n && c.Ok(); ++k) {
                const Vec3 v = c.Get(Path::vertex);
                const double bulge = bulges || c.Is(Path::bulge) ? c.Optional(Path::bulge, 0) : 0;
                vertices.push_back({v, bulge});
            }
            if (!vertices.empty()) ring.push_back(vertices[0].first);
            for (size_t k = 0; k < vertices.size(); ++k)
                AppendBulge(ring, vertices[k].first, vertices[(k + 1) % vertices.size()].first, vertices[k].second, tolerance);
        } else {
            const std::int64_t edges = c.Get(Path::count);
            for (std::int64_t e = 0; e < edges && c.Ok(); ++e) {
                switch (c.Get(Path::edgeType)) {
                case Path::kLine: {
                    const Vec3 a = c.Get(H::LineEdge::start), b = c.Get(H::LineEdge::end);
                    ring.push_back(a);
                    ring.push_back(b);
                    break;
                }
                case Path::kArc: AppendEdgeArc(ring, c, tolerance); break;
                case Path::kEllipse: AppendEdgeEllipse(ring, c, tolerance); break;
                case Path::kSpline: AppendEdgeSpline(ring, c, tolerance); break;
                default: return rings;
                }
            }
        }
        // The source objects the boundary was made from.
        const std::int64_t sources = c.Optional(Path::sourceCount, 0);
        for (std::int64_t k = 0; k < sources && c.Is(Path::source); ++k) c.Skip(Path::source);
        if (c.Ok() && ring.size() >= 3) rings.push_back(std::move(ring));
    }
    return rings;
}

struct PatternLine {
    double angle = 0;
    Vec3 base, offset;
    std::vector<double> dashes;
};

// The pattern lines, as the file stores them (scaled and turned already), from group 78 on.
std::vector<PatternLine> ReadPatternLines(const EntityTags& t, size_t from) {
    std::vector<PatternLine> lines;
    using L = H::PatternLine;
    const size_t i = t.Find(L::count, from);
    if (i >= t.End()) return lines;
    Cursor pc(t, i);
    const std::int64_t count = pc.Get(L::count);
    for (std::int64_t k = 0; k < count && pc.Ok(); ++k) {
        PatternLine line;
        line.angle = Radians(pc.Get(L::angle));
        line.base.x = pc.Get(L::baseX);
        line.base.y = pc.Get(L::baseY);
        line.offset.x = pc.Get(L::offsetX);
        line.offset.y = pc.Get(L::offsetY);
        const std::int64_t dashes = pc.Get(L::dashCount);
        for (std::int64_t d = 0; d < dashes && pc.Ok(); ++d) line.dashes.push_back(pc.Get(L::dash));
        if (pc.Ok()) lines.push_back(std::move(line));
    }
    return lines;
}

// The odd-even area of the boundary rings, in plan.
QPainterPath AreaOf(const std::vector<Ring>& rings, const Matrix& m) {
    QPainterPath area;
    area.setFillRule(Qt::OddEvenFill);
    for (const Ring& ring : rings) {
        area.moveTo(Plan(m, ring[0]));
        for (size_t k = 1; k < ring.size(); ++k) area.lineTo(Plan(m, ring[k]));
        area.closeSubpath();
    }
    return area;
}

// One pattern line's family of parallel lines over the boundary's box (the caller clips to
// the area), dashed as the pattern says.
void DrawPatternLine(Canvas& canvas, const Matrix& m, const PatternLine& line, const Box& box, const QPainterPath& area,
                     const Pen& pen, const QColor& color) {
    const double pixel = canvas.PixelSize();
    const double scale = m.PlanScale();
    const Vec3 d{std::cos(line.angle), std::sin(line.angle), 0}, n{-d.y, d.x, 0};
    const double spacing = line.offset.Dot(n);
    if (std::abs(spacing) < 1e-12) return;
    // Lines too close for the device to tell apart look like a fill.
    if (pixel > 0 && std::abs(spacing) * scale < pixel * 1.2) {
        QColor faint = color;
        faint.setAlphaF(0.4);
        canvas.Fill(area, faint);
        return;
    }
    double kmin = 1e300, kmax = -1e300;
    const Vec3 corners[4]{{box.x0, box.y0, 0}, {box.x1, box.y0, 0}, {box.x1, box.y1, 0}, {box.x0, box.y1, 0}};
    for (const Vec3& corner : corners) {
        const double k = (corner - line.base).Dot(n) / spacing;
        kmin = std::min(kmin, k), kmax = std::max(kmax, k);
    }
    if (kmax - kmin > 20000) return;
    double length = 0;
    for (double dash : line.dashes) length += std::abs(dash);
    for (long k = static_cast<long>(std::floor(kmin)); k <= static_cast<long>(std::ceil(kmax)); ++k) {
        const Vec3 origin = line.base + line.offset * static_cast<double>(k);
        double smin = 1e300, smax = -1e300;
        for (const Vec3& corner : corners) {
            const double s = (corner - origin).Dot(d);
            smin = std::min(smin, s), smax = std::max(smax, s);
        }
        auto segment = [&](double s0, double s1) {
            const QPointF seg[2]{Plan(m, origin + d * s0), Plan(m, origin + d * s1)};
            canvas.Polyline(seg, 2, false, pen);
        };
        if (line.dashes.empty() || length <= 0 || (pixel > 0 && length * scale < pixel * 3) || (smax - smin) / length > 5000) {
            segment(smin, smax);
            continue;
        }
        // The pattern repeats from the line's origin.
        double s = std::floor(smin / length) * length;
        while (s < smax) {
            for (double dash : line.dashes) {
                const double len = std::abs(dash);
                if (dash > 0 && s + len > smin) segment(std::max(s, smin), std::min(s + len, smax));
                else if (dash == 0 && s >= smin) segment(s, s + (pixel > 0 ? pixel * 0.5 / scale : 0));
                s += len;
                if (s >= smax) break;
            }
        }
    }
}

bool DrawHatch(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    Cursor c(t, t.After(H::kSubclasses[0].marker));
    // The elevation point: its X and Y are zero, its Z the elevation.
    const int elevation = H::elevation.code + 20;
    c.SkipTo(elevation);
    const double z = c.Is(elevation) ? c.Real(elevation, 0) : 0;
    const Context local = ctx.Within(OcsMatrix(t.Get(H::extrusion)) * Matrix::Translation({0, 0, z}));
    c.SkipTo(H::solid.code);
    const bool solid = c.Get(H::solid) != 0;
    c.SkipTo(H::pathCount.code);
    const std::vector<Ring> rings = ReadBoundaries(c, d.Tolerance(local));
    if (rings.empty()) return true;

    const QPainterPath area = AreaOf(rings, local.m);
    if (solid || t.Get(H::gradient) != 0) {
        d.canvas.Fill(area, p.color);
        return true;
    }
    const std::vector<PatternLine> lines = ReadPatternLines(t, c.At());
    Box box;
    for (const Ring& ring : rings)
        for (const Vec3& v : ring) box.Add(v.x, v.y);
    d.canvas.PushClip(area);
    const Pen pen = d.PenOf(p);
    for (const PatternLine& line : lines) DrawPatternLine(d.canvas, local.m, line, box, area, pen, p.color);
    d.canvas.PopClip();
    return true;
}
const DrawerRegistration kHatches({&H::type}, DrawHatch);

}  // namespace

}  // namespace platform::view
