// Undo and redo: each kind of change is one step that gives back exactly the hull before it.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/History.h"
#include "hydro/HydroCommands.h"
#include "model/HullFile.h"
#include "offsets/OffsetsEditing.h"
#include "open/OpenDialog.h"
#include "views/PointEditing.h"
#include "views/RescalePitch.h"
#include "views/ViewCommands.h"

namespace merrowin {
namespace {

constexpr int KeyEnter = 13;

class History : public test::StartedWindow {
protected:
    std::size_t Steps() const { return app.History.UndoCount(); }
    // A key, then Enter with `text`, in station box b.
    void EnterStation(int b, const std::string& text) {
        StationBoxKey(app, b, app.Work.StationText[static_cast<std::size_t>(b)], '1', window);
        StationBoxKey(app, b, text, KeyEnter, window);
    }
};

TEST_F(History, DragUndoneGivesBackEveryPointAndRedoneTheDrag) {
    const HullDocument before = app.Hull;
    // Bulkhead 2 dragged by chine 3's crossing: every chine's station, the box, the height and
    // every derived spline point change.
    CheckView(app.Work.View, ViewKind::Profile);
    Picture2MouseDown(app, LeftButton, 58, 14.5);
    Picture2MouseMove(app, ui, LeftButton, 59.5, 15);
    Picture2MouseMove(app, ui, LeftButton, 61.234, 15.678);
    Picture2MouseUp(app, ui, LeftButton, 61.234, 15.678);
    const HullDocument dragged = app.Hull;
    ASSERT_NE(dragged, before);
    ASSERT_EQ(Steps(), 1u);

    app.Work.Hydro.HScroll1Visible = true;
    const int repaints = window.WindowRepaints();
    ASSERT_TRUE(UndoCommand(app, window));
    EXPECT_EQ(app.Hull, before); // offsets and spline points, to the last bit
    EXPECT_EQ(app.Work.StationText[2], "58");
    EXPECT_EQ(window.WindowRepaints(), repaints + 1); // which tells the open windows
    EXPECT_FALSE(app.Work.Hydro.HScroll1Visible);     // the results were of the dragged hull

    ASSERT_TRUE(RedoCommand(app, window));
    EXPECT_EQ(app.Hull, dragged);
    EXPECT_EQ(app.Work.StationText[2], "61.23");
}

TEST_F(History, UndoPastTheStartAndRedoPastTheEndDoNothing) {
    EXPECT_FALSE(UndoCommand(app, window));
    EnterStation(2, "60");
    const HullDocument entered = app.Hull;
    ASSERT_TRUE(UndoCommand(app, window));
    const HullDocument start = app.Hull;
    const int repaints = window.WindowRepaints();
    EXPECT_FALSE(UndoCommand(app, window));
    EXPECT_EQ(app.Hull, start);
    EXPECT_EQ(window.WindowRepaints(), repaints);

    ASSERT_TRUE(RedoCommand(app, window));
    EXPECT_FALSE(RedoCommand(app, window));
    EXPECT_EQ(app.Hull, entered);
}

TEST_F(History, ANewStepAfterAnUndoForgetsWhatCouldBeRedone) {
    EnterStation(2, "60");
    EnterStation(3, "100");
    ASSERT_TRUE(UndoCommand(app, window));
    EnterStation(1, "30");
    EXPECT_FALSE(RedoCommand(app, window));
    EXPECT_EQ(app.Hull.OffsetZ[3][1], 96); // the undone station stays undone
    EXPECT_EQ(Steps(), 2u);
}

TEST_F(History, KeepsTheLast200Steps) {
    for (int i = 1; i <= 205; ++i) {
        EnterStation(2, std::to_string(40 + i * 0.1));
    }
    int undone = 0;
    while (UndoCommand(app, window) && undone < 1000) {
        ++undone;
    }
    EXPECT_EQ(undone, 200);
    EXPECT_EQ(app.Hull.OffsetZ[2][1], 40.5); // the five oldest steps are gone
}

TEST_F(History, EachChangeIsOneStep) {
    struct Case {
        const char* Name;
        std::vector<std::string> Answers;
        std::function<void()> Change;
        std::size_t Steps;
    };
    const std::vector<Case> cases = {
        {"station box", {}, [&] { EnterStation(2, "60"); }, 1},
        {"chine count", {}, [&] { ChineCountChanged(app, "7", window); }, 1},
        {"rescale", {"70"}, [&] { RescaleCommand(app, ui, RescaleItem::Overall); }, 1},
        {"pitch", {"5"}, [&] { EXPECT_TRUE(PitchCommand(app, ui, folder.Path()).Ok()); }, 1},
        {"typed triple",
         {"11", "5", "30"},
         [&] {
             CheckView(app.Work.View, ViewKind::Sections);
             Picture2MouseDown(app, LeftButton, 10.25, 5.2); // bulkhead 1, chine 2
             Picture2MouseUp(app, ui, LeftButton, 10.25, 5.2);
             Picture2DblClick(app, ui);
         },
         1},
        {"two offsets cells, one typed on",
         {},
         [&] {
             OffsetsGrid grid = BuildOffsetsGrid(app.Hull);
             for (const char* entry : {"1", "12", "12-", "12-4"}) {
                 EditOffsetCell(app, grid, 2, XColumn, entry, 0, window);
             }
             OffsetsSelectionMoved(app);
             EditOffsetCell(app, grid, 3, YColumn, "7", 0, window);
             OffsetsSelectionMoved(app);
         },
         2},
    };
    for (const Case& one : cases) {
        SCOPED_TRACE(one.Name);
        ResetToStartup(app);
        window.RepaintWindow();
        window.Boxes().InputAnswers = one.Answers;
        const HullDocument start = app.Hull;
        one.Change();
        app.History.CloseSteps(app);
        EXPECT_EQ(Steps(), one.Steps);
        for (std::size_t i = 0; i < one.Steps; ++i) {
            ASSERT_TRUE(UndoCommand(app, window));
        }
        EXPECT_EQ(app.Hull, start);
        EXPECT_EQ(app.Work.AppliedPitch, 0); // a save would otherwise rotate the hull back
    }
}

TEST_F(History, OneVisitToTheOpenWindowIsOneStep) {
    HullDocument other = app.Hull;
    other.OffsetX[2][3] += 3;
    ASSERT_TRUE(WriteHullFile(folder.Path(), "wide.hul", other).Ok());
    other.ChineCount = 6;
    ASSERT_TRUE(WriteHullFile(folder.Path(), "six.hul", other).Ok());
    window.Boxes().InputAnswers = {"5"};
    ASSERT_TRUE(PitchCommand(app, ui, folder.Path()).Ok());
    const HullDocument pitched = app.Hull;

    // "&Open" resets the pitch; two previews with an edit between them, then "Done".
    BeginOpenVisit(app);
    OpenResetsCalculations(app, ui);
    FigureFrame frame;
    const std::string path = folder.Path().string();
    ASSERT_TRUE(File1Click(app, frame, folder.Path(), path, "wide.hul", window.Status()));
    EnterStation(2, "61");
    ASSERT_TRUE(File1Click(app, frame, folder.Path(), path, "six.hul", window.Status()));
    OpenDone(app, window.Status(), window);
    EXPECT_EQ(Steps(), 2u);

    ASSERT_TRUE(UndoCommand(app, window));
    EXPECT_EQ(app.Hull, pitched);
    EXPECT_EQ(app.Work.HullFileName, "default.hul"); // a save writes it to its own file
    EXPECT_EQ(app.Work.AppliedPitch, 5);
    EXPECT_EQ(app.Work.ChineCountText, "4");
}

} // namespace
} // namespace merrowin
