// The waterline run and the waterline scroll bar HScroll1: every change of its position
// computes the hydrostatics at the new waterline and repaints.
#pragma once

#include <cstdint>

#include "app/AppState.h"
#include "hydro/WaterlineCalc.h"
#include "io/Files.h"
#include "ui/RepaintHub.h"

namespace merrowin {

// What every hydrostatic run needs besides the model: the windows' services and the working
// folder that "watrplne.uc" goes to (null: the file is not written, as in the benchmarks).
struct HydroContext {
    UiServices& Ui;
    const fs::path* Folder = nullptr;
};

// The change event of HScroll1 nests (the sunk limit moves the position from inside a run); deeper
// changes than this set the position without running the event.
inline constexpr int MaxScrollEventDepth = 16;

// ComputeWaterline: the hydrostatics of the upright hull at WaterlineHeight from the spline
// points of the last repaint. Writes "watrplne.uc" and draws the waterplane outline on the main
// picture in colour 6; a complete run then writes the status summary into panel 1 and rebuilds
// the results list. When a sheer point is under water the run stops: the scroll bar's maximum
// drops below the lowest submerged sheer point, which moves the position and recomputes there.
WaterlineOutcome ComputeWaterline(AppState& app, const HydroContext& context);

// The same run without touching the scroll bar when the hull is sunk (the heeled hull's sheer
// says nothing about the upright waterline's range).
WaterlineOutcome ComputeWaterlineKeepingRange(AppState& app, const HydroContext& context);

// HScroll1_Change: WaterlineHeight = position x 0.1, ComputeWaterline, repaint the window, and the
// waterline across the profile and sections thumbnails in colour 9.
void WaterlineScrollChanged(AppState& app, const HydroContext& context);

// Position, minimum and maximum of HScroll1 set from code; each runs the change event when the
// position moves. A position outside the range is refused (false).
bool SetWaterlinePosition(AppState& app, const HydroContext& context, std::int64_t position);
void SetWaterlineMinimum(AppState& app, const HydroContext& context, std::int64_t minimum);
void SetWaterlineMaximum(AppState& app, const HydroContext& context, std::int64_t maximum);

// 10 x height rounded to whole tenths, halves to even (the scroll bar's units).
std::int64_t TenthsOf(double height);

// The waterline a scroll position stands for, in inches: the position times 0.1 in binary
// arithmetic, a hair off the decimal tenth at some positions (28 gives 2.8000000000000003), which
// is what a waterline is compared with chine heights as.
double WaterlineOfPosition(int position);

} // namespace merrowin
