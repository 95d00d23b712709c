// Leveling: each developed panel turned about the origin so its best-fit line runs along x.
#pragma once

#include <string>
#include <string_view>

#include "io/FileBatch.h"
#include "model/Hull.h"
#include "patterns/PatternRun.h"
#include "ui/Services.h"

namespace merrowin {

// The turning angle (radians) that levels the points of a plot file's text: minus the arctangent
// of the slope of their least-squares line, in inches.
double LevelingAngle(std::string_view plotText, double plotXScale, double plotYScale);

// The plot file text with every point line turned by the angle about the origin; other lines
// stay as they are.
std::string TurnPlot(std::string_view plotText, double angle, double plotXScale, double plotYScale);

// Levels the developed panels among the run's files, each text replaced by its turned form (no
// working file is ever written). A panel the run did not develop is skipped.
void LevelPatterns(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                   StatusBar& status);

} // namespace merrowin
