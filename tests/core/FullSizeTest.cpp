// Full-size printouts of a pattern run's folder: the pieces that can be printed, the chosen
// ones, and their sizes at the plotter scale the exports use.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "model/ChineCurves.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"
#include "tiles/FullSize.h"

namespace merrowin {
namespace {

using test::Lines;

struct RunFolder {
    test::TempFolder Folder;
    AppState App;

    RunFolder() {
        ResetToStartup(App);
        UpdateHullGeometry(App.Hull, App.Work);
        SetExportText(App.Work.Patterns, Folder.Path().string());
    }
    const fs::path& Path() const { return Folder.Path(); }
    void Run() {
        MemoryStatusBar status;
        CreatePatterns(Folder.Path(), App.Hull, App.Work, status, nullptr);
    }
    void Write(const char* name, const std::string& text) {
        ASSERT_TRUE(WriteFileInPlace(Folder.Path(), name, text).Ok());
    }
};

TEST(FullSize, ThePiecesAreThoseTheRunPlottedInTheHandPlotOrder) {
    RunFolder run;
    PatternOptions& options = run.App.Work.Patterns;
    options.Stem = options.Keel = options.Soles = true;
    SetFrameText(run.App.Hull, options, 2, "60");
    run.Run();
    run.Write("watrplne.uc", Lines({"0 pendown", "0 0 acut", "500 500 acut"}));
    EXPECT_EQ(FullSizePieces(run.Path(), run.App.Hull),
              (std::vector<std::string>{"stem", "transom", "bhead1", "bhead2", "bhead3", "keel",
                                        "sole1", "sole2", "frame3", "chine1", "chine2", "chine3"}));
    // Nothing plotted yet: nothing to print.
    test::TempFolder empty;
    EXPECT_TRUE(FullSizePieces(empty.Path(), run.App.Hull).empty());
}

TEST(FullSize, ChosenPiecesPrintInRunOrderAndUnknownNamesAreNamed) {
    RunFolder run;
    run.Run();
    FullSizeOptions options;
    options.Paper = TilePaper::A4;
    options.Pieces = {"CHINE2", "bhead1", "rudder"};
    const TileDocument document = PlanFullSize(run.Path(), run.App.Hull, run.App.Work, options);
    ASSERT_EQ(document.Pieces.size(), 2u);
    EXPECT_EQ(document.Pieces[0].Drawing.Name, "bhead1");
    EXPECT_EQ(document.Pieces[1].Drawing.Name, "chine2");
    EXPECT_EQ(document.LeftOut, std::vector<std::string>{"rudder (no plot file)"});
    EXPECT_EQ(document.Paper.Name, "A4");
    EXPECT_EQ(document.Title, run.App.Work.HullFileName);
    // Every piece: all of them, in the run's order.
    const TileDocument all = PlanFullSize(run.Path(), run.App.Hull, run.App.Work, {});
    EXPECT_EQ(all.Pieces.size(), FullSizePieces(run.Path(), run.App.Hull).size());
    EXPECT_TRUE(all.LeftOut.empty());
}

TEST(FullSize, SizesFollowThePlotterScaleFileAsTheExportsDo) {
    RunFolder run;
    run.Run();
    // A hand-made bulkhead 5000 units wide and 3000 high.
    run.Write("bhead1.uc",
              Lines({"start_plot", "0 penup", "1000 1000 acut", "0 pendown", "6000 1000 acut",
                     "6000 4000 acut", "1000 4000 acut", "1000 1000 acut", "0 penup", "end_plot"}));
    FullSizeOptions options;
    options.Pieces = {"bhead1"};
    const auto size = [&]() {
        const TileDocument document = PlanFullSize(run.Path(), run.App.Hull, run.App.Work, options);
        EXPECT_EQ(document.Pieces.size(), 1u);
        const PieceDrawing& d = document.Pieces.at(0).Drawing;
        return std::make_pair(d.MaxX - d.MinX, d.MaxY - d.MinY);
    };
    EXPECT_EQ(size(), std::make_pair(10.0, 6.0)); // the default 500 units an inch
    run.Write("pm32.dat", "1000,250\r\n");
    EXPECT_EQ(size(), std::make_pair(5.0, 12.0));
    // The working values are only where the reading starts.
    EXPECT_EQ(run.App.Work.PlotXScale, 500);
}

} // namespace
} // namespace merrowin
