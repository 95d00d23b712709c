// The drawing a plot file holds, as straight segments in inches, read the way the DXF export
// reads it, so a printed pattern shows exactly what the DXF files show.
#pragma once

#include <string_view>
#include <vector>

namespace merrowin {

// A drawn segment in inches, pattern axes (y up). Pen 0 is the cut line of an outline, pen 1
// the auxiliary drawing (labels, station marks).
struct PlotSegment {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int Pen = 0;
};

// Every segment the DXF export would write for this plot text: one pen flag, initially up, set
// by any "penup" or "pendown" line; each "acut" or "aline" line moves from the previous position
// (starting at 0, 0) and draws when the pen is down; a spline block is drawn as the open chain of
// its points. The pen number only colours the segment: "0 pendown" gives pen 0, any other pen
// statement pen 1 (the HPGL export counts bare statements as pen 1). Coordinates are divided by
// the scales (plotter units per inch); a zero scale gives nothing, and a segment with an end that
// is not a finite number is dropped.
std::vector<PlotSegment> ReadPlotSegments(std::string_view plotText, double plotXScale,
                                          double plotYScale);

} // namespace merrowin
