// Full-size tiling: how many pages a piece needs, which of them carry ink, their labels and
// their page numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tiles/TilePlan.h"

namespace merrowin {
namespace {

// A closed rectangle outline, pen 0, with its lower left corner at (x, y), inches.
PieceDrawing Rectangle(const std::string& name, double x, double y, double width, double height) {
    return MakePieceDrawing(name, {{x, y, x + width, y, 0},
                                   {x + width, y, x + width, y + height, 0},
                                   {x + width, y + height, x, y + height, 0},
                                   {x, y + height, x, y, 0}});
}

TEST(TilePlan, TilesAreCountedWithTheOverlapAndNoMore) {
    // Letter: a tile area of 7.5 x 9.65 in, so n tiles cover 7n + 0.5 across and 9.15n + 0.5
    // down; A4: 7.2677 x 10.3425 in.
    struct Case {
        TilePaper Paper;
        double Width, Height;
        int Columns, Rows;
    };
    const Case cases[] = {
        {TilePaper::Letter, 7.5, 9.65, 1, 1},      {TilePaper::Letter, 7.51, 9.66, 2, 2},
        {TilePaper::Letter, 21.5, 27.95, 3, 3},    {TilePaper::Letter, 21.51, 27.96, 4, 4},
        {TilePaper::Letter, 0, 0, 1, 1},           {TilePaper::Letter, 141.5, 24, 21, 3},
        {TilePaper::A4, 7.26, 10.34, 1, 1},        {TilePaper::A4, 7.28, 10.35, 2, 2},
        {TilePaper::A4, 3 * 6.7677 + 0.5, 1, 3, 1}};
    for (const Case& c : cases) {
        const PieceGrid grid =
            GridFor(Rectangle("r", -3, 2, c.Width, c.Height), PaperLayoutOf(c.Paper));
        EXPECT_EQ(grid.Columns, c.Columns) << c.Width;
        EXPECT_EQ(grid.Rows, c.Rows) << c.Height;
    }
}

TEST(TilePlan, NeighboursShareExactlyTheOverlapAndTheGridIsCentredOnThePiece) {
    const PieceDrawing piece = Rectangle("r", -3, 2, 20, 26);
    const PieceGrid grid = GridFor(piece, PaperLayoutOf(TilePaper::Letter));
    ASSERT_EQ(grid.Columns, 3);
    ASSERT_EQ(grid.Rows, 3);
    const ClipRect a1 = grid.TileRect(0, 0), a2 = grid.TileRect(0, 1), b1 = grid.TileRect(1, 0);
    EXPECT_DOUBLE_EQ(a1.XMax - a2.XMin, TileOverlap);
    EXPECT_DOUBLE_EQ(b1.YMax - a1.YMin, TileOverlap);
    EXPECT_DOUBLE_EQ(a1.XMax - a1.XMin, 7.5);
    EXPECT_DOUBLE_EQ(a1.YMax - a1.YMin, 9.65);
    // Row A is the top of the piece; the margins round the piece are equal on opposite sides.
    const ClipRect all = grid.Extent();
    EXPECT_DOUBLE_EQ(all.YMax, a1.YMax);
    EXPECT_NEAR(all.XMax, grid.TileRect(2, 2).XMax, 1e-12);
    EXPECT_NEAR(all.YMin, grid.TileRect(2, 2).YMin, 1e-12);
    EXPECT_NEAR(piece.MinX - all.XMin, all.XMax - piece.MaxX, 1e-12);
    EXPECT_NEAR(piece.MinY - all.YMin, all.YMax - piece.MaxY, 1e-12);
    EXPECT_GT(piece.MinX - all.XMin, 0);
}

TEST(TilePlan, PagesWithoutInkAreLeftOutAndTheRestNumberedAfterTheMap) {
    // Three tiles each way round a rectangle: the middle tile sees none of its outline.
    std::vector<PieceDrawing> pieces;
    pieces.push_back(Rectangle("frame", 0, 0, 20, 26));
    pieces.push_back(Rectangle("small", 100, 100, 5, 3));
    const TileDocument document =
        PlanTiles(std::move(pieces), TilePaper::Letter, TileUnits::Inches, "boat.hul");
    ASSERT_EQ(document.Pieces.size(), 2u);
    const TiledPiece& frame = document.Pieces[0];
    ASSERT_EQ(frame.Tiles.size(), 9u);
    EXPECT_EQ(frame.PrintedCount(), 8);
    std::vector<int> pages;
    for (const PieceTile& tile : frame.Tiles) {
        EXPECT_EQ(tile.Inked, !(tile.Row == 1 && tile.Column == 1));
        pages.push_back(tile.Page);
    }
    EXPECT_EQ(pages, (std::vector<int>{2, 3, 4, 5, 0, 6, 7, 8, 9}));
    EXPECT_EQ(document.Pieces[1].Tiles.at(0).Page, 10);
    EXPECT_EQ(document.PageCount(), 10);
    // Every page after the map names its piece and tile, in order.
    ASSERT_EQ(document.Pages.size(), 10u);
    EXPECT_EQ(document.Pages[0].Piece, -1);
    EXPECT_EQ(document.Pages[5].Piece, 0);
    EXPECT_EQ(document.Pages[5].Tile, 5); // B3: B2 is left out
    EXPECT_EQ(document.Pages[9].Piece, 1);
}

TEST(TilePlan, InkIsALineOrADotInsideNotATouch) {
    const ClipRect tile{0, 0, 10, 10};
    struct Case {
        PlotSegment Segment;
        bool Ink;
    };
    const Case cases[] = {
        {{-5, 5, 15, 5, 0}, true},    // crosses the tile
        {{3, 3, 3, 3, 1}, true},      // a dot inside
        {{-5, 5, 0, 10, 0}, false},   // touches a corner from outside
        {{10, 10, 12, 14, 0}, false}, // starts at a corner and leaves
        {{0, 2, 0, 8, 0}, true},      // runs along an edge
        {{11, 0, 11, 10, 0}, false},  // beside it
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HasInk({c.Segment}, tile), c.Ink) << c.Segment.X1 << "," << c.Segment.Y1;
    }
}

TEST(TilePlan, RowsAreLetteredAndColumnsNumbered) {
    EXPECT_EQ(TileLabel(0, 0), "A1");
    EXPECT_EQ(TileLabel(1, 2), "B3");
    EXPECT_EQ(TileLabel(25, 11), "Z12");
    EXPECT_EQ(RowLetters(26), "AA");
    EXPECT_EQ(RowLetters(51), "AZ");
    EXPECT_EQ(RowLetters(52), "BA");
    EXPECT_EQ(RowLetters(701), "ZZ");
    EXPECT_EQ(RowLetters(702), "AAA");
}

TEST(TilePlan, EmptyAndAbsurdPiecesAreLeftOutAndNamed) {
    std::vector<PieceDrawing> pieces;
    pieces.push_back(MakePieceDrawing("blank", {}));
    pieces.push_back(Rectangle("huge", 0, 0, 1e5, 10));
    pieces.push_back(Rectangle("fine", 0, 0, 5, 5));
    const TileDocument document =
        PlanTiles(std::move(pieces), TilePaper::A4, TileUnits::Millimetres, "boat.hul");
    ASSERT_EQ(document.Pieces.size(), 1u);
    EXPECT_EQ(document.Pieces[0].Drawing.Name, "fine");
    EXPECT_EQ(document.LeftOut,
              (std::vector<std::string>{"blank (nothing drawn)", "huge (more than 1000 pages)"}));
    EXPECT_EQ(document.PageCount(), 2);
}

} // namespace
} // namespace merrowin
