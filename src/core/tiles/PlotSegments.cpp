// Plot file text read back as the segments the DXF export draws.
#include "tiles/PlotSegments.h"

#include <cmath>
#include <string>

#include "io/Files.h"
#include "io/PlotFile.h"

namespace merrowin {

namespace {

struct Point {
    double X = 0, Y = 0;
};

Point ReadPoint(std::string_view line, double plotXScale, double plotYScale) {
    const PlotTokens t = TokenisePlotLine(line, false);
    return {t.X / plotXScale, t.Y / plotYScale};
}

void Add(std::vector<PlotSegment>& segments, Point a, Point b, int pen) {
    if (std::isfinite(a.X) && std::isfinite(a.Y) && std::isfinite(b.X) && std::isfinite(b.Y)) {
        segments.push_back({a.X, a.Y, b.X, b.Y, pen});
    }
}

} // namespace

std::vector<PlotSegment> ReadPlotSegments(std::string_view plotText, double plotXScale,
                                          double plotYScale) {
    std::vector<PlotSegment> segments;
    if (plotXScale == 0 || plotYScale == 0 || !std::isfinite(plotXScale) ||
        !std::isfinite(plotYScale)) {
        return segments;
    }
    const std::vector<std::string> lines = SplitLines(plotText);
    bool penDown = false;
    int pen = 1;
    Point current;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (PlotLineHas(line, "penup")) {
            penDown = false;
            pen = PlotLineHas(line, "0 penup") ? 0 : 1;
        } else if (PlotLineHas(line, "pendown")) {
            penDown = true;
            pen = PlotLineHas(line, "0 pendown") ? 0 : 1;
        } else if (PlotLineHas(line, "acut") || PlotLineHas(line, "aline")) {
            const Point previous = current;
            current = ReadPoint(line, plotXScale, plotYScale);
            if (penDown) {
                Add(segments, previous, current, pen);
            }
        } else if (PlotLineHas(line, "start_spline")) {
            // As the DXF export: a block with no line after it ends the reading; the position
            // after the block is its last point when it has more than one.
            if (i + 1 >= lines.size()) {
                break;
            }
            Point chain = ReadPoint(lines[++i], plotXScale, plotYScale);
            while (i + 1 < lines.size() && !PlotLineHas(lines[i + 1], "end_spline")) {
                current = ReadPoint(lines[++i], plotXScale, plotYScale);
                Add(segments, chain, current, pen);
                chain = current;
            }
            ++i; // the end line, when there is one
        }
    }
    return segments;
}

} // namespace merrowin
