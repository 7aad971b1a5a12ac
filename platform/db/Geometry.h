#pragma once
// Points, vectors and 4x4 transformation matrices of the drawing's world space.
#include <cmath>

class AcGeVector3d {
public:
    AcGeVector3d() = default;
    AcGeVector3d(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
    static const AcGeVector3d kXAxis, kYAxis, kZAxis;

    double length() const { return std::sqrt(x * x + y * y + z * z); }
    AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
    bool operator==(const AcGeVector3d& v) const { return x == v.x && y == v.y && z == v.z; }

    double x = 0, y = 0, z = 0;
};

class AcGePoint3d {
public:
    AcGePoint3d() = default;
    AcGePoint3d(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
    static const AcGePoint3d kOrigin;

    double distanceTo(const AcGePoint3d& p) const { return (*this - p).length(); }
    AcGePoint3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGePoint3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGeVector3d operator-(const AcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
    bool operator==(const AcGePoint3d& p) const { return x == p.x && y == p.y && z == p.z; }

    double x = 0, y = 0, z = 0;
};

// Row-major 4x4 matrix acting on column vectors: p' = M p.
class AcGeMatrix3d {
public:
    AcGeMatrix3d() { setToIdentity(); }
    static const AcGeMatrix3d kIdentity;

    AcGeMatrix3d& setToIdentity() {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) entry[r][c] = r == c ? 1.0 : 0.0;
        return *this;
    }
    AcGeMatrix3d& setToTranslation(const AcGeVector3d& v) {
        setToIdentity();
        entry[0][3] = v.x;
        entry[1][3] = v.y;
        entry[2][3] = v.z;
        return *this;
    }
    static AcGeMatrix3d translation(const AcGeVector3d& v) { return AcGeMatrix3d().setToTranslation(v); }
    AcGeVector3d translation() const { return {entry[0][3], entry[1][3], entry[2][3]}; }

    AcGePoint3d apply(const AcGePoint3d& p) const {
        return {entry[0][0] * p.x + entry[0][1] * p.y + entry[0][2] * p.z + entry[0][3],
                entry[1][0] * p.x + entry[1][1] * p.y + entry[1][2] * p.z + entry[1][3],
                entry[2][0] * p.x + entry[2][1] * p.y + entry[2][2] * p.z + entry[2][3]};
    }
    AcGeVector3d apply(const AcGeVector3d& v) const {
        return {entry[0][0] * v.x + entry[0][1] * v.y + entry[0][2] * v.z,
                entry[1][0] * v.x + entry[1][1] * v.y + entry[1][2] * v.z,
                entry[2][0] * v.x + entry[2][1] * v.y + entry[2][2] * v.z};
    }
    AcGeMatrix3d operator*(const AcGeMatrix3d& m) const {
        AcGeMatrix3d r;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                double s = 0;
                for (int k = 0; k < 4; ++k) s += entry[i][k] * m.entry[k][j];
                r.entry[i][j] = s;
            }
        return r;
    }
    double operator()(int row, int col) const { return entry[row][col]; }

    double entry[4][4];
};

inline AcGePoint3d operator*(const AcGeMatrix3d& m, const AcGePoint3d& p) { return m.apply(p); }
inline AcGePoint3d& operator+=(AcGePoint3d& p, const AcGeVector3d& v) { return p = p + v; }

// Extents of an entity in world space.
struct AcDbExtents {
    AcGePoint3d minPoint{1e300, 1e300, 1e300};
    AcGePoint3d maxPoint{-1e300, -1e300, -1e300};
    void addPoint(const AcGePoint3d& p) {
        minPoint = {std::fmin(minPoint.x, p.x), std::fmin(minPoint.y, p.y), std::fmin(minPoint.z, p.z)};
        maxPoint = {std::fmax(maxPoint.x, p.x), std::fmax(maxPoint.y, p.y), std::fmax(maxPoint.z, p.z)};
    }
};

namespace platform {

// The largest size or coordinate a drawing's own geometry takes: far beyond any real drawing
// (a light year is 1e19 millimetres), and far enough below the largest number that the sums
// and products a table is laid out with -- widths added up over its columns, text heights by
// lines of text -- never overflow to infinity, which no drawing file can hold.
inline constexpr double kLargestDrawingValue = 1e100;

// A text height or a cell margin: small enough that a cell of any number of lines of text
// (a trillion) is no taller than the largest value.
inline constexpr double kLargestTextHeight = kLargestDrawingValue * 1e-12;

// Whether the value is one (false for infinities and NaN).
inline bool IsDrawingValue(double value) { return std::abs(value) <= kLargestDrawingValue; }
inline bool IsTextHeightValue(double value) { return std::abs(value) <= kLargestTextHeight; }
inline bool IsDrawingPoint(const AcGePoint3d& p) { return IsDrawingValue(p.x) && IsDrawingValue(p.y) && IsDrawingValue(p.z); }

}  // namespace platform
