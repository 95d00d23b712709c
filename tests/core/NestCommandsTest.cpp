// The nesting window's handlers: list clicks, picking, dragging and the push back inside the
// sheets, copies, flips and turns with the window's pi, and the pointer read-out.
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "NestTestState.h"
#include "nesting/NestCommands.h"

namespace merrowin {
namespace {

using test::TwoPieces;

// The box placed with its handle at (x, y).
NestState BoxAt(double x, double y) {
    NestState state = TwoPieces();
    SelectListPiece(state, 0);
    state.Pieces[0].Piece.PositionX = x;
    state.Pieces[0].Piece.PositionY = y;
    return state;
}

TEST(NestCommands, PickTakesTheNearestPlacedHandleWithin12Inches) {
    struct Case {
        double x, y;
        bool picked, copy;
    };
    const std::vector<Case> cases = {
        {20, 10, true, false},
        {22.9, 12.9, true, true}, // nearer the copy at (23, 13)
        {20, -2, false, false},   // 12 inches from the box, 15 from the copy
        {3, 1, false, false},     // the triangle's handle, but it is not placed
    };
    for (const Case& c : cases) {
        NestState state = BoxAt(20, 10);
        CopyPiece(state);
        state.SelectedPiece = 1;
        EXPECT_EQ(PickPiece(state, c.x, c.y), c.picked) << c.x << ", " << c.y;
        EXPECT_EQ(state.Dragging, c.picked);
        EXPECT_EQ(state.SelectedPiece, c.picked ? 0 : 1);
        EXPECT_EQ(state.SelectedIsCopy, c.copy);
    }
}

TEST(NestCommands, DragKeepsTheGrabAndReleasePushesTheShapeInside) {
    NestState state = BoxAt(20, 10);
    ASSERT_TRUE(PickPiece(state, 21, 11));
    DragPiece(state, -1, 6);
    EXPECT_EQ(state.Pieces[0].Piece.PositionX, -2);
    ReleasePiece(state);
    EXPECT_EQ(state.Pieces[0].Piece.PositionX, 5); // its left edge back on 0
    DragPiece(state, 100, 100);                    // no drag after the release
    EXPECT_EQ(state.Pieces[0].Piece.PositionX, 5);

    // The box reaches 5 inches along X and 2 across; three sheets make a row 288 x 48.
    struct Case {
        double x, y, pushedX, pushedY;
    };
    for (const Case& c : std::vector<Case>{
             {0, 0, 5, 2}, {290, 10, 283, 10}, {50, 47.5, 50, 46}, {100, 20, 100, 20}}) {
        NestShape shape = state.Pieces[0].Piece;
        shape.PositionX = c.x;
        shape.PositionY = c.y;
        EXPECT_EQ(InsideSheets(shape, state.Sheets), c.x == 100) << c.x << ", " << c.y;
        PushInsideSheets(shape, state.Sheets);
        EXPECT_TRUE(InsideSheets(shape, state.Sheets));
        EXPECT_EQ(shape.PositionX, c.pushedX) << c.x << ", " << c.y;
        EXPECT_EQ(shape.PositionY, c.pushedY) << c.x << ", " << c.y;
    }
}

TEST(NestCommands, CopyLiesThreeInchesFurtherAndFlipsOnItsOwn) {
    NestState state = BoxAt(10, 5);
    CopyPiece(state);
    const NestShape& copy = state.Pieces[0].Copy;
    EXPECT_TRUE(copy.Placed && copy.PositionX == 13 && copy.PositionY == 8);
    ASSERT_TRUE(PickPiece(state, 13, 8) && state.SelectedIsCopy);
    FlipPiece(state);
    EXPECT_EQ(copy.Points[0].Y, 2);
    EXPECT_EQ(state.Pieces[0].Piece.Points[0].Y, -2);
}

TEST(NestCommands, TurnsUseTheWindowsPiSoTheyDrift) {
    NestState state = BoxAt(10, 5);
    const NestPoint start = state.Pieces[0].Piece.Points[2]; // (5, 2)
    const auto turned = [&](std::vector<double> turns) {
        NestState s = state;
        for (const double a : turns) {
            TurnPiece(s, a);
        }
        return s.Pieces[0].Piece.Points[2];
    };
    // Two half turns come 0.0106 degrees short of a whole one.
    const NestPoint twice = turned({NestTurn::Half, NestTurn::Half});
    const double degrees =
        std::remainder((std::atan2(twice.Y, twice.X) - std::atan2(start.Y, start.X)) * 180 /
                           std::numbers::pi,
                       360) +
        360;
    EXPECT_NEAR(degrees, 359.9895, 2e-4);
    const NestPoint half = turned({NestTurn::Half});
    const NestPoint quarters = turned({NestTurn::Quarter, NestTurn::Quarter});
    EXPECT_NEAR(quarters.X, half.X, 1e-12);
    EXPECT_NEAR(quarters.Y, half.Y, 1e-12);
    const NestPoint back = turned({NestTurn::Ccw, NestTurn::Cw});
    EXPECT_NEAR(back.X, start.X, 1e-12);
    EXPECT_NEAR(back.Y, start.Y, 1e-12);
}

TEST(NestCommands, ReadOutNamesTheSelectedPieceAndTheNearestPoint) {
    NestState state = BoxAt(7.3, 1); // corner (5, 2) at (12.3, 3)
    EXPECT_FALSE(PointReadOut(state, 2000, 0).Found);
    SelectListPiece(state, 1); // the triangle, placed at (3, 1), becomes the selection
    const NestReadOut readOut = PointReadOut(state, 12, 3.2);
    ASSERT_TRUE(readOut.Found);
    EXPECT_EQ(readOut.Caption, "tri.uc: 12.30'' 3.00'' (12-2'' 3-0'')");
    EXPECT_FALSE(PointReadOut(TwoPieces(), 0, 0).Found);
}

// The hull file holds whatever text its writer gave the option; older files and hand edits must
// neither tick the box by accident nor lose a tick.
TEST(NestCommands, OptionTextTicksTheReadOutBoxWhenNotZero) {
    const std::pair<const char*, bool> cases[] = {
        {" 1 ", true}, {"2", true}, {"0.0", false}, {"abc", false}, {"", false}};
    for (const auto& [text, checked] : cases) {
        EXPECT_EQ(NestOptionChecked(text), checked) << '"' << text << '"';
    }
}

} // namespace
} // namespace merrowin
