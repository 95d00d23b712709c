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

// Checks what every figure list must be, whatever the file held.
void ExpectBounded(const std::vector<FigureOutline>& figures) {
    EXPECT_LE(figures.size(), 9u);
    for (const FigureOutline& figure : figures) {
        EXPECT_LE(figure.Points.size(), 100u);
        for (const auto& point : figure.Points) {
            EXPECT_TRUE(std::isfinite(point[0]) && std::isfinite(point[1]));
        }
    }
}

TEST(FigureFile, ReadsTitlesAndPointLines) {
    const std::vector<FigureOutline> figures = ParseFigureFile(
        "a note before any figure, 1 2\r\n"
        "start\r\nSailor\r\n12 34\r\n  5\t6 \r\nno number here\r\n\r\n-.5 7x\r\n9\r\nend\r\n"
        "between figures 3 4\n"
        "start\nNo end\n1 1\nstart\nLast\n2 2\n");
    ASSERT_EQ(figures.size(), 3u);
    EXPECT_EQ(figures[0].Title, "Sailor");
    EXPECT_EQ(figures[0].Points, (Points{{12, 34}, {5, 6}, {-0.5, 7}, {9, 0}}));
    // A "start" without the "end" before it begins the next figure; the file may end inside one.
    EXPECT_EQ(figures[1].Title, "No end");
    EXPECT_EQ(figures[1].Points, (Points{{1, 1}}));
    EXPECT_EQ(figures[2].Points, (Points{{2, 2}}));
    // A file that ends right after "start" has a figure without title or points.
    const std::vector<FigureOutline> cut = ParseFigureFile("start");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].Title, "");
    EXPECT_TRUE(cut[0].Points.empty());
}

// The bad inputs kept with the fuzz target's regression inputs.
std::vector<FigureOutline> ParseKept(const char* name) {
    return ParseFigureFile(
        test::ReadRaw(fs::path(MERROWIN_TEST_DATA) / "fuzz" / "figure_reader" / name));
}

TEST(FigureFile, BadInputKeepsWhatItCan) {
    // 150 points keep the first 100, and the figure after them is read whole.
    const std::vector<FigureOutline> long_ = ParseKept("over_100_points");
    ASSERT_EQ(long_.size(), 2u);
    ASSERT_EQ(long_[0].Points.size(), 100u);
    EXPECT_EQ(long_[0].Points.back()[0], 100);
    EXPECT_EQ(long_[1].Points, (Points{{1, 1}, {2, 2}}));

    // Twelve figures keep nine, one for each thumbnail.
    const std::vector<FigureOutline> many = ParseKept("over_9_figures");
    ASSERT_EQ(many.size(), 9u);
    EXPECT_EQ(many[8].Title, "Figure 8");
    EXPECT_EQ(many[8].Points.size(), 3u);

    // Binary bytes: lines that do not start with a number are no points; a number too large to
    // hold reads 0.
    const std::vector<FigureOutline> binary = ParseKept("binary_bytes");
    ASSERT_EQ(binary.size(), 3u);
    EXPECT_EQ(binary[0].Title, std::string("\0ti\x80tle\0", 8));
    EXPECT_EQ(binary[0].Points, (Points{{1e308, -1e308}, {7, 8}, {0, 1}, {-0.5, 0.25}}));

    // Every kept input, and any the fuzzer adds later, gives a bounded list that draws and
    // chooses into finite values.
    int seen = 0;
    for (const auto& entry :
         fs::directory_iterator(fs::path(MERROWIN_TEST_DATA) / "fuzz" / "figure_reader")) {
        SCOPED_TRACE(entry.path().string());
        ++seen;
        const std::vector<FigureOutline> figures = ParseFigureFile(test::ReadRaw(entry.path()));
        ExpectBounded(figures);
        ViewState view;
        FigureFrame frame;
        NullCanvas picture;
        AppState app;
        HeadlessWindow window{app, HeadlessWindow::Drawing::Discard};
        for (int i = 0; i < static_cast<int>(figures.size()); ++i) {
            DrawFigureThumbnail(figures[static_cast<std::size_t>(i)], picture);
            ChooseFigure(view, frame, figures, i, window);
            EXPECT_TRUE(std::isfinite(view.FigureZ) && std::isfinite(view.FigureY));
            for (int p = 1; p <= view.FigurePointCount; ++p) {
                EXPECT_TRUE(
                    std::isfinite(view.FigureOutlineZ[static_cast<std::size_t>(p)] + view.FigureZ));
            }
        }
    }
    EXPECT_GE(seen, 3);
}

