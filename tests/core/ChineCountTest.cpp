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
    }
}

// The values a new chine takes are pinned by the command line's eight-chine geometry golden.
TEST(ChineCountTest, LoweringKeepsAHiddenChineAsItWas) {
    AppState app = StartupApp();
    ApplyChineCountText(app.Hull, app.Work, "7");
    const HullDocument before = app.Hull;
    // Raising again shows chine 7 unchanged, even after a repaint moved the chines below it.
    ApplyChineCountText(app.Hull, app.Work, "6");
    app.Hull.OffsetX[2][6] = 45;
    UpdateHullGeometry(app.Hull, app.Work);
    ApplyChineCountText(app.Hull, app.Work, "7");
    for (int b = 0; b < BulkheadCount; ++b) {
        EXPECT_EQ(app.Hull.OffsetX[b][7], before.OffsetX[b][7]) << b;
    }
}

TEST(ChineCountTest, OnlyTheNewTopChineIsFilledAndNeverAtThreeOrBelow) {
    AppState app = StartupApp();
    ApplyChineCountText(app.Hull, app.Work, "9");
    EXPECT_EQ(app.Hull.OffsetX[1][9], 2 * 23.0 - 20); // from chines 4 and 3
    EXPECT_EQ(app.Hull.OffsetX[1][8], 0);

    app = StartupApp();
    app.Hull.ChineCount = 2;
    app.Hull.OffsetX[0][3] = 0; // never filled
    app.Hull.OffsetX[1][3] = 5;
    ApplyChineCountText(app.Hull, app.Work, "3");
    EXPECT_EQ(app.Hull.OffsetX[1][3], 5);

    // An extrapolation too large for a number leaves zero.
    app = StartupApp();
    app.Hull.OffsetY[3][4] = 1.7e308;
    app.Hull.OffsetY[3][3] = -1.7e308;
    ApplyChineCountText(app.Hull, app.Work, "8");
    EXPECT_EQ(app.Hull.OffsetY[3][8], 0);
}

} // namespace
} // namespace merrowin
