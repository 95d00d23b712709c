// Heel analysis: the hull heeled to HeelAngle, floated at its upright weight, and its righting
// moment reported.
#pragma once

#include "app/AppState.h"
#include "hydro/WaterlineControl.h"

namespace merrowin {

// Trials of the waterline search before it gives up with the failure text. The search normally
// settles within a handful; a hull whose heeled sheer goes under water would otherwise raise its
// waterline for ever.
inline constexpr int MaxHeelTrials = 100;

// Rotation of every spline point of chines 1..ChineCount about the origin in the section plane:
// X' = X cos a - Y sin a, Y' = X sin a + Y cos a (radians; positive turns +X upwards).
void RotateSections(HullDocument& hull, double angle);

// ComputeHeel: nothing when HeelAngle is 0. Otherwise takes the centre of gravity from the fully
// immersed hull, then searches the waterline at which the heeled hull weighs TargetDisplacement
// within 15 pounds, draws it, and fills the results list with the heeled report; or ends with the
// "Sunk or failed at WL:" status text. The upright spline points are back in the model whenever
// the window repaints and when the analysis ends.
void ComputeHeel(AppState& app, const HydroContext& context);

} // namespace merrowin
