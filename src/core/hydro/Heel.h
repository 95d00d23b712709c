// Heel analysis: the hull heeled to HeelAngle, floated at its upright weight, and its righting
// moment reported.
#pragma once

#include <string>

#include "app/AppState.h"
#include "hydro/HeelSearch.h"
#include "hydro/WaterlineControl.h"

namespace merrowin {

// ComputeHeel: nothing when HeelAngle is 0. Otherwise the search (SearchHeel) on a copy of the
// state, shown as its runs left it; then the last trial's heeled hull drawn with its centres and
// the heeled report, or the "Sunk or failed at WL:" status text. The outcome is the waterplane
// file's.
Outcome ComputeHeel(AppState& app, const HydroContext& context);

// The report of a search that found the waterline: the results list's lines and title, the
// righting moment, and Displacement set back to the target. Returns the status text.
std::string HeelReport(HydroState& hydro, const HeelSearch& search, double ballastWeight);

// The status text of a search that failed.
std::string HeelFailureText(const HydroState& hydro, const HeelSearch& search);

} // namespace merrowin
