// The waterplane plot file "watrplne.uc": the outline of the waterline, both halves.
#pragma once

#include <string>

#include "hydro/WaterlineCalc.h"
#include "io/Files.h"

namespace merrowin {

inline constexpr const char* WaterplaneFileName = "watrplne.uc";

// The file's text for an outline (31 lines: header, the starboard half from stem to transom, the
// port half back to the stem). `date` is the header's "mm-dd-yyyy".
std::string WaterplaneFileText(const WaterplaneOutline& outline, double plotXScale,
                               double plotYScale, const std::string& date);

// Writes "watrplne.uc" into the folder, dated today.
Outcome WriteWaterplaneFile(const fs::path& folder, const WaterplaneOutline& outline,
                            double plotXScale, double plotYScale);

} // namespace merrowin