TEST(FigureFile, ShippedFiguresAndTheWorkingFolderCopy) {
    test::TempFolder folder;
    // Nothing in the working folder: the program's own file, nine figures of people and a dog.
    const std::vector<FigureOutline> shipped = LoadFigureFile(folder.Path());
    ASSERT_EQ(shipped.size(), 9u);
    ExpectBounded(shipped);
    EXPECT_EQ(shipped[0].Title, "Standing adult");
    double low = 1e9, high = -1e9;
    for (const auto& point : shipped[0].Points) {
        low = std::min(low, point[1]);
        high = std::max(high, point[1]);
    }
    EXPECT_EQ(high - low, StandardFigureHeight);
    // A copy in the working folder wins.
    test::WriteRaw(folder.Path() / "persons.fig", "start\r\nMine\r\n0 0\r\n1 67\r\nend\r\n");
    const std::vector<FigureOutline> mine = LoadFigureFile(folder.Path());
    ASSERT_EQ(mine.size(), 1u);
    EXPECT_EQ(mine[0].Title, "Mine");
}

TEST(FigureThumbnail, SquareScaleAroundTheOutlineInRed) {
    FigureOutline figure{"Tall", {{0, 0}, {10, 60}, {20, 0}}};
    RecordingCanvas picture(60, 60);
    DrawFigureThumbnail(figure, picture);
    const std::vector<CanvasCall> scales = picture.Of(CanvasOp::Scale);
    ASSERT_EQ(scales.size(), 1u);
    EXPECT_EQ(std::vector<double>({scales[0].X1, scales[0].Y1, scales[0].X2, scales[0].Y2}),
              std::vector<double>({-2, 62, 62, -2}));
    EXPECT_EQ(picture.Count(CanvasOp::Line, Colour::Red), 2u);
    EXPECT_EQ(picture.Calls().size(), 3u);
    // Outlines below the maxima's start keep the square from -2 to -98.
    RecordingCanvas low(60, 60);
    DrawFigureThumbnail({"Low", {{-300, -300}, {-200, -250}}}, low);
    ASSERT_EQ(low.Of(CanvasOp::Scale).size(), 1u);
    EXPECT_EQ(low.Of(CanvasOp::Scale)[0].X2, -98);
}

class FigureChoice : public ::testing::Test {
protected:
    FigureChoice() { ResetToStartup(app); }
    ViewState& View() { return app.Work.View; }
    // Where outline point i is drawn.
    std::array<double, 2> Drawn(int i) {
        const auto k = static_cast<std::size_t>(i);
        return {View().FigureZ + View().FigureOutlineZ[k],
                View().FigureY + View().FigureOutlineY[k]};
    }

    AppState app;
    HeadlessWindow window{app, HeadlessWindow::Drawing::Discard};
    FigureFrame frame;
    std::vector<FigureOutline> figures{{"Dot", {{12, 34}}},
                                       {"Sailor", {{0, 0}, {4, 67}, {10, 0}, {6, 30}}}};
};

TEST_F(FigureChoice, ChosenAtTheBoxHeightWhereTheFileDrawsIt) {
    frame.HeightText = "134";
    ChooseFigure(View(), frame, figures, 0, window);
    EXPECT_EQ(View().FigureIndex, 0);
    EXPECT_EQ(View().FigurePointCount, 1);
    EXPECT_EQ(Drawn(1), (std::array<double, 2>{24, 68}));
    EXPECT_EQ(frame.Caption, "Dot");
    EXPECT_TRUE(frame.HighlightShown);
    EXPECT_EQ(frame.HighlightIndex, 0);
    EXPECT_EQ(window.MainViewRepaints(), 1);
}

TEST_F(FigureChoice, FlippedTwiceAndDropped) {
    app.Work.HullBeam = 55;
    app.Work.HullHeight = 33;
    ChooseFigure(View(), frame, figures, 1, window);
    // Centred on half its own maxima; the hull's extents stay the hull's.
    EXPECT_EQ(View().FigureZ, 5);
    EXPECT_EQ(View().FigureY, 33.5);
    EXPECT_EQ(app.Work.HullBeam, 55);
    EXPECT_EQ(app.Work.HullHeight, 33);
    const auto z = View().FigureOutlineZ;
    const auto y = View().FigureOutlineY;

    FigureFlipV(View(), window);
    EXPECT_EQ(Drawn(2), (std::array<double, 2>{6, 67})); // mirrored fore and aft
    FigureFlipH(View(), window);
    EXPECT_EQ(Drawn(2), (std::array<double, 2>{6, 0})); // and upside down
    FigureTurn90(View(), window);
    EXPECT_EQ(Drawn(2), (std::array<double, 2>{-28.5, 34.5})); // on its side
    FigureTurn90(View(), window);
    FigureFlipH(View(), window);
    FigureFlipV(View(), window);
    EXPECT_EQ(View().FigureOutlineZ, z);
    EXPECT_EQ(View().FigureOutlineY, y);
    EXPECT_EQ(window.MainViewRepaints(), 7);

    // The chosen thumbnail clicked again drops the figure and gives the caption back.
    ChooseFigure(View(), frame, figures, 1, window);
    EXPECT_EQ(View().FigureIndex, -1);
    EXPECT_FALSE(frame.HighlightShown);
    EXPECT_EQ(frame.Caption, "Open");
    EXPECT_EQ(window.MainViewRepaints(), 8);
}

