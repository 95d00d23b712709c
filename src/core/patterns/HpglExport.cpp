// HPGL export: plot files translated into pen-plotter moves at 1016 units per inch.
#include "patterns/HpglExport.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "io/PlotFile.h"
#include "patterns/PatternFiles.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr double HpglUnitsPerInch = 1016;

// Str() of a whole number: a leading blank when not negative.
std::string SignedText(std::int64_t value) {
    return value >= 0 ? " " + IntText(value) : IntText(value);
}

// Plot units to plotter units: the coordinate kept in single precision, as the plotter files
// have always been computed, then scaled and floored.
std::int64_t PlotterUnits(double plotUnits, double plotScale) {
    // Beyond the single range the value is used as it is (IntFloor clamps it anyway).
    const double kept = std::fabs(plotUnits) <= std::numeric_limits<float>::max()
                            ? static_cast<double>(static_cast<float>(plotUnits))
                            : plotUnits;
    return IntFloor(kept * HpglUnitsPerInch / plotScale);
}

} // namespace

std::string PlotToHpgl(std::string_view plotText, double plotXScale, double plotYScale) {
    TextOut out;
    out.Line("SP 1;");
    if (plotXScale == 0 || plotYScale == 0) {
        return out.Content();
    }
    // Pen 0 draws the cut outlines (plotter pen 3), pen 1 everything else (plotter pen 1). A
    // numbered pen statement gives "PU "/"PD " with a blank, a bare one "PU"/"PD" and pen 1.
    std::string command = "PU ";
    int pen = 0, selectedPen = 0;
    for (const std::string& line : SplitLines(plotText)) {
        if (PlotLineHas(line, "0 penup")) {
            command = "PU ";
            pen = 0;
        } else if (PlotLineHas(line, "0 pendown")) {
            command = "PD ";
            pen = 0;
        } else if (PlotLineHas(line, "1 penup")) {
            command = "PU ";
            pen = 1;
        } else if (PlotLineHas(line, "1 pendown")) {
            command = "PD ";
            pen = 1;
        } else if (PlotLineHas(line, "pendown")) {
            command = "PD";
            pen = 1;
        } else if (PlotLineHas(line, "penup")) {
            command = "PU";
            pen = 1;
        }
        if (!PlotLineHas(line, "acut")) {
            continue;
        }
        const PlotTokens t = TokenisePlotLine(line, true);
        if (pen != selectedPen) {
            out.Line(pen == 1 ? "SP 1;" : "SP 3;");
            selectedPen = pen;
        }
        out.Line(command + SignedText(PlotterUnits(t.X, plotXScale)) + ", " +
                 SignedText(PlotterUnits(t.Y, plotYScale)) + ";");
    }
    return out.Content();
}

Outcome ExportHpgl(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                   StatusBar& status) {
    return ExportPieces(run, hull, files, status, ".plt", "HPGL", PlotToHpgl);
}

} // namespace merrowin
