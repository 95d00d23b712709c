// View drawing, thumbnails and the repaint of the window, read back from recording canvases.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "ui/RecordingCanvas.h"
#include "views/HeadlessWindow.h"
#include "views/Repaint.h"
#include "views/ViewCommands.h"
#include "views/ViewGeometry.h"

namespace merrowin {
namespace {

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

    static bool BoxCentredAt(const CanvasCall& box, double u, double v) {
        return std::abs((box.X1 + box.X2) / 2 - u) < 1e-9 &&
               std::abs((box.Y1 + box.Y2) / 2 - v) < 1e-9;
    }

    AppState app;
    HeadlessWindow window{app};
};

TEST_F(ViewDrawing, AutoSplineSelectionMarksTheWholeBulkhead) {
    app.Work.SelectedChine = 3;
    app.Work.SelectedBulkhead = 2;
    RecordingCanvas& canvas = Draw(ViewKind::Profile);
    EXPECT_EQ(canvas.Count(CanvasOp::Line, 12), 3u); // the bulkhead drawn over in light red
    const auto greySquares = canvas.Of(CanvasOp::Box, 8);
    ASSERT_EQ(greySquares.size(), 4u);
    for (int c = 1; c <= 4; ++c) {
        EXPECT_TRUE(
            BoxCentredAt(greySquares[c - 1], app.Hull.OffsetZ[2][c], app.Hull.OffsetY[2][c]));
    }
    const auto redSquares = canvas.Of(CanvasOp::Box, 12);
    ASSERT_EQ(redSquares.size(), 1u);
    EXPECT_TRUE(BoxCentredAt(redSquares[0], app.Hull.OffsetZ[2][3], app.Hull.OffsetY[2][3]));
    // Square half-size is a quarter of the margin.
    EXPECT_NEAR(redSquares[0].X1 - redSquares[0].X2, app.Work.View.ViewMargin / 2.0, 1e-9);
}

TEST_F(ViewDrawing, SplineSelectionMarksOnlyThePoint) {
    window.RepaintWindow(); // derive the points while the offsets are master
    app.Hull.AutoSpline = false;
    app.Work.SelectedChine = 2;
    app.Work.SelectedBulkhead = 7;
    RecordingCanvas& canvas = Draw(ViewKind::Plan);
    EXPECT_EQ(canvas.Count(CanvasOp::Line, 12), 0u);
    const auto greySquares = canvas.Of(CanvasOp::Box, 8);
    ASSERT_EQ(greySquares.size(), 1u);
    const auto& point = app.Hull.SplinePoints[2][7];
    EXPECT_TRUE(BoxCentredAt(greySquares[0], point[3], point[1]));
    EXPECT_EQ(canvas.Count(CanvasOp::Box, 12), 0u); // point 7 is no bulkhead index

    // A point index of 0..4 also squares the crossing of that index, whatever it means.
    app.Work.SelectedBulkhead = 4;
    Draw(ViewKind::Plan);
    const auto redSquares = canvas.Of(CanvasOp::Box, 12);
    ASSERT_EQ(redSquares.size(), 1u);
    EXPECT_TRUE(BoxCentredAt(redSquares[0], app.Hull.OffsetZ[4][2], app.Hull.OffsetX[4][2]));

    // A failed pick highlights nothing.
    app.Work.SelectedChine = -1;
    app.Work.SelectedBulkhead = -1;
    Draw(ViewKind::Plan);
    EXPECT_EQ(canvas.Count(CanvasOp::Box), 0u);
}

TEST_F(ViewDrawing, WaterlineMarkersOnlyWithAWaterline) {
    for (ViewKind kind : {ViewKind::Sections, ViewKind::Profile, ViewKind::Plan}) {
        RecordingCanvas& canvas = Draw(kind);
        EXPECT_EQ(canvas.Count(CanvasOp::Circle), 0u);
        EXPECT_EQ(canvas.Count(CanvasOp::Line, 9) + canvas.Count(CanvasOp::LineTo, 9), 0u);
        EXPECT_EQ(canvas.Count(CanvasOp::Dot, 9), 0u);
        EXPECT_EQ(window.RecordedThumbnail(2)->Count(CanvasOp::Dot, 9), 0u);
    }

    HydroState& hydro = app.Work.Hydro;
    hydro.WaterlineHeight = 10;
    hydro.CenterBuoyancyZ = 70;
    hydro.CenterBuoyancyY = 6;
    hydro.WaterlineFore = 5;
    hydro.WaterlineAft = 135;
    RecordingCanvas& profile = Draw(ViewKind::Profile);
    EXPECT_EQ(profile.Texts(), (std::vector<std::string>{"cb", "cla"}));
    const auto circles = profile.Of(CanvasOp::Circle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].X1, 70);
    EXPECT_DOUBLE_EQ(circles[0].Radius, app.Work.HullLength / 75);
    const auto wide = profile.Of(CanvasOp::Line, 9);
    ASSERT_EQ(wide.size(), 4u); // cross, waterline across the view, load waterline
    EXPECT_EQ(wide[2].X2, profile.CurrentScale().Right);
    EXPECT_EQ(wide[3].Width, 2);
    EXPECT_EQ(wide[3].X1, 5);
    EXPECT_EQ(wide[3].X2, 135);

