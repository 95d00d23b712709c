// Panel expansion: triangle strips laid flat, smoothed and written as the panels' plot files.
#include "patterns/Expansion.h"
#include "model/Constants.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "io/PlotFile.h"
#include "patterns/PatternFiles.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

// The first rung's quarter turn is taken with the short pi, as the program has always placed it;
// it tilts the strip by under 5e-5 radian, which the leveling turns away.
constexpr double FirstPlacementQuarterTurn = ShortPi / 2;

// Side lengths beyond this (inches) are taken as this: no boat comes near it, and it keeps every
// sum of coordinates finite whatever a triangulation file holds.
constexpr double MaxSideLength = 1e7;

// Most outline points a panel's smooth curve runs through.
constexpr std::size_t MaxOutlinePoints = 51;

// Spacing of the outline points along the spline parameter, and samples per span.
constexpr double KnotSpacing = 10;
constexpr int StepsPerSpan = 10;

double SideLength(double value) {
    const double length = std::fabs(value);
    if (!std::isfinite(length)) {
        return 0;
    }
    return std::min(length, MaxSideLength);
}

// The angle (radians) between the sides b and c of a triangle, opposite the side a, by the
// half-angle form: s = (a + b + c) / 2, tan(A / 2) = r / (s - a), r = sqrt((s-a)(s-b)(s-c) / s).
// Lengths that do not close a triangle give the nearest flat one: a at least b + c opens the
// angle to a half turn, b or c too long closes it to 0 (the cosine clamped to [-1, 1]), so no
// NaN reaches the strip.
double TriangleAngle(double a, double b, double c) {
    if (b <= 0 || c <= 0) {
        return 0;
    }
    const double s = (a + b + c) / 2;
    const double sa = s - a, sb = s - b, sc = s - c;
    if (sa <= 0) {
        return std::numbers::pi;
    }
    if (sb <= 0 || sc <= 0) {
        return 0;
    }
    return 2 * std::atan(std::sqrt(sb * sc / (s * sa)));
}

double Cross(FlatPoint u, FlatPoint v) {
    return u.X * v.Y - u.Y * v.X;
}

FlatPoint Minus(FlatPoint a, FlatPoint b) {
    return {a.X - b.X, a.Y - b.Y};
}

int SideOf(double cross, int fallback) {
    if (cross > 0) {
        return 1;
    }
    if (cross < 0) {
        return -1;
    }
    return fallback;
}

void Include(DevelopedStrip& strip, FlatPoint p) {
    strip.MinX = std::min(strip.MinX, p.X);
    strip.MaxX = std::max(strip.MaxX, p.X);
    strip.MinY = std::min(strip.MinY, p.Y);
    strip.MaxY = std::max(strip.MaxY, p.Y);
}

int AddPoint(DevelopedStrip& strip, FlatPoint p, bool upper) {
    strip.Points.push_back(p);
    strip.OnUpperEdge.push_back(upper);
    (upper ? strip.Upper : strip.Lower).push_back(static_cast<int>(strip.Points.size()) - 1);
    Include(strip, p);
    return static_cast<int>(strip.Points.size()) - 1;
}

