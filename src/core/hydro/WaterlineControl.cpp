// The waterline run, its sunk limit and the scroll bar's change event.
#include "hydro/WaterlineControl.h"

#include <algorithm>

#include "hydro/Results.h"
#include "hydro/ScrollRange.h"
#include "hydro/WaterplaneFile.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr int OutlineColour = Colour::DarkYellow;
constexpr int WaterlineColour = Colour::LightBlue;

void DrawOutline(Canvas& picture, const WaterplaneOutline& outline) {
    picture.Dot(outline.Z[1], outline.X[1], OutlineColour);
    for (int p = 2; p <= PointsPerChine; ++p) {
        picture.LineTo(outline.Z[p], outline.X[p], OutlineColour);
    }
}

// The sunk limit: the maximum drops to the lowest submerged sheer point less one small step.
// Each new maximum lies below the last one, so the runs this starts come to an end.
void LimitRangeToSheer(AppState& app, const HydroContext& context) {
    HydroState& hydro = app.Work.Hydro;
    const HullDocument& hull = app.Hull;
    const int n = ChineCountInRange(hull);
    for (int r = 1; r <= PointsPerChine; ++r) {
        // WaterlineHeight is read afresh: a run started by the last new maximum may have lowered
        // it.
        const double sheerY = hull.SplinePoints[n][r][AxisY];
        if (hydro.WaterlineHeight > sheerY && sheerY < hydro.HScroll1.Max / 10.0) {
            SetWaterlineMaximum(app, context,
                                RoundHalfEven(10 * sheerY - hydro.HScroll1.SmallChange));
        }
    }
}

WaterlineOutcome Run(AppState& app, const HydroContext& context, bool limitRange) {
    HydroState& hydro = app.Work.Hydro;
    WaterplaneOutline outline;
    const WaterlineOutcome outcome =
        ComputeWaterlineValues(app.Hull, app.Work.HullLength, app.Work.Pi, hydro, outline);
    DrawOutline(context.Ui.Hub.MainPicture(), outline);
    if (context.Folder != nullptr) {
        // A file that cannot be written is skipped; the run goes on.
        static_cast<void>(WriteWaterplaneFile(*context.Folder, outline, app.Work.PlotXScale,
                                              app.Work.PlotYScale));
    }
    if (outcome == WaterlineOutcome::Sunk) {
        if (limitRange) {
            LimitRangeToSheer(app, context);
        }
        return outcome;
    }
    context.Ui.Status.SetPanel(1, WaterlineStatusText(hydro));
    ShowResults(hydro);
    return outcome;
}

// The waterline across a thumbnail, from its left edge to its right edge in its own coordinates
// (those its last repaint set).
void DrawThumbnailWaterlines(const AppState& app, RepaintHub& hub) {
    const double w = app.Work.Hydro.WaterlineHeight;
    const double m = app.Work.View.ViewMargin;
    Canvas& profile = hub.Thumbnail(1);
    profile.Line(-m, w, app.Work.HullLength + m, w, WaterlineColour);
    Canvas& sections = hub.Thumbnail(0);
    if (sections.Width() > 0 && sections.Height() > 0) {
        const double aspect = sections.Height() / sections.Width();
        sections.Line(-m, w, (app.Work.HullHeight + m) / aspect, w, WaterlineColour);
    }
}

void Fire(AppState& app, const HydroContext& context, ScrollChange change) {
    if (change == ScrollChange::Moved) {
        WaterlineScrollChanged(app, context);
    }
}

} // namespace

WaterlineOutcome ComputeWaterline(AppState& app, const HydroContext& context) {
    return Run(app, context, true);
}

WaterlineOutcome ComputeWaterlineKeepingRange(AppState& app, const HydroContext& context) {
    return Run(app, context, false);
}

void WaterlineScrollChanged(AppState& app, const HydroContext& context) {
    HydroState& hydro = app.Work.Hydro;
    if (hydro.ScrollEventDepth >= MaxScrollEventDepth) {
        return;
    }
    ++hydro.ScrollEventDepth;
    hydro.WaterlineHeight = WaterlineOfPosition(hydro.HScroll1.Value);
    ComputeWaterline(app, context);
    context.Ui.Hub.RepaintWindow();
    DrawThumbnailWaterlines(app, context.Ui.Hub);
    --hydro.ScrollEventDepth;
}

bool SetWaterlinePosition(AppState& app, const HydroContext& context, std::int64_t position) {
    const ScrollChange change = SetScrollValue(app.Work.Hydro.HScroll1, position);
    Fire(app, context, change);
    return change != ScrollChange::Refused;
}

void SetWaterlineMinimum(AppState& app, const HydroContext& context, std::int64_t minimum) {
    Fire(app, context, SetScrollMin(app.Work.Hydro.HScroll1, minimum));
}

void SetWaterlineMaximum(AppState& app, const HydroContext& context, std::int64_t maximum) {
    Fire(app, context, SetScrollMax(app.Work.Hydro.HScroll1, maximum));
}

std::int64_t TenthsOf(double height) {
    return RoundHalfEven(10 * height);
}

double WaterlineOfPosition(int position) {
    return position * 0.1;
}

} // namespace merrowin
