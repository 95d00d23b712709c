// HPGL export: each plot file of a run as a pen-plotter file at 1016 units per inch.
#pragma once

#include <string>
#include <string_view>

#include "io/FileBatch.h"
#include "model/Hull.h"
#include "patterns/PatternRun.h"
#include "ui/Services.h"

namespace merrowin {

// The HPGL text of one plot file's text at the given scales.
std::string PlotToHpgl(std::string_view plotText, double plotXScale, double plotYScale);

// Adds "<piece>.plt" in the export folder to the run's files for every plot text of the run;
// stale "chine*.plt" files of the working folder go when the files are put in place. Fails
// when a piece's plot text is missing.
Outcome ExportHpgl(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                   StatusBar& status);

} // namespace merrowin
