// Full-size patterns tiled over sheets of printer paper: the paper, each piece's grid of pages
// with their overlaps and labels, which pages carry ink, and the page numbers.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tiles/PlotSegments.h"
#include "ui/SegmentClip.h"

namespace merrowin {

enum class TilePaper { Letter, A4 };
// The units of the sizes the assembly map prints (the pattern itself is always 1:1).
enum class TileUnits { Inches, Millimetres };

// Inches every page shares with each neighbour; an alignment cross marks each corner square of
// the overlaps, so two pages are laid one over the other cross on cross.
inline constexpr double TileOverlap = 0.5;
// A piece needing more pages than this is left out (a plot file with absurd coordinates would
// otherwise ask for millions of pages); a 30 ft deck on Letter paper needs about 300.
inline constexpr int MaxTilesPerPiece = 1000;

// A sheet of paper, portrait, and what each page keeps for itself, in inches from the sheet's
// top left corner (y down). Home printers cannot print to the edge, so nothing is drawn in the
// margin; the label line sits above the tile area.
struct PaperLayout {
    TilePaper Paper = TilePaper::Letter;
    std::string Name;             // "Letter", "A4"
    double Width = 0, Height = 0; // the sheet
    double Margin = 0.5;          // every side
    double HeaderHeight = 0.35;   // the label line
    double CalibrationSide = 0;   // 4 in on Letter, 100 mm on A4
    std::string CalibrationText;  // "4 in", "100 mm"

    // The tile area: the part of a piece one page shows at 1:1.
    double TileLeft() const { return Margin; }
    double TileTop() const { return Margin + HeaderHeight; }
    double TileWidth() const { return Width - 2 * Margin; }
    double TileHeight() const { return Height - 2 * Margin - HeaderHeight; }
    // How far the next page along moves over the piece.
    double StepX() const { return TileWidth() - TileOverlap; }
    double StepY() const { return TileHeight() - TileOverlap; }
};
PaperLayout PaperLayoutOf(TilePaper paper);

// A piece as its plot file draws it, in inches, pattern axes (y up), with the box of its
// segments (pen-up moves do not count).
struct PieceDrawing {
    std::string Name;
    std::vector<PlotSegment> Segments;
    double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
};
// The drawing of a piece from its segments, the box taken from them.
PieceDrawing MakePieceDrawing(std::string name, std::vector<PlotSegment> segments);

// The pages over a piece: Rows x Columns tiles, row 0 at the top of the piece (largest y),
// column 0 at its left; the grid is centred on the piece's box, so no line runs along its edge.
struct PieceGrid {
    double Left = 0, Top = 0; // pattern inches of the grid's top left corner
    int Rows = 0, Columns = 0;
    double TileWidth = 0, TileHeight = 0, StepX = 0, StepY = 0;

    // The part of the piece tile (row, column) shows, in pattern inches.
    ClipRect TileRect(int row, int column) const;
    // The whole grid, overlaps included.
    ClipRect Extent() const;
};
// The smallest grid of tiles that holds the piece's box. Rows or Columns of 0 when it would need
// more than MaxTilesPerPiece tiles.
PieceGrid GridFor(const PieceDrawing& drawing, const PaperLayout& paper);

// One page of a piece. Page is its number in the document (the map is page 1), 0 when the tile
// holds no ink and is left out.
struct PieceTile {
    int Row = 0, Column = 0;
    bool Inked = false;
    int Page = 0;
};

struct TiledPiece {
    PieceDrawing Drawing;
    PieceGrid Grid;
    std::vector<PieceTile> Tiles; // row by row, the top row first, left to right
    int PrintedCount() const;
};

// A printed page: the map (Piece -1), or a tile of a piece.
struct TilePageRef {
    int Piece = -1;
    int Tile = -1;
};

// Everything the printout holds: page 1 is the assembly map, then the inked tiles of each piece
// in turn, row by row.
struct TileDocument {
    PaperLayout Paper;
    TileUnits Units = TileUnits::Inches;
    std::string Title; // the hull file name
    std::vector<TiledPiece> Pieces;
    std::vector<std::string> LeftOut; // "NAME (the reason)" for each piece not printed
    std::vector<TilePageRef> Pages;   // Pages[0] is the map
    int PageCount() const { return static_cast<int>(Pages.size()); }
};

// The row letters: 0 "A" .. 25 "Z", then 26 "AA", 27 "AB" ...
std::string RowLetters(int row);
// The label of a tile, row letter and column number from 1: row 1, column 2 gives "B3".
std::string TileLabel(int row, int column);

// Whether any segment leaves ink inside the rectangle (pattern inches).
bool HasInk(const std::vector<PlotSegment>& segments, const ClipRect& rect);

// Lays the pieces out in the order given. A piece without segments, or one too large, is left
// out and named in LeftOut.
TileDocument PlanTiles(std::vector<PieceDrawing> pieces, TilePaper paper, TileUnits units,
                       std::string title);

} // namespace merrowin
