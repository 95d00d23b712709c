// Plot files (.uc): pen-plot text in integer plotter units, the plotter scale, the line tokeniser.
#pragma once

#include <string>
#include <string_view>

#include "io/Files.h"

namespace merrowin {

// The system-wide plotter scale file, searched before "pm32.dat" and "pmaster.dat" of the
// working folder.
inline constexpr const char* SystemPlotterScaleFile = "/etc/merrowin/pmxp.dat";

// Reads the first existing plotter scale file into the scales (X then Y, plotter units per
// inch); one that cannot be read, or none, leaves them as they are; then a scale that is 0
// becomes 500, and both become their absolute values.
void ReadPlotterScale(const fs::path& folder, double& plotXScale, double& plotYScale,
                      const fs::path& systemFile = SystemPlotterScaleFile);

// "/* TARVO: mm-dd-yyyy Xscale: 500 Yscale: 500 */"
std::string TarvoHeader(const std::string& date, double plotXScale, double plotYScale);
// "/* Hull Xscale: 500 Yscale: 500 mm-dd-yyyy */"
std::string ExpansionHeader(const std::string& date, double plotXScale, double plotYScale);

// Builds a plot file in memory and writes it in one go.
class PlotWriter {
public:
    PlotWriter(double plotXScale, double plotYScale) : xScale_(plotXScale), yScale_(plotYScale) {}
    // "start_plot" and the header line.
    void Begin(std::string_view header);
    // "0 penup", "1 pendown", ...
    void Pen(int pen, bool down);
    // floor(x * PlotXScale) + " " + floor(y * PlotYScale) + " " + keyword; inches in.
    void Coordinate(double xInches, double yInches, std::string_view keyword = "acut");
    // Any other statement, written as it is.
    void Statement(std::string_view line);
    void End(); // "end_plot"
    const std::string& Content() const { return out_.Content(); }
    Outcome WriteTo(const fs::path& folder, std::string_view name) const;
    double XScale() const { return xScale_; }
    double YScale() const { return yScale_; }

private:
    double xScale_, yScale_;
    TextOut out_;
};

// Whether a plot file line holds a keyword anywhere ("0 pendown", "500 0 acut"): the readers
// recognise statements by the words they contain.
inline bool PlotLineHas(std::string_view line, std::string_view word) {
    return line.find(word) != std::string_view::npos;
}

// One coordinate line split by the shared tokeniser: x text up to the first blank, y text up to
// the next blank, the keyword part from that blank on.
struct PlotTokens {
    std::string XText, YText, Rest;
    double X = 0, Y = 0; // plotter units, by the lenient parse
};
// stripLeading: the HPGL export and the hand plot strip leading blanks of the remainder after
// the x text; the DXF export and the leveling step do not.
PlotTokens TokenisePlotLine(std::string_view line, bool stripLeading);

} // namespace merrowin
