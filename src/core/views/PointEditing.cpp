// Point editing in the main view: pick, drag, snap, zoom band, exact entry, position read-out.
#include "views/PointEditing.h"

#include <cmath>
#include <string>
#include <utility>

#include "app/History.h"
#include "model/Constants.h"
#include "text/NumberText.h"
#include "views/ViewGeometry.h"

namespace merrowin {

namespace {

constexpr int ZoomColour = Colour::Cyan; // drawn with the inverting pen

// Dragged values are kept as their two-decimal text would read back.
double Hundredths(double value) {
    return Val(FormatNumber(value, "0.00"));
}

bool FiniteMouse(double mx, double my) {
    return std::isfinite(mx) && std::isfinite(my);
}

// The picked chine, when it is one in use.
bool ChineSelected(const AppState& app) {
    const int c = app.Work.SelectedChine;
    return c >= 1 && c <= ChinesInUse(app.Hull);
}

// The selection indexes a bulkhead crossing (whatever the mode).
bool CrossingSelected(const AppState& app) {
    const int s = app.Work.SelectedBulkhead;
    return ChineSelected(app) && s >= 0 && s < BulkheadCount;
}

// The selection indexes a spline point.
bool SplinePointSelected(const AppState& app) {
    const int s = app.Work.SelectedBulkhead;
    return ChineSelected(app) && s >= 1 && s <= PointsPerChine;
}

// The selection is a point of the current mode.
bool PointSelected(const AppState& app) {
    return app.Hull.AutoSpline ? CrossingSelected(app) : SplinePointSelected(app);
}

// The picked point's (u, v) in a flat view: the crossing (b, c) with Auto-Spline on, otherwise
// spline point p = b of chine c.
void PickCoordinates(const AppState& app, ViewKind kind, int c, int index, double& u, double& v) {
    const HullDocument& hull = app.Hull;
    if (hull.AutoSpline) {
        ProjectFlat(kind, hull.OffsetX[index][c], hull.OffsetY[index][c], hull.OffsetZ[index][c], u,
                    v);
    } else {
        const auto& point = hull.SplinePoints[c][index];
        ProjectFlat(kind, point[AxisX], point[AxisY], point[AxisZ], u, v);
    }
}

void Pick(AppState& app, ViewKind kind, double mx, double my) {
    WorkingValues& work = app.Work;
    work.SelectedChine = -1;
    work.SelectedBulkhead = -1;
    double best = MaxPickDistance;
    const int chines = ChinesInUse(app.Hull);
    const int first = app.Hull.AutoSpline ? 0 : 1;
    const int last = app.Hull.AutoSpline ? BulkheadCount - 1 : PointsPerChine;
    for (int c = 1; c <= chines; ++c) {
        for (int index = first; index <= last; ++index) {
            double u = 0, v = 0;
            PickCoordinates(app, kind, c, index, u, v);
            const double d = std::sqrt((u - mx) * (u - mx) + (v - my) * (v - my));
            // Strictly nearer only: of equally near points the first scanned wins.
            if (d < best) {
                best = d;
                work.SelectedChine = c;
                work.SelectedBulkhead = index;
            }
        }
    }
    if (best > work.HullLength / PickRadiusDivisor) {
        work.SelectedChine = -1;
        work.SelectedBulkhead = -1;
    }
}

// Moves the selected crossing lengthwise (profile and plan, Auto-Spline on): an inner bulkhead
// moves whole, with its station box, unless the bulkheads are locked; the stem and transom
// crossings move alone, their station rounded to hundredths (the whole bulkhead takes the
// unrounded mouse station).
void DragStation(AppState& app, int s, int c, double mx) {
    HullDocument& hull = app.Hull;
    if (app.Work.LockBulkheads) {
        return;
    }
    if (s > 0 && s < BulkheadCount - 1) {
        app.Work.StationText[s] = FormatNumber(mx, "0.00");
        const int chines = ChinesInUse(hull);
        for (int other = 1; other <= chines; ++other) {
            hull.OffsetZ[s][other] = mx;
        }
        return;
    }
    hull.OffsetZ[s][c] = Hundredths(mx);
}

void MovePoint(AppState& app, ViewKind kind, double mx, double my) {
    HullDocument& hull = app.Hull;
    const int c = app.Work.SelectedChine;
    const int s = app.Work.SelectedBulkhead;
    if (hull.AutoSpline) {
        switch (kind) {
        case ViewKind::Profile:
            DragStation(app, s, c, mx);
            hull.OffsetY[s][c] = Hundredths(my);
            break;
        case ViewKind::Plan:
            DragStation(app, s, c, mx);
            hull.OffsetX[s][c] = Hundredths(my);
            break;
        case ViewKind::Sections:
            hull.OffsetX[s][c] = Hundredths(mx);
            hull.OffsetY[s][c] = Hundredths(my);
            break;
        case ViewKind::Perspective:
            break;
        }
        return;
    }
    auto& point = hull.SplinePoints[c][s];
    switch (kind) {
    case ViewKind::Profile:
        point[AxisZ] = Hundredths(mx);
        point[AxisY] = Hundredths(my);
        break;
    case ViewKind::Plan:
        point[AxisZ] = Hundredths(mx);
        point[AxisX] = Hundredths(my);
        break;
    case ViewKind::Sections:
        point[AxisX] = Hundredths(mx);
        point[AxisY] = Hundredths(my);
        break;
    case ViewKind::Perspective:
        break;
    }
}

// After a drag: the crossing at the selection's indices keeps a half-breadth of at least 0.1
// inch and no negative height or station, whatever the mode; the panels show it in hundredths,
// as the position read-out does (an unrounded station would otherwise show fifteen digits).
void SettleCrossing(AppState& app, StatusBar& status) {
    if (!CrossingSelected(app)) {
        return;
    }
    HullDocument& hull = app.Hull;
    const int c = app.Work.SelectedChine;
    const int s = app.Work.SelectedBulkhead;
    double& x = hull.OffsetX[s][c];
    double& y = hull.OffsetY[s][c];
    double& z = hull.OffsetZ[s][c];
    if (x < 0) {
        x = 0;
    }
    if (x <= 0) {
        x = 0.1;
    }
    if (y < 0) {
        y = 0;
    }
    if (z < 0) {
        z = 0;
    }
    status.SetPanel(5, FormatNumber(x, "0.00") + "x");
    status.SetPanel(4, FormatNumber(y, "0.00") + "y");
    status.SetPanel(3, FormatNumber(z, "0.00") + "z");
}

// Every move with the left button held repaints the whole window, even when nothing is picked
// and so nothing moves.
void Drag(AppState& app, UiServices& ui, double mx, double my) {
    if (PointSelected(app)) {
        MovePoint(app, EditedView(app.Work.View), mx, my);
        SettleCrossing(app, ui.Status);
    }
    ui.Hub.RepaintWindow();
}

// The rubber band keeps the proportions of Picture2 and grows to the right of the anchor.
void DragZoom(AppState& app, RepaintHub& hub, double my) {
    ViewState& view = app.Work.View;
    Canvas& picture = hub.MainPicture();
    picture.InvertingPen(true);
    picture.Box(view.ZoomX1, view.ZoomY1, view.ZoomX2, view.ZoomY2, ZoomColour);
    view.ZoomY2 = ToSingle(my);
    const double width = picture.Width();
    const double height = picture.Height();
    if (height != 0) {
        const double x2 =
            view.ZoomX1 + std::abs(static_cast<double>(view.ZoomY2) - view.ZoomY1) * width / height;
        if (std::isfinite(x2)) {
            view.ZoomX2 = ToSingle(x2);
        }
    }
    picture.Box(view.ZoomX1, view.ZoomY1, view.ZoomX2, view.ZoomY2, ZoomColour);
    picture.Dot(view.ZoomX1, view.ZoomY1, ZoomColour);
    picture.Text("Zoom");
    picture.InvertingPen(false);
}

void ShowPosition(const AppState& app, StatusBar& status, double mx, double my) {
    const std::string u = FormatNumber(mx, "0.00");
    const std::string v = FormatNumber(my, "0.00");
    switch (EditedView(app.Work.View)) {
    case ViewKind::Profile:
        status.SetPanel(5, "x");
        status.SetPanel(3, u + "z");
        status.SetPanel(4, v + "y");
        break;
    case ViewKind::Sections:
        status.SetPanel(5, u + "x");
        status.SetPanel(4, v + "y");
        status.SetPanel(3, "z");
        break;
    case ViewKind::Plan:
        status.SetPanel(4, "y");
        status.SetPanel(3, u + "z");
        status.SetPanel(5, v + "x");
        break;
    case ViewKind::Perspective:
        break;
    }
}

// Merges the selected crossing with the first crossing of each chine lying within a quarter
// inch of it (the bulkhead offsets at the selection's indices, whatever the mode).
void Snap(AppState& app) {
    if (!CrossingSelected(app)) {
        return;
    }
    HullDocument& hull = app.Hull;
    const int c = app.Work.SelectedChine;
    const int s = app.Work.SelectedBulkhead;
    const int chines = ChinesInUse(hull);
    for (int other = 1; other <= chines; ++other) {
        for (int b = 0; b < BulkheadCount; ++b) {
            if (b == s && other == c) {
                continue;
            }
            const double dx = hull.OffsetX[b][other] - hull.OffsetX[s][c];
            const double dy = hull.OffsetY[b][other] - hull.OffsetY[s][c];
            const double dz = hull.OffsetZ[b][other] - hull.OffsetZ[s][c];
            if (std::sqrt(dx * dx + dy * dy + dz * dz) < SnapRadius) {
                hull.OffsetX[s][c] = hull.OffsetX[b][other];
                hull.OffsetY[s][c] = hull.OffsetY[b][other];
                hull.OffsetZ[s][c] = hull.OffsetZ[b][other];
                break;
            }
        }
    }
}

// Any release over the main view ends the waterline mode and hides the results list; the heel's
// centre of gravity goes back to 0 and the waterline height stays.
void EndWaterlineMode(HydroState& hydro) {
    LeaveWaterlineMode(hydro);
    hydro.Combo1Visible = false;
    hydro.CenterGravityX = 0;
    hydro.CenterGravityY = 0;
    hydro.CenterGravityZ = 0;
}

struct EntryBox {
    const char* Title;
    const char* Prompt;
    int Coordinate; // AxisX, AxisY or AxisZ
};

double& EditedValue(AppState& app, int coordinate) {
    HullDocument& hull = app.Hull;
    const int c = app.Work.SelectedChine;
    const int s = app.Work.SelectedBulkhead;
    if (!hull.AutoSpline) {
        return hull.SplinePoints[c][s][coordinate];
    }
    OffsetTable& table =
        coordinate == AxisX ? hull.OffsetX : (coordinate == AxisY ? hull.OffsetY : hull.OffsetZ);
    return table[s][c];
}

} // namespace

void Picture2MouseDown(AppState& app, int button, double mx, double my) {
    if (!FiniteMouse(mx, my)) {
        return;
    }
    // Press to release is one step of the undo history, whatever the drag moves.
    app.History.BeginLong(LongStep::Drag, app);
    ViewState& view = app.Work.View;
    if (button == RightButton) {
        view.ZoomX1 = view.ZoomX2 = ToSingle(mx);
        view.ZoomY1 = view.ZoomY2 = ToSingle(my);
        return;
    }
    const ViewKind kind = EditedView(view);
    if (kind != ViewKind::Perspective) {
        Pick(app, kind, mx, my);
    }
}

void Picture2MouseMove(AppState& app, UiServices& ui, int button, double mx, double my) {
    if (!FiniteMouse(mx, my)) {
        return;
    }
    ViewState& view = app.Work.View;
    if (button != 0 && view.FigureIndex >= 0) {
        // While a figure is shown any held button moves the figure and nothing else.
        view.FigureZ = mx;
        view.FigureY = my;
        ui.Hub.RepaintMainView();
        return;
    }
    if (button == RightButton) {
        DragZoom(app, ui.Hub, my);
    } else if (button != LeftButton) {
        ShowPosition(app, ui.Status, mx, my);
    } else {
        Drag(app, ui, mx, my);
    }
}

void Picture2MouseUp(AppState& app, UiServices& ui, int button, double /*mx*/, double /*my*/) {
    ViewState& view = app.Work.View;
    if (button == RightButton) {
        if (view.ZoomY2 < view.ZoomY1) {
            std::swap(view.ZoomY1, view.ZoomY2);
        }
        if (view.ZoomX2 < view.ZoomX1) {
            std::swap(view.ZoomX1, view.ZoomX2);
        }
    } else {
        Snap(app);
    }
    EndWaterlineMode(app.Work.Hydro);
    ui.Hub.RepaintWindow();
    app.History.EndLong(LongStep::Drag, app);
}

void Picture2DblClick(AppState& app, UiServices& ui) {
    static constexpr EntryBox BulkheadBoxes[3] = {
        {"New Bulkhead Width", "Enter a new X value:", AxisX},
        {"New Bulkhead Height", "Enter a new Y value:", AxisY},
        {"New Bulkhead Length", "Enter a new Z value:", AxisZ},
    };
    static constexpr EntryBox SplineBoxes[3] = {
        {"New Spline Width", "Enter a new X value:", AxisX},
        {"New Spline Height", "Enter a new Y value:", AxisY},
        {"New Spline Length", "Enter a new Z value:", AxisZ},
    };
    if (EditedView(app.Work.View) == ViewKind::Perspective) {
        return;
    }
    const StepScope step(app); // the boxes answered are one step
    const bool autoSpline = app.Hull.AutoSpline;
    for (const EntryBox& box : autoSpline ? BulkheadBoxes : SplineBoxes) {
        // Each repaint may change the model; the selection must still name a point of the
        // mode the sequence started in.
        if (app.Hull.AutoSpline != autoSpline || !PointSelected(app)) {
            return;
        }
        const std::string answer = ui.Boxes.Input(
            box.Title, box.Prompt, FormatNumber(EditedValue(app, box.Coordinate), "0.00"));
        if (answer.empty()) {
            return;
        }
        EditedValue(app, box.Coordinate) = Val(answer);
        ui.Hub.RepaintWindow();
    }
}

} // namespace merrowin
