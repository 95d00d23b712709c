// Full-size printouts of a pattern run's folder: the pieces there are, their lines (the DXF
// export's, with their pens), the chosen ones, and their sizes at the plotter scale.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "model/ChineCurves.h"
#include "patterns/DxfExport.h"
#include "patterns/PatternFiles.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"
#include "text/NumberText.h"
#include "tiles/FullSize.h"

namespace merrowin {
namespace {

using test::Lines;

// The ends of every segment of a DXF drawing in order: each LINE's, and each pair of
// neighbouring polyline vertices'.
std::vector<double> DxfEnds(const std::string& dxf) {
    const std::vector<std::string> lines = SplitLines(dxf);
    std::vector<double> ends;
    std::string entity;
    double x = 0, lastX = 0, lastY = 0;
    bool chained = false;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) { // group code, value
        const std::string_view code = TrimBlanks(lines[i]);
        const double value = Val(lines[i + 1]);
        if (code == "0") {
            entity = lines[i + 1];
            chained = chained && entity == "VERTEX";
        } else if (entity == "LINE" && code != "8") {
            ends.push_back(value);
        } else if (entity == "VERTEX" && code == "10") {
            x = value;
        } else if (entity == "VERTEX" && code == "20") {
            if (chained) {
                ends.insert(ends.end(), {lastX, lastY, x, value});
            }
            lastX = x;
            lastY = value;
            chained = true;
        }
    }
    return ends;
}

void ExpectDxfLines(const std::string& plot, const std::string& what) {
    std::vector<double> printed;
    for (const PlotSegment& s : ReadPlotSegments(plot, 500, 250)) {
        printed.insert(printed.end(), {s.X1, s.Y1, s.X2, s.Y2});
    }
    const std::vector<double> exported = DxfEnds(PlotToDxf(plot, 500, 250));
    ASSERT_EQ(printed.size(), exported.size()) << what;
    for (std::size_t i = 0; i < printed.size(); ++i) {
        EXPECT_NEAR(printed[i], exported[i], 1e-9) << what << " number " << i;
    }
}

class FullSize : public ::testing::Test {
protected:
    FullSize() {
        ResetToStartup(app);
        UpdateHullGeometry(app.Hull, app.Work);
        PatternOptions& options = app.Work.Patterns;
        options.Stem = options.Keel = options.Soles = options.Spar = true;
        SetExportText(options, path.string());
        SetFrameText(app.Hull, options, 2, "60");
        MemoryStatusBar status;
        EXPECT_TRUE(CreatePatterns(path, app.Hull, app.Work, status, nullptr).Ok());
    }
    void Write(const char* name, const std::string& text) {
        ASSERT_TRUE(WriteFileInPlace(path, name, text).Ok());
    }
    test::TempFolder folder;
    const fs::path& path = folder.Path();
    AppState app;
};

TEST_F(FullSize, EveryPlotFileOfTheRunIsAPieceDrawnAsItsDxfFile) {
    Write("watrplne.uc", Lines({"0 pendown", "0 0 acut", "5 5 acut"}));
    const std::vector<std::string> pieces = FullSizePieces(path, app.Hull);
    EXPECT_EQ(pieces,
              (std::vector<std::string>{"stem", "transom", "bhead1", "bhead2", "bhead3", "keel",
                                        "sole1", "sole2", "frame3", "chine1", "chine2", "chine3"}));
    for (const std::string& piece : pieces) {
        ExpectDxfLines(*ReadFileBytes(path, piece + ".uc"), piece);
    }
    test::TempFolder empty;
    EXPECT_TRUE(FullSizePieces(empty.Path(), app.Hull).empty());
    // Spline blocks (drawn whatever the pen, leaving their last point as the position), a block
    // start on the last line, two blanks before y, text that is no number.
    ExpectDxfLines(
        Lines({"start_spline", "500 0 spline_pt", "1000 500 spline_pt", "1500 0 spline_pt",
               "end_spline", "0 pendown", "2000 0 acut", "start_spline", "5 5 spline_pt",
               "end_spline", "500  500 acut", "abc 500 aline", "start_spline"}),
        "odd lines");
    // Pens colour the lines (a bare statement is pen 1); infinitely far points are dropped.
    const std::vector<PlotSegment> pens =
        ReadPlotSegments(Lines({"1 pendown", "500 0 acut", "0 pendown", "500 500 acut", "pendown",
                                "0 0 acut", "1E300 500 acut"}),
                         1e-300, 500);
    ASSERT_EQ(pens.size(), 3u);
    EXPECT_EQ((std::vector<int>{pens[0].Pen, pens[1].Pen, pens[2].Pen}),
              (std::vector<int>{1, 0, 1}));
}

TEST_F(FullSize, ChosenPiecesKeepTheRunsOrderAndFollowThePlotterScaleFile) {
    Write("bhead1.uc",
          Lines({"0 penup", "1000 1000 acut", "0 pendown", "6000 1000 acut", "6000 4000 acut"}));
    FullSizeOptions chosen;
    chosen.Pieces = {"CHINE2", "bhead1", "rudder"};
    TileDocument document = PlanFullSize(path, app.Hull, app.Work, chosen);
    ASSERT_EQ(document.Pieces.size(), 2u);
    EXPECT_EQ(document.Pieces[1].Drawing.Name, "chine2");
    EXPECT_EQ(document.LeftOut, std::vector<std::string>{"rudder (no plot file)"});
    const auto size = [&document] {
        const PieceDrawing& d = document.Pieces.at(0).Drawing;
        return std::make_pair(d.MaxX - d.MinX, d.MaxY - d.MinY);
    };
    EXPECT_EQ(size(), std::make_pair(10.0, 6.0)); // 500 units an inch
    Write("pm32.dat", "1000,250\r\n");            // read again, as every export does
    document = PlanFullSize(path, app.Hull, app.Work, chosen);
    EXPECT_EQ(size(), std::make_pair(5.0, 12.0));
    EXPECT_EQ(app.Work.PlotXScale, 500);
    EXPECT_EQ(PlanFullSize(path, app.Hull, app.Work, {}).Pieces.size(), 12u);
}

} // namespace
} // namespace merrowin
