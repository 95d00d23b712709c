// View geometry: view choice, projections, the main view's extent and the perspective arrays.
#include "views/ViewGeometry.h"
#include "model/Constants.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "views/Repaint.h"

namespace merrowin {

namespace {

// The eye sits 5000 inches ahead of Z' = 0 on the Z' axis.
constexpr double EyeDistance = 5000;

bool Finite(const ViewExtent& e) {
    return std::isfinite(e.Left) && std::isfinite(e.Top) && std::isfinite(e.Right) &&
           std::isfinite(e.Bottom) && std::isfinite(e.Right - e.Left) &&
           std::isfinite(e.Top - e.Bottom);
}

} // namespace

ViewKind DrawnView(const ViewState& view) {
    if (view.Profile || view.Rig) {
        return ViewKind::Profile;
    }
    return EditedView(view);
}

ViewKind EditedView(const ViewState& view) {
    if (view.Profile) {
        return ViewKind::Profile;
    }
    if (view.Sections) {
        return ViewKind::Sections;
    }
    if (view.Plan) {
        return ViewKind::Plan;
    }
    return ViewKind::Perspective;
}

void CheckView(ViewState& view, ViewKind kind) {
    view.Sections = kind == ViewKind::Sections;
    view.Profile = kind == ViewKind::Profile;
    view.Plan = kind == ViewKind::Plan;
}

namespace {

// The perspective picture in the middle of the view, with the margin all round, in equal units
// across and up, and never smaller than the hull's length: whole whichever way it has been spun.
void CentrePerspective(const AppState& app, double aspect, ViewExtent& e) {
    const PerspectiveOrigin drawn = FindPerspectiveOrigin(app.Hull, app.Work.View);
    if (!drawn.Drawn || !(aspect > 0)) {
        return;
    }
    const double m = app.Work.View.ViewMargin;
    const double width = std::max({app.Work.HullLength + 2 * m, drawn.Right - drawn.Left + 2 * m,
                                   (drawn.Top - drawn.Bottom + 2 * m) / aspect});
    const double height = width * aspect;
    ViewExtent centred;
    centred.Left = (drawn.Left + drawn.Right - width) / 2;
    centred.Right = centred.Left + width;
    centred.Bottom = (drawn.Bottom + drawn.Top - height) / 2;
    centred.Top = centred.Bottom + height;
    if (Finite(centred)) {
        e = centred;
    }
}

} // namespace

bool MainViewExtent(const AppState& app, ViewKind kind, double aspect, ViewExtent& extent) {
    return MainViewExtent(app, kind, aspect, app.Work.HullHeight, extent);
}

bool MainViewExtent(const AppState& app, ViewKind kind, double aspect, double hullHeight,
                    ViewExtent& extent) {
    const ViewState& view = app.Work.View;
    ViewExtent e;
    // A zoom rectangle without width or height (a right click without a drag) cannot carry a
    // coordinate system: the view keeps its fitted extent, as if there were no zoom.
    const bool zoomed =
        view.ZoomX2 != 0 && view.ZoomX1 != view.ZoomX2 && view.ZoomY1 != view.ZoomY2;
    if (zoomed) {
        // Ordered here as well, so that a repaint in the middle of a zoom drag keeps Y upwards.
        e.Left = std::min(view.ZoomX1, view.ZoomX2);
        e.Right = std::max(view.ZoomX1, view.ZoomX2);
        e.Top = std::max(view.ZoomY1, view.ZoomY2);
        e.Bottom = std::min(view.ZoomY1, view.ZoomY2);
    } else {
        const double m = view.ViewMargin;
        const double L = app.Work.HullLength;
        const double H = hullHeight;
        const double B = app.Work.HullBeam;
        const double A = aspect;
        e.Left = -m;
        e.Bottom = -m;
        switch (kind) {
        case ViewKind::Profile:
            if (!view.TrueView) {
                e.Top = H + m;
                e.Right = L + m;
            } else if (H / L > A) {
                e.Top = H + m;
                e.Right = H / A + m;
            } else {
                e.Top = (L + m) * A;
                e.Right = L + m;
            }
            break;
        case ViewKind::Plan:
            e.Top = view.TrueView ? (L + m) * A : B + m;
            e.Right = L + m;
            break;
        case ViewKind::Sections:
            e.Top = H + m;
            e.Right = view.TrueView ? (H + m) / A : B + m;
            break;
        case ViewKind::Perspective:
            e.Top = (L + m) * A;
            e.Right = L + m;
            CentrePerspective(app, A, e);
            break;
        }
    }
    if (!Finite(e) || e.Left == e.Right || e.Top == e.Bottom) {
        return false;
    }
    extent = e;
    return true;
}

bool ProjectFlat(ViewKind kind, double x, double y, double z, double& u, double& v) {
    switch (kind) {
    case ViewKind::Sections:
        u = x;
        v = y;
        return true;
    case ViewKind::Profile:
        u = z;
        v = y;
        return true;
    case ViewKind::Plan:
        u = z;
        v = x;
        return true;
    case ViewKind::Perspective:
        break;
    }
    return false;
}

namespace {

// The projection without the origin shift; false for a point in the eye's plane.
bool ProjectRaw(const std::array<double, 4>& point, double& u, double& v) {
    const double depth = point[AxisZ] + EyeDistance;
    if (depth == 0) {
        return false;
    }
    u = EyeDistance * point[AxisX] / depth;
    v = EyeDistance * point[AxisY] / depth;
    return std::isfinite(u) && std::isfinite(v);
}

} // namespace

PerspectiveOrigin FindPerspectiveOrigin(const HullDocument& hull, const ViewState& view) {
    PerspectiveOrigin origin;
    const int chines = ChinesInUse(hull);
    for (const SplineTable* table : {&view.ViewPoints, &view.MirrorViewPoints}) {
        for (int c = 1; c <= chines; ++c) {
            for (int p = 1; p <= PointsPerChine; ++p) {
                double u = 0, v = 0;
                if (!ProjectRaw((*table)[c][p], u, v)) {
                    continue;
                }
                origin.Umin = std::min(origin.Umin, u);
                origin.Vmin = std::min(origin.Vmin, v);
                origin.Left = origin.Drawn ? std::min(origin.Left, u) : u;
                origin.Right = origin.Drawn ? std::max(origin.Right, u) : u;
                origin.Bottom = origin.Drawn ? std::min(origin.Bottom, v) : v;
                origin.Top = origin.Drawn ? std::max(origin.Top, v) : v;
                origin.Drawn = true;
            }
        }
    }
    origin.Left -= origin.Umin;
    origin.Right -= origin.Umin;
    origin.Bottom -= origin.Vmin;
    origin.Top -= origin.Vmin;
    return origin;
}

bool ProjectPerspective(const std::array<double, 4>& point, const PerspectiveOrigin& origin,
                        double& u, double& v) {
    double pu = 0, pv = 0;
    if (!ProjectRaw(point, pu, pv)) {
        return false;
    }
    pu -= origin.Umin;
    pv -= origin.Vmin;
    if (!std::isfinite(pu) || !std::isfinite(pv)) {
        return false;
    }
    u = pu;
    v = pv;
    return true;
}

void RotateViewArrays(ViewState& view, int chineCount, int first, int second, double s) {
    if (first < AxisX || first > AxisZ || second < AxisX || second > AxisZ || first == second) {
        return;
    }
    const double cosS = std::cos(s);
    const double sinS = std::sin(s);
    const int chines = std::clamp(chineCount, 0, MaxChines);
    for (SplineTable* table : {&view.ViewPoints, &view.MirrorViewPoints}) {
        for (int c = 1; c <= chines; ++c) {
            for (int p = 1; p <= PointsPerChine; ++p) {
                auto& point = (*table)[c][p];
                const double a = point[first];
                const double b = point[second];
                point[first] = a * cosS + b * sinS;
                point[second] = b * cosS - a * sinS;
            }
        }
    }
}

void PreparePerspective(const HullDocument& hull, ViewState& view, double pi) {
    const int chines = ChinesInUse(hull);
    for (int c = 1; c <= chines; ++c) {
        for (int p = 1; p <= PointsPerChine; ++p) {
            const auto& point = hull.SplinePoints[c][p];
            view.ViewPoints[c][p] = {0, point[AxisX], point[AxisY], point[AxisZ]};
            view.MirrorViewPoints[c][p] = {0, -point[AxisX], point[AxisY], point[AxisZ]};
        }
    }
    // The start orientation: tilted 18 degrees about X (the Z button's rotation), then turned
    // 18 degrees the other way about Y (the Y button's rotation).
    RotateViewArrays(view, chines, AxisY, AxisZ, pi / 10);
    RotateViewArrays(view, chines, AxisX, AxisZ, -pi / 10);
}

void UpdateMastStep(const HullDocument& hull, ViewState& view) {
    const int chines = ChinesInUse(hull);
    const int c = hull.DeckStep ? chines : 1;
    if (c < 1) {
        return;
    }
    const auto& points = hull.SplinePoints[c];
    const double zs = hull.MastStepZ;
    for (int p = 1; p < PointsPerChine; ++p) {
        const double z0 = points[p][AxisZ];
        const double z1 = points[p + 1][AxisZ];
        if (z0 < zs && zs <= z1) {
            const double y = points[p][AxisY] +
                             (points[p + 1][AxisY] - points[p][AxisY]) * (zs - z0) / (z1 - z0);
            if (std::isfinite(y)) {
                view.MastStepY = y;
            }
            return;
        }
    }
}

void RaiseHeightForRig(const HullDocument& hull, const ViewState& view, double& hullHeight) {
    // The head angle is turned into radians with the short pi, as the rig drawing does.
    const double headAngle = hull.HeadAngle * ShortDegreesToRadians;
    const double mastTop = view.MastStepY + hull.MastLength;
    const double sailHead =
        view.MastStepY + hull.BoomHeight + hull.LuffLength + hull.HeadLength * std::sin(headAngle);
    for (const double top : {mastTop, sailHead}) {
        if (std::isfinite(top) && top > hullHeight) {
            hullHeight = top;
        }
    }
}

float ToSingle(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double Largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -Largest, Largest));
}

} // namespace merrowin
