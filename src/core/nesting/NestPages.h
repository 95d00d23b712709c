// The printout of the nesting: one page per sheet, with the outlines that lie on it in the
// sheet's own coordinates, and the warning shown before printing.
#pragma once

#include <string>
#include <vector>

#include "nesting/NestState.h"
#include "ui/Canvas.h"
#include "ui/Services.h"

namespace merrowin {

struct NestSegment {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// A placed piece or copy on one sheet: its closed outline cut at the sheet's edges, and where
// its name goes (the middle of the part on this sheet).
struct NestPagePiece {
    std::string Name; // "Copy of " and the piece name for a copy
    std::vector<NestSegment> Segments;
    double LabelX = 0, LabelY = 0;
};

// Sheet s of Count, Length along X and Width along Y, in the sheet's inches (0..Length, 0..Width).
struct NestPage {
    int Sheet = 1;
    std::string Title;
    double Length = 0, Width = 0;
    std::vector<NestPagePiece> Pieces;
};

// "Merrowin " and the width, length, sheet and count joined by " x", ", sheet" and " of", each
// number in the print form with its leading blank: "Merrowin  48 x 96, sheet 1 of 3".
std::string NestPageTitle(const NestSheets& sheets, int sheet);

// The page of sheet s (1..Count): every placed piece and placed copy with a part on it.
NestPage NestSheetPage(const NestState& state, int sheet);
// The pages of every sheet, in order.
std::vector<NestPage> NestPages(const NestState& state);

// Draws a page on a printer page (or any canvas): the title, the sheet outline and the pieces
// with their names, the sheet as large as the page allows at true aspect. `inset` pixels along
// every edge of the canvas stay blank (the margin a printer cannot print on).
void DrawNestPage(Canvas& page, const NestPage& sheetPage, double inset = 0);

// The warning before "Print"; printing goes on only on OK.
inline constexpr const char* NestPrintWarningTitle = "Beta Print: Beware";
inline constexpr const char* NestPrintWarningText =
    "Tarvo does NOT print well on ALL printers, so there's NO GUARANTEE you'll get good "
    "results.\n\nIf you have a good CAD program, Tarvo recommends you export/import DXF and "
    "print from there.\n\nPress ''OK'' to continue to Print...";
bool ConfirmNestPrint(Dialogs& dialogs);

} // namespace merrowin
