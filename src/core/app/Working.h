// The working values: everything the program keeps while it runs that the hull file does not.
#pragma once

#include <array>
#include <string>

#include "hydro/HydroState.h"
#include "model/Constants.h"
#include "patterns/PatternOptions.h"
#include "views/ViewState.h"

namespace merrowin {

struct WorkingValues {
    // Selection of the last pick: with Auto-Spline on a bulkhead 0..4, otherwise a spline point
    // 1..13; -1 after a failed pick.
    int SelectedChine = 1;
    int SelectedBulkhead = 1;
    bool LockBulkheads = false; // check mark of "&Lock Bulkheads in 'Z'"

    double PitchAngle = 0;   // degrees requested
    double AppliedPitch = 0; // degrees already applied to the offsets
    int PitchWarningShown = 0;

    // Extents, recomputed at every repaint of the main window (start -5000 before the scan).
    double HullBeam = 0, HullHeight = 0, HullLength = 0;
    double MaxHalfBreadth = 0; // largest half-breadth the Auto-Spline derivation wrote
    std::string MaxBeamText;   // status panel 2: "MBm:" and the maximum beam, set by every rebuild

    double Pi = merrowin::Pi; // the program's degree-radian constant, not the full pi

    double PlotXScale = 500, PlotYScale = 500; // plotter units per inch

    std::string HullFileName = "default.hul";
    // Text1(0..4): the stem box starts at chine 1's stem station of the default hull.
    std::array<std::string, 5> StationText{"1.3", "28", "58", "96", "140"};
    std::string ChineCountText = "4"; // Text3

    ViewState View;
    HydroState Hydro;
    PatternOptions Patterns;
};

// The working values at start-up.
void SetWorkingDefaults(WorkingValues& work);

} // namespace merrowin
