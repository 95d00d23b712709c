// Tests of the plotter scale look-up. The writer and the tokeniser are pinned by the pattern,
// hand plot, HPGL and DXF tests that write and read every plot file.
#include <gtest/gtest.h>

#include <unistd.h>

#include "TestSupport.h"
#include "io/PlotFile.h"

namespace merrowin {
namespace {

TEST(PlotFile, PlotterScaleSearchOrderAndRepairs) {
    test::TempFolder folder;
    const fs::path system = folder.Path() / "etc-pmxp.dat";
    double x = 0, y = 0;
    auto read = [&](const char* name, const char* content) {
        test::WriteRaw(name == nullptr ? system : folder.Path() / name, content);
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

// The first file that exists is the one read: when it cannot be read, the next one does not
// stand in for it and the scales keep their start value.
TEST(PlotFile, UnreadableFirstScaleFileIsNotReplacedByTheNext) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser reads a file of mode 0000";
    }
    test::TempFolder folder;
    test::WriteRaw(folder.Path() / "pm32.dat", "1016\r\n1016\r\n");
    test::WriteRaw(folder.Path() / "pmaster.dat", "2000\r\n2000\r\n");
    fs::permissions(folder.Path() / "pm32.dat", fs::perms::none);
    double x = 0, y = 0;
    ReadPlotterScale(folder.Path(), x, y, folder.Path() / "no-system-file.dat");
    EXPECT_TRUE(x == 500 && y == 500) << x << ", " << y;
}

} // namespace
} // namespace merrowin
