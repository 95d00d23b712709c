// The scale bar in a lower corner of the flat views: a length in feet and inches that fits the
// zoom, divided into equal parts.
#pragma once

#include <string>

#include "ui/Canvas.h"
#include "views/ViewGeometry.h"

namespace merrowin {

struct ScaleBarChoice {
    double Length = 1; // inches
    int Divisions = 1; // equal parts
    std::string Label; // the length in feet or inches ("6\"", "2'")
};

// The longest of the usual shop lengths (1 in. to 50 ft) that is at most `widestPixels` long at
// `inchesPerPixel`; the shortest when none is.
ScaleBarChoice ChooseScaleBar(double inchesPerPixel, double widestPixels = 150);

// Draws the bar in the lower left corner of a picture showing `visible` (user coordinates in
// inches across, y up) on `widthPixels` x `heightPixels`. Nothing for an unusable extent.
void DrawScaleBar(Canvas& picture, const ViewExtent& visible, double widthPixels,
                  double heightPixels);

} // namespace merrowin
