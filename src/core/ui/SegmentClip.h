// Cutting a straight segment to a rectangle, for drawings that must stay inside a page or a tile.
#pragma once

#include <algorithm>
#include <cmath>

namespace merrowin {

// An axis-aligned rectangle by its smallest and largest X and Y, whatever way the Y axis runs.
struct ClipRect {
    double XMin = 0, YMin = 0, XMax = 0, YMax = 0;
};

// Liang-Barsky: cuts (x1, y1)-(x2, y2) to the part inside the rectangle and returns true, or
// returns false (the points unchanged) when no part of it is inside or a coordinate, or the
// segment's extent, is not a finite number.
inline bool ClipSegment(double& x1, double& y1, double& x2, double& y2, const ClipRect& r) {
    const double dx = x2 - x1, dy = y2 - y1;
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        return false; // also catches a non-finite end
    }
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - r.XMin, r.XMax - x1, y1 - r.YMin, r.YMax - y1};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (!std::isfinite(q[i])) {
            return false;
        }
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false; // parallel to this edge and outside it
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    const double sx = x1, sy = y1;
    x1 = sx + t0 * dx;
    y1 = sy + t0 * dy;
    x2 = sx + t1 * dx;
    y2 = sy + t1 * dy;
    return true;
}

// Whether a segment leaves ink inside the rectangle: a part of it of some length, or the whole
// of a segment of no length (a dot). A segment that only touches an edge or a corner leaves none.
inline bool InksRect(double x1, double y1, double x2, double y2, const ClipRect& r) {
    const bool dot = x1 == x2 && y1 == y2;
    if (!ClipSegment(x1, y1, x2, y2, r)) {
        return false;
    }
    return dot || x1 != x2 || y1 != y2;
}

} // namespace merrowin
