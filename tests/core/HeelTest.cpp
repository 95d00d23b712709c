// The heel analysis: the heeled hull measured, the search, the report, and the command as the
// window runs it.
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "HydroTestHulls.h"
#include "hydro/Heel.h"
#include "hydro/HydroCommands.h"
#include "text/NumberText.h"

namespace merrowin {
namespace {

TEST(HeelRotation, NinetyDegreesTurnsStarboardDown) {
    HullDocument hull;
    hull.ChineCount = 2;
    hull.SplinePoints[1][1] = {0, 10, 0, 5};
    RotateSections(hull, -90 * ShortDegreesToRadians);
    EXPECT_NEAR(hull.SplinePoints[1][1][AxisX], 0, 1e-3);
    EXPECT_NEAR(hull.SplinePoints[1][1][AxisY], -10, 1e-3);
    EXPECT_EQ(hull.SplinePoints[1][1][AxisZ], 5);
}

// The box at 5 inches, heeled.
using HeeledBox = test::BoxRuns;

TEST_F(HeeledBox, HalvesWeighTheHullUprightAndTheBuoyancyMovesToTheLowSide) {
    hydro.WaterlineHeight = 5;
    HeeledHull heeled = MeasureHeeledHull(Hull(), 0, runs);
    EXPECT_NEAR(heeled.Total, test::PoundsOf(2 * 10 * 5 * 100), 0.01);
    EXPECT_EQ(hydro.CenterBuoyancyX, 0);

    const double theta = 10 * ShortDegreesToRadians;
    heeled = MeasureHeeledHull(Hull(), theta, runs);
    EXPECT_NEAR(heeled.Lowest, -10 * std::sin(theta), 1e-12); // the keel corner
    EXPECT_GT(heeled.Down.Weight, heeled.Up.Weight);
    EXPECT_GT(hydro.CenterBuoyancyX, 0);
    EXPECT_EQ(app.Hull.SplinePoints[2][7][AxisX], 10); // the upright points are never turned

    hydro.WaterlineHeight = 18;
    EXPECT_TRUE(MeasureHeeledHull(Hull(), 3 * theta, runs).Down.Sunk); // the sheer goes under
    // The draft of a hull lying wholly above 1000 inches, heeled a little, is measured from there.
    test::SetPrismPoints(app, {{20, 1002}, {20, 1030}}, 100);
    EXPECT_EQ(MeasureHeeledHull(Hull(), theta / 100, runs).Lowest, 1000);
}

// The default hull with the waterline control on at a waterline, then "&Heel" answered.
class Heel : public test::StartedWindow {
protected:
    void FloatAt(int tenths) {
        EXPECT_TRUE(WaterlineCommand(app, ui, folder.Path()).Ok());
        EXPECT_TRUE(WaterlineScrolled(app, ui, folder.Path(), tenths).Ok());
    }
    Outcome HeelAt(int tenths, const std::string& angle) {
        FloatAt(tenths);
        window.Boxes().InputAnswers = {angle};
        return HeelCommand(app, ui, folder.Path());
    }
    HydroState& hydro = app.Work.Hydro;
};

// The report's exact lines on this hull are the command line's golden "heel_6_20.txt"; here the
// search's values are checked against each other.
TEST_F(Heel, SearchFloatsTheHeeledHullAtItsUprightWeight) {
    FloatAt(60);
    hydro.HeelAngle = 20;
    const HeelSearch search = SearchHeel(UprightHull(app), app.Work.HullHeight, {hydro, {}});
    ASSERT_TRUE(search.Found);
    const HydroState& h = search.Runs.Hydro;
    EXPECT_NEAR(search.Total, h.TargetDisplacement, HeelWeightTolerance);
    EXPECT_GT(h.CenterBuoyancyX, h.CenterGravityX); // the heeled hull rights itself
    // The centre of gravity is the immersed hull's centre of buoyancy, heeled with the hull.
    EXPECT_NEAR(h.CenterGravityX / h.CenterGravityY, std::tan(search.Theta), 1e-12);
}

TEST_F(Heel, HeeledHullIsDrawnInsideTheViewWithBothCentresAndTheReportReplacesTheList) {
    app.Hull.AutoSpline = false;
    app.Work.View.Sections = true;
    window.RepaintWindow();
    const HullDocument before = app.Hull;
    hydro.ResultsIndex = 2; // not applied to the heeled report
    ASSERT_TRUE(HeelAt(60, "30").Ok());
    EXPECT_EQ(hydro.ResultsText, "Results, Heeled 30.0 degrees");
    EXPECT_EQ(hydro.ResultsSelected, -1);
    EXPECT_EQ(hydro.Displacement, static_cast<float>(hydro.TargetDisplacement));
    const auto& calls = window.RecordedMain()->Calls();
    const auto clear = std::find_if(calls.rbegin(), calls.rend(),
                                    [](const CanvasCall& c) { return c.Op == CanvasOp::Clear; });
    int chineLines = 0;
    for (auto call = clear.base(); call != calls.end(); ++call) {
        const CanvasScale& view = call->ScaleInForce;
        if (call->Op == CanvasOp::Line && call->Colour == Colour::LightGrey) {
            ++chineLines;
            EXPECT_TRUE(std::min(call->X1, call->X2) >= view.Left &&
                        std::max(call->X1, call->X2) <= view.Right &&
                        std::min(call->Y1, call->Y2) >= view.Bottom &&
                        std::max(call->Y1, call->Y2) <= view.Top);
        }
    }
    EXPECT_EQ(chineLines, 2 * 4 * 12); // both heeled halves, four chines of 12 segments
    const auto texts = window.RecordedMain()->Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "cg"), texts.end());
    EXPECT_EQ(app.Hull.SplinePoints, before.SplinePoints);
}