// Second derivatives of the not-a-knot cubic spline through values at equal spacing h: the
// tridiagonal system M(i-1) + 4 M(i) + M(i+1) = 6 (y(i-1) - 2 y(i) + y(i+1)) / h^2 for the inner
// points, with the end conditions (third derivative continuous at the second and the last but
// one point: M0 = 2 M1 - M2 and its mirror) folded into the first and last rows, which become
// 6 M1 = r1 and 6 M(n-2) = r(n-2) at equal spacing.
std::vector<double> NotAKnotSecondDerivatives(const std::vector<double>& y, double h) {
    const std::size_t n = y.size();
    std::vector<double> m(n, 0.0);
    if (n < 3) {
        return m; // a straight line
    }
    std::vector<double> r(n, 0.0);
    for (std::size_t i = 1; i + 1 < n; ++i) {
        r[i] = 6 * (y[i - 1] - 2 * y[i] + y[i + 1]) / (h * h);
    }
    if (n == 3) {
        // One parabola through the three points.
        m[0] = m[1] = m[2] = r[1] / 6;
        return m;
    }
    // Thomas algorithm over the inner unknowns 1 .. n-2.
    const std::size_t first = 1, last = n - 2;
    std::vector<double> diag(n, 4.0), upper(n, 1.0), lower(n, 1.0);
    diag[first] = 6;
    upper[first] = 0;
    diag[last] = 6;
    lower[last] = 0;
    for (std::size_t i = first + 1; i <= last; ++i) {
        const double w = lower[i] / diag[i - 1];
        diag[i] -= w * upper[i - 1];
        r[i] -= w * r[i - 1];
    }
    m[last] = r[last] / diag[last];
    for (std::size_t i = last; i-- > first;) {
        m[i] = (r[i] - upper[i] * m[i + 1]) / diag[i];
    }
    m[0] = 2 * m[1] - m[2];
    m[n - 1] = 2 * m[n - 2] - m[n - 3];
    return m;
}

// The cubic of one span at s in [0, h] from its end values and second derivatives.
double SpanValue(double y0, double y1, double m0, double m1, double h, double s) {
    const double t = h - s;
    return m0 * t * t * t / (6 * h) + m1 * s * s * s / (6 * h) + (y0 - m0 * h * h / 6) * t / h +
           (y1 - m1 * h * h / 6) * s / h;
}

FlatPoint Midpoint(FlatPoint a, FlatPoint b) {
    return {(a.X + b.X) / 2, (a.Y + b.Y) / 2};
}

// Colours of the triangles on the screen: chords along the panel's edges black, rungs and
// diagonals light blue.
constexpr int EdgeColour = Colour::Black;
constexpr int RungColour = Colour::LightBlue;

// Margin (inches) around the developed panel on the screen.
constexpr double ScreenMargin = 10;

void DrawStrip(Canvas& canvas, const DevelopedStrip& strip) {
    canvas.Clear();
    if (strip.Points.empty()) {
        return;
    }
    // Equal units on both axes so the panel keeps its shape; the box centred, y upward.
    const double spanX = strip.MaxX - strip.MinX + 2 * ScreenMargin;
    const double spanY = strip.MaxY - strip.MinY + 2 * ScreenMargin;
    const double width = canvas.Width() > 0 ? canvas.Width() : 1;
    const double height = canvas.Height() > 0 ? canvas.Height() : 1;
    const double unitsPerPixel = std::max(spanX / width, spanY / height);
    const double halfX = unitsPerPixel * width / 2, halfY = unitsPerPixel * height / 2;
    const double cx = (strip.MinX + strip.MaxX) / 2, cy = (strip.MinY + strip.MaxY) / 2;
    canvas.Scale(cx - halfX, cy + halfY, cx + halfX, cy - halfY);
    for (const std::array<int, 3>& t : strip.Triangles) {
        const FlatPoint lower = strip.Points[t[0]], upper = strip.Points[t[1]];
        const FlatPoint added = strip.Points[t[2]];
        const FlatPoint chordFrom = strip.OnUpperEdge[t[2]] ? upper : lower;
        const FlatPoint across = strip.OnUpperEdge[t[2]] ? lower : upper;
        canvas.Line(lower.X, lower.Y, upper.X, upper.Y, RungColour);
        canvas.Line(across.X, across.Y, added.X, added.Y, RungColour);
        canvas.Line(chordFrom.X, chordFrom.Y, added.X, added.Y, EdgeColour);
    }
}

} // namespace

Triangulation ParseTriangulation(std::string_view text) {
    Triangulation tri;
    const std::vector<std::string> items = SplitItems(text);
    std::size_t next = 0;
    auto read = [&](double& target) {
        target = next < items.size() ? Val(items[next]) : 0.0;
        ++next;
    };
    read(tri.Factor);
    for (double& u : tri.Upper) {
        read(u);
    }
    for (double& d : tri.Rungs) {
        read(d);
    }
    for (double& l : tri.Lower) {
        read(l);
    }
    return tri;
}

