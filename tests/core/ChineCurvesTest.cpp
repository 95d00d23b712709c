// Tests of the chine curves: normalising, the spline points from the offsets and back.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

#include "TestSupport.h"
#include "app/AppState.h"
#include "model/ChineCurves.h"

namespace merrowin {
namespace {

using test::StartupApp;

using Row = std::array<double, 5>;

void SetChine(HullDocument& hull, int c, const Row& x, const Row& y, const Row& z) {
    for (int b = 0; b < BulkheadCount; ++b) {
        hull.OffsetX[b][c] = x[b];
        hull.OffsetY[b][c] = y[b];
        hull.OffsetZ[b][c] = z[b];
    }
}

// The default hull's points, extents and widest half-breadth are pinned by the command line's
// geometry goldens; these are the cases those hulls cannot show.
TEST(ChineCurvesTest, NaturalSplineValuesMatchAnIndependentSolution) {
    AppState app = StartupApp();
    // Equal bays of 30 inches, heights 0 0 1 0 0; the expected values come from an exact
    // rational solution of the full natural-spline system, evaluated at the sampled stations.
    SetChine(app.Hull, 1, {1, 1, 1, 1, 1}, {0, 0, 1, 0, 0}, {0, 30, 60, 90, 120});
    double widest = 0;
    DeriveSplinePoints(app.Hull, widest);
    const auto& points = app.Hull.SplinePoints[1];
    const std::pair<int, double> heights[] = {{2, -0.12793173015873016},
                                              {5, 0.3906893756613757},
                                              {6, 0.8111721481481482},
                                              {11, -0.15919684126984127}};
    for (const auto& [p, height] : heights) {
        EXPECT_NEAR(points[p][2], height, 1e-13) << p;
        EXPECT_NEAR(points[p][1], 1, 1e-12) << p; // a constant half-breadth stays constant
    }
    EXPECT_DOUBLE_EQ(points[6][3], 50.2);
}

TEST(ChineCurvesTest, AwkwardStationsStillGiveThirteenFinitePointsEndingOnTheTransom) {
    const std::tuple<const char*, Row, Row> cases[] = {
        {"short bays", {0, 0.3, 0.6, 50, 50.5}, {1, 2, 3, 4, 5}},
        {"equal stations", {0, 30, 30, 90, 120}, {1, 2, 3, 4, 5}},
        {"decreasing stations", {0, 60, 30, 90, 120}, {1, 2, 3, 4, 5}},
        {"absurd offsets", {0, 1e-300, 2e-300, 1e300, 1.5e300}, {0, 1e300, 0, 1e300, 0}},
        {"stations lost in rounding",
         {1e17, 1e17 + 16, 1e17 + 32, 1e17 + 48, 1e17 + 64},
         {1, 2, 3, 4, 5}},
    };
    for (const auto& [what, z, y] : cases) {
        SCOPED_TRACE(what);
        AppState app = StartupApp();
        app.Hull.ChineCount = 2;
        SetChine(app.Hull, 1, {1, 2, 3, 4, 5}, y, z);
        SetChine(app.Hull, 2, {1, 2, 3, 4, 5}, y, z);
        double widest = 0;
        DeriveSplinePoints(app.Hull, widest);
        for (const auto& point : app.Hull.SplinePoints[1]) {
            EXPECT_TRUE(std::isfinite(point[1] + point[2] + point[3]));
        }
        for (int b = 0; b < BulkheadCount; ++b) {
            const auto& point = app.Hull.SplinePoints[1][1 + 3 * b];
            EXPECT_TRUE(point[1] == b + 1 && point[2] == y[b] && point[3] == z[b])
                << "off the crossing of bulkhead " << b;
        }
        EXPECT_GE(widest, 5);
    }
}

TEST(ChineCurvesTest, ShortBaysAreSampledAtThirdsAndFlatBaysFallBackToStraightLines) {
    AppState app = StartupApp();
    SetChine(app.Hull, 1, {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, {0, 0.3, 30, 60, 90});
    double widest = 0;
    DeriveSplinePoints(app.Hull, widest);
    EXPECT_DOUBLE_EQ(app.Hull.SplinePoints[1][2][3], 0.1);
    EXPECT_DOUBLE_EQ(app.Hull.SplinePoints[1][3][3], 0.2);
    EXPECT_DOUBLE_EQ(app.Hull.SplinePoints[1][5][3], 0.3 + 29.7 / 3 + 0.1);

    // Bulkheads 1 and 2 at one station: straight lines between the crossings.
    SetChine(app.Hull, 1, {3, 6, 9, 12, 15}, {0, 3, 6, 9, 12}, {0, 30, 30, 60, 90});
    DeriveSplinePoints(app.Hull, widest);
    const auto& points = app.Hull.SplinePoints[1];
    EXPECT_DOUBLE_EQ(points[2][3], 10);
    EXPECT_DOUBLE_EQ(points[2][1], 4);
    EXPECT_DOUBLE_EQ(points[6][2], 5);
    EXPECT_DOUBLE_EQ(points[12][3], 80);
}

TEST(ChineCurvesTest, NormalisingRepairsOffsetsOfChinesInUseOnly) {
    AppState app = StartupApp();
    app.Hull.OffsetY[2][3] = -4;
    app.Hull.OffsetX[0][3] = -1;
    app.Hull.OffsetZ[3][1] = std::nan("");
    app.Hull.OffsetX[2][4] = INFINITY;
    app.Hull.OffsetY[1][5] = -7; // chine 5 is not in use
    const HullExtents extents = NormaliseOffsets(app.Hull);
    EXPECT_TRUE(app.Hull.OffsetY[2][3] == 0 && app.Hull.OffsetZ[3][1] == 0 &&
                app.Hull.OffsetX[2][4] == 0);
    EXPECT_EQ(app.Hull.OffsetX[0][3], 0.01);
    EXPECT_EQ(app.Hull.OffsetY[1][5], -7);
    EXPECT_EQ(extents.HullHeight, 38);
}

TEST(ChineCurvesTest, WithAutoSplineOffPointsAreMasterAndInnerBulkheadsStayPlanar) {
    AppState app = StartupApp();
    UpdateHullGeometry(app.Hull, app.Work); // points from the default offsets
    app.Hull.AutoSpline = false;
    app.Work.SelectedChine = 3;
    app.Hull.SplinePoints[3][7][3] = 61.5; // point 7 of chine 3 dragged aft
    app.Hull.SplinePoints[2][1][3] = 2.5;  // the stem of chine 2 raked
    app.Hull.SplinePoints[4][8][2] = 99;   // an intermediate point stays where it was put
    UpdateHullGeometry(app.Hull, app.Work);

    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(app.Hull.SplinePoints[c][7][3], 61.5) << "chine " << c;
        EXPECT_EQ(app.Hull.OffsetZ[2][c], 61.5) << "chine " << c;
    }
    EXPECT_EQ(app.Hull.OffsetZ[0][2], 2.5);
    EXPECT_EQ(app.Hull.SplinePoints[4][8][2], 99);
    EXPECT_EQ(app.Work.MaxHalfBreadth, 0);

    // After a failed pick the inner stations keep their offsets and the points follow the
    // station of the highest chine in use.
    app.Work.SelectedChine = -1;
    app.Hull.OffsetZ[1][4] = 27;
    app.Hull.SplinePoints[2][4][3] = 40;
    UpdateHullGeometry(app.Hull, app.Work);
    EXPECT_EQ(app.Hull.OffsetZ[1][2], 28);
    EXPECT_EQ(app.Hull.OffsetZ[1][4], 27);
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(app.Hull.SplinePoints[c][4][3], 27) << "chine " << c;
    }
}

} // namespace
} // namespace merrowin
