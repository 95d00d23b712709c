// The read-only context of one pattern run: where it reads and writes, and the scales, time,
// font and options every stage of the run shares, each taken once when the run starts.
#pragma once

#include <ctime>
#include <string>

#include "io/Files.h"
#include "patterns/PatternOptions.h"
#include "patterns/StrokeFont.h"

namespace merrowin {

struct PatternRun {
    fs::path Folder;       // the working folder: plot, triangulation and hand-plot files
    fs::path ExportFolder; // DXF and HPGL exports; the working folder when no path is set
    double PlotXScale = 500, PlotYScale = 500; // plotter units per inch
    std::tm When{};                            // the run's local time
    std::string Date;                          // "mm-dd-yyyy" of When, for plot file headers
    StrokeFont Font;                           // no glyphs (Found false) when there is no font
    PatternOptions Options;                    // the boxes as the run's start left them
    std::string HullFileName;
};

// The context of a run starting now: the plotter scale read once (starting from the scales
// given, which a missing scale file keeps), the font loaded once, the export folder resolved.
PatternRun StartPatternRun(const fs::path& folder, const PatternOptions& options,
                           const std::string& hullFileName, double plotXScale, double plotYScale);

} // namespace merrowin
