// The assembly map and the tile pages of a full-size printout.
#include "tiles/TilePages.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "text/NumberText.h"
#include "views/ViewPen.h"

namespace merrowin {

namespace {

constexpr double LineHeight = 0.18;                // inches from one text line to the next
constexpr double CharWidth = 0.075;                // inches a character takes, a little generous
constexpr double MapGap = 0.2;                     // inches between the pieces on the map
constexpr double MapNameRoom = 0.4;                // two text lines above each piece on the map
constexpr double MapTitleLines = 3;                // text lines kept at the top of the map
constexpr int MapScaleTries = 400;                 // 0.98 to the 400th is below 1/3000
constexpr double SquareInset = TileOverlap + 0.25; // calibration square from the tile edge
constexpr double SquareClearance = 0.1;            // pattern ink kept off the square
constexpr int MaxLeftOutLines = 3;

// Four lines round a rectangle.
void AddBox(std::vector<PageLine>& lines, const ClipRect& r, int colour) {
    lines.push_back({r.XMin, r.YMin, r.XMax, r.YMin, colour});
    lines.push_back({r.XMax, r.YMin, r.XMax, r.YMax, colour});
    lines.push_back({r.XMax, r.YMax, r.XMin, r.YMax, colour});
    lines.push_back({r.XMin, r.YMax, r.XMin, r.YMin, colour});
}

void AddCross(PrintedPage& page, double x, double y) {
    page.Furniture.push_back({x - CrossArm, y, x + CrossArm, y, CrossColour});
    page.Furniture.push_back({x, y - CrossArm, x, y + CrossArm, CrossColour});
    page.Circles.push_back({x, y, CrossRadius, CrossColour});
}

// The calibration square with its top left corner at (left, top) and its size inside it.
void AddCalibration(PrintedPage& page, const PaperLayout& paper, double left, double top) {
    const double side = paper.CalibrationSide;
    page.Calibration = {left, top, left + side, top + side};
    AddBox(page.Furniture, page.Calibration, CalibrationColour);
    page.Texts.push_back(
        {left + 0.1, top + 0.1, paper.CalibrationText + " x " + paper.CalibrationText + " square"});
    page.Texts.push_back({left + 0.1, top + 0.1 + LineHeight, "measure it before cutting"});
}

PrintedPage BlankPage(const PaperLayout& paper) {
    PrintedPage page;
    page.Width = paper.Width;
    page.Height = paper.Height;
    return page;
}

std::string SizeText(const PieceDrawing& drawing, TileUnits units) {
    const double width = drawing.MaxX - drawing.MinX;
    const double height = drawing.MaxY - drawing.MinY;
    if (units == TileUnits::Millimetres) {
        return MillimetresText(width) + " x " + MillimetresText(height) + " mm";
    }
    return FormatNumber(width, "0.0") + " x " + FormatNumber(height, "0.0") + " in";
}

std::string PagesText(const TiledPiece& piece) {
    int first = 0, last = 0;
    for (const PieceTile& tile : piece.Tiles) {
        if (tile.Page > 0) {
            first = first == 0 ? tile.Page : first;
            last = tile.Page;
        }
    }
    const std::string word = first == last ? ": page " : ": pages ";
    return piece.Drawing.Name + word + IntText(first) +
           (first == last ? std::string() : "-" + IntText(last));
}

// Words joined into lines of at most `width` characters (a longer word gets a line of its own).
std::vector<std::string> Wrap(const std::vector<std::string>& words, std::size_t width) {
    std::vector<std::string> lines;
    for (const std::string& word : words) {
        if (lines.empty() || lines.back().size() + 2 + word.size() > width) {
            lines.push_back(word);
        } else {
            lines.back() += ", " + word;
        }
    }
    return lines;
}

// Shelf packing of the map's pieces at a scale (page inches per pattern inch): left to right,
// a new row when the next does not fit. The top left corner of each, relative to the map area,
// or nothing when they do not fit in it.
struct MapBox {
    double Width = 0, Height = 0; // pattern inches of the grid
    double NameWidth = 0;         // page inches of its text
};
bool PackMap(const std::vector<MapBox>& boxes, double scale, double areaWidth, double areaHeight,
             std::vector<std::pair<double, double>>& corners) {
    corners.clear();
    double x = 0, y = 0, rowHeight = 0;
    for (const MapBox& box : boxes) {
        const double width = std::max(box.Width * scale, box.NameWidth);
        const double height = MapNameRoom + box.Height * scale;
        if (width > areaWidth) {
            return false;
        }
        if (x > 0 && x + width > areaWidth) {
            y += rowHeight + MapGap;
            x = 0;
            rowHeight = 0;
        }
        corners.emplace_back(x, y);
        x += width + MapGap;
        rowHeight = std::max(rowHeight, height);
    }
    return y + rowHeight <= areaHeight;
}

// A scale at which the pieces fit the map area, within 2% of the largest: the packing is not
// monotonic in the scale (a larger scale may move a piece to a row of its own and fit again),
// so scales are tried from the largest possible down.
double MapScale(const std::vector<MapBox>& boxes, double areaWidth, double areaHeight) {
    std::vector<std::pair<double, double>> corners;
    double scale = 1; // never larger than full size
    for (const MapBox& box : boxes) {
        if (box.Width > 0) {
            scale = std::min(scale, areaWidth / box.Width);
        }
        if (box.Height > 0) {
            scale = std::min(scale, areaHeight / box.Height);
        }
    }
    for (int i = 0; i < MapScaleTries; ++i, scale *= 0.98) {
        if (PackMap(boxes, scale, areaWidth, areaHeight, corners)) {
            return scale;
        }
    }
    return 0; // too many pieces for their names: the names alone
}

// One piece on the map: its two text lines, the boxes of its tiles and its drawing in miniature,
// the grid's top left corner at (left, top + MapNameRoom).
void AddMapPiece(PrintedPage& page, const TileDocument& document, const TiledPiece& piece,
                 double left, double top, double scale) {
    page.Texts.push_back({left, top, PagesText(piece)});
    page.Texts.push_back({left, top + LineHeight, SizeText(piece.Drawing, document.Units)});
    const PieceGrid& grid = piece.Grid;
    const ClipRect extent = grid.Extent();
    const double gridTop = top + MapNameRoom;
    const auto mapX = [&](double x) { return left + (x - extent.XMin) * scale; };
    const auto mapY = [&](double y) { return gridTop + (extent.YMax - y) * scale; };
    // Tile boxes meet in the middle of the overlaps, where a builder trims the pages.
    const auto cellLeft = [&](int c) {
        return c == 0 ? extent.XMin : grid.Left + c * grid.StepX + TileOverlap / 2;
    };
    const auto cellTop = [&](int r) {
        return r == 0 ? extent.YMax : grid.Top - r * grid.StepY - TileOverlap / 2;
    };
    const auto cellRight = [&](int c) {
        return c + 1 == grid.Columns ? extent.XMax : cellLeft(c + 1);
    };
    const auto cellBottom = [&](int r) {
        return r + 1 == grid.Rows ? extent.YMin : cellTop(r + 1);
    };
    for (const bool printed : {false, true}) { // printed boxes over the grey ones
        for (const PieceTile& tile : piece.Tiles) {
            if (tile.Inked != printed) {
                continue;
            }
            const ClipRect cell{mapX(cellLeft(tile.Column)), mapY(cellTop(tile.Row)),
                                mapX(cellRight(tile.Column)), mapY(cellBottom(tile.Row))};
            AddBox(page.Furniture, cell, printed ? PrintedTileColour : MissingTileColour);
            if (!printed) { // crossed out, as its edges may all be those of printed neighbours
                page.Furniture.push_back(
                    {cell.XMin, cell.YMin, cell.XMax, cell.YMax, MissingTileColour});
                page.Furniture.push_back(
                    {cell.XMin, cell.YMax, cell.XMax, cell.YMin, MissingTileColour});
            }
            const std::string label = TileLabel(tile.Row, tile.Column);
            if (printed &&
                cell.XMax - cell.XMin >= CharWidth * (static_cast<double>(label.size()) + 1) &&
                cell.YMax - cell.YMin >= LineHeight) {
                page.Texts.push_back({cell.XMin + 0.03, cell.YMin + 0.02, label});
            }
        }
    }
    for (const PlotSegment& s : piece.Drawing.Segments) {
        page.Pattern.push_back(
            {mapX(s.X1), mapY(s.Y1), mapX(s.X2), mapY(s.Y2), PatternColour(s.Pen)});
    }
}

} // namespace

int PatternColour(int pen) {
    return pen == 0 ? Colour::Black : Colour::Blue;
}

PrintedPage MapPage(const TileDocument& document) {
    const PaperLayout& paper = document.Paper;
    PrintedPage page = BlankPage(paper);
    const double left = paper.Margin;
    double y = paper.Margin;
    const auto addLine = [&](std::string text) {
        page.Texts.push_back({left, y, std::move(text)});
        y += LineHeight;
    };
    addLine("Merrowin full-size patterns: " + document.Title);
    addLine(paper.Name + " paper, printed at 1:1. " + IntText(document.PageCount()) +
            " pages in all, this map included.");
    std::vector<std::string> leftOut = Wrap(document.LeftOut, 70);
    for (std::size_t i = 0; i < leftOut.size() && i < MaxLeftOutLines; ++i) {
        addLine((i == 0 ? "Left out: " : "") + leftOut[i] +
                (i + 1 == MaxLeftOutLines && leftOut.size() > MaxLeftOutLines ? " ..." : ""));
    }
    const double areaTop =
        paper.Margin + std::max(MapTitleLines * LineHeight, y - paper.Margin) + MapGap;

    // The calibration square at the bottom left, the instructions beside it.
    const double squareTop = paper.Height - paper.Margin - paper.CalibrationSide;
    AddCalibration(page, paper, left, squareTop);
    y = squareTop;
    const double notesLeft = left + paper.CalibrationSide + 0.25;
    for (const char* note :
         {"Rows A, B, ... run down each piece,", "columns 1, 2, ... across it.", "",
          "Pages overlap by 0.5 in: lay each page", "on its neighbour, cross on cross.", "",
          "Green boxes: the printed pages.", "Grey crossed boxes: pages left out,",
          "having nothing to print.", "", "Check the calibration square of every",
          "page with a ruler before cutting."}) {
        if (*note != '\0') {
            page.Texts.push_back({notesLeft, y, note});
        }
        y += LineHeight;
    }

    // The pieces in miniature between the title and the square.
    const double areaWidth = paper.Width - 2 * paper.Margin;
    const double areaHeight = squareTop - MapGap - areaTop;
    std::vector<MapBox> boxes;
    for (const TiledPiece& piece : document.Pieces) {
        const ClipRect extent = piece.Grid.Extent();
        const double textWidth =
            CharWidth *
            static_cast<double>(
                std::max(PagesText(piece).size(), SizeText(piece.Drawing, document.Units).size()));
        boxes.push_back({extent.XMax - extent.XMin, extent.YMax - extent.YMin, textWidth});
    }
    const double scale = MapScale(boxes, areaWidth, areaHeight);
    std::vector<std::pair<double, double>> corners;
    PackMap(boxes, scale, areaWidth, areaHeight, corners); // the corners, fitting or not
    for (std::size_t i = 0; i < document.Pieces.size() && i < corners.size(); ++i) {
        AddMapPiece(page, document, document.Pieces[i], left + corners[i].first,
                    areaTop + corners[i].second, scale);
    }
    return page;
}

PrintedPage TilePage(const TileDocument& document, const TiledPiece& piece, const PieceTile& tile) {
    const PaperLayout& paper = document.Paper;
    PrintedPage page = BlankPage(paper);
    const ClipRect tileRect = piece.Grid.TileRect(tile.Row, tile.Column);
    const double left = paper.TileLeft(), top = paper.TileTop();
    const double width = paper.TileWidth(), height = paper.TileHeight();

    page.Texts.push_back({paper.Margin, paper.Margin,
                          piece.Drawing.Name + "   " + TileLabel(tile.Row, tile.Column) +
                              "   row " + RowLetters(tile.Row) + " of " + IntText(piece.Grid.Rows) +
                              ", column " + IntText(tile.Column + 1LL) + " of " +
                              IntText(piece.Grid.Columns) + "   page " + IntText(tile.Page) +
                              " of " + IntText(document.PageCount())});

    // The tile's edge and the inner edges of the overlaps.
    AddBox(page.Furniture, {left, top, left + width, top + height}, GuideColour);
    AddBox(page.Furniture,
           {left + TileOverlap, top + TileOverlap, left + width - TileOverlap,
            top + height - TileOverlap},
           GuideColour);
    const double near = TileOverlap / 2;
    for (const double x : {left + near, left + width - near}) {
        for (const double y : {top + near, top + height - near}) {
            AddCross(page, x, y);
        }
    }

    // The pattern at 1:1: pattern inches to page inches, y turned down the page.
    for (const PlotSegment& s : piece.Drawing.Segments) {
        double x1 = s.X1, y1 = s.Y1, x2 = s.X2, y2 = s.Y2;
        if (!InksRect(x1, y1, x2, y2, tileRect) || !ClipSegment(x1, y1, x2, y2, tileRect)) {
            continue;
        }
        page.Pattern.push_back({left + (x1 - tileRect.XMin), top + (tileRect.YMax - y1),
                                left + (x2 - tileRect.XMin), top + (tileRect.YMax - y2),
                                PatternColour(s.Pen)});
    }

    // The calibration square in the first corner free of the pattern: bottom right, bottom
    // left, top right, top left; over the pattern in the bottom right when none is free.
    const double side = paper.CalibrationSide;
    const double squareLefts[2] = {left + width - SquareInset - side, left + SquareInset};
    const double squareTops[2] = {top + height - SquareInset - side, top + SquareInset};
    double chosenLeft = squareLefts[0], chosenTop = squareTops[0];
    bool found = false;
    for (int corner = 0; corner < 4 && !found; ++corner) {
        const double l = squareLefts[corner % 2], t = squareTops[corner / 2];
        const ClipRect clear{l - SquareClearance, t - SquareClearance, l + side + SquareClearance,
                             t + side + SquareClearance};
        found = std::none_of(page.Pattern.begin(), page.Pattern.end(), [&](const PageLine& p) {
            return InksRect(p.X1, p.Y1, p.X2, p.Y2, clear);
        });
        if (found) {
            chosenLeft = l;
            chosenTop = t;
        }
    }
    AddCalibration(page, paper, chosenLeft, chosenTop);
    return page;
}

PrintedPage FullSizePage(const TileDocument& document, int page) {
    if (page == 1) {
        return MapPage(document);
    }
    if (page < 1 || page > document.PageCount()) {
        return BlankPage(document.Paper);
    }
    const TilePageRef ref = document.Pages[static_cast<std::size_t>(page - 1)];
    const TiledPiece& piece = document.Pieces[static_cast<std::size_t>(ref.Piece)];
    return TilePage(document, piece, piece.Tiles[static_cast<std::size_t>(ref.Tile)]);
}

void DrawPrintedPage(Canvas& canvas, const PrintedPage& page) {
    if (UsableScale(0, 0, page.Width, page.Height)) {
        canvas.Scale(0, 0, page.Width, page.Height);
    }
    canvas.PenWidth(1);
    ViewPen pen(canvas);
    for (const std::vector<PageLine>* lines : {&page.Furniture, &page.Pattern}) {
        for (const PageLine& l : *lines) {
            pen.Line(l.X1, l.Y1, l.X2, l.Y2, l.Colour);
        }
        if (lines == &page.Furniture) {
            for (const PageCircle& c : page.Circles) {
                pen.Circle(c.X, c.Y, c.Radius, c.Colour);
            }
        }
    }
    for (const PageText& t : page.Texts) {
        pen.Dot(t.X, t.Y, Colour::White); // moves the drawing position to the text's corner
        pen.Text(t.Text);
    }
}

void DrawFullSizePage(Canvas& canvas, const TileDocument& document, int page) {
    DrawPrintedPage(canvas, FullSizePage(document, page));
}

} // namespace merrowin
