// Tests of the hull file: the record layout, the round trip, the comma repair, the older layout,
// damaged input and texts with line breaks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/AppState.h"
#include "model/ChineCurves.h"
#include "model/HullFile.h"
#include "text/NumberText.h"

namespace merrowin {
namespace {

class HullFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToStartup(app_);
        ResetToStartup(back_);
    }
    void Put(const std::string& name, const std::string& content) {
        test::WriteRaw(folder_ / name, content);
    }
    std::string Get(const std::string& name) { return test::ReadRaw(folder_ / name); }
    bool ReadBack(const std::string& name) {
        return ReadHullFile(folder_, name, back_.Hull, back_.Work);
    }
    // Whatever the bytes, the hull read from them and derived has 2..30 chines and every offset
    // and spline point in use is a finite number.
    void ExpectSoundHullFrom(const std::string& bytes) {
        Put("input.hul", bytes);
        ResetToStartup(back_);
        ReadBack("input.hul");
        UpdateHullGeometry(back_.Hull, back_.Work);
        const HullDocument& hull = back_.Hull;
        ASSERT_TRUE(hull.ChineCount >= 2 && hull.ChineCount <= MaxChines);
        for (int c = 1; c <= hull.ChineCount; ++c) {
            for (int b = 0; b < BulkheadCount; ++b) {
                ASSERT_TRUE(
                    std::isfinite(hull.OffsetX[b][c] + hull.OffsetY[b][c] + hull.OffsetZ[b][c]));
            }
            for (const auto& point : hull.SplinePoints[c]) {
                ASSERT_TRUE(std::isfinite(point[1] + point[2] + point[3]));
            }
        }
    }

    test::TempFolder scratch_;
    const fs::path& folder_ = scratch_.Path();
    AppState app_, back_;
};

TEST_F(HullFileTest, SixChinesRoundTripThroughTheFixedLayout) {
    HullDocument& hull = app_.Hull;
    hull.ChineCount = 6;
    // Values of many digits, every sign and size; the engine's raw output is the same on every
    // platform, and so is the file.
    std::mt19937_64 random(7);
    auto any = [&] { return (static_cast<double>(random() % 4000001) - 2000000) / 3e4; };
    for (int c = 1; c <= 6; ++c) {
        for (int b = 0; b < BulkheadCount; ++b) {
            hull.OffsetX[b][c] = any();
            hull.OffsetY[b][c] = any() / 3;
            hull.OffsetZ[b][c] = any() * 1e-6;
        }
        for (int p = 1; p <= PointsPerChine; ++p) {
            for (int k = 1; k <= 3; ++k) {
                hull.SplinePoints[c][p][k] = any() * 1e12;
            }
        }
    }
    hull.OffsetX[0][1] = 0.5;
    hull.OffsetX[0][7] = 999; // above the count: never written
    hull.AutoSpline = false;
    hull.FramePositions = {10, 20.5, 0, 0, 0, 0, 0, 77.25};
    SetRigText(hull, MastLengthBox, "144");
    hull.KeelStep = true;
    hull.InfoLines = {"A. Builder", "Skiff 14", "", "12-06-2024"};
    hull.NestOption = "1";
    hull.BallastWeight = 150;
    hull.ReservedValue = -3;
    ASSERT_TRUE(WriteHullFile(folder_, "w.hul", hull).Ok());
    const std::string text = Get("w.hul");
    test::ExpectGolden("core/six_chines.hul", text);

    // Read back and written again, the file is the same: every record was read into its own
    // field, the flags and texts too, and each number to its 15 digits.
    back_.Hull.DeckStep = true;
    ASSERT_TRUE(ReadBack("w.hul"));
    ASSERT_TRUE(WriteHullFile(folder_, "again.hul", back_.Hull).Ok());
    EXPECT_EQ(Get("again.hul"), text);
    EXPECT_EQ(back_.Hull.MastLength, 144);
    EXPECT_EQ(back_.Work.StationText[2], BoxText(hull.OffsetZ[2][1]));
    EXPECT_EQ(Get("w.hul"), text); // a file without commas is left as it was
}

