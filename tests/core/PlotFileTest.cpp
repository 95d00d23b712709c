// Tests of plot files: the texts the writer and the labels make, the plotter scale look-up and
// the tokeniser.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "io/PlotFile.h"
#include "patterns/StrokeFont.h"

namespace merrowin {
namespace {

using test::WriteRaw;

// Each plot text against its golden file in tests/data/core.
TEST(PlotFile, TextsMatchTheirGoldenFiles) {
    // Coordinates floored to plotter units (-0.0001 inch is -1), pen statements, the header.
    PlotWriter writer(500, 500);
    writer.Begin(TarvoHeader("12-06-2026", 250, 62.5));
    writer.Pen(0, false);
    writer.Coordinate(-0.3, 0.3);
    writer.Pen(0, true);
    writer.Coordinate(-0.0001, 0.0001);
    writer.Pen(1, true);
    writer.Coordinate(96, 48, "aline");
    writer.End();

    // In the tiny font "a" draws both "A" records, "?" has no record and leaves a gap, "B" draws
    // the "b" record.
    const StrokeFont tiny =
        ParseStrokeFont(test::ReadRaw(fs::path(MERROWIN_TEST_DATA) / "core" / "tiny.fnt"));
    MemoryStatusBar status;
    PlotWriter label(500, 500);
    DrawLabel(label, tiny, status, "a?B", 1.0, 2.0, 0.5, 0);
    // With the program's pi of 3.1415 a quarter turn falls a hair short: the stroke ends at 9999
    // where the exact pi would give 10000.
    PlotWriter turned(10000, 10000);
    DrawLabel(turned, ParseStrokeFont("A\n2\n0,0\n8,0\n"), status, "A", 0, 0, 1.0, 90);

    const std::pair<const PlotWriter*, const char*> outputs[] = {
        {&writer, "core/writer.uc"}, {&label, "core/label.uc"}, {&turned, "core/label_turned.uc"}};
    for (const auto& [plot, golden] : outputs) {
        test::ExpectGolden(plot->Content(), golden);
    }
    EXPECT_EQ(status.Panel(1), "");
}

TEST(PlotFile, TokenisesCoordinateLines) {
    PlotTokens t = TokenisePlotLine("1234 -56 acut", false);
    EXPECT_TRUE(t.X == 1234 && t.Y == -56 && t.Rest == " acut");
    // Two blanks: y reads as 0 without stripping, as the number with it.
    t = TokenisePlotLine("10  20 acut", false);
    EXPECT_TRUE(t.Y == 0 && t.Rest == " 20 acut");
    t = TokenisePlotLine("10  20 acut", true);
    EXPECT_TRUE(t.Y == 20 && t.Rest == " acut");
    // Malformed lines read as 0 and never fail.
    for (const char* bad : {"acut", "x y acut", ""}) {
        t = TokenisePlotLine(bad, true);
        EXPECT_TRUE(t.X == 0 && t.Y == 0) << bad;
    }
}

TEST(PlotFile, PlotterScaleSearchOrderAndRepairs) {
    test::TempFolder folder;
    const fs::path system = folder.Path() / "etc-pmxp.dat";
    double x = 0, y = 0;
    auto read = [&](const char* name, const char* content) {
        WriteRaw(name == nullptr ? system : folder.Path() / name, content);
        ReadPlotterScale(folder.Path(), x, y, system);
    };
    ReadPlotterScale(folder.Path(), x, y, system);
    EXPECT_TRUE(x == 500 && y == 500) << "no scale file: both 500";
    read("pmaster.dat", "100\r\n200\r\n");
    EXPECT_EQ(y, 200);
    read("pm32.dat", "-250, 300");
    EXPECT_TRUE(x == 250 && y == 300) << "pm32.dat first, a negative scale as its size";
    read(nullptr, "1016\r\n1016\r\n");
    EXPECT_EQ(x, 1016) << "the system-wide file comes first";
    // A blank or a tab ends a number as a comma or a line end does.
    read(nullptr, " 800\t, 900 ");
    EXPECT_TRUE(x == 800 && y == 900);
    read(nullptr, "1016 1017\r\n");
    EXPECT_EQ(y, 1017);
    // One number only: the other scale keeps its value, then 500 if that was 0.
    y = 0;
    read(nullptr, "400\r\n");
    EXPECT_TRUE(x == 400 && y == 500);
}

TEST(PlotFile, WritesTheFileInOneGo) {
    test::TempFolder folder;
    PlotWriter writer(500, 500);
    writer.Begin("/* header */");
    writer.End();
    ASSERT_TRUE(writer.WriteTo(folder.Path(), "4x8.uc").Ok());
    EXPECT_EQ(*ReadFileBytes(folder.Path(), "4x8.uc"), writer.Content());
}

} // namespace
} // namespace merrowin
