// The heeled hull and the heel search.
#include "hydro/HeelSearch.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "hydro/Results.h"
#include "model/Constants.h"

namespace merrowin {

namespace {

// The lowest point of the heeled hull, for its draft; the search starts at 1000 inches, so a hull
// lying wholly higher than that is measured from 1000.
double LowestY(const HullDocument& hull) {
    const int n = ChineCountInRange(hull);
    double lowest = 1000;
    for (int c = 1; c <= n; ++c) {
        for (int p = 1; p <= PointsPerChine; ++p) {
            lowest = std::min(lowest, hull.SplinePoints[c][p][AxisY]);
        }
    }
    return lowest;
}

HeeledHalf MeasureHalf(const MeasuredHull& heeled, WaterlineRuns& runs,
                       WaterplaneOutline& outline) {
    const WaterlineOutcome outcome = RunWaterline(heeled, runs, false);
    outline = runs.Trace.LastOutline;
    const HydroState& h = runs.Hydro;
    return {SingleValue(h.Displacement) / 2, h.CenterBuoyancyX, h.CenterBuoyancyY,
            h.CenterBuoyancyZ, outcome == WaterlineOutcome::Sunk};
}

// The centre of gravity is taken as the centre of buoyancy of the fully immersed hull, on the
// centre line: the waterline goes to the top of the range, where the sunk limit pulls it down to
// just below the lowest sheer point; then back to the nominal waterline. Heeled once, by R(-theta),
// and kept for the whole search.
void FindCenterOfGravity(const MeasuredHull& upright, double hullHeight, double theta,
                         WaterlineRuns& runs) {
    HydroState& h = runs.Hydro;
    const std::int64_t top = TenthsOf(hullHeight);
    ScrollToMaximum(upright, runs, top);
    ScrollToPosition(upright, runs, top);
    const double gravityY = h.CenterBuoyancyY;
    const double gravityZ = h.CenterBuoyancyZ;
    ScrollToPosition(upright, runs, TenthsOf(h.NominalWaterline));
    h.CenterGravityX = gravityY * std::sin(theta);
    h.CenterGravityY = gravityY * std::cos(theta);
    h.CenterGravityZ = gravityZ;
}

} // namespace

void RotateSections(HullDocument& hull, double angle) {
    const double cosine = std::cos(angle), sine = std::sin(angle);
    const int n = ChineCountInRange(hull);
    for (int c = 1; c <= n; ++c) {
        for (int p = 1; p <= PointsPerChine; ++p) {
            auto& point = hull.SplinePoints[c][p];
            const double x = point[AxisX], y = point[AxisY];
            point[AxisX] = x * cosine - y * sine;
            point[AxisY] = x * sine + y * cosine;
        }
    }
}

HeeledHull MeasureHeeledHull(const MeasuredHull& upright, double theta, WaterlineRuns& runs) {
    HeeledHull heeled;
    HullDocument copy = upright.Hull;
    const MeasuredHull measured{copy, upright.HullLength, upright.Pi};
    // The +X (starboard) half heeled down, measured as a whole symmetric hull.
    RotateSections(copy, -theta);
    heeled.Lowest = LowestY(copy);
    heeled.Down = MeasureHalf(measured, runs, heeled.DownOutline);
    heeled.DownFore = runs.Hydro.WaterlineFore;
    heeled.DownAft = runs.Hydro.WaterlineAft;
    // Its mirror image heeled up, which stands for the -X half.
    RotateSections(copy, 2 * theta);
    heeled.Up = MeasureHalf(measured, runs, heeled.UpOutline);

    const HeeledHalf& a = heeled.Down;
    const HeeledHalf& b = heeled.Up;
    heeled.Total = a.Weight + b.Weight;
    if (heeled.Total != 0) {
        HydroState& h = runs.Hydro;
        h.CenterBuoyancyX = (a.Weight * a.X - b.Weight * b.X) / heeled.Total;
        h.CenterBuoyancyY = (a.Weight * a.Y + b.Weight * b.Y) / heeled.Total;
        h.CenterBuoyancyZ = (a.Weight * a.Z + b.Weight * b.Z) / heeled.Total;
    }
    return heeled;
}

CenterOfGravity AssumedCenterOfGravity(const MeasuredHull& upright, double hullHeight,
                                       WaterlineRuns runs) {
    FindCenterOfGravity(upright, hullHeight, 0, runs);
    return {runs.Hydro.CenterGravityY, runs.Hydro.CenterGravityZ};
}

HeelSearch SearchHeel(const MeasuredHull& upright, double hullHeight, WaterlineRuns runs) {
    HeelSearch search{std::move(runs), 0, false, 0, 0, {}};
    WaterlineRuns& r = search.Runs;
    HydroState& h = r.Hydro;
    if (h.TargetDisplacement == 0) {
        h.TargetDisplacement = SingleValue(h.Displacement);
    }
    h.HeelLowered = 0;
    h.NominalWaterline = h.WaterlineHeight;
    // The heel's degree conversion uses the short pi.
    search.Theta = h.HeelAngle * ShortDegreesToRadians;
    FindCenterOfGravity(upright, hullHeight, search.Theta, r);

    search.Reached = h.WaterlineHeight;
    for (int trial = 0; trial < MaxHeelTrials; ++trial) {
        search.Last = {h.WaterlineHeight, h.WaterlineFore, h.WaterlineAft, {}};
        const HeeledHull& heeled = search.Last.Heeled = MeasureHeeledHull(upright, search.Theta, r);
        const double total = search.Total = heeled.Total;
        const double target = h.TargetDisplacement;
        // A heeled sheer under water cannot be measured: its half keeps the weight of an earlier
        // run, and the search would chase it without end.
        if (heeled.Down.Sunk || heeled.Up.Sunk || total < HeelWeightTolerance) {
            break;
        }
        // Each step asks for a repaint: the window shows the upright hull between trials.
        double factor = 1;
        if (target - total > HeelWeightTolerance) {
            if (h.HeelLowered == 1) {
                break; // rising again after a descent: the search swings to and fro
            }
            AskRepaint(r);
            factor = 1 + HeelRiseGain * (target - total) / total;
        } else if (total - target > HeelWeightTolerance) {
            h.HeelLowered = 1;
            AskRepaint(r);
            factor = 1 + HeelSinkGain * (target - total) / total;
        } else {
            search.Found = true;
            return search;
        }
        const double next = h.WaterlineHeight * factor;
        // The search ends at the top of the scroll range, rising or falling.
        if (!std::isfinite(next) || 10 * next > h.HScroll1.Max) {
            if (std::isfinite(next)) {
                search.Reached = next;
            }
            break;
        }
        h.WaterlineHeight = next;
        search.Reached = next;
        ScrollToPosition(upright, r, TenthsOf(h.WaterlineHeight));
    }
    h.WaterlineHeight = WaterlineOfPosition(h.HScroll1.Value);
    RunWaterline(upright, r, true);
    AskRepaint(r);
    return search;
}

} // namespace merrowin
