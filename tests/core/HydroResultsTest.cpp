// The results list and the status summary: their text, and the remembered line.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "hydro/Results.h"

namespace merrowin {
namespace {

// Values whose rounding is easy to follow: a single 623.25 rounds down, a waterline of 179.4 to
// 179, and the limited speed is 1.5 x sqrt(179.4 / 12).
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

// The status summary, then the list's lines, as in tests/data/hydro/results_sample.txt.
TEST(HydroResults, SummaryAndReportLinesAreTheGolden) {
    HydroState h = SampleResults();
    ShowResults(h);
    std::string text = WaterlineStatusText(h) + "\n";
    for (const std::string& line : h.ResultsLines) {
        text += line + "\n";
    }
    EXPECT_EQ(text, test::ReadRaw(fs::path(MERROWIN_TEST_DATA) / "hydro" / "results_sample.txt"));
    EXPECT_TRUE(h.Combo1Visible);
    EXPECT_EQ(h.ResultsText, "Results");
}

TEST(HydroResults, PickedLineStaysSelectedWithItsNewValue) {
    HydroState h = SampleResults();
    ShowResults(h);
    PickResult(h, 8); // "Length of Waterline"
    h.WaterlineLength = 150.6f;
    ShowResults(h);
    EXPECT_EQ(h.ResultsSelected, 8);
    EXPECT_EQ(h.ResultsText, "Length of Waterline: 151\"");

    // A negative waterline length leaves out the limited speed, and a remembered line beyond the
    // shorter list selects nothing.
    h.ResultsIndex = 14;
    h.WaterlineLength = -1;
    ShowResults(h);
    EXPECT_EQ(h.ResultsLines.size(), 14u);
    EXPECT_EQ(h.ResultsSelected, -1);
    EXPECT_EQ(h.ResultsText, "Results");
    PickResult(h, 40); // refused
    EXPECT_EQ(h.ResultsIndex, 14);
}

} // namespace
} // namespace merrowin
