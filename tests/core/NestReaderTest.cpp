// Reading the hand plot listing back as nesting pieces: a real pattern run's listing, the
// caption, piece and point lines, and files larger than the window's arrays.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/ChineCurves.h"
#include "nesting/HandPlotReader.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"

namespace merrowin {
namespace {

using test::Lines;

TEST(NestReader, ReadsTheListingOfAPatternRunOfTheDefaultHull) {
    test::TempFolder folder;
    AppState app = test::StartupApp();
    UpdateHullGeometry(app.Hull, app.Work);
    SetExportText(app.Work.Patterns, folder.Path().string());
    MemoryStatusBar status;
    ASSERT_TRUE(CreatePatterns(folder.Path(), app.Hull, app.Work, status, nullptr).Ok());

    const HandPlotPieces read = ReadHandPlot(folder.Path());
    ASSERT_TRUE(read.Found);
    EXPECT_EQ(read.HullFileName, "default.hul");
    EXPECT_EQ(read.Caption.value_or("").rfind("default.hul ", 0), 0u);
    std::vector<std::string> names;
    for (const NestPiece& piece : read.Pieces) {
        names.push_back(piece.Name + " " + std::to_string(piece.Piece.Points.size()));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"transom.uc 11", "bhead1.uc 11", "bhead2.uc 11",
                                               "bhead3.uc 11", "chine1.uc 26", "chine2.uc 26",
                                               "chine3.uc 26"}));
    // The transom spans -28..28 by 0..34 and starts at (5, 0): centred on its box, (5, -17),
    // with the box in sheet 1's corner.
    const NestPiece& transom = read.Pieces[0];
    EXPECT_EQ(transom.Piece.Points[0].X, 5);
    EXPECT_EQ(transom.Piece.Points[0].Y, -17);
    EXPECT_EQ(transom.Piece.PositionX, 28);
    EXPECT_EQ(transom.Piece.PositionY, 17);
    EXPECT_FALSE(transom.Piece.Placed);
}

TEST(NestReader, MissingFileLeavesNoPiecesAndSaysSo) {
    test::TempFolder folder;
    const HandPlotPieces read = ReadHandPlot(folder.Path());
    EXPECT_FALSE(read.Found);
    EXPECT_TRUE(read.Pieces.empty());
    EXPECT_EQ(NestCaption(read), "No handplot.txt");
}

TEST(NestReader, CaptionAndHullNameFromTheTitle) {
    struct Case {
        std::string title, caption, hull;
    };
    const std::vector<Case> cases = {
        // 8 characters before the first "." to the end: a four-letter name keeps "for ".
        {"Hand plotting file for boat.hul           09:05:07      01-02-2027",
         "for boat.hul           09:05:07      01-02-2027", "boat.hul"},
        {"Hand plotting file for my boat.hul", "my boat.hul", "my boat.hul"},
        // No "." far enough in: the window keeps its own caption.
        {"Hand plotting file", "Pattern Nesting", ""},
        {"a.b", "Pattern Nesting", ""},
    };
    for (const Case& c : cases) {
        const HandPlotPieces read = ParseHandPlot(c.title + "\r\n");
        EXPECT_EQ(NestCaption(read), c.caption) << c.title;
        EXPECT_EQ(read.HullFileName, c.hull) << c.title;
    }
}

TEST(NestReader, PointLinesEndAtAnEmptyLineOrTheNextHeader) {
    const HandPlotPieces read = ParseHandPlot(Lines({
        "Hand plotting file for x.hul",
        "X in.         Y in.         X in-eights   Y in-eights   X mm          Y mm",
        "  stem.uc     __________",
        "1.00          2.00          1-0/8         2-0/8         25.4          50.8",
        "3.00          -4.00",
        "",
        "9.00          9.00", // after an empty line: passed over up to the next header
        "keel.uc",
        "7.5",
    }));
    ASSERT_EQ(read.Pieces.size(), 2u);
    EXPECT_EQ(read.Pieces[0].Name, "stem.uc");
    ASSERT_EQ(read.Pieces[0].Piece.Points.size(), 2u);
    EXPECT_EQ(read.Pieces[0].Piece.Points[1].X, 1); // 3 less the box's centre 2
    EXPECT_EQ(read.Pieces[0].Piece.Points[1].Y, -3);
    EXPECT_EQ(read.Pieces[1].Name, "keel.uc");
    ASSERT_EQ(read.Pieces[1].Piece.Points.size(), 1u); // a lone number: Y is 0
    EXPECT_EQ(read.Pieces[1].Width, 0);
    EXPECT_FALSE(read.PiecesCut || read.PointsCut);
}

TEST(NestReader, KeepsTheFirst30PiecesAnd50PointsAndSaysSo) {
    std::vector<std::string> lines = {"Hand plotting file for big.hul"};
    for (int i = 1; i <= 33; ++i) {
        lines.push_back("piece" + std::to_string(i) + ".uc");
        for (int k = 0; k < (i == 2 ? 70 : 3); ++k) {
            lines.push_back(std::to_string(k) + ".00 " + std::to_string(i));
        }
    }
    const HandPlotPieces read = ParseHandPlot(Lines(lines));
    ASSERT_EQ(read.Pieces.size(), 30u);
    EXPECT_EQ(read.Pieces.back().Name, "piece30.uc");
    EXPECT_EQ(read.Pieces[1].Piece.Points.size(), 50u);
    EXPECT_EQ(read.Pieces[1].Copy.Points.size(), 50u);
    EXPECT_EQ(read.Pieces[1].Width, 49);
    EXPECT_TRUE(read.PiecesCut && read.PointsCut);
    EXPECT_EQ(NestCaption(read),
              "for big.hul (only the first 30 pieces and 50 points of each were read)");
}

} // namespace
} // namespace merrowin
