// Whole-hull transformations of the main window: rescaling the offsets and pitching the hull.
#pragma once

#include "app/AppState.h"
#include "ui/RepaintHub.h"

namespace merrowin {

// The items of the "&Rescale" menu.
enum class RescaleItem {
    Overall, // "Length &Overall (change all)": X, Y and Z
    Beam,    // "Maximum &Beam Only": X, against the largest half-breadth
    Height,  // "Maximum &Height Only": Y
    Length,  // "Maximum &Length Only": Z
};

// The prompt of the item's input box, and the value it starts from (HullLength, MaxHalfBreadth or
// HullHeight of the last repaint).
const char* RescalePrompt(RescaleItem item);
double RescaleCurrentValue(const WorkingValues& work, RescaleItem item);

// Multiplies the item's offsets of chines 1..ChineCount by newValue / the current value. For the
// two length items the transom station box shows newValue and the inner station boxes the new
// stations of chine 1. Nothing changes (false) when the current value or newValue is 0 or the
// factor or a scaled offset would not be a finite number. The spline points are not scaled.
bool RescaleHull(HullDocument& hull, WorkingValues& work, RescaleItem item, double newValue);

// ApplyPitch: rotates the hull about the athwartships axis by PitchAngle - AppliedPitch degrees
// (a positive angle lowers the stern), shifts it so that its spline points start at Z 0 and Y 0,
// repaints the window and sets AppliedPitch. When the rotation would give a value that is not a
// finite number the hull stays as it was and PitchAngle goes back to AppliedPitch. With no change
// of angle it only repaints.
void ApplyPitch(AppState& app, RepaintHub& hub);

} // namespace merrowin
