// Full-size tiling: how many pages a piece needs, which carry ink, their labels and numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tiles/TilePlan.h"

namespace merrowin {
namespace {

PieceDrawing Rectangle(const std::string& name, double width, double height) {
    return MakePieceDrawing(name, {{-3, 2, width - 3, 2, 0},
                                   {width - 3, 2, width - 3, height + 2, 0},
                                   {width - 3, height + 2, -3, height + 2, 0},
                                   {-3, height + 2, -3, 2, 0}});
}

TEST(TilePlan, PagesCoverAPieceWithTheOverlapAndNoMore) {
    // n Letter pages cover 7n + 0.5 in across and 9.15n + 0.5 down; A4 6.7677n + 0.5 across.
    struct Case {
        TilePaper Paper;
        double Width, Height;
        int Columns, Rows;
    };
    for (const Case& c :
         {Case{TilePaper::Letter, 7.5, 9.65, 1, 1}, Case{TilePaper::Letter, 7.51, 9.66, 2, 2},
          Case{TilePaper::Letter, 21.5, 27.95, 3, 3}, Case{TilePaper::Letter, 21.51, 27.96, 4, 4},
          Case{TilePaper::A4, 7.26, 10.34, 1, 1}, Case{TilePaper::A4, 7.28, 10.35, 2, 2}}) {
        const PieceGrid grid = GridFor(Rectangle("r", c.Width, c.Height), PaperLayoutOf(c.Paper));
        EXPECT_EQ(grid.Columns, c.Columns) << c.Width;
        EXPECT_EQ(grid.Rows, c.Rows) << c.Height;
        // Neighbours share the overlap; the grid is centred on the piece.
        EXPECT_NEAR(grid.TileRect(0, 0).XMax - grid.TileRect(0, 1).XMin, TileOverlap, 1e-12);
        EXPECT_NEAR(grid.TileRect(0, 0).YMin - grid.TileRect(1, 0).YMax, -TileOverlap, 1e-12);
        EXPECT_NEAR(grid.Extent().XMin + grid.Extent().XMax, c.Width - 6, 1e-9);
        EXPECT_NEAR(grid.Extent().YMin + grid.Extent().YMax, c.Height + 4, 1e-9);
    }
}

TEST(TilePlan, PagesWithoutInkAreLeftOutAndTheRestNumberedAfterTheMap) {
    // Three pages each way round a frame: the middle one sees none of its outline.
    std::vector<PieceDrawing> pieces = {MakePieceDrawing("blank", {}), Rectangle("frame", 20, 26),
                                        Rectangle("huge", 1e5, 10), Rectangle("small", 5, 3)};
    const TileDocument document =
        PlanTiles(std::move(pieces), TilePaper::Letter, TileUnits::Inches, "boat.hul");
    EXPECT_EQ(document.LeftOut,
              (std::vector<std::string>{"blank (nothing drawn)", "huge (more than 1000 pages)"}));
    ASSERT_EQ(document.Pieces.size(), 2u);
    std::vector<int> pages;
    for (const PieceTile& tile : document.Pieces[0].Tiles) {
        EXPECT_EQ(tile.Inked, tile.Row != 1 || tile.Column != 1);
        pages.push_back(tile.Page);
    }
    EXPECT_EQ(pages, (std::vector<int>{2, 3, 4, 5, 0, 6, 7, 8, 9}));
    EXPECT_EQ(document.Pieces[1].Tiles.at(0).Page, 10);
    ASSERT_EQ(document.PageCount(), 10);
    EXPECT_EQ(document.Pages[5].Tile, 5); // page 6 is B3
    // A touch at a point is no ink; a dot or a line along the edge is.
    const ClipRect tile{0, 0, 10, 10};
    EXPECT_FALSE(HasInk({{-5, 5, 0, 10, 0}, {10, 10, 12, 14, 0}, {11, 0, 11, 10, 0}}, tile));
    EXPECT_TRUE(HasInk({{3, 3, 3, 3, 1}}, tile));
    EXPECT_TRUE(HasInk({{0, 2, 0, 8, 0}}, tile));
}

TEST(TilePlan, RowsAreLetteredAndColumnsNumbered) {
    EXPECT_EQ(TileLabel(1, 2), "B3");
    EXPECT_EQ(TileLabel(25, 11), "Z12");
    for (const auto& [row, letters] : std::vector<std::pair<int, std::string>>{
             {26, "AA"}, {51, "AZ"}, {52, "BA"}, {701, "ZZ"}, {702, "AAA"}}) {
        EXPECT_EQ(RowLetters(row), letters);
    }
}

} // namespace
} // namespace merrowin
