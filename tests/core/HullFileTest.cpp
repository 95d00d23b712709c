// Tests of the hull file: the record layout, the round trip, the comma repair, the older layout,
// damaged input and the atomic replacement.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "model/AppState.h"
#include "model/ChineCurves.h"
#include "model/HullFile.h"
#include "patterns/PlotFile.h"
#include "text/NumberText.h"

namespace merrowin {
namespace {

// A scratch folder of its own for each test.
class HullFileTest : public ::testing::Test {
protected:
    void SetUp() override { ResetToStartup(app_); }

    void Put(const std::string& name, const std::string& content) {
        std::ofstream(folder_ / name, std::ios::binary) << content;
    }
    std::string Get(const std::string& name) {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> LinesOf(const std::string& name) { return SplitLines(Get(name)); }
    static std::string Join(const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& line : lines) {
            text += line + "\r\n";
        }
        return text;
    }

    test::TempFolder scratch_;
    const fs::path& folder_ = scratch_.Path();
    AppState app_;
};

// Every offset and spline point of the chines in use is a finite number.
void ExpectGeometryFinite(const AppState& app) {
    ASSERT_GE(app.Hull.ChineCount, 2);
    ASSERT_LE(app.Hull.ChineCount, MaxChines);
    for (int c = 1; c <= app.Hull.ChineCount; ++c) {
        for (int b = 0; b < BulkheadCount; ++b) {
            ASSERT_TRUE(std::isfinite(app.Hull.OffsetX[b][c]));
            ASSERT_TRUE(std::isfinite(app.Hull.OffsetY[b][c]));
            ASSERT_TRUE(std::isfinite(app.Hull.OffsetZ[b][c]));
        }
        for (int p = 1; p <= PointsPerChine; ++p) {
            for (int k = 1; k <= 3; ++k) {
                ASSERT_TRUE(std::isfinite(app.Hull.SplinePoints[c][p][k]));
            }
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
    hull.AutoSpline = false;
    hull.FramePositions = {10, 20.5, 0, 0, 0, 0, 0, 77.25};
    SetRigText(hull, MastLengthBox, "144");
    SetRigText(hull, HeadAngleBox, "12.5");
    hull.DeckStep = false;
    hull.KeelStep = true;
    hull.InfoLines = {"A. Builder", "Skiff 14", "", "12-06-2024"};
    hull.NestOption = "1";
    hull.BallastWeight = 150;
    hull.BallastHeight = 2.25;
    hull.BallastStation = 70;
    hull.ReservedValue = -3;
    hull.OffsetX[0][7] = 999; // above the count: never written

    ASSERT_TRUE(WriteHullFile(folder_, "boat.hul", hull));
    const std::string text = Get("boat.hul");
    const auto lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 352u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 352);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 352);
    EXPECT_EQ(lines[0], " 6 ");
    EXPECT_EQ(lines[1], " .5 ");
    EXPECT_EQ(lines[2], "-.5 ");
    EXPECT_EQ(lines[91], " 0 "); // Auto-Spline off
    EXPECT_EQ(lines[326], " 10 ");
    EXPECT_EQ(lines[333], " 77.25 ");
    EXPECT_EQ(lines[334], "144");
    EXPECT_EQ(lines[341], "False");
    EXPECT_EQ(lines[342], "True");
    EXPECT_EQ(lines[345], "");
    EXPECT_EQ(lines[347], "1");
    EXPECT_EQ(lines[348], " 150 ");
    EXPECT_EQ(lines[351], "-3 ");

    AppState back;
    ResetToStartup(back);
    back.Hull.DeckStep = true;
    ASSERT_TRUE(ReadHullFile(folder_, "boat.hul", back.Hull, back.Work));
    const HullDocument& read = back.Hull;
    EXPECT_EQ(read.ChineCount, 6);
    const auto close15 = [](double expected, double actual) {
        EXPECT_NEAR(actual, expected, std::abs(expected) * 1e-14);
    };
    for (int c = 1; c <= 6; ++c) {
        for (int b = 0; b < BulkheadCount; ++b) {
            close15(hull.OffsetX[b][c], read.OffsetX[b][c]);
            close15(hull.OffsetY[b][c], read.OffsetY[b][c]);
            close15(hull.OffsetZ[b][c], read.OffsetZ[b][c]);
        }
        for (int p = 1; p <= PointsPerChine; ++p) {
            for (int k = 1; k <= 3; ++k) {
                close15(hull.SplinePoints[c][p][k], read.SplinePoints[c][p][k]);
            }
        }
    }
    EXPECT_EQ(read.OffsetX[0][7], 0);
    EXPECT_FALSE(read.AutoSpline);
    EXPECT_EQ(read.FramePositions, hull.FramePositions);
    EXPECT_EQ(read.RigText, hull.RigText);
    EXPECT_EQ(read.MastLength, 144);
    EXPECT_EQ(read.HeadAngle, 12.5);
    EXPECT_FALSE(read.DeckStep);
    EXPECT_TRUE(read.KeelStep);
    EXPECT_EQ(read.InfoLines, hull.InfoLines);
    EXPECT_EQ(read.NestOption, "1");
    EXPECT_EQ(read.BallastWeight, 150);
    EXPECT_EQ(read.BallastHeight, 2.25);
    EXPECT_EQ(read.BallastStation, 70);
    EXPECT_EQ(read.ReservedValue, -3);
    for (int b = 0; b < BulkheadCount; ++b) {
        EXPECT_EQ(back.Work.StationText[b], BoxText(read.OffsetZ[b][1]));
    }
    EXPECT_EQ(back.Work.ChineCountText, "6");
    EXPECT_EQ(Get("boat.hul"), text); // a file without commas is left as it was
}

TEST_F(HullFileTest, DecimalCommasAreReadAsPointsAndRepairedOnDisk) {
    ASSERT_TRUE(WriteHullFile(folder_, "comma.hul", app_.Hull));
    auto lines = LinesOf("comma.hul");
    lines[1] = " 1,3 ";                               // OffsetX(0, 1)
    lines[lines.size() - 1 - 4 - 1] = "Smith, J.";    // information line 4
    lines[lines.size() - 1 - 4 - 4 - 2 - 7] = "12,5"; // first rig box
    Put("comma.hul", Join(lines));

    AppState back;
    ResetToStartup(back);
    ASSERT_TRUE(ReadHullFile(folder_, "comma.hul", back.Hull, back.Work));
    EXPECT_EQ(back.Hull.OffsetX[0][1], 1.3);
    EXPECT_EQ(back.Hull.InfoLines[3], "Smith. J.");
    EXPECT_EQ(back.Hull.RigText[MastLengthBox], "12.5");
    EXPECT_EQ(back.Hull.MastLength, 12.5);

    const std::string repaired = Get("comma.hul");
    EXPECT_EQ(repaired.find(','), std::string::npos);
    const auto after = SplitLines(repaired);
    EXPECT_EQ(after[1], " 1.3 ");
    EXPECT_EQ(after.size(), lines.size());
}

TEST_F(HullFileTest, OlderLayoutEndsAfterTheFlagAndLeavesLaterRecordsUntouched) {
    app_.Hull.OffsetY[2][3] = 17.5;
    app_.Hull.AutoSpline = false;
    ASSERT_TRUE(WriteHullFile(folder_, "old.hul", app_.Hull));
    auto lines = LinesOf("old.hul");
    lines.resize(1 + 15 * 4 + 1);
    lines.emplace_back(""); // a trailing empty line is still the end of the file
    Put("old.hul", Join(lines));

    AppState back;
    ResetToStartup(back);
    back.Hull.AutoSpline = false;
    back.Hull.SplinePoints[2][5][1] = 42;
    back.Hull.FramePositions[3] = 33;
    back.Hull.InfoLines[0] = "kept";
    back.Hull.BallastWeight = 9;
    back.Hull.RigText[FootLengthBox] = "8";
    ASSERT_TRUE(ReadHullFile(folder_, "old.hul", back.Hull, back.Work));
    EXPECT_TRUE(back.Hull.AutoSpline);
    EXPECT_EQ(back.Hull.OffsetY[2][3], 17.5);
    EXPECT_EQ(back.Hull.SplinePoints[2][5][1], 42);
    EXPECT_EQ(back.Hull.FramePositions[3], 33);
    EXPECT_EQ(back.Hull.InfoLines[0], "kept");
    EXPECT_EQ(back.Hull.BallastWeight, 9);
    EXPECT_EQ(back.Hull.RigText[FootLengthBox], "8");
}

TEST_F(HullFileTest, DamagedFilesKeepWhatTheyCannotSupply) {
    // Ends inside record 2, half way through a crossing: the rest keeps its values.
    ASSERT_TRUE(WriteHullFile(folder_, "cut.hul", app_.Hull));
    auto lines = LinesOf("cut.hul");
    lines[0] = " 5 ";
    lines[1] = " 3 ";
    lines[2] = " 4 ";
    lines.resize(3);
    Put("cut.hul", Join(lines));
    AppState back;
    ResetToStartup(back);
    back.Hull.AutoSpline = false;
    ASSERT_TRUE(ReadHullFile(folder_, "cut.hul", back.Hull, back.Work));
    EXPECT_EQ(back.Hull.ChineCount, 5);
    EXPECT_EQ(back.Hull.OffsetX[0][1], 3);
    EXPECT_EQ(back.Hull.OffsetY[0][1], 4);
    EXPECT_EQ(back.Hull.OffsetZ[0][1], 1.3);
    EXPECT_EQ(back.Hull.OffsetX[2][4], 34.25);
    EXPECT_EQ(back.Work.StationText[0], "0"); // chine 1's station never came
    EXPECT_TRUE(back.Hull.AutoSpline);

    // A count of a thousand million in a short file reads what is there and stops.
    Put("huge.hul", "1e9\r\n1\r\n2\r\n3\r\n");
    ResetToStartup(back);
    ASSERT_TRUE(ReadHullFile(folder_, "huge.hul", back.Hull, back.Work));
    EXPECT_EQ(back.Hull.ChineCount, MaxChines);
    EXPECT_EQ(back.Hull.OffsetZ[0][1], 3);

    // An empty file, a count below 2.
    Put("empty.hul", "");
    ResetToStartup(back);
    ASSERT_TRUE(ReadHullFile(folder_, "empty.hul", back.Hull, back.Work));
    EXPECT_EQ(back.Hull.ChineCount, 4);
    Put("one.hul", "1\r\n");
    ASSERT_TRUE(ReadHullFile(folder_, "one.hul", back.Hull, back.Work));
    EXPECT_EQ(back.Hull.ChineCount, 2);

    // Missing: nothing happens.
    back.Hull.OffsetX[1][1] = 123;
    EXPECT_FALSE(ReadHullFile(folder_, "absent.hul", back.Hull, back.Work));
    EXPECT_FALSE(ReadHullFile(folder_, ".", back.Hull, back.Work));
    EXPECT_EQ(back.Hull.OffsetX[1][1], 123);
}

TEST_F(HullFileTest, ChinesAboveThirtyAreReadAndDropped) {
    // A 32-chine file: the layout of 32 chines is followed, chines 31 and 32 are dropped, and the
    // records after them still land where they belong.
    std::vector<std::string> lines{" 32 "};
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c <= 32; ++c) {
            for (int k = 0; k < 3; ++k) {
                lines.push_back(IntText(100 * c + 10 * b + k));
            }
        }
    }
    lines.emplace_back("-1");
    for (int p = 1; p <= PointsPerChine; ++p) {
        for (int c = 1; c <= 32; ++c) {
            for (int k = 1; k <= 3; ++k) {
                lines.push_back(IntText(p * c + k));
            }
        }
    }
    for (int f = 0; f < 8; ++f) {
        lines.push_back(IntText(f));
    }
    for (int r = 0; r < 7; ++r) {
        lines.emplace_back("5");
    }
    lines.insert(lines.end(), {"true", "0", "a", "b", "c", "d", "1", "11", "12", "13", "14"});
    Put("wide.hul", Join(lines));
    ASSERT_EQ(lines.size(), 54u * 32 + 28);

