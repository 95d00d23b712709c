// DXF export: plot files translated into two-dimensional DXF drawings in inches.
#include "patterns/DxfExport.h"

#include <utility>
#include <vector>

#include "patterns/PatternFiles.h"
#include "patterns/PlotFile.h"
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

void Group(TextOut& out, std::string_view code, std::string_view value) {
    out.Line(code);
    out.Line(value);
}

void Vertex(TextOut& out, Position p) {
    Group(out, "  0", "VERTEX");
    Group(out, "  8", "0");
    Group(out, " 10", p.X);
    Group(out, " 20", p.Y);
}

} // namespace

std::string PlotToDxf(std::string_view plotText, double plotXScale, double plotYScale) {
    TextOut out;
    Group(out, "  0", "SECTION");
    Group(out, "  2", "ENTITIES");
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
                    Group(out, "  0", "LINE");
                    Group(out, "  8", "0");
                    Group(out, " 10", previous.X);
                    Group(out, " 20", previous.Y);
                    Group(out, " 11", current.X);
                    Group(out, " 21", current.Y);
                }
            } else if (PlotLineHas(line, "start_spline")) {
                // Every line of the block is one point up to the end line or the end of the
                // file; a block with no line after it draws nothing. The pen is not changed.
                if (i + 1 >= lines.size()) {
                    break;
                }
                previous = ReadPosition(lines[++i], plotXScale, plotYScale);
                Group(out, "  0", "POLYLINE");
                Group(out, "  8", "0");
                Group(out, " 66", "     1");
                Group(out, " 10", "0.0");
                Group(out, " 20", "0.0");
                Vertex(out, previous);
                while (i + 1 < lines.size() && !PlotLineHas(lines[i + 1], "end_spline")) {
                    current = ReadPosition(lines[++i], plotXScale, plotYScale);
                    Vertex(out, current);
                }
                ++i; // the end line, when there is one
                Group(out, "  0", "SEQEND");
            }
        }
    }
    Group(out, "  0", "ENDSEC");
    Group(out, "  0", "EOF");
    return out.Content();
}

void ExportDxf(const fs::path& folder, const HullDocument& hull, WorkingValues& work,
               StatusBar& status) {
    ExportPieces(folder, hull, work, status, ".dxf", "DXF", PlotToDxf);
}

} // namespace merrowin
