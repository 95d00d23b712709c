// Waterline runs without a window: the scroll bar's change event, its sunk limit and the runs they
// start, stepped in a copy of the hydrostatic state. The searches step it, and the window then
// shows once what the last steps left (ShowWaterlineRuns).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "hydro/HydroState.h"
#include "hydro/WaterlineCalc.h"
#include "model/Hull.h"

namespace merrowin {

// The change event of HScroll1 nests (the sunk limit moves the position from inside a run); deeper
// changes than this set the position without running the event.
inline constexpr int MaxScrollEventDepth = 16;

// The hull a run measures (upright, or a heeled copy) and the two values every run needs besides
// its points.
struct MeasuredHull {
    const HullDocument& Hull;
    double HullLength; // inches: the lateral fan's apex and the default aft end of the waterline
    double Pi;         // converts the buttock angle to degrees
};

// What the window shows of a sequence of runs: only the last of each kind is still to be seen.
struct RunTrace {
    int Runs = 0;                       // runs made
    WaterplaneOutline LastOutline;      // the last run's outline: the waterplane file's content
    std::optional<std::string> Summary; // status panel 1 of the last complete run
    // The outline of a run that no repaint has wiped since: it stays on the main picture.
    std::optional<WaterplaneOutline> OutlineOnPicture;
    bool Repaint = false;            // the window repaints: a change event ran, or a step asked
    double RepaintWaterline = 0;     // inches: the waterline of the last repaint
    bool ThumbnailWaterline = false; // the last repaint was an event's: its waterline is drawn
                                     // across the side thumbnails
};

// The state a sequence of runs changes: the hydrostatics with the scroll bar, and the trace.
struct WaterlineRuns {
    HydroState Hydro;
    RunTrace Trace;
};

// ComputeWaterline at Hydro.WaterlineHeight on the hull's points. A complete run sets the
// summary and rebuilds the results list; a sunk one, with `limitRange`, drops the scroll bar's
// maximum below the lowest submerged sheer point less one small step, which moves the position
// and so runs again lower down.
WaterlineOutcome RunWaterline(const MeasuredHull& hull, WaterlineRuns& runs, bool limitRange);

// HScroll1_Change: WaterlineHeight = position x 0.1, the run, and a repaint of the window with the
// waterline across the thumbnails. Nested deeper than MaxScrollEventDepth it does nothing.
void ScrollChanged(const MeasuredHull& hull, WaterlineRuns& runs);

// Position, minimum and maximum of HScroll1 set from code; each runs the change event when the
// position moves. A position outside the range is refused (false).
bool ScrollToPosition(const MeasuredHull& hull, WaterlineRuns& runs, std::int64_t position);
void ScrollToMinimum(const MeasuredHull& hull, WaterlineRuns& runs, std::int64_t minimum);
void ScrollToMaximum(const MeasuredHull& hull, WaterlineRuns& runs, std::int64_t maximum);

// A step that repaints the window without a change of the scroll bar.
void AskRepaint(WaterlineRuns& runs);

// 10 x height rounded to whole tenths, halves to even (the scroll bar's units).
std::int64_t TenthsOf(double height);

// The waterline a scroll position stands for, in inches: the position times 0.1 in binary
// arithmetic, a hair off the decimal tenth at some positions (28 gives 2.8000000000000003), which
// is what a waterline is compared with chine heights as.
double WaterlineOfPosition(int position);

} // namespace merrowin
