// Tests of the chine-count box: clamping, extrapolating a never-used chine, keeping hidden data.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/AppState.h"
#include "model/ChineCount.h"
#include "model/ChineCurves.h"

namespace merrowin {
namespace {

using test::StartupApp;

TEST(ChineCountTest, TextOutsideTwoToThirtyIsCorrected) {
    AppState app = StartupApp();
    const std::pair<const char*, int> cases[] = {{"45", 30}, {"1", 2}, {"abc", 2}, {"5", 5}};
    for (const auto& [typed, count] : cases) {
        EXPECT_EQ(ApplyChineCountText(app.Hull, app.Work, typed), std::to_string(count));
        EXPECT_EQ(app.Hull.ChineCount, count);
        EXPECT_EQ(app.Work.ChineCountText, std::to_string(count));
    }
}

TEST(ChineCountTest, RaisingOntoANeverUsedChineExtrapolatesAndLoweringKeepsIt) {
    AppState app = StartupApp();
    ApplyChineCountText(app.Hull, app.Work, "6");
    // Chines 5 and 6 of the default hull have data and come back as they are.
    EXPECT_EQ(app.Hull.OffsetX[2][5], 37);
    EXPECT_EQ(app.Hull.OffsetY[4][6], 39);

    ApplyChineCountText(app.Hull, app.Work, "7");
    EXPECT_EQ(app.Hull.ChineCount, 7);
    const HullDocument& hull = app.Hull;
    for (int b = 0; b < BulkheadCount; ++b) {
        EXPECT_EQ(hull.OffsetX[b][7], 2 * hull.OffsetX[b][6] - hull.OffsetX[b][5]) << b;
        EXPECT_EQ(hull.OffsetY[b][7], 2 * hull.OffsetY[b][6] - hull.OffsetY[b][5]) << b;
        EXPECT_EQ(hull.OffsetZ[b][7], 2 * hull.OffsetZ[b][6] - hull.OffsetZ[b][5]) << b;
    }
    EXPECT_EQ(hull.OffsetX[1][7], 29);
    EXPECT_EQ(hull.OffsetY[0][7], 50);

    // Lowering hides chine 7 and keeps its data; raising again shows it unchanged, even after a
    // repaint moved the chines below it.
    const HullDocument before = app.Hull;
    ApplyChineCountText(app.Hull, app.Work, "6");
    app.Hull.OffsetX[2][6] = 45;
    UpdateHullGeometry(app.Hull, app.Work);
    ApplyChineCountText(app.Hull, app.Work, "7");
    for (int b = 0; b < BulkheadCount; ++b) {
        EXPECT_EQ(app.Hull.OffsetX[b][7], before.OffsetX[b][7]) << b;
        EXPECT_EQ(app.Hull.OffsetY[b][7], before.OffsetY[b][7]) << b;
        EXPECT_EQ(app.Hull.OffsetZ[b][7], before.OffsetZ[b][7]) << b;
    }
}

TEST(ChineCountTest, OnlyTheNewTopChineIsFilledAndNeverAtThreeOrBelow) {
    AppState app = StartupApp();
    ApplyChineCountText(app.Hull, app.Work, "9");
    EXPECT_EQ(app.Hull.OffsetX[1][9], 2 * 23.0 - 20); // from chines 4 and 3
    EXPECT_EQ(app.Hull.OffsetX[1][7], 0);
    EXPECT_EQ(app.Hull.OffsetX[1][8], 0);

    app = StartupApp();
    app.Hull.ChineCount = 2;
    app.Hull.OffsetX[0][3] = 0;
    app.Hull.OffsetX[1][3] = 5;
    ApplyChineCountText(app.Hull, app.Work, "3");
    EXPECT_EQ(app.Hull.ChineCount, 3);
    EXPECT_EQ(app.Hull.OffsetX[1][3], 5);
}

TEST(ChineCountTest, AnExtrapolationTooLargeForANumberLeavesZero) {
    AppState app = StartupApp();
    app.Hull.OffsetY[3][4] = 1.7e308;
    app.Hull.OffsetY[3][3] = -1.7e308;
    ApplyChineCountText(app.Hull, app.Work, "8");
    EXPECT_EQ(app.Hull.OffsetY[3][8], 0);
}

} // namespace
} // namespace merrowin
