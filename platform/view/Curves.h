#pragma once
// Curves as the points of polylines: circular arcs (also as polyline bulges), elliptical arcs
// and B-splines (from control points, or through fit points). The number of points follows
// from a chord tolerance, so a curve is as smooth as the device can show and no smoother.
#include <vector>

#include "view/Geometry3.h"

namespace platform::view {

// Segments for an arc of the given radius and sweep (radians) so that no chord strays more than
// tolerance from the curve; tolerance 0 means a fixed, fine division.
int ArcSegments(double radius, double sweep, double tolerance);

// Appends the arc's points from start to end angle (radians, counter-clockwise; end > start),
// the first point included.
void AppendArc(std::vector<Vec3>& out, const Vec3& center, double radius, double start, double end, double tolerance);

// Appends the points of a bulged segment from a to b (bulge = tan(sweep / 4), negative
// clockwise), without a itself but with b.
void AppendBulge(std::vector<Vec3>& out, const Vec3& a, const Vec3& b, double bulge, double tolerance);

// Appends the points of an elliptical arc between two parameters (end > start):
// center + major * cos(t) + minor * sin(t).
void AppendEllipse(std::vector<Vec3>& out, const Vec3& center, const Vec3& major, const Vec3& minor, double start,
                   double end, double tolerance);

struct SplineData {
    int degree = 3;
    bool closed = false;
    std::vector<double> knots;
    std::vector<Vec3> controls;
    std::vector<double> weights;  // empty or one per control point
    std::vector<Vec3> fits;
    Vec3 startTangent, endTangent;  // zero when not given
};

// The spline's points: from its control points and knots when it has them (a knot vector that
// does not fit is replaced by a clamped uniform one), otherwise a curve through its fit points.
std::vector<Vec3> SplinePoints(const SplineData& spline, double tolerance);

}  // namespace platform::view