// Decimal commas (the whole file is repaired, texts too, before it is read) and the older layout
// are the command line's fixtures.
// The nesting option is the number 0 until a file or a tick sets it, and prints as one.
TEST_F(HullFileTest, NestingOptionOfANewHullPrintsAsANumber) {
    const std::vector<std::string> lines = SplitLines(HullFileText(app_.Hull));
    ASSERT_EQ(lines.size(), 54u * 4 + 28);
    EXPECT_EQ(lines[lines.size() - 5], " 0 ");
}

TEST_F(HullFileTest, DamagedFilesKeepWhatTheyCannotSupply) {
    // Ends half way through the first crossing: the rest keeps its values.
    Put("cut.hul", " 5 \r\n 3 \r\n 4 \r\n");
    back_.Hull.AutoSpline = false;
    ASSERT_TRUE(ReadBack("cut.hul"));
    EXPECT_EQ(back_.Hull.ChineCount, 5);
    EXPECT_EQ(back_.Hull.OffsetY[0][1], 4);
    EXPECT_EQ(back_.Hull.OffsetZ[0][1], 1.3);
    EXPECT_EQ(back_.Hull.OffsetX[2][4], 34.25);
    EXPECT_EQ(back_.Work.StationText[0], "1.3");
    EXPECT_TRUE(back_.Hull.AutoSpline);

    // A count of a thousand million in a short file reads what is there and stops.
    Put("huge.hul", "1e9\r\n1\r\n2\r\n3\r\n");
    ASSERT_TRUE(ReadBack("huge.hul"));
    EXPECT_EQ(back_.Hull.ChineCount, MaxChines);
    EXPECT_EQ(back_.Hull.OffsetZ[0][1], 3);

    // Chines above 30 are read and dropped: the flag after 32 chines' offsets is still found,
    // and a file that ends there is of the older layout, whose offsets are the master.
    std::string wide = "32\r\n";
    for (int i = 0; i < 15 * 32; ++i) {
        wide += IntText(i) + "\r\n";
    }
    Put("wide.hul", wide + "0\r\n");
    back_.Hull.AutoSpline = false;
    ASSERT_TRUE(ReadBack("wide.hul"));
    EXPECT_EQ(back_.Hull.OffsetZ[4][30], (4 * 32 + 29) * 3 + 2);
    EXPECT_TRUE(back_.Hull.AutoSpline);

    Put("one.hul", "1\r\n");
    ASSERT_TRUE(ReadBack("one.hul"));
    EXPECT_EQ(back_.Hull.ChineCount, 2);

    back_.Hull.OffsetX[1][1] = 123;
    EXPECT_FALSE(ReadBack("absent.hul"));
    EXPECT_FALSE(ReadBack("."));
    EXPECT_EQ(back_.Hull.OffsetX[1][1], 123);
}

TEST_F(HullFileTest, BinaryAndRandomFilesNeverBreakTheModel) {
    std::mt19937 random(11);
    static const char alphabet[] = "0123456789-+.,eE \r\n\r\n";
    for (int round = 0; round < 200 && !HasFatalFailure(); ++round) {
        // Mostly digits, signs, points, commas and line ends, now and then any byte.
        std::string bytes(random() % 4000, '\0');
        for (char& ch : bytes) {
            ch = random() % 8 == 0 ? static_cast<char>(random() % 256)
                                   : alphabet[random() % (sizeof alphabet - 1)];
        }
        ExpectSoundHullFrom(bytes);
    }
}

TEST_F(HullFileTest, LineBreaksInsideTextsBecomeBlanks) {
    app_.Hull.InfoLines[0] = "two\r\nlines";
    app_.Hull.RigText[LuffLengthBox] = "7\r8";
    app_.Hull.BallastStation = 60;
    ASSERT_TRUE(WriteHullFile(folder_, "w.hul", app_.Hull).Ok());
    EXPECT_EQ(SplitLines(Get("w.hul")).size(), 54u * 4 + 28);
    ASSERT_TRUE(ReadBack("w.hul"));
    EXPECT_EQ(back_.Hull.InfoLines[0], "two  lines");
    EXPECT_EQ(back_.Hull.RigText[LuffLengthBox], "7");
    EXPECT_EQ(back_.Hull.BallastStation, 60);
}

} // namespace
} // namespace merrowin
