#include "view/Curves.h"

#include <algorithm>
#include <cmath>

namespace platform::view {

int ArcSegments(double radius, double sweep, double tolerance) {
    sweep = std::abs(sweep);
    if (!(radius > 0) || !(sweep > 0)) return 1;
    int n;
    if (tolerance > 0 && tolerance < radius) {
        const double step = 2 * std::acos(1 - tolerance / radius);
        n = static_cast<int>(std::ceil(sweep / std::max(step, 1e-4)));
    } else if (tolerance > 0) {
        n = 4;
    } else {
        n = static_cast<int>(std::ceil(sweep / (2 * kPi) * 72));
    }
    return std::clamp(n, 2, 4096);
}

void AppendArc(std::vector<Vec3>& out, const Vec3& center, double radius, double start, double end, double tolerance) {
    const int n = ArcSegments(radius, end - start, tolerance);
    for (int i = 0; i <= n; ++i) {
        const double a = start + (end - start) * i / n;
        out.push_back({center.x + radius * std::cos(a), center.y + radius * std::sin(a), center.z});
    }
}

void AppendBulge(std::vector<Vec3>& out, const Vec3& a, const Vec3& b, double bulge, double tolerance) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double chord = std::hypot(dx, dy);
    if (std::abs(bulge) < 1e-9 || chord == 0 || !std::isfinite(bulge)) {
        out.push_back(b);
        return;
    }
    const double sweep = 4 * std::atan(bulge);  // signed: negative is clockwise
    const double radius = chord / 2 * (1 + bulge * bulge) / (2 * std::abs(bulge));
    // The centre's distance from the chord's middle, to its left for a positive bulge.
    const double d = chord / 2 * (1 - bulge * bulge) / (2 * bulge);
    const double cx = (a.x + b.x) / 2 - dy / chord * d;
    const double cy = (a.y + b.y) / 2 + dx / chord * d;
    const double start = std::atan2(a.y - cy, a.x - cx);
    const int n = ArcSegments(radius, sweep, tolerance);
    for (int i = 1; i < n; ++i) {
        const double t = start + sweep * i / n;
        const double z = a.z + (b.z - a.z) * i / n;
        out.push_back({cx + radius * std::cos(t), cy + radius * std::sin(t), z});
    }
    out.push_back(b);
}

void AppendEllipse(std::vector<Vec3>& out, const Vec3& center, const Vec3& major, const Vec3& minor, double start,
                   double end, double tolerance) {
    const double radius = std::max(major.Length(), minor.Length());
    const int n = ArcSegments(radius, end - start, tolerance);
    for (int i = 0; i <= n; ++i) {
        const double t = start + (end - start) * i / n;
        out.push_back(center + major * std::cos(t) + minor * std::sin(t));
    }
}

