// Fuzz target: any bytes read as a hand plot listing give pieces within the window's arrays and
// finite outlines that can be turned, pushed, listed, printed and drawn.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "nesting/HandPlotReader.h"
#include "nesting/NestCommands.h"
#include "nesting/NestDrawing.h"
#include "nesting/NestListing.h"
#include "nesting/NestPages.h"
#include "ui/Canvas.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckShape(const merrowin::NestShape& shape) {
    Check(shape.Points.size() <= static_cast<std::size_t>(merrowin::MaxNestPoints));
    Check(std::isfinite(shape.PositionX) && std::isfinite(shape.PositionY));
    for (const merrowin::NestPoint& p : shape.Points) {
        Check(std::isfinite(p.X) && std::isfinite(p.Y));
        Check(std::fabs(p.X) <= 2 * merrowin::MaxNestInches);
        Check(std::fabs(p.Y) <= 2 * merrowin::MaxNestInches);
    }
}

// A picture that keeps nothing but checks every drawing call: coordinates finite and within
// the reach of the sheets and outlines (recording the calls cost more than all the rest).
class CheckingCanvas : public merrowin::Canvas {
public:
    double Width() const override { return 800; }
    double Height() const override { return 300; }
    void Scale(double, double, double, double) override {}
    void Clear() override {}
    void Line(double x1, double y1, double x2, double y2, int colour) override {
        Near(x1, y1, colour);
        Near(x2, y2, colour);
    }
    void LineTo(double x, double y, int colour) override { Near(x, y, colour); }
    void Box(double x1, double y1, double x2, double y2, int colour) override {
        Line(x1, y1, x2, y2, colour);
    }
    void Dot(double x, double y, int colour) override { Near(x, y, colour); }
    void Circle(double cx, double cy, double radius, int colour) override {
        Near(cx, cy, colour);
        Check(std::isfinite(radius) && radius >= 0 && radius <= Reach);
    }
    void Text(std::string_view) override {}
    void PenWidth(int width) override { Check(width >= 1 && width <= 10); }
    void InvertingPen(bool) override {}

private:
    // Five sheets of the largest size, and an outline point as far again beyond them.
    static constexpr double Reach = 10 * merrowin::MaxNestInches;
    static void Near(double x, double y, int colour) {
        Check(std::isfinite(x) && std::isfinite(y) && std::fabs(x) <= Reach &&
              std::fabs(y) <= Reach);
        Check(colour >= merrowin::ForegroundColour && colour <= merrowin::Colour::White);
    }
};

bool Holds(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

// Every line of a listing ends with CR LF, and no number came out as infinity or NaN (piece
// names come from the input, so only an input without those words is checked for them). The
// checks of the long listing are left out of the coverage that guides the fuzzer.
__attribute__((no_sanitize("coverage"))) void CheckListing(std::string_view text,
                                                           std::string_view input) {
    Check(text.empty() || text.substr(text.size() - 2) == "\r\n");
    if (!Holds(input, "inf") && !Holds(input, "nan")) {
        Check(!Holds(text, "inf") && !Holds(text, "nan"));
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        Check(text[i] != '\n' || (i > 0 && text[i - 1] == '\r'));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    merrowin::HandPlotPieces read = merrowin::ParseHandPlot(text);
    Check(read.Pieces.size() <= static_cast<std::size_t>(merrowin::MaxNestPieces));
    merrowin::NestState state;
    merrowin::UsePieces(state, read.Pieces);
    merrowin::SetSheetCount(state.Sheets, 3 + static_cast<int>(size % 3));
    if (size % 2 == 1 && size >= 12) {
        // Sheet sizes from the first bytes, as the boxes would read them (often 0).
        merrowin::SetSheetSize(state.Sheets, text.substr(0, 6), text.substr(6, 6));
    }
    // Every piece and copy placed, turned, flipped and pushed as a designer would.
    for (int i = 0; i < static_cast<int>(state.Pieces.size()); ++i) {
        const merrowin::NestPiece& piece = state.Pieces[static_cast<std::size_t>(i)];
        Check(piece.Copy.Points.size() == piece.Piece.Points.size());
        Check(std::isfinite(piece.Width) && std::isfinite(piece.Height));
        merrowin::SelectListPiece(state, i);
        merrowin::CopyPiece(state);
        merrowin::TurnPiece(state,
                            i % 2 == 0 ? merrowin::NestTurn::Quarter : merrowin::NestTurn::Ccw);
        if (merrowin::PickPiece(state, piece.Copy.PositionX, piece.Copy.PositionY)) {
            merrowin::FlipPiece(state);
            merrowin::DragPiece(state, 1000.0 * i, -7.0 * i);
            merrowin::ReleasePiece(state);
        }
        CheckShape(piece.Piece);
        CheckShape(piece.Copy);
    }
    CheckingCanvas picture;
    const merrowin::NestViewMode modes[] = {
        merrowin::NestViewMode::Wide, merrowin::NestViewMode::Full, merrowin::NestViewMode::False};
    merrowin::DrawSheetView(picture, state, modes[size % 3], size % 4 < 2);
    // The listing or the printed pages, as the input size chooses: the two cost a third of the
    // time, and each still sees every kind of input.
    if (size / 8 % 2 == 0) {
        CheckListing(merrowin::NestedListing(state, read.HullFileName, "00:00:00", "01-01-2027"),
                     text);
    } else {
        for (const merrowin::NestPage& page : merrowin::NestPages(state)) {
            for (const merrowin::NestPagePiece& piece : page.Pieces) {
                Check(std::isfinite(piece.LabelX) && std::isfinite(piece.LabelY));
                Check(!piece.Segments.empty());
            }
            merrowin::DrawNestPage(picture, page);
        }
    }
    const merrowin::NestReadOut readOut = merrowin::PointReadOut(state, 10, 10);
    Check(!readOut.Found || (std::isfinite(readOut.X) && std::isfinite(readOut.Y)));
    merrowin::DrawReadOutCross(picture, readOut);
    return 0;
}
