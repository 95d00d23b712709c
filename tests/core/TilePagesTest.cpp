// The pages of a full-size printout: the pattern at 1:1 on its tiles, the alignment crosses,
// the calibration square and the assembly map.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "tiles/TilePages.h"

namespace merrowin {
namespace {

PieceDrawing Rectangle(const std::string& name, double width, double height) {
    return MakePieceDrawing(name, {{0, 0, width, 0, 0},
                                   {width, 0, width, height, 0},
                                   {width, height, 0, height, 0},
                                   {0, height, 0, 0, 0}});
}

// A frame on three pages each way (the middle one empty), a piece that draws nothing, and a
// small piece on one page: ten pages with the map.
TileDocument FrameAndSmall(TilePaper paper, TileUnits units = TileUnits::Inches) {
    return PlanTiles(
        {Rectangle("frame", 20, 26), MakePieceDrawing("blank", {}), Rectangle("small", 5, 3)},
        paper, units, "boat.hul");
}

bool Has(const PrintedPage& page, const std::string& text) {
    return std::any_of(page.Texts.begin(), page.Texts.end(),
                       [&text](const PageText& t) { return t.Text == text; });
}

int Count(const std::vector<PageLine>& lines, int colour) {
    return static_cast<int>(std::count_if(
        lines.begin(), lines.end(), [colour](const PageLine& l) { return l.Colour == colour; }));
}

TEST(TilePages, ALineAcrossThreePagesIsPrintedAtFullSizeInItsPlaceOnEach) {
    const TileDocument document = PlanTiles({MakePieceDrawing("batten", {{0, 0, 20, 0, 1}})},
                                            TilePaper::Letter, TileUnits::Inches, "boat.hul");
    ASSERT_EQ(document.PageCount(), 4);
    const PaperLayout& paper = document.Paper;
    double total = 0;
    for (int page = 2; page <= 4; ++page) {
        const PrintedPage printed = FullSizePage(document, page);
        ASSERT_EQ(printed.Pattern.size(), 1u);
        const PageLine& l = printed.Pattern[0];
        EXPECT_EQ(l.Colour, PatternColour(1));
        total += std::abs(l.X2 - l.X1);
        // Back through the tile to pattern inches: the ends lie on the batten, in the tile area.
        const ClipRect tile = document.Pieces[0].Grid.TileRect(0, page - 2);
        EXPECT_NEAR(tile.YMax - (l.Y1 - paper.TileTop()), 0, 1e-12);
        EXPECT_GE(tile.XMin + std::min(l.X1, l.X2) - paper.TileLeft(), -1e-12);
        EXPECT_LE(tile.XMin + std::max(l.X1, l.X2) - paper.TileLeft(), 20 + 1e-12);
    }
    EXPECT_NEAR(total, 20 + 2 * TileOverlap, 1e-9); // the overlaps print twice
}

TEST(TilePages, NeighboursShareTwoAlignmentCrossesAndPagesAreLabelled) {
    const TileDocument document = FrameAndSmall(TilePaper::A4);
    const TiledPiece& frame = document.Pieces[0];
    const auto crosses = [&](int row, int column) { // centres in pattern micro-inches
        const ClipRect tile = frame.Grid.TileRect(row, column);
        std::set<std::pair<double, double>> points;
        for (const PageCircle& c :
             TilePage(document, frame, frame.Tiles[row * 3 + column]).Circles) {
            points.emplace(std::round((tile.XMin + c.X - document.Paper.TileLeft()) * 1e6),
                           std::round((tile.YMax - c.Y + document.Paper.TileTop()) * 1e6));
        }
        return points;
    };
    const auto a1 = crosses(0, 0), a2 = crosses(0, 1), b1 = crosses(1, 0);
    EXPECT_EQ(a1.size(), 4u);
    EXPECT_EQ(std::count_if(a1.begin(), a1.end(), [&](auto p) { return a2.count(p); }), 2);
    EXPECT_EQ(std::count_if(a1.begin(), a1.end(), [&](auto p) { return b1.count(p); }), 2);
    EXPECT_TRUE(
        Has(FullSizePage(document, 6), "frame   B3   row B of 3, column 3 of 3   page 6 of 10"));
}

TEST(TilePages, EveryPageHasACalibrationSquareInACornerFreeOfThePattern) {
    for (const auto& [paper, side, text] :
         {std::tuple{TilePaper::Letter, 4.0, "4 in x 4 in square"},
          std::tuple{TilePaper::A4, 100 / 25.4, "100 mm x 100 mm square"}}) {
        const TileDocument document = FrameAndSmall(paper);
        for (int number = 1; number <= document.PageCount(); ++number) {
            const PrintedPage page = FullSizePage(document, number);
            EXPECT_NEAR(page.Calibration.XMax - page.Calibration.XMin, side, 1e-12);
            EXPECT_NEAR(page.Calibration.YMax - page.Calibration.YMin, side, 1e-12);
            EXPECT_EQ(Count(page.Furniture, CalibrationColour), 4);
            EXPECT_TRUE(Has(page, text)) << number;
        }
    }
    // A line along the top and a dot in the bottom right: the square goes bottom left.
    const PaperLayout letter = PaperLayoutOf(TilePaper::Letter);
    const auto square = [](std::vector<PlotSegment> segments) {
        return FullSizePage(PlanTiles({MakePieceDrawing("p", std::move(segments))},
                                      TilePaper::Letter, TileUnits::Inches, "b"),
                            2)
            .Calibration;
    };
    const ClipRect free = square({{0, 9, 7, 9, 0}, {6, 2, 6, 2, 0}});
    EXPECT_NEAR(free.XMin, letter.TileLeft() + 0.75, 1e-12);
    EXPECT_NEAR(free.YMax, letter.TileTop() + letter.TileHeight() - 0.75, 1e-12);
    // Dots in all four corners' squares: none is free, it goes bottom right.
    const ClipRect crowded = square({{3.5, 1, 3.5, 1, 0}, {3.5, 8, 3.5, 8, 0}, {0, 0, 7, 9, 1}});
    EXPECT_NEAR(crowded.XMax, letter.TileLeft() + letter.TileWidth() - 0.75, 1e-12);
    EXPECT_NEAR(crowded.YMax, free.YMax, 1e-12);
}

TEST(TilePages, TheMapShowsEveryPieceWithItsPagesBetweenTitleAndSquare) {
    const TileDocument document = FrameAndSmall(TilePaper::Letter, TileUnits::Millimetres);
    const PrintedPage map = FullSizePage(document, 1);
    for (const char* text : {"Merrowin full-size patterns: boat.hul",
                             "Letter paper, printed at 1:1. 10 pages in all, this map included.",
                             "Left out: blank (nothing drawn)", "frame: pages 2-9", "508 x 660 mm",
                             "small: page 10", "127 x 76 mm"}) {
        EXPECT_TRUE(Has(map, text)) << text;
    }
    EXPECT_EQ(Count(map.Furniture, PrintedTileColour), 9 * 4);
    EXPECT_EQ(Count(map.Furniture, MissingTileColour), 4 + 2); // crossed out
    EXPECT_EQ(map.Pattern.size(), 8u);
    // The miniatures lie within the margins, under the title and above the square.
    std::vector<PageLine> lines = map.Pattern;
    std::copy_if(map.Furniture.begin(), map.Furniture.end(), std::back_inserter(lines),
                 [](const PageLine& l) { return l.Colour != CalibrationColour; });
    for (const PageLine& l : lines) {
        EXPECT_GE(std::min(l.X1, l.X2), document.Paper.Margin);
        EXPECT_LE(std::max(l.X1, l.X2), map.Width - document.Paper.Margin);
        EXPECT_GT(std::min(l.Y1, l.Y2), document.Paper.Margin + 3 * 0.18);
        EXPECT_LT(std::max(l.Y1, l.Y2), map.Calibration.YMin);
    }
}

} // namespace
} // namespace merrowin