namespace {

// A clamped uniform knot vector for n control points.
std::vector<double> ClampedKnots(size_t n, int degree) {
    std::vector<double> knots;
    const size_t inner = n > static_cast<size_t>(degree) ? n - degree - 1 : 0;
    for (int i = 0; i <= degree; ++i) knots.push_back(0);
    for (size_t i = 1; i <= inner; ++i) knots.push_back(static_cast<double>(i) / (inner + 1));
    for (int i = 0; i <= degree; ++i) knots.push_back(1);
    return knots;
}

// De Boor's algorithm on homogeneous points (rational splines through their weights).
Vec3 DeBoor(const SplineData& s, const std::vector<double>& knots, double u) {
    const int p = s.degree;
    const size_t n = s.controls.size();
    size_t k = static_cast<size_t>(p);
    while (k + 1 < n && knots[k + 1] <= u) ++k;
    struct H {
        double x, y, z, w;
    };
    std::vector<H> d(static_cast<size_t>(p) + 1);
    for (int j = 0; j <= p; ++j) {
        const size_t i = k - p + j;
        const double w = s.weights.size() == n ? s.weights[i] : 1.0;
        const Vec3& c = s.controls[i];
        d[j] = {c.x * w, c.y * w, c.z * w, w};
    }
    for (int r = 1; r <= p; ++r)
        for (int j = p; j >= r; --j) {
            const size_t i = k - p + j;
            const double den = knots[i + p - r + 1] - knots[i];
            const double a = den != 0 ? (u - knots[i]) / den : 0;
            d[j] = {(1 - a) * d[j - 1].x + a * d[j].x, (1 - a) * d[j - 1].y + a * d[j].y, (1 - a) * d[j - 1].z + a * d[j].z,
                    (1 - a) * d[j - 1].w + a * d[j].w};
        }
    const H& h = d[static_cast<size_t>(p)];
    return h.w != 0 ? Vec3{h.x / h.w, h.y / h.w, h.z / h.w} : Vec3{h.x, h.y, h.z};
}

double PolygonLength(const std::vector<Vec3>& points) {
    double length = 0;
    for (size_t i = 1; i < points.size(); ++i) length += (points[i] - points[i - 1]).Length();
    return length;
}

std::vector<Vec3> FromControls(const SplineData& s, double tolerance) {
    SplineData spline = s;
    const size_t n = spline.controls.size();
    spline.degree = std::clamp(spline.degree, 1, static_cast<int>(n) - 1);
    std::vector<double> knots = spline.knots;
    const size_t order = static_cast<size_t>(spline.degree) + 1;
    bool valid = knots.size() == n + order;
    for (size_t i = 1; valid && i < knots.size(); ++i) valid = std::isfinite(knots[i]) && knots[i] >= knots[i - 1];
    if (!valid) knots = ClampedKnots(n, spline.degree);
    const double u0 = knots[order - 1], u1 = knots[n];
    if (!(u1 > u0)) return spline.controls;
    // The control polygon bounds the curve, so its length bounds the curve's.
    const double length = PolygonLength(spline.controls);
    int segments = static_cast<int>(n) * 8;
    if (tolerance > 0) segments = std::max(segments, static_cast<int>(std::sqrt(length / tolerance) * 2));
    segments = std::clamp(segments, 8, 8192);
    std::vector<Vec3> out;
    out.reserve(static_cast<size_t>(segments) + 1);
    for (int i = 0; i <= segments; ++i) {
        const double u = i == segments ? u1 - (u1 - u0) * 1e-12 : u0 + (u1 - u0) * i / segments;
        out.push_back(DeBoor(spline, knots, std::min(u, u1)));
    }
    out.back() = DeBoor(spline, knots, u1 - (u1 - u0) * 1e-12);
    return out;
}

// A cubic through the fit points (Catmull-Rom with chord-length tangents; the given end
// tangents where there are some).
std::vector<Vec3> FromFits(const SplineData& s, double tolerance) {
    const std::vector<Vec3>& p = s.fits;
    const size_t n = p.size();
    if (n < 3) return p;
    std::vector<Vec3> tangents(n);
    for (size_t i = 1; i + 1 < n; ++i) {
        const double d0 = (p[i] - p[i - 1]).Length(), d1 = (p[i + 1] - p[i]).Length();
        if (d0 + d1 == 0) continue;
        tangents[i] = (p[i + 1] - p[i - 1]) * (1.0 / (d0 + d1));
    }
    auto endTangent = [&](const Vec3& given, const Vec3& a, const Vec3& b, const Vec3& inner) {
        if (given.Length() > 0) return given.Normalized();
        // A natural end: the tangent that mirrors the neighbour's.
        const double d = (b - a).Length();
        if (d == 0) return Vec3{};
        return ((b - a) * (2.0 / d) - inner).Normalized() * 1.0;
    };
    tangents[0] = endTangent(s.startTangent, p[0], p[1], tangents[1].Normalized());
    tangents[n - 1] = endTangent(s.endTangent, p[n - 2], p[n - 1], tangents[n - 2].Normalized()) * 1.0;
    std::vector<Vec3> out{p[0]};
    for (size_t i = 0; i + 1 < n; ++i) {
        const double d = (p[i + 1] - p[i]).Length();
        const Vec3 t0 = tangents[i].Normalized() * d, t1 = tangents[i + 1].Normalized() * d;
        int steps = 16;
        if (tolerance > 0) steps = std::clamp(static_cast<int>(std::sqrt(d / tolerance)), 2, 256);
        for (int k = 1; k <= steps; ++k) {
            const double t = static_cast<double>(k) / steps, t2 = t * t, t3 = t2 * t;
            const double h00 = 2 * t3 - 3 * t2 + 1, h10 = t3 - 2 * t2 + t, h01 = -2 * t3 + 3 * t2, h11 = t3 - t2;
            out.push_back(p[i] * h00 + t0 * h10 + p[i + 1] * h01 + t1 * h11);
        }
    }
    return out;
}

}  // namespace

std::vector<Vec3> SplinePoints(const SplineData& spline, double tolerance) {
    if (spline.controls.size() >= 2) return FromControls(spline, tolerance);
    return FromFits(spline, tolerance);
}

}  // namespace platform::view