// The report's volume is the whole heeled hull's: its displacement in the water in use (the last
// run measured one heeled half only).
TEST_F(Heel, ReportedVolumeIsTheDisplacementInTheWaterInUse) {
    ASSERT_TRUE(WaterChoice(app, ui, folder.Path(), true).Ok()); // seawater
    ASSERT_TRUE(HeelAt(60, "20").Ok());
    const auto& lines = hydro.ResultsLines;
    ASSERT_EQ(lines.size(), 15u);
    const double pounds = Val(lines[5].substr(lines[5].find(':') + 1));
    const double cubicFeet = Val(lines[6].substr(lines[6].find(':') + 1));
    EXPECT_NEAR(cubicFeet, pounds / SeaWaterDensity * 231 / 1728, 0.01) << lines[6];
}

TEST_F(Heel, ZeroAngleChangesNothing) {
    ASSERT_TRUE(HeelAt(60, "1").Ok());
    const auto lines = hydro.ResultsLines;
    const int repaints = window.WindowRepaints();
    window.Boxes().InputAnswers = {"0"};
    ASSERT_TRUE(HeelCommand(app, ui, folder.Path()).Ok());
    EXPECT_EQ(hydro.ResultsLines, lines);
    EXPECT_EQ(window.WindowRepaints(), repaints + 1);
}

TEST_F(Heel, LowSidedHullThatShipsWaterFails) {
    // A punt 4 inches deep heeled 40 degrees puts its sheer under.
    test::SetPrismOffsets(app, {{20, 0}, {20, 4}}, 100);
    window.RepaintWindow();
    ASSERT_TRUE(HeelAt(30, "40").Ok());
    const std::string status = window.Status().Panel(1);
    EXPECT_EQ(status.rfind("Sunk or failed at WL:3.0\" at:40.0 degrees, displ:", 0), 0u) << status;
    EXPECT_EQ(hydro.ResultsText, "Results");
}

} // namespace
} // namespace merrowin
