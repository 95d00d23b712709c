// Where a panel too long for one plywood sheet is cut into pieces joined by scarf joints.
#pragma once

#include <vector>

namespace merrowin {

// A stretch along the panel (inches from its forward end) where a joint must not fall: a
// bulkhead's rung, which may lie at a slant across the panel.
struct Stretch {
    double From = 0, To = 0;
};

struct ScarfPlan {
    std::vector<double> Joints; // inches from the forward end, increasing
    bool Clear = true;          // every joint at least the clearance away from every stretch
};

// The fewest joints that leave no piece longer than maxPiece, each as near as it can be to an
// even division of what is left, and each at least `clearance` from every stretch (its ends
// included). When the stretches leave no such place within a few more joints than the fewest,
// the joints divide the panel evenly and the plan is not clear. No joints when the panel is no
// longer than maxPiece, or when maxPiece or the length is not a positive finite number.
ScarfPlan PlanScarfJoints(double length, const std::vector<Stretch>& keepClear, double maxPiece,
                          double clearance);

// The distance from a joint at `at` to the nearest stretch (0 inside one), and that stretch's
// index; -1 and a distance of 0 when there are none.
double ClearanceAt(double at, const std::vector<Stretch>& stretches, int* nearest = nullptr);

} // namespace merrowin
