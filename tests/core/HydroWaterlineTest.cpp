// The waterline calculation on hulls whose hydrostatics are known exactly.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "HydroTestHulls.h"
#include "TestSupport.h"
#include "hydro/WaterlineCalc.h"
#include "model/ChineCurves.h"

namespace merrowin {
namespace {

using test::PoundsOf;
using test::SetPrismPoints;

// Runs the calculation at a waterline on the points as they are.
WaterlineOutcome RunAt(AppState& app, double waterline, WaterplaneOutline& outline) {
    app.Work.Hydro.WaterlineHeight = waterline;
    return ComputeWaterlineValues(app.Hull, app.Work.HullLength, app.Work.Pi, app.Work.Hydro,
                                  outline);
}

TEST(HydroWaterline, BoxHullHasTheExactVolumeAndDisplacementInFreshAndSaltWater) {
    const double b = 10, height = 30, length = 120, d = 7.3;
    AppState app;
    SetPrismPoints(app, {{b, 0}, {b, height}}, length);
    WaterplaneOutline outline;
    ASSERT_EQ(RunAt(app, d, outline), WaterlineOutcome::Complete);
    const HydroState& h = app.Work.Hydro;
    const double volume = 2 * b * d * length;
    EXPECT_NEAR(h.DisplacedVolume, volume, 1e-9 * volume);
    EXPECT_FLOAT_EQ(h.Displacement, static_cast<float>(PoundsOf(volume)));
    EXPECT_FLOAT_EQ(h.WaterlineLength, static_cast<float>(length));
    EXPECT_NEAR(h.CenterBuoyancyZ, length / 2, 1e-9);
    EXPECT_NEAR(h.PrismaticCoeff, 1, 1e-9); // a box fills its largest section all along
    // The immersed profile is the rectangle length x d.
    EXPECT_NEAR(h.LateralArea, length * d, 1e-9);
    EXPECT_NEAR(h.LateralCenterZ, length / 2, 1e-9);
    EXPECT_NEAR(h.LateralCenterY, d / 2, 1e-9);
    for (int p = 1; p <= PointsPerChine; ++p) {
        EXPECT_DOUBLE_EQ(outline.X[p], b);
    }
    // Equal slices: the vertical centre is the mean of the slice heights 1, 1.73, ... 6.84.
    EXPECT_NEAR(h.CenterBuoyancyY, 1 + 4 * 0.73, 1e-6);

    app.Work.Hydro.WaterDensity = 8.5556;
    RunAt(app, d, outline);
    EXPECT_FLOAT_EQ(h.Displacement, static_cast<float>(PoundsOf(volume, 8.5556)));
}

TEST(HydroWaterline, VeePrismHasTheExactVolumeAndLongitudinalCentre) {
    // Keel chine on the centre line, a straight chine above it, the same section all along.
    const double b = 12, height = 24, length = 96, d = 10;
    AppState app;
    SetPrismPoints(app, {{0, 0}, {b, height}}, length);
    WaterplaneOutline outline;
    ASSERT_EQ(RunAt(app, d, outline), WaterlineOutcome::Complete);
    const HydroState& h = app.Work.Hydro;
    const double volume = b * d * d / height * length; // two triangles d high, b d / H wide
    EXPECT_NEAR(h.DisplacedVolume, volume, 1e-9 * volume);
    EXPECT_FLOAT_EQ(h.Displacement, static_cast<float>(PoundsOf(volume)));
    EXPECT_NEAR(h.CenterBuoyancyZ, length / 2, 1e-9);
    // Slices at 1 .. 10 of breadth proportional to their height: sum h^2 / sum h = 385 / 55.
    EXPECT_NEAR(h.CenterBuoyancyY, 7.0, 1e-6);
    // D/L in long tons per (0.01 LWL in feet) cubed; speed 1.34 sqrt(LWL in feet).
    const double tons = static_cast<double>(h.Displacement) / 2240;
    EXPECT_NEAR(h.DLRatio, tons / std::pow(0.08, 3), 1e-6 * h.DLRatio);
    EXPECT_NEAR(h.SLRatio, 8.26 / std::pow(h.DLRatio, 0.311), 1e-9);
    EXPECT_NEAR(h.DispSpeed, 1.34 * std::sqrt(8.0), 1e-9);
}

TEST(HydroWaterline, KeelRisingToTheStemGivesTheWaterlineEndsAndTheLateralTriangle) {
    // Box sides, the keel straight from Y 12 at the stem to Y 0 at the transom.
    const double length = 120, w = 5.5;
    AppState app;
    SetPrismPoints(app, {{10, 0}, {10, 40}}, length);
    for (int p = 1; p <= PointsPerChine; ++p) {
        app.Hull.SplinePoints[1][p][2] = 13 - p;
    }
    WaterplaneOutline outline;
    ASSERT_EQ(RunAt(app, w, outline), WaterlineOutcome::Complete);
    const HydroState& h = app.Work.Hydro;
    const double fore = length * (1 - w / 12);
    EXPECT_NEAR(h.WaterlineFore, fore, 1e-9);
    EXPECT_NEAR(h.WaterlineAft, length, 1e-9);
    EXPECT_NEAR(h.WaterlineLength, length - fore, 1e-4);
    // The immersed profile is the triangle (fore, w), (L, w), (L, 0).
    EXPECT_NEAR(h.LateralArea, (length - fore) * w / 2, 1e-9);
    EXPECT_NEAR(h.LateralCenterZ, (fore + 2 * length) / 3, 1e-9);
    EXPECT_NEAR(h.LateralCenterY, 2 * w / 3, 1e-9);
    // The volume is a wedge whose centroid lies two thirds of the way aft from its point.
    EXPECT_NEAR(h.DisplacedVolume, 10 * w * (length - fore), 0.03 * 10 * w * (length - fore));
    EXPECT_NEAR(h.CenterBuoyancyZ, fore + 2 * (length - fore) / 3, 0.01 * length);
}

// The immersed profile of a hull measured on its own: the outline down the stem, aft along the
// keel and up the transom, cut at the waterline, with its shoelace area and centroid and the
// stations where it meets the waterline.
struct Profile {
    double Area = 0, CenterZ = 0, CenterY = 0;
    double Fore = 1e300, Aft = -1e300;
};

Profile ImmersedProfile(const HullDocument& hull, double w) {
    const int n = hull.ChineCount;
    const auto& s = hull.SplinePoints;
    std::vector<std::pair<double, double>> outline; // (Z, Y)
    for (int c = n; c >= 1; --c) {
        outline.emplace_back(s[c][1][3], s[c][1][2]);
    }
    for (int p = 2; p <= PointsPerChine; ++p) {
        outline.emplace_back(s[1][p][3], s[1][p][2]);
    }
    for (int c = 2; c <= n; ++c) {
        outline.emplace_back(s[c][PointsPerChine][3], s[c][PointsPerChine][2]);
    }
    std::vector<std::pair<double, double>> wet; // the outline clipped to Y <= w
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const auto [za, ya] = outline[i];
        const auto [zb, yb] = outline[(i + 1) % outline.size()];
        if (ya <= w) {
            wet.emplace_back(za, ya);
        }
        if ((ya < w && yb > w) || (ya > w && yb < w)) {
            wet.emplace_back(za + (w - ya) / (yb - ya) * (zb - za), w);
        }
    }
    Profile profile;
    double momentZ = 0, momentY = 0;
    for (std::size_t i = 0; i < wet.size(); ++i) {
        const auto [za, ya] = wet[i];
        const auto [zb, yb] = wet[(i + 1) % wet.size()];
        const double cross = za * yb - zb * ya;
        profile.Area += cross / 2;
        momentZ += (za + zb) * cross / 6;
        momentY += (ya + yb) * cross / 6;
        if (ya == w) {
            profile.Fore = std::min(profile.Fore, za);
            profile.Aft = std::max(profile.Aft, za);
        }
    }
    profile.CenterZ = momentZ / profile.Area;
    profile.CenterY = momentY / profile.Area;
    profile.Area = std::fabs(profile.Area);
    return profile;
}

// Whole-inch waterlines meet typed offsets of the default hull exactly: a stem chine at 6, the
// transom's chine 2 at 5, the keel's fore end at 1.3. A point on the waterline is where the
// profile meets it; no part of the profile may be lost or counted twice there.
TEST(HydroWaterline, ProfilePointsOnTheWaterlineGiveTheWholeLateralAreaAndTheWaterlineEnds) {
    AppState app = test::StartupApp();
    UpdateHullGeometry(app.Hull, app.Work);
    const HydroState& h = app.Work.Hydro;
    for (const double w : {6.0, 5.0, 1.3, 8.0}) {
        SCOPED_TRACE(w);
        WaterplaneOutline outline;
        ASSERT_EQ(RunAt(app, w, outline), WaterlineOutcome::Complete);
        const Profile exact = ImmersedProfile(app.Hull, w);
        EXPECT_NEAR(h.LateralArea, exact.Area, 1e-6 * exact.Area);
        EXPECT_NEAR(h.LateralCenterZ, exact.CenterZ, 1e-6);
        EXPECT_NEAR(h.LateralCenterY, exact.CenterY, 1e-6);
        EXPECT_NEAR(h.WaterlineFore, exact.Fore, 1e-9);
        EXPECT_NEAR(h.WaterlineAft, exact.Aft, 1e-9);
        EXPECT_FLOAT_EQ(h.WaterlineLength, static_cast<float>(exact.Aft - exact.Fore));
    }
}

TEST(HydroWaterline, WaterlineBelowTheKeelImmersesNothingAndKeepsWhatCannotBeFormed) {
    const double length = 100;
    AppState app;
    SetPrismPoints(app, {{8, 2}, {8, 20}}, length);
    HydroState& h = app.Work.Hydro;
    h.SLRatio = 1.23;
    h.CenterBuoyancyY = 4;
    h.LateralCenterZ = 66;
    WaterplaneOutline outline;
    ASSERT_EQ(RunAt(app, 0.5, outline), WaterlineOutcome::Complete);
    EXPECT_EQ(h.Displacement, 0);
    EXPECT_EQ(h.DLRatio, 0);
    EXPECT_EQ(h.LateralArea, 0);
    EXPECT_EQ(h.WaterlineLength, static_cast<float>(length));
    EXPECT_EQ(h.PrismaticCoeff, 0); // the largest section area, 0
    EXPECT_EQ(h.SLRatio, 1.23);     // 8.26 / 0 cannot be formed
    EXPECT_EQ(h.LateralCenterZ, 66);
    EXPECT_EQ(h.CenterBuoyancyY, 4); // below 1 inch there are no slices
    for (int p = 1; p <= PointsPerChine; ++p) {
        EXPECT_EQ(outline.X[p], 8); // the outline runs along the keel points
    }
}

TEST(HydroWaterline, SunkHullChangesOnlyTheVolume) {
    AppState app;
    SetPrismPoints(app, {{10, 0}, {10, 20}}, 100);
    app.Hull.SplinePoints[2][7][2] = 9; // the sheer dips amidships
    HydroState& h = app.Work.Hydro;
    WaterplaneOutline outline;
    ASSERT_EQ(RunAt(app, 8, outline), WaterlineOutcome::Complete);
    const HydroState before = h;
    ASSERT_EQ(RunAt(app, 12, outline), WaterlineOutcome::Sunk);
    EXPECT_GT(h.DisplacedVolume, before.DisplacedVolume);
    EXPECT_EQ(h.Displacement, before.Displacement);
    EXPECT_EQ(h.WaterlineLength, before.WaterlineLength);
    EXPECT_EQ(h.CenterBuoyancyZ, before.CenterBuoyancyZ);
}

TEST(HydroWaterline, SlicesStartAtOneInchInTenthsOfTheWaterline) {
    std::array<double, 12> heights{};
    ASSERT_EQ(SliceHeights(10, heights), 10);
    EXPECT_EQ(heights[9], 10);
    ASSERT_EQ(SliceHeights(20, heights), 10);
    EXPECT_EQ(heights[1], 3);
    EXPECT_EQ(heights[9], 19);
    EXPECT_EQ(SliceHeights(1, heights), 1);
    EXPECT_EQ(SliceHeights(0.99, heights), 0);
    EXPECT_EQ(SliceHeights(-5, heights), 0);
    EXPECT_LE(SliceHeights(1e300, heights), 12);
}

} // namespace
} // namespace merrowin
