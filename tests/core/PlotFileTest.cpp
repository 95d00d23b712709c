// Tests of plot files: coordinate writing, the plotter scale look-up and the tokeniser.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "io/PlotFile.h"

namespace merrowin {
namespace {

using test::Lines;
using test::WriteRaw;

TEST(PlotFile, WritesFlooredCoordinatesAndStatements) {
    PlotWriter writer(500, 500);
    writer.Begin(TarvoHeader("12-06-2026", 500, 500));
    writer.Pen(0, false);
    writer.Coordinate(-0.3, 0.3);
    writer.Pen(0, true);
    writer.Coordinate(-0.0001, 0.0001);
    writer.Pen(1, true);
    writer.Coordinate(96, 48, "aline");
    writer.End();
    EXPECT_EQ(writer.Content(),
              Lines({"start_plot", "/* TARVO: 12-06-2026 Xscale: 500 Yscale: 500 */", "0 penup",
                     "-150 150 acut", "0 pendown", "-1 0 acut", "1 pendown", "48000 24000 aline",
                     "end_plot"}));
}

TEST(PlotFile, HeadersCarryTheScales) {
    EXPECT_EQ(TarvoHeader("01-02-2027", 250, -3), "/* TARVO: 01-02-2027 Xscale: 250 Yscale:-3 */");
    EXPECT_EQ(ExpansionHeader("01-02-2027", 250, 62.5),
              "/* Hull Xscale: 250 Yscale: 62.5 01-02-2027 */");
}

TEST(PlotFile, TokenisesCoordinateLines) {
    PlotTokens t = TokenisePlotLine("1234 -56 acut", false);
    EXPECT_EQ(t.X, 1234);
    EXPECT_EQ(t.Y, -56);
    EXPECT_EQ(t.Rest, " acut");

    // Two blanks: y reads as 0 without stripping, as the number with it.
    t = TokenisePlotLine("10  20 acut", false);
    EXPECT_EQ(t.Y, 0);
    EXPECT_EQ(t.Rest, " 20 acut");
    t = TokenisePlotLine("10  20 acut", true);
    EXPECT_EQ(t.Y, 20);
    EXPECT_EQ(t.Rest, " acut");

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

    ReadPlotterScale(folder.Path(), x, y, system);
    EXPECT_EQ(x, 500);
    EXPECT_EQ(y, 500) << "no scale file: both 500";

    WriteRaw(folder.Path() / "pmaster.dat", "100\r\n200\r\n");
    ReadPlotterScale(folder.Path(), x, y, system);
    EXPECT_EQ(y, 200);

    WriteRaw(folder.Path() / "pm32.dat", "-250, 300");
    ReadPlotterScale(folder.Path(), x, y, system);
    EXPECT_EQ(x, 250) << "a negative scale works as its absolute value";
    EXPECT_EQ(y, 300);

    WriteRaw(system, "1016\r\n1016\r\n");
    ReadPlotterScale(folder.Path(), x, y, system);
    EXPECT_EQ(x, 1016) << "the system-wide file comes first";

    // A blank or a tab ends a number as a comma or a line end does.
    WriteRaw(system, "1016 1016\r\n");
    ReadPlotterScale(folder.Path(), x, y, system);
    EXPECT_EQ(y, 1016);
    WriteRaw(system, " 800\t, 900 ");
    ReadPlotterScale(folder.Path(), x, y, system);
    EXPECT_EQ(x, 800);
    EXPECT_EQ(y, 900);

    // One number only: the other scale keeps its value, then 500 if that was 0.
    WriteRaw(system, "400\r\n");
    x = 7;
    y = 0;
    ReadPlotterScale(folder.Path(), x, y, system);
    EXPECT_EQ(x, 400);
    EXPECT_EQ(y, 500);
}

TEST(PlotFile, WritesTheFileInOneGo) {
    test::TempFolder folder;
    PlotWriter writer(500, 500);
    writer.Begin("/* header */");
    writer.End();
    ASSERT_TRUE(writer.WriteTo(folder.Path(), "4x8.uc").Ok());
    EXPECT_EQ(*ReadFileBytes(folder.Path(), "4x8.uc"),
              "start_plot\r\n/* header */\r\nend_plot\r\n");
}

} // namespace
} // namespace merrowin
