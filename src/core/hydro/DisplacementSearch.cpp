// The displacement search over the scroll bar's whole-inch steps.
#include "hydro/DisplacementSearch.h"

#include <cmath>

#include "model/Constants.h"

namespace merrowin {

namespace {

// One whole-inch step per position of the scroll range and one more: no search can step further.
constexpr int MaxFloatSteps = 32767 / 10 + 2;

double WeightOfVolume(const HydroState& h) {
    return h.DisplacedVolume * h.WaterDensity / CubicInchesPerGallon;
}

} // namespace

WaterlineRuns FloatAtWeight(const MeasuredHull& hull, WaterlineRuns runs, double target) {
    HydroState& h = runs.Hydro;
    // From 0 once the range is set: a new maximum below the old position moves the position and
    // with it the waterline, and a search from there could end before its first step.
    h.WaterlineHeight = 0;
    double before = 0, after = 0;
    bool reached = false;
    for (int step = 0; step < MaxFloatSteps; ++step) {
        h.WaterlineHeight += 1;
        before = WeightOfVolume(h); // the weight at the waterline computed last
        if (10 * h.WaterlineHeight > h.HScroll1.Max) {
            break;
        }
        ScrollToPosition(hull, runs, TenthsOf(h.WaterlineHeight));
        after = WeightOfVolume(h);
        if (target < after) {
            reached = true;
            break;
        }
    }
    if (reached && after != before) {
        const double interpolated = (h.WaterlineHeight - 1) + (target - before) / (after - before);
        if (std::isfinite(interpolated)) {
            // A position outside the range is refused and the waterline stays.
            ScrollToPosition(hull, runs, TenthsOf(interpolated));
        }
    }
    // The waterline is the scroll bar's, as computed last.
    h.WaterlineHeight = WaterlineOfPosition(h.HScroll1.Value);
    return runs;
}

} // namespace merrowin
