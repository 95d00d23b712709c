// Tests of the hull file: the record layout, the round trip, the comma repair, the older layout,
// damaged input and the atomic replacement.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <clocale>
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
    // The file of the current document as lines, for editing before it is put back.
    std::vector<std::string> Written() {
        EXPECT_TRUE(WriteHullFile(folder_, "w.hul", app_.Hull).Ok());
        return SplitLines(Get("w.hul"));
    }
    void PutLines(const std::string& name, const std::vector<std::string>& lines) {
        Put(name, test::Lines(lines));
    }
    bool ReadBack(const std::string& name) {
        return ReadHullFile(folder_, name, back_.Hull, back_.Work);
    }

    test::TempFolder scratch_;
    const fs::path& folder_ = scratch_.Path();
    AppState app_, back_;
};

// The chine count is in 2..30 and every offset and spline point in use is a finite number.
void ExpectSoundGeometry(const HullDocument& hull) {
    ASSERT_GE(hull.ChineCount, 2);
    ASSERT_LE(hull.ChineCount, MaxChines);
    for (int c = 1; c <= hull.ChineCount; ++c) {
        for (int b = 0; b < BulkheadCount; ++b) {
            ASSERT_TRUE(
                std::isfinite(hull.OffsetX[b][c] + hull.OffsetY[b][c] + hull.OffsetZ[b][c]));
        }
        for (int p = 1; p <= PointsPerChine; ++p) {
            const auto& point = hull.SplinePoints[c][p];
            ASSERT_TRUE(std::isfinite(point[1] + point[2] + point[3]));
        }
    }
}

TEST_F(HullFileTest, SixChinesRoundTripThroughTheFixedLayout) {
    HullDocument& hull = app_.Hull;
    hull.ChineCount = 6;
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> any(-200, 200);
    for (int c = 1; c <= 6; ++c) {
        for (int b = 0; b < BulkheadCount; ++b) {
            hull.OffsetX[b][c] = any(random);
            hull.OffsetY[b][c] = any(random) / 3;
            hull.OffsetZ[b][c] = any(random) * 1e-6;
        }
        for (int p = 1; p <= PointsPerChine; ++p) {
            for (int k = 1; k <= 3; ++k) {
                hull.SplinePoints[c][p][k] = any(random) * 1e12;
            }
        }
    }
    hull.OffsetX[0][1] = 0.5;
    hull.OffsetY[0][1] = -0.5;
    hull.OffsetX[0][7] = 999; // above the count: never written
    hull.AutoSpline = false;
    hull.FramePositions = {10, 20.5, 0, 0, 0, 0, 0, 77.25};
    SetRigText(hull, MastLengthBox, "144");
    hull.KeelStep = true;
    hull.InfoLines = {"A. Builder", "Skiff 14", "", "12-06-2024"};
    hull.NestOption = "1";
    hull.BallastWeight = 150;
    hull.ReservedValue = -3;

    const auto lines = Written();
    const std::string text = Get("w.hul");
    ASSERT_EQ(lines.size(), 352u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 352);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 352);
    const std::vector<std::pair<int, std::string>> spots = {
        {0, " 6 "},     {1, " .5 "},   {2, "-.5 "}, {91, " 0 "}, {333, " 77.25 "}, {334, "144"},
        {341, "False"}, {342, "True"}, {345, ""},   {347, "1"},  {348, " 150 "},   {351, "-3 "}};
    for (const auto& [index, expected] : spots) {
        EXPECT_EQ(lines[index], expected) << "line " << index + 1;
    }

    back_.Hull.DeckStep = true;
    ASSERT_TRUE(ReadBack("w.hul"));
    const HullDocument& read = back_.Hull;
    EXPECT_EQ(read.ChineCount, 6);
    // 15 significant digits: each value back within 1e-14 of itself.
    auto close = [](double a, double b) { return std::abs(a - b) <= 1e-14 * std::abs(b); };
    for (int c = 1; c <= 6; ++c) {
        for (int b = 0; b < BulkheadCount; ++b) {
            EXPECT_TRUE(close(read.OffsetX[b][c], hull.OffsetX[b][c]) &&
                        close(read.OffsetY[b][c], hull.OffsetY[b][c]) &&
                        close(read.OffsetZ[b][c], hull.OffsetZ[b][c]))
                << "chine " << c << " bulkhead " << b;
            EXPECT_EQ(back_.Work.StationText[b], BoxText(read.OffsetZ[b][1]));
        }
        for (int p = 1; p <= PointsPerChine; ++p) {
            for (int k = 1; k <= 3; ++k) {
                EXPECT_TRUE(close(read.SplinePoints[c][p][k], hull.SplinePoints[c][p][k]));
            }
        }
    }
    EXPECT_EQ(read.OffsetX[0][7], 0);
    EXPECT_FALSE(read.AutoSpline);
    EXPECT_EQ(read.FramePositions, hull.FramePositions);
    EXPECT_EQ(read.RigText, hull.RigText);
    EXPECT_EQ(read.MastLength, 144);
    EXPECT_TRUE(read.KeelStep && !read.DeckStep);
    EXPECT_EQ(read.InfoLines, hull.InfoLines);
    EXPECT_EQ(read.NestOption, "1");
    EXPECT_EQ(read.ReservedValue, -3);
    EXPECT_EQ(Get("w.hul"), text); // a file without commas is left as it was
}

