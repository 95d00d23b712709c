// The righting-arm curve of the model's hull, from the model's weight and centre of gravity.
#include "hydro/StabilityRun.h"

#include "hydro/HeelSearch.h"
#include "hydro/WaterlineControl.h"

namespace merrowin {

CenterOfGravity AssumedCenterOfGravity(const AppState& app) {
    return AssumedCenterOfGravity(UprightHull(app), app.Work.HullHeight,
                                  WaterlineRuns{app.Work.Hydro, {}});
}

CenterOfGravity StabilityGravity(const AppState& app) {
    return app.Hull.DesignCenterOfGravity ? *app.Hull.DesignCenterOfGravity
                                          : AssumedCenterOfGravity(app);
}

StabilityCurve ModelStabilityCurve(const AppState& app, double displacement,
                                   const std::vector<double>& angles) {
    return ComputeStabilityCurve(app.Hull, displacement, StabilityGravity(app),
                                 app.Work.Hydro.WaterDensity, angles);
}

} // namespace merrowin
