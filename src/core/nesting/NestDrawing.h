// The nesting window's sheet view: its view modes and scrolling, and the drawing of the sheets
// and the placed pieces through the canvas.
#pragma once

#include "nesting/NestCommands.h"
#include "nesting/NestState.h"
#include "ui/Canvas.h"

namespace merrowin {

// The caption of the view button (Command7); a click moves it on to the next one.
enum class NestViewMode { Wide, Full, False };
const char* ViewButtonCaption(NestViewMode mode);
NestViewMode NextViewMode(NestViewMode mode);
// Whether a click on the button showing `mode` widens the sheet view to the window's width less
// 240 twips ("Wide View" and "Full View" do, "False View" does not).
bool ViewClickWidens(NestViewMode mode);

// The sheet view's left edge in twips: where the sheet options and size boxes put it back, and
// where Image3 / the right arrow and Image4 / the left arrow move it.
inline constexpr int SheetViewHomeLeft = 120;
int SheetViewScrolledRight(int left); // +3000 while the left edge is below 120
int SheetViewScrolledLeft(int left);  // -3000, never below -32767

// The user coordinates of the sheet view on a picture of the given pixel size. The top left
// corner is always (-1.5, -1.5), a margin of 1.5 inches round the sheets, and a unit is as tall
// as it is wide. Normally the row of sheets fills the picture's width (its lower part may fall
// below a low picture); in "False View" the whole row fits the picture both ways.
struct NestViewScale {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};
NestViewScale SheetViewScale(const NestSheets& sheets, NestViewMode mode, double pixelWidth,
                             double pixelHeight);

// Repaint of Picture1: the sheets (colour 7) with their numbers, then every placed piece and
// placed copy: its handle (a circle in colour 5), its outline, and its name while "Aa" is
// checked (`names`).
void DrawSheetView(Canvas& picture, const NestState& state, NestViewMode mode, bool names);

// The read-out's mark: a cross of two 1-inch lines (colours 13 and 12) on the point found.
// Drawn over the repainted view; nothing when no point was found.
void DrawReadOutCross(Canvas& picture, const NestReadOut& readOut);

} // namespace merrowin
