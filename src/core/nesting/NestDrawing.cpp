// The sheet view of the nesting window: scale, sheets, handles, outlines and names.
#include "nesting/NestDrawing.h"

#include <algorithm>
#include <cmath>

#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr double Margin = 1.5;     // inches round the sheets
constexpr double HandleRadius = 1; // inches
constexpr double NumberInset = 1;  // inches from a sheet's top left corner to its number
constexpr int SheetColour = Colour::LightGrey;
constexpr int HandleColour = Colour::Magenta;

// Draws a text with its top left corner at (x, y): a background dot moves the drawing position.
void TextAt(Canvas& picture, double x, double y, std::string_view text) {
    picture.Dot(x, y, Colour::White);
    picture.Text(text);
}

void DrawShape(Canvas& picture, const NestShape& shape, std::string_view name, bool names) {
    const double x0 = shape.PositionX, y0 = shape.PositionY;
    for (std::size_t k = 1; k < shape.Points.size(); ++k) {
        const NestPoint& a = shape.Points[k - 1];
        const NestPoint& b = shape.Points[k];
        if (k == 1) {
            picture.Line(x0 + a.X, y0 + a.Y, x0 + b.X, y0 + b.Y, ForegroundColour);
        } else {
            picture.LineTo(x0 + b.X, y0 + b.Y, ForegroundColour);
        }
    }
    // The circle leaves the drawing position at the handle, where the name goes.
    picture.Circle(x0, y0, HandleRadius, HandleColour);
    if (names) {
        picture.Text(name);
    }
}

} // namespace

const char* ViewButtonCaption(NestViewMode mode) {
    switch (mode) {
    case NestViewMode::Full:
        return "Full View";
    case NestViewMode::False:
        return "False View";
    case NestViewMode::Wide:
        break;
    }
    return "Wide View";
}

NestViewMode NextViewMode(NestViewMode mode) {
    switch (mode) {
    case NestViewMode::Wide:
        return NestViewMode::Full;
    case NestViewMode::Full:
        return NestViewMode::False;
    case NestViewMode::False:
        break;
    }
    return NestViewMode::Wide;
}

bool ViewClickWidens(NestViewMode mode) {
    return mode != NestViewMode::False;
}

int SheetViewScrolledRight(int left) {
    return left < SheetViewHomeLeft ? left + 3000 : left;
}

int SheetViewScrolledLeft(int left) {
    return left - 3000 >= -32767 ? left - 3000 : left;
}

// "False View" fits the whole row at true aspect: the scale is set by whichever of the row's
// length and width is the tighter fit, so nothing falls outside the picture.
NestViewScale SheetViewScale(const NestSheets& sheets, NestViewMode mode, double pixelWidth,
                             double pixelHeight) {
    NestViewScale scale{-Margin, -Margin, -Margin, -Margin};
    if (!(pixelWidth > 0) || !(pixelHeight > 0)) {
        return scale;
    }
    const double spanX = std::max(sheets.Count * sheets.Length, 0.0) + 2 * Margin;
    const double spanY = std::max(sheets.Width, 0.0) + 2 * Margin;
    double perPixel = spanX / pixelWidth; // inches per pixel, the same both ways
    if (mode == NestViewMode::False) {
        perPixel = std::max(perPixel, spanY / pixelHeight);
    }
    scale.Right = -Margin + pixelWidth * perPixel;
    scale.Bottom = -Margin + pixelHeight * perPixel;
    return scale;
}

void DrawSheetView(Canvas& picture, const NestState& state, NestViewMode mode, bool names) {
    const NestSheets& sheets = state.Sheets;
    const NestViewScale scale = SheetViewScale(sheets, mode, picture.Width(), picture.Height());
    picture.Clear();
    if (UsableScale(scale.Left, scale.Top, scale.Right, scale.Bottom)) {
        picture.Scale(scale.Left, scale.Top, scale.Right, scale.Bottom);
    }
    const double length = sheets.Length, width = sheets.Width;
    picture.Box(0, 0, sheets.Count * length, width, SheetColour);
    for (int s = 1; s <= sheets.Count; ++s) {
        if (s < sheets.Count) {
            picture.Line(s * length, 0, s * length, width, SheetColour);
        }
        TextAt(picture, (s - 1) * length + NumberInset, NumberInset, IntText(s));
    }
    for (const NestPiece& piece : state.Pieces) {
        if (piece.Piece.Placed) {
            DrawShape(picture, piece.Piece, ShapeName(piece, false), names);
        }
        if (piece.Copy.Placed) {
            DrawShape(picture, piece.Copy, ShapeName(piece, true), names);
        }
    }
}

void DrawReadOutCross(Canvas& picture, const NestReadOut& readOut) {
    if (!readOut.Found) {
        return;
    }
    picture.Line(readOut.X - 0.5, readOut.Y, readOut.X + 0.5, readOut.Y, Colour::LightMagenta);
    picture.Line(readOut.X, readOut.Y - 0.5, readOut.X, readOut.Y + 0.5, Colour::LightRed);
}

} // namespace merrowin
