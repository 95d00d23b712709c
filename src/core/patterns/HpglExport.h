// HPGL export: each plot file of a run as a pen-plotter file at 1016 units per inch.
#pragma once

#include <string>
#include <string_view>

#include "io/Files.h"
#include "model/Hull.h"
#include "app/Working.h"
#include "ui/Services.h"

namespace merrowin {

// The HPGL text of one plot file's text at the given scales.
std::string PlotToHpgl(std::string_view plotText, double plotXScale, double plotYScale);

// Writes "<piece>.plt" into the export folder for every plot file of the run; stale
// "chine*.plt" files of the working folder are deleted first.
void ExportHpgl(const fs::path& folder, const HullDocument& hull, WorkingValues& work,
                StatusBar& status);

} // namespace merrowin
