// The waterline scroll bar stepped without a window (range rules, change event, sunk limit, the
// displacement search), and the window showing what the steps left.
#include <filesystem>

#include <gtest/gtest.h>

#include "HydroTestHulls.h"
#include "hydro/DisplacementSearch.h"
#include "hydro/HydroCommands.h"
#include "hydro/ScrollRange.h"
#include "hydro/WaterlineControl.h"

namespace merrowin {
namespace {

TEST(HydroScroll, RangeRefusesOutsidePositionsAndMovesThePositionInside) {
    ScrollRange range{10, 200, 50, 1, 1};
    EXPECT_EQ(SetScrollValue(range, 201), ScrollChange::Refused);
    EXPECT_EQ(SetScrollValue(range, 9), ScrollChange::Refused);
    EXPECT_EQ(SetScrollValue(range, 50), ScrollChange::None);
    EXPECT_EQ(SetScrollMax(range, 40), ScrollChange::Moved);
    EXPECT_EQ(range.Value, 40);
    EXPECT_EQ(SetScrollMin(range, 130), ScrollChange::Moved); // the maximum follows the minimum
    EXPECT_EQ(range.Max, 130);
    EXPECT_EQ(SetScrollMax(range, 4), ScrollChange::None); // held at the minimum
    EXPECT_EQ(range.Max, 130);
    SetScrollMin(range, -1'000'000'000); // 16-bit ends
    SetScrollMax(range, 1'000'000'000);
    EXPECT_EQ(range.Min, -32768);
    EXPECT_EQ(range.Max, 32767);
}

using HydroRuns = test::BoxRuns;

TEST_F(HydroRuns, PositionSetsTheWaterlineInTenthsAndEachChangeRunsOnce) {
    ASSERT_TRUE(ScrollToPosition(Hull(), runs, 123));
    EXPECT_EQ(hydro.WaterlineHeight, 12.3);
    EXPECT_TRUE(runs.Trace.Repaint && runs.Trace.ThumbnailWaterline);
    EXPECT_EQ(runs.Trace.Summary->rfind("WL:12.3\"", 0), 0u);
    ScrollToPosition(Hull(), runs, 123);
    ScrollToMaximum(Hull(), runs, 80); // moves the position, which runs the event
    EXPECT_EQ(hydro.WaterlineHeight, 8.0);
    EXPECT_EQ(runs.Trace.Runs, 2);
}

TEST_F(HydroRuns, SunkHullLowersTheRangeBelowItsLowestSubmergedSheerPoint) {
    app.Hull.SplinePoints[2][13][AxisY] = 12.34;
    app.Hull.SplinePoints[2][5][AxisY] = 14;
    ASSERT_TRUE(ScrollToPosition(Hull(), runs, 150));
    // 10 x 12.34 - 1 = 122.4, rounded to 122; the position follows and the run is repeated there.
    EXPECT_EQ(hydro.HScroll1.Max, 122);
    EXPECT_DOUBLE_EQ(hydro.WaterlineHeight, 12.2);
    EXPECT_NEAR(hydro.DisplacedVolume, 2 * 10 * 12.2 * 100, 1e-6);
    EXPECT_EQ(hydro.ScrollEventDepth, 0);

    // Sunk with the range at its limit: no summary, the list and the results stay but the volume.
    runs.Trace = {};
    const HydroState before = hydro;
    hydro.WaterlineHeight = 13;
    ASSERT_EQ(RunWaterline(Hull(), runs, true), WaterlineOutcome::Sunk);
    EXPECT_FALSE(runs.Trace.Summary || runs.Trace.Repaint);
    EXPECT_EQ(hydro.ResultsLines, before.ResultsLines);
    EXPECT_EQ(hydro.Displacement, before.Displacement);
    EXPECT_EQ(hydro.CenterBuoyancyZ, before.CenterBuoyancyZ);
    // Full sections, except at the transom where the sheer is 0.66 inch under.
    EXPECT_NEAR(hydro.DisplacedVolume, 2 * 10 * 13 * 100 - 10 * 0.66 / 2 * 100 / 12, 1e-6);
}

TEST_F(HydroRuns, WaterlineMeetsATypedSheerHeightAsTheSliderArithmeticGivesIt) {
    // Position 28 is 28 x 0.1 = 2.8000000000000003 inches, a hair above a sheer typed at 2.8, so
    // that sheer point is under water and the range drops below it; 27 x 0.1 is 2.7 exactly.
    app.Hull.SplinePoints[2][7][AxisY] = 2.8;
    ScrollToPosition(Hull(), runs, 28);
    EXPECT_EQ(hydro.HScroll1.Max, 27);
    EXPECT_EQ(hydro.WaterlineHeight, 2.7);
}

TEST_F(HydroRuns, SheerBelowTheWholeRangeEndsWithoutLooping) {
    test::SetPrismPoints(app, {{10, 0}, {10, 0.5}}, 100);
    ASSERT_TRUE(ScrollToPosition(Hull(), runs, 30));
    // The sheer at 0.5 inch is below the minimum position: the maximum stops at the minimum.
    EXPECT_EQ(hydro.HScroll1.Max, 10);
    EXPECT_EQ(hydro.HScroll1.Value, 10);
    EXPECT_EQ(hydro.ScrollEventDepth, 0);
}

TEST_F(HydroRuns, FloatAtWeightInterpolatesInsideTheLastInchToTheTenth) {
    hydro.HScroll1.Min = 0;
    // 72.1 lb an inch: 250 lb lies at 3.466 inches, set to the tenth.
    runs = FloatAtWeight(Hull(), std::move(runs), 250);
    EXPECT_EQ(hydro.WaterlineHeight, 3.5);
    EXPECT_NEAR(hydro.Displacement, test::PoundsOf(2000 * 3.5), 1e-3);
    // A weight the hull never reaches ends at the top of the range.
    runs = FloatAtWeight(Hull(), std::move(runs), 1e9);
    EXPECT_EQ(hydro.WaterlineHeight, 20.0);
}

// The window shows what the steps left, once.
class ShownRuns : public test::BoxInWindow {
protected:
    ShownRuns() {
        EXPECT_TRUE(WaterlineCommand(app, ui, folder.Path()).Ok());
        window.ForgetDrawing();
    }
};

TEST_F(ShownRuns, TheLastRunIsShownWithOneRepaintAndItsFile) {
    const int repaints = window.WindowRepaints();
    ASSERT_TRUE(WaterlineScrolled(app, ui, folder.Path(), 123).Ok());
    EXPECT_EQ(window.WindowRepaints(), repaints + 1);
    EXPECT_EQ(window.Status().Panel(1).rfind("WL:12.3\"", 0), 0u);
    EXPECT_EQ(ReadLines(folder.Path(), "watrplne.uc")->size(), 31u);
}

TEST_F(ShownRuns, AWaterplaneFileThatCannotBeWrittenIsAFailureOfTheRun) {
    std::filesystem::remove(folder.Path() / "watrplne.uc");
    std::filesystem::create_directory(folder.Path() / "watrplne.uc");
    const Outcome written = WaterlineScrolled(app, ui, folder.Path(), 60);
    ASSERT_TRUE(written.HasFailed());
    EXPECT_EQ(written.Text(), "Could not write watrplne.uc");
    EXPECT_EQ(hydro.WaterlineHeight, 6.0); // the run itself stands
}

TEST_F(ShownRuns, TheRepaintShowsTheWaterlineItHadAndTheModelKeepsTheLastOne) {
    // A search that moved the waterline after its last repaint (the heel search does).
    WaterlineRuns runs = StartRuns(app);
    ScrollToPosition(UprightHull(app), runs, 50);
    runs.Hydro.WaterlineHeight = 5.04;
    ASSERT_TRUE(ShowWaterlineRuns(app, HydroContext{ui, nullptr}, std::move(runs)).Ok());
    EXPECT_EQ(hydro.WaterlineHeight, 5.04);
    // The waterline across both side thumbnails, the profile's edge to edge.
    const auto lines = window.RecordedThumbnail(1)->Of(CanvasOp::Line, Colour::LightBlue);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Y1, 5.0);
    EXPECT_NEAR(lines[0].X2, window.RecordedThumbnail(1)->CurrentScale().Right, 1e-9);
    EXPECT_EQ(window.RecordedThumbnail(0)->Count(CanvasOp::Line, Colour::LightBlue), 1u);
}

} // namespace
} // namespace merrowin
