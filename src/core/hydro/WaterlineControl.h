// The waterline run as the window shows it: what a sequence of runs left is shown once, with the
// waterplane file written, the summary, the repaint and the waterline on the thumbnails.
#pragma once

#include "app/AppState.h"
#include "hydro/WaterlineRuns.h"
#include "io/Files.h"
#include "ui/RepaintHub.h"

namespace merrowin {

// What every hydrostatic run needs besides the model: the windows' services and the working
// folder that "watrplne.uc" goes to (null: the file is not written, as in the benchmarks).
struct HydroContext {
    UiServices& Ui;
    const fs::path* Folder = nullptr;
};

// The upright hull of the last repaint, as the runs measure it.
MeasuredHull UprightHull(const AppState& app);

// Runs on the model's hydrostatic state: it moves into the runs and back when they are shown.
WaterlineRuns StartRuns(AppState& app);

// Shows what the runs left: their state becomes the model's; the last run's outline is written to
// "watrplne.uc" and, when no repaint wiped it, drawn on the main picture in colour 6; the last
// complete run's summary goes into status panel 1; the window repaints when a step asked (at the
// waterline it then had) and the event's waterline goes across the profile and sections
// thumbnails in colour 9. The outcome is the file's (success when no run was made).
Outcome ShowWaterlineRuns(AppState& app, const HydroContext& context, WaterlineRuns&& runs);

// ComputeWaterline: the hydrostatics of the upright hull at WaterlineHeight from the spline points
// of the last repaint, shown. When a sheer point is under water the run stops: the scroll bar's
// maximum drops below the lowest submerged sheer point, which moves the position and recomputes
// there.
Outcome ComputeWaterline(AppState& app, const HydroContext& context);

// The outline a run found, as the run draws it: from station 1 to 13 in (Z, X).
void DrawWaterplaneOutline(Canvas& picture, const WaterplaneOutline& outline);

} // namespace merrowin
