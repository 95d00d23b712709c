// The figure file, the Open window's thumbnails and figure commands, and its file handlers.
#include <cmath>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/HullFile.h"
#include "open/FigureFile.h"
#include "open/Figures.h"
#include "open/OpenDialog.h"

namespace merrowin {
namespace {

using Points = std::vector<std::array<double, 2>>;

const fs::path BadInputs = fs::path(MERROWIN_TEST_DATA) / "fuzz" / "figure_reader";

std::vector<FigureOutline> ParseKept(const char* name) {
    return ParseFigureFile(test::ReadRaw(BadInputs / name));
}

TEST(FigureFile, ReadsTitlesAndPointLines) {
    const std::vector<FigureOutline> figures = ParseFigureFile(
        "a note before any figure, 1 2\r\n"
        "start\r\nSailor\r\n12 34\r\n  5\t6 \r\nno number here\r\n\r\n-.5 7x\r\n9\r\nend\r\n"
        "between figures 3 4\nstart\nNo end\n1 1\nstart\n");
    ASSERT_EQ(figures.size(), 3u);
    EXPECT_EQ(figures[0].Title, "Sailor");
    EXPECT_EQ(figures[0].Points, (Points{{12, 34}, {5, 6}, {-0.5, 7}, {9, 0}}));
    // A "start" without the "end" before it begins the next figure; the file may end anywhere.
    EXPECT_EQ(figures[1].Points, (Points{{1, 1}}));
    EXPECT_EQ(figures[2].Title, "");
}

TEST(FigureFile, BadInputKeepsWhatItCan) {
    const std::vector<FigureOutline> long_ = ParseKept("over_100_points");
    ASSERT_EQ(long_.size(), 2u);
    EXPECT_EQ(long_[0].Points.size(), 100u);
    EXPECT_EQ(long_[1].Points, (Points{{1, 1}, {2, 2}}));
    const std::vector<FigureOutline> many = ParseKept("over_9_figures");
    ASSERT_EQ(many.size(), 9u);
    EXPECT_EQ(many[8].Title, "Figure 8");
    // Lines that do not start with a number are no points; a number too large to hold reads 0.
    const std::vector<FigureOutline> binary = ParseKept("binary_bytes");
    ASSERT_EQ(binary.size(), 3u);
    EXPECT_EQ(binary[0].Points, (Points{{1e308, -1e308}, {7, 8}, {0, 1}, {-0.5, 0.25}}));

    // Every kept input, and any the fuzzer adds, chooses and turns into a finite outline.
    AppState app;
    HeadlessWindow window{app, HeadlessWindow::Drawing::Discard};
    for (const auto& entry : fs::directory_iterator(BadInputs)) {
        SCOPED_TRACE(entry.path().string());
        const std::vector<FigureOutline> figures = ParseFigureFile(test::ReadRaw(entry.path()));
        ViewState view;
        FigureFrame frame;
        for (int i = 0; i < static_cast<int>(figures.size()); ++i) {
            ChooseFigure(view, frame, figures, i, window);
            FigureTurn90(view, window);
            for (int p = 1; p <= view.FigurePointCount; ++p) {
                EXPECT_TRUE(std::isfinite(view.FigureZ + view.FigureOutlineZ[p] + view.FigureY +
                                          view.FigureOutlineY[p]));
            }
        }
    }
}

TEST(FigureFile, ShippedFiguresAndTheWorkingFolderCopy) {
    test::TempFolder folder;
    const std::vector<FigureOutline> shipped = LoadFigureFile(folder.Path());
    ASSERT_EQ(shipped.size(), 9u);
    double low = 1e9, high = -1e9;
    for (const auto& point : shipped[0].Points) {
        low = std::min(low, point[1]);
        high = std::max(high, point[1]);
    }
    EXPECT_EQ(high - low, StandardFigureHeight); // the standing adult
    test::WriteRaw(folder.Path() / "PERSONS.FIG", "start\r\nMine\r\n0 0\r\nend\r\n");
    EXPECT_EQ(LoadFigureFile(folder.Path()).size(), 1u);
}

TEST(FigureThumbnail, SquareScaleAroundTheOutlineInRed) {
    RecordingCanvas picture(60, 60);
    DrawFigureThumbnail({"Tall", {{0, 0}, {10, 60}, {20, 0}}}, picture);
    ASSERT_EQ(picture.Calls().size(), 3u);
    const CanvasCall& scale = picture.Calls()[0];
    EXPECT_EQ(std::vector<double>({scale.X1, scale.Y1, scale.X2, scale.Y2}),
              std::vector<double>({-2, 62, 62, -2}));
    EXPECT_EQ(picture.Count(CanvasOp::Line, Colour::Red), 2u);
}

class FigureChoice : public ::testing::Test {
protected:
    ViewState& View() { return app.Work.View; }
    // Where outline point i is drawn.
    std::array<double, 2> Drawn(std::size_t i) {
        return {View().FigureZ + View().FigureOutlineZ[i],
                View().FigureY + View().FigureOutlineY[i]};
    }