TEST_F(FigureChoice, HeightChangeDropsItAndTheNextChoiceUsesIt) {
    ChooseFigure(View(), frame, figures, 1, window);
    FigureHeightChanged(View(), frame, "33.5", window);
    EXPECT_EQ(View().FigureIndex, -1);
    EXPECT_FALSE(frame.HighlightShown);
    EXPECT_EQ(frame.Caption, "Open");
    ChooseFigure(View(), frame, figures, 1, window);
    EXPECT_EQ(Drawn(2), (std::array<double, 2>{2, 33.5}));
}

TEST_F(FigureChoice, EmptyThumbnailChoosesNothing) {
    ChooseFigure(View(), frame, figures, 1, window);
    ChooseFigure(View(), frame, figures, 5, window);
    EXPECT_EQ(View().FigureIndex, -1);
    EXPECT_EQ(frame.HighlightIndex, 5);
    EXPECT_EQ(frame.Caption, "Open");
    // No figure file at all: the same.
    ChooseFigure(View(), frame, {}, 0, window);
    EXPECT_EQ(View().FigureIndex, -1);
    EXPECT_EQ(frame.HighlightIndex, 0);
    // Indices outside the nine thumbnails are no click at all.
    ChooseFigure(View(), frame, figures, 9, window);
    EXPECT_EQ(frame.HighlightIndex, 0);
}

TEST_F(FigureChoice, LoadingTheWindowDrawsThumbnailsAndReadsTheWeight) {
    View().FigureIndex = 1;
    frame.WeightText = "180 #";
    RecordingCanvas first(60, 60), second(60, 60);
    LoadFigureThumbnails(figures, {&first, &second, nullptr}, View(), frame);
    EXPECT_EQ(first.Count(CanvasOp::Line), 0u);
    EXPECT_EQ(second.Count(CanvasOp::Line, Colour::Red), 3u);
    EXPECT_EQ(frame.FigureWeight, 180);
    EXPECT_EQ(View().FigureIndex, -1);
}

TEST(OpenDialog, HullFileNameJoinsFolderAndName) {
    const std::array<const char*, 3> cases[] = {
        {"/", "boat.hul", "/boat.hul"},
        {"/home/work", "boat.hul", "/home/work/boat.hul"},
        {"/home/work/", "boat.hul", "/home/work/boat.hul"},
        {"", "boat.hul", "boat.hul"},
    };
    for (const auto& [folder, name, joined] : cases) {
        EXPECT_EQ(JoinHullFileName(folder, name), joined) << folder;
    }
}

TEST(OpenDialog, FileClickReadsTheHullAndClearsTheFigure) {
    test::TempFolder work;
    fs::create_directory(work.Path() / "boats");
    AppState saved = test::StartupApp();
    saved.Hull.ChineCount = 5;
    saved.Hull.InfoLines[0] = "J. Builder";
    ASSERT_TRUE(WriteHullFile(work.Path() / "boats", "skiff.hul", saved.Hull));

    AppState app = test::StartupApp();
    FigureFrame frame;
    frame.Caption = "Sailor";
    app.Work.View.FigureIndex = 2;
    MemoryStatusBar status;
    EXPECT_FALSE(File1Click(app, frame, work.Path(), (work.Path() / "boats").string(), "", status));
    EXPECT_EQ(app.Work.View.FigureIndex, 2);

    const std::string folder = (work.Path() / "boats").string();
    ASSERT_TRUE(File1Click(app, frame, work.Path(), folder, "skiff.hul", status));
    EXPECT_EQ(app.Work.HullFileName, folder + "/skiff.hul");
    EXPECT_EQ(app.Hull.ChineCount, 5);
    EXPECT_EQ(app.Hull.InfoLines[0], "J. Builder");
    EXPECT_EQ(app.Work.View.FigureIndex, -1);
    EXPECT_EQ(frame.Caption, "Open");
    EXPECT_EQ(status.Panel(1), "Working on..." + folder + "/skiff.hul");
    EXPECT_FALSE(File1Click(app, frame, work.Path(), folder, "gone.hul", status));
}

} // namespace
} // namespace merrowin
