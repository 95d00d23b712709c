// The paint routine of the main view: the hull in the chosen view, the selection, the
// hydrostatic markers and waterline, the figure and the rig.
#include <algorithm>
#include <cmath>

#include "model/Constants.h"
#include "text/NumberText.h"
#include "views/Repaint.h"
#include "views/ScaleBar.h"
#include "views/ViewGeometry.h"
#include "views/ViewPen.h"

namespace merrowin {

namespace {

using namespace Colour;

struct Uv {
    double U = 0, V = 0;
};

// What every flat view draws from.
struct FlatView {
    const AppState& App;
    ViewKind Kind;
    int Chines;
    double MarkerSize; // half-size of the marker squares, ViewMargin / 4

    Uv Point(int c, int p) const {
        const auto& point = App.Hull.SplinePoints[c][p];
        Uv uv;
        ProjectFlat(Kind, point[AxisX], point[AxisY], point[AxisZ], uv.U, uv.V);
        return uv;
    }
    Uv Crossing(int b, int c) const {
        const HullDocument& hull = App.Hull;
        Uv uv;
        ProjectFlat(Kind, hull.OffsetX[b][c], hull.OffsetY[b][c], hull.OffsetZ[b][c], uv.U, uv.V);
        return uv;
    }
};

void DrawChines(ViewPen& pen, const FlatView& view) {
    for (int c = 1; c <= view.Chines; ++c) {
        for (int p = 1; p < PointsPerChine; ++p) {
            const Uv a = view.Point(c, p);
            const Uv b = view.Point(c, p + 1);
            pen.Line(a.U, a.V, b.U, b.V, LightGrey);
            pen.Dot(a.U, a.V, LightRed);
        }
    }
}

void DrawBulkheads(ViewPen& pen, const FlatView& view) {
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c < view.Chines; ++c) {
            const Uv lower = view.Crossing(b, c);
            const Uv upper = view.Crossing(b, c + 1);
            pen.Line(lower.U, lower.V, upper.U, upper.V, Blue);
        }
        if (view.Kind == ViewKind::Sections && view.Chines >= 1) {
            // Each section ends with its bulkhead number at the sheer (" 0" .. " 4").
            const Uv sheer = view.Crossing(b, view.Chines);
            pen.Dot(sheer.U, sheer.V, LightRed);
            pen.Text(StrNumber(b));
        }
    }
}

// The selected bulkhead in light red with dark grey squares on its crossings (Auto-Spline), or a
// dark grey square on the selected spline point; then a light red square on the selected
// crossing when the selection indexes a bulkhead.
void DrawSelection(ViewPen& pen, const FlatView& view) {
    const int sc = view.App.Work.SelectedChine;
    const int sb = view.App.Work.SelectedBulkhead;
    const double s = view.MarkerSize;
    const bool chineSelected = sc >= 1 && sc <= view.Chines;
    const bool bulkheadIndex = sb >= 0 && sb < BulkheadCount;
    // A selection outside the chines in use (a failed pick, or a count lowered below the
    // picked chine) highlights nothing.
    if (!chineSelected) {
        return;
    }
    if (view.App.Hull.AutoSpline) {
        if (bulkheadIndex) {
            for (int c = 1; c < view.Chines; ++c) {
                const Uv lower = view.Crossing(sb, c);
                const Uv upper = view.Crossing(sb, c + 1);
                pen.Line(lower.U, lower.V, upper.U, upper.V, LightRed);
                pen.Marker(lower.U, lower.V, s, DarkGrey);
            }
            const Uv sheer = view.Crossing(sb, view.Chines);
            pen.Marker(sheer.U, sheer.V, s, DarkGrey);
        }
    } else if (sb >= 1 && sb <= PointsPerChine) {
        const Uv point = view.Point(sc, sb);
        pen.Marker(point.U, point.V, s, DarkGrey);
    }
    if (bulkheadIndex) {
        const Uv crossing = view.Crossing(sb, sc);
        pen.Marker(crossing.U, crossing.V, s, LightRed);
    }
}

void DrawProfileWaterline(ViewPen& pen, const AppState& app, const ViewExtent& visible) {
    const HydroState& hydro = app.Work.Hydro;
    const double w = hydro.WaterlineHeight;
    const double r = app.Work.HullLength / 75;
    pen.LabelledCentre(hydro.CenterBuoyancyZ, hydro.CenterBuoyancyY, r, LightBlue, "cb");
    pen.LabelledCentre(hydro.LateralCenterZ, hydro.LateralCenterY, r, LightMagenta, "cla");
    pen.Line(visible.Left, w, visible.Right, w, LightBlue);
    pen.PenWidth(2);
    pen.Line(hydro.WaterlineFore, w, hydro.WaterlineAft, w, LightBlue);
    pen.PenWidth(1);
}

void DrawSectionsWaterline(ViewPen& pen, const AppState& app, const ViewExtent& visible) {
    const HydroState& hydro = app.Work.Hydro;
    const double w = hydro.WaterlineHeight;
    const double r = app.Work.HullHeight / 35;
    pen.Line(visible.Left, w, visible.Right, w, LightBlue);
    pen.LabelledCentre(0, hydro.CenterBuoyancyY, r, LightBlue, "cb");
}

