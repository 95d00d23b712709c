// The designer's centre of gravity rescaled and pitched with the hull.
#include "model/GravityFollowsHull.h"

#include <cmath>

namespace merrowin {

namespace {

// A result that is not a finite number leaves the centre of gravity as it was.
void Keep(HullDocument& hull, double y, double z) {
    if (std::isfinite(y) && std::isfinite(z)) {
        hull.DesignCenterOfGravity = CenterOfGravity{y, z};
    }
}

} // namespace

void ScaleDesignGravity(HullDocument& hull, double factorY, double factorZ) {
    if (hull.DesignCenterOfGravity) {
        const CenterOfGravity g = *hull.DesignCenterOfGravity;
        Keep(hull, g.Y * factorY, g.Z * factorZ);
    }
}

void PitchDesignGravity(HullDocument& hull, double cosine, double sine, double shiftY,
                        double shiftZ) {
    if (hull.DesignCenterOfGravity) {
        const CenterOfGravity g = *hull.DesignCenterOfGravity;
        Keep(hull, g.Y * cosine + g.Z * sine - shiftY, g.Z * cosine - g.Y * sine - shiftZ);
    }
}

} // namespace merrowin
