// PDF output of the command line: present when merrowin-cli is built with Qt (pdf/PdfQt.cpp),
// otherwise every PDF command says so and exits 2 (pdf/PdfMissing.cpp).
#pragma once

#include <filesystem>
#include <vector>

#include "io/Outcome.h"
#include "nesting/NestPages.h"
#include "tiles/TilePlan.h"

namespace merrowin::cli {

inline constexpr const char* NoPdfSupport = "merrowin-cli: built without PDF support";

bool PdfSupported();

// The nesting pages, one a sheet, and the full-size patterns, as PDF files. Each starts what a
// PDF needs for its fonts (a GUI application on the offscreen platform, so no display is
// needed) for the length of the call.
Outcome WriteNestPdfFile(const std::filesystem::path& file, const std::vector<NestPage>& pages);
Outcome WriteFullSizePdfFile(const std::filesystem::path& file, const TileDocument& document);

} // namespace merrowin::cli
