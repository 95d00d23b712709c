// The scale bar: a shop length that fits the zoom, drawn in the lower left corner at its length.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

#include "ui/RecordingCanvas.h"
#include "views/ScaleBar.h"

namespace merrowin {
namespace {

TEST(ScaleBar, TheLengthFitsTheZoom) {
    // Inches a pixel, then the length and label chosen for a bar of at most 150 pixels.
    const std::tuple<double, double, const char*> cases[] = {
        {0.01, 1, "1\""}, // closer than any length: the shortest
        {0.05, 6, "6\""},
        {0.1, 12, "1'"},
        {0.2, 24, "2'"},
        {0.5, 60, "5'"},
        {1.0, 120, "10'"},
        {10, 600, "50'"}, // farther than any: the longest that fits none, 50 ft
        {std::numeric_limits<double>::quiet_NaN(), 1, "1\""}};
    for (const auto& [inchesPerPixel, length, label] : cases) {
        const ScaleBarChoice bar = ChooseScaleBar(inchesPerPixel);
        EXPECT_EQ(bar.Length, length) << inchesPerPixel;
        EXPECT_EQ(bar.Label, label) << inchesPerPixel;
    }
}

TEST(ScaleBar, DrawnInTheLowerLeftCornerAtItsLength) {
    // 160 inches across 800 pixels: a 2 ft bar in quarters, 120 pixels long.
    RecordingCanvas canvas(800, 400);
    const ViewExtent visible{-10, 70, 150, -10};
    DrawScaleBar(canvas, visible, 800, 400);
    const auto& calls = canvas.Calls();
    ASSERT_FALSE(calls.empty());
    const CanvasCall& bar = calls.front();
    EXPECT_EQ(bar.X2 - bar.X1, 24);
    EXPECT_NEAR(bar.X1, -10 + 12 * 0.2, 1e-9);
    EXPECT_NEAR(bar.Y1, -10 + 22 * 0.2, 1e-9);
    EXPECT_EQ(calls.size(), 1u + 4u + 1u + 1u); // bar, ticks, end, label
    EXPECT_EQ(calls.back().Op, CanvasOp::Text);
    EXPECT_EQ(calls.back().Text, "2'");
    EXPECT_TRUE(calls.back().X1 == bar.X2 && calls.back().Y1 == bar.Y1);

    RecordingCanvas none;
    DrawScaleBar(none, {0, 0, 0, 0}, 800, 400);
    EXPECT_TRUE(none.Calls().empty());
}

} // namespace
} // namespace merrowin
