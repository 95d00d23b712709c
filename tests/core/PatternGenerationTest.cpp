// Pattern generation's pieces: triangulation numbers, outline plot files, frame clamping,
// unrolled transom and stem, the sheet, and the 3-D hull drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "PatternTestSupport.h"
#include "export/HullDrawing.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"
#include "text/NumberText.h"

namespace merrowin {
namespace {

using test::Section;

// Two chines; the inner bulkheads all at (1, 0.5) and (3, 2), the others raked; the chines
// straight, chine c with X = c * p and Y = 2 c at point p, Z = 10 (p - 1) (+ 5 for chine 2).
HullDocument SmallHull() {
    HullDocument hull;
    hull.ChineCount = 2;
    for (int b = 0; b < 5; ++b) {
        for (int c = 1; c <= 2; ++c) {
            const bool inner = b >= 1 && b <= 3;
            hull.OffsetX[b][c] = inner ? (c == 1 ? 1 : 3) : c + 0.5 * b;
            hull.OffsetY[b][c] = inner ? (c == 1 ? 0.5 : 2) : 2.0 * c;
            hull.OffsetZ[b][c] = 30.0 * b + (inner ? 0 : 3 * c);
        }
    }
    for (int c = 1; c <= 2; ++c) {
        for (int p = 1; p <= 13; ++p) {
            hull.SplinePoints[c][p] = {0, double(c * p), double(2 * c),
                                       10.0 * (p - 1) + (c == 2 ? 5 : 0)};
        }
    }
    return hull;
}

// The strip layout of the triangulation numbers is pinned by the expansion of the text written
// here (ExpansionTest) and by the run's goldens.
TEST(Triangulation, PanelFilesForTheChosenPieces) {
    PatternOptions options;
    options.Keel = options.Deck = options.Soles = true; // sole2 needs chine 3: left out
    const PatternRun run = test::TestRun(options);
    FileBatch files;
    WriteTriangulationFiles(run, SmallHull(), files);
    EXPECT_EQ(files.Size(), 4u); // chine1, keel, deck, sole1
    EXPECT_EQ(files.Find(run.Folder, "sole2.tri"), nullptr);
    // The keel spans chine 1 and its reflection: rungs are twice the half-width.
    for (const auto& [name, rung] : {std::pair{"keel.tri", " 2 "}, {"deck.tri", " 4 "}}) {
        const std::string* text = files.Find(run.Folder, name);
        ASSERT_NE(text, nullptr) << name;
        EXPECT_EQ(SplitLines(*text).at(26), rung) << name;
    }
}

// Every outline plot a small hull gives, with and without labels, half frames and the spar; the
// transom and stem unrolled up their raked faces.
TEST(OutlinePlots, BulkheadFrameTransomStemAndSheet) {
    HullDocument hull = SmallHull();
    hull.FramePositions[0] = 25;
    PatternOptions half;
    half.Text = false;
    half.HalfFrames = half.Spar = true;
    const PatternRun plain = test::TestRun(half);
    PatternRun labelled = test::TestRun(); // "Text" set
    labelled.Font = ParseStrokeFont("1\n1\n0,0\nF\n1\n0,0\nx\n2\n0,0\n8,8\n");
    MemoryStatusBar status;
    const double mean = MeanBulkheadHeight(hull);
    EXPECT_DOUBLE_EQ(mean, 1.25);
    const std::string plots =
        Section("bulkhead 2, half, spar", BulkheadPlot(hull, plain, status, 2, mean)) +
        Section("bulkhead 1, labelled", BulkheadPlot(hull, labelled, status, 1, mean)) +
        Section("frame 1, labelled", FramePlot(hull, labelled, status, 0, mean)) +
        Section("transom, half", TransomPlot(hull, plain, status)) +
        Section("stem, always whole", StemPlot(hull, plain, status)) +
        Section("sheet, labelled", SheetPlot(labelled, status));
    test::ExpectGolden("patterns/outline_plots.txt", plots);
    EXPECT_EQ(status.Panel(1), "");

    // Without a font the file is written without label and the status says so.
    const PatternRun noFont = test::TestRun();
    EXPECT_EQ(SheetPlot(noFont, status), SheetPlot(test::TestRun(half), status));
    EXPECT_EQ(status.Panel(1), MissingFontStatus);
}

TEST(FrameStations, CrossingInterpolatesAlongTheChine) {
    const HullDocument hull = SmallHull();
    const auto middle = FrameCrossing(hull, 2, 30); // chine 2: Z 25 at point 3, 35 at point 4
    EXPECT_DOUBLE_EQ(middle[0], 7.0);
    EXPECT_DOUBLE_EQ(middle[1], 4.0);
    // A station on the chine's first point has no segment with Z(j) < z: it takes that point.
    const auto first = FrameCrossing(hull, 1, 0);
    EXPECT_DOUBLE_EQ(first[0], 1.0);
    EXPECT_DOUBLE_EQ(first[1], 2.0);
}

TEST(FrameStations, ClampedInsideEveryChine) {
    HullDocument hull = SmallHull(); // chine 1 covers Z 0..120, chine 2 5..125
    PatternOptions options;
    const std::array<std::string, 8> typed{"200", "2", "0", "-24", "-300", "abc", "60", "125"};
    for (int f = 0; f < 8; ++f) {
        SetFrameText(hull, options, f, typed[static_cast<std::size_t>(f)]);
    }
    SetFrameText(hull, options, 8, "12"); // there are eight boxes
    SetFrameText(hull, options, -1, "12");
    ClampFrameStations(hull, options);
    EXPECT_EQ(hull.FramePositions[8], 0);
    const std::array<std::string, 8> shown{"120", "5", "0", "-24", "120", "abc", "60", "120"};
    const std::array<double, 8> stations{120, 5, 0, 24, 120, 0, 60, 120};
    for (std::size_t f = 0; f < 8; ++f) {
        EXPECT_EQ(options.FrameText[f], shown[f]) << f;
        EXPECT_EQ(hull.FramePositions[f], stations[f]) << f;
    }
}

TEST(RakedBulkheads, FlatFaceNeverTakesTheRootOfANegative) {
    // Chines that differ only across: L^2 - dX^2 is 0 or a rounding hair below it.
    HullDocument hull;
    hull.ChineCount = 30;
    for (int c = 1; c <= 30; ++c) {
        hull.OffsetX[4][c] = 0.1 * c + 0.01 / c;
        hull.OffsetY[4][c] = 7.3;
        hull.OffsetZ[4][c] = 140.7;
    }
    const auto t = UnrolledBulkhead(hull, 4);
    for (int c = 1; c <= 30; ++c) {
        ASSERT_TRUE(std::isfinite(t[c][1]));
        EXPECT_LT(std::fabs(t[c][1]), 1e-6);
    }
}

TEST(HullDrawing, NameBesideTheHullFileAndThreeCopiesOfTheWireframe) {
    EXPECT_EQ(HullDrawingName("boat.hul"), "boat.DXF");
    EXPECT_EQ(HullDrawingName("my.boat.hul"), "my.DXF");
    EXPECT_EQ(HullDrawingName("boat"), "DXF");
    EXPECT_EQ(HullDrawingName("/home/a.b/boat.hul"), "/home/a.b/boat.DXF");
    // As it stands, then shifted aft by twice the largest half-width (26, chine 2 at point 13)
    // and seen from the side and from above.
    std::ostringstream drawing;
    WriteHullDrawing(drawing, SmallHull());
    test::ExpectGolden("patterns/hull_drawing.dxf", drawing.str());
}

} // namespace
} // namespace merrowin
