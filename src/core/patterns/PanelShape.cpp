// The developed panel as it is cut: leveled outline, edge lengths, bulkhead rungs, diagonals.
#include "patterns/PanelShape.h"

#include <algorithm>
#include <cmath>

#include "patterns/Leveling.h"
#include "ui/Services.h"

namespace merrowin {

namespace {

// The rungs on bulkheads 1 to 3: spline points 4, 7 and 10, strip points 3, 6 and 9 of each edge.
constexpr int FirstBulkheadRung = 3, RungsPerBay = 3;

FlatPoint Turned(FlatPoint p, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {p.X * c - p.Y * s, p.X * s + p.Y * c};
}

double Distance(FlatPoint a, FlatPoint b) {
    return std::hypot(b.X - a.X, b.Y - a.Y);
}

double Distance(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return std::hypot(b[0] - a[0], b[1] - a[1], b[2] - a[2]);
}

double SpanLength(const std::array<FlatPoint, 11>& span) {
    double length = 0;
    for (std::size_t j = 1; j < span.size(); ++j) {
        length += Distance(span[j - 1], span[j]);
    }
    return length;
}

// Where the side from a to b crosses the vertical line x (a and b lie on either side of it).
FlatPoint CrossingAt(FlatPoint a, FlatPoint b, double x) {
    const double t = (x - a.X) / (b.X - a.X);
    return {x, a.Y + t * (b.Y - a.Y)};
}

// One Sutherland-Hodgman pass: the polygon on one side of the vertical line x = edge.
template <typename Inside>
std::vector<FlatPoint> ClipAt(const std::vector<FlatPoint>& polygon, double edge, Inside inside) {
    std::vector<FlatPoint> out;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const FlatPoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        const bool aIn = inside(a), bIn = inside(b);
        if (aIn) {
            out.push_back(a);
        }
        if (aIn != bIn) {
            out.push_back(CrossingAt(a, b, edge));
        }
    }
    return out;
}

} // namespace

FlatPanel LayPanelFlat(const Triangulation& tri, const PatternRun& run) {
    FlatPanel panel;
    panel.Strip = DevelopStrip(tri);
    const DevelopedStrip& strip = panel.Strip;

    // The same plot text the expansion writes, so the leveling's fit, which counts the ruling
    // lines and marks too, finds the same turn.
    double xScale = run.PlotXScale, yScale = run.PlotYScale;
    if (tri.Factor != 0) {
        xScale /= tri.Factor;
        yScale /= tri.Factor;
    }
    MemoryStatusBar unused;
    const std::string plot = ExpandedPanelPlot(strip, xScale, yScale, run.Date, run.Font, unused);
    panel.Angle = LevelingAngle(plot, run.PlotXScale, run.PlotYScale);
    if (!std::isfinite(panel.Angle)) {
        panel.Angle = 0;
    }

    std::size_t lowerCount = 0;
    bool sharedAftCorner = false;
    const std::vector<FlatPoint> points = OutlinePoints(strip, &lowerCount, &sharedAftCorner);
    const std::size_t aftCorner = lowerCount == 0 ? points.size() : lowerCount - 1;
    const auto spans = OutlineSpans(points, aftCorner, sharedAftCorner);
    // Spans before the aft corner run along the lower edge; after it (and after the straight
    // aft rung, when the edges do not meet there) along the upper edge.
    const std::size_t firstUpper = sharedAftCorner ? aftCorner : aftCorner + 1;
    for (std::size_t k = 0; k < spans.size(); ++k) {
        if (k < aftCorner) {
            panel.LowerLength += SpanLength(spans[k]);
        } else if (k >= firstUpper) {
            panel.UpperLength += SpanLength(spans[k]);
        }
        for (std::size_t j = k == 0 ? 0 : 1; j < spans[k].size(); ++j) {
            panel.Outline.push_back(Turned(spans[k][j], panel.Angle));
        }
    }
    if (spans.empty() && !points.empty()) {
        panel.Outline.push_back(Turned(points.front(), panel.Angle));
    }
    if (!panel.Outline.empty()) {
        panel.MinX = panel.MaxX = panel.Outline.front().X;
        panel.MinY = panel.MaxY = panel.Outline.front().Y;
    }
    for (const FlatPoint& p : panel.Outline) {
        panel.MinX = std::min(panel.MinX, p.X);
        panel.MaxX = std::max(panel.MaxX, p.X);
        panel.MinY = std::min(panel.MinY, p.Y);
        panel.MaxY = std::max(panel.MaxY, p.Y);
    }

    for (int b = 1; b <= 3; ++b) {
        const auto k = static_cast<std::size_t>(FirstBulkheadRung + RungsPerBay * (b - 1));
        if (k < strip.Lower.size() && k < strip.Upper.size()) {
            panel.Rungs.push_back({b, Turned(strip.Points[strip.Lower[k]], panel.Angle),
                                   Turned(strip.Points[strip.Upper[k]], panel.Angle)});
        }
    }
    return panel;
}

double PolygonArea(const std::vector<FlatPoint>& polygon) {
    double twice = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const FlatPoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        twice += a.X * b.Y - b.X * a.Y;
    }
    const double area = std::fabs(twice) / 2;
    return std::isfinite(area) ? area : 0.0;
}

std::vector<FlatPoint> ClipToSlab(const std::vector<FlatPoint>& polygon, double fromX, double toX) {
    const std::vector<FlatPoint> right =
        ClipAt(polygon, fromX, [fromX](FlatPoint p) { return p.X >= fromX; });
    return ClipAt(right, toX, [toX](FlatPoint p) { return p.X <= toX; });
}

DiagonalCheck CheckDiagonals(const DevelopedStrip& strip, const EdgePoints& lower,
                             const EdgePoints& upper) {
    DiagonalCheck check;
    for (std::size_t k = 1; k < PointsPerChine; ++k) {
        // Flat points k - 1 and k of each edge are spline points k and k + 1.
        if (k >= strip.Lower.size() || k >= strip.Upper.size()) {
            break;
        }
        const double flat =
            Distance(strip.Points[strip.Lower[k - 1]], strip.Points[strip.Upper[k]]);
        const double real = Distance(lower[k], upper[k + 1]);
        const double error = std::fabs(flat - real);
        if (std::isfinite(error) && (check.Rung == 0 || error > check.Error)) {
            check.Error = error;
            check.Rung = static_cast<int>(k);
            const double station =
                (lower[k][2] + lower[k + 1][2] + upper[k][2] + upper[k + 1][2]) / 4;
            check.Station = std::isfinite(station) ? station : 0.0;
        }
    }
    return check;
}

} // namespace merrowin
