// A developed panel as the run cuts it: its leveled outline, the lengths of its edges along the
// cut, where its bulkhead rungs lie, and how far its triangles are from a developable surface.
#pragma once

#include <vector>

#include "patterns/Expansion.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternRun.h"

namespace merrowin {

// A rung of the strip that lies on bulkhead 1, 2 or 3, on the leveled panel.
struct FlatRung {
    int Bulkhead = 0;
    FlatPoint Lower, Upper;
};

struct FlatPanel {
    DevelopedStrip Strip; // as developed, before the leveling turn
    double Angle = 0;     // the leveling turn (radians) the run gives the panel's plot file
    // The cut outline turned as the leveling turns it: the smooth curve's samples, lower edge
    // forward to aft, the aft rung, upper edge aft to forward; the forward rung closes it.
    std::vector<FlatPoint> Outline;
    double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0; // of the outline, inches
    double LowerLength = 0, UpperLength = 0;       // each edge along the cut curve, inches
    std::vector<FlatRung> Rungs;                   // the bulkhead rungs the strip reaches
};

// Develops the triangulation, turns it by the angle the leveling finds in the plot file the
// expansion makes of it (at the run's scales, date and font), and measures the cut outline.
FlatPanel LayPanelFlat(const Triangulation& tri, const PatternRun& run);

// The area a closed polygon encloses (square inches, never negative).
double PolygonArea(const std::vector<FlatPoint>& polygon);

// The part of a closed polygon between the vertical lines x = fromX and x = toX.
std::vector<FlatPoint> ClipToSlab(const std::vector<FlatPoint>& polygon, double fromX, double toX);

// The diagonal of each quadrilateral of the strip that the triangulation did not use (lower
// point k to upper point k + 1) measured on the hull and on the flat panel: a developable panel
// keeps it, a twisted one cannot. The largest difference, between rungs Rung and Rung + 1
// (1..12; 0 when the strip has no quadrilateral), at the mean station of its four corners.
struct DiagonalCheck {
    double Error = 0; // inches
    int Rung = 0;
    double Station = 0; // Z, inches
};
DiagonalCheck CheckDiagonals(const DevelopedStrip& strip, const EdgePoints& lower,
                             const EdgePoints& upper);

} // namespace merrowin