// Where the waterline crosses the section at spline point p: (Xw, Zw). The scan climbs the
// chines while the next one is below the waterline and interpolates on the first chine pair that
// reaches it. `t` keeps its last value when the pair is level (no crossing to interpolate).
void WaterplanePoint(const HullDocument& hull, int chines, int p, double w, double& t, double& xw,
                     double& zw) {
    const auto& points = hull.SplinePoints;
    xw = points[1][p][AxisX];
    zw = points[1][p][AxisZ];
    // The scan stays on the chines in use. A section wholly below the waterline crosses it
    // nowhere; its outline point is then the sheer point.
    int c = 1;
    for (; c < chines; ++c) {
        if (!(points[c + 1][p][AxisY] < w)) {
            break;
        }
        xw = points[c + 1][p][AxisX];
        zw = points[c + 1][p][AxisZ];
    }
    if (c >= chines) {
        return;
    }
    const auto& lower = points[c][p];
    const auto& upper = points[c + 1][p];
    const double rise = upper[AxisY] - lower[AxisY];
    if (rise != 0 && std::isfinite((w - lower[AxisY]) / rise)) {
        t = (w - lower[AxisY]) / rise;
    }
    if (upper[AxisX] != lower[AxisX]) {
        xw = lower[AxisX] + t * (upper[AxisX] - lower[AxisX]);
        zw = lower[AxisZ] + t * (upper[AxisZ] - lower[AxisZ]);
    } else if (upper[AxisZ] != lower[AxisZ]) {
        xw = lower[AxisX];
        zw = lower[AxisZ] + t * (upper[AxisZ] - lower[AxisZ]);
    } else {
        xw = upper[AxisX];
    }
}

// The waterplane outline in plan (Z across, X up), on the main view and on the plan thumbnail.
void DrawWaterplane(ViewPen& pen, ViewPen* thumbnail, const AppState& app, int chines) {
    const double w = app.Work.Hydro.WaterlineHeight;
    double t = 0;
    for (int p = 1; p <= PointsPerChine; ++p) {
        double xw = 0, zw = 0;
        WaterplanePoint(app.Hull, chines, p, w, t, xw, zw);
        for (ViewPen* target : {&pen, thumbnail}) {
            if (target == nullptr) {
                continue;
            }
            if (p == 1) {
                target->Dot(zw, xw, LightBlue);
            } else {
                target->LineTo(zw, xw, LightBlue);
            }
        }
    }
}

void DrawFlatView(ViewPen& pen, ViewPen* planThumbnail, const AppState& app, ViewKind kind,
                  const ViewExtent& visible) {
    const FlatView view{app, kind, ChinesInUse(app.Hull), app.Work.View.ViewMargin / 4.0};
    DrawChines(pen, view);
    DrawBulkheads(pen, view);
    DrawSelection(pen, view);
    // Centre lines of fixed length: 300 inches in plan, 200 inches high in sections.
    if (kind == ViewKind::Plan) {
        pen.Line(0, 0, 300, 0, LightGrey);
    } else if (kind == ViewKind::Sections) {
        pen.Line(0, 0, 0, 200, LightGrey);
    }
    const HydroState& hydro = app.Work.Hydro;
    if (hydro.WaterlineHeight == 0) {
        return;
    }
    switch (kind) {
    case ViewKind::Profile:
        DrawProfileWaterline(pen, app, visible);
        break;
    case ViewKind::Plan:
        pen.Centre(hydro.CenterBuoyancyZ, 0, app.Work.HullLength / 75, LightBlue);
        DrawWaterplane(pen, planThumbnail, app, view.Chines);
        break;
    case ViewKind::Sections:
        DrawSectionsWaterline(pen, app, visible);
        break;
    case ViewKind::Perspective:
        break;
    }
}

// Both sides of the hull as polylines: chines, then sections at every point with the keel and
// (at the bulkheads) the sheer joined across, then the transom.
void DrawPerspective(ViewPen& pen, const AppState& app) {
    const ViewState& view = app.Work.View;
    const int chines = ChinesInUse(app.Hull);
    const PerspectiveOrigin origin = FindPerspectiveOrigin(app.Hull, view);
    const SplineTable* sides[2] = {&view.ViewPoints, &view.MirrorViewPoints};
    auto project = [&](const SplineTable& table, int c, int p, Uv& uv) {
        return ProjectPerspective(table[c][p], origin, uv.U, uv.V);
    };
    auto join = [&](int c, int p, int colour) {
        Uv a, m;
        if (project(view.ViewPoints, c, p, a) && project(view.MirrorViewPoints, c, p, m)) {
            pen.Line(a.U, a.V, m.U, m.V, colour);
        }
    };
    for (int c = 1; c <= chines; ++c) {
        for (const SplineTable* side : sides) {
            Uv uv;
            if (project(*side, c, 1, uv)) {
                pen.Dot(uv.U, uv.V, ForegroundColour);
            }
            for (int p = 1; p <= PointsPerChine; ++p) {
                if (project(*side, c, p, uv)) {
                    pen.LineTo(uv.U, uv.V, ForegroundColour);
                }
            }
        }
    }
    for (int p = 1; p <= PointsPerChine && chines >= 1; ++p) {
        for (const SplineTable* side : sides) {
            Uv uv;
            if (project(*side, 1, p, uv)) {
                pen.Dot(uv.U, uv.V, Blue);
            }
            for (int c = 1; c <= chines; ++c) {
                if (project(*side, c, p, uv)) {
                    pen.LineTo(uv.U, uv.V, Blue);
                }
            }
        }
        join(1, p, Blue);
        if ((p - 1) % 3 == 0) {
            join(chines, p, LightGrey);
        }
    }
    // The transom joins the inner chines across at point 13. Nothing is drawn at the bow's
    // point here: the bow is already closed by the section at point 1.
    for (int c = 2; c < chines; ++c) {
        join(c, PointsPerChine, LightGrey);
    }
}

