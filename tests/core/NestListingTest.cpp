// The nested hand plotting listing: sheets of points on and past the edges, the two number
// forms, what is left out, the whole layout against its golden file, and saving it.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "NestTestState.h"
#include "nesting/NestCommands.h"
#include "nesting/NestListing.h"
#include "ui/RepaintHub.h"

namespace merrowin {
namespace {

using test::ReadRaw;
using test::TwoPieces;

TEST(NestListing, SheetOfPointsOnAndPastTheEdges) {
    struct Case {
        double xa;
        int sheet;
    };
    for (const Case& c : std::vector<Case>{
             {96, 1}, {96.0001, 2}, {100, 2}, {192, 2}, {-3, 1}, {480, 5}, {600, 5}}) {
        EXPECT_EQ(SheetOf(c.xa, 96), c.sheet) << c.xa;
    }
}

TEST(NestListing, PointsStandInTheirSheetsZoneInInchesAndMillimetres) {
    NestState state = TwoPieces(); // the triangle is never placed
    NestShape& shape = state.Pieces[0].Piece;
    shape.Placed = true;
    shape.PositionX = 0;
    shape.PositionY = 0;
    shape.Points = {{12.3, 3}, {100, 3}, {96, 0}};
    // 12.3 by 3 and 96 by 0 on sheet 1, 100 by 3 on sheet 2 as 4 by 3; no copy, no triangle.
    EXPECT_EQ(NestedListing(state, "b.hul", "t", "d"),
              ReadRaw(fs::path(MERROWIN_TEST_DATA) / "nest" / "listing_examples.txt"));
}

TEST(NestListing, MatchesTheGoldenListing) {
    // The box across the edge of sheets 1 and 2, its copy turned and flipped on sheet 2, the
    // triangle on sheet 3.
    NestState state = TwoPieces();
    SelectListPiece(state, 0);
    state.Pieces[0].Piece.PositionX = 93.5;
    state.Pieces[0].Piece.PositionY = 10;
    CopyPiece(state);
    ASSERT_TRUE(PickPiece(state, 96.5, 13));
    ReleasePiece(state);
    TurnPiece(state, NestTurn::Quarter);
    FlipPiece(state);
    SelectListPiece(state, 1);
    state.Pieces[1].Piece.PositionX = 200.3;
    state.Pieces[1].Piece.PositionY = 40.0625;
    const std::string golden = ReadRaw(fs::path(MERROWIN_TEST_DATA) / "nest" / "listing.txt");
    EXPECT_EQ(NestedListing(state, "skiff6.hul", "09:05:07", "01-02-2027"), golden);
}

TEST(NestListing, SaveReplacesTheFileWholeAndNamesAFailedWrite) {
    test::TempFolder folder;
    NestState state = TwoPieces();
    SelectListPiece(state, 1);
    std::tm when{};
    when.tm_year = 127;
    when.tm_mday = 2;
    test::WriteRaw(folder.Path() / "nest.txt", std::string(5000, 'x'));
    EXPECT_TRUE(SaveNestedListing(folder.Path(), "nest.txt", state, "a.hul", when).Ok());
    EXPECT_EQ(ReadRaw(folder.Path() / "nest.txt"),
              NestedListing(state, "a.hul", "00:00:00", "01-02-2027"));
    EXPECT_EQ(SaveNestedListing(folder.Path(), "gone/nest.txt", state, "a.hul", when).Text(),
              "Could not write gone/nest.txt");

    ScriptedDialogs dialogs;
    const NestSaveOutcome cancelled = SaveNestCommand(folder.Path(), state, "a.hul", dialogs);
    EXPECT_TRUE(cancelled.Cancelled);
    dialogs.InputAnswers = {"other.txt"};
    const NestSaveOutcome saved = SaveNestCommand(folder.Path(), state, "a.hul", dialogs);
    EXPECT_FALSE(saved.Cancelled || saved.Saved.HasFailed());
    EXPECT_TRUE(FileExists(folder.Path(), "other.txt"));
    EXPECT_EQ(dialogs.Asked, (std::vector<std::string>{"Hand Plotting", "Hand Plotting"}));
}

} // namespace
} // namespace merrowin