    ASSERT_TRUE(ReadHullFile(folder_, "wide.hul", app_.Hull, app_.Work));
    EXPECT_EQ(app_.Hull.ChineCount, 30);
    EXPECT_EQ(app_.Hull.OffsetX[4][30], 3040);
    EXPECT_EQ(app_.Hull.OffsetZ[1][1], 112);
    EXPECT_EQ(app_.Hull.SplinePoints[30][13][3], 393);
    EXPECT_EQ(app_.Hull.FramePositions[7], 7);
    EXPECT_TRUE(app_.Hull.DeckStep);
    EXPECT_FALSE(app_.Hull.KeelStep);
    EXPECT_EQ(app_.Hull.InfoLines[3], "d");
    EXPECT_EQ(app_.Hull.BallastWeight, 11);
    EXPECT_EQ(app_.Hull.ReservedValue, 14);
}

TEST_F(HullFileTest, BinaryAndRandomFilesNeverBreakTheModel) {
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<std::size_t>(random() % 4000), '\0');
        for (char& ch : bytes) {
            // Mostly digits, signs, points, commas and line ends, now and then any byte.
            static const char alphabet[] = "0123456789-+.,eE \r\n\r\n";
            ch = random() % 8 == 0 ? static_cast<char>(random() % 256)
                                   : alphabet[random() % (sizeof alphabet - 1)];
        }
        Put("noise.hul", bytes);
        ResetToStartup(app_);
        ReadHullFile(folder_, "noise.hul", app_.Hull, app_.Work);
        UpdateHullGeometry(app_.Hull, app_.Work);
        ExpectGeometryFinite(app_);
        if (HasFatalFailure()) {
            FAIL() << "round " << round;
        }
    }
}

