// The layout file of the command line: its lines, its faults, and placing pieces by it.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "NestTestState.h"
#include "nesting/NestCommands.h"
#include "nesting/NestLayoutFile.h"

namespace merrowin {
namespace {

using test::Lines;
using test::TwoPieces;

TEST(NestLayoutFile, ReadsPlacementsCopiesAndSteps) {
    const NestLayoutRead read =
        ParseNestLayout(Lines({"# the box twice", "", "BOX.UC 48 12 180 Flip 90",
                               "\tcopy of box.uc  +60 -1.5e1 ccw CW"}));
    ASSERT_FALSE(read.Failure) << *read.Failure;
    ASSERT_EQ(read.Placements.size(), 2u);
    const NestPlacement& piece = read.Placements[0];
    EXPECT_EQ(piece.Line, 3);
    EXPECT_EQ(piece.Steps,
              (std::vector<NestStep>{NestStep::Half, NestStep::Flip, NestStep::Quarter}));
    const NestPlacement& copy = read.Placements[1];
    EXPECT_TRUE(copy.IsCopy && copy.Name == "box.uc" && copy.X == 60 && copy.Y == -15);
    EXPECT_EQ(copy.Steps, (std::vector<NestStep>{NestStep::Ccw, NestStep::Cw}));
}

TEST(NestLayoutFile, FaultsNameTheirLine) {
    std::string manySteps = "box.uc 1 1";
    for (int i = 0; i <= MaxLayoutSteps; ++i) {
        manySteps += " 90";
    }
    std::vector<std::string> manyLines(MaxLayoutPlacements + 1, "box.uc 1 1");
    struct Case {
        std::string text, failure;
    };
    const std::vector<Case> cases = {
        {"box.uc 1", "line 1: a piece name, X and Y are needed"},
        {"\r\nCopy of box.uc 1", "line 2: a piece name, X and Y are needed"},
        {"box.uc 1 2x", "line 1: X and Y must be numbers of inches up to 100000"},
        {"box.uc inf 2", "line 1: X and Y must be numbers of inches up to 100000"},
        {"box.uc 1 100001", "line 1: X and Y must be numbers of inches up to 100000"},
        {"box.uc 1 2 45", "line 1: not flip, 180, 90, ccw or cw: 45"},
        {manySteps, "line 1: more than 1000 steps"},
        {Lines(manyLines), "line 61: more than 60 placements (a piece and its copy each)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseNestLayout(c.text).Failure, c.failure) << c.text.substr(0, 40);
    }
}

TEST(NestLayoutFile, PlacesAsTheButtonsWouldOrChangesNothing) {
    NestState byButtons = TwoPieces();
    SelectListPiece(byButtons, 0);
    TurnPiece(byButtons, NestTurn::Half);
    FlipPiece(byButtons);
    TurnPiece(byButtons, NestTurn::Cw);

    NestState byLayout = TwoPieces();
    ASSERT_EQ(ApplyNestLayout(byLayout, ParseNestLayout("Box.uc 40 20 180 flip cw\n").Placements),
              std::nullopt);
    const NestShape& shape = byLayout.Pieces[0].Piece;
    EXPECT_TRUE(shape.Placed && shape.PositionX == 40 && shape.PositionY == 20);
    EXPECT_FALSE(byLayout.Pieces[0].Copy.Placed || byLayout.Pieces[1].Piece.Placed);
    for (std::size_t k = 0; k < shape.Points.size(); ++k) {
        EXPECT_EQ(shape.Points[k].X, byButtons.Pieces[0].Piece.Points[k].X);
        EXPECT_EQ(shape.Points[k].Y, byButtons.Pieces[0].Piece.Points[k].Y);
    }

    struct Case {
        std::string text, failure;
    };
    const std::vector<Case> faults = {
        {"box.uc 1 1\nkeel.uc 2 2", "line 2: no piece named keel.uc"},
        {"box.uc 1 1\n# again\nBOX.UC 2 2", "line 3: BOX.UC is placed twice"},
        {"copy of tri.uc 1 1\nbox.uc 1 1", "line 1: Copy of tri.uc needs tri.uc placed"},
    };
    for (const Case& c : faults) {
        NestState state = byLayout;
        EXPECT_EQ(ApplyNestLayout(state, ParseNestLayout(c.text).Placements), c.failure);
        EXPECT_EQ(state.Pieces[0].Piece.PositionX, 40) << c.text; // left as it was
    }
}

} // namespace
} // namespace merrowin
