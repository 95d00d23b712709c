// Rescaling the offsets and pitching the hull, with the re-float at the remembered weight.
#include <cmath>

#include <gtest/gtest.h>

#include "HydroTestHulls.h"
#include "TestSupport.h"
#include "hydro/HydroCommands.h"
#include "views/HeadlessWindow.h"
#include "views/RescalePitch.h"

namespace merrowin {
namespace {

class RescalePitch : public test::StartedWindow {
protected:
    void Rescale(RescaleItem item, const std::string& answer) {
        window.Boxes().InputAnswers = {answer};
        RescaleCommand(app, ui, item);
    }
    void Pitch(const std::string& answer) {
        window.Boxes().InputAnswers = {answer};
        EXPECT_TRUE(PitchCommand(app, ui, folder.Path()).Ok());
    }
};

// The rescaled and pitched hulls themselves are pinned byte for byte by the command line's
// transform goldens; these are the answers that change nothing, the answer as shown, and the
// way back.
TEST_F(RescalePitch, NoNumberChangesNothingAndTheShownValueIsANewSize) {
    const HullDocument before = app.Hull;
    Rescale(RescaleItem::Height, "");
    Rescale(RescaleItem::Length, "0");
    Rescale(RescaleItem::Overall, "abc");
    EXPECT_TRUE(app.Hull.OffsetX == before.OffsetX && app.Hull.OffsetY == before.OffsetY &&
                app.Hull.OffsetZ == before.OffsetZ);

    // The box shows the length rounded to thousandths; answering it as shown scales the hull
    // to that length rather than leaving it a little longer.
    for (int c = 1; c <= 4; ++c) {
        app.Hull.OffsetZ[4][c] = 140.0004;
    }
    window.RepaintWindow();
    const HullDocument measured = app.Hull;
    Rescale(RescaleItem::Length, "140");
    EXPECT_DOUBLE_EQ(app.Hull.OffsetZ[4][2], 140);
    EXPECT_DOUBLE_EQ(app.Hull.OffsetZ[2][1], measured.OffsetZ[2][1] * 140 / 140.0004);
    EXPECT_EQ(app.Work.StationText[4], "140");
    // A negative answer is taken as its size: the height halves.
    Rescale(RescaleItem::Height, "-19");
    EXPECT_DOUBLE_EQ(app.Hull.OffsetY[1][4], measured.OffsetY[1][4] / 2);

    // With Auto-Spline off no largest half-breadth is measured: the beam has nothing to divide by.
    app.Hull.AutoSpline = false;
    window.RepaintWindow();
    ASSERT_EQ(app.Work.MaxHalfBreadth, 0);
    const HullDocument unmeasured = app.Hull;
    Rescale(RescaleItem::Beam, "30");
    EXPECT_EQ(app.Hull.OffsetX, unmeasured.OffsetX);
}

double Distance(const HullDocument& hull, int c1, int p1, int c2, int p2) {
    const auto& a = hull.SplinePoints[c1][p1];
    const auto& b = hull.SplinePoints[c2][p2];
    return std::hypot(a[1] - b[1], a[2] - b[2], a[3] - b[3]);
}

TEST_F(RescalePitch, PitchAndBackKeepsTheShapeAtTheOrigin) {
    const HullDocument before = app.Hull;
    Pitch("5");
    EXPECT_EQ(app.Work.AppliedPitch, 5);
    // The stern is lowered: the transom keel is now lower than the stem keel.
    EXPECT_LT(app.Hull.OffsetY[4][1], app.Hull.OffsetY[0][1]);
    Pitch("0");
    double zMin = 1e9, yMin = 1e9;
    for (int c = 1; c <= 4; ++c) {
        for (int p = 1; p <= PointsPerChine; ++p) {
            zMin = std::min(zMin, app.Hull.SplinePoints[c][p][3]);
            yMin = std::min(yMin, app.Hull.SplinePoints[c][p][2]);
            EXPECT_NEAR(Distance(app.Hull, c, p, 1, 1), Distance(before, c, p, 1, 1), 1e-3);
        }
    }
    // At the origin up to the small difference between the rotated curves and those the repaint
    // fits through the rotated offsets.
    EXPECT_NEAR(zMin, 0, 1e-2);
    EXPECT_NEAR(yMin, 0, 1e-2);
    // The warning came once only.
    EXPECT_EQ(window.Boxes().Asked,
              (std::vector<std::string>{"Warning", "Pitch Angle", "Pitch Angle"}));
}

TEST_F(RescalePitch, CancelledWarningOrPitchBox) {
    window.Boxes().NextMessageAnswer = MessageAnswer::Cancel;
    Pitch("5");
    EXPECT_EQ(app.Work.PitchAngle, 0);
    EXPECT_EQ(app.Work.PitchWarningShown, 1);
    app.Work.PitchAngle = 3;
    Pitch(""); // Cancel on the pitch box: back to zero pitch
    EXPECT_EQ(app.Work.PitchAngle, 0);
}

TEST_F(RescalePitch, AbsurdOffsetsLeaveTheHullWholeAndFinite) {
    app.Hull.OffsetY[2][3] = 1e308;
    app.Hull.OffsetZ[2][3] = 1.7e308;
    window.RepaintWindow();
    const HullDocument before = app.Hull;
    app.Work.PitchAngle = 45;
    ApplyPitch(app, window);
    EXPECT_TRUE(app.Hull.OffsetY == before.OffsetY && app.Hull.OffsetZ == before.OffsetZ);
    EXPECT_EQ(app.Work.AppliedPitch, 0);
}

TEST_F(RescalePitch, PitchRefloatsAtTheRememberedWeightOrStopsAtTheTop) {
    test::SetPrismOffsets(app, {{10, 0}, {10, 20}}, 100);
    window.RepaintWindow();
    window.Boxes().InputAnswers = {"300"};
    ASSERT_TRUE(DisplacementCommand(app, ui, folder.Path()).Ok());
    Pitch("2");
    // Floated again to the nearest tenth of an inch: within the weight of a twentieth of an inch
    // of draft (about 3.6 lb at 72 lb an inch).
    EXPECT_NEAR(app.Work.Hydro.Displacement, 300, 4);
    EXPECT_EQ(app.Work.Hydro.HScroll1.Max, static_cast<int>(std::lround(10 * app.Work.HullHeight)));
    app.Work.Hydro.TargetDisplacement = 1e9;
    Pitch("1");
    EXPECT_EQ(app.Work.Hydro.HScroll1.Value, app.Work.Hydro.HScroll1.Max);
}

// The designer's centre of gravity goes where the hull's own points go: placed on an offset, it
// stays on that offset through every rescale and a pitch.
TEST_F(RescalePitch, DesignersCentreOfGravityMovesWithTheHull) {
    const auto onOffset = [&] {
        return CenterOfGravity{app.Hull.OffsetY[2][3], app.Hull.OffsetZ[2][3]};
    };
    app.Hull.DesignCenterOfGravity = onOffset();
    for (const auto& [item, answer] : {std::pair{RescaleItem::Overall, "250"},
                                       {RescaleItem::Height, "30"},
                                       {RescaleItem::Length, "120"},
                                       {RescaleItem::Beam, "20"}}) {
        Rescale(item, answer);
        ASSERT_TRUE(app.Hull.DesignCenterOfGravity);
        EXPECT_NEAR(app.Hull.DesignCenterOfGravity->Y, onOffset().Y, 1e-9) << answer;
        EXPECT_NEAR(app.Hull.DesignCenterOfGravity->Z, onOffset().Z, 1e-9) << answer;
    }
    app.Work.PitchAngle = 4;
    ApplyPitch(app, window);
    ASSERT_EQ(app.Work.AppliedPitch, 4);
    EXPECT_NEAR(app.Hull.DesignCenterOfGravity->Y, onOffset().Y, 1e-9);
    EXPECT_NEAR(app.Hull.DesignCenterOfGravity->Z, onOffset().Z, 1e-9);
    // Without one, none appears.
    app.Hull.DesignCenterOfGravity.reset();
    Rescale(RescaleItem::Overall, "200");
    EXPECT_FALSE(app.Hull.DesignCenterOfGravity);
}

} // namespace
} // namespace merrowin
