// The heeled hull measured, and the waterline at which it weighs what it weighs upright: pure
// functions over a copy of the hydrostatic state, the upright points never touched.
#pragma once

#include "hydro/WaterlineRuns.h"

namespace merrowin {

// Trials of the waterline search before it gives up with the failure text. The search normally
// settles within a handful; a hull whose heeled sheer goes under water would otherwise raise its
// waterline for ever.
inline constexpr int MaxHeelTrials = 100;

// Rotation of every spline point of chines 1..ChineCount about the origin in the section plane:
// X' = X cos a - Y sin a, Y' = X sin a + Y cos a (radians; positive turns +X upwards).
void RotateSections(HullDocument& hull, double angle);

// One half of the heeled hull, measured as a whole symmetric hull: half its weight (pounds) and
// its centre of buoyancy. A sunk half keeps the weight of the run before it.
struct HeeledHalf {
    double Weight = 0, X = 0, Y = 0, Z = 0;
    bool Sunk = false;
};

struct HeeledHull {
    double Lowest = 1000; // the lowest point of the hull heeled down, from 1000 inches
    HeeledHalf Down, Up;  // the +X half heeled down, and the mirror image heeled up
    double Total = 0;     // pounds, both halves
    WaterplaneOutline DownOutline, UpOutline;
    double DownFore = 0, DownAft = 0; // the waterline's ends the run heeled down left
};

// The hull heeled by theta (radians) at the runs' WaterlineHeight: a copy of the upright points
// turned by R(-theta) and measured, then turned on by R(2 theta) and measured again; the combined
// centre of buoyancy replaces the runs' when the total is not 0. Callable on any hull copy.
HeeledHull MeasureHeeledHull(const MeasuredHull& upright, double theta, WaterlineRuns& runs);

// One trial of the search: its waterline, the ends the run before it left, and the hull heeled.
struct HeelTrial {
    double Waterline = 0;
    double Fore = 0, Aft = 0;
    HeeledHull Heeled;
};

struct HeelSearch {
    WaterlineRuns Runs; // the state and trace the search left
    double Theta = 0;   // radians
    bool Found = false; // the heeled weight matched the target within the tolerance
    double Total = 0;   // pounds, the last trial's
    double Reached = 0; // the waterline a failure names
    HeelTrial Last;     // the last trial made
};

// ComputeHeel's search, for a HeelAngle other than 0: the centre of gravity from the fully
// immersed upright hull (the scroll bar at 10 x hullHeight, pulled below the sheer by the sunk
// limit), then trials raising or lowering the waterline through the scroll bar until the heeled
// hull weighs TargetDisplacement within HeelWeightTolerance. A failure measures the upright hull
// again at the scroll bar's waterline, so that no heeled half's numbers stand as the upright ones.
HeelSearch SearchHeel(const MeasuredHull& upright, double hullHeight, WaterlineRuns runs);

// The centre of gravity the search assumes, upright: the centre of buoyancy of the hull immersed
// to the top of the range (height Y and station Z, inches), found on the runs given.
CenterOfGravity AssumedCenterOfGravity(const MeasuredHull& upright, double hullHeight,
                                       WaterlineRuns runs);

} // namespace merrowin
