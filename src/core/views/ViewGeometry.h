// View geometry: which view the main picture shows, and its user coordinates.
#pragma once

#include "model/AppState.h"
#include "ui/Canvas.h"

namespace merrowin {

enum class ViewKind { Perspective, Sections, Profile, Plan };

// The view drawn: profile when `Profile` is checked or the Rig box is ticked, then sections,
// plan, else the perspective.
ViewKind DrawnView(const ViewState& view);
// The view the mouse handlers act in: the menu check marks alone (the Rig box is not consulted).
ViewKind EditedView(const ViewState& view);

// The user coordinates (left, top, right, bottom) of the main view for the current extents,
// zoom and proportional scaling; false when they cannot be formed (zero or non-finite extent),
// and the view then keeps its previous scale.
struct ViewExtent {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};
bool MainViewExtent(const AppState& app, ViewKind kind, double aspect, ViewExtent& extent);

} // namespace merrowin