void DrawFigure(ViewPen& pen, const ViewState& view) {
    if (view.FigureIndex < 0) {
        return;
    }
    const int count = std::min(view.FigurePointCount, 100);
    for (int i = 1; i < count; ++i) {
        pen.Line(view.FigureZ + view.FigureOutlineZ[i], view.FigureY + view.FigureOutlineY[i],
                 view.FigureZ + view.FigureOutlineZ[i + 1],
                 view.FigureY + view.FigureOutlineY[i + 1], LightRed);
    }
}

// Mast, boom, gaff head and leech in profile coordinates, from the mast step (Zs, Ys).
void DrawRig(ViewPen& pen, const HullDocument& hull, const ViewState& view) {
    const double a = hull.HeadAngle * ShortDegreesToRadians;
    const double zs = hull.MastStepZ;
    const double ys = view.MastStepY;
    const double boomY = ys + hull.BoomHeight;
    const double throatY = boomY + hull.LuffLength;
    const double peakZ = zs + hull.HeadLength * std::cos(a);
    const double peakY = throatY + hull.HeadLength * std::sin(a);
    pen.Line(zs, ys, zs, ys + hull.MastLength, LightMagenta);
    pen.Line(zs, boomY, zs + hull.FootLength, boomY, LightMagenta);
    pen.Line(zs, throatY, peakZ, peakY, LightMagenta);
    pen.Line(peakZ, peakY, zs + hull.FootLength, boomY, LightMagenta);
}

} // namespace

void PrepareMainView(AppState& app, const Canvas& picture2) {
    ViewState& view = app.Work.View;
    if (view.Rig) {
        UpdateMastStep(app.Hull, view);
    }
    ViewExtent extent;
    if (MainViewScale(app, picture2.Height() / picture2.Width(), extent)) {
        view.ScaleLeft = extent.Left;
        view.ScaleTop = extent.Top;
        view.ScaleRight = extent.Right;
        view.ScaleBottom = extent.Bottom;
        view.HasScale = true;
    }
}

bool MainViewScale(const AppState& app, double aspect, ViewExtent& extent) {
    const ViewState& view = app.Work.View;
    // The rig raises only the height the view covers: HullHeight stays the measured hull's, as
    // the rescale, the pitch and the waterline range read it.
    double coveredHeight = app.Work.HullHeight;
    if (view.Rig) {
        RaiseHeightForRig(app.Hull, view, coveredHeight);
    }
    if (MainViewExtent(app, DrawnView(view), aspect, coveredHeight, extent)) {
        return true;
    }
    // No extent can be formed: the view keeps the user coordinates of its last repaint, set
    // again because other drawing (the heeled hull) may have scaled the picture since.
    if (view.HasScale) {
        extent = {view.ScaleLeft, view.ScaleTop, view.ScaleRight, view.ScaleBottom};
        return true;
    }
    return false;
}

void PaintMainView(const AppState& app, Canvas& picture2, Canvas* planThumbnail) {
    const ViewState& view = app.Work.View;
    picture2.Clear();
    ViewExtent visible{view.ScaleLeft, view.ScaleTop, view.ScaleRight, view.ScaleBottom};
    if (MainViewScale(app, picture2.Height() / picture2.Width(), visible)) {
        picture2.Scale(visible.Left, visible.Top, visible.Right, visible.Bottom);
    }
    const ViewKind kind = DrawnView(view);
    ViewPen pen(picture2);
    if (kind == ViewKind::Perspective) {
        DrawPerspective(pen, app);
    } else if (planThumbnail != nullptr) {
        ViewPen thumbnail(*planThumbnail);
        DrawFlatView(pen, &thumbnail, app, kind, visible);
    } else {
        DrawFlatView(pen, nullptr, app, kind, visible);
    }
    DrawFigure(pen, view);
    if (view.Rig) {
        DrawRig(pen, app.Hull, view);
    }
    if (kind != ViewKind::Perspective) {
        DrawScaleBar(picture2, visible, picture2.Width(), picture2.Height());
    }
}

} // namespace merrowin
