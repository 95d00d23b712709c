// Leveling: developed panels turned about the origin onto their least-squares line.
#include "patterns/Leveling.h"

#include <cmath>
#include <optional>
#include <vector>

#include "io/PlotFile.h"
#include "patterns/PatternFiles.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

// Points are every coordinate, ruling-line, mark and spline line, whatever the pen does.
bool IsPointLine(std::string_view line) {
    return PlotLineHas(line, "acut") || PlotLineHas(line, "aline") ||
           PlotLineHas(line, "spline_pt");
}

// A plot file's lines with its point lines parsed, once for both passes.
struct ParsedPlot {
    std::vector<std::string> Lines;
    std::vector<std::optional<PlotTokens>> Points; // per line; nothing for other lines
};

ParsedPlot Parse(std::string_view plotText) {
    ParsedPlot plot;
    plot.Lines = SplitLines(plotText);
    plot.Points.resize(plot.Lines.size());
    for (std::size_t i = 0; i < plot.Lines.size(); ++i) {
        if (IsPointLine(plot.Lines[i])) {
            plot.Points[i] = TokenisePlotLine(plot.Lines[i], false);
        }
    }
    return plot;
}

double FitAngle(const ParsedPlot& plot, double plotXScale, double plotYScale) {
    if (plotXScale == 0 || plotYScale == 0) {
        return 0;
    }
    // The sums are kept in plotter units (whole numbers, exact in a double for any real panel)
    // and the slope brought to inches at the end: m = (n Sxy - Sx Sy) / (n Sxx - Sx^2). So a
    // panel whose points all share one x gives a denominator of exactly 0 rather than rounding
    // noise that would read as a steep slope.
    double n = 0, sx = 0, sy = 0, sxy = 0, sxx = 0;
    for (const std::optional<PlotTokens>& t : plot.Points) {
        if (!t) {
            continue;
        }
        n += 1;
        sx += t->X;
        sy += t->Y;
        sxy += t->X * t->Y;
        sxx += t->X * t->X;
    }
    const double numerator = n * sxy - sx * sy;
    const double denominator = n * sxx - sx * sx;
    // All points on one vertical line (or none): no slope to fit, the panel is not turned.
    if (!(denominator > 1e-12 * n * sxx) || !std::isfinite(numerator)) {
        return 0;
    }
    const double slope = numerator / denominator * plotXScale / plotYScale;
    return -std::atan(slope);
}

std::string Turn(const ParsedPlot& plot, double angle, double plotXScale, double plotYScale) {
    TextOut out;
    const double c = std::cos(angle), s = std::sin(angle);
    for (std::size_t i = 0; i < plot.Lines.size(); ++i) {
        const std::optional<PlotTokens>& t = plot.Points[i];
        if (!t || plotXScale == 0 || plotYScale == 0) {
            out.Line(plot.Lines[i]);
            continue;
        }
        const double x = t->X / plotXScale, y = t->Y / plotYScale;
        const double turnedX = x * c - y * s, turnedY = x * s + y * c;
        // The "0" format: the 15-digit form rounded to a whole number, halves away from zero.
        out.Line(WholeNumberText(turnedX * plotXScale) + " " +
                 WholeNumberText(turnedY * plotYScale) + t->Rest);
    }
    return out.Content();
}

} // namespace

double LevelingAngle(std::string_view plotText, double plotXScale, double plotYScale) {
    return FitAngle(Parse(plotText), plotXScale, plotYScale);
}

std::string TurnPlot(std::string_view plotText, double angle, double plotXScale,
                     double plotYScale) {
    return Turn(Parse(plotText), angle, plotXScale, plotYScale);
}

void LevelPatterns(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                   StatusBar& status) {
    for (const std::string& panel : PanelNames(hull, run.Options)) {
        const std::string name = panel + ".uc";
        status.SetPanel(1, "Leveling..." + name);
        std::string* text = files.Find(run.Folder, name);
        if (text == nullptr) {
            continue;
        }
        const ParsedPlot plot = Parse(*text);
        const double angle = FitAngle(plot, run.PlotXScale, run.PlotYScale);
        *text = Turn(plot, angle, run.PlotXScale, run.PlotYScale);
    }
    status.SetPanel(1, "Done...");
}

} // namespace merrowin
