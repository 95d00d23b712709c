// Tests of the hand plotting listing: its zoned layout, the markers and the pieces it lists.
#include <gtest/gtest.h>

#include "PatternTestSupport.h"
#include "patterns/HandPlot.h"

namespace merrowin {
namespace {

using test::Lines;
using test::Section;

TEST(HandPlot, ZonedLinesInInchesEighthsAndMillimetres) {
    std::tm when{};
    when.tm_year = 127;
    when.tm_mday = 2;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 7;
    // The marker lists exactly one cut point, skipping pen lines and "aline"; the tokeniser
    // strips the second blank of "1000  500".
    const std::string panel =
        Lines({"start_plot", "/* Hull Xscale: 500 Yscale: 500 01-02-2027 */", "0 0 acut",
               "1 pendown", "0 500 acut", "1 penup", "0 penup", "/* hand plot */", "0 0 acut",
               "250 0 acut", "/* hand plot */", "0 pendown", "500 0 aline", "1000  500 acut"});
    // Every point of a bulkhead, the closing repeat included.
    const std::string bulkhead =
        Lines({"start_plot", "/* TARVO: 01-02-2027 Xscale: 500 Yscale: 500 */",
               "/* hand plot all points */", "0 penup", "500 0 acut", "0 pendown", "0 500 acut",
               "500 0 acut", "0 penup", "end_plot"});
    const std::string listing =
        HandPlotHead("boat.hul", when) +
        // 0.999 in lists as 1.00, 1-0/8 and 25.4 (millimetres of the rounded inches); 0 as
        // zeros; negative values; eighths never carried into the inches; another y scale.
        Section("points", Lines({HandPlotPointLine(499.5, 0, 500, 500),
                                 HandPlotPointLine(-1250, 469, 500, 250),
                                 HandPlotPointLine(6190, 470, 500, 500)})) +
        HandPlotPiece("chine1.uc", panel, 500, 500) +
        HandPlotPiece("bhead1.uc", bulkhead, 500, 500) +
        // No markers: the piece line alone.
        HandPlotPiece("4x8.uc", "0 0 acut\r\n1 pendown\r\n96 0 acut\r\n", 500, 500);
    test::ExpectGolden("patterns/handplot.txt", listing);
}

TEST(HandPlot, WriteHandPlotListsTheRunsPiecesInOrder) {
    PatternOptions options;
    options.Stem = options.Keel = true;
    options.Soles = true; // sole2.uc is missing: left out
    PatternRun run = test::TestRun(options);
    run.HullFileName = "skiff.hul";
    FileBatch files;
    for (const char* name :
         {"Stem.uc", "transom.uc", "bhead1.uc", "bhead2.uc", "bhead3.uc", "keel.UC", "sole1.UC",
          "frame2.uc", "frame5.uc", "4x8.uc", "chine1.UC", "chine2.UC", "chine3.UC", "deck.UC"}) {
        files.Put(run.Folder, name, "/* hand plot all points */\r\n500 500 acut\r\n");
    }
    HullDocument hull;
    hull.ChineCount = 3; // chine1, chine2; chine3 is stale
    hull.FramePositions[1] = 40;
    hull.FramePositions[4] = 80;
    hull.FramePositions[6] = -3; // not a frame
    MemoryStatusBar status;
    WriteHandPlot(run, hull, files, status);

    EXPECT_EQ(status.Panel(1), "Done...");
    const std::string* text = files.Find(run.Folder, HandPlotFileName);
    ASSERT_NE(text, nullptr);
    const std::vector<std::string> lines = SplitLines(*text);
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
