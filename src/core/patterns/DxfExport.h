// DXF export: each plot file of a run as a two-dimensional DXF drawing in inches.
#pragma once

#include <string>
#include <string_view>

#include "io/Files.h"
#include "model/Hull.h"
#include "app/Working.h"
#include "ui/Services.h"

namespace merrowin {

// The DXF text of one plot file's text at the given scales.
std::string PlotToDxf(std::string_view plotText, double plotXScale, double plotYScale);

// Writes "<piece>.dxf" into the export folder for every plot file of the run; stale
// "chine*.dxf" files of the working folder are deleted first.
void ExportDxf(const fs::path& folder, const HullDocument& hull, WorkingValues& work,
               StatusBar& status);

} // namespace merrowin
