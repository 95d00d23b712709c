// The righting-arm curve as text: the report the command line prints and its table as CSV.
#pragma once

#include <string>

#include "hydro/Stability.h"

namespace merrowin {

// The curve's heading, its table (one line per angle: angle, waterline, GZ, moment, freeboard)
// and the criteria, lines ending in "\n".
std::string StabilityReport(const StabilityCurve& curve);

// The table alone as comma-separated values with a heading line, lines ending in "\n"; an angle
// that found no waterline keeps its angle and leaves the rest empty.
std::string StabilityCsv(const StabilityCurve& curve);

// The criteria lines of the report, each ending in "\n" (shared with the window).
std::string StabilityCriteriaText(const StabilityCurve& curve);

} // namespace merrowin
