// The pages of a full-size printout: the assembly map and the tiles, as lines, circles and texts
// in page inches, drawn through the canvas on a canvas that covers the whole sheet of paper.
#pragma once

#include <string>
#include <vector>

#include "tiles/TilePlan.h"
#include "ui/Canvas.h"
#include "ui/SegmentClip.h"

namespace merrowin {

// Page inches from the sheet's top left corner, y down.
struct PageLine {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int Colour = ForegroundColour;
};
struct PageCircle {
    double X = 0, Y = 0, Radius = 0;
    int Colour = ForegroundColour;
};
// A text in the foreground colour with its top left corner at (X, Y). Texts are laid out for
// the 9-point font the printouts use (about 0.075 in a character, 0.18 in a line).
struct PageText {
    double X = 0, Y = 0;
    std::string Text;
};

struct PrintedPage {
    double Width = 0, Height = 0; // the sheet
    // Guides, alignment crosses, the calibration square and the map's tile boxes, drawn first.
    std::vector<PageLine> Furniture;
    std::vector<PageCircle> Circles;
    // The pattern's own lines: at 1:1 on a tile page, in miniature on the map.
    std::vector<PageLine> Pattern;
    std::vector<PageText> Texts;
    ClipRect Calibration; // the calibration square
};

// The colours of the printouts: cut lines (pen 0) black, auxiliary lines (pen 1) dark blue,
// guides light grey, alignment crosses dark red, the calibration square dark grey, and on the
// map the boxes of printed pages green and of pages left out light grey.
int PatternColour(int pen);
inline constexpr int GuideColour = Colour::LightGrey;
inline constexpr int CrossColour = Colour::Red;
inline constexpr int CalibrationColour = Colour::DarkGrey;
inline constexpr int PrintedTileColour = Colour::Green;
inline constexpr int MissingTileColour = Colour::LightGrey;

// Half the length of an alignment cross's arms and the radius of its circle, inches.
inline constexpr double CrossArm = 0.2;
inline constexpr double CrossRadius = 0.1;

// Page `page` (1-based; 1 is the map) of the document; an empty page of the paper's size when
// there is no such page.
PrintedPage FullSizePage(const TileDocument& document, int page);
PrintedPage MapPage(const TileDocument& document);
PrintedPage TilePage(const TileDocument& document, const TiledPiece& piece, const PieceTile& tile);

// Draws a page on a canvas that covers the whole sheet (its user coordinates become page
// inches), guarded against numbers that are not finite.
void DrawPrintedPage(Canvas& canvas, const PrintedPage& page);
// FullSizePage drawn.
void DrawFullSizePage(Canvas& canvas, const TileDocument& document, int page);

} // namespace merrowin
