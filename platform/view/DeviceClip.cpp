#include "view/DeviceClip.h"

#include <algorithm>

namespace platform::view {

bool ClipSegment(const QRectF& r, QPointF& a, QPointF& b) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx * t0, dy * t0);
    b = start + QPointF(dx * t1, dy * t1);
    return true;
}

std::vector<QPointF> ClipPolygon(const QRectF& r, const std::vector<QPointF>& polygon) {
    std::vector<QPointF> in = polygon, out;
    // One side at a time: the signed distance inside it, and where an edge crosses it.
    for (int side = 0; side < 4 && !in.empty(); ++side) {
        auto inside = [&](const QPointF& p) {
            switch (side) {
            case 0: return p.x() >= r.left();
            case 1: return p.x() <= r.right();
            case 2: return p.y() >= r.top();
            default: return p.y() <= r.bottom();
            }
        };
        auto cross = [&](const QPointF& a, const QPointF& b) {
            double t = 0;
            switch (side) {
            case 0: t = (r.left() - a.x()) / (b.x() - a.x()); break;
            case 1: t = (r.right() - a.x()) / (b.x() - a.x()); break;
            case 2: t = (r.top() - a.y()) / (b.y() - a.y()); break;
            default: t = (r.bottom() - a.y()) / (b.y() - a.y()); break;
            }
            QPointF p = a + (b - a) * t;
            // Exactly on the side, whatever the rounding.
            if (side == 0) p.setX(r.left());
            else if (side == 1) p.setX(r.right());
            else if (side == 2) p.setY(r.top());
            else p.setY(r.bottom());
            return p;
        };
        out.clear();
        for (size_t i = 0; i < in.size(); ++i) {
            const QPointF& a = in[i];
            const QPointF& b = in[(i + 1) % in.size()];
            const bool ia = inside(a), ib = inside(b);
            if (ia) out.push_back(a);
            if (ia != ib) out.push_back(cross(a, b));
        }
        std::swap(in, out);
    }
    if (in.size() < 3) in.clear();
    return in;
}

DeviceBounds MapToDevice(const QTransform& toDevice, const QPointF* points, int count, std::vector<QPointF>& mapped) {
    DeviceBounds b;
    mapped.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const QPointF d = toDevice.map(points[i]);
        mapped[static_cast<size_t>(i)] = d;
        b.x0 = std::min(b.x0, d.x()), b.y0 = std::min(b.y0, d.y()), b.x1 = std::max(b.x1, d.x()), b.y1 = std::max(b.y1, d.y());
    }
    return b;
}

}  // namespace platform::view
