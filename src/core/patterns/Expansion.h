// Panel expansion: each triangulation file developed into the flat plot file of its panel.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/FileBatch.h"
#include "model/Hull.h"
#include "patterns/PatternRun.h"
#include "patterns/StrokeFont.h"
#include "ui/Canvas.h"
#include "ui/Services.h"

namespace merrowin {

// The numbers of a triangulation file (inches). Strip vertex 2k is lower-edge point k + 1 and
// vertex 2k + 1 upper-edge point k + 1; triangle i has the sides Rungs[i] and Rungs[i + 1] and
// the chord Upper[i] (when not 0) or Lower[i] from vertex i to vertex i + 2.
struct Triangulation {
    double Factor = 1; // the plot scales are divided by it
    std::array<double, 25> Upper{};
    std::array<double, 26> Rungs{};
    std::array<double, 25> Lower{};
};

// Reads the 77 comma-or-line-separated numbers; missing ones read as 0.
Triangulation ParseTriangulation(std::string_view text);

struct FlatPoint {
    double X = 0, Y = 0; // inches
};

// The strip laid flat. Points[0] is the forward lower point at the origin, Points[1] the forward
// upper point straight above it, Points[i + 2] the vertex that triangle i adds.
struct DevelopedStrip {
    std::vector<FlatPoint> Points;
    std::vector<bool> OnUpperEdge;                 // per point
    std::vector<std::array<int, 3>> Triangles;     // per triangle: lower, upper, added point
    std::vector<int> Lower, Upper;                 // point indices along each edge, forward to aft
    double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0; // bounding box of the points
};

// Lays the triangles flat one after another, each new vertex on the far side of the side it
// shares with the triangle before, so the strip never folds. Pure: no files, no drawing.
DevelopedStrip DevelopStrip(const Triangulation& tri);

// The outline points in cutting order (lower edge forward to aft, upper edge aft to forward),
// a point dropped when it prints like the one before to a tenth of an inch; at most 51. When
// lowerCount is given it receives how many of them belong to the lower edge; sharedAftCorner
// receives whether the upper edge's aft point was dropped as printing like the lower edge's (the
// edges meet there, as at a pointed stern).
std::vector<FlatPoint> OutlinePoints(const DevelopedStrip& strip, std::size_t* lowerCount = nullptr,
                                     bool* sharedAftCorner = nullptr);

// The smooth outline through the points: per span, the samples at t = 0..10 (both ends
// included) of a not-a-knot cubic spline through the points taken at t = 10 k. With aftCorner
// the index of the aft point of the lower edge, each edge has its own spline and the span from
// that point to the next (the aft rung) is straight; without it one spline runs through all.
// With sharedAftCorner the edges meet at aftCorner: the upper edge's curve starts there and no
// span is straight.
std::vector<std::array<FlatPoint, 11>> OutlineSpans(const std::vector<FlatPoint>& points,
                                                    std::size_t aftCorner = SIZE_MAX,
                                                    bool sharedAftCorner = false);

// The plot file text of a developed panel at the given (already divided) scales.
std::string ExpandedPanelPlot(const DevelopedStrip& strip, double plotXScale, double plotYScale,
                              const std::string& date, const StrokeFont& font, StatusBar& status);

// The name of a panel's plot file: the triangulation file name up to its first "." and "UC".
std::string ExpandedPanelName(std::string_view triangulationName);

// Develops every panel of the run (deck, keel, soles as chosen, then the chine panels) from its
// triangulation text among the run's files into its plot text, added to them; a panel without
// a triangulation is skipped. Each panel is drawn on the canvas when one is given.
void ExpandPanels(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                  StatusBar& status, Canvas* canvas = nullptr);

} // namespace merrowin
