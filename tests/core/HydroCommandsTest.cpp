// The Calculations menu handlers: waterline control, displacement, water, contours and the resets
// of "&Open", as the window runs them.
#include <gtest/gtest.h>

#include "HydroTestHulls.h"
#include "hydro/HydroCommands.h"

namespace merrowin {
namespace {

using HydroCommands = test::BoxInWindow;

TEST_F(HydroCommands, WaterlineToggleSetsTheRangeAndComputesAtOneInch) {
    ASSERT_TRUE(WaterlineCommand(app, ui, folder.Path()).Ok());
    EXPECT_TRUE(hydro.HScroll1Visible && hydro.EnterHeelEnabled);
    EXPECT_EQ(hydro.HScroll1.Min, 10);
    EXPECT_EQ(hydro.HScroll1.Max, 200);
    // The position 0 lay below the new minimum and moved to it: a waterline of 1 inch.
    EXPECT_EQ(hydro.WaterlineHeight, 1.0);
    EXPECT_TRUE(app.Work.View.Plan); // the perspective gave way to the plan

    ASSERT_TRUE(WaterlineCommand(app, ui, folder.Path()).Ok());
    EXPECT_FALSE(hydro.EnterWaterlineChecked || hydro.HScroll1Visible || hydro.EnterHeelEnabled);
}

TEST_F(HydroCommands, DisplacementTakesTheAnswersSizeAndCancelHidesTheResults) {
    window.Boxes().InputAnswers = {"-500"};
    ASSERT_TRUE(DisplacementCommand(app, ui, folder.Path()).Ok());
    EXPECT_EQ(hydro.TargetDisplacement, 500);
    EXPECT_EQ(hydro.HScroll1.Min, 0);
    EXPECT_EQ(hydro.HScroll1.Value, 69); // 6.93 inches
    EXPECT_TRUE(hydro.Combo1Visible && hydro.EnterHeelEnabled);

    ASSERT_TRUE(DisplacementCommand(app, ui, folder.Path()).Ok()); // no answer left: Cancel
    EXPECT_EQ(hydro.TargetDisplacement, 0);
    EXPECT_EQ(hydro.WaterlineHeight, 0);
    EXPECT_FALSE(hydro.Combo1Visible);
}

TEST_F(HydroCommands, DisplacementSearchRunsWhenTheNewRangeMovesThePosition) {
    // The slider stood higher than this hull reaches: the new maximum pulls it down to 20 inches.
    hydro.HScroll1.Max = 300;
    hydro.HScroll1.Value = 250;
    window.Boxes().InputAnswers = {"250"};
    ASSERT_TRUE(DisplacementCommand(app, ui, folder.Path()).Ok());
    EXPECT_EQ(hydro.HScroll1.Value, 35);
}

TEST_F(HydroCommands, EachWaterItemReadsItsOwnCheckMarkAndTheWaterlineFollows) {
    ASSERT_TRUE(WaterlineScrolled(app, ui, folder.Path(), 50).Ok());
    ASSERT_TRUE(WaterChoice(app, ui, folder.Path(), true).Ok());
    EXPECT_TRUE(hydro.SeawaterChecked && !hydro.FreshwaterChecked);
    EXPECT_NEAR(hydro.Displacement, test::PoundsOf(10000, SeaWaterDensity), 1e-3);
    // "Freshwater" unchecked goes back to fresh water, checked swaps to sea water again.
    ASSERT_TRUE(WaterChoice(app, ui, folder.Path(), false).Ok());
    EXPECT_TRUE(hydro.FreshwaterChecked);
    ASSERT_TRUE(WaterChoice(app, ui, folder.Path(), false).Ok());
    EXPECT_TRUE(hydro.SeawaterChecked);
}

TEST_F(HydroCommands, ContoursStayAtOneInchBelowTheMinimumOrGoToFortyPerCentAfterOpening) {
    window.ForgetDrawing();
    ASSERT_TRUE(ContoursCommand(app, ui, folder.Path()).Ok());
    EXPECT_EQ(hydro.WaterlineHeight, 1.0);
    EXPECT_TRUE(app.Work.View.Plan);
    EXPECT_EQ(window.RecordedMain()->Count(CanvasOp::LineTo, Colour::LightCyan), 12u);

    hydro.HScroll1.Value = 57; // the slider kept its place while a hull was opened
    OpenResetsCalculations(app, ui);
    window.ForgetDrawing();
    ASSERT_TRUE(ContoursCommand(app, ui, folder.Path()).Ok());
    EXPECT_EQ(hydro.WaterlineHeight, 8.0); // 0.4 x 200 tenths
    // Contours at 1, 1.8, ... 7.4, each across the 13 stations in light cyan.
    EXPECT_EQ(window.RecordedMain()->Count(CanvasOp::LineTo, Colour::LightCyan), 9u * 12u);
}

} // namespace
} // namespace merrowin
