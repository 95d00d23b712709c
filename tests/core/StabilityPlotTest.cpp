// Tests of the righting-arm curve's plot and of the SVG canvas it is saved through: the curve
// drawn through every point in order, the marks where the criteria are, round grid steps, and
// SVG elements in pixels with text escaped and nothing drawn from a non-finite point.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "hydro/StabilityDrawing.h"
#include "ui/RecordingCanvas.h"
#include "ui/SvgCanvas.h"

namespace merrowin {
namespace {

StabilityCurve SampleCurve() {
    StabilityCurve curve;
    for (const double angle : {0.0, 30.0, 60.0, 90.0}) {
        StabilityPoint p;
        p.Angle = angle;
        p.Floated = true;
        p.RightingArm = 4 * std::sin(angle * 2 * 3.14159265358979 / 180) - 1 * (angle > 70);
        curve.Points.push_back(p);
    }
    // Upright last, as the curve keeps the order the angles were asked in.
    std::swap(curve.Points.front(), curve.Points.back());
    curve.MaxRightingArm = curve.Points[1].RightingArm;
    curve.MaxRightingArmAngle = 30;
    curve.DeckEdgeAngle = 20;
    curve.VanishingAngle = 85;
    return curve;
}

TEST(StabilityPlotTest, CurveRunsThroughThePointsInOrderOfAngleWithTheMarks) {
    RecordingCanvas canvas;
    DrawStabilityCurve(canvas, SampleCurve());
    std::vector<double> curveAngles;
    int deckEdge = 0, vanishing = 0, maxArm = 0;
    for (const CanvasCall& call : canvas.Calls()) {
        if (call.Op == CanvasOp::Dot && call.Colour == CurveColour) {
            curveAngles.push_back(call.X1);
        } else if (call.Op == CanvasOp::LineTo && call.Colour == CurveColour) {
            curveAngles.push_back(call.X2);
        } else if (call.Op == CanvasOp::Line && call.Colour == DeckEdgeColour) {
            deckEdge += call.X1 == 20 && call.X2 == 20;
        } else if (call.Op == CanvasOp::Line && call.Colour == VanishingColour) {
            vanishing += call.X1 == 85;
        } else if (call.Op == CanvasOp::Circle && call.Colour == MaxArmColour) {
            maxArm += call.X1 == 30;
        }
    }
    // The dot starts the line at upright: 0, then every point by angle.
    EXPECT_EQ(curveAngles, (std::vector<double>{0, 0, 30, 60, 90}));
    EXPECT_EQ(deckEdge, 1);
    EXPECT_EQ(vanishing, 1);
    EXPECT_EQ(maxArm, 1);
    // Every arm lies inside the plot's scale.
    const CanvasScale& scale = canvas.Calls().back().ScaleInForce;
    for (const StabilityPoint& p : SampleCurve().Points) {
        EXPECT_LT(p.RightingArm, scale.Top);
        EXPECT_GT(p.RightingArm, scale.Bottom);
    }
}

TEST(StabilityPlotTest, GridStepsAreRound) {
    const std::pair<double, double> cases[] = {{90, 20},     {180, 50},    {8, 1}, {4.2, 1},
                                               {0.37, 0.05}, {1, 0.2},     {0, 1}, {-3, 1},
                                               {NAN, 1},     {INFINITY, 1}};
    for (const auto& [range, step] : cases) {
        EXPECT_DOUBLE_EQ(GridStep(range), step) << range;
    }
}

TEST(StabilityPlotTest, SvgCanvasWritesPixelsAndEscapesText) {
    SvgCanvas svg(200, 100);
    svg.Scale(0, 10, 20, 0); // 10 pixels a unit, y up
    svg.Line(0, 0, 20, 10, Colour::Red);
    svg.Dot(5, 5, Colour::White); // places the text only
    svg.Text("GZ <in.> & \"arm\"");
    svg.Line(NAN, 0, 1, 1, Colour::Red);
    const std::string doc = svg.Document();
    EXPECT_NE(doc.find("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"100\""),
              std::string::npos);
    EXPECT_NE(doc.find("<line x1=\"0\" y1=\"100\" x2=\"200\" y2=\"0\" stroke=\"#"),
              std::string::npos);
    EXPECT_NE(doc.find("<text x=\"50\" y=\"60\""), std::string::npos); // baseline: 10 px lower
    EXPECT_NE(doc.find(">GZ &lt;in.&gt; &amp; &quot;arm&quot;</text>"), std::string::npos);
    EXPECT_EQ(doc.find("=\"nan"), std::string::npos);
    EXPECT_EQ(doc.find("=\"-nan"), std::string::npos);
    EXPECT_EQ(doc.find("<rect x="), std::string::npos); // the white dot drew nothing
    svg.Clear();
    EXPECT_EQ(svg.Document().find("<line"), std::string::npos);
}

} // namespace
} // namespace merrowin
