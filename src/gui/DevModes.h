// Developer modes of the desktop program: a repaint run for memory figures and screenshots.
#pragma once

#include <filesystem>

namespace merrowin {

// Starts the main window in `folder` with every box answered, shows 30 chines, repaints each
// view a few times and returns (the process's peak memory then covers start-up and repaints).
int RepaintAndQuit(const std::filesystem::path& folder);

// Writes PNG images of the main window with the default hull at six chines into `outFolder`:
// hull.png (the perspective view), sections.png, profile.png, plan.png, zoomed.png and
// waterline.png (the plan at a waterline set with the slider, results list shown); then open.png
// (the Open window with a rig and a figure), rig.png (the main window showing them) and offsets.png
// (the offsets table), and nesting.png (the nesting window with the pieces of a pattern run on
// three sheets). Returns 0 when all were written.
int WriteScreenshots(const std::filesystem::path& outFolder);

} // namespace merrowin
