// The waterline runs, the sunk limit and the scroll bar's change event, without a window.
#include "hydro/WaterlineRuns.h"

#include "hydro/Results.h"
#include "hydro/ScrollRange.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

void Repainted(WaterlineRuns& runs, bool thumbnailWaterline) {
    RunTrace& trace = runs.Trace;
    trace.Repaint = true;
    trace.RepaintWaterline = runs.Hydro.WaterlineHeight;
    trace.ThumbnailWaterline = thumbnailWaterline;
    trace.OutlineOnPicture.reset();
}

void Fire(const MeasuredHull& hull, WaterlineRuns& runs, ScrollChange change) {
    if (change == ScrollChange::Moved) {
        ScrollChanged(hull, runs);
    }
}

// The sunk limit: the maximum drops to the lowest submerged sheer point less one small step.
// Each new maximum lies below the last one, so the runs this starts come to an end.
void LimitRangeToSheer(const MeasuredHull& hull, WaterlineRuns& runs) {
    const HydroState& hydro = runs.Hydro;
    const int n = ChineCountInRange(hull.Hull);
    for (int r = 1; r <= PointsPerChine; ++r) {
        // WaterlineHeight is read afresh: a run started by the last new maximum may have lowered
        // it.
        const double sheerY = hull.Hull.SplinePoints[n][r][AxisY];
        if (hydro.WaterlineHeight > sheerY && sheerY < hydro.HScroll1.Max / 10.0) {
            ScrollToMaximum(hull, runs, RoundHalfEven(10 * sheerY - hydro.HScroll1.SmallChange));
        }
    }
}

} // namespace

WaterlineOutcome RunWaterline(const MeasuredHull& hull, WaterlineRuns& runs, bool limitRange) {
    HydroState& hydro = runs.Hydro;
    RunTrace& trace = runs.Trace;
    const WaterlineOutcome outcome =
        ComputeWaterlineValues(hull.Hull, hull.HullLength, hull.Pi, hydro, trace.LastOutline);
    ++trace.Runs;
    trace.OutlineOnPicture = trace.LastOutline;
    if (outcome == WaterlineOutcome::Sunk) {
        if (limitRange) {
            LimitRangeToSheer(hull, runs);
        }
        return outcome;
    }
    trace.Summary = WaterlineStatusText(hydro);
    ShowResults(hydro);
    return outcome;
}

void ScrollChanged(const MeasuredHull& hull, WaterlineRuns& runs) {
    HydroState& hydro = runs.Hydro;
    if (hydro.ScrollEventDepth >= MaxScrollEventDepth) {
        return;
    }
    ++hydro.ScrollEventDepth;
    hydro.WaterlineHeight = WaterlineOfPosition(hydro.HScroll1.Value);
    RunWaterline(hull, runs, true);
    Repainted(runs, true);
    --hydro.ScrollEventDepth;
}

bool ScrollToPosition(const MeasuredHull& hull, WaterlineRuns& runs, std::int64_t position) {
    const ScrollChange change = SetScrollValue(runs.Hydro.HScroll1, position);
    Fire(hull, runs, change);
    return change != ScrollChange::Refused;
}

void ScrollToMinimum(const MeasuredHull& hull, WaterlineRuns& runs, std::int64_t minimum) {
    Fire(hull, runs, SetScrollMin(runs.Hydro.HScroll1, minimum));
}

void ScrollToMaximum(const MeasuredHull& hull, WaterlineRuns& runs, std::int64_t maximum) {
    Fire(hull, runs, SetScrollMax(runs.Hydro.HScroll1, maximum));
}

void AskRepaint(WaterlineRuns& runs) {
    Repainted(runs, false);
}

std::int64_t TenthsOf(double height) {
    return RoundHalfEven(10 * height);
}

double WaterlineOfPosition(int position) {
    return position * 0.1;
}

} // namespace merrowin