DevelopedStrip DevelopStrip(const Triangulation& tri) {
    DevelopedStrip strip;
    const double firstRung = SideLength(tri.Rungs[0]);
    int lower = AddPoint(strip, {0, 0}, false);
    int upper = AddPoint(strip, {0, firstRung}, true);
    int dropped = -1; // the vertex of the last triangle that is not on the next shared side
    int lastSide = -1;
    const std::size_t triangleCount = tri.Upper.size() - 1; // 24; the last entries are never used
    for (std::size_t i = 0; i < triangleCount; ++i) {
        if (tri.Upper[i] == 0 && tri.Lower[i] == 0) {
            break; // the strip ends here
        }
        // The triangle advances along the upper edge when it has an upper chord.
        const bool alongUpper = tri.Upper[i] != 0;
        const double chord = SideLength(alongUpper ? tri.Upper[i] : tri.Lower[i]);
        const double across = SideLength(tri.Rungs[i + 1]);
        const int from = alongUpper ? upper : lower;
        const int other = alongUpper ? lower : upper;
        const FlatPoint p = strip.Points[from], q = strip.Points[other];
        FlatPoint added;
        if (i == 0) {
            // The first rung stands on the y axis; the triangle goes to its +x side, hanging
            // from the upper end when it advances along the upper edge.
            const double phi = TriangleAngle(across, firstRung, chord);
            const double direction =
                alongUpper ? phi - FirstPlacementQuarterTurn : FirstPlacementQuarterTurn - phi;
            added = {p.X + chord * std::cos(direction), p.Y + chord * std::sin(direction)};
            lastSide = SideOf(Cross(Minus(q, p), Minus(added, p)), alongUpper ? 1 : -1);
        } else {
            // At the chord's length from the advancing edge's point and the new rung's length
            // from the other edge's point, on the side of the shared side away from the vertex
            // laid before, so consecutive triangles never overlap. The shared side's laid length
            // is used, so both new sides come out exact even after the first placement's
            // approximate quarter turn.
            const FlatPoint side = Minus(q, p);
            const double laid = std::hypot(side.X, side.Y);
            const FlatPoint unit =
                laid > 0 ? FlatPoint{side.X / laid, side.Y / laid} : FlatPoint{0, 1};
            const double alpha = TriangleAngle(across, laid, chord);
            const int sideSign = -SideOf(Cross(unit, Minus(strip.Points[dropped], p)), lastSide);
            const double turn = sideSign * alpha;
            const double c = std::cos(turn), s = std::sin(turn);
            added = {p.X + chord * (unit.X * c - unit.Y * s),
                     p.Y + chord * (unit.X * s + unit.Y * c)};
            lastSide = sideSign;
        }
        const int index = AddPoint(strip, added, alongUpper);
        strip.Triangles.push_back({lower, upper, index});
        dropped = from;
        (alongUpper ? upper : lower) = index;
    }
    return strip;
}

std::vector<FlatPoint> OutlinePoints(const DevelopedStrip& strip, std::size_t* lowerCount,
                                     bool* sharedAftCorner) {
    std::vector<FlatPoint> points;
    std::string lastX, lastY;
    // False when the point is dropped because it prints like the one collected last.
    auto collect = [&](int index) {
        if (points.size() >= MaxOutlinePoints) {
            return true;
        }
        const FlatPoint p = strip.Points[index];
        std::string x = FormatNumber(p.X, "0.0"), y = FormatNumber(p.Y, "0.0");
        if (!points.empty() && x == lastX && y == lastY) {
            return false;
        }
        points.push_back(p);
        lastX = std::move(x);
        lastY = std::move(y);
        return true;
    };
    for (int index : strip.Lower) {
        collect(index);
    }
    if (lowerCount != nullptr) {
        *lowerCount = points.size();
    }
    bool shared = false;
    for (auto it = strip.Upper.rbegin(); it != strip.Upper.rend(); ++it) {
        const bool kept = collect(*it);
        if (it == strip.Upper.rbegin()) {
            shared = !kept; // a pointed stern: both edges end in one point
        }
    }
    if (sharedAftCorner != nullptr) {
        *sharedAftCorner = shared;
    }
    return points;
}

