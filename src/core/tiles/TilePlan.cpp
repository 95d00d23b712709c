// The grid of pages over each piece, the ink test and the page numbers.
#include "tiles/TilePlan.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr double MillimetresPerInch = 25.4;

// The number of tiles along one axis that cover a length: n tiles cover n steps and one
// overlap. A hair of tolerance keeps a length of exactly n steps and an overlap at n tiles.
double TilesAlong(double length, double step) {
    const double needed = (length - TileOverlap) / step - 1e-9;
    return std::max(1.0, std::ceil(needed));
}

} // namespace

PaperLayout PaperLayoutOf(TilePaper paper) {
    PaperLayout layout;
    layout.Paper = paper;
    if (paper == TilePaper::A4) {
        layout.Name = "A4";
        layout.Width = 210 / MillimetresPerInch;
        layout.Height = 297 / MillimetresPerInch;
        layout.CalibrationSide = 100 / MillimetresPerInch;
        layout.CalibrationText = "100 mm";
    } else {
        layout.Name = "Letter";
        layout.Width = 8.5;
        layout.Height = 11;
        layout.CalibrationSide = 4;
        layout.CalibrationText = "4 in";
    }
    return layout;
}

PieceDrawing MakePieceDrawing(std::string name, std::vector<PlotSegment> segments) {
    PieceDrawing drawing;
    drawing.Name = std::move(name);
    drawing.Segments = std::move(segments);
    if (!drawing.Segments.empty()) {
        const PlotSegment& first = drawing.Segments.front();
        drawing.MinX = drawing.MaxX = first.X1;
        drawing.MinY = drawing.MaxY = first.Y1;
        for (const PlotSegment& s : drawing.Segments) {
            drawing.MinX = std::min({drawing.MinX, s.X1, s.X2});
            drawing.MaxX = std::max({drawing.MaxX, s.X1, s.X2});
            drawing.MinY = std::min({drawing.MinY, s.Y1, s.Y2});
            drawing.MaxY = std::max({drawing.MaxY, s.Y1, s.Y2});
        }
    }
    return drawing;
}

ClipRect PieceGrid::TileRect(int row, int column) const {
    const double left = Left + column * StepX;
    const double top = Top - row * StepY;
    return {left, top - TileHeight, left + TileWidth, top};
}

ClipRect PieceGrid::Extent() const {
    return {Left, Top - (Rows * StepY + TileOverlap), Left + Columns * StepX + TileOverlap, Top};
}

PieceGrid GridFor(const PieceDrawing& drawing, const PaperLayout& paper) {
    PieceGrid grid;
    grid.TileWidth = paper.TileWidth();
    grid.TileHeight = paper.TileHeight();
    grid.StepX = paper.StepX();
    grid.StepY = paper.StepY();
    const double width = drawing.MaxX - drawing.MinX;
    const double height = drawing.MaxY - drawing.MinY;
    if (!std::isfinite(width) || !std::isfinite(height)) {
        return grid;
    }
    const double columns = TilesAlong(width, grid.StepX);
    const double rows = TilesAlong(height, grid.StepY);
    if (columns * rows > MaxTilesPerPiece) {
        return grid;
    }
    grid.Columns = static_cast<int>(columns);
    grid.Rows = static_cast<int>(rows);
    grid.Left = drawing.MinX - (columns * grid.StepX + TileOverlap - width) / 2;
    grid.Top = drawing.MaxY + (rows * grid.StepY + TileOverlap - height) / 2;
    return grid;
}

int TiledPiece::PrintedCount() const {
    return static_cast<int>(
        std::count_if(Tiles.begin(), Tiles.end(), [](const PieceTile& t) { return t.Inked; }));
}

std::string RowLetters(int row) {
    // Bijective base 26, as spreadsheet columns are lettered.
    std::string letters;
    long long n = std::max(row, 0) + 1LL;
    while (n > 0) {
        const long long digit = (n - 1) % 26;
        letters.insert(letters.begin(), static_cast<char>('A' + digit));
        n = (n - 1) / 26;
    }
    return letters;
}

std::string TileLabel(int row, int column) {
    return RowLetters(row) + IntText(column + 1LL);
}

bool HasInk(const std::vector<PlotSegment>& segments, const ClipRect& rect) {
    return std::any_of(segments.begin(), segments.end(), [&rect](const PlotSegment& s) {
        return InksRect(s.X1, s.Y1, s.X2, s.Y2, rect);
    });
}

TileDocument PlanTiles(std::vector<PieceDrawing> pieces, TilePaper paper, TileUnits units,
                       std::string title) {
    TileDocument document;
    document.Paper = PaperLayoutOf(paper);
    document.Units = units;
    document.Title = std::move(title);
    document.Pages.push_back({}); // the map
    for (PieceDrawing& drawing : pieces) {
        if (drawing.Segments.empty()) {
            document.LeftOut.push_back(drawing.Name + " (nothing drawn)");
            continue;
        }
        TiledPiece piece;
        piece.Grid = GridFor(drawing, document.Paper);
        if (piece.Grid.Rows == 0 || piece.Grid.Columns == 0) {
            document.LeftOut.push_back(drawing.Name + " (more than " + IntText(MaxTilesPerPiece) +
                                       " pages)");
            continue;
        }
        piece.Drawing = std::move(drawing);
        const int index = static_cast<int>(document.Pieces.size());
        for (int r = 0; r < piece.Grid.Rows; ++r) {
            for (int c = 0; c < piece.Grid.Columns; ++c) {
                PieceTile tile{r, c, HasInk(piece.Drawing.Segments, piece.Grid.TileRect(r, c)), 0};
                if (tile.Inked) {
                    document.Pages.push_back({index, static_cast<int>(piece.Tiles.size())});
                    tile.Page = document.PageCount();
                }
                piece.Tiles.push_back(tile);
            }
        }
        document.Pieces.push_back(std::move(piece));
    }
    return document;
}

} // namespace merrowin
