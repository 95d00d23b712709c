// The nesting window's state: the pattern pieces read from the hand plot file, their copies,
// where they lie on the row of sheets, and the selection.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace merrowin {

// The window's arrays end here; a hand plot file with more keeps the first ones.
inline constexpr int MaxNestPieces = 30;
inline constexpr int MaxNestPoints = 50;

// No coordinate, position or sheet size goes beyond this many inches, so that sums and
// products of them stay finite.
inline constexpr double MaxNestInches = 100000;

// Picks reach this far (inches) from a piece's handle.
inline constexpr double PickReach = 12;

struct NestPoint {
    double X = 0, Y = 0;
};

// One outline on the sheets: a piece itself or its copy. The points are in inches relative to
// the position, which is the pick handle; the position is in sheet-row inches.
struct NestShape {
    std::vector<NestPoint> Points; // at most MaxNestPoints
    bool Placed = false;
    double PositionX = 0, PositionY = 0;
};

struct NestPiece {
    std::string Name;             // the plot file name, e.g. "chine1.uc" (a List1 entry)
    double Width = 0, Height = 0; // of the outline's box as read
    NestShape Piece;
    NestShape Copy; // starts with the piece's outline, then flipped and turned on its own
};

// Sheets of Length along X and Width along Y, Count of them end to end: sheet s covers X from
// (s - 1) Length to s Length.
struct NestSheets {
    int Count = 3;      // Option1..Option3: 3, 4 or 5
    double Width = 48;  // Text1
    double Length = 96; // Text2
};

struct NestState {
    std::vector<NestPiece> Pieces; // PieceCount = Pieces.size(), at most MaxNestPieces
    NestSheets Sheets;
    // The last pick: an index into Pieces (-1 none) and whether the copy was hit.
    int SelectedPiece = -1;
    bool SelectedIsCopy = false;
    // A press that picked a shape starts a drag; the grab keeps the pointer's offset from the
    // handle so the shape does not jump to the pointer.
    bool Dragging = false;
    double GrabX = 0, GrabY = 0;
};

// The shape the selection names, or null when nothing is selected.
NestShape* SelectedShape(NestState& state);
const NestShape* SelectedShape(const NestState& state);

// The name a shape goes by in the view, the listing and the printout.
std::string ShapeName(const NestPiece& piece, bool isCopy);

// Sheet sizes as the boxes Text1 (width) and Text2 (length) give them, read leniently and kept
// between 0 and MaxNestInches.
void SetSheetSize(NestSheets& sheets, std::string_view widthText, std::string_view lengthText);
// Option1..Option3: 3, 4 or 5 sheets; any other count is brought into that range.
void SetSheetCount(NestSheets& sheets, int count);

// Keeps a coordinate within MaxNestInches.
double ClampInches(double value);

// "-->" (Check1) as the hull file keeps it in NestOption: a tick stores the number 1 or 0 as it
// prints (" 1 ", " 0 "). Any text is read leniently, and a value other than 0 counts as checked.
bool NestOptionChecked(std::string_view option);
std::string NestOptionText(bool checked);

} // namespace merrowin