    // The waterplane: one point per station, on the plan and on its thumbnail.
    RecordingCanvas& plan = Draw(ViewKind::Plan);
    EXPECT_EQ(plan.Count(CanvasOp::Dot, 9), 1u);
    EXPECT_EQ(plan.Count(CanvasOp::LineTo, 9), 12u);
    RecordingCanvas& thumb = *window.RecordedThumbnail(2);
    EXPECT_EQ(thumb.Count(CanvasOp::LineTo, 9), 12u);
    thumb.Forget(); // a repaint of the main view alone draws it there too
    window.RepaintMainView();
    EXPECT_EQ(thumb.Count(CanvasOp::LineTo, 9), 12u);
    // At the transom (point 13) the waterline at 10 lies between chine 2 (Y 5, X 15) and
    // chine 3 (Y 17, X 23) of the default hull.
    const auto last = plan.Of(CanvasOp::LineTo, 9).back();
    EXPECT_NEAR(last.X2, 140, 1e-9);
    EXPECT_NEAR(last.Y2, 15 + (10.0 - 5) / 12 * 8, 1e-9);
}

TEST_F(ViewDrawing, TwoChinesDrawSingleBulkheadSegmentsAndNoTransom) {
    app.Hull.ChineCount = 2;
    EXPECT_EQ(Draw(ViewKind::Profile).Count(CanvasOp::Line, 1), 5u);
    RecordingCanvas& perspective = Draw(ViewKind::Perspective);
    EXPECT_EQ(perspective.Count(CanvasOp::Line, 7), 5u); // sheer joins at the bulkheads only
    app.Hull.ChineCount = 4;
    EXPECT_EQ(Draw(ViewKind::Perspective).Count(CanvasOp::Line, 7), 5u + 2u);
}

TEST_F(ViewDrawing, SectionsLabelEachBulkheadAtItsSheer) {
    RecordingCanvas& canvas = Draw(ViewKind::Sections);
    const auto texts = canvas.Of(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[3].Text, " 3");
    EXPECT_EQ(texts[3].X1, app.Hull.OffsetX[3][4]);
    EXPECT_EQ(texts[3].Y1, app.Hull.OffsetY[3][4]);
}

TEST_F(ViewDrawing, RigIsDrawnInProfileWhateverTheMenu) {
    app.Work.View.Rig = true;
    app.Hull.MastStepZ = 40;
    app.Hull.MastLength = 180;
    app.Hull.BoomHeight = 20;
    app.Hull.LuffLength = 100;
    app.Hull.FootLength = 90;
    RecordingCanvas& canvas = Draw(ViewKind::Sections);
    const auto rig = canvas.Of(CanvasOp::Line, 13);
    ASSERT_EQ(rig.size(), 4u);
    EXPECT_EQ(rig[0].X1, 40);
    EXPECT_DOUBLE_EQ(rig[0].Y2 - rig[0].Y1, 180);
    // The profile extent was raised to the mast top, the measured height was not.
    EXPECT_GE(canvas.CurrentScale().Top, rig[0].Y2);
    double measured = 0;
    for (int b = 0; b < 5; ++b) {
        for (int c = 1; c <= app.Hull.ChineCount; ++c) {
            measured = std::max(measured, app.Hull.OffsetY[b][c]);
        }
    }
    EXPECT_EQ(app.Work.HullHeight, measured);
    EXPECT_EQ(canvas.Count(CanvasOp::Text), 0u); // no section labels: this is the profile
}

TEST_F(ViewDrawing, FigureFollowsItsOutline) {
    ViewState& view = app.Work.View;
    view.FigureIndex = 0;
    view.FigurePointCount = 3;
    view.FigureOutlineZ[1] = 0;
    view.FigureOutlineZ[2] = 1;
    view.FigureOutlineZ[3] = 2;
    view.FigureY = 100;
    view.FigureZ = 50;
    app.Work.SelectedChine = -1; // no light red selection lines
    const auto lines = Draw(ViewKind::Profile).Of(CanvasOp::Line, 12);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].X1, 51);
    EXPECT_EQ(lines[1].X2, 52);
    EXPECT_EQ(lines[1].Y2, 100);
}

