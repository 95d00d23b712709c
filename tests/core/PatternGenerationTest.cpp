// Pattern generation's pieces: triangulation numbers, outline plot files, frame clamping,
// unrolled transom and stem, the sheet, and the 3-D hull drawing.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "export/HullDrawing.h"
#include "io/Files.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"
#include "text/NumberText.h"

namespace merrowin {
namespace {

using test::Lines;

constexpr const char* Date = "01-02-2024";
constexpr const char* Header = "/* TARVO: 01-02-2024 Xscale: 500 Yscale: 500 */";

PlotContext Context(const StrokeFont* font = nullptr, StatusBar* status = nullptr) {
    PlotContext context;
    context.Date = Date;
    context.Font = font;
    context.Status = status;
    return context;
}

PatternOptions NoText() {
    PatternOptions options;
    options.Text = false;
    return options;
}

// Two chines; the inner bulkheads all at (1, 0.5) and (3, 2); the chines straight, chine c
// with X = c * p and Y = 2 c at point p, Z = 10 (p - 1) (+ 5 for chine 2).
HullDocument SmallHull() {
    HullDocument hull;
    hull.ChineCount = 2;
    for (int b = 1; b <= 3; ++b) {
        hull.OffsetX[b][1] = 1;
        hull.OffsetY[b][1] = 0.5;
        hull.OffsetX[b][2] = 3;
        hull.OffsetY[b][2] = 2;
    }
    for (int c = 1; c <= 2; ++c) {
        for (int p = 1; p <= 13; ++p) {
            hull.SplinePoints[c][p] = {0, double(c * p), double(2 * c),
                                       10.0 * (p - 1) + (c == 2 ? 5 : 0)};
        }
    }
    return hull;
}

double Distance(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

TEST(Triangulation, SeventySevenNumbersInTheStripLayout) {
    EdgePoints lower{}, upper{};
    for (int j = 1; j <= 13; ++j) {
        lower[j] = {0.25 * j, 0.1 * j * j, double(j * j)};
        upper[j] = {3 + 0.5 * j, 4 + 0.3 * j, j * j + 1.0 + 0.2 * j};
    }
    const std::vector<std::string> lines = SplitLines(TriangulationText(lower, upper));
    ASSERT_EQ(lines.size(), 77u);
    EXPECT_EQ(lines[0], " 1");
    // Strip vertices P1 Q1 P2 Q2 ... P13 Q13.
    std::array<std::array<double, 3>, 26> v{};
    for (int k = 0; k < 13; ++k) {
        v[2 * k] = lower[k + 1];
        v[2 * k + 1] = upper[k + 1];
    }
    auto number = [&](std::size_t line) { return Val(lines[line]); };
    for (int i = 0; i <= 24; ++i) {
        // Upper chords (lines 2..26): the odd ones span two upper points, the even ones are 0.
        const std::size_t u = 1 + i, d = 26 + i, l = 52 + i;
        if (i % 2 == 1 && i < 24) {
            EXPECT_NEAR(number(u), Distance(v[i], v[i + 2]), 1e-12) << "U" << i;
            EXPECT_EQ(lines[l], " 0") << "L" << i;
        } else if (i < 24) {
            EXPECT_EQ(lines[u], " 0") << "U" << i;
            EXPECT_NEAR(number(l), Distance(v[i], v[i + 2]), 1e-12) << "L" << i;
        } else {
            EXPECT_EQ(lines[u], " 0");
            EXPECT_EQ(lines[l], " 0");
        }
        EXPECT_NEAR(number(d), Distance(v[i], v[i + 1]), 1e-12) << "D" << i;
    }
    EXPECT_EQ(lines[51], " 0"); // D25
}

TEST(Triangulation, PanelFilesForTheChosenPieces) {
    test::TempFolder folder;
    HullDocument hull = SmallHull();
    hull.ChineCount = 2;
    PatternOptions options;
    options.Keel = true;
    options.Deck = true;
    options.Soles = true; // sole2 needs chine 3: left out with two chines
    WriteTriangulationFiles(folder.Path(), hull, options);
    EXPECT_TRUE(FileExists(folder.Path(), "chine1.tri"));
    EXPECT_FALSE(FileExists(folder.Path(), "chine2.tri"));
    EXPECT_TRUE(FileExists(folder.Path(), "sole1.tri"));
    EXPECT_FALSE(FileExists(folder.Path(), "sole2.tri"));
    // The keel spans chine 1 and its reflection: rungs are twice the half-width.
    const auto keel = ReadLines(folder.Path(), "keel.tri");
    ASSERT_TRUE(keel && keel->size() == 77u);
    EXPECT_EQ((*keel)[26], " 2 ");
    const auto deck = ReadLines(folder.Path(), "deck.tri");
    ASSERT_TRUE(deck && deck->size() == 77u);
    EXPECT_EQ((*deck)[26], " 4 "); // chine 2 is the sheer
}

TEST(OutlinePlots, HalfFrameWithSparCutOut) {
    const HullDocument hull = SmallHull();
    PatternOptions options = NoText();
    options.HalfFrames = true;
    options.Spar = true;
    EXPECT_DOUBLE_EQ(MeanBulkheadHeight(hull), 1.25);
    EXPECT_EQ(BulkheadPlot(hull, options, Context(), 2, MeanBulkheadHeight(hull)),
              Lines({"start_plot", Header, "/* hand plot all points */", "0 penup", "500 250 acut",
                     "0 pendown", "1500 1000 acut", "0 1000 acut", "0 250 acut", "500 250 acut",
                     "0 penup", "-375 -250 acut", "0 pendown", "-375 1500 acut", "375 1500 acut",
                     "375 -250 acut", "-375 -250 acut", "0 penup", "end_plot"}));
}

TEST(OutlinePlots, LabelComesBeforeTheOutline) {
    const StrokeFont font = ParseStrokeFont("1\n1\n0,0\n");
    MemoryStatusBar status;
    const HullDocument hull = SmallHull();
    PatternOptions options; // Text set
    // "BH1" at (0.25, 0.75): only the "1", third character, has a record.
    const std::string plot = BulkheadPlot(hull, options, Context(&font, &status), 1, 0);
    EXPECT_EQ(plot.substr(0, plot.find("/* hand plot")),
              Lines({"start_plot", Header, "1 penup", "500 375 acut", "1 pendown", "1 penup"}));
    // Without a font the file is written without label and the status says so.
    const StrokeFont missing;
    const std::string bare = BulkheadPlot(hull, options, Context(&missing, &status), 1, 0);
    EXPECT_EQ(bare, BulkheadPlot(hull, NoText(), Context(), 1, 0));
    EXPECT_EQ(status.Panel(1), MissingFontStatus);
}

TEST(OutlinePlots, FrameLiftsThePenBeforeItsLabel) {
    HullDocument hull = SmallHull();
    hull.FramePositions[0] = 25;
    const StrokeFont font = ParseStrokeFont("F\n1\n0,0\n");
    MemoryStatusBar status;
    const std::string labelled = FramePlot(hull, PatternOptions{}, Context(&font, &status), 0, 0);
    // "FRM1" at (0.25, Y of chine 1 + 0.25) = (0.25, 2.25).
    EXPECT_NE(labelled.find(Lines({"0 penup", "1 penup", "125 1125 acut", "1 pendown", "1 penup",
                                   "/* hand plot all points */"})),
              std::string::npos)
        << labelled;
}

TEST(FrameStations, CrossingInterpolatesAlongTheChine) {
    const HullDocument hull = SmallHull();
    const auto middle = FrameCrossing(hull, 2, 30); // chine 2: Z 25 at point 3, 35 at point 4
    EXPECT_DOUBLE_EQ(middle[0], 7.0);
    EXPECT_DOUBLE_EQ(middle[1], 4.0);
    // A station on the chine's first point has no segment with Z(j) < z: it takes that point.
    const auto first = FrameCrossing(hull, 1, 0);
    EXPECT_DOUBLE_EQ(first[0], 1.0);
    EXPECT_DOUBLE_EQ(first[1], 2.0);
}

TEST(FrameStations, ClampedInsideEveryChine) {
    HullDocument hull = SmallHull(); // chine 1 covers Z 0..120, chine 2 5..125
    PatternOptions options;
    const std::array<std::string, 8> typed{"200", "2", "0", "-24", "-300", "abc", "60", "125"};
    for (int f = 0; f < 8; ++f) {
        SetFrameText(hull, options, f, typed[static_cast<std::size_t>(f)]);
    }
    ClampFrameStations(hull, options);
    const std::array<std::string, 8> shown{"120", "5", "0", "-24", "120", "abc", "60", "120"};
    const std::array<double, 8> stations{120, 5, 0, 24, 120, 0, 60, 120};
    for (std::size_t f = 0; f < 8; ++f) {
        EXPECT_EQ(options.FrameText[f], shown[f]) << f;
        EXPECT_EQ(hull.FramePositions[f], stations[f]) << f;
    }
}

// Chines at (2, 1), (5, 5), (6, 9) across and up, each 3 inches further aft.
HullDocument RakedHull(int bulkhead) {
    HullDocument hull;
    hull.ChineCount = 3;
    const double x[] = {0, 2, 5, 6}, y[] = {0, 1, 5, 9};
    for (int c = 1; c <= 3; ++c) {
        hull.OffsetX[bulkhead][c] = x[c];
        hull.OffsetY[bulkhead][c] = y[c];
        hull.OffsetZ[bulkhead][c] = 100 + 3 * (c - 1);
    }
    return hull;
}

TEST(RakedBulkheads, TransomUnrolledAlongItsFace) {
    const HullDocument hull = RakedHull(4);
    const auto t = UnrolledBulkhead(hull, 4);
    EXPECT_EQ(t[1], (std::array<double, 2>{2, 0})); // chine 1 at y = 0 whatever its height
    EXPECT_DOUBLE_EQ(t[2][1], 5);                   // sqrt(34 - 9)
    EXPECT_DOUBLE_EQ(t[3][1], 10);                  // 5 + sqrt(26 - 1)
    // The plot stands the unrolled face on the sheet, both sides closed on the centre line.
    EXPECT_NE(TransomPlot(hull, NoText(), Context()).find("0 5000 acut\r\n-3000 5000 acut"),
              std::string::npos);
}

TEST(RakedBulkheads, StemAlwaysWholeWithoutCentreLinePoints) {
    const HullDocument hull = RakedHull(0);
    PatternOptions options = NoText();
    options.HalfFrames = true;
    options.Spar = true;
    EXPECT_EQ(StemPlot(hull, options, Context()),
              Lines({"start_plot", Header, "/* hand plot all points */", "0 penup", "1000 0 acut",
                     "0 pendown", "2500 2500 acut", "3000 5000 acut", "-3000 5000 acut",
                     "-2500 2500 acut", "-1000 0 acut", "1000 0 acut", "0 penup", "end_plot"}));
}

TEST(RakedBulkheads, FlatFaceNeverTakesTheRootOfANegative) {
    // Chines that differ only across: L^2 - dX^2 is 0 or a rounding hair below it.
    HullDocument hull;
    hull.ChineCount = 30;
    for (int c = 1; c <= 30; ++c) {
        hull.OffsetX[4][c] = 0.1 * c + 0.01 / c;
        hull.OffsetY[4][c] = 7.3;
        hull.OffsetZ[4][c] = 140.7;
    }
    const auto t = UnrolledBulkhead(hull, 4);
    for (int c = 1; c <= 30; ++c) {
        ASSERT_TRUE(std::isfinite(t[c][1]));
        EXPECT_LT(std::fabs(t[c][1]), 1e-6);
    }
}

TEST(HullDrawing, NameBesideTheHullFile) {
    EXPECT_EQ(HullDrawingName("boat.hul"), "boat.DXF");
    EXPECT_EQ(HullDrawingName("my.boat.hul"), "my.DXF");
    EXPECT_EQ(HullDrawingName("boat"), "DXF");
    EXPECT_EQ(HullDrawingName("/home/a.b/boat.hul"), "/home/a.b/boat.DXF");
}

TEST(HullDrawing, ThreeCopiesOfTheWireframe) {
    HullDocument hull = SmallHull();
    for (int b = 0; b < 5; ++b) {
        for (int c = 1; c <= 2; ++c) {
            hull.OffsetX[b][c] = c + 0.5 * b;
            hull.OffsetY[b][c] = 2.0 * c;
            hull.OffsetZ[b][c] = 30.0 * b;
        }
    }
    const std::vector<std::string> lines = SplitLines(HullDrawingText(hull));
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
              (std::vector<std::string>{"  0", "SECTION", "  2", "ENTITIES"}));
    EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
              (std::vector<std::string>{"  0", "ENDSEC", "  0", "EOF"}));
    // Per copy: 5 bulkheads of 2 N vertices and N chines of 27 vertices.
    std::vector<std::array<double, 3>> vertices;
    int polylines = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == "POLYLINE") {
            ++polylines;
        } else if (lines[i] == "VERTEX") {
            ASSERT_EQ(lines[i + 3], " 10");
            ASSERT_EQ(lines[i + 7], " 30");
            vertices.push_back({Val(lines[i + 4]), Val(lines[i + 6]), Val(lines[i + 8])});
        }
    }
    EXPECT_EQ(polylines, 21);
    ASSERT_EQ(vertices.size(), 3u * 74u);
    // First vertex of each copy: bulkhead 0, chine 2 at -X = (-2, 4, 0); W = 26, the largest
    // half-width of the spline points (chine 2, point 13).
    EXPECT_EQ(vertices[0], (std::array<double, 3>{-2, 4, 0}));
    EXPECT_EQ(vertices[74], (std::array<double, 3>{52, 4, 2}));
    EXPECT_EQ(vertices[148], (std::array<double, 3>{52, 2, 4}));
    // A chine polyline closes on its first point at -X: chine 1 of the first copy.
    EXPECT_EQ(vertices[20], (std::array<double, 3>{-1, 2, 0}));
    EXPECT_EQ(vertices[46], vertices[20]);
}

} // namespace
} // namespace merrowin
