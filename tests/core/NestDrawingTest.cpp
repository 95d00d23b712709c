// The sheet view and the printed pages of the nesting, read back from recording canvases.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "NestTestState.h"
#include "nesting/NestDrawing.h"
#include "nesting/NestPages.h"
#include "ui/RecordingCanvas.h"

namespace merrowin {
namespace {

using test::TwoPieces;

TEST(NestDrawing, SheetsHandlesOutlinesAndNamesOfPlacedShapesOnly) {
    NestState state = TwoPieces();
    SelectListPiece(state, 0); // the box at (5, 2), its copy at (8, 5); the triangle unplaced
    CopyPiece(state);
    RecordingCanvas picture(1600, 400);
    DrawSheetView(picture, state, NestViewMode::Wide, false);
    const CanvasCall scale = picture.Of(CanvasOp::Scale).at(0);
    EXPECT_EQ(scale.X2, 289.5);                   // three sheets of 96 and the margins
    EXPECT_DOUBLE_EQ(scale.Y2, -1.5 + 291.0 / 4); // the picture's aspect
    EXPECT_EQ(picture.Count(CanvasOp::Box, Colour::LightGrey), 1u);
    EXPECT_EQ(picture.Count(CanvasOp::Line, Colour::LightGrey), 2u); // at 96 and 192
    EXPECT_EQ(picture.Texts(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(picture.Of(CanvasOp::Circle, Colour::Magenta).at(1).X1, 8); // the copy's handle
    EXPECT_EQ(picture.Count(CanvasOp::Line, ForegroundColour) +
                  picture.Count(CanvasOp::LineTo, ForegroundColour),
              6u); // three segments through each outline's four points

    picture.Forget();
    DrawSheetView(picture, state, NestViewMode::Wide, true);
    EXPECT_EQ(picture.Texts(),
              (std::vector<std::string>{"1", "2", "3", "box.uc", "Copy of box.uc"}));

    picture.Forget();
    DrawReadOutCross(picture, NestReadOut{true, 10, 20, ""});
    EXPECT_EQ(picture.Count(CanvasOp::Line, Colour::LightMagenta) +
                  picture.Count(CanvasOp::Line, Colour::LightRed),
              2u);
}

TEST(NestDrawing, FalseViewFitsTheWholeRowAndTheButtonCycles) {
    const NestSheets sheets;
    // A low picture: the normal view fills its width and loses the lower part of the sheets.
    EXPECT_LT(SheetViewScale(sheets, NestViewMode::Full, 1600, 100).Bottom, 48);
    const NestViewScale fitted = SheetViewScale(sheets, NestViewMode::False, 1600, 100);
    EXPECT_DOUBLE_EQ(fitted.Bottom, 49.5);
    EXPECT_DOUBLE_EQ(fitted.Right, -1.5 + 1600 * 0.51); // 51 inches over 100 pixels both ways

    std::vector<std::string> captions;
    NestViewMode mode = NestViewMode::Wide;
    for (int i = 0; i < 4; ++i) {
        captions.push_back(ViewButtonCaption(mode) + std::string(ViewClickWidens(mode) ? "+" : ""));
        mode = NextViewMode(mode);
    }
    EXPECT_EQ(captions,
              (std::vector<std::string>{"Wide View+", "Full View+", "False View", "Wide View+"}));
}

// The sheet-inch extremes of a page piece's segments.
double MinX(const NestPagePiece& piece) {
    double x = 1e9;
    for (const NestSegment& s : piece.Segments) {
        x = std::min({x, s.X1, s.X2});
    }
    return x;
}
double MaxX(const NestPagePiece& piece) {
    double x = -1e9;
    for (const NestSegment& s : piece.Segments) {
        x = std::max({x, s.X1, s.X2});
    }
    return x;
}

TEST(NestPages, APieceAcrossAnEdgeIsCutThereOnEachSheetItTouches) {
    NestState state = TwoPieces();
    SelectListPiece(state, 0);
    state.Pieces[0].Piece.PositionX = 94; // 89..99, across the edge at 96
    SelectListPiece(state, 1);
    state.Pieces[1].Piece.PositionX = 189; // 186..192: its corner on the edge at 192
    state.Pieces[1].Piece.PositionY = 30;
    const std::vector<NestPage> pages = NestPages(state);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1].Title, "Merrowin  48 x 96, sheet 2 of 3");

    ASSERT_EQ(pages[0].Pieces.size(), 1u);
    EXPECT_EQ(MinX(pages[0].Pieces[0]), 89);
    EXPECT_EQ(MaxX(pages[0].Pieces[0]), 96);
    EXPECT_EQ(pages[0].Pieces[0].LabelX, 92.5);
    ASSERT_EQ(pages[1].Pieces.size(), 2u);
    EXPECT_EQ(MinX(pages[1].Pieces[0]), 0);
    EXPECT_EQ(MaxX(pages[1].Pieces[0]), 3);
    EXPECT_EQ(pages[1].Pieces[1].Name, "tri.uc");
    EXPECT_EQ(pages[1].Pieces[1].Segments.size(), 3u); // closed
    EXPECT_TRUE(pages[2].Pieces.empty());              // touched at a corner only

    RecordingCanvas page(1000, 700);
    DrawNestPage(page, pages[1]);
    EXPECT_EQ(page.Texts(),
              (std::vector<std::string>{"Merrowin  48 x 96, sheet 2 of 3", "box.uc", "tri.uc"}));
    EXPECT_EQ(page.Count(CanvasOp::Box), 1u);
}

TEST(NestPages, APrinterInsetKeepsThePageClearOfThePaperEdges) {
    const NestPage sheet = NestSheetPage(TwoPieces(), 1);
    for (const double inset : {0.0, 40.0}) {
        RecordingCanvas page(1100, 850);
        DrawNestPage(page, sheet, inset);
        const CanvasCall title = page.Of(CanvasOp::Dot).at(0), box = page.Of(CanvasOp::Box).at(0);
        const CanvasScale& s = box.ScaleInForce;
        auto pixelX = [&](double x) { return (x - s.Left) / (s.Right - s.Left) * 1100; };
        auto pixelY = [&](double y) { return (y - s.Top) / (s.Bottom - s.Top) * 850; };
        // Without an inset the title stands near the paper's top edge.
        EXPECT_EQ(pixelY(title.Y1) >= 40, inset > 0);
        EXPECT_GE(pixelX(box.X1), inset);
        EXPECT_LE(pixelX(box.X2), 1100 - inset);
        EXPECT_LE(pixelY(box.Y2), 850 - inset);
    }
}

} // namespace
} // namespace merrowin
