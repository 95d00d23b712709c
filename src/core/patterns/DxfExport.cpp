// DXF export: plot files translated into two-dimensional DXF drawings in inches.
#include "patterns/DxfExport.h"

#include <sstream>
#include <utility>
#include <vector>

#include "io/DxfWriter.h"
#include "io/PlotFile.h"
#include "patterns/PatternFiles.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

// A position in inches with its printed numbers: each LINE starts where the last one ended,
// so every number is printed once.
struct Position {
    std::string X = PrintNumber(0), Y = PrintNumber(0);
};

Position ReadPosition(std::string_view line, double plotXScale, double plotYScale) {
    const PlotTokens t = TokenisePlotLine(line, false);
    return {PrintNumber(t.X / plotXScale), PrintNumber(t.Y / plotYScale)};
}

} // namespace

std::string PlotToDxf(std::string_view plotText, double plotXScale, double plotYScale) {
    std::ostringstream out;
    DxfBeginEntities(out);
    if (plotXScale != 0 && plotYScale != 0) {
        const std::vector<std::string> lines = SplitLines(plotText);
        bool penDown = false;
        Position previous, current;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            if (PlotLineHas(line, "penup")) {
                penDown = false;
            } else if (PlotLineHas(line, "pendown")) {
                penDown = true;
            } else if (PlotLineHas(line, "acut") || PlotLineHas(line, "aline")) {
                previous = std::move(current);
                current = ReadPosition(line, plotXScale, plotYScale);
                if (penDown) {
                    DxfLine(out, previous.X, previous.Y, current.X, current.Y);
                }
            } else if (PlotLineHas(line, "start_spline")) {
                // Every line of the block is one point up to the end line or the end of the
                // file; a block with no line after it draws nothing. The pen is not changed.
                if (i + 1 >= lines.size()) {
                    break;
                }
                previous = ReadPosition(lines[++i], plotXScale, plotYScale);
                DxfBeginPolyline(out, false);
                DxfVertex(out, previous.X, previous.Y);
                while (i + 1 < lines.size() && !PlotLineHas(lines[i + 1], "end_spline")) {
                    current = ReadPosition(lines[++i], plotXScale, plotYScale);
                    DxfVertex(out, current.X, current.Y);
                }
                ++i; // the end line, when there is one
                DxfEndPolyline(out);
            }
        }
    }
    DxfEndEntities(out);
    return std::move(out).str();
}

Outcome ExportDxf(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                  StatusBar& status) {
    return ExportPieces(run, hull, files, status, ".dxf", "DXF", PlotToDxf);
}

} // namespace merrowin
