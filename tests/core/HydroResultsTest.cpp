// The results list and the status summary: exact texts and the remembered line.
#include <gtest/gtest.h>

#include "hydro/Results.h"

namespace merrowin {
namespace {

HydroState SampleResults() {
    HydroState h;
    h.WaterlineHeight = 12.3;
    h.DisplacedVolume = 17280;
    h.Displacement = 623.25f;
    h.CenterBuoyancyZ = 70.04;
    h.CenterBuoyancyY = 4.96;
    h.LateralCenterZ = 66.66;
    h.LateralCenterY = 5.05;
    h.LateralArea = 1440;
    h.WaterlineLength = 179.4f;
    h.PrismaticCoeff = 0.615;
    h.ButtockAngle = 3.25;
    h.DispSpeed = 5.176;
    h.DLRatio = 262.5;
    h.SLRatio = 1.5;
    return h;
}

TEST(HydroResults, ReportLinesAndStatusTextAreExact) {
    HydroState h = SampleResults();
    ShowResults(h);
    const std::vector<std::string> expected = {
        "Waterline heighth: 12.3 in.\"",
        "Displacement: 623 lbs", // a single 623.25 rounds down
        "Displaced volume: 10.00 ft3",
        "Center of buoyancy, Z: 70.0 in.\"",
        "Center of buoyancy, Y: 5.0 in.\"",
        "Center of Lateral Area, Z: 66.7 in.\"",
        "Center of Lateral Area, Y: 5.1 in.\"",
        "Lateral Area: 10.00 ft2\"",
        "Length of Waterline: 179\"",
        "Prismatic Coeff: 0.62",
        "Buttock angle: 3.3 deg.",
        "Disp. Hull Speed: 5.18 kt",
        "D/L ratio: 263",
        "S/L ratio: 1.50",
        "D/L limited speed: 5.80 kt.", // 1.5 x sqrt(179.4 / 12)
    };
    EXPECT_EQ(h.ResultsLines, expected);
    EXPECT_TRUE(h.Combo1Visible);
    EXPECT_EQ(h.ResultsText, "Results");
    EXPECT_EQ(WaterlineStatusText(h), "WL:12.3\"  Displ:623 lbs @10.00 ft3  CB:70.0\"  "
                                      "LWL:179\"  D/L:263  HS:5.2 kt");
}

TEST(HydroResults, NegativeWaterlineLengthLeavesOutTheLimitedSpeed) {
    HydroState h = SampleResults();
    h.WaterlineLength = -3;
    ShowResults(h);
    ASSERT_EQ(h.ResultsLines.size(), 14u);
    EXPECT_EQ(h.ResultsLines.back(), "S/L ratio: 1.50");
}

TEST(HydroResults, PickedLineStaysSelectedWithItsNewValue) {
    HydroState h = SampleResults();
    ShowResults(h);
    PickResult(h, 8); // "Length of Waterline"
    EXPECT_EQ(h.ResultsText, "Length of Waterline: 179\"");
    h.WaterlineLength = 150.6f;
    ShowResults(h);
    EXPECT_EQ(h.ResultsSelected, 8);
    EXPECT_EQ(h.ResultsText, "Length of Waterline: 151\"");

    // A remembered line beyond a shorter list selects nothing.
    h.ResultsIndex = 14;
    h.WaterlineLength = -1;
    ShowResults(h);
    EXPECT_EQ(h.ResultsSelected, -1);
    EXPECT_EQ(h.ResultsText, "Results");
    PickResult(h, 40); // refused
    EXPECT_EQ(h.ResultsIndex, 14);
}

} // namespace
} // namespace merrowin
