// The waterline runs shown in the window: file, summary, repaint and thumbnails.
#include "hydro/WaterlineControl.h"

#include <utility>

#include "hydro/WaterplaneFile.h"

namespace merrowin {

namespace {

constexpr int OutlineColour = Colour::DarkYellow;
constexpr int WaterlineColour = Colour::LightBlue;

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

// The window repaints at the waterline of the last repaint a step asked for: the heel search
// moves the waterline after it without repainting.
void Repaint(AppState& app, RepaintHub& hub, const RunTrace& trace) {
    double& waterline = app.Work.Hydro.WaterlineHeight;
    const double last = waterline;
    waterline = trace.RepaintWaterline;
    hub.RepaintWindow();
    if (trace.ThumbnailWaterline) {
        DrawThumbnailWaterlines(app, hub);
    }
    waterline = last;
}

} // namespace

MeasuredHull UprightHull(const AppState& app) {
    return {app.Hull, app.Work.HullLength, app.Work.Pi};
}

WaterlineRuns StartRuns(AppState& app) {
    return WaterlineRuns{std::move(app.Work.Hydro), {}};
}

Outcome ShowWaterlineRuns(AppState& app, const HydroContext& context, WaterlineRuns&& runs) {
    app.Work.Hydro = std::move(runs.Hydro);
    const RunTrace& trace = runs.Trace;
    Outcome written;
    if (trace.Runs > 0 && context.Folder != nullptr) {
        written = WriteWaterplaneFile(*context.Folder, trace.LastOutline, app.Work.PlotXScale,
                                      app.Work.PlotYScale);
    }
    if (trace.Summary) {
        context.Ui.Status.SetPanel(1, *trace.Summary);
    }
    if (trace.Repaint) {
        Repaint(app, context.Ui.Hub, trace);
    }
    if (trace.OutlineOnPicture) {
        DrawWaterplaneOutline(context.Ui.Hub.MainPicture(), *trace.OutlineOnPicture);
    }
    return written;
}

Outcome ComputeWaterline(AppState& app, const HydroContext& context) {
    WaterlineRuns runs = StartRuns(app);
    RunWaterline(UprightHull(app), runs, true);
    return ShowWaterlineRuns(app, context, std::move(runs));
}

void DrawWaterplaneOutline(Canvas& picture, const WaterplaneOutline& outline) {
    picture.Dot(outline.Z[1], outline.X[1], OutlineColour);
    for (int p = 2; p <= PointsPerChine; ++p) {
        picture.LineTo(outline.Z[p], outline.X[p], OutlineColour);
    }
}

} // namespace merrowin