TEST_F(ViewDrawing, StatusShowsTheMaximumBeam) {
    for (int b = 0; b < 5; ++b) {
        app.Hull.OffsetX[b][3] = 40; // a chine of constant half-breadth: the spline stays at 40
    }
    window.RepaintWindow();
    EXPECT_EQ(window.Status().Panel(2), "MBm:80.00");
    app.Hull.AutoSpline = false;
    window.RepaintWindow();
    EXPECT_EQ(window.Status().Panel(2), "MBm:0.00");
}

TEST_F(ViewDrawing, ThumbnailsIgnoreZoomAndTrueView) {
    Draw(ViewKind::Plan);
    const CanvasScale before = window.RecordedThumbnail(1)->CurrentScale();
    app.Work.View.ZoomX1 = 10;
    app.Work.View.ZoomY1 = 10;
    app.Work.View.ZoomX2 = 20;
    app.Work.View.ZoomY2 = 20;
    app.Work.View.TrueView = false;
    RecordingCanvas& main = Draw(ViewKind::Plan);
    EXPECT_EQ(main.CurrentScale().Left, 10);
    const CanvasScale after = window.RecordedThumbnail(1)->CurrentScale();
    EXPECT_EQ(after.Right, before.Right);
    EXPECT_EQ(after.Top, before.Top);
    // The profile thumbnail fits the length by its own proportions.
    const double m = app.Work.View.ViewMargin;
    EXPECT_DOUBLE_EQ(after.Right, 140 + m);
    EXPECT_DOUBLE_EQ(after.Top, (140 + m) * (ThumbHeight / WideThumbWidth));
}

TEST_F(ViewDrawing, AnExtentThatCannotBeFormedKeepsTheLastOne) {
    RecordingCanvas& canvas = Draw(ViewKind::Profile);
    const CanvasScale fitted = canvas.CurrentScale();
    canvas.Scale(0, 1, 1, 0); // other drawing scaled the picture since
    canvas.SetSize(0, 1000);  // no aspect ratio: no extent
    PaintMainView(app, canvas);
    EXPECT_EQ(canvas.CurrentScale().Left, fitted.Left);
    EXPECT_EQ(canvas.CurrentScale().Bottom, fitted.Bottom);
}

// Every recorded coordinate is a finite number.
bool AllFinite(const RecordingCanvas& canvas) {
    for (const CanvasCall& call : canvas.Calls()) {
        if (call.Op == CanvasOp::Scale && !call.Accepted) {
            continue;
        }
        if (!std::isfinite(call.X1) || !std::isfinite(call.Y1) || !std::isfinite(call.X2) ||
            !std::isfinite(call.Y2) || !std::isfinite(call.Radius)) {
            return false;
        }
    }
    return true;
}

TEST_F(ViewDrawing, BadHullsDrawWithoutFailing) {
    auto everyView = [&](const char* what) {
        for (ViewKind kind :
             {ViewKind::Perspective, ViewKind::Sections, ViewKind::Profile, ViewKind::Plan}) {
            EXPECT_TRUE(AllFinite(Draw(kind))) << what;
            for (int i = 0; i < 3; ++i) {
                EXPECT_TRUE(AllFinite(*window.RecordedThumbnail(i))) << what;
            }
        }
    };
    app.Work.Hydro.WaterlineHeight = 5;
    ChineCountChanged(app, "30", window);
    everyView("30 chines");

    for (int b = 0; b < 5; ++b) {
        for (int c = 1; c <= 30; ++c) {
            app.Hull.OffsetX[b][c] = 7;
            app.Hull.OffsetY[b][c] = 7;
            app.Hull.OffsetZ[b][c] = 7;
        }
    }
    everyView("all points equal");
    app.Hull.AutoSpline = false;
    everyView("all points equal, spline points master");
    app.Hull.AutoSpline = true;

    for (int b = 0; b < 5; ++b) {
        for (int c = 1; c <= 30; ++c) {
            app.Hull.OffsetX[b][c] = 1e300 * (b + 1);
            app.Hull.OffsetY[b][c] = 1e300;
            app.Hull.OffsetZ[b][c] = 1e300 * c;
        }
    }
    everyView("offsets of 1e300");

    app.Hull.ChineCount = 99;
    everyView("count above the arrays");
    app.Hull.ChineCount = -3;
    everyView("negative count");
}

} // namespace
} // namespace merrowin
