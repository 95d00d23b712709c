// View geometry: the view choice, the main view's extents and the perspective orientation.
#include <cmath>
#include <tuple>

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "views/HeadlessWindow.h"
#include "views/Repaint.h"
#include "views/ViewGeometry.h"

namespace merrowin {
namespace {

AppState StartedApp() {
    AppState app;
    ResetToStartup(app);
    HeadlessWindow window(app, HeadlessWindow::Drawing::Discard);
    window.RepaintWindow();
    return app;
}

TEST(ViewGeometry, RigForcesTheProfileDrawingButNotTheEditedView) {
    ViewState view;
    EXPECT_EQ(DrawnView(view), ViewKind::Perspective);
    view.Sections = view.Rig = true;
    EXPECT_TRUE(DrawnView(view) == ViewKind::Profile && EditedView(view) == ViewKind::Sections);
    view.Profile = true; // profile outranks the others
    EXPECT_EQ(EditedView(view), ViewKind::Profile);
}

TEST(ViewGeometry, FittedExtentsOfTheDefaultHull) {
    AppState app = StartedApp();
    const double m = app.Work.View.ViewMargin;
    ASSERT_NEAR(m, app.Work.HullBeam / 25, 1e-6);
    const double L = app.Work.HullLength, B = app.Work.HullBeam;
    ASSERT_EQ(L, 140);
    // A box twice as wide as high: in true view a hull of 46 / 140, not above 0.5, fits its
    // length, one of 100 / 140 its height.
    const std::tuple<bool, ViewKind, double, double, double> cases[] = {
        {false, ViewKind::Profile, 46, 46 + m, L + m},
        {true, ViewKind::Profile, 46, (L + m) * 0.5, L + m},
        {true, ViewKind::Profile, 100, 100 + m, 100 / 0.5 + m},
        {true, ViewKind::Sections, 100, 100 + m, (100 + m) / 0.5},
        {false, ViewKind::Sections, 100, 100 + m, B + m},
        {false, ViewKind::Plan, 46, B + m, L + m},
        {true, ViewKind::Plan, 46, (L + m) * 0.5, L + m}};
    for (const auto& [trueView, kind, height, top, right] : cases) {
        app.Work.View.TrueView = trueView;
        app.Work.HullHeight = height;
        ViewExtent e;
        ASSERT_TRUE(MainViewExtent(app, kind, 0.5, e));
        EXPECT_TRUE(e.Left == -m && e.Bottom == -m);
        EXPECT_DOUBLE_EQ(e.Top, top) << static_cast<int>(kind) << " " << trueView;
        EXPECT_DOUBLE_EQ(e.Right, right) << static_cast<int>(kind) << " " << trueView;
    }
}

// The perspective stands in the middle of the view, whole, in equal units, however it is spun.
TEST(ViewGeometry, PerspectiveIsCentredAndWholeAfterSpinning) {
    AppState app = StartedApp();
    const double m = app.Work.View.ViewMargin;
    for (int spin = 0; spin < 40; ++spin) {
        const PerspectiveOrigin drawn = FindPerspectiveOrigin(app.Hull, app.Work.View);
        ASSERT_TRUE(drawn.Drawn);
        ViewExtent e;
        ASSERT_TRUE(MainViewExtent(app, ViewKind::Perspective, 0.5, e));
        EXPECT_NEAR(e.Left + e.Right, drawn.Left + drawn.Right, 1e-9);
        EXPECT_NEAR(e.Top + e.Bottom, drawn.Top + drawn.Bottom, 1e-9);
        EXPECT_TRUE(e.Left <= drawn.Left - m + 1e-9 && e.Right >= drawn.Right + m - 1e-9);
        EXPECT_TRUE(e.Bottom <= drawn.Bottom - m + 1e-9 && e.Top >= drawn.Top + m - 1e-9);
        EXPECT_NEAR((e.Top - e.Bottom) / (e.Right - e.Left), 0.5, 1e-12);
        EXPECT_GE(e.Right - e.Left, app.Work.HullLength + 2 * m - 1e-9);
        // Turned about the upright axis, then tipped, a little more each time.
        RotateViewArrays(app.Work.View, app.Hull.ChineCount, spin % 2 ? AxisX : AxisY, AxisZ, 0.2);
    }
}

TEST(ViewGeometry, ZoomReplacesTheExtentUnlessItHasNoSize) {
    AppState app = StartedApp();
    ViewState& view = app.Work.View;
    view.ZoomX1 = 40; // dragged leftwards: still in order
    view.ZoomY1 = 50;
    view.ZoomX2 = 10;
    view.ZoomY2 = 70;
    ViewExtent e;
    ASSERT_TRUE(MainViewExtent(app, ViewKind::Sections, 0.5, e));
    EXPECT_TRUE(e.Left == 10 && e.Top == 70);
    // A right click without a drag leaves a rectangle without height: the fitted extent stays.
    view.ZoomY2 = 50;
    ASSERT_TRUE(MainViewExtent(app, ViewKind::Sections, 0.5, e));
    EXPECT_DOUBLE_EQ(e.Left, -view.ViewMargin);
}

TEST(ViewGeometry, ExtentsThatCannotBeFormedAreRefused) {
    AppState app = StartedApp();
    ViewExtent e{1, 2, 3, 4};
    app.Work.View.ViewMargin = 0;
    app.Work.HullLength = app.Work.HullHeight = app.Work.HullBeam = 0;
    EXPECT_FALSE(MainViewExtent(app, ViewKind::Profile, 0.5, e));
    app.Work.HullLength = app.Work.HullHeight = 1e308;
    EXPECT_FALSE(MainViewExtent(app, ViewKind::Profile, 0.0001, e)); // H / A overflows
    EXPECT_FALSE(MainViewExtent(app, ViewKind::Sections, 0, e));
    EXPECT_EQ(e.Left, 1); // untouched
}

TEST(ViewGeometry, StartOrientationIsTiltThenTurn) {
    HullDocument hull;
    hull.ChineCount = 2;
    hull.SplinePoints[1][1] = {0, 10, 20, 30};
    ViewState view;
    const double pi = 3.1415927;
    PreparePerspective(hull, view, pi);
    // Tilt about X by pi/10, then turn about Y by -pi/10, each from the old coordinates; the
    // port side starts from X negated, and chines above the count are never written.
    const double s = pi / 10;
    const double y1 = 20 * std::cos(s) + 30 * std::sin(s);
    const double z1 = 30 * std::cos(s) - 20 * std::sin(s);
    const std::array<double, 4> expected = {0, 10 * std::cos(-s) + z1 * std::sin(-s), y1,
                                            z1 * std::cos(-s) - 10 * std::sin(-s)};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_NEAR(view.ViewPoints[1][1][k], expected[k], 1e-12) << k;
    }
    EXPECT_NEAR(view.MirrorViewPoints[1][1][1], -10 * std::cos(-s) + z1 * std::sin(-s), 1e-12);
    EXPECT_EQ(view.ViewPoints[3][1][2], 0);
}

TEST(ViewGeometry, PerspectiveSkipsPointsInTheEyePlaneAndOriginStartsAt500) {
    PerspectiveOrigin origin;
    double u = 7, v = 7;
    EXPECT_FALSE(ProjectPerspective({0, 1, 1, -5000}, origin, u, v));
    EXPECT_EQ(u, 7);
    ASSERT_TRUE(ProjectPerspective({0, 100, 50, 0}, origin, u, v));
    EXPECT_TRUE(u == 100 - 500 && v == 50 - 500);

    HullDocument hull;
    hull.ChineCount = 2;
    ViewState view;
    for (int p = 1; p <= 13; ++p) {
        view.ViewPoints[1][p] = view.ViewPoints[2][p] = {0, 800, 900, 0};
        view.MirrorViewPoints[1][p] = view.MirrorViewPoints[2][p] = {0, 700, 600, 0};
    }
    view.ViewPoints[2][1] = {0, 1, 1, -5000}; // skipped, not a division by zero
    view.ViewPoints[3][1] = {0, -9, -9, 0};   // chine 3 is not in use
    EXPECT_EQ(FindPerspectiveOrigin(hull, view).Umin, 500);
    view.MirrorViewPoints[2][13] = {0, -30, 20, 0};
    EXPECT_EQ(FindPerspectiveOrigin(hull, view).Vmin, 20);
}

// The height the rig raises the view to is the view drawing tests' (the mast top).
TEST(ViewGeometry, MastStepFollowsTheStepChine) {
    HullDocument hull;
    hull.ChineCount = 3;
    for (int p = 1; p <= 13; ++p) {
        hull.SplinePoints[1][p] = {0, 1, 2.0 * p, 10.0 * p}; // keel rising 0.2 per inch
        hull.SplinePoints[3][p] = {0, 20, 40, 10.0 * p};     // sheer level at 40
    }
    ViewState view;
    view.MastStepY = -1;
    hull.MastStepZ = 10; // at the first point: no segment has Z(p) < 10
    UpdateMastStep(hull, view);
    EXPECT_EQ(view.MastStepY, -1);
    hull.MastStepZ = 25;
    UpdateMastStep(hull, view);
    EXPECT_DOUBLE_EQ(view.MastStepY, 5);
    hull.DeckStep = true;
    UpdateMastStep(hull, view);
    EXPECT_DOUBLE_EQ(view.MastStepY, 40);
}

} // namespace
} // namespace merrowin
