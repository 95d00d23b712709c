// Drawing of the heeled hull and its centre markers on the main picture.
#pragma once

#include "app/AppState.h"
#include "hydro/HeelSearch.h"
#include "ui/Canvas.h"
#include "views/ViewGeometry.h"

namespace merrowin {

// The view the heel analysis draws in: the checked one of Sections, Profile and Plan; with none
// checked (the perspective is shown), the sections, where the heel is seen best.
ViewKind HeelDrawingView(const ViewState& view);

// User coordinates fitting the hull heeled by theta (radians) in that view, with equal units on
// both axes; applied to the picture and returned.
ViewExtent ScaleHeelView(Canvas& picture, const WorkingValues& work, ViewKind view, double theta);

// The waterline a heeled hull is drawn with (inches): its height and, in the profile, its ends.
struct HeeledWaterline {
    double Height = 0, Fore = 0, Aft = 0;
};

// The heeled chines (colour 7, point dots colour 12), the sections at the bulkheads (colour 1) and
// the waterline (colour 9; in the profile from Fore to Aft at pen width 2).
void DrawHeeledHull(Canvas& picture, const HullDocument& heeled, const HeeledWaterline& waterline,
                    ViewKind view, const ViewExtent& extent);

// The centre of buoyancy (colour 9) and of gravity (colour 5); in the sections also the righting
// arm with its length and the arc about the centre of gravity.
void DrawHeelMarkers(Canvas& picture, const WorkingValues& work, ViewKind view);

// The last trial of a search as it stays on the main picture: cleared and scaled for the heeled
// hull, the hull heeled down with the waterline the run before it left and its waterplane outline,
// the hull heeled up with the ends the first run left and its outline, then the centres of the
// model's hydrostatic state.
void DrawHeelTrial(Canvas& picture, const AppState& app, const HeelSearch& search);

} // namespace merrowin
