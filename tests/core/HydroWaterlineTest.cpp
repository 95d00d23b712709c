// The waterline calculation on hulls whose hydrostatics are known exactly.
#include <cmath>

#include <gtest/gtest.h>

#include "HydroTestHulls.h"
#include "TestSupport.h"
#include "hydro/WaterlineCalc.h"

namespace merrowin {
namespace {

using test::PoundsOf;

// A prism of the given section floating at a waterline, computed on its points.
struct Floating {
    Floating(const std::vector<test::SectionPoint>& section, double length, double waterline) {
        test::SetPrismPoints(app, section, length);
        app.Work.Hydro.WaterlineHeight = waterline;
    }
    WaterlineOutcome Run() {
        return ComputeWaterlineValues(app.Hull, app.Work.HullLength, Pi, app.Work.Hydro, outline);
    }
    AppState app;
    HydroState& h = app.Work.Hydro;
    WaterplaneOutline outline;
};

TEST(HydroWaterline, BoxHullHasTheExactVolumeAndDisplacementInFreshAndSaltWater) {
    const double b = 10, length = 120, d = 7.3;
    Floating box({{b, 0}, {b, 30}}, length, d);
    ASSERT_EQ(box.Run(), WaterlineOutcome::Complete);
    const HydroState& h = box.h;
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
    // Equal slices: the vertical centre is the mean of the slice heights 1, 1.73, ... 6.84.
    EXPECT_NEAR(h.CenterBuoyancyY, 1 + 4 * 0.73, 1e-6);

    box.h.WaterDensity = SeaWaterDensity;
    box.Run();
    EXPECT_FLOAT_EQ(h.Displacement, static_cast<float>(PoundsOf(volume, SeaWaterDensity)));
}

TEST(HydroWaterline, VeePrismHasTheExactVolumeAndLongitudinalCentre) {
    // Keel chine on the centre line, a straight chine above it, the same section all along.
    const double b = 12, height = 24, length = 96, d = 10;
    Floating vee({{0, 0}, {b, height}}, length, d);
    ASSERT_EQ(vee.Run(), WaterlineOutcome::Complete);
    const HydroState& h = vee.h;
    const double volume = b * d * d / height * length; // two triangles d high, b d / H wide
    EXPECT_NEAR(h.DisplacedVolume, volume, 1e-9 * volume);
    EXPECT_NEAR(h.CenterBuoyancyZ, length / 2, 1e-9);
    // Slices at 1 .. 10 of breadth proportional to their height: sum h^2 / sum h = 385 / 55.
    EXPECT_NEAR(h.CenterBuoyancyY, 7.0, 1e-6);
    // D/L in long tons per (0.01 LWL in feet) cubed: 96 inches are 8 feet.
    const double tons = static_cast<double>(h.Displacement) / 2240;
    EXPECT_NEAR(h.DLRatio, tons / std::pow(0.08, 3), 1e-6 * h.DLRatio);
}

TEST(HydroWaterline, KeelRisingToTheStemGivesTheWaterlineEndsAndTheLateralTriangle) {
    // Box sides, the keel straight from Y 12 at the stem to Y 0 at the transom.
    const double length = 120, w = 5.5;
    Floating wedge({{10, 0}, {10, 40}}, length, w);
    for (int p = 1; p <= PointsPerChine; ++p) {
        wedge.app.Hull.SplinePoints[1][p][AxisY] = 13 - p;
    }
    ASSERT_EQ(wedge.Run(), WaterlineOutcome::Complete);
    const HydroState& h = wedge.h;
    const double fore = length * (1 - w / 12);
    EXPECT_NEAR(h.WaterlineFore, fore, 1e-9);
    EXPECT_NEAR(h.WaterlineAft, length, 1e-9);
    // The immersed profile is the triangle (fore, w), (L, w), (L, 0).
    EXPECT_NEAR(h.LateralArea, (length - fore) * w / 2, 1e-9);
    EXPECT_NEAR(h.LateralCenterZ, (fore + 2 * length) / 3, 1e-9);
    EXPECT_NEAR(h.LateralCenterY, 2 * w / 3, 1e-9);
    // The volume is a wedge whose centroid lies two thirds of the way aft from its point.
    EXPECT_NEAR(h.DisplacedVolume, 10 * w * (length - fore), 0.03 * 10 * w * (length - fore));
    EXPECT_NEAR(h.CenterBuoyancyZ, fore + 2 * (length - fore) / 3, 0.01 * length);
}

TEST(HydroWaterline, WaterlineBelowTheKeelImmersesNothingAndKeepsWhatCannotBeFormed) {
    Floating high({{8, 2}, {8, 20}}, 100, 0.5);
    HydroState& h = high.h;
    h.SLRatio = 1.23;
    h.CenterBuoyancyY = 4;
    ASSERT_EQ(high.Run(), WaterlineOutcome::Complete);
    EXPECT_EQ(h.Displacement, 0);
    EXPECT_EQ(h.LateralArea, 0);
    EXPECT_EQ(h.WaterlineLength, 100);
    EXPECT_EQ(h.PrismaticCoeff, 0);  // the largest section area, 0
    EXPECT_EQ(h.SLRatio, 1.23);      // a ratio over a D/L of 0 cannot be formed
    EXPECT_EQ(h.CenterBuoyancyY, 4); // below 1 inch there are no slices
    EXPECT_EQ(high.outline.X[7], 8); // the outline runs along the keel points
}

TEST(HydroWaterline, SlicesStartAtOneInchInTenthsOfTheWaterline) {
    std::array<double, 12> heights{};
    ASSERT_EQ(SliceHeights(20, heights), 10);
    EXPECT_EQ(heights[1], 3);
    EXPECT_EQ(heights[9], 19);
    EXPECT_EQ(SliceHeights(1, heights), 1);
    EXPECT_EQ(SliceHeights(0.99, heights), 0);
    EXPECT_LE(SliceHeights(1e300, heights), 12);
}

} // namespace
} // namespace merrowin
