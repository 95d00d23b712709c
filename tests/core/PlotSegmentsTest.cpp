// Plot files read back as printed segments: pens, splines and scales, and the same lines as the
// DXF export draws from every plot file of a pattern run.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "TestSupport.h"
#include "model/ChineCurves.h"
#include "patterns/DxfExport.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"
#include "text/NumberText.h"
#include "tiles/PlotSegments.h"

namespace merrowin {
namespace {

using test::Lines;

// The segments of a DXF drawing: each LINE, and each POLYLINE as the chain of its vertices.
std::vector<PlotSegment> DxfSegments(const std::string& dxf) {
    const std::vector<std::string> lines = SplitLines(dxf);
    std::vector<PlotSegment> segments;
    const auto valueAfter = [&lines](std::size_t& i, const char* code) {
        while (i + 1 < lines.size() && lines[i] != code) {
            ++i;
        }
        i += 2;
        return Val(lines[i - 1]);
    };
    bool inPolyline = false, firstVertex = true;
    double lastX = 0, lastY = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == "LINE") {
            PlotSegment s;
            s.X1 = valueAfter(i, " 10");
            s.Y1 = valueAfter(i, " 20");
            s.X2 = valueAfter(i, " 11");
            s.Y2 = valueAfter(i, " 21");
            segments.push_back(s);
        } else if (lines[i] == "POLYLINE") {
            inPolyline = true;
            firstVertex = true;
        } else if (lines[i] == "SEQEND") {
            inPolyline = false;
        } else if (inPolyline && lines[i] == "VERTEX") {
            const double x = valueAfter(i, " 10");
            const double y = valueAfter(i, " 20");
            if (!firstVertex) {
                segments.push_back({lastX, lastY, x, y, 0});
            }
            firstVertex = false;
            lastX = x;
            lastY = y;
        }
    }
    return segments;
}

void ExpectSameSegments(const std::vector<PlotSegment>& actual,
                        const std::vector<PlotSegment>& expected, const std::string& what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        // The DXF prints 15 significant digits.
        EXPECT_NEAR(actual[i].X1, expected[i].X1, 1e-9) << what << " segment " << i;
        EXPECT_NEAR(actual[i].Y1, expected[i].Y1, 1e-9) << what << " segment " << i;
        EXPECT_NEAR(actual[i].X2, expected[i].X2, 1e-9) << what << " segment " << i;
        EXPECT_NEAR(actual[i].Y2, expected[i].Y2, 1e-9) << what << " segment " << i;
    }
}

TEST(PlotSegments, PensDrawAndLiftAsTheDxfExportReadsThem) {
    const std::vector<PlotSegment> segments = ReadPlotSegments(
        Lines({"start_plot", "/* TARVO: 01-02-2027 Xscale: 500 Yscale: 500 */", "250 250 acut",
               "1 pendown", "750 250 acut", "1 penup", "1000 1000 acut", "0 pendown",
               "1000 0 aline", "0 penup", "0 0 acut", "pendown", "0 500 acut", "end_plot"}),
        500, 250);
    // The first coordinate only moves; a pen-up move draws nothing; "aline" draws like "acut";
    // pen numbers come from the statement, a bare one counting as pen 1.
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[0].X1, .5);
    EXPECT_EQ(segments[0].Y1, 1);
    EXPECT_EQ(segments[0].X2, 1.5);
    EXPECT_EQ(segments[0].Pen, 1);
    EXPECT_EQ(segments[1].X1, 2);
    EXPECT_EQ(segments[1].Y1, 4);
    EXPECT_EQ(segments[1].Y2, 0);
    EXPECT_EQ(segments[1].Pen, 0);
    EXPECT_EQ(segments[2].Y2, 2);
    EXPECT_EQ(segments[2].Pen, 1);
}

TEST(PlotSegments, SplineBlocksAndOddInputAgreeWithTheDxfExport) {
    const std::vector<std::string> texts = {
        // A spline block draws whatever the pen and leaves its last point as the position.
        Lines({"start_spline", "500 0 spline_pt", "1000 500 spline_pt", "1500 0 spline_pt",
               "end_spline", "0 pendown", "2000 0 acut"}),
        // A block never closed runs to the end; a block of one point draws nothing.
        Lines({"0 pendown", "0 0 acut", "start_spline", "500 500 spline_pt", "end_spline",
               "start_spline", "0 0 spline_pt", "500 0 spline_pt"}),
        // A block start on the last line ends the reading.
        Lines({"0 pendown", "500 500 acut", "start_spline"}),
        // Two blanks before y read y as 0; text that is no number reads as 0.
        Lines({"0 pendown", "500  500 acut", "abc 500 acut", "1e3 -250 acut"}),
    };
    for (const std::string& text : texts) {
        ExpectSameSegments(ReadPlotSegments(text, 500, 500), DxfSegments(PlotToDxf(text, 500, 500)),
                           text);
    }
}

TEST(PlotSegments, ScalesThatGiveNoFiniteInchesGiveNothing) {
    const std::string text = Lines({"0 pendown", "0 0 acut", "500 500 acut"});
    EXPECT_TRUE(ReadPlotSegments(text, 0, 500).empty());
    EXPECT_TRUE(ReadPlotSegments(text, 500, NAN).empty());
    // 1E300 units at a scale of 1e-300 is infinite: the segment is dropped, not drawn to it.
    EXPECT_TRUE(
        ReadPlotSegments(Lines({"0 penup", "0 0 acut", "0 pendown", "1E300 1 acut"}), 1e-300, 1)
            .empty());
}

// Every plot file of a run with every piece and option is printed as its DXF file draws it.
TEST(PlotSegments, EveryPlotFileOfARunMatchesItsDxfDrawing) {
    test::TempFolder folder;
    AppState app;
    ResetToStartup(app);
    UpdateHullGeometry(app.Hull, app.Work);
    PatternOptions& options = app.Work.Patterns;
    options.Stem = options.Keel = options.Deck = options.Soles = options.Spar = true;
    SetExportText(options, folder.Path().string());
    SetFrameText(app.Hull, options, 0, "40");
    MemoryStatusBar status;
    CreatePatterns(folder.Path(), app.Hull, app.Work, status, nullptr);

    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder.Path())) {
        const std::string name = entry.path().filename().string();
        if (!WildcardMatch("*.uc", name)) {
            continue;
        }
        const std::string plot = test::ReadRaw(entry.path());
        const std::vector<PlotSegment> segments = ReadPlotSegments(plot, 500, 500);
        EXPECT_FALSE(segments.empty()) << name;
        ExpectSameSegments(segments, DxfSegments(PlotToDxf(plot, 500, 500)), name);
        ++files;
    }
    // Stem, transom, three bulkheads, a frame, the sheet, and the panels.
    EXPECT_GE(files, 14);
}

} // namespace
} // namespace merrowin
