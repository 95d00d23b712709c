// The righting-arm curve drawn through the canvas: axes with their scales, the curve, and marks
// at the largest arm, the vanishing angle and the deck edge's immersion.
#pragma once

#include "hydro/Stability.h"
#include "ui/Canvas.h"

namespace merrowin {

// Colours of the plot: the curve, the axes and grid, and the criteria's marks.
inline constexpr int CurveColour = Colour::Blue;
inline constexpr int GridColour = Colour::LightGrey;
inline constexpr int AxisColour = Colour::Black;
inline constexpr int MaxArmColour = Colour::Red;
inline constexpr int DeckEdgeColour = Colour::Green;
inline constexpr int VanishingColour = Colour::Magenta;

// Clears the picture and draws the curve's points at 0 degrees and above that floated, angles
// across and GZ (inches) up, on a grid of round steps. A curve with no such point draws the
// axes alone.
void DrawStabilityCurve(Canvas& picture, const StabilityCurve& curve);

// The grid's step for a range of values: 1, 2 or 5 times a power of ten, giving at most about
// eight lines (1 for a range that is not a positive finite number).
double GridStep(double range);

} // namespace merrowin
