// View drawing, thumbnails and the repaint of the window, read back from recording canvases:
// where the marks land, and that nothing absurd reaches a canvas.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "ui/RecordingCanvas.h"
#include "views/HeadlessWindow.h"
#include "views/Repaint.h"
#include "views/ScaleBar.h"
#include "views/ViewCommands.h"
#include "views/ViewGeometry.h"

namespace merrowin {
namespace {

using namespace Colour;

class ViewDrawing : public ::testing::Test {
protected:
    ViewDrawing() { ResetToStartup(app); }

    // Repaints the whole window in the given view and returns the main picture's record.
    RecordingCanvas& Draw(ViewKind kind) {
        CheckView(app.Work.View, kind);
        window.ForgetDrawing();
        window.RepaintWindow();
        return *window.RecordedMain();
    }
    // The centres of the marker squares of one colour, in drawing order.
    std::vector<std::pair<double, double>> Squares(ViewKind kind, int colour) {
        std::vector<std::pair<double, double>> centres;
        for (const CanvasCall& box : Draw(kind).Of(CanvasOp::Box, colour)) {
            centres.emplace_back((box.X1 + box.X2) / 2, (box.Y1 + box.Y2) / 2);
        }
        return centres;
    }

    // The length the scale bar of a flat view shows, drawn last.
    static std::string BarLabel(const RecordingCanvas& canvas) {
        const CanvasScale scale = canvas.CurrentScale();
        return ChooseScaleBar((scale.Right - scale.Left) / canvas.Width()).Label;
    }

