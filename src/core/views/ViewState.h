// View state of the main window: which view, zoom, perspective orientation, figure and rig switch.
#pragma once

#include "model/Hull.h"

namespace merrowin {

struct ViewState {
    bool Sections = false, Profile = false, Plan = false; // View menu check marks
    bool TrueView = true;                                 // proportional scaling
    bool Rig = false;                                     // Rig box of the Open window

    float ViewMargin = 0; // inches, HullBeam / 25
    float ZoomX1 = 0, ZoomY1 = 0, ZoomX2 = 0, ZoomY2 = 0; // ZoomX2 = 0: no zoom
    double SpinStep = 3.1415927 / 40;                     // radians
    SplineTable ViewPoints{};
    SplineTable MirrorViewPoints{};
    double MastStepY = 0;

    // Human figure for scale (-1 = none); outline points 1..100.
    int FigureIndex = -1;
    int FigurePointCount = 0;
    std::array<double, 101> FigureOutlineZ{};
    std::array<double, 101> FigureOutlineY{};
    double FigureZ = 0, FigureY = 0;
};

} // namespace merrowin
