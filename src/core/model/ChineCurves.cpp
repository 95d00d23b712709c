// Chine curves: normalising the offsets, the 13 points of each chine from its bulkhead crossings
// (natural cubic splines in the station) and the crossings back from the points.
#include "model/ChineCurves.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace merrowin {

namespace {

constexpr int Knots = BulkheadCount;    // one knot per bulkhead crossing
constexpr int Bays = BulkheadCount - 1; // intervals between neighbouring bulkheads

double Finite(double value) {
    return std::isfinite(value) ? value : 0.0;
}

// Natural cubic spline y(x) through the five knots (second derivative 0 at both ends); the
// tridiagonal system of the three inner second derivatives is solved by forward elimination and
// back substitution without pivoting (the matrix is diagonally dominant for increasing knots).
struct CubicSpline {
    double A[Bays], B[Bays], C[Bays], D[Bays];

    // False when a bay has no positive length (the spline cannot be formed).
    bool Fit(const double (&x)[Knots], const double (&y)[Knots]) {
        double h[Bays];
        for (int k = 0; k < Bays; ++k) {
            h[k] = x[k + 1] - x[k];
            if (!(h[k] > 0)) {
                return false;
            }
        }
        double slope[Bays];
        for (int k = 0; k < Bays; ++k) {
            slope[k] = (y[k + 1] - y[k]) / h[k];
        }
        // Rows for S(2), S(3), S(4): sub-diagonal h(k-1), diagonal 2 (h(k-1) + h(k)),
        // super-diagonal h(k), right side 6 (slope(k) - slope(k-1)).
        double diag[3], rhs[3];
        for (int i = 0; i < 3; ++i) {
            diag[i] = 2 * (h[i] + h[i + 1]);
            rhs[i] = 6 * (slope[i + 1] - slope[i]);
        }
        for (int i = 1; i < 3; ++i) {
            const double m = h[i] / diag[i - 1];
            diag[i] -= m * h[i];
            rhs[i] -= m * rhs[i - 1];
        }
        double s[Knots] = {0, 0, 0, 0, 0};
        s[3] = rhs[2] / diag[2];
        s[2] = (rhs[1] - h[2] * s[3]) / diag[1];
        s[1] = (rhs[0] - h[1] * s[2]) / diag[0];

        for (int k = 0; k < Bays; ++k) {
            A[k] = (s[k + 1] - s[k]) / (6 * h[k]);
            B[k] = s[k] / 2;
            C[k] = slope[k] - (2 * h[k] * s[k] + h[k] * s[k + 1]) / 6;
            D[k] = y[k];
        }
        return true;
    }

    // The value at u inches behind the bay's forward knot.
    double At(int bay, double u) const {
        return D[bay] + C[bay] * u + B[bay] * u * u + A[bay] * u * u * u;
    }
};

// The three stations of one bay, measured from its forward knot. The design samples at the
// knot, h/3 + 0.1 and 2h/3 + 0.2 inch, stepping while the station stays in the bay; that gives
// three samples only in bays of 0.6 inch or more. A shorter bay (or one where the step is lost
// in rounding) is sampled at exact thirds, so every chine keeps 13 points with point 13 on the
// transom.
void BayStations(double x0, double x1, double (&u)[3]) {
    const double step = (x1 - x0) / 3 + 0.1;
    const double t1 = x0 + step;
    const double t2 = t1 + step;
    if (t1 > x0 && t2 > t1 && t2 <= x1) {
        u[0] = 0;
        u[1] = t1 - x0;
        u[2] = t2 - x0;
    } else {
        const double third = (x1 - x0) / 3;
        u[0] = 0;
        u[1] = third;
        u[2] = 2 * third;
    }
}

// Straight lines between the crossings, each bay sampled at thirds: the chine's shape where the
// spline cannot be formed (stations that do not increase) or does not give finite values.
double Straight(double from, double to, int third) {
    const double value = from + (to - from) * (third / 3.0);
    return std::isfinite(value) ? value : Finite(from);
}

void DeriveChine(HullDocument& hull, int c, double& maxHalfBreadth) {
    double station[Knots], height[Knots], halfBreadth[Knots];
    for (int k = 0; k < Knots; ++k) {
        station[k] = hull.OffsetZ[k][c];
        height[k] = hull.OffsetY[k][c];
        halfBreadth[k] = hull.OffsetX[k][c];
    }
    auto& points = hull.SplinePoints[c];

    CubicSpline fitY{}, fitX{};
    bool smooth = fitY.Fit(station, height) && fitX.Fit(station, halfBreadth);
    if (smooth) {
        for (int k = 0; k < Bays && smooth; ++k) {
            double u[3];
            BayStations(station[k], station[k + 1], u);
            for (int i = 0; i < 3; ++i) {
                auto& point = points[1 + 3 * k + i];
                point[3] = station[k] + u[i];
                point[2] = fitY.At(k, u[i]);
                point[1] = fitX.At(k, u[i]);
                smooth = smooth && std::isfinite(point[1]) && std::isfinite(point[2]) &&
                         std::isfinite(point[3]);
            }
        }
    }
    if (!smooth) {
        for (int k = 0; k < Bays; ++k) {
            for (int i = 0; i < 3; ++i) {
                auto& point = points[1 + 3 * k + i];
                point[3] = Straight(station[k], station[k + 1], i);
                point[2] = Straight(height[k], height[k + 1], i);
                point[1] = Straight(halfBreadth[k], halfBreadth[k + 1], i);
            }
        }
    }
    // Point 13 is the transom crossing exactly.
    auto& last = points[PointsPerChine];
    last[3] = Finite(station[Knots - 1]);
    last[2] = Finite(height[Knots - 1]);
    last[1] = Finite(halfBreadth[Knots - 1]);

    for (int p = 1; p <= PointsPerChine; ++p) {
        maxHalfBreadth = std::max(maxHalfBreadth, points[p][1]);
    }
}

} // namespace