TEST_F(HullFileTest, DecimalCommasAreReadAsPointsAndRepairedOnDisk) {
    auto lines = Written();
    lines[1] = " 1,3 ";                    // OffsetX(0, 1)
    lines[lines.size() - 6] = "Smith, J."; // information line 4
    lines[lines.size() - 18] = "12,5";     // the mast length box
    PutLines("comma.hul", lines);

    ASSERT_TRUE(ReadBack("comma.hul"));
    EXPECT_EQ(back_.Hull.OffsetX[0][1], 1.3);
    EXPECT_EQ(back_.Hull.InfoLines[3], "Smith. J.");
    EXPECT_EQ(back_.Hull.RigText[MastLengthBox], "12.5");
    EXPECT_EQ(back_.Hull.MastLength, 12.5);
    const auto repaired = SplitLines(Get("comma.hul"));
    EXPECT_EQ(repaired[1], " 1.3 ");
    EXPECT_EQ(repaired[lines.size() - 6], "Smith. J.");
    EXPECT_EQ(repaired.size(), lines.size());
}

TEST_F(HullFileTest, OlderLayoutEndsAfterTheFlagAndLeavesLaterRecordsUntouched) {
    app_.Hull.OffsetY[2][3] = 17.5;
    app_.Hull.AutoSpline = false;
    auto lines = Written();
    lines.resize(1 + 15 * 4 + 1);
    lines.emplace_back(""); // a trailing empty line is still the end of the file
    PutLines("old.hul", lines);

    back_.Hull.AutoSpline = false;
    back_.Hull.SplinePoints[2][5][1] = 42;
    back_.Hull.InfoLines[0] = "kept";
    back_.Hull.BallastWeight = 9;
    ASSERT_TRUE(ReadBack("old.hul"));
    EXPECT_TRUE(back_.Hull.AutoSpline);
    EXPECT_EQ(back_.Hull.OffsetY[2][3], 17.5);
    EXPECT_EQ(back_.Hull.SplinePoints[2][5][1], 42);
    EXPECT_EQ(back_.Hull.InfoLines[0], "kept");
    EXPECT_EQ(back_.Hull.BallastWeight, 9);
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
    EXPECT_EQ(back_.Work.StationText[0], "0");
    EXPECT_TRUE(back_.Hull.AutoSpline);

    // A count of a thousand million in a short file reads what is there and stops.
    Put("huge.hul", "1e9\r\n1\r\n2\r\n3\r\n");
    ASSERT_TRUE(ReadBack("huge.hul"));
    EXPECT_EQ(back_.Hull.ChineCount, MaxChines);
    EXPECT_EQ(back_.Hull.OffsetZ[0][1], 3);

    // Chines above 30 are read and dropped: the flag after 32 chines' offsets is still found.
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
        Put("noise.hul", bytes);
        ResetToStartup(back_);
        ReadBack("noise.hul");
        UpdateHullGeometry(back_.Hull, back_.Work);
        ExpectSoundGeometry(back_.Hull);
    }
}

TEST_F(HullFileTest, LineBreaksInsideTextsBecomeBlanks) {
    app_.Hull.InfoLines[0] = "two\r\nlines";
    app_.Hull.RigText[LuffLengthBox] = "7\r8";
    app_.Hull.BallastStation = 60;
    EXPECT_EQ(Written().size(), 54u * 4 + 28);
    ASSERT_TRUE(ReadBack("w.hul"));
    EXPECT_EQ(back_.Hull.InfoLines[0], "two  lines");
    EXPECT_EQ(back_.Hull.RigText[LuffLengthBox], "7");
    EXPECT_EQ(back_.Hull.BallastStation, 60);
}

TEST_F(HullFileTest, AFailedWriteLeavesTheOldFileIntact) {
    fs::create_directory(folder_ / "folder.hul");
    EXPECT_TRUE(WriteHullFile(folder_, "folder.hul", app_.Hull).HasFailed());
    EXPECT_TRUE(fs::is_directory(folder_ / "folder.hul"));

    // A file nobody may write, whoever saves.
    Put("locked.hul", "old");
    fs::permissions(folder_ / "locked.hul", fs::perms(0444));
    EXPECT_TRUE(WriteHullFile(folder_, "locked.hul", app_.Hull).HasFailed());
    EXPECT_EQ(Get("locked.hul"), "old");

    // A read-only folder (the superuser writes there anyway, so the case is skipped then).
    Put("keep.hul", "old");
    fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::remove);
    if (::access(folder_.c_str(), W_OK) != 0) {
        EXPECT_TRUE(WriteHullFile(folder_, "keep.hul", app_.Hull).HasFailed());
        EXPECT_EQ(Get("keep.hul"), "old");
    }
    fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 3)
        << "no temporary file is left behind";
}

TEST_F(HullFileTest, DecimalCommaLocaleStillWritesPoints) {
    const std::optional<std::string> previous = test::UseDecimalCommaLocale();
    if (!previous) {
        GTEST_SKIP() << "no decimal-comma locale installed";
    }
    app_.Hull.OffsetX[1][2] = 10.25;
    const auto lines = Written();
    const bool read = ReadBack("w.hul");
    std::setlocale(LC_ALL, previous->c_str());
    ASSERT_TRUE(read);
    EXPECT_EQ(lines[1 + 3 * 5], " 10.25 ");
    EXPECT_EQ(back_.Hull.OffsetX[1][2], 10.25);
}

} // namespace
} // namespace merrowin
