// View geometry: which view the main picture shows, and its user coordinates.
#pragma once

#include <array>

#include "app/AppState.h"
#include "ui/Canvas.h"

namespace merrowin {

enum class ViewKind { Perspective, Sections, Profile, Plan };

// The view drawn: profile when `Profile` is checked or the Rig box is ticked, then sections,
// plan, else the perspective.
ViewKind DrawnView(const ViewState& view);
// The view the mouse handlers act in: the menu check marks alone (the Rig box is not consulted).
ViewKind EditedView(const ViewState& view);
// Checks the menu item of one flat view and clears the other two (the perspective: none).
void CheckView(ViewState& view, ViewKind kind);

// The user coordinates (left, top, right, bottom) of the main view for the current extents,
// zoom and proportional scaling; false when they cannot be formed (zero or non-finite extent),
// and the view then keeps its previous scale.
struct ViewExtent {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};
bool MainViewExtent(const AppState& app, ViewKind kind, double aspect, ViewExtent& extent);
// The same for a given hull height in place of HullHeight (raised to cover the rig while the Rig
// box is ticked).
bool MainViewExtent(const AppState& app, ViewKind kind, double aspect, double hullHeight,
                    ViewExtent& extent);

// A hull point (X half-breadth, Y height, Z station) in the (u, v) of a flat view: sections
// (X, Y), profile (Z, Y), plan (Z, X). False for the perspective view.
bool ProjectFlat(ViewKind kind, double x, double y, double z, double& u, double& v);

// The perspective picture's lower left corner: the smallest projected u and v over both view
// arrays (chines in use, points 1..13), each starting at 500.
// Beside it, the span the picture covers once shifted by that corner (Drawn: any point at all).
struct PerspectiveOrigin {
    double Umin = 500, Vmin = 500;
    bool Drawn = false;
    double Left = 0, Right = 0, Bottom = 0, Top = 0;
};
PerspectiveOrigin FindPerspectiveOrigin(const HullDocument& hull, const ViewState& view);
// A rotated point (coordinates 1..3 of a view array) seen from 5000 inches ahead; false when it
// cannot be projected (the point lies in the eye's plane) or the result is not finite.
bool ProjectPerspective(const std::array<double, 4>& point, const PerspectiveOrigin& origin,
                        double& u, double& v);

// Rotates both view arrays (chines in use, points 1..13) by the angle s in radians in the plane
// of coordinates `first` and `second` (AxisX, AxisY, AxisZ): first' = first cos s + second sin s,
// second' = second cos s - first sin s, both computed from the old values.
void RotateViewArrays(ViewState& view, int chineCount, int first, int second, double s);

// The mast step height on the keel (Keel Step) or the sheer (Deck Step), interpolated at
// MastStepZ along the chine's points; kept when the station lies outside the chine.
void UpdateMastStep(const HullDocument& hull, ViewState& view);
// Raises a hull height to the mast top and the head of the sail: the height the main view's
// extent covers while the rig is shown (HullHeight itself keeps the measured hull).
void RaiseHeightForRig(const HullDocument& hull, const ViewState& view, double& hullHeight);

// Stores a user coordinate in a single-precision view value, held to the float range (a NaN
// stores 0).
float ToSingle(double value);

} // namespace merrowin