namespace {

// The spans of one not-a-knot spline through points[first .. last], appended to spans.
void AppendSplineSpans(const std::vector<FlatPoint>& points, std::size_t first, std::size_t last,
                       std::vector<std::array<FlatPoint, 11>>& spans) {
    if (last <= first || last >= points.size()) {
        return;
    }
    std::vector<double> xs, ys;
    xs.reserve(last - first + 1);
    ys.reserve(last - first + 1);
    for (std::size_t k = first; k <= last; ++k) {
        xs.push_back(points[k].X);
        ys.push_back(points[k].Y);
    }
    const std::vector<double> mx = NotAKnotSecondDerivatives(xs, KnotSpacing);
    const std::vector<double> my = NotAKnotSecondDerivatives(ys, KnotSpacing);
    for (std::size_t k = 1; k < xs.size(); ++k) {
        std::array<FlatPoint, 11> span;
        // The ends are the points themselves, not the cubic's rounding of them, so the origin
        // is written as 0 and not as -1.
        span[0] = points[first + k - 1];
        span[StepsPerSpan] = points[first + k];
        for (int j = 1; j < StepsPerSpan; ++j) {
            const double s = KnotSpacing * j / StepsPerSpan;
            span[j] = {SpanValue(xs[k - 1], xs[k], mx[k - 1], mx[k], KnotSpacing, s),
                       SpanValue(ys[k - 1], ys[k], my[k - 1], my[k], KnotSpacing, s)};
        }
        spans.push_back(span);
    }
}

// A straight span from a to b, sampled at the same ten steps.
std::array<FlatPoint, 11> StraightSpan(FlatPoint a, FlatPoint b) {
    std::array<FlatPoint, 11> span;
    for (int j = 0; j <= StepsPerSpan; ++j) {
        const double f = static_cast<double>(j) / StepsPerSpan;
        span[j] = {a.X + f * (b.X - a.X), a.Y + f * (b.Y - a.Y)};
    }
    span[0] = a;
    span[StepsPerSpan] = b;
    return span;
}

} // namespace

std::vector<std::array<FlatPoint, 11>> OutlineSpans(const std::vector<FlatPoint>& points,
                                                    std::size_t aftCorner, bool sharedAftCorner) {
    std::vector<std::array<FlatPoint, 11>> spans;
    if (points.size() < 2) {
        return spans;
    }
    spans.reserve(points.size() - 1);
    if (aftCorner >= points.size() - 1) {
        AppendSplineSpans(points, 0, points.size() - 1, spans);
        return spans;
    }
    // One curve would swing round the aft corner, where the outline turns back on itself, and
    // bulge inches beyond the transom: each edge gets its own curve and the aft rung, the cut
    // along the transom, stays straight.
    AppendSplineSpans(points, 0, aftCorner, spans);
    if (sharedAftCorner) {
        // The edges meet in one point (a pointed stern): there is no rung to cut, and a chord
        // to the next upper point would cut across the panel; the upper curve starts at the
        // corner.
        AppendSplineSpans(points, aftCorner, points.size() - 1, spans);
        return spans;
    }
    spans.push_back(StraightSpan(points[aftCorner], points[aftCorner + 1]));
    AppendSplineSpans(points, aftCorner + 1, points.size() - 1, spans);
    return spans;
}

