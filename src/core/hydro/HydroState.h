// Hydrostatic state: the waterline, the water, the results of the last run and the heel values.
#pragma once

#include <string>
#include <vector>

#include "model/Constants.h"

namespace merrowin {

// An integer range control of the toolkit's kind (the waterline scroll bar HScroll1): 16-bit
// minimum, maximum and position, here in tenths of an inch. Change it only through the functions
// of hydro/ScrollRange.h, which keep the position inside the range.
struct ScrollRange {
    int Min = 0;
    int Max = 32767;
    int Value = 0;
    int SmallChange = 1; // one click on an arrow
    int LargeChange = 1; // one click in the trough
};

struct HydroState {
    double WaterlineHeight = 0;              // inches
    double WaterDensity = FreshWaterDensity; // pounds per US gallon
    double TargetDisplacement = 0;           // pounds; 0 until a target is entered
    double HeelAngle = 15;                   // degrees

    double DisplacedVolume = 0; // cubic inches, both sides
    float Displacement = 0;     // pounds
    float WaterlineLength = 0;  // inches
    double WaterlineFore = 0, WaterlineAft = 0;
    double CenterBuoyancyX = 0, CenterBuoyancyY = 0, CenterBuoyancyZ = 0;
    double LateralArea = 0, LateralCenterZ = 0, LateralCenterY = 0;
    double ButtockAngle = 0, PrismaticCoeff = 0, DLRatio = 0, SLRatio = 0, DispSpeed = 0;

    double CenterGravityX = 0, CenterGravityY = 0, CenterGravityZ = 0;
    double NominalWaterline = 0;
    int HeelLowered = 0;
    double RightingMoment = 0; // foot-pounds, of the last heel report

    int ResultsIndex = -1;

    // Controls of the main window that the hydrostatics drive.
    bool EnterWaterlineChecked = false; // "&Waterline" check mark
    bool EnterHeelEnabled = false;      // "&Heel"
    bool HScroll1Visible = false;       // waterline scroll bar
    bool Combo1Visible = false;         // results list
    bool FreshwaterChecked = true;      // "&Freshwater (20 C.)"
    bool SeawaterChecked = false;       // "&Seawater"

    ScrollRange HScroll1; // the waterline scroll bar, tenths of an inch

    // Combo1, the results list: its lines, the text its box shows and the selected line (-1 none).
    std::vector<std::string> ResultsLines;
    std::string ResultsText = "Results";
    int ResultsSelected = -1;

    // Nesting depth of the scroll bar's change event (the sunk limit re-enters it).
    int ScrollEventDepth = 0;
};

// Leaves the waterline mode: "&Waterline" unchecked, the scroll bar hidden, "&Heel" disabled (it
// is usable only while the waterline control is on). The waterline and the results stay.
inline void LeaveWaterlineMode(HydroState& hydro) {
    hydro.EnterWaterlineChecked = false;
    hydro.HScroll1Visible = false;
    hydro.EnterHeelEnabled = false;
}

} // namespace merrowin
