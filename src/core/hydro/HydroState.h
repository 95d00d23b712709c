// Hydrostatic state: the waterline, the water, the results of the last run and the heel values.
#pragma once

namespace merrowin {

struct HydroState {
    double WaterlineHeight = 0; // inches
    double WaterDensity = 8.3305; // pounds per US gallon; seawater 8.5556
    double TargetDisplacement = 0;
    double HeelAngle = 15; // degrees

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

    int ResultsIndex = -1;

    // Controls of the main window that the hydrostatics drive.
    bool EnterWaterlineChecked = false; // "&Waterline" check mark
    bool EnterHeelEnabled = false;      // "&Heel"
    bool HScroll1Visible = false;       // waterline scroll bar
    bool Combo1Visible = false;         // results list
};

} // namespace merrowin
