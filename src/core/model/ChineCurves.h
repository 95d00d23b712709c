// Chine curves: normalising the offsets and deriving the 13 points of each chine or the offsets.
#pragma once

#include "model/Hull.h"
#include "model/Working.h"

namespace merrowin {

// Step 1 of every repaint: every offset of chines 1..ChineCount made a finite number, stem
// half-breadths raised to 0.01, negatives made 0; HullBeam, HullHeight, HullLength measured.
void NormaliseOffsets(HullDocument& hull, WorkingValues& work);

// Spline points from the bulkhead offsets (Auto-Spline on); raises maxHalfBreadth to the largest
// half-breadth written.
void DeriveSplinePoints(HullDocument& hull, double& maxHalfBreadth);

// Bulkhead offsets back from the spline points (Auto-Spline off); the inner bulkhead stations
// follow the chine selectedChine.
void DeriveOffsets(HullDocument& hull, int selectedChine);

// The model steps of a repaint of the main window: normalise and measure, ViewMargin,
// MaxHalfBreadth = 0, then derive points or offsets by the Auto-Spline mode.
void UpdateHullGeometry(HullDocument& hull, WorkingValues& work);

} // namespace merrowin