TEST_F(HullFileTest, LineBreaksInsideTextsBecomeBlanks) {
    app_.Hull.InfoLines[0] = "two\r\nlines";
    app_.Hull.NestOption = "1\n";
    app_.Hull.RigText[LuffLengthBox] = "7\r8";
    ASSERT_TRUE(WriteHullFile(folder_, "text.hul", app_.Hull));
    EXPECT_EQ(LinesOf("text.hul").size(), 54u * 4 + 28);
    AppState back;
    ResetToStartup(back);
    ASSERT_TRUE(ReadHullFile(folder_, "text.hul", back.Hull, back.Work));
    EXPECT_EQ(back.Hull.InfoLines[0], "two  lines");
    EXPECT_EQ(back.Hull.NestOption, "1");
    EXPECT_EQ(back.Hull.RigText[LuffLengthBox], "7");
    EXPECT_EQ(back.Hull.BallastWeight, app_.Hull.BallastWeight);
}

TEST_F(HullFileTest, AFailedWriteLeavesTheOldFileIntact) {
    ASSERT_TRUE(WriteHullFile(folder_, "keep.hul", app_.Hull));
    const std::string before = Get("keep.hul");
    app_.Hull.ChineCount = 6;

    // The target is a folder.
    fs::create_directory(folder_ / "folder.hul");
    EXPECT_FALSE(WriteHullFile(folder_, "folder.hul", app_.Hull));
    EXPECT_TRUE(fs::is_directory(folder_ / "folder.hul"));

    // A name so long that no temporary file can be made beside it.
    const std::string longName = std::string(250, 'h') + ".hul";
    Put(longName, before);
    EXPECT_FALSE(WriteHullFile(folder_, longName, app_.Hull));
    EXPECT_EQ(Get(longName), before);

    // A read-only folder (the superuser writes there anyway, so the case is skipped then).
    fs::permissions(folder_,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    if (::access(folder_.c_str(), W_OK) != 0) {
        EXPECT_FALSE(WriteHullFile(folder_, "keep.hul", app_.Hull));
        EXPECT_EQ(Get("keep.hul"), before);
    }
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder_)) {
        left.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(left.size(), 3u) << "no temporary file is left behind";
}

