// Chine curves: normalising the offsets and deriving the 13 points of each chine or the offsets.
#pragma once

#include "model/Hull.h"

namespace merrowin {

// The hull's extents: the largest X, Y and Z offsets of the chines in use, inches (-5000 when
// there are none).
struct HullExtents {
    double HullBeam = -5000, HullHeight = -5000, HullLength = -5000;
};

// Step 1 of every repaint: every offset of chines 1..ChineCount made a finite number, stem
// half-breadths raised to 0.01, negatives made 0; returns the extents measured on the way.
HullExtents NormaliseOffsets(HullDocument& hull);

// Spline points from the bulkhead offsets (Auto-Spline on); raises maxHalfBreadth to the largest
// half-breadth written.
void DeriveSplinePoints(HullDocument& hull, double& maxHalfBreadth);

// Bulkhead offsets back from the spline points (Auto-Spline off); the inner bulkhead stations
// follow the chine selectedChine.
void DeriveOffsets(HullDocument& hull, int selectedChine);

} // namespace merrowin
