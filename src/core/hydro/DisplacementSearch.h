// The waterline at which the hull floats at a weight, found by stepping the scroll bar.
#pragma once

#include "hydro/WaterlineRuns.h"

namespace merrowin {

// FloatAtWeight, for the displacement search and the re-float after a pitch: from 0 the waterline
// goes up an inch at a time through the scroll bar until the hull displaces more than `target`
// pounds, then it is interpolated inside the last inch and set to the nearest tenth. When the top
// of the range comes first the search stops there and the last computed waterline stays. The
// answer is the runs' WaterlineHeight, always the scroll bar's position x 0.1.
WaterlineRuns FloatAtWeight(const MeasuredHull& hull, WaterlineRuns runs, double target);

} // namespace merrowin
