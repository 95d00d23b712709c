// The heeled hull as the heel analysis shows it.
#include "hydro/HeelDrawing.h"
#include "model/Constants.h"

#include <algorithm>
#include <cmath>

#include "hydro/WaterlineControl.h"
#include "text/NumberText.h"
#include "views/ViewPen.h"

namespace merrowin {

namespace {

constexpr int ChineColour = Colour::LightGrey, DotColour = Colour::LightRed,
              SectionColour = Colour::Blue;
constexpr int BuoyancyColour = Colour::LightBlue, GravityColour = Colour::Magenta,
              WhiteColour = Colour::White;

struct Projected {
    double U, V;
};

Projected Project(const std::array<double, 4>& point, ViewKind view) {
    switch (view) {
    case ViewKind::Profile:
        return {point[AxisZ], point[AxisY]};
    case ViewKind::Plan:
        return {point[AxisZ], point[AxisX]};
    default:
        return {point[AxisX], point[AxisY]};
    }
}

} // namespace

ViewKind HeelDrawingView(const ViewState& view) {
    if (view.Profile) {
        return ViewKind::Profile;
    }
    if (view.Plan) {
        return ViewKind::Plan;
    }
    return ViewKind::Sections;
}

ViewExtent ScaleHeelView(Canvas& picture, const WorkingValues& work, ViewKind view, double theta) {
    const double m = work.View.ViewMargin;
    const double length = work.HullLength, height = work.HullHeight, beam = work.HullBeam;
    const double sine = std::fabs(std::sin(theta));
    // Heeled, a half-breadth B reaches B sin down, and a height H reaches H sin out sideways.
    const double across = beam + height * sine + m;
    ViewExtent e;
    switch (view) {
    case ViewKind::Profile:
        e = {-m, height + m, length + m, -beam * sine - m};
        break;
    case ViewKind::Plan:
        e = {-m, across, length + m, -across};
        break;
    default:
        e = {-across, height + m, across, -beam * sine - m};
        break;
    }
    const double width = e.Right - e.Left;
    const double tall = e.Top - e.Bottom;
    if (picture.Width() > 0 && width > 0 && tall > 0) {
        const double aspect = picture.Height() / picture.Width();
        if (tall / width > aspect) {
            const double grow = tall / aspect - width;
            if (view == ViewKind::Sections) {
                e.Left -= grow / 2;
                e.Right += grow / 2;
            } else {
                e.Right += grow;
            }
        } else {
            e.Top = e.Bottom + width * aspect;
        }
    }
    picture.Scale(e.Left, e.Top, e.Right, e.Bottom);
    return e;
}

void DrawHeeledHull(Canvas& picture, const HullDocument& heeled, const HeeledWaterline& waterline,
                    ViewKind view, const ViewExtent& extent) {
    const int n = ChineCountInRange(heeled);
    const auto& s = heeled.SplinePoints;
    for (int c = 1; c <= n; ++c) {
        for (int p = 1; p < PointsPerChine; ++p) {
            const Projected a = Project(s[c][p], view);
            const Projected b = Project(s[c][p + 1], view);
            picture.Line(a.U, a.V, b.U, b.V, ChineColour);
            picture.Dot(a.U, a.V, DotColour);
        }
    }
    for (int p = 1; p <= PointsPerChine; p += 3) {
        for (int c = 1; c < n; ++c) {
            const Projected a = Project(s[c][p], view);
            const Projected b = Project(s[c + 1][p], view);
            picture.Line(a.U, a.V, b.U, b.V, SectionColour);
        }
    }
    const double w = waterline.Height;
    if (view == ViewKind::Profile) {
        picture.PenWidth(2);
        picture.Line(waterline.Fore, w, waterline.Aft, w, BuoyancyColour);
        picture.PenWidth(1);
    } else if (view == ViewKind::Sections) {
        picture.Line(extent.Left, w, extent.Right, w, BuoyancyColour);
    }
}

void DrawHeelMarkers(Canvas& picture, const WorkingValues& work, ViewKind view) {
    const HydroState& h = work.Hydro;
    ViewPen pen(picture);
    if (view == ViewKind::Plan || view == ViewKind::Profile) {
        const double r = work.HullLength / 75;
        const bool plan = view == ViewKind::Plan;
        pen.Centre(h.CenterBuoyancyZ, plan ? h.CenterBuoyancyX : h.CenterBuoyancyY, r,
                   BuoyancyColour);
        pen.Centre(h.CenterGravityZ, plan ? h.CenterGravityX : h.CenterGravityY, r, GravityColour);
        return;
    }
    const double r = work.HullHeight / 35;
    pen.LabelledCentre(h.CenterBuoyancyX, h.CenterBuoyancyY, r, BuoyancyColour, "cb");
    pen.LabelledCentre(h.CenterGravityX, h.CenterGravityY, r, GravityColour, "cg");
    // The righting arm at Y 0, from the centre of gravity to the centre of buoyancy and a marker
    // radius beyond each, with its length above the middle.
    const double arm = h.CenterBuoyancyX - h.CenterGravityX;
    const double outward = arm < 0 ? -r : r;
    picture.Line(h.CenterGravityX - outward, 0, h.CenterBuoyancyX + outward, 0, BuoyancyColour);
    picture.Dot((h.CenterGravityX + h.CenterBuoyancyX) / 2, r, WhiteColour);
    picture.Text(FormatNumber(arm, "0.0") + "\"");
    // An arc of 40 degrees about the centre of gravity through the centre of buoyancy.
    const double dx = h.CenterBuoyancyX - h.CenterGravityX;
    const double dy = h.CenterBuoyancyY - h.CenterGravityY;
    const double radius = std::hypot(dx, dy);
    if (radius > 0 && std::isfinite(radius)) {
        const double middle = std::atan2(dy, dx);
        constexpr int Steps = 8;
        constexpr double Half = 20 * ShortDegreesToRadians;
        for (int i = 0; i <= Steps; ++i) {
            const double angle = middle - Half + 2 * Half * i / Steps;
            const double u = h.CenterGravityX + radius * std::cos(angle);
            const double v = h.CenterGravityY + radius * std::sin(angle);
            if (i == 0) {
                picture.Dot(u, v, GravityColour);
            } else {
                picture.LineTo(u, v, GravityColour);
            }
        }
    }
}

void DrawHeelTrial(Canvas& picture, const AppState& app, const HeelSearch& search) {
    const ViewKind view = HeelDrawingView(app.Work.View);
    const HeelTrial& trial = search.Last;
    picture.Clear();
    const ViewExtent extent = ScaleHeelView(picture, app.Work, view, search.Theta);
    // The same turns of a copy of the upright points as the search made.
    HullDocument heeled = app.Hull;
    RotateSections(heeled, -search.Theta);
    DrawHeeledHull(picture, heeled, {trial.Waterline, trial.Fore, trial.Aft}, view, extent);
    DrawWaterplaneOutline(picture, trial.Heeled.DownOutline);
    RotateSections(heeled, 2 * search.Theta);
    DrawHeeledHull(picture, heeled, {trial.Waterline, trial.Heeled.DownFore, trial.Heeled.DownAft},
                   view, extent);
    DrawWaterplaneOutline(picture, trial.Heeled.UpOutline);
    DrawHeelMarkers(picture, app.Work, view);
}

} // namespace merrowin
