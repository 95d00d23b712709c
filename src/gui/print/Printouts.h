// The program's printouts as pages for PaintPages and WritePdf: the full-size patterns and the
// nesting sheets.
#pragma once

#include <filesystem>
#include <vector>

#include "io/Outcome.h"
#include "nesting/NestPages.h"
#include "print/PrintPages.h"
#include "tiles/TilePlan.h"

namespace merrowin {

// The paper of a full-size printout.
PrintPaper FullSizePaper(const TileDocument& document);
// The pages of a full-size printout (DrawFullSizePage); the document must outlive the drawer.
PageDrawer FullSizeDrawer(const TileDocument& document);
// The full-size printout as a PDF file on its own paper.
Outcome WriteFullSizePdf(const std::filesystem::path& file, const TileDocument& document);

// Nesting sheets are printed on Letter paper turned landscape (a sheet is twice as long as it
// is wide), one page a sheet.
PrintPaper NestPaper();
PageDrawer NestDrawer(const std::vector<NestPage>& pages);
Outcome WriteNestPdf(const std::filesystem::path& file, const std::vector<NestPage>& pages);

} // namespace merrowin
