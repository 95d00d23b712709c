// The hand plotting listing "handplot.txt": every marked point in inches, eighths and millimetres.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "io/FileBatch.h"
#include "model/Hull.h"
#include "patterns/PatternRun.h"
#include "ui/Services.h"

namespace merrowin {

inline constexpr const char* HandPlotFileName = "handplot.txt";

// One point line: x and y in plotter units, at the scales, as six zoned items.
std::string HandPlotPointLine(double x, double y, double plotXScale, double plotYScale);

// The piece line and the point lines of one plot file's text (CR LF ends).
std::string HandPlotPiece(std::string_view pieceName, std::string_view plotText, double plotXScale,
                          double plotYScale);

// The title and column heads for the hull file name at the given local time.
std::string HandPlotHead(std::string_view hullFileName, const std::tm& when);

// Adds "handplot.txt" of the working folder to the run's files, listing the run's plot texts.
void WriteHandPlot(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                   StatusBar& status);

} // namespace merrowin
