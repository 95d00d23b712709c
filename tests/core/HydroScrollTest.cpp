// The waterline scroll bar: range rules, the change event and the sunk limit.
#include <gtest/gtest.h>

#include "HydroTestHulls.h"
#include "TestSupport.h"
#include "hydro/ScrollRange.h"
#include "hydro/WaterlineControl.h"
#include "io/Files.h"
#include "views/HeadlessWindow.h"

namespace merrowin {
namespace {

TEST(HydroScroll, RangeRefusesOutsidePositionsAndMovesThePositionInside) {
    ScrollRange range;
    range.Min = 10;
    range.Max = 200;
    range.Value = 50;
    EXPECT_EQ(SetScrollValue(range, 201), ScrollChange::Refused);
    EXPECT_EQ(SetScrollValue(range, 9), ScrollChange::Refused);
    EXPECT_EQ(range.Value, 50);
    EXPECT_EQ(SetScrollValue(range, 50), ScrollChange::None);
    EXPECT_EQ(SetScrollValue(range, 200), ScrollChange::Moved);

    EXPECT_EQ(SetScrollMax(range, 300), ScrollChange::None);
    EXPECT_EQ(SetScrollMax(range, 120), ScrollChange::Moved);
    EXPECT_EQ(range.Value, 120);
    EXPECT_EQ(SetScrollMin(range, 130), ScrollChange::Moved); // the maximum follows the minimum
    EXPECT_EQ(range.Max, 130);
    EXPECT_EQ(range.Value, 130);
    EXPECT_EQ(SetScrollMax(range, 4), ScrollChange::None); // held at the minimum
    EXPECT_EQ(range.Max, 130);

    SetScrollMin(range, -1'000'000'000); // 16-bit ends
    EXPECT_EQ(range.Min, -32768);
    SetScrollMax(range, 1'000'000'000);
    EXPECT_EQ(range.Max, 32767);
}

class HydroScrollEvents : public test::StartedWindow {
protected:
    HydroScrollEvents() {
        test::SetPrismOffsets(app, {{10, 0}, {10, 20}}, 100);
        window.RepaintWindow();
        hydro.HScroll1.Min = 10;
        hydro.HScroll1.Max = 200;
        hydro.HScroll1.Value = 10;
    }
    HydroContext context{ui, &folder.Path()};
    HydroState& hydro = app.Work.Hydro;
};

TEST_F(HydroScrollEvents, PositionSetsTheWaterlineInTenthsAndRunsOncePerChange) {
    const int repaints = window.WindowRepaints();
    ASSERT_TRUE(SetWaterlinePosition(app, context, 123));
    EXPECT_EQ(hydro.WaterlineHeight, 12.3);
    EXPECT_EQ(window.WindowRepaints(), repaints + 1);
    EXPECT_EQ(window.Status().Panel(1).rfind("WL:12.3\"", 0), 0u);
    EXPECT_TRUE(FileExists(folder.Path(), "watrplne.uc"));
    // The waterline across both side thumbnails, edge to edge.
    const auto lines = window.RecordedThumbnail(1)->Of(CanvasOp::Line, 9);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().Y1, 12.3);
    EXPECT_NEAR(lines.back().X2, window.RecordedThumbnail(1)->CurrentScale().Right, 1e-9);
    EXPECT_FALSE(window.RecordedThumbnail(0)->Of(CanvasOp::Line, 9).empty());

    ASSERT_TRUE(SetWaterlinePosition(app, context, 123)); // the same position does nothing
    EXPECT_EQ(window.WindowRepaints(), repaints + 1);
    EXPECT_FALSE(SetWaterlinePosition(app, context, 201));
    EXPECT_EQ(hydro.HScroll1.Value, 123);

    SetWaterlineMaximum(app, context, 80); // moves the position, which runs the event
    EXPECT_EQ(hydro.WaterlineHeight, 8.0);
    EXPECT_EQ(window.WindowRepaints(), repaints + 2);
}

TEST_F(HydroScrollEvents, SunkHullLowersTheRangeBelowItsLowestSubmergedSheerPoint) {
    // Points as the master, the sheer lower at two stations.
    test::SetPrismPoints(app, {{10, 0}, {10, 20}}, 100);
    app.Hull.SplinePoints[2][13][2] = 12.34;
    app.Hull.SplinePoints[2][5][2] = 14;
    window.RepaintWindow();
    ASSERT_TRUE(SetWaterlinePosition(app, context, 150));
    // 10 x 12.34 - 1 = 122.4, rounded to 122; the position follows and the run is repeated there.
    EXPECT_EQ(hydro.HScroll1.Max, 122);
    EXPECT_DOUBLE_EQ(hydro.WaterlineHeight, 12.2);
    EXPECT_NEAR(hydro.DisplacedVolume, 2 * 10 * 12.2 * 100, 1e-6);
    EXPECT_EQ(hydro.ScrollEventDepth, 0);

    // Sunk with the range already at its limit: the list and the status stay as they were.
    const auto lines = hydro.ResultsLines;
    const std::string status = window.Status().Panel(1);
    hydro.WaterlineHeight = 13;
    ASSERT_EQ(ComputeWaterline(app, context), WaterlineOutcome::Sunk);
    EXPECT_EQ(hydro.ResultsLines, lines);
    EXPECT_EQ(window.Status().Panel(1), status);
    // Full sections, except at the transom where the sheer is 0.66 inch under.
    EXPECT_NEAR(hydro.DisplacedVolume, 2 * 10 * 13 * 100 - 10 * 0.66 / 2 * 100 / 12, 1e-6);
    EXPECT_EQ(ReadLines(folder.Path(), "watrplne.uc")->size(), 31u);
}

TEST_F(HydroScrollEvents, WaterlineMeetsATypedSheerHeightAsTheSliderArithmeticGivesIt) {
    // Position 28 is 28 x 0.1 = 2.8000000000000003 inches, a hair above a sheer typed at 2.8, so
    // that sheer point is under water and the range drops below it; 27 x 0.1 is 2.7 exactly.
    test::SetPrismPoints(app, {{10, 0}, {10, 20}}, 100);
    app.Hull.SplinePoints[2][7][2] = 2.8;
    window.RepaintWindow();
    SetWaterlinePosition(app, context, 28);
    EXPECT_EQ(hydro.HScroll1.Max, 27);
    EXPECT_EQ(hydro.WaterlineHeight, 2.7);
}

TEST_F(HydroScrollEvents, SheerBelowTheWholeRangeEndsWithoutLooping) {
    test::SetPrismPoints(app, {{10, 0}, {10, 0.5}}, 100);
    window.RepaintWindow();
    ASSERT_TRUE(SetWaterlinePosition(app, context, 30));
    // The sheer at 0.5 inch is below the minimum position: the maximum stops at the minimum.
    EXPECT_EQ(hydro.HScroll1.Max, 10);
    EXPECT_EQ(hydro.HScroll1.Value, 10);
    EXPECT_EQ(hydro.ScrollEventDepth, 0);
}

} // namespace
} // namespace merrowin
