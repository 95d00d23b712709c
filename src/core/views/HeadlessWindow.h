// A main window without a screen: the repaint hub for tests and the command line.
#pragma once

#include <memory>

#include "app/AppState.h"
#include "ui/RecordingCanvas.h"
#include "ui/RepaintHub.h"
#include "ui/Services.h"

namespace merrowin {

// Sizes in pixels at 15 twips a pixel: the thumbnails are 1361 x 1361 (sections) and
// 2722 x 1361 twips (profile, plan); the main view defaults to the size the benchmarks use.
inline constexpr double SectionsThumbWidth = 1361.0 / 15, ThumbHeight = 1361.0 / 15;
inline constexpr double WideThumbWidth = 2722.0 / 15;

class HeadlessWindow : public RepaintHub {
public:
    enum class Drawing { Record, Discard };

    // The window draws into recording canvases (tests) or canvases that draw nothing (command
    // line, benchmarks). The application state is borrowed for the window's lifetime.
    explicit HeadlessWindow(AppState& app, Drawing drawing = Drawing::Record,
                            double mainWidth = 1600, double mainHeight = 1000);

    // RebuildGeometry, then the main window painted over the four pictures and the status bar;
    // then the listeners are told.
    void RepaintWindow() override;
    // The main view painted over Picture2, with the plan thumbnail for the waterplane outline.
    void RepaintMainView() override;
    Canvas& MainPicture() override;
    // 0 sections, 1 profile, 2 plan; any other index gives the sections thumbnail.
    Canvas& Thumbnail(int index) override;

    // The recording canvases; null when drawing is discarded.
    RecordingCanvas* RecordedMain();
    RecordingCanvas* RecordedThumbnail(int index);
    // Forgets what every recording canvas holds.
    void ForgetDrawing();

    MemoryStatusBar& Status() { return status_; }
    ScriptedDialogs& Boxes() { return boxes_; }
    UiServices Services() { return UiServices{status_, boxes_, *this}; }

    int WindowRepaints() const { return windowRepaints_; }
    int MainViewRepaints() const { return mainViewRepaints_; }

private:
    AppState& app_;
    std::unique_ptr<Canvas> pictures_[4]; // Picture2, then Picture1(0..2)
    bool recording_;
    MemoryStatusBar status_;
    ScriptedDialogs boxes_;
    int windowRepaints_ = 0;
    int mainViewRepaints_ = 0;
};

} // namespace merrowin
