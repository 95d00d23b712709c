// Full-size patterns from a pattern run: the pieces the run left in the working folder, read
// from their plot files at the plotter scale as the DXF and HPGL exports read them, and tiled
// over printer pages. This is the one call behind "Patterns, Print Full Size" and merrowin-cli
// tiles; drawing the pages is DrawFullSizePage (tiles/TilePages.h).
#pragma once

#include <string>
#include <vector>

#include "app/Working.h"
#include "io/Files.h"
#include "model/Hull.h"
#include "tiles/TilePlan.h"

namespace merrowin {

struct FullSizeOptions {
    TilePaper Paper = TilePaper::Letter;
    TileUnits Units = TileUnits::Inches;
    // The pieces to print, as FullSizePieces names them (compared without regard to case), in
    // any order; empty for all of them. They print in the order FullSizePieces gives.
    std::vector<std::string> Pieces;
};

// The pieces that can be printed: every piece of the hand plot order (stem, transom, bulkheads,
// deck, keel, soles, frames, chine panels) whose plot file is in the folder. The sheet outline
// and the waterplane are not pieces.
std::vector<std::string> FullSizePieces(const fs::path& folder, const HullDocument& hull);

// The printout of the chosen pieces. The plotter scale is read again first, from the scales of
// `work`, as every export does; the title is the hull file name. A chosen name that is not an
// available piece is named in LeftOut.
TileDocument PlanFullSize(const fs::path& folder, const HullDocument& hull,
                          const WorkingValues& work, const FullSizeOptions& options);

} // namespace merrowin
