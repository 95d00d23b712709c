// The painting of the whole main window: the thumbnails, the status panel of the maximum beam and
// the main view.
#include <cmath>

#include "views/Repaint.h"
#include "views/ViewGeometry.h"
#include "views/ViewPen.h"

namespace merrowin {

namespace {

using namespace Colour;

// Sets a thumbnail's own coordinates; a hull without extent leaves the old ones.
void ScaleThumbnail(Canvas& canvas, double left, double top, double right, double bottom) {
    if (std::isfinite(left) && std::isfinite(top) && std::isfinite(right) &&
        std::isfinite(bottom) && left != right && top != bottom) {
        canvas.Scale(left, top, right, bottom);
    }
}

// Chines in light grey and bulkheads in blue, projected by `kind`.
void DrawThumbnailHull(Canvas& canvas, const HullDocument& hull, ViewKind kind) {
    ViewPen pen(canvas);
    const int chines = ChinesInUse(hull);
    for (int c = 1; c <= chines; ++c) {
        for (int p = 1; p < PointsPerChine; ++p) {
            const auto& a = hull.SplinePoints[c][p];
            const auto& b = hull.SplinePoints[c][p + 1];
            double u1 = 0, v1 = 0, u2 = 0, v2 = 0;
            ProjectFlat(kind, a[AxisX], a[AxisY], a[AxisZ], u1, v1);
            ProjectFlat(kind, b[AxisX], b[AxisY], b[AxisZ], u2, v2);
            pen.Line(u1, v1, u2, v2, LightGrey);
        }
    }
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c < chines; ++c) {
            double u1 = 0, v1 = 0, u2 = 0, v2 = 0;
            ProjectFlat(kind, hull.OffsetX[b][c], hull.OffsetY[b][c], hull.OffsetZ[b][c], u1, v1);
            ProjectFlat(kind, hull.OffsetX[b][c + 1], hull.OffsetY[b][c + 1],
                        hull.OffsetZ[b][c + 1], u2, v2);
            pen.Line(u1, v1, u2, v2, Blue);
        }
    }
}

} // namespace

void DrawThumbnails(const AppState& app, Canvas& sections, Canvas& profile, Canvas& plan) {
    // Each thumbnail fits the hull by its own proportions, whatever the zoom and True View: the
    // sections fit the height, the profile and plan the length.
    const double m = app.Work.View.ViewMargin;
    const double H = app.Work.HullHeight;
    const double L = app.Work.HullLength;

    sections.Clear();
    const double a0 = sections.Height() / sections.Width();
    ScaleThumbnail(sections, -m, H + m, (H + m) / a0, -m);
    DrawThumbnailHull(sections, app.Hull, ViewKind::Sections);
    sections.Line(0, 0, 0, 200, LightGrey);

    profile.Clear();
    const double a1 = profile.Height() / profile.Width();
    ScaleThumbnail(profile, -m, (L + m) * a1, L + m, -m);
    DrawThumbnailHull(profile, app.Hull, ViewKind::Profile);

    plan.Clear();
    const double a2 = plan.Height() / plan.Width();
    ScaleThumbnail(plan, -m, (L + m) * a2, L + m, -m);
    DrawThumbnailHull(plan, app.Hull, ViewKind::Plan);
    plan.Line(0, 0, 300, 0, LightGrey);
}

void PaintMainWindow(const AppState& app, StatusBar& status, const MainPictures& pictures) {
    status.SetPanel(2, app.Work.MaxBeamText);
    DrawThumbnails(app, pictures.Sections, pictures.Profile, pictures.Plan);
    PaintMainView(app, pictures.Picture2, &pictures.Plan);
}

} // namespace merrowin
