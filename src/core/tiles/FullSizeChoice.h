// What the full-size printing window offers and says: the file it suggests, the units that go
// with each paper, and the texts of its page counts.
#pragma once

#include <string>

#include "tiles/TilePlan.h"

namespace merrowin {

// The file the window suggests, in the working folder; also where printing goes when the
// system has no printer.
inline constexpr const char* FullSizePdfName = "patterns.pdf";

// What the window says when the working folder holds no pattern piece.
inline constexpr const char* NoPatternPiecesText = "Run Save, Create first";

// The paper's own units for the sizes on the map: inches on Letter, millimetres on A4.
TileUnits PaperUnits(TilePaper paper);

// "1 page", "248 pages".
std::string PageCountText(int pages);

// What the status line says of a written or printed document, after its name: "patterns.pdf: 248
// pages", and how many pieces the map shows as left out, when any.
std::string FullSizeDoneText(const std::string& name, const TileDocument& document);

} // namespace merrowin