    AppState app;
    HeadlessWindow window{app};
};

TEST_F(ViewDrawing, SelectionSquaresMarkTheBulkheadOrThePoint) {
    // Auto-Spline: every crossing of the bulkhead in dark grey, the picked one in light red.
    app.Work.SelectedChine = 3;
    app.Work.SelectedBulkhead = 2;
    const HullDocument& hull = app.Hull;
    std::vector<std::pair<double, double>> crossings;
    for (int c = 1; c <= 4; ++c) {
        crossings.emplace_back(hull.OffsetZ[2][c], hull.OffsetY[2][c]);
    }
    EXPECT_EQ(Squares(ViewKind::Profile, DarkGrey), crossings);
    EXPECT_EQ(Squares(ViewKind::Profile, LightRed), (std::vector{crossings[2]}));
    const CanvasCall red = window.RecordedMain()->Of(CanvasOp::Box, LightRed).at(0);
    EXPECT_NEAR(red.X1 - red.X2, app.Work.View.ViewMargin / 2.0, 1e-9); // a quarter a side

    // Spline points master: the point alone; an index of 0..4 also squares that crossing,
    // whatever it means, and a failed pick nothing.
    window.RepaintWindow();
    app.Hull.AutoSpline = false;
    app.Work.SelectedChine = 2;
    app.Work.SelectedBulkhead = 7;
    const auto& point = hull.SplinePoints[2][7];
    EXPECT_EQ(Squares(ViewKind::Plan, DarkGrey), (std::vector{std::pair{point[3], point[1]}}));
    EXPECT_TRUE(Squares(ViewKind::Plan, LightRed).empty());
    app.Work.SelectedBulkhead = 4;
    EXPECT_EQ(Squares(ViewKind::Plan, LightRed),
              (std::vector{std::pair{hull.OffsetZ[4][2], hull.OffsetX[4][2]}}));
    app.Work.SelectedChine = app.Work.SelectedBulkhead = -1;
    EXPECT_EQ(Draw(ViewKind::Plan).Count(CanvasOp::Box), 0u);
}

TEST_F(ViewDrawing, WaterlineMarkersOnlyWithAWaterline) {
    for (ViewKind kind : {ViewKind::Sections, ViewKind::Profile, ViewKind::Plan}) {
        RecordingCanvas& canvas = Draw(kind);
        EXPECT_EQ(canvas.Count(CanvasOp::Circle) + canvas.Count(CanvasOp::Line, LightBlue) +
                      canvas.Count(CanvasOp::LineTo, LightBlue) +
                      canvas.Count(CanvasOp::Dot, LightBlue),
                  0u);
    }
    HydroState& hydro = app.Work.Hydro;
    hydro.WaterlineHeight = 10;
    hydro.CenterBuoyancyZ = 70;
    hydro.CenterBuoyancyY = 6;
    hydro.WaterlineFore = 5;
    hydro.WaterlineAft = 135;
    RecordingCanvas& profile = Draw(ViewKind::Profile);
    EXPECT_EQ(profile.Texts(), (std::vector<std::string>{"cb", "cla", BarLabel(profile)}));
    const CanvasCall buoyancy = profile.Of(CanvasOp::Circle).at(0);
    EXPECT_TRUE(buoyancy.X1 == 70 && buoyancy.Y1 == 6);
    EXPECT_DOUBLE_EQ(buoyancy.Radius, app.Work.HullLength / 75);
    // The waterline across the view, then the load waterline from fore to aft, twice as wide.
    const auto wide = profile.Of(CanvasOp::Line, LightBlue);
    ASSERT_GE(wide.size(), 2u);
    const CanvasCall& across = wide[wide.size() - 2];
    EXPECT_TRUE(across.Y1 == 10 && across.X2 == profile.CurrentScale().Right);
    EXPECT_TRUE(wide.back().Width == 2 && wide.back().X1 == 5 && wide.back().X2 == 135);

    // The waterplane in plan: at the transom (point 13) the waterline at 10 lies between chine
    // 2 (Y 5, X 15) and chine 3 (Y 17, X 23) of the default hull.
    const auto last = Draw(ViewKind::Plan).Of(CanvasOp::LineTo, LightBlue).back();
    EXPECT_NEAR(last.X2, 140, 1e-9);
    EXPECT_NEAR(last.Y2, 15 + (10.0 - 5) / 12 * 8, 1e-9);
}

TEST_F(ViewDrawing, SectionsLabelEachBulkheadAtItsSheer) {
    const auto texts = Draw(ViewKind::Sections).Of(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 6u); // and the scale bar's length last
    EXPECT_EQ(texts[3].Text, " 3");
    EXPECT_TRUE(texts[3].X1 == app.Hull.OffsetX[3][4] && texts[3].Y1 == app.Hull.OffsetY[3][4]);
}

TEST_F(ViewDrawing, RigIsDrawnInProfileWhateverTheMenuAndFigureFollowsItsOutline) {
    app.Work.View.Rig = true;
    app.Hull.MastStepZ = 40;
    app.Hull.MastLength = 180;
    ViewState& view = app.Work.View;
    view.FigureIndex = 0;
    view.FigurePointCount = 3;
    view.FigureOutlineZ[2] = 1;
    view.FigureOutlineZ[3] = 2;
    view.FigureY = 100;
    view.FigureZ = 50;
    app.Work.SelectedChine = -1; // no light red selection lines
    RecordingCanvas& canvas = Draw(ViewKind::Sections);
    const CanvasCall mast = canvas.Of(CanvasOp::Line, LightMagenta).at(0);
    EXPECT_TRUE(mast.X1 == 40 && mast.X2 == 40);
    EXPECT_DOUBLE_EQ(mast.Y2 - mast.Y1, 180);
    // No section labels, this is the profile: only the scale bar's length.
    EXPECT_EQ(canvas.Texts(), std::vector<std::string>{BarLabel(canvas)});
    // The profile extent was raised to the mast top, the measured height was not.
    EXPECT_GE(canvas.CurrentScale().Top, mast.Y2);
    EXPECT_EQ(app.Work.HullHeight, 38);
    const auto figure = canvas.Of(CanvasOp::Line, LightRed);
    ASSERT_EQ(figure.size(), 2u);
    EXPECT_TRUE(figure[1].X1 == 51 && figure[1].X2 == 52 && figure[1].Y2 == 100);
}

TEST_F(ViewDrawing, StatusShowsTheMaximumBeam) {
    for (int b = 0; b < 5; ++b) {
        app.Hull.OffsetX[b][3] = 40; // a chine of constant half-breadth: the spline stays at 40
    }
    window.RepaintWindow();
    EXPECT_EQ(window.Status().Panel(2), "MBm:80.00");
}

TEST_F(ViewDrawing, ThumbnailsIgnoreZoomAndTrueView) {
    Draw(ViewKind::Plan);
    const CanvasScale before = window.RecordedThumbnail(1)->CurrentScale();
    app.Work.View.ZoomX1 = app.Work.View.ZoomY1 = 10;
    app.Work.View.ZoomX2 = app.Work.View.ZoomY2 = 20;
    app.Work.View.TrueView = false;
    EXPECT_EQ(Draw(ViewKind::Plan).CurrentScale().Left, 10);
    const CanvasScale after = window.RecordedThumbnail(1)->CurrentScale();
    EXPECT_TRUE(after.Right == before.Right && after.Top == before.Top);
    // The profile thumbnail fits the length by its own proportions.
    const double m = app.Work.View.ViewMargin;
    EXPECT_DOUBLE_EQ(after.Top, (140 + m) * (ThumbHeight / WideThumbWidth));
}

TEST_F(ViewDrawing, AnExtentThatCannotBeFormedKeepsTheLastOne) {
    RecordingCanvas& canvas = Draw(ViewKind::Profile);
    const CanvasScale fitted = canvas.CurrentScale();
    canvas.Scale(0, 1, 1, 0); // other drawing scaled the picture since
    canvas.SetSize(0, 1000);  // no aspect ratio: no extent
    PaintMainView(app, canvas);
    EXPECT_TRUE(canvas.CurrentScale().Left == fitted.Left &&
                canvas.CurrentScale().Bottom == fitted.Bottom);
}

TEST_F(ViewDrawing, BadHullsDrawOnlyFiniteCoordinates) {
    auto everyView = [&](const char* what) {
        for (ViewKind kind :
             {ViewKind::Perspective, ViewKind::Sections, ViewKind::Profile, ViewKind::Plan}) {
            Draw(kind);
            for (int picture = -1; picture < 3; ++picture) {
                const RecordingCanvas& canvas =
                    picture < 0 ? *window.RecordedMain() : *window.RecordedThumbnail(picture);
                for (const CanvasCall& call : canvas.Calls()) {
                    const double sum = call.X1 + call.Y1 + call.X2 + call.Y2 + call.Radius;
                    EXPECT_TRUE(std::isfinite(sum) ||
                                (call.Op == CanvasOp::Scale && !call.Accepted))
                        << what;
                }
            }
        }
    };
    // Every crossing at one value, or spread over (value, value x bulkhead, value x chine).
    auto setAll = [&](double value, bool spread) {
        for (int b = 0; b < 5; ++b) {
            for (int c = 1; c <= 30; ++c) {
                app.Hull.OffsetX[b][c] = value * (spread ? b + 1 : 1);
                app.Hull.OffsetY[b][c] = value;
                app.Hull.OffsetZ[b][c] = value * (spread ? c : 1);
            }
        }
    };
    app.Work.Hydro.WaterlineHeight = 5;
    ChineCountChanged(app, "30", window);
    everyView("30 chines");
    setAll(7, false);
    everyView("all points equal");
    app.Hull.AutoSpline = false;
    everyView("all points equal, spline points master");
    app.Hull.AutoSpline = true;
    setAll(1e300, true);
    everyView("offsets of 1e300");
    app.Hull.ChineCount = 99;
    everyView("count above the arrays");
    app.Hull.ChineCount = -3;
    everyView("negative count");
}

} // namespace
} // namespace merrowin