    AppState app = test::StartupApp();
    HeadlessWindow window{app, HeadlessWindow::Drawing::Discard};
    FigureFrame frame;
    std::vector<FigureOutline> figures{{"Dot", {{12, 34}}},
                                       {"Sailor", {{0, 0}, {4, 67}, {10, 0}, {6, 30}}}};
};

TEST_F(FigureChoice, ChosenAtTheBoxHeightWhereTheFileDrawsIt) {
    frame.HeightText = "134";
    ChooseFigure(View(), frame, figures, 0, window);
    EXPECT_EQ(Drawn(1), (std::array<double, 2>{24, 68}));
    EXPECT_EQ(frame.Caption, "Dot");
    EXPECT_EQ(frame.HighlightIndex, 0);
    // A new height drops the figure; chosen again it is drawn at that height.
    FigureHeightChanged(View(), frame, "33.5", window);
    EXPECT_EQ(View().FigureIndex, -1);
    EXPECT_EQ(frame.Caption, "Open");
    ChooseFigure(View(), frame, figures, 1, window);
    EXPECT_EQ(Drawn(2), (std::array<double, 2>{2, 33.5}));
    // A thumbnail without a figure chooses nothing; the highlight moves there.
    ChooseFigure(View(), frame, figures, 5, window);
    EXPECT_EQ(View().FigureIndex, -1);
    EXPECT_EQ(frame.HighlightIndex, 5);
    EXPECT_EQ(window.MainViewRepaints(), 4);
}

TEST_F(FigureChoice, FlippedTwiceAndDropped) {
    app.Work.HullHeight = 33;
    ChooseFigure(View(), frame, figures, 1, window);
    // Centred on half its own maxima; the hull's extents stay the hull's.
    EXPECT_EQ(View().FigureY, 33.5);
    EXPECT_EQ(app.Work.HullHeight, 33);
    const auto z = View().FigureOutlineZ;
    const auto y = View().FigureOutlineY;
    FigureFlipV(View(), window);
    EXPECT_EQ(Drawn(2), (std::array<double, 2>{6, 67})); // mirrored fore and aft
    FigureFlipH(View(), window);
    FigureTurn90(View(), window);
    EXPECT_EQ(Drawn(2), (std::array<double, 2>{-28.5, 34.5})); // upside down, on its side
    FigureTurn90(View(), window);
    FigureFlipH(View(), window);
    FigureFlipV(View(), window);
    EXPECT_EQ(View().FigureOutlineZ, z);
    EXPECT_EQ(View().FigureOutlineY, y);
    // The chosen thumbnail clicked again drops the figure and gives the caption back.
    ChooseFigure(View(), frame, figures, 1, window);
    EXPECT_EQ(View().FigureIndex, -1);
    EXPECT_EQ(frame.Caption, "Open");
    EXPECT_EQ(window.MainViewRepaints(), 8);
}

TEST(OpenDialog, FileClickJoinsTheNameAndReadsTheHull) {
    EXPECT_EQ(JoinHullFileName("/", "boat.hul"), "/boat.hul");
    EXPECT_EQ(JoinHullFileName("/home/work/", "boat.hul"), "/home/work/boat.hul");
    test::TempFolder work;
    AppState saved = test::StartupApp();
    saved.Hull.ChineCount = 5;
    ASSERT_TRUE(WriteHullFile(work.Path(), "skiff.hul", saved.Hull).Ok());

    AppState app = test::StartupApp();
    FigureFrame frame;
    app.Work.View.FigureIndex = 2;
    MemoryStatusBar status;
    const std::string folder = work.Path().string();
    ASSERT_TRUE(File1Click(app, frame, "/nonexistent", folder, "skiff.hul", status));
    EXPECT_EQ(app.Work.HullFileName, folder + "/skiff.hul");
    EXPECT_EQ(app.Hull.ChineCount, 5);
    EXPECT_EQ(app.Work.View.FigureIndex, -1);
    EXPECT_EQ(status.Panel(1), "Working on..." + folder + "/skiff.hul");

    // A file gone from the list by the time it is clicked: the hull and its name stay, and the
    // status line says what failed instead of claiming the file is being worked on.
    app.Hull.OffsetX[2][3] = 17.25;
    EXPECT_FALSE(File1Click(app, frame, "/nonexistent", folder, "gone.hul", status));
    EXPECT_EQ(app.Work.HullFileName, folder + "/skiff.hul");
    EXPECT_EQ(app.Hull.OffsetX[2][3], 17.25);
    EXPECT_EQ(status.Panel(1), "Could not read " + folder + "/gone.hul");
    EXPECT_FALSE(File1Click(app, frame, "/nonexistent", folder, "", status));
}

} // namespace
} // namespace merrowin
