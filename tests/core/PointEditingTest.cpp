// Point editing in the main view: pick, drag, lock, clamps, snap, zoom band, read-out, entry.
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "text/NumberText.h"
#include "views/HeadlessWindow.h"
#include "views/PointEditing.h"
#include "views/ViewGeometry.h"

namespace merrowin {
namespace {

class PointEditing : public ::testing::Test {
protected:
    PointEditing() {
        ResetToStartup(app);
        window.RepaintWindow();
    }
    void Use(ViewKind kind) { CheckView(app.Work.View, kind); }
    // A press at one point and a move to another, in a view.
    void Drag(ViewKind kind, double fromU, double fromV, double toU, double toV) {
        Use(kind);
        Picture2MouseDown(app, LeftButton, fromU, fromV);
        Picture2MouseMove(app, ui, LeftButton, toU, toV);
    }
    void Select(int c, int b) {
        app.Work.SelectedChine = c;
        app.Work.SelectedBulkhead = b;
    }
    std::string Panel(int panel) { return window.Status().Panel(panel); }

    AppState app;
    HeadlessWindow window{app, HeadlessWindow::Drawing::Record, 300, 200};
    UiServices ui = window.Services();
    HullDocument& hull = app.Hull;
};

TEST_F(PointEditing, PickTakesTheFirstOfEquallyNearPointsAndFailsWhenFar) {
    Use(ViewKind::Profile);
    // Crossings (b 1, chine 1) at (28, 0) and (b 1, chine 2) at (28, 2): a tie at (28, 1).
    hull.OffsetY[1][2] = 2;
    Picture2MouseDown(app, LeftButton, 28, 1);
    EXPECT_TRUE(app.Work.SelectedChine == 1 && app.Work.SelectedBulkhead == 1);

    // Farther than HullLength / 50 = 2.8 inches from every crossing: nothing is picked, and
    // neither a drag nor a double click changes anything.
    Picture2MouseDown(app, LeftButton, 80, 60);
    EXPECT_EQ(app.Work.SelectedChine, -1);
    const HullDocument before = hull;
    const int repaints = window.WindowRepaints();
    Picture2MouseMove(app, ui, LeftButton, 28, 1);
    EXPECT_EQ(window.WindowRepaints(), repaints + 1); // nothing moves, the window repaints
    Picture2MouseUp(app, ui, LeftButton, 28, 1);
    EXPECT_EQ(hull.OffsetY, before.OffsetY);
    app.Work.Hydro.EnterWaterlineChecked = false;
    Picture2DblClick(app, ui);
    EXPECT_TRUE(window.Boxes().Asked.empty());

    // The perspective view picks nothing and keeps the selection.
    Select(2, 3);
    Use(ViewKind::Perspective);
    Picture2MouseDown(app, LeftButton, 58, 4.5);
    EXPECT_EQ(app.Work.SelectedChine, 2);

    // With the spline points master the thirteen points of each chine are picked.
    hull.AutoSpline = false;
    Use(ViewKind::Profile);
    Picture2MouseDown(app, LeftButton, hull.SplinePoints[3][5][3], hull.SplinePoints[3][5][2]);
    EXPECT_TRUE(app.Work.SelectedChine == 3 && app.Work.SelectedBulkhead == 5);
}

TEST_F(PointEditing, DraggingAnInnerBulkheadInProfileMovesItWhole) {
    Drag(ViewKind::Profile, 58, 14.5, 61.234, 15.678); // bulkhead 2, chine 3
    EXPECT_EQ(app.Work.StationText[2], "61.23");
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(hull.OffsetZ[2][c], 61.234); // the whole bulkhead takes the mouse station
    }
    EXPECT_EQ(hull.OffsetY[2][3], 15.68); // the height as its two-decimal text
    EXPECT_EQ(Panel(3), "61.23z");        // hundredths, never the unrounded station

