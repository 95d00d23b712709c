// Leveling: each developed panel turned about the origin so its best-fit line runs along x.
#pragma once

#include <string>
#include <string_view>

#include "io/Files.h"
#include "model/Hull.h"
#include "app/Working.h"
#include "ui/Services.h"

namespace merrowin {

// The turning angle (radians) that levels the points of a plot file's text: minus the arctangent
// of the slope of their least-squares line, in inches.
double LevelingAngle(std::string_view plotText, double plotXScale, double plotYScale);

// The plot file text with every point line turned by the angle about the origin; other lines
// stay as they are.
std::string TurnPlot(std::string_view plotText, double angle, double plotXScale, double plotYScale);

// Levels the developed panels of the run in the folder, each written straight over its own
// plot file (no working file is left in the folder).
void LevelPatterns(const fs::path& folder, const HullDocument& hull, WorkingValues& work,
                   StatusBar& status);

} // namespace merrowin
