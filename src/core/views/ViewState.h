// View state of the main window: which view, zoom, perspective orientation, figure and rig switch.
#pragma once

#include "model/Constants.h"
#include "model/Hull.h"

namespace merrowin {

struct ViewState {
    bool Sections = false, Profile = false, Plan = false; // View menu check marks
    bool TrueView = true;                                 // proportional scaling
    bool Rig = false;                                     // Rig box of the Open window

    float ViewMargin = 0;                                 // inches, HullBeam / 25
    float ZoomX1 = 0, ZoomY1 = 0, ZoomX2 = 0, ZoomY2 = 0; // ZoomX2 = 0: no zoom
    double SpinStep = Pi / 40;                            // radians
    SplineTable ViewPoints{};
    SplineTable MirrorViewPoints{};
    double MastStepY = 0; // inches, height of the mast step at MastStepZ

    // The user coordinates of Picture2 set by the last repaint of the main view (left, top,
    // right, bottom); kept when a repaint cannot form new ones.
    double ScaleLeft = 0, ScaleTop = 0, ScaleRight = 0, ScaleBottom = 0;
    bool HasScale = false;

    // Human figure for scale (-1 = none); outline points 1..100.
    int FigureIndex = -1;
    int FigurePointCount = 0;
    std::array<double, 101> FigureOutlineZ{};
    std::array<double, 101> FigureOutlineY{};
    double FigureZ = 0, FigureY = 0;
};

} // namespace merrowin