    // The transom crossing moves alone; the read-out shows every coordinate in hundredths.
    Drag(ViewKind::Profile, 140, 17, 138.006, 17); // bulkhead 4, chine 3
    EXPECT_TRUE(hull.OffsetZ[4][3] == 138.01 && hull.OffsetZ[4][2] == 140);
    EXPECT_EQ(Panel(3), "138.01z");
    EXPECT_EQ(Panel(5), FormatNumber(hull.OffsetX[4][3], "0.00") + "x");
}

TEST_F(PointEditing, LockKeepsTheStationsInProfileAndPlan) {
    app.Work.LockBulkheads = true;
    Drag(ViewKind::Profile, 58, 14.5, 62, 16);
    EXPECT_TRUE(hull.OffsetZ[2][3] == 58 && hull.OffsetY[2][3] == 16);
    Drag(ViewKind::Plan, 0, 2, 3, 2.5); // the stem crossing of chine 4
    EXPECT_TRUE(hull.OffsetZ[0][4] == 0 && hull.OffsetX[0][4] == 2.5);
}

TEST_F(PointEditing, DraggedCrossingsStayOnTheStarboardSideAndPointsTakeTwoDecimals) {
    Use(ViewKind::Sections);
    Select(3, 2);
    Picture2MouseMove(app, ui, LeftButton, -3, -2);
    EXPECT_TRUE(hull.OffsetX[2][3] == 0.1 && hull.OffsetY[2][3] == 0);
    EXPECT_EQ(Panel(4), "0.00y"); // clamped

    hull.AutoSpline = false;
    Select(3, 8);
    Picture2MouseMove(app, ui, LeftButton, 12.3456, 7.891);
    EXPECT_TRUE(hull.SplinePoints[3][8][1] == 12.35 && hull.SplinePoints[3][8][2] == 7.89);
}

TEST_F(PointEditing, ReleaseSnapsOntoACrossingWithinAQuarterInch) {
    Use(ViewKind::Sections);
    // Crossing (1, 3) dropped beside crossing (2, 2): 0.2 inch away it takes that place.
    for (const double dx : {0.3, 0.2}) {
        hull.OffsetX[1][3] = hull.OffsetX[2][2] + dx;
        hull.OffsetY[1][3] = hull.OffsetY[2][2];
        hull.OffsetZ[1][3] = hull.OffsetZ[2][2];
        Select(3, 1);
        Picture2MouseUp(app, ui, LeftButton, 0, 0);
        EXPECT_EQ(hull.OffsetX[1][3], hull.OffsetX[2][2] + (dx < 0.25 ? 0 : dx)) << dx;
    }
}

TEST_F(PointEditing, RightDragZoomsWithTheBoxProportions) {
    Use(ViewKind::Profile);
    RecordingCanvas& canvas = *window.RecordedMain();
    canvas.Forget();
    Picture2MouseDown(app, RightButton, 10, 50);
    Picture2MouseMove(app, ui, RightButton, 3, 30); // upwards and to the left
    Picture2MouseMove(app, ui, RightButton, 3, 70);
    EXPECT_EQ(app.Work.View.ZoomX2, 40); // 10 + |70 - 50| x 300 / 200
    // Each move erases the last band and draws the new one with the inverting pen.
    const auto boxes = canvas.Of(CanvasOp::Box, 3);
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_TRUE(boxes[3].Inverting);
    EXPECT_EQ(boxes[2].Y2, boxes[1].Y2);

    app.Work.Hydro.HScroll1Visible = true;
    Picture2MouseUp(app, ui, RightButton, 3, 70);
    EXPECT_TRUE(app.Work.View.ZoomY1 == 50 && app.Work.View.ZoomY2 == 70);
    EXPECT_FALSE(app.Work.Hydro.HScroll1Visible);
    EXPECT_EQ(canvas.CurrentScale().Right, 40);
    // Dragged downwards, the rectangle is put in order on release.
    Picture2MouseDown(app, RightButton, 10, 50);
    Picture2MouseMove(app, ui, RightButton, 10, 30);
    Picture2MouseUp(app, ui, RightButton, 10, 30);
    EXPECT_TRUE(app.Work.View.ZoomY1 == 30 && app.Work.View.ZoomY2 == 50);
}

TEST_F(PointEditing, ReleaseLeavesTheWaterlineModeAndKeepsTheWaterline) {
    HydroState& hydro = app.Work.Hydro;
    hydro.WaterlineHeight = 9;
    hydro.EnterWaterlineChecked = hydro.EnterHeelEnabled = true;
    hydro.HScroll1Visible = hydro.Combo1Visible = true;
    hydro.CenterGravityX = hydro.CenterGravityY = hydro.CenterGravityZ = 4;
    Select(-1, -1);
    Picture2MouseUp(app, ui, LeftButton, 0, 0);
    EXPECT_FALSE(hydro.EnterWaterlineChecked || hydro.EnterHeelEnabled || hydro.HScroll1Visible ||
                 hydro.Combo1Visible);
    EXPECT_EQ(hydro.CenterGravityX + hydro.CenterGravityY + hydro.CenterGravityZ, 0);
    EXPECT_EQ(hydro.WaterlineHeight, 9);
    EXPECT_EQ(window.WindowRepaints(), 2);
}

TEST_F(PointEditing, PositionReadOutNamesTheViewAxes) {
    Use(ViewKind::Plan);
    Picture2MouseMove(app, ui, 0, 12.5, 3);
    EXPECT_TRUE(Panel(3) == "12.50z" && Panel(4) == "y" && Panel(5) == "3.00x");
    Use(ViewKind::Sections);
    Picture2MouseMove(app, ui, 0, 1, 2);
    EXPECT_TRUE(Panel(5) == "1.00x" && Panel(4) == "2.00y");
    Use(ViewKind::Perspective); // no read-out
    Picture2MouseMove(app, ui, 0, 7, 7);
    EXPECT_EQ(Panel(5), "1.00x");
}

TEST_F(PointEditing, FigureTakesEveryHeldButton) {
    app.Work.View.FigureIndex = 2;
    Use(ViewKind::Profile);
    Select(3, 2);
    Picture2MouseMove(app, ui, LeftButton, 30, 40);
    EXPECT_TRUE(app.Work.View.FigureY == 40 && hull.OffsetZ[2][3] == 58);
    EXPECT_EQ(window.MainViewRepaints(), 1);
}

TEST_F(PointEditing, ExactEntryAsksThreeBoxesUntilCancelled) {
    Use(ViewKind::Profile);
    Select(3, 2);
    ScriptedDialogs& boxes = window.Boxes();
    boxes.InputAnswers = {"31.5", "abc"};
    Picture2DblClick(app, ui);
    EXPECT_EQ(boxes.Asked, (std::vector<std::string>{"New Bulkhead Width", "New Bulkhead Height",
                                                     "New Bulkhead Length"}));
    EXPECT_EQ(hull.OffsetX[2][3], 31.5);
    EXPECT_EQ(hull.OffsetY[2][3], 0); // no leading number reads 0
    EXPECT_EQ(hull.OffsetZ[2][3], 58);

    hull.AutoSpline = false;
    Select(1, 6);
    boxes.Asked.clear();
    boxes.InputAnswers = {"", "9"};
    Picture2DblClick(app, ui);
    EXPECT_EQ(boxes.Asked, (std::vector<std::string>{"New Spline Width"}));
}

} // namespace
} // namespace merrowin
