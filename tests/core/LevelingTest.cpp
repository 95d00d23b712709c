// Tests of leveling: developed panels turned onto their best-fit line.
#include <gtest/gtest.h>

#include <cmath>

#include "PatternTestSupport.h"
#include "patterns/Leveling.h"

namespace merrowin {
namespace {

using test::Lines;

// A panel drawn along a line rising one in two, with every kind of point line and a comment.
const std::string SlantedPanel =
    Lines({"start_plot", "/* Hull Xscale: 500 Yscale: 500 01-02-2027 */", "0 0 acut", "1 pendown",
           "1000 500 aline", "1 penup", "/* hand plot */", "2000 1000 acut", "start_spline",
           "3000 1500 spline_pt  kept as it is", "end_spline"});

TEST(Leveling, SlantedPanelComesOutHorizontalAboutAFixedOrigin) {
    EXPECT_NEAR(LevelingAngle(SlantedPanel, 500, 500), -std::atan(0.5), 1e-12);
    // The slope is in inches: a doubled y scale halves it.
    EXPECT_NEAR(LevelingAngle(SlantedPanel, 500, 1000), -std::atan(0.25), 1e-12);
    // Lengths along the line: 1000 * sqrt(1.25) = 1118.03..., rounded to the nearest unit.
    test::ExpectGolden("patterns/leveled_panel.uc",
                       TurnPlot(SlantedPanel, LevelingAngle(SlantedPanel, 500, 500), 500, 500));
}

TEST(Leveling, LevelAndVerticalPanelsAreLeftAsTheyAre) {
    const std::string level = "start_plot\r\n-3 7 acut\r\n1999 7 acut\r\n4001 7 acut\r\n";
    EXPECT_EQ(LevelingAngle(level, 500, 500), 0);
    EXPECT_EQ(TurnPlot(level, 0, 500, 500), level);

    // All points on one vertical line: no slope to fit, no turn (not a quarter turn).
    const std::string vertical = "7 0 acut\r\n7 900 acut\r\n7 -13 acut\r\n";
    EXPECT_EQ(LevelingAngle(vertical, 500, 500), 0);
    EXPECT_EQ(LevelingAngle("1 1 acut\r\n", 500, 500), 0);

    // Written to the nearest whole unit by the "0" format (halves away from zero, judged on the
    // 15-digit form, as the number text tests pin).
    EXPECT_EQ(TurnPlot("2.5 -2.5 acut\r\n", 0, 500, 500), "3 -3 acut\r\n");
}

TEST(Leveling, LevelPatternsTurnsOnlyTheRunsPanels) {
    PatternOptions options;
    options.Keel = true; // "Deck" is not chosen and bulkheads are never leveled
    const PatternRun run = test::TestRun(options);
    FileBatch files;
    for (const char* name : {"chine1.UC", "keel.UC", "deck.UC", "bhead1.uc"}) {
        files.Put(run.Folder, name, SlantedPanel);
    }
    HullDocument hull;
    hull.ChineCount = 3; // chine1 and chine2 (missing)
    MemoryStatusBar status;
    LevelPatterns(run, hull, files, status);

    EXPECT_EQ(status.Panel(1), "Done...");
    const std::string turned = TurnPlot(SlantedPanel, -std::atan(0.5), 500, 500);
    EXPECT_EQ(*files.Find(run.Folder, "chine1.uc"), turned);
    EXPECT_EQ(*files.Find(run.Folder, "keel.uc"), turned);
    EXPECT_EQ(*files.Find(run.Folder, "deck.uc"), SlantedPanel);
    EXPECT_EQ(*files.Find(run.Folder, "bhead1.uc"), SlantedPanel);
    EXPECT_EQ(files.Size(), 4u);
}

} // namespace
} // namespace merrowin
