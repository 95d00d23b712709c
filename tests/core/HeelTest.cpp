// The heel analysis: rotation, report, failure and the upright points kept safe.
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "HydroTestHulls.h"
#include "TestSupport.h"
#include "hydro/Heel.h"
#include "hydro/HydroCommands.h"
#include "text/NumberText.h"
#include "views/HeadlessWindow.h"

namespace merrowin {
namespace {

class Heel : public test::StartedWindow {
protected:
    // Waterline control on at a waterline, then "&Heel" answered with an angle.
    void HeelAt(double waterline, const std::string& angle) {
        WaterlineCommand(app, ui, folder.Path());
        WaterlineScrolled(app, ui, folder.Path(), static_cast<int>(std::lround(10 * waterline)));
        window.Boxes().InputAnswers = {angle};
        HeelCommand(app, ui, folder.Path());
    }
    HydroState& hydro = app.Work.Hydro;
};

TEST(HeelRotation, NinetyDegreesTurnsStarboardDown) {
    HullDocument hull;
    hull.ChineCount = 2;
    hull.SplinePoints[1][1] = {0, 10, 0, 5};
    RotateSections(hull, -90 * 3.1415 / 180);
    EXPECT_NEAR(hull.SplinePoints[1][1][1], 0, 1e-3);
    EXPECT_NEAR(hull.SplinePoints[1][1][2], -10, 1e-3);
    EXPECT_EQ(hull.SplinePoints[1][1][3], 5);
}

// The report's exact lines on this hull are the command line's golden "heel_6_20.txt"; here its
// values are checked against each other.
TEST_F(Heel, ReportOfTheDefaultHull) {
    hydro.ResultsIndex = 2; // not applied to the heeled report
    HeelAt(6, "20");
    ASSERT_EQ(hydro.ResultsLines.size(), 15u);
    EXPECT_EQ(hydro.ResultsText, "Results, Heeled 20.0 degrees");
    EXPECT_EQ(hydro.ResultsSelected, -1);
    // The weight found is the upright one within 15 pounds, and Displacement is that target.
    EXPECT_EQ(hydro.Displacement, static_cast<float>(hydro.TargetDisplacement));
    const double arm = hydro.CenterBuoyancyX - hydro.CenterGravityX;
    EXPECT_GT(arm, 0); // the heeled hull rights itself
    const double total = hydro.RightingMoment * 12 / arm;
    EXPECT_NEAR(total, hydro.TargetDisplacement, 15);
    // The centre of gravity is the immersed hull's centre of buoyancy, heeled with the hull.
    const double theta = 20 * 3.1415 / 180;
    EXPECT_NEAR(hydro.CenterGravityX / hydro.CenterGravityY, std::tan(theta), 1e-12);
}

TEST_F(Heel, HeeledHullIsDrawnInsideTheViewWithBothCentres) {
    app.Work.View.Sections = true;
    window.ForgetDrawing();
    HeelAt(6, "30");
    ASSERT_EQ(hydro.ResultsLines.size(), 15u);
    const auto& calls = window.RecordedMain()->Calls();
    std::size_t lastClear = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].Op == CanvasOp::Clear) {
            lastClear = i;
        }
    }
    int chineLines = 0;
    for (std::size_t i = lastClear; i < calls.size(); ++i) {
        const CanvasCall& call = calls[i];
        if (call.Op != CanvasOp::Line || call.Colour != 7) {
            continue;
        }
        ++chineLines;
        const CanvasScale& view = call.ScaleInForce;
        for (const double x : {call.X1, call.X2}) {
            EXPECT_GE(x, view.Left);
            EXPECT_LE(x, view.Right);
        }
        for (const double y : {call.Y1, call.Y2}) {
            EXPECT_GE(y, view.Bottom);
            EXPECT_LE(y, view.Top);
        }
    }
    EXPECT_EQ(chineLines, 2 * 4 * 12); // both heeled halves, four chines of 12 segments
    const auto texts = window.RecordedMain()->Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "cg"), texts.end());
}

TEST_F(Heel, UprightPointsAndOffsetsComeBackWithAutoSplineOff) {
    app.Hull.AutoSpline = false;
    window.RepaintWindow();
    const HullDocument before = app.Hull;
    HeelAt(6, "25");
    ASSERT_EQ(hydro.ResultsLines.size(), 15u);
    window.RepaintWindow(); // takes the offsets back from the points, as the next repaint does
    EXPECT_EQ(app.Hull.SplinePoints, before.SplinePoints);
    EXPECT_EQ(app.Hull.OffsetX, before.OffsetX);
    EXPECT_EQ(app.Hull.OffsetY, before.OffsetY);
}

TEST_F(Heel, HeeledDraftOfAHullHigherThanAThousandInchesIsMeasuredFromThere) {
    // A box whose keel lies at 1002 inches, heeled a little: every point stays above 1000.
    test::SetPrismOffsets(app, {{20, 1002}, {20, 1030}}, 100);
    window.RepaintWindow();
    HeelAt(1010, "0.1");
    ASSERT_EQ(hydro.ResultsText, "Results, Heeled 0.1 degrees") << window.Status().Panel(1);
    EXPECT_EQ(hydro.ResultsLines[4],
              "Corrected heeled draft: " + FormatNumber(hydro.WaterlineHeight - 1000, "0.0 in."));
}

TEST_F(Heel, ZeroAngleChangesNothing) {
    HeelAt(6, "1");
    const HullDocument before = app.Hull;
    const auto lines = hydro.ResultsLines;
    const int repaints = window.WindowRepaints();
    window.Boxes().InputAnswers = {"0"};
    HeelCommand(app, ui, folder.Path());
    EXPECT_EQ(hydro.HeelAngle, 0);
    EXPECT_EQ(hydro.ResultsLines, lines);
    EXPECT_EQ(window.WindowRepaints(), repaints + 1);
    EXPECT_EQ(app.Hull.SplinePoints, before.SplinePoints);
}

TEST_F(Heel, LowSidedHullThatShipsWaterFails) {
    // A punt 4 inches deep heeled 40 degrees puts its sheer under.
    test::SetPrismOffsets(app, {{20, 0}, {20, 4}}, 100);
    window.RepaintWindow();
    const HullDocument before = app.Hull;
    HeelAt(3, "40");
    const std::string status = window.Status().Panel(1);
    EXPECT_EQ(status.rfind("Sunk or failed at WL:", 0), 0u) << status;
    EXPECT_NE(status.find("\" at:40.0 degrees, displ:"), std::string::npos);
    EXPECT_EQ(hydro.ResultsText.rfind("Results, Heeled", 0), std::string::npos);
    EXPECT_EQ(app.Hull.SplinePoints, before.SplinePoints);
}

} // namespace
} // namespace merrowin
