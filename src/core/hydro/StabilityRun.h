// The righting-arm curve of the model's hull: the weight and the centre of gravity it starts
// from, taken from the model as the window and the command line hold it.
#pragma once

#include <vector>

#include "app/AppState.h"
#include "hydro/Stability.h"

namespace merrowin {

// The centre of gravity the heel analysis assumes for the model's hull, on a copy of its
// hydrostatic state (the model is not changed).
CenterOfGravity AssumedCenterOfGravity(const AppState& app);

// The designer's centre of gravity when the hull has one, the heel analysis's assumed one
// otherwise.
CenterOfGravity StabilityGravity(const AppState& app);

// The curve of the model's hull floating at `displacement` pounds in the water the hydrostatics
// have chosen, with the centre of gravity StabilityGravity gives.
StabilityCurve ModelStabilityCurve(const AppState& app, double displacement,
                                   const std::vector<double>& angles);

} // namespace merrowin
