#pragma once
// The small amount of 3D geometry a drawing needs on its way to the page: points and vectors,
// affine transformations (block references, object coordinate systems, viewports) and 2D
// bounding boxes. Drawing is in plan: a point's world X and Y are what is drawn.
#include <algorithm>
#include <cmath>
#include <limits>

namespace platform::view {

constexpr double kPi = 3.14159265358979323846;

inline double Radians(double degrees) { return degrees * kPi / 180.0; }

struct Vec3 {
    double x = 0, y = 0, z = 0;

    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
    Vec3 operator-() const { return {-x, -y, -z}; }
    double Dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
    Vec3 Cross(const Vec3& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    double Length() const { return std::sqrt(x * x + y * y + z * z); }
    Vec3 Normalized() const {
        // A unit vector (most are an axis) is itself: dividing by a length of exactly one
        // changes nothing, and the root and the divisions are what cost.
        if (x * x + y * y + z * z == 1) return *this;
        const double l = Length();
        return l > 0 ? Vec3{x / l, y / l, z / l} : Vec3{0, 0, 0};
    }
};

// p' = X * p.x + Y * p.y + Z * p.z + T.
struct Matrix {
    Vec3 X{1, 0, 0}, Y{0, 1, 0}, Z{0, 0, 1}, T{0, 0, 0};

    Vec3 Apply(const Vec3& p) const { return X * p.x + Y * p.y + Z * p.z + T; }
    Vec3 ApplyVector(const Vec3& v) const { return X * v.x + Y * v.y + Z * v.z; }
    // This after other: (this * other)(p) = this(other(p)).
    Matrix operator*(const Matrix& o) const {
        return {ApplyVector(o.X), ApplyVector(o.Y), ApplyVector(o.Z), Apply(o.T)};
    }
    // How much the transformation stretches lengths in the drawing plane (the mean of the two
    // axes' plan lengths), for tolerances and line patterns.
    double PlanScale() const {
        return (std::hypot(X.x, X.y) + std::hypot(Y.x, Y.y)) / 2;
    }

    static Matrix Translation(const Vec3& t) { return {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, t}; }
    static Matrix Scaling(double sx, double sy, double sz) { return {{sx, 0, 0}, {0, sy, 0}, {0, 0, sz}, {}}; }
    static Matrix RotationZ(double radians) {
        const double c = std::cos(radians), s = std::sin(radians);
        return {{c, s, 0}, {-s, c, 0}, {0, 0, 1}, {}};
    }
};

// The object coordinate system of an extrusion direction (the arbitrary axis algorithm of
// the DXF reference): OCS to WCS.
inline Matrix OcsMatrix(const Vec3& extrusion) {
    if (extrusion.x == 0 && extrusion.y == 0 && extrusion.z > 0) return {};  // nearly every entity's
    const Vec3 n = extrusion.Normalized();
    if (n.Length() == 0 || (std::abs(n.x) < 1e-12 && std::abs(n.y) < 1e-12 && n.z > 0)) return {};
    const Vec3 ax = (std::abs(n.x) < 1.0 / 64 && std::abs(n.y) < 1.0 / 64) ? Vec3{0, 1, 0}.Cross(n).Normalized()
                                                                           : Vec3{0, 0, 1}.Cross(n).Normalized();
    const Vec3 ay = n.Cross(ax).Normalized();
    return {ax, ay, n, {}};
}

struct Box {
    double x0 = std::numeric_limits<double>::infinity(), y0 = x0;
    double x1 = -std::numeric_limits<double>::infinity(), y1 = x1;

    static Box Of(double ax, double ay, double bx, double by) {
        Box b;
        b.Add(ax, ay);
        b.Add(bx, by);
        return b;
    }
    bool Empty() const { return !(x0 <= x1 && y0 <= y1); }
    void Add(double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    }
    void Add(const Box& o) {
        if (o.Empty()) return;
        Add(o.x0, o.y0);
        Add(o.x1, o.y1);
    }
    double Width() const { return Empty() ? 0 : x1 - x0; }
    double Height() const { return Empty() ? 0 : y1 - y0; }
    bool Intersects(const Box& o) const { return !Empty() && !o.Empty() && x0 <= o.x1 && o.x0 <= x1 && y0 <= o.y1 && o.y0 <= y1; }
    bool Contains(double x, double y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
    Box Grown(double d) const { return Empty() ? *this : Box{x0 - d, y0 - d, x1 + d, y1 + d}; }
};

}  // namespace platform::view
