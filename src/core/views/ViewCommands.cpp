// The main window's view commands: view menu, thumbnails, logo, spin, arrow keys, station boxes
// and the chine-count box.
#include "views/ViewCommands.h"

#include <cmath>

#include "app/History.h"
#include "model/ChineCount.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr int KeyEnter = 13;
constexpr int KeyLeft = 37;
constexpr int KeyUp = 38;
constexpr int KeyRight = 39;
constexpr int KeyDown = 40;

void ClearZoom(ViewState& view) {
    view.ZoomX1 = 0;
    view.ZoomY1 = 0;
    view.ZoomX2 = 0;
    view.ZoomY2 = 0;
}

} // namespace

// A zoom rectangle holds coordinates of the view it was drawn in; in another view it would show
// some unrelated corner, so choosing another view shows that view whole.
void ChooseView(AppState& app, ViewKind kind, RepaintHub& hub) {
    if (kind != EditedView(app.Work.View)) {
        ClearZoom(app.Work.View);
    }
    CheckView(app.Work.View, kind);
    hub.RepaintMainView();
}

void ToggleTrueView(AppState& app, StatusBar& status, RepaintHub& hub) {
    ViewState& view = app.Work.View;
    view.TrueView = !view.TrueView;
    status.SetPanel(1, view.TrueView ? "true view" : "false view");
    hub.RepaintMainView();
}

void ClickLogo(AppState& app, RepaintHub& hub) {
    ClearZoom(app.Work.View);
    CheckView(app.Work.View, ViewKind::Perspective);
    hub.RepaintWindow();
}

void ClickThumbnail(AppState& app, int index, RepaintHub& hub) {
    static constexpr ViewKind Views[3] = {ViewKind::Sections, ViewKind::Profile, ViewKind::Plan};
    if (index < 0 || index > 2) {
        return;
    }
    hub.RepaintWindow();
    ClearZoom(app.Work.View);
    CheckView(app.Work.View, Views[index]);
    hub.RepaintMainView();
}

void Spin(AppState& app, SpinAxis axis, RepaintHub& hub) {
    ViewState& view = app.Work.View;
    CheckView(view, ViewKind::Perspective);
    // The plane of the two coordinates that change.
    int first = AxisX;
    int second = AxisY;
    switch (axis) {
    case SpinAxis::X:
        break;
    case SpinAxis::Y:
        second = AxisZ;
        break;
    case SpinAxis::Z:
        first = AxisY;
        second = AxisZ;
        break;
    }
    RotateViewArrays(view, app.Hull.ChineCount, first, second, view.SpinStep);
    hub.RepaintMainView();
}

bool ArrowKey(AppState& app, int keyCode, RepaintHub& hub) {
    double& step = app.Work.View.SpinStep;
    switch (keyCode) {
    case KeyLeft:
        step = std::abs(step);
        Spin(app, SpinAxis::Y, hub);
        return true;
    case KeyRight:
        step = -std::abs(step);
        Spin(app, SpinAxis::Y, hub);
        return true;
    case KeyUp:
        step = -std::abs(step);
        Spin(app, SpinAxis::Z, hub);
        return true;
    case KeyDown:
        step = std::abs(step);
        Spin(app, SpinAxis::Z, hub);
        return true;
    default:
        return false;
    }
}

void StationBoxKey(AppState& app, int bulkhead, const std::string& text, int keyCode,
                   RepaintHub& hub) {
    // The keys typed into one box up to Enter are one step of the undo history.
    app.History.BeginRun({RunKind::StationBox, bulkhead}, app);
    // Typing in a station box makes the bulkhead offsets the master again.
    app.Hull.AutoSpline = true;
    if (keyCode != KeyEnter || bulkhead < 0 || bulkhead >= BulkheadCount) {
        return;
    }
    app.Work.StationText[bulkhead] = text;
    const double station = Val(text);
    const int chines = ChinesInUse(app.Hull);
    for (int c = 1; c <= chines; ++c) {
        app.Hull.OffsetZ[bulkhead][c] = station;
    }
    hub.RepaintWindow();
    app.History.EndRun(app);
}

std::string ChineCountChanged(AppState& app, const std::string& text, RepaintHub& hub) {
    const StepScope step(app);
    std::string shown = ApplyChineCountText(app.Hull, app.Work, text);
    app.Work.ChineCountText = shown;
    hub.RepaintWindow();
    return shown;
}

} // namespace merrowin
