// The Calculations menu handlers: waterline control, displacement search, water, contours and
// the resets of "&Open".
#include <gtest/gtest.h>

#include "HydroTestHulls.h"
#include "TestSupport.h"
#include "hydro/HydroCommands.h"
#include "views/HeadlessWindow.h"

namespace merrowin {
namespace {

// A box 10 inches in half-breadth, 20 high and 100 long: 2000 cubic inches an inch of draft.
class HydroCommands : public test::StartedWindow {
protected:
    HydroCommands() {
        test::SetPrismOffsets(app, {{10, 0}, {10, 20}}, 100);
        window.RepaintWindow();
    }
    double PoundsAt(double draft) const {
        return test::PoundsOf(2000 * draft, app.Work.Hydro.WaterDensity);
    }
    HydroState& hydro = app.Work.Hydro;
};

TEST_F(HydroCommands, WaterlineToggleSetsTheRangeAndComputesAtOneInch) {
    WaterlineCommand(app, ui, folder.Path());
    EXPECT_TRUE(hydro.HScroll1Visible && hydro.EnterHeelEnabled);
    EXPECT_EQ(hydro.HScroll1.Min, 10);
    EXPECT_EQ(hydro.HScroll1.Max, 200);
    // The position 0 lay below the new minimum and moved to it: a waterline of 1 inch.
    EXPECT_EQ(hydro.HScroll1.Value, 10);
    EXPECT_EQ(hydro.WaterlineHeight, 1.0);
    EXPECT_NEAR(hydro.Displacement, PoundsAt(1), 1e-3);
    EXPECT_TRUE(app.Work.View.Plan); // the perspective gave way to the plan

    WaterlineCommand(app, ui, folder.Path());
    EXPECT_FALSE(hydro.EnterWaterlineChecked || hydro.HScroll1Visible || hydro.EnterHeelEnabled);
}

TEST_F(HydroCommands, DisplacementSearchInterpolatesInsideTheLastInch) {
    window.Boxes().InputAnswers = {"250"};
    DisplacementCommand(app, ui, folder.Path());
    // 72.1 lb an inch: 250 lb lies at 3.466 inches, set to the tenth.
    EXPECT_EQ(hydro.HScroll1.Min, 0);
    EXPECT_EQ(hydro.WaterlineHeight, 3.5);
    EXPECT_NEAR(hydro.Displacement, PoundsAt(3.5), 1e-3);
    EXPECT_TRUE(hydro.Combo1Visible && hydro.EnterHeelEnabled);

    // A negative answer is taken as its size; the search starts again from the bottom.
    window.Boxes().InputAnswers = {"-500"};
    DisplacementCommand(app, ui, folder.Path());
    EXPECT_EQ(hydro.TargetDisplacement, 500);
    EXPECT_EQ(hydro.HScroll1.Value, 69); // 6.93 inches
}

TEST_F(HydroCommands, DisplacementSearchRunsWhenTheNewRangeMovesThePosition) {
    // The slider stood higher than this hull reaches: the new maximum pulls it down to 20 inches.
    hydro.HScroll1.Max = 300;
    hydro.HScroll1.Value = 250;
    window.Boxes().InputAnswers = {"250"};
    DisplacementCommand(app, ui, folder.Path());
    EXPECT_EQ(hydro.HScroll1.Max, 200);
    EXPECT_EQ(hydro.HScroll1.Value, 35);
}

TEST_F(HydroCommands, DisplacementSearchStopsAtTheTopOfTheRange) {
    window.Boxes().InputAnswers = {"1e9"};
    DisplacementCommand(app, ui, folder.Path());
    EXPECT_EQ(hydro.WaterlineHeight, 20.0);
    EXPECT_NEAR(hydro.Displacement, PoundsAt(20), 1e-2);
}

TEST_F(HydroCommands, CancelledDisplacementHidesTheResults) {
    window.Boxes().InputAnswers = {"100"};
    DisplacementCommand(app, ui, folder.Path());
    ASSERT_TRUE(hydro.Combo1Visible);
    DisplacementCommand(app, ui, folder.Path()); // no answer left: Cancel
    EXPECT_EQ(hydro.TargetDisplacement, 0);
    EXPECT_EQ(hydro.WaterlineHeight, 0);
    EXPECT_FALSE(hydro.Combo1Visible);
}

TEST_F(HydroCommands, WaterChoiceSwapsTheMarksAndScalesTheDisplacement) {
    WaterlineCommand(app, ui, folder.Path());
    WaterlineScrolled(app, ui, folder.Path(), 50);
    const float fresh = hydro.Displacement;
    WaterChoice(app, ui, folder.Path(), true);
    EXPECT_TRUE(hydro.SeawaterChecked && !hydro.FreshwaterChecked);
    EXPECT_NEAR(hydro.Displacement / fresh, 8.5556 / 8.3305, 1e-6);
    // Choosing the checked "Freshwater" item swaps as well: each item reads its own mark.
    WaterChoice(app, ui, folder.Path(), false);
    EXPECT_TRUE(hydro.FreshwaterChecked);
    WaterChoice(app, ui, folder.Path(), false);
    EXPECT_TRUE(hydro.SeawaterChecked);
    EXPECT_EQ(hydro.WaterDensity, 8.5556);
}

TEST_F(HydroCommands, ContoursAfterOpeningGoToFortyPerCentOfTheHeight) {
    hydro.HScroll1.Value = 57; // the slider kept its place while a hull was opened
    OpenResetsCalculations(app, ui);
    window.ForgetDrawing();
    ContoursCommand(app, ui, folder.Path());
    EXPECT_EQ(hydro.WaterlineHeight, 8.0); // 0.4 x 200 tenths
    EXPECT_TRUE(app.Work.View.Plan);
    // Contours at 1, 1.8, ... 7.4, each across the 13 stations in light cyan.
    EXPECT_EQ(window.RecordedMain()->Count(CanvasOp::LineTo, 11), 9u * 12u);
}

TEST_F(HydroCommands, ContoursWithThePositionBelowTheMinimumStayAtOneInch) {
    window.ForgetDrawing();
    ContoursCommand(app, ui, folder.Path());
    EXPECT_EQ(hydro.WaterlineHeight, 1.0);
    EXPECT_EQ(window.RecordedMain()->Count(CanvasOp::LineTo, 11), 12u); // one contour, at 1 inch
}

} // namespace
} // namespace merrowin
