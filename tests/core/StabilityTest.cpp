// Tests of the righting-arm curve: boxes against the wall-sided formula and its integral, the
// curve's symmetry, an unstable hull, the weight held at every angle and a hull too heavy.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "HydroTestHulls.h"
#include "hydro/Stability.h"

namespace merrowin {
namespace {

constexpr double Radians = std::numbers::pi / 180;

// A box of half-breadth b, height h and length l, floating upright at draft t with its centre
// of gravity kg above the bottom.
struct Box {
    double B, H, L, T, KG;

    HullDocument Hull() const {
        AppState app;
        test::SetPrismPoints(app, {{B, 0}, {B, H}}, L);
        return app.Hull;
    }
    double Displacement() const { return test::PoundsOf(2 * B * T * L); }
    // Metacentric radius (waterplane inertia over volume) and height.
    double BM() const { return (2 * B) * (2 * B) / (12 * T); }
    double GM() const { return T / 2 + BM() - KG; }
    // GZ of a wall-sided hull: exact until the deck edge goes under or the bilge comes out.
    double WallSided(double degrees) const {
        const double phi = degrees * Radians;
        return std::sin(phi) * (GM() + BM() / 2 * std::tan(phi) * std::tan(phi));
    }
    // Its integral from upright: GM (1 - cos) + BM / 2 (sec + cos - 2), inch-radians.
    double WallSidedArea(double degrees) const {
        const double phi = degrees * Radians;
        return GM() * (1 - std::cos(phi)) + BM() / 2 * (1 / std::cos(phi) + std::cos(phi) - 2);
    }
    StabilityCurve Curve(const std::vector<double>& angles) const {
        return ComputeStabilityCurve(Hull(), Displacement(), {KG, L / 2}, FreshWaterDensity,
                                     angles);
    }
};

TEST(StabilityTest, BoxFollowsTheWallSidedFormulaUntilTheDeckEdgeGoesUnder) {
    const Box box{24, 20, 120, 12, 10};
    // The deck edge reaches the water where tan = freeboard / half-breadth; the bilge would come
    // out only at tan = draft / half-breadth, later.
    const double deckEdge = std::atan((box.H - box.T) / box.B) / Radians;
    std::vector<double> angles;
    for (double angle = 0; angle < deckEdge; angle += 1.5) {
        angles.push_back(angle);
    }
    angles.push_back(deckEdge);
    angles.push_back(deckEdge + 2); // beyond the formula: only the deck edge is found there
    const StabilityCurve curve = box.Curve(angles);
    ASSERT_TRUE(curve.AllFloated);
    for (const StabilityPoint& point : curve.Points) {
        if (point.Angle > deckEdge) {
            continue;
        }
        EXPECT_NEAR(point.RightingArm, box.WallSided(point.Angle), 1e-3) << point.Angle;
        EXPECT_NEAR(point.RightingMoment, box.Displacement() * point.RightingArm / 12, 1e-9);
        // Heeled about its centre line at the waterline, the level there stays at the draft.
        EXPECT_NEAR(point.Waterline, box.T * std::cos(point.Angle * Radians), 1e-6);
    }
    EXPECT_EQ(curve.Points.front().RightingArm, 0);
    EXPECT_NEAR(curve.Points.front().Freeboard, box.H - box.T, 1e-9);
    ASSERT_TRUE(curve.DeckEdgeAngle && curve.InitialGM);
    EXPECT_NEAR(*curve.DeckEdgeAngle, deckEdge, 1e-5);
    EXPECT_NEAR(*curve.InitialGM, box.GM(), 1e-4);
    EXPECT_FALSE(curve.VanishingAngle); // still rising at the last angle
}

TEST(StabilityTest, AreasUnderTheCurveMatchTheWallSidedIntegral) {
    // Deck edge and bilge both at 45 degrees: wall-sided all the way to 40.
    const Box box{10, 20, 100, 10, 8};
    const StabilityCurve curve = box.Curve({0, 10});
    ASSERT_TRUE(curve.AreaTo30 && curve.AreaTo40);
    EXPECT_NEAR(*curve.AreaTo30, box.WallSidedArea(30), 1e-5);
    EXPECT_NEAR(*curve.AreaTo40, box.WallSidedArea(40), 1e-5);
    ASSERT_TRUE(curve.DeckEdgeAngle.has_value() == false);
}

// The solid is the same on both sides: heeled to port, the arm is the starboard one reversed,
// whatever the hull's shape and wherever its centre of gravity lies along it.
TEST(StabilityTest, CurveIsOddInTheAngle) {
    AppState app;
    ResetToStartup(app);
    UpdateHullGeometry(app.Hull, app.Work);
    const double displacement = SolidDisplacement(app.Hull, 8, SeaWaterDensity);
    ASSERT_GT(displacement, 100);
    const std::vector<double> angles = {0, 7.5, -7.5, 35, -35, 80, -80, 120, -120};
    const StabilityCurve curve =
        ComputeStabilityCurve(app.Hull, displacement, {12, 40}, SeaWaterDensity, angles);
    ASSERT_TRUE(curve.AllFloated);
    EXPECT_NEAR(curve.Points[0].RightingArm, 0, 1e-12);
    EXPECT_NEAR(curve.Points[0].Waterline, 8, 1e-6);
    for (std::size_t i = 1; i < angles.size(); i += 2) {
        const StabilityPoint& starboard = curve.Points[i];
        const StabilityPoint& port = curve.Points[i + 1];
        EXPECT_NEAR(port.RightingArm, -starboard.RightingArm, 1e-9) << starboard.Angle;
        EXPECT_NEAR(port.RightingMoment, -starboard.RightingMoment, 1e-7);
        EXPECT_NEAR(port.Waterline, starboard.Waterline, 1e-9);
        EXPECT_NEAR(port.Freeboard, starboard.Freeboard, 1e-9);
        EXPECT_NEAR(port.CenterBuoyancyZ, starboard.CenterBuoyancyZ, 1e-9);
    }
}

// Every angle floats the hull at its weight within the tolerance, on a real hull through its
// whole range, where the sheer goes under and the hull lies on its side.
TEST(StabilityTest, EveryAngleHoldsTheWeight) {
    AppState app;
    ResetToStartup(app);
    UpdateHullGeometry(app.Hull, app.Work);
    for (const double draft : {3.0, 8.0, 14.0}) {
        const double displacement = SolidDisplacement(app.Hull, draft, FreshWaterDensity);
        const StabilityCurve curve = ComputeStabilityCurve(
            app.Hull, displacement, {10, 70}, FreshWaterDensity, StabilityAngles(180, 5));
        ASSERT_TRUE(curve.AllFloated) << draft;
        const double tolerance =
            std::max(StabilityWeightTolerance, StabilityRelativeTolerance * displacement);
        for (const StabilityPoint& point : curve.Points) {
            EXPECT_NEAR(point.Displaced, displacement, tolerance) << point.Angle;
        }
        // Upside down the curve has come back through zero.
        ASSERT_TRUE(curve.VanishingAngle) << draft;
        const StabilityCurve at = ComputeStabilityCurve(app.Hull, displacement, {10, 70},
                                                        FreshWaterDensity, {*curve.VanishingAngle});
        EXPECT_NEAR(at.Points[0].RightingArm, 0, 1e-6);
    }
}

TEST(StabilityTest, GravityAboveTheMetacentreCapsizesFromUpright) {
    Box box{24, 20, 120, 12, 0};
    const double metacentre = box.T / 2 + box.BM();
    box.KG = metacentre + 2;
    const StabilityCurve curve = box.Curve({0, 1, 5});
    ASSERT_TRUE(curve.AllFloated && curve.InitialGM);
    EXPECT_NEAR(*curve.InitialGM, -2, 1e-4);
    EXPECT_LT(curve.Points[1].RightingArm, 0);
    EXPECT_LT(curve.Points[2].RightingArm, curve.Points[1].RightingArm);
    // No range of positive stability: nothing vanishes, and the largest arm is upright's 0.
    EXPECT_FALSE(curve.VanishingAngle);
    EXPECT_EQ(curve.MaxRightingArmAngle, 0);
}

TEST(StabilityTest, HullTooHeavyOrWithoutWeightFindsNoWaterline) {
    const Box box{24, 20, 120, 12, 10};
    const double whole = test::PoundsOf(2 * box.B * box.H * box.L);
    for (const double displacement : {whole * 1.01, 0.0, -5.0, std::nan("")}) {
        const StabilityCurve curve =
            ComputeStabilityCurve(box.Hull(), displacement, {10, 60}, FreshWaterDensity, {0, 30});
        EXPECT_FALSE(curve.AllFloated) << displacement;
        for (const StabilityPoint& point : curve.Points) {
            EXPECT_FALSE(point.Floated);
            EXPECT_EQ(point.RightingArm, 0);
            EXPECT_EQ(point.Waterline, 0);
        }
        EXPECT_FALSE(curve.MaxRightingArm || curve.InitialGM || curve.AreaTo30 ||
                     curve.DeckEdgeAngle);
        EXPECT_TRUE(std::isfinite(curve.Displacement));
    }
    // Exactly the whole box's weight floats it with the deck at the water.
    const StabilityCurve full =
        ComputeStabilityCurve(box.Hull(), whole, {10, 60}, FreshWaterDensity, {0});
    ASSERT_TRUE(full.AllFloated);
    EXPECT_NEAR(full.Points[0].Waterline, box.H, 1e-9);
    EXPECT_EQ(full.DeckEdgeAngle, std::optional<double>(0));
}

TEST(StabilityTest, SolidDisplacementOfTheBox) {
    const Box box{24, 20, 120, 12, 10};
    EXPECT_NEAR(SolidDisplacement(box.Hull(), 12, FreshWaterDensity), box.Displacement(), 1e-9);
    EXPECT_EQ(SolidDisplacement(box.Hull(), -1, FreshWaterDensity), 0);
    EXPECT_EQ(SolidDisplacement(box.Hull(), INFINITY, FreshWaterDensity), 0);
}

TEST(StabilityTest, AnglesRunFromUprightToTheLastAskedFor) {
    struct Case {
        double To, Step;
        std::vector<double> Expected;
    };
    const Case cases[] = {
        {20, 7, {0, 7, 14, 20}},
        {15, 5, {0, 5, 10, 15}},
        {0.5, 5, {0, 0.5}},
        {0, 5, {}},
        {181, 5, {}},
        {90, 0, {}},
        {90, -5, {}},
        {180, 0.1, {}}, // more angles than a curve takes
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StabilityAngles(c.To, c.Step), c.Expected) << c.To << " " << c.Step;
    }
}

} // namespace
} // namespace merrowin
