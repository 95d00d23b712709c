// One printed page per sheet: outlines cut at the sheet's edges, the title and the drawing.
#include "nesting/NestPages.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr double PageMargin = 2; // inches round the sheet on the page
constexpr double TitleRoom = 6;  // inches above the sheet for the title

struct Rect {
    double Left, Top, Right, Bottom;
};

// Liang-Barsky: the part of a segment inside the rectangle, if any.
std::optional<NestSegment> Clip(NestSegment s, const Rect& r) {
    const double dx = s.X2 - s.X1, dy = s.Y2 - s.Y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.X1 - r.Left, r.Right - s.X1, s.Y1 - r.Top, r.Bottom - s.Y1};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return std::nullopt; // parallel to this edge and outside it
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return std::nullopt;
        }
    }
    return NestSegment{s.X1 + t0 * dx, s.Y1 + t0 * dy, s.X1 + t1 * dx, s.Y1 + t1 * dy};
}

// A shape's closed outline on the sheet whose X range starts at `offset`, in sheet inches.
std::optional<NestPagePiece> OnSheet(const NestShape& shape, std::string name, double offset,
                                     const Rect& sheet) {
    NestPagePiece piece;
    piece.Name = std::move(name);
    const std::size_t n = shape.Points.size();
    for (std::size_t k = 0; k < n; ++k) {
        // Segment k joins point k to the next, the last back to the first; a lone point is a
        // segment of no length.
        const NestPoint& a = shape.Points[k];
        const NestPoint& b = shape.Points[(k + 1) % n];
        if (n == 2 && k == 1) {
            break; // two points make one segment, not two on top of each other
        }
        const NestSegment whole{shape.PositionX + a.X - offset, shape.PositionY + a.Y,
                                shape.PositionX + b.X - offset, shape.PositionY + b.Y};
        // A segment that only touches the sheet (a corner on its edge) is not part of it.
        const std::optional<NestSegment> part = Clip(whole, sheet);
        const bool lone = whole.X1 == whole.X2 && whole.Y1 == whole.Y2;
        if (part && (lone || part->X1 != part->X2 || part->Y1 != part->Y2)) {
            piece.Segments.push_back(*part);
        }
    }
    if (piece.Segments.empty()) {
        return std::nullopt;
    }
    double minX = piece.Segments[0].X1, maxX = minX, minY = piece.Segments[0].Y1, maxY = minY;
    for (const NestSegment& s : piece.Segments) {
        minX = std::min({minX, s.X1, s.X2});
        maxX = std::max({maxX, s.X1, s.X2});
        minY = std::min({minY, s.Y1, s.Y2});
        maxY = std::max({maxY, s.Y1, s.Y2});
    }
    piece.LabelX = (minX + maxX) / 2;
    piece.LabelY = (minY + maxY) / 2;
    return piece;
}

// A text with its top left corner at (x, y): a background dot moves the drawing position.
void TextAt(Canvas& page, double x, double y, std::string_view text) {
    page.Dot(x, y, Colour::White);
    page.Text(text);
}

} // namespace

std::string NestPageTitle(const NestSheets& sheets, int sheet) {
    return "Merrowin " + StrNumber(sheets.Width) + " x" + StrNumber(sheets.Length) + ", sheet" +
           StrNumber(sheet) + " of" + StrNumber(sheets.Count);
}

// A piece that crosses a sheet's edge is cut there and shows on each sheet it touches, with
// its name on each part.
NestPage NestSheetPage(const NestState& state, int sheet) {
    const NestSheets& sheets = state.Sheets;
    NestPage page;
    page.Sheet = sheet;
    page.Title = NestPageTitle(sheets, sheet);
    page.Length = sheets.Length;
    page.Width = sheets.Width;
    const double offset = (sheet - 1) * sheets.Length;
    const Rect bounds{0, 0, sheets.Length, sheets.Width};
    for (const NestPiece& piece : state.Pieces) {
        for (const bool isCopy : {false, true}) {
            const NestShape& shape = isCopy ? piece.Copy : piece.Piece;
            if (!shape.Placed) {
                continue;
            }
            if (auto part = OnSheet(shape, ShapeName(piece, isCopy), offset, bounds)) {
                page.Pieces.push_back(std::move(*part));
            }
        }
    }
    return page;
}

std::vector<NestPage> NestPages(const NestState& state) {
    std::vector<NestPage> pages;
    for (int s = 1; s <= state.Sheets.Count; ++s) {
        pages.push_back(NestSheetPage(state, s));
    }
    return pages;
}

void DrawNestPage(Canvas& page, const NestPage& sheetPage, double inset) {
    const double spanX = std::max(sheetPage.Length, 0.0) + 2 * PageMargin;
    const double spanY = std::max(sheetPage.Width, 0.0) + PageMargin + TitleRoom;
    inset = std::isfinite(inset) ? std::max(inset, 0.0) : 0;
    const double usableWidth = page.Width() - 2 * inset, usableHeight = page.Height() - 2 * inset;
    if (usableWidth > 0 && usableHeight > 0) {
        const double perPixel = std::max(spanX / usableWidth, spanY / usableHeight);
        const double left = -PageMargin - inset * perPixel, top = -TitleRoom - inset * perPixel;
        if (UsableScale(left, top, left + page.Width() * perPixel,
                        top + page.Height() * perPixel)) {
            page.Scale(left, top, left + page.Width() * perPixel, top + page.Height() * perPixel);
        }
    }
    TextAt(page, 0, -TitleRoom + 1, sheetPage.Title);
    page.Box(0, 0, sheetPage.Length, sheetPage.Width, ForegroundColour);
    for (const NestPagePiece& piece : sheetPage.Pieces) {
        for (const NestSegment& s : piece.Segments) {
            page.Line(s.X1, s.Y1, s.X2, s.Y2, ForegroundColour);
        }
        TextAt(page, piece.LabelX, piece.LabelY, piece.Name);
    }
}

bool ConfirmNestPrint(Dialogs& dialogs) {
    return dialogs.Message(NestPrintWarningTitle, NestPrintWarningText, MessageButtons::OkCancel,
                           MessageIcon::Exclamation) == MessageAnswer::Ok;
}

} // namespace merrowin
