// The main window's view commands (view menu, thumbnails, logo, spin and arrow keys, station
// boxes), the model steps of its repaint, and the windows that listen to it.
#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/AppState.h"
#include "app/Rebuild.h"
#include "views/HeadlessWindow.h"
#include "views/ViewCommands.h"

namespace merrowin {
namespace {

class ViewCommands : public test::StartedWindow {
protected:
    // The starboard keel point at the bow in the perspective array.
    std::array<double, 4> Bow() const { return app.Work.View.ViewPoints[1][1]; }
};

TEST_F(ViewCommands, MenuThumbnailAndLogoChooseTheView) {
    ChooseView(app, ViewKind::Plan, window);
    EXPECT_TRUE(app.Work.View.Plan);
    ChooseView(app, ViewKind::Sections, window);
    EXPECT_TRUE(app.Work.View.Sections && !app.Work.View.Plan);
    EXPECT_EQ(window.MainViewRepaints(), 2);

    app.Work.View.ZoomX1 = 1;
    app.Work.View.ZoomX2 = 5;
    app.Work.View.ZoomY2 = 3;
    ClickThumbnail(app, 1, window);
    EXPECT_TRUE(app.Work.View.Profile && !app.Work.View.Sections);
    EXPECT_EQ(app.Work.View.ZoomX2, 0);

    app.Work.View.ZoomX2 = 5;
    const int repaints = window.WindowRepaints();
    ClickLogo(app, window);
    EXPECT_EQ(EditedView(app.Work.View), ViewKind::Perspective);
    EXPECT_EQ(app.Work.View.ZoomX2, 0);
    EXPECT_EQ(window.WindowRepaints(), repaints + 1);

    // A zoom stays in its own view and goes when the menu shows another.
    ChooseView(app, ViewKind::Plan, window);
    app.Work.View.ZoomX2 = 5;
    ChooseView(app, ViewKind::Plan, window);
    EXPECT_EQ(app.Work.View.ZoomX2, 5);
    ChooseView(app, ViewKind::Profile, window);
    EXPECT_EQ(app.Work.View.ZoomX2, 0);
    ClickLogo(app, window);

    ClickThumbnail(app, 3, window); // no such thumbnail
    EXPECT_EQ(EditedView(app.Work.View), ViewKind::Perspective);
}

TEST_F(ViewCommands, ArrowKeysSetTheSpinSignForLaterClicks) {
    const double step = std::abs(app.Work.View.SpinStep);
    const auto start = Bow();
    // Left turns about Y by +s (X' = X cos s + Z sin s), and the Y button then turns the same way.
    EXPECT_TRUE(ArrowKey(app, 37, window));
    Spin(app, SpinAxis::Y, window);
    const double twice = 2 * step;
    EXPECT_NEAR(Bow()[AxisX], start[AxisX] * std::cos(twice) + start[AxisZ] * std::sin(twice),
                1e-9);
    // Right turns back, as far again with the button; Up turns about X by -s, Down by +s.
    EXPECT_TRUE(ArrowKey(app, 39, window));
    Spin(app, SpinAxis::Y, window);
    EXPECT_NEAR(Bow()[AxisX], start[AxisX], 1e-9);
    EXPECT_TRUE(ArrowKey(app, 38, window));
    EXPECT_NEAR(Bow()[AxisY], start[AxisY] * std::cos(step) - start[AxisZ] * std::sin(step), 1e-9);
    EXPECT_TRUE(ArrowKey(app, 40, window));
    EXPECT_EQ(app.Work.View.SpinStep, step);

    EXPECT_FALSE(ArrowKey(app, 65, window));
    EXPECT_EQ(window.WindowRepaints(), 1); // spinning repaints the main view only
}

TEST_F(ViewCommands, SpinLeavesTheFlatViewsAndTheModelStepsOfARepaintResetIt) {
    const auto start = Bow();
    app.Work.View.Plan = true;
    Spin(app, SpinAxis::X, window);
    EXPECT_EQ(EditedView(app.Work.View), ViewKind::Perspective);
    EXPECT_NE(Bow()[AxisX], start[AxisX]);
    RebuildGeometry(app);
    EXPECT_EQ(Bow(), start);
}

TEST_F(ViewCommands, StationBoxStoresOnEnterOnly) {
    app.Hull.AutoSpline = false;
    StationBoxKey(app, 2, "60", '6', window);
    EXPECT_TRUE(app.Hull.AutoSpline);
    EXPECT_EQ(app.Hull.OffsetZ[2][1], 58);
    EXPECT_EQ(window.WindowRepaints(), 1);

    StationBoxKey(app, 2, "60", 13, window);
    EXPECT_EQ(app.Hull.OffsetZ[2][4], 60);
    EXPECT_EQ(app.Work.StationText[2], "60");
    EXPECT_EQ(app.Hull.SplinePoints[1][7][3], 60); // the repaint derived the points
    EXPECT_EQ(app.Hull.OffsetZ[2][5], 58);         // hidden chines keep their data

    StationBoxKey(app, 7, "1", 13, window); // no such box
    EXPECT_EQ(window.WindowRepaints(), 2);
}

// A window that shows the model: it counts the repaints it is told of, and may act on them.
struct ShowingWindow : RepaintListener {
    int Told = 0;
    std::function<void()> WhenTold = [] {};
    void ModelRepainted() override {
        ++Told;
        WhenTold();
    }
};

TEST_F(ViewCommands, ListenersAreToldOnceAfterEachRepaintOfTheWindow) {
    ShowingWindow grid, nesting;
    window.AddListener(grid);
    window.AddListener(grid); // registered once
    window.AddListener(nesting);
    ChooseView(app, ViewKind::Plan, window); // the main view alone tells nobody
    // A repaint asked for by a listener tells nobody again; a listener removed meanwhile is not
    // told.
    grid.WhenTold = [&] {
        window.RepaintWindow();
        window.RemoveListener(nesting);
    };
    ClickLogo(app, window);
    EXPECT_EQ(grid.Told, 1);
    EXPECT_EQ(nesting.Told, 0);
}

} // namespace
} // namespace merrowin