std::string ExpandedPanelPlot(const DevelopedStrip& strip, double plotXScale, double plotYScale,
                              const std::string& date, const StrokeFont& font, StatusBar& status) {
    PlotWriter plot(plotXScale, plotYScale);
    plot.Begin(ExpansionHeader(date, plotXScale, plotYScale));
    auto point = [&](FlatPoint p) { plot.Coordinate(p.X, p.Y); };

    // Ruling lines, pen 1: the rungs where every other triangle starts (P1 Q1 .. P12 Q12).
    for (std::size_t i = 0; i < strip.Triangles.size(); i += 2) {
        point(strip.Points[strip.Triangles[i][0]]);
        plot.Pen(1, true);
        point(strip.Points[strip.Triangles[i][1]]);
        plot.Pen(1, false);
    }

    // Marks: the bow, the three bulkheads, top and bottom at the middle bulkhead and the aft end.
    constexpr double MarkSize = 0.25;
    const auto lowerAt = [&](std::size_t k) { return strip.Points[strip.Lower[k - 1]]; };
    const auto upperAt = [&](std::size_t k) { return strip.Points[strip.Upper[k - 1]]; };
    const auto has = [&](std::size_t k) {
        return strip.Lower.size() >= k && strip.Upper.size() >= k;
    };
    auto mark = [&](std::string_view text, FlatPoint at) {
        DrawLabel(plot, font, status, text, at.X, at.Y, MarkSize, 0);
    };
    auto rungMark = [&](std::string_view text, std::size_t k, double dx) {
        if (has(k)) {
            const FlatPoint mid = Midpoint(lowerAt(k), upperAt(k));
            mark(text, {mid.X + dx, mid.Y});
        }
    };
    rungMark("F", 1, 0.25);
    rungMark("BH1", 4, 0.25);
    rungMark("BH2", 7, 0.25);
    if (has(7)) {
        mark("T", {upperAt(7).X + 0.25, upperAt(7).Y - 0.5});
        mark("B", {lowerAt(7).X + 0.25, lowerAt(7).Y + 0.25});
    }
    rungMark("BH3", 10, 0.25);
    rungMark("A", 13, -0.5);

    // The cut outline, pen 0, through the smooth curve; each outline point marked for the
    // hand plot. It ends at the forward upper point: the forward rung is only a ruling line.
    std::size_t lowerCount = 0;
    bool sharedAftCorner = false;
    const std::vector<FlatPoint> outline = OutlinePoints(strip, &lowerCount, &sharedAftCorner);
    if (outline.empty()) {
        return plot.Content();
    }
    plot.Pen(0, false);
    point(outline.front());
    plot.Pen(0, true);
    plot.Statement("/* hand plot */");
    point(outline.front());
    const std::vector<std::array<FlatPoint, 11>> spans =
        OutlineSpans(outline, lowerCount == 0 ? outline.size() : lowerCount - 1, sharedAftCorner);
    for (std::size_t k = 0; k < spans.size(); ++k) {
        for (const FlatPoint& sample : spans[k]) {
            point(sample);
        }
        plot.Statement("/* hand plot */");
        point(outline[k + 1]);
    }
    return plot.Content();
}

std::string ExpandedPanelName(std::string_view triangulationName) {
    const std::size_t dot = triangulationName.find('.');
    const std::string_view stem =
        dot == std::string_view::npos ? std::string_view() : triangulationName.substr(0, dot + 1);
    return std::string(stem) + "UC";
}

void ExpandPanels(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                  StatusBar& status, Canvas* canvas) {
    for (const std::string& panel : PanelNames(hull, run.Options)) {
        const std::string triName = panel + ".tri";
        status.SetPanel(1, "Expanding..." + triName + "angulation");
        const std::string* text = files.Find(run.Folder, triName);
        if (text == nullptr) {
            continue; // no triangulation: the panel is skipped
        }
        const Triangulation tri = ParseTriangulation(*text);
        const DevelopedStrip strip = DevelopStrip(tri);
        if (canvas != nullptr) {
            DrawStrip(*canvas, strip);
        }
        // The panel's scales are the run's divided by its factor; the run's are left as read,
        // so one panel's factor never carries into the next panel or stage.
        double xScale = run.PlotXScale, yScale = run.PlotYScale;
        if (tri.Factor != 0) {
            xScale /= tri.Factor;
            yScale /= tri.Factor;
        }
        files.Put(run.Folder, ExpandedPanelName(triName),
                  ExpandedPanelPlot(strip, xScale, yScale, run.Date, run.Font, status));
    }
    status.SetPanel(1, "Done...");
}

} // namespace merrowin