HullExtents NormaliseOffsets(HullDocument& hull) {
    HullExtents extents;
    const int n = ChinesInUse(hull);
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c <= n; ++c) {
            double& x = hull.OffsetX[b][c];
            double& y = hull.OffsetY[b][c];
            double& z = hull.OffsetZ[b][c];
            x = std::max(Finite(x), 0.0);
            y = std::max(Finite(y), 0.0);
            z = std::max(Finite(z), 0.0);
            if (b == 0 && x <= 0) {
                x = 0.01; // the stem half-breadth is never less than 0.01 inch
            }
            extents.HullBeam = std::max(extents.HullBeam, x);
            extents.HullHeight = std::max(extents.HullHeight, y);
            extents.HullLength = std::max(extents.HullLength, z);
        }
    }
    return extents;
}

void DeriveSplinePoints(HullDocument& hull, double& maxHalfBreadth) {
    const int n = ChinesInUse(hull);
    for (int c = 1; c <= n; ++c) {
        DeriveChine(hull, c, maxHalfBreadth);
    }
}

void DeriveOffsets(HullDocument& hull, int selectedChine) {
    const int n = ChinesInUse(hull);
    // The points are the master here; a value that is not a number cannot be carried into the
    // offsets, so it becomes 0 in the point too.
    for (int c = 1; c <= n; ++c) {
        for (int p = 1; p <= PointsPerChine; ++p) {
            for (int k = 1; k <= 3; ++k) {
                hull.SplinePoints[c][p][k] = Finite(hull.SplinePoints[c][p][k]);
            }
        }
    }
    const bool selectionInUse = selectedChine >= 1 && selectedChine <= n;
    for (int b = 0; b < BulkheadCount; ++b) {
        const int p = 1 + 3 * b;
        for (int c = 1; c <= n; ++c) {
            hull.OffsetX[b][c] = hull.SplinePoints[c][p][1];
            hull.OffsetY[b][c] = hull.SplinePoints[c][p][2];
            if (b == 0 || b == BulkheadCount - 1) {
                hull.OffsetZ[b][c] = hull.SplinePoints[c][p][3]; // stem and transom may rake
            }
        }
        if (b == 0 || b == BulkheadCount - 1 || n < 1) {
            continue;
        }
        // Inner bulkheads stay planar: every chine takes the station of the picked chine's point.
        // Without a picked chine in use the offsets keep their stations and the points follow
        // the station of the highest chine.
        const double station =
            selectionInUse ? hull.SplinePoints[selectedChine][p][3] : Finite(hull.OffsetZ[b][n]);
        for (int c = 1; c <= n; ++c) {
            if (selectionInUse) {
                hull.OffsetZ[b][c] = station;
            }
            hull.SplinePoints[c][p][3] = station;
        }
    }
}

} // namespace merrowin
