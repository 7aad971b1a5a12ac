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
    bool Is(int code) const { return m_at < m_t.End() && m_t[m_at].code == code; }
    bool Ok() const { return m_ok; }
    double Double(int code, double fallback = 0) {
        if (!Is(code)) return Fail(fallback);
        return Finite(m_t[m_at++].DoubleOr(fallback), fallback);
    }
    std::int64_t Int(int code, std::int64_t fallback = 0) {
        if (!Is(code)) return static_cast<std::int64_t>(Fail(static_cast<double>(fallback)));
        return m_t[m_at++].IntOr(fallback);
    }
    Vec3 Point(int code) {
        const double x = Double(code), y = Double(code + 10);
        return {x, y, 0};
    }
    double Optional(int code, double fallback) { return Is(code) ? Double(code, fallback) : fallback; }
    size_t At() const { return m_at; }
    void SkipTo(int code) {
        while (m_at < m_t.End() && m_t[m_at].code != code) ++m_at;
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

void AppendEdgeArc(Ring& ring, Cursor& c, double tolerance) {
    const Vec3 center = c.Point(10);
    const double r = c.Double(40);
    double start = c.Double(50), end = c.Double(51, 360);
    const bool ccw = c.Int(73, 1) != 0;
    if (!ccw) std::swap(start, end), start = 360 - start, end = 360 - end;
    double a = Radians(start), b = Radians(end);
    while (b <= a) b += 2 * kPi;
    Ring arc;
    AppendArc(arc, center, r, a, b, tolerance);
    if (!ccw) std::reverse(arc.begin(), arc.end());
    ring.insert(ring.end(), arc.begin(), arc.end());
}

void AppendEdgeEllipse(Ring& ring, Cursor& c, double tolerance) {
    const Vec3 center = c.Point(10), major = c.Point(11);
    const double ratio = c.Double(40, 1);
    double start = c.Double(50), end = c.Double(51, 360);
    const bool ccw = c.Int(73, 1) != 0;
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
    SplineData s;
    s.degree = static_cast<int>(c.Int(94, 3));
    const bool rational = c.Int(73) != 0;
    c.Int(74);
    const std::int64_t knots = c.Int(95), controls = c.Int(96);
    for (std::int64_t k = 0; k < knots && c.Ok(); ++k) s.knots.push_back(c.Double(40));
    for (std::int64_t k = 0; k < controls && c.Ok(); ++k) {
        s.controls.push_back(c.Point(10));
        if (rational || c.Is(42)) s.weights.push_back(c.Optional(42, 1));
    }
    if (c.Is(97)) {
        const std::int64_t fits = c.Int(97);
        for (std::int64_t k = 0; k < fits && c.Ok(); ++k) s.fits.push_back(c.Point(11));
        if (c.Is(12)) s.startTangent = c.Point(12);
        if (c.Is(13)) s.endTangent = c.Point(13);
    }
    if (!rational && s.weights.size() != s.controls.size()) s.weights.clear();
    const std::vector<Vec3> points = SplinePoints(s, tolerance);
    ring.insert(ring.end(), points.begin(), points.end());
}

std::vector<Ring> ReadBoundaries(Cursor& c, double tolerance) {
    std::vector<Ring> rings;
    const std::int64_t paths = c.Int(91);
    for (std::int64_t p = 0; p < paths && c.Ok(); ++p) {
        const int flags = static_cast<int>(c.Int(92));
        Ring ring;
        if (flags & 2) {  // a polyline
            const bool bulges = c.Int(72) != 0;
            c.Optional(73, 0);
            const std::int64_t n = c.Int(93);
            std::vector<std::pair<Vec3, double>> vertices;
            for (std::int64_t k = 0; k < n && c.Ok(); ++k) {
                const Vec3 v = c.Point(10);
                const double bulge = bulges || c.Is(42) ? c.Optional(42, 0) : 0;
                vertices.push_back({v, bulge});
            }
            if (!vertices.empty()) ring.push_back(vertices[0].first);
            for (size_t k = 0; k < vertices.size(); ++k)
                AppendBulge(ring, vertices[k].first, vertices[(k + 1) % vertices.size()].first, vertices[k].second, tolerance);
        } else {
            const std::int64_t edges = c.Int(93);
            for (std::int64_t e = 0; e < edges && c.Ok(); ++e) {
                switch (c.Int(72)) {
                case 1: {
                    const Vec3 a = c.Point(10), b = c.Point(11);
                    ring.push_back(a);
                    ring.push_back(b);
                    break;
                }
                case 2: AppendEdgeArc(ring, c, tolerance); break;
                case 3: AppendEdgeEllipse(ring, c, tolerance); break;
                case 4: AppendEdgeSpline(ring, c, tolerance); break;
                default: return rings;
                }
            }
        }
        // The source objects the boundary was made from.
        const std::int64_t sources = c.Optional(97, 0);
        for (std::int64_t k = 0; k < sources && c.Is(330); ++k) c.Int(330);
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
    const size_t i = t.Find(78, from);
    if (i >= t.End()) return lines;
    Cursor pc(t, i);
    const std::int64_t count = pc.Int(78);
    for (std::int64_t k = 0; k < count && pc.Ok(); ++k) {
        PatternLine line;
        line.angle = Radians(pc.Double(53));
        line.base = {pc.Double(43), pc.Double(44), 0};
        line.offset = {pc.Double(45), pc.Double(46), 0};
        const std::int64_t dashes = pc.Int(79);
        for (std::int64_t d = 0; d < dashes && pc.Ok(); ++d) line.dashes.push_back(pc.Double(49));
        if (pc.Ok()) lines.push_back(std::move(line));
    }
    return lines;
}

// The odd-even area of the boundary rings, in plan.
QPainterPath AreaOf(const std::vector<Ring>& rings, const Matrix& m) {
    QPainterPath area;
    area.setFillRule(Qt::OddEvenFill);
    for (const Ring& ring : rings) {
        area.moveTo(EntityDrawer::Plan(m, ring[0]));
        for (size_t k = 1; k < ring.size(); ++k) area.lineTo(EntityDrawer::Plan(m, ring[k]));
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
            const QPointF seg[2]{EntityDrawer::Plan(m, origin + d * s0), EntityDrawer::Plan(m, origin + d * s1)};
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

}  // namespace

void EntityDrawer::DrawHatch(const EntityTags& t, const Props& p, const Context& ctx) {
    Cursor c(t, t.After("AcDbHatch"));
    // The elevation point: 10 and 20 are zero, 30 the elevation.
    c.SkipTo(30);
    const double z = c.Is(30) ? c.Double(30) : 0;
    const Context local = ctx.Within(OcsMatrix(t.Extrusion()) * Matrix::Translation({0, 0, z}));
    c.SkipTo(70);
    const bool solid = c.Int(70) != 0;
    c.SkipTo(91);
    const std::vector<Ring> rings = ReadBoundaries(c, Tolerance(local));
    if (rings.empty()) return;

    const QPainterPath area = AreaOf(rings, local.m);
    if (solid || t.Int(450) != 0) {
        canvas.Fill(area, p.color);
        return;
    }
    const std::vector<PatternLine> lines = ReadPatternLines(t, c.At());
    Box box;
    for (const Ring& ring : rings)
        for (const Vec3& v : ring) box.Add(v.x, v.y);
    canvas.PushClip(area);
    const Pen pen = PenOf(p);
    for (const PatternLine& line : lines) DrawPatternLine(canvas, local.m, line, box, area, pen, p.color);
    canvas.PopClip();
}

}  // namespace platform::view
