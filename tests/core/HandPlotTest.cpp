// Tests of the hand plotting listing: its zoned layout, the markers and the pieces it lists.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "patterns/HandPlot.h"

namespace merrowin {
namespace {

using test::Lines;
using test::ReadRaw;
using test::WriteRaw;

TEST(HandPlot, PointLinesInInchesEighthsAndMillimetres) {
    // 0.999 in lists as 1.00, 1-0/8 and 25.4 (millimetres of the rounded inches); 0 as zeros.
    EXPECT_EQ(HandPlotPointLine(499.5, 0, 500, 500),
              "1.00          0.00          1-0/8         0-0/8         25.4          0.0");
    // Negative values, eighths never carried into the inches, and a different y scale.
    EXPECT_EQ(HandPlotPointLine(-1250, 469, 500, 250),
              "-2.50         1.88          -2-4/8        1-7/8         -63.5         47.8");
    EXPECT_EQ(HandPlotPointLine(6190, 470, 500, 500),
              "12.38         0.94          12-3/8        0-8/8         314.5         23.9");
}

TEST(HandPlot, MarkersSelectThePointsListed) {
    const std::string panel =
        Lines({"start_plot", "/* Hull Xscale: 500 Yscale: 500 01-02-2027 */", "0 0 acut",
               "1 pendown", "0 500 acut", "1 penup", "0 penup", "/* hand plot */", "0 0 acut",
               "250 0 acut", "/* hand plot */", "0 pendown", "500 0 aline", "1000  500 acut"});
    // The marker lists exactly one cut point, skipping pen lines and "aline"; the tokeniser
    // strips the second blank of "1000  500".
    EXPECT_EQ(HandPlotPiece("chine1.uc", panel, 500, 500),
              "chine1.uc     __________    __________    __________    __________    __________\r\n"
              "0.00          0.00          0-0/8         0-0/8         0.0           0.0\r\n"
              "2.00          1.00          2-0/8         1-0/8         50.8          25.4\r\n");

    const std::string bulkhead =
        Lines({"start_plot", "/* TARVO: 01-02-2027 Xscale: 500 Yscale: 500 */",
               "/* hand plot all points */", "0 penup", "500 0 acut", "0 pendown", "0 500 acut",
               "500 0 acut", "0 penup", "end_plot"});
    const std::vector<std::string> lines =
        SplitLines(HandPlotPiece("bhead1.uc", bulkhead, 500, 500));
    ASSERT_EQ(lines.size(), 4u); // every point, the closing repeat included
    EXPECT_EQ(lines[1], lines[3]);

    // No markers: the piece line alone.
    EXPECT_EQ(
        SplitLines(HandPlotPiece("4x8.uc", "0 0 acut\r\n1 pendown\r\n96 0 acut\r\n", 500, 500))
            .size(),
        1u);
}

TEST(HandPlot, TitleAndColumnHeads) {
    std::tm when{};
    when.tm_year = 127;
    when.tm_mon = 0;
    when.tm_mday = 2;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 7;
    EXPECT_EQ(HandPlotHead("boat.hul", when),
              "Hand plotting file for boat.hul           09:05:07      01-02-2027\r\n"
              "X in.         Y in.         X in-eights   Y in-eights   X mm          Y mm\r\n");
}

TEST(HandPlot, WriteHandPlotListsTheRunsPiecesInOrder) {
    test::TempFolder folder;
    const std::string marked = "/* hand plot all points */\r\n500 500 acut\r\n";
    for (const char* name :
         {"Stem.uc", "transom.uc", "bhead1.uc", "bhead2.uc", "bhead3.uc", "keel.uc", "sole1.uc",
          "frame2.uc", "frame5.uc", "4x8.uc", "chine1.UC", "chine2.UC", "chine3.UC", "deck.uc"}) {
        WriteRaw(folder.Path() / name, marked);
    }
    HullDocument hull;
    hull.ChineCount = 3; // chine1, chine2; chine3 is stale
    hull.FramePositions[1] = 40;
    hull.FramePositions[4] = 80;
    hull.FramePositions[6] = -3; // not a frame
    WorkingValues work;
    work.HullFileName = "skiff.hul";
    work.Patterns.Stem = true;
    work.Patterns.Keel = true;
    work.Patterns.Soles = true; // sole2.uc is missing: left out
    MemoryStatusBar status;
    WriteHandPlot(folder.Path(), hull, work, status);

    EXPECT_EQ(status.Panel(1), "Done...");
    const std::vector<std::string> lines = SplitLines(ReadRaw(folder.Path() / HandPlotFileName));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("Hand plotting file for skiff.hul", 0), 0u);
    std::vector<std::string> pieces;
    for (std::size_t i = 2; i < lines.size(); i += 2) {
        pieces.push_back(lines[i].substr(0, lines[i].find(' ')));
        ASSERT_LT(i + 1, lines.size());
        EXPECT_EQ(lines[i + 1].rfind("1.00          1.00", 0), 0u);
    }
    EXPECT_EQ(pieces, (std::vector<std::string>{"stem.uc", "transom.uc", "bhead1.uc", "bhead2.uc",
                                                "bhead3.uc", "keel.uc", "sole1.uc", "frame2.uc",
                                                "frame5.uc", "chine1.uc", "chine2.uc"}));
}

} // namespace
} // namespace merrowin
