// Tests of panel expansion: the flat strip, the smooth outline and the panel plot files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "PatternTestSupport.h"
#include "patterns/Expansion.h"
#include "patterns/PatternGeneration.h"
#include "text/NumberText.h"
#include "ui/RecordingCanvas.h"

namespace merrowin {
namespace {

using Point3 = std::array<double, 3>;

double Distance(const Point3& a, const Point3& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

double Distance(FlatPoint a, FlatPoint b) {
    return std::hypot(a.X - b.X, a.Y - b.Y);
}

// The strip of a panel between lower points p and upper points q (13 each), laid out as the
// triangulation file holds it.
Triangulation StripOf(const std::vector<Point3>& p, const std::vector<Point3>& q) {
    Triangulation tri;
    for (int k = 0; k < 12; ++k) {
        tri.Upper[2 * k + 1] = Distance(q[k], q[k + 1]);
        tri.Rungs[2 * k] = Distance(p[k], q[k]);
        tri.Rungs[2 * k + 1] = Distance(p[k + 1], q[k]);
        tri.Lower[2 * k] = Distance(p[k], p[k + 1]);
    }
    tri.Rungs[24] = Distance(p[12], q[12]);
    return tri;
}

// Strip vertex v: lower point v / 2 for even v, upper point v / 2 otherwise.
Point3 Vertex3(const std::vector<Point3>& p, const std::vector<Point3>& q, int v) {
    return v % 2 == 0 ? p[v / 2] : q[v / 2];
}

// A doubly curved, twisted panel: nothing about it is developable, but every triangle of its
// strip must still lie flat with its own side lengths.
void TwistedPanel(std::vector<Point3>& p, std::vector<Point3>& q) {
    for (int k = 0; k < 13; ++k) {
        const double z = 12.0 * k;
        p.push_back({8 + 14 * std::sin(k / 4.0), 2 + 0.05 * (k - 6) * (k - 6), z});
        q.push_back({12 + 16 * std::sin(k / 4.0), 16 - 0.3 * k, z + 3 * std::cos(k / 3.0)});
    }
}

// The plot file of a strip at 500 units per inch, without marks.
std::string PlotOf(const DevelopedStrip& strip) {
    StrokeFont noFont;
    MemoryStatusBar status;
    return ExpandedPanelPlot(strip, 500, 500, "01-02-2027", noFont, status);
}

// Adds a point on the lower or upper edge of a strip made by hand.
void AddPoint(DevelopedStrip& strip, double x, double y, bool upper) {
    strip.Points.push_back({x, y});
    (upper ? strip.Upper : strip.Lower).push_back(static_cast<int>(strip.Points.size()) - 1);
}

double Cross(FlatPoint o, FlatPoint a, FlatPoint b) {
    return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X);
}

TEST(Expansion, TrianglesKeepTheirSideLengthsAndNeverFold) {
    std::vector<Point3> p, q;
    TwistedPanel(p, q);
    const DevelopedStrip strip = DevelopStrip(StripOf(p, q));
    ASSERT_EQ(strip.Points.size(), 26u);
    ASSERT_EQ(strip.Triangles.size(), 24u);
    const std::vector<FlatPoint>& v = strip.Points;

    EXPECT_EQ(v[1].X, 0); // the first rung stands on the y axis
    EXPECT_GT(v[2].X, 0); // and the strip runs to +x

    for (int i = 0; i < 24; ++i) {
        // Every side but one is exact: the chord and the new rung of each triangle, and the
        // rung it shares. The first triangle's far rung carries the first placement's 3.1415.
        const double chord = Distance(Vertex3(p, q, i), Vertex3(p, q, i + 2));
        EXPECT_NEAR(Distance(v[i], v[i + 2]), chord, 1e-9) << "triangle " << i;
        EXPECT_NEAR(Distance(v[i], v[i + 1]), Distance(Vertex3(p, q, i), Vertex3(p, q, i + 1)),
                    i == 1 ? 1e-3 : 1e-9)
            << "triangle " << i;
        EXPECT_NEAR(Distance(v[i + 1], v[i + 2]),
                    Distance(Vertex3(p, q, i + 1), Vertex3(p, q, i + 2)), i == 0 ? 1e-3 : 1e-9)
            << "triangle " << i;
        if (i > 0) {
            // Triangle i - 1 and triangle i lie on opposite sides of their shared side.
            EXPECT_LT(Cross(v[i], v[i + 1], v[i - 1]) * Cross(v[i], v[i + 1], v[i + 2]), 0)
                << "triangle " << i;
        }
    }
}

// Developable panels develop to their true flat shape: on a circular cylinder about z with rungs
// parallel to y, a rectangle as long as the sum of the edge chords; on a right circular cone
// (apex at the origin, half-angle beta) with rungs along its generators, a ring sector about the
// flat apex, each rung on a ray. The first placement's quarter turn of 3.1415 / 2 tilts the
// strip by a few millionths of a radian: a thousandth of an inch at the aft end.
TEST(Expansion, CylinderAndConeDevelopToTheirFlatShapes) {
    const double radius = 30, rung = 20, beta = 0.35, near = 40, far = 62, step = 0.12;
    // Flat angle between neighbouring generators: 2 asin(sin(beta) sin(step / 2)).
    const double flatStep = 2 * std::asin(std::sin(beta) * std::sin(step / 2));
    for (const bool cone : {false, true}) {
        std::vector<Point3> p, q;
        std::vector<FlatPoint> flatP, flatQ;
        double along = 0;
        for (int k = 0; k < 13; ++k) {
            if (cone) {
                const double az = step * k, a = flatStep * k;
                const Point3 g{std::sin(beta) * std::cos(az), std::sin(beta) * std::sin(az),
                               std::cos(beta)};
                p.push_back({near * g[0], near * g[1], near * g[2]});
                q.push_back({far * g[0], far * g[1], far * g[2]});
                flatP.push_back({near * std::sin(a), near * std::cos(a) - near});
                flatQ.push_back({far * std::sin(a), far * std::cos(a) - near});
            } else {
                const double a = 0.1 * k;
                p.push_back({radius * std::cos(a), 0, radius * std::sin(a)});
                q.push_back({radius * std::cos(a), rung, radius * std::sin(a)});
                along += k > 0 ? Distance(p[k - 1], p[k]) : 0;
                flatP.push_back({along, 0});
                flatQ.push_back({along, rung});
            }
        }
        const DevelopedStrip strip = DevelopStrip(StripOf(p, q));
        for (std::size_t k = 0; k < 13; ++k) {
            EXPECT_LT(Distance(strip.Points[strip.Lower[k]], flatP[k]), 2e-3) << cone << k;
            EXPECT_LT(Distance(strip.Points[strip.Upper[k]], flatQ[k]), 2e-3) << cone << k;
        }
    }
}

TEST(Expansion, BadTriangulationsGiveAFiniteStripAndEndWhereTheChordsStop) {
    std::vector<Point3> p, q;
    TwistedPanel(p, q);
    Triangulation tri = StripOf(p, q);
    tri.Rungs[5] = 1000;   // far longer than the other two sides together
    tri.Lower[8] = 0.001;  // a chord too short to reach
    tri.Rungs[12] = -3;    // a negative length
    tri.Upper[15] = 1e300; // absurdly long
    const DevelopedStrip strip = DevelopStrip(tri);
    ASSERT_EQ(strip.Points.size(), 26u);
    for (const FlatPoint& v : strip.Points) {
        EXPECT_TRUE(std::isfinite(v.X) && std::isfinite(v.Y));
    }
    const std::string plot = PlotOf(strip);
    EXPECT_EQ(plot.find("nan"), std::string::npos);
    EXPECT_EQ(plot.find("inf"), std::string::npos);

    tri.Lower[4] = 0; // triangle 4 has neither chord: the strip ends there
    EXPECT_EQ(DevelopStrip(tri).Triangles.size(), 4u);
    Triangulation rungOnly;
    rungOnly.Rungs[0] = 10;
    const DevelopedStrip bare = DevelopStrip(rungOnly);
    EXPECT_EQ(bare.Points.size(), 2u);
    // The forward rung only.
    EXPECT_EQ(test::CountLines(SplitLines(PlotOf(bare)), "/* hand plot */"), 2);
}

TEST(Expansion, OutlineSplineReproducesCubicsAndPassesThroughThePoints) {
    // A not-a-knot spline is exact for any cubic: points on one come back on it in between.
    auto f = [](double t) { return 0.002 * t * t * t - 0.1 * t * t + 3 * t - 7; };
    for (int count : {2, 3, 4, 5, 9}) {
        std::vector<FlatPoint> points;
        for (int k = 0; k < count; ++k) {
            const double t = 10.0 * k;
            points.push_back({2 * t + 1, count == 2 ? 4 * t : (count == 3 ? t * t / 50 : f(t))});
        }
        const auto spans = OutlineSpans(points);
        ASSERT_EQ(spans.size(), static_cast<std::size_t>(count - 1));
        for (int k = 1; k < count; ++k) {
            const auto& span = spans[k - 1];
            EXPECT_EQ(span.front().X, points[k - 1].X);
            EXPECT_EQ(span.back().Y, points[k].Y);
            for (int j = 0; j <= 10; ++j) {
                const double t = 10.0 * (k - 1) + j;
                const double y = count == 2 ? 4 * t : (count == 3 ? t * t / 50 : f(t));
                EXPECT_NEAR(span[j].X, 2 * t + 1, 1e-9);
                EXPECT_NEAR(span[j].Y, y, 1e-9) << count << " points, t " << t;
            }
        }
    }
    EXPECT_TRUE(OutlineSpans({{1, 2}}).empty());
}

TEST(Expansion, OutlineDropsPointsThatPrintAlikeAndStopsAt51) {
    DevelopedStrip strip;
    AddPoint(strip, 0, 0, false);
    AddPoint(strip, 0, 10, true);
    AddPoint(strip, 5, 0.04, false);
    AddPoint(strip, 5.02, 0.01, false); // prints as 5.0 0.0 like the one before: dropped
    AddPoint(strip, 5, 10, true);
    const std::vector<FlatPoint> outline = OutlinePoints(strip);
    ASSERT_EQ(outline.size(), 4u);
    EXPECT_EQ(outline[1].Y, 0.04);
    EXPECT_EQ(outline[2].X, 5); // the upper edge from aft to forward
    EXPECT_EQ(outline[3].X, 0);
    for (int k = 0; k < 80; ++k) {
        AddPoint(strip, k + 10, 0, false);
    }
    EXPECT_EQ(OutlinePoints(strip).size(), 51u);
}

// Ruling lines P1 Q1 .. P12 Q12 with pen 1, the marks, and the cut outline with pen 0 through
// 26 marked points, open at the forward rung and running straight along the aft rung between
// the two edges' curves (one curve through the turn bulged inches beyond the transom).
TEST(Expansion, PanelPlotHasRulingLinesMarksAndAnOpenOutline) {
    std::vector<Point3> p, q;
    TwistedPanel(p, q);
    const DevelopedStrip strip = DevelopStrip(StripOf(p, q));
    // A font of one stroke per letter the marks use.
    const StrokeFont font = ParseStrokeFont("F\r\n2\r\n0,0\r\n0,8\r\nB\r\n2\r\n0,0\r\n4,4\r\n");
    MemoryStatusBar status;
    test::ExpectGolden("patterns/expanded_panel.uc",
                       ExpandedPanelPlot(strip, 500, 250, "03-04-2027", font, status));
}

// The triangulation file pattern generation writes for the panel, with its factor.
std::string TriangulationFileText(const std::vector<Point3>& p, const std::vector<Point3>& q,
                                  const char* factor) {
    EdgePoints lower{}, upper{};
    std::copy(p.begin(), p.end(), lower.begin() + 1);
    std::copy(q.begin(), q.end(), upper.begin() + 1);
    return factor + TriangulationText(lower, upper).substr(2);
}

TEST(Expansion, ExpandPanelsDevelopsTheRunsPanelsEachAtItsOwnScale) {
    std::vector<Point3> p, q;
    TwistedPanel(p, q);
    PatternOptions options;
    options.Deck = true;
    const PatternRun run = test::TestRun(options);
    FileBatch files;
    files.Put(run.Folder, "deck.tri", TriangulationFileText(p, q, " 1"));
    files.Put(run.Folder, "chine1.tri", TriangulationFileText(p, q, " 2"));
    files.Put(run.Folder, "CHINE3.TRI", TriangulationFileText(p, q, " 1")); // any letter case

    HullDocument hull;
    hull.ChineCount = 4; // chine1, chine2 (missing), chine3
    MemoryStatusBar status;
    RecordingCanvas canvas;
    ExpandPanels(run, hull, files, status, &canvas);

    EXPECT_EQ(status.Panel(1), "Done...");
    EXPECT_EQ(files.Size(), 6u);
    // The triangulation pattern generation writes holds the strip as the panel lays it out, and
    // a factor of 2 halves the scales of its own panel only.
    const DevelopedStrip strip = DevelopStrip(StripOf(p, q));
    for (const auto& [name, scale] :
         {std::pair{"deck.UC", 500}, {"chine1.UC", 250}, {"chine3.UC", 500}}) {
        const std::string* plot = files.Find(run.Folder, name);
        ASSERT_NE(plot, nullptr) << name;
        EXPECT_EQ(*plot, ExpandedPanelPlot(strip, scale, scale, run.Date, run.Font, status));
    }

    // Each developed panel drawn: cleared, fitted with y upward, three sides per triangle.
    EXPECT_EQ(canvas.Count(CanvasOp::Line), 3u * 3 * 24);
    ASSERT_TRUE(canvas.HasScale());
    EXPECT_GT(canvas.CurrentScale().Top, canvas.CurrentScale().Bottom);
}

TEST(Expansion, PointedSternStartsTheUpperCurveAtTheSharedCorner) {
    // Lower edge P1..P13 along y = 0 to x = 120; the upper edge meets it there (Q13 prints like
    // P13) and runs forward on y = t^2 / 100, t the distance in x from the corner.
    DevelopedStrip strip;
    for (int k = 0; k <= 12; ++k) {
        AddPoint(strip, 10.0 * k, 0, false);
    }
    for (int k = 0; k <= 12; ++k) {
        const double t = 120 - 10.0 * k;
        AddPoint(strip, 10.0 * k, t * t / 100, true);
    }
    strip.Points[static_cast<std::size_t>(strip.Upper.back())] = {120.02, 0.01};
    std::size_t lowerCount = 0;
    bool shared = false;
    const std::vector<FlatPoint> outline = OutlinePoints(strip, &lowerCount, &shared);
    ASSERT_EQ(outline.size(), 25u);
    EXPECT_TRUE(shared);

    // The span from the corner to Q12 follows the upper curve (a not-a-knot spline is exact on
    // a parabola), not the chord that cut the panel short: at x = 115 it is at y = 0.25, where
    // the chord would be at 0.5.
    const auto spans = OutlineSpans(outline, lowerCount - 1, shared);
    ASSERT_EQ(spans.size(), 24u);
    EXPECT_NEAR(spans[12][5].X, 115, 1e-9);
    EXPECT_NEAR(spans[12][5].Y, 0.25, 1e-9);
    const std::string sample = IntText(IntFloor(spans[12][5].X * 500)) + " " +
                               IntText(IntFloor(spans[12][5].Y * 500)) + " acut\r\n";
    EXPECT_NE(PlotOf(strip).find(sample), std::string::npos) << "the panel's file follows it";
}

} // namespace
} // namespace merrowin