TEST_F(HullFileTest, DecimalCommaLocaleStillWritesPoints) {
    const std::string old = std::setlocale(LC_ALL, nullptr);
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr) {
        GTEST_SKIP() << "no decimal-comma locale installed";
    }
    app_.Hull.OffsetX[1][2] = 10.25;
    const bool written = WriteHullFile(folder_, "locale.hul", app_.Hull);
    AppState back;
    ResetToStartup(back);
    const bool read = ReadHullFile(folder_, "locale.hul", back.Hull, back.Work);
    std::setlocale(LC_ALL, old.c_str());
    ASSERT_TRUE(written && read);
    EXPECT_EQ(Get("locale.hul").find(','), std::string::npos);
    EXPECT_EQ(back.Hull.OffsetX[1][2], 10.25);
}

// Every input a fuzzer once found troublesome stays a test: hull files are read and derived,
// plot lines tokenised both ways.
TEST_F(HullFileTest, FuzzRegressionInputs) {
    const fs::path root = fs::path(MERROWIN_TEST_DATA) / "fuzz";
    int seen = 0;
    for (const char* target : {"hull_reader", "plot_tokeniser"}) {
        const fs::path dir = root / target;
        if (!fs::is_directory(dir)) {
            continue;
        }
        for (const auto& entry : fs::directory_iterator(dir)) {
            SCOPED_TRACE(entry.path().string());
            ++seen;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
            if (std::string(target) == "hull_reader") {
                Put("input.hul", bytes);
                ResetToStartup(app_);
                ReadHullFile(folder_, "input.hul", app_.Hull, app_.Work);
                UpdateHullGeometry(app_.Hull, app_.Work);
                ExpectGeometryFinite(app_);
            } else {
                for (const auto& line : SplitLines(bytes)) {
                    for (const bool strip : {false, true}) {
                        const PlotTokens tokens = TokenisePlotLine(line, strip);
                        EXPECT_TRUE(std::isfinite(tokens.X) && std::isfinite(tokens.Y));
                    }
                }
            }
        }
    }
    EXPECT_GT(seen, 0);
}

} // namespace
} // namespace merrowin
