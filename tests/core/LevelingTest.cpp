// Tests of leveling: developed panels turned onto their best-fit line, rewritten in place.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "patterns/Leveling.h"
#include "io/PlotFile.h"

namespace merrowin {
namespace {

using test::Lines;
using test::ReadRaw;
using test::WriteRaw;

// A panel drawn along a line rising one in two, with every kind of point line and a comment.
const std::string SlantedPanel =
    Lines({"start_plot", "/* Hull Xscale: 500 Yscale: 500 01-02-2027 */", "0 0 acut", "1 pendown",
           "1000 500 aline", "1 penup", "/* hand plot */", "2000 1000 acut", "start_spline",
           "3000 1500 spline_pt  kept as it is", "end_spline"});

TEST(Leveling, SlantedPanelComesOutHorizontalAboutAFixedOrigin) {
    EXPECT_NEAR(LevelingAngle(SlantedPanel, 500, 500), -std::atan(0.5), 1e-12);
    // The slope is in inches: a doubled y scale halves it.
    EXPECT_NEAR(LevelingAngle(SlantedPanel, 500, 1000), -std::atan(0.25), 1e-12);

    const std::string turned =
        TurnPlot(SlantedPanel, LevelingAngle(SlantedPanel, 500, 500), 500, 500);
    // Lengths along the line: 1000 * sqrt(1.25) = 1118.03..., rounded to the nearest unit.
    EXPECT_EQ(turned,
              Lines({"start_plot", "/* Hull Xscale: 500 Yscale: 500 01-02-2027 */", "0 0 acut",
                     "1 pendown", "1118 0 aline", "1 penup", "/* hand plot */", "2236 0 acut",
                     "start_spline", "3354 0 spline_pt  kept as it is", "end_spline"}));
}

TEST(Leveling, LevelAndVerticalPanelsAreLeftAsTheyAre) {
    const std::string level = "start_plot\r\n-3 7 acut\r\n1999 7 acut\r\n4001 7 acut\r\n";
    EXPECT_EQ(LevelingAngle(level, 500, 500), 0);
    EXPECT_EQ(TurnPlot(level, 0, 500, 500), level);

    // All points on one vertical line: no slope to fit, no turn (not a quarter turn).
    const std::string vertical = "7 0 acut\r\n7 900 acut\r\n7 -13 acut\r\n";
    EXPECT_EQ(LevelingAngle(vertical, 500, 500), 0);
    EXPECT_EQ(LevelingAngle("1 1 acut\r\n", 500, 500), 0);

    // Written to the nearest whole unit, halves away from zero.
    EXPECT_EQ(TurnPlot("2.5 -2.5 acut\r\n", 0, 500, 500), "3 -3 acut\r\n");
    // A half is judged on the 15-digit decimal form, as every "0" format is: with a cosine just
    // under one half, 5 turns to 2.4999999999999996, which reads 2.50000000000000 and goes to 3.
    double angle = std::acos(0.5);
    for (int step = 0; step < 16 && std::cos(angle) >= 0.5; ++step) {
        angle = std::nextafter(angle, 2.0);
    }
    ASSERT_LT(5 * std::cos(angle), 2.5);
    EXPECT_EQ(TurnPlot("5 0 acut\r\n-5 0 acut\r\n", angle, 1, 1), "3 4 acut\r\n-3 -4 acut\r\n");
}

TEST(Leveling, LevelPatternsRewritesOnlyTheRunsPanels) {
    test::TempFolder folder;
    // "Deck" is not chosen and bulkheads are never leveled: both stay untouched.
    for (const char* name : {"chine1.UC", "keel.uc", "deck.uc", "bhead1.uc"}) {
        WriteRaw(folder.Path() / name, SlantedPanel);
    }
    HullDocument hull;
    hull.ChineCount = 3; // chine1 and chine2 (missing)
    WorkingValues work;
    work.Patterns.Keel = true;
    MemoryStatusBar status;
    LevelPatterns(folder.Path(), hull, work, status);

    EXPECT_EQ(status.Panel(1), "Done...");
    const std::string chine1 = ReadRaw(folder.Path() / "chine1.UC");
    EXPECT_NE(chine1.find("\r\n2236 0 acut\r\n"), std::string::npos);
    EXPECT_EQ(ReadRaw(folder.Path() / "keel.uc"), chine1);
    EXPECT_FALSE(fs::exists(folder.Path() / "temp")); // no working file left behind
    EXPECT_EQ(ReadRaw(folder.Path() / "deck.uc"), SlantedPanel);
    EXPECT_EQ(ReadRaw(folder.Path() / "bhead1.uc"), SlantedPanel);
    EXPECT_FALSE(fs::exists(folder.Path() / "chine2.uc"));
}

} // namespace
} // namespace merrowin
