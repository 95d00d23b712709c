// The pages of a full-size printout: the pattern at 1:1 on its tiles, the alignment crosses,
// the calibration square and the assembly map.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tiles/TilePages.h"
#include "ui/RecordingCanvas.h"

namespace merrowin {
namespace {

PieceDrawing Rectangle(const std::string& name, double x, double y, double width, double height) {
    return MakePieceDrawing(name, {{x, y, x + width, y, 0},
                                   {x + width, y, x + width, y + height, 0},
                                   {x + width, y + height, x, y + height, 0},
                                   {x, y + height, x, y, 0}});
}

TileDocument Plan(std::vector<PieceDrawing> pieces, TilePaper paper = TilePaper::Letter,
                  TileUnits units = TileUnits::Inches) {
    return PlanTiles(std::move(pieces), paper, units, "boat.hul");
}

// The frame (three tiles each way, the middle one empty) and a small piece on one tile.
TileDocument FrameAndSmall(TilePaper paper = TilePaper::Letter,
                           TileUnits units = TileUnits::Inches) {
    return Plan({Rectangle("frame", 0, 0, 20, 26), Rectangle("small", 100, 100, 5, 3)}, paper,
                units);
}

double Length(const PageLine& l) {
    return std::hypot(l.X2 - l.X1, l.Y2 - l.Y1);
}

bool Has(const std::vector<PageText>& texts, const std::string& text) {
    return std::any_of(texts.begin(), texts.end(),
                       [&text](const PageText& t) { return t.Text == text; });
}

int CountColour(const std::vector<PageLine>& lines, int colour) {
    return static_cast<int>(std::count_if(
        lines.begin(), lines.end(), [colour](const PageLine& l) { return l.Colour == colour; }));
}

TEST(TilePages, APieceOnOneTileIsDrawnAtFullSizeInTheMiddleOfItsTile) {
    const TileDocument document = FrameAndSmall();
    const PrintedPage page = FullSizePage(document, 10);
    const PaperLayout& paper = document.Paper;
    ASSERT_EQ(page.Pattern.size(), 4u);
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const PageLine& l : page.Pattern) {
        EXPECT_DOUBLE_EQ(Length(l), l.Y1 == l.Y2 ? 5 : 3);
        minX = std::min({minX, l.X1, l.X2});
        maxX = std::max({maxX, l.X1, l.X2});
        minY = std::min({minY, l.Y1, l.Y2});
        maxY = std::max({maxY, l.Y1, l.Y2});
    }
    EXPECT_NEAR((minX + maxX) / 2, paper.TileLeft() + paper.TileWidth() / 2, 1e-12);
    EXPECT_NEAR((minY + maxY) / 2, paper.TileTop() + paper.TileHeight() / 2, 1e-12);
    EXPECT_EQ(page.Width, 8.5);
    EXPECT_EQ(page.Height, 11);
}

TEST(TilePages, ALineAcrossThreePagesIsCutAtTheirEdgesAndKeepsItsPlace) {
    // 20 in along, one tile high: three pages, each showing its part, the overlaps twice.
    const TileDocument document = Plan({MakePieceDrawing("batten", {{0, 0, 20, 0, 1}})});
    ASSERT_EQ(document.PageCount(), 4);
    const PaperLayout& paper = document.Paper;
    const PieceGrid& grid = document.Pieces[0].Grid;
    double total = 0;
    for (int page = 2; page <= 4; ++page) {
        const PrintedPage printed = FullSizePage(document, page);
        ASSERT_EQ(printed.Pattern.size(), 1u) << page;
        const PageLine& l = printed.Pattern[0];
        EXPECT_EQ(l.Colour, PatternColour(1));
        total += Length(l);
        // Back to pattern inches through the tile's rectangle: still on the batten.
        const ClipRect tile = grid.TileRect(0, page - 2);
        for (const double x : {l.X1, l.X2}) {
            const double patternX = tile.XMin + (x - paper.TileLeft());
            EXPECT_GE(patternX, -1e-12);
            EXPECT_LE(patternX, 20 + 1e-12);
            EXPECT_GE(x, paper.TileLeft() - 1e-12);
            EXPECT_LE(x, paper.TileLeft() + paper.TileWidth() + 1e-12);
        }
        EXPECT_NEAR(tile.YMax - (l.Y1 - paper.TileTop()), 0, 1e-12);
    }
    EXPECT_NEAR(total, 20 + 2 * TileOverlap, 1e-9);
}

TEST(TilePages, AlignmentCrossesOfNeighboursFallOnTheSamePointOfThePattern) {
    const TileDocument document = FrameAndSmall();
    const TiledPiece& frame = document.Pieces[0];
    const PaperLayout& paper = document.Paper;
    // The crosses of a tile in pattern inches.
    const auto crosses = [&](int row, int column) {
        const PrintedPage page = TilePage(document, frame, frame.Tiles[row * 3 + column]);
        const ClipRect tile = frame.Grid.TileRect(row, column);
        std::vector<std::pair<double, double>> points;
        for (const PageCircle& c : page.Circles) {
            EXPECT_EQ(c.Colour, CrossColour);
            points.emplace_back(tile.XMin + (c.X - paper.TileLeft()),
                                tile.YMax - (c.Y - paper.TileTop()));
        }
        return points;
    };
    const auto a1 = crosses(0, 0), a2 = crosses(0, 1), b1 = crosses(1, 0);
    ASSERT_EQ(a1.size(), 4u);
    int sharedAcross = 0, sharedDown = 0;
    for (const auto& p : a1) {
        for (const auto& q : a2) {
            sharedAcross +=
                std::abs(p.first - q.first) < 1e-9 && std::abs(p.second - q.second) < 1e-9;
        }
        for (const auto& q : b1) {
            sharedDown +=
                std::abs(p.first - q.first) < 1e-9 && std::abs(p.second - q.second) < 1e-9;
        }
    }
    EXPECT_EQ(sharedAcross, 2);
    EXPECT_EQ(sharedDown, 2);
}

TEST(TilePages, EveryPageCarriesACalibrationSquareOfThePapersSize) {
    struct Case {
        TilePaper Paper;
        double Side;
        const char* Text;
    };
    for (const Case& c : {Case{TilePaper::Letter, 4, "4 in x 4 in square"},
                          Case{TilePaper::A4, 100 / 25.4, "100 mm x 100 mm square"}}) {
        const TileDocument document = FrameAndSmall(c.Paper);
        for (int number = 1; number <= document.PageCount(); ++number) {
            const PrintedPage page = FullSizePage(document, number);
            const ClipRect& square = page.Calibration;
            EXPECT_NEAR(square.XMax - square.XMin, c.Side, 1e-12) << number;
            EXPECT_NEAR(square.YMax - square.YMin, c.Side, 1e-12) << number;
            EXPECT_EQ(CountColour(page.Furniture, CalibrationColour), 4) << number;
            EXPECT_TRUE(Has(page.Texts, c.Text)) << number;
            const double margin = document.Paper.Margin;
            EXPECT_GE(square.XMin, margin);
            EXPECT_GE(square.YMin, margin);
            EXPECT_LE(square.XMax, page.Width - margin);
            EXPECT_LE(square.YMax, page.Height - margin);
        }
    }
}

TEST(TilePages, TheCalibrationSquareTakesACornerFreeOfThePattern) {
    const PaperLayout paper = PaperLayoutOf(TilePaper::Letter);
    const double insideRight = paper.TileLeft() + paper.TileWidth() / 2;
    // A line along the top and a dot in the bottom right square: the bottom left is free.
    const TileDocument free = Plan({MakePieceDrawing("a", {{0, 9, 7, 9, 0}, {6, 2, 6, 2, 0}})});
    const PrintedPage page = FullSizePage(free, 2);
    EXPECT_LT(page.Calibration.XMax, insideRight + 1.1);
    EXPECT_GT(page.Calibration.YMin, paper.TileTop() + paper.TileHeight() / 2);
    for (const PageLine& l : page.Pattern) {
        EXPECT_FALSE(InksRect(l.X1, l.Y1, l.X2, l.Y2, page.Calibration));
    }
    // Dots in both upper and both lower squares: none is free, the square goes bottom right.
    const TileDocument full =
        Plan({MakePieceDrawing("b", {{3.5, 1, 3.5, 1, 0}, {3.5, 7, 3.5, 7, 0}, {0, 0, 7, 9, 1}})});
    const PrintedPage crowded = FullSizePage(full, 2);
    EXPECT_NEAR(crowded.Calibration.XMax, paper.TileLeft() + paper.TileWidth() - 0.75, 1e-12);
    EXPECT_NEAR(crowded.Calibration.YMax, paper.TileTop() + paper.TileHeight() - 0.75, 1e-12);
}

TEST(TilePages, ATilePageIsLabelledWithItsRowColumnAndPage) {
    const TileDocument document = FrameAndSmall();
    const PrintedPage page = FullSizePage(document, 6); // B2 is left out: B3 is page 6
    EXPECT_TRUE(Has(page.Texts, "frame   B3   row B of 3, column 3 of 3   page 6 of 10"));
    EXPECT_EQ(CountColour(page.Furniture, GuideColour), 8); // tile edge, overlap edges
    EXPECT_EQ(page.Circles.size(), 4u);
}

TEST(TilePages, TheMapShowsEveryPieceItsTilesAndThePageCountAboveTheSquare) {
    std::vector<PieceDrawing> pieces = {Rectangle("frame", 0, 0, 20, 26),
                                        MakePieceDrawing("blank", {}),
                                        Rectangle("small", 100, 100, 5, 3)};
    const TileDocument document =
        Plan(std::move(pieces), TilePaper::Letter, TileUnits::Millimetres);
    const PrintedPage map = FullSizePage(document, 1);
    for (const char* text : {"Merrowin full-size patterns: boat.hul",
                             "Letter paper, printed at 1:1. 10 pages in all, this map included.",
                             "Left out: blank (nothing drawn)", "frame: pages 2-9", "508 x 660 mm",
                             "small: page 10", "127 x 76 mm"}) {
        EXPECT_TRUE(Has(map.Texts, text)) << text;
    }
    // A box for each printed tile, a grey crossed box for the one left out.
    EXPECT_EQ(CountColour(map.Furniture, PrintedTileColour), 9 * 4);
    EXPECT_EQ(CountColour(map.Furniture, MissingTileColour), 4 + 2);
    EXPECT_EQ(map.Pattern.size(), 8u);
    // Everything of the pieces lies inside the margins, under the title, above the square.
    const double margin = document.Paper.Margin;
    for (const std::vector<PageLine>* lines : {&map.Furniture, &map.Pattern}) {
        for (const PageLine& l : *lines) {
            if (l.Colour == CalibrationColour) {
                continue;
            }
            for (const double x : {l.X1, l.X2}) {
                EXPECT_GE(x, margin - 1e-12);
                EXPECT_LE(x, map.Width - margin + 1e-12);
            }
            for (const double y : {l.Y1, l.Y2}) {
                EXPECT_GT(y, margin + 2 * 0.18);
                EXPECT_LT(y, map.Calibration.YMin);
            }
        }
    }
}

TEST(TilePages, DrawingUsesPageInchesAndSkipsWhatIsNotFinite) {
    const TileDocument document = FrameAndSmall();
    RecordingCanvas canvas(850, 1100);
    DrawFullSizePage(canvas, document, 2);
    const PrintedPage page = FullSizePage(document, 2);
    ASSERT_TRUE(canvas.HasScale());
    EXPECT_EQ(canvas.CurrentScale().Right, 8.5);
    EXPECT_EQ(canvas.CurrentScale().Bottom, 11);
    EXPECT_EQ(canvas.Count(CanvasOp::Line), page.Furniture.size() + page.Pattern.size());
    EXPECT_EQ(canvas.Texts().size(), page.Texts.size());
    // Each text goes where its white dot put the drawing position.
    const std::vector<CanvasCall> texts = canvas.Of(CanvasOp::Text);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].X1, page.Texts[i].X);
        EXPECT_EQ(texts[i].Y1, page.Texts[i].Y);
    }

    PrintedPage odd;
    odd.Width = 8.5;
    odd.Height = 11;
    odd.Pattern = {{0, 0, NAN, 1, 0}, {1, 1, 2, 2, 0}, {INFINITY, 0, 1, 1, 0}};
    odd.Circles = {{1, 1, NAN, 0}};
    RecordingCanvas oddCanvas;
    DrawPrintedPage(oddCanvas, odd);
    EXPECT_EQ(oddCanvas.Count(CanvasOp::Line), 1u);
    EXPECT_EQ(oddCanvas.Count(CanvasOp::Circle), 0u);
}

} // namespace
} // namespace merrowin
