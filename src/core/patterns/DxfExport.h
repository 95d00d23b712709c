// DXF export: each plot file of a run as a two-dimensional DXF drawing in inches.
#pragma once

#include <string>
#include <string_view>

#include "io/FileBatch.h"
#include "model/Hull.h"
#include "patterns/PatternRun.h"
#include "ui/Services.h"

namespace merrowin {

// The DXF text of one plot file's text at the given scales.
std::string PlotToDxf(std::string_view plotText, double plotXScale, double plotYScale);

// Adds "<piece>.dxf" in the export folder to the run's files for every plot text of the run;
// stale "chine*.dxf" files of the working folder go when the files are put in place. Fails
// when a piece's plot text is missing.
Outcome ExportDxf(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                  StatusBar& status);

} // namespace merrowin
