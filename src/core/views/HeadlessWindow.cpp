// The headless main window: four canvases, a status bar in memory and scripted dialogs.
#include "views/HeadlessWindow.h"

#include "app/Rebuild.h"
#include "views/Repaint.h"

namespace merrowin {

namespace {

std::unique_ptr<Canvas> MakeCanvas(bool recording, double width, double height) {
    if (recording) {
        return std::make_unique<RecordingCanvas>(width, height);
    }
    return std::make_unique<NullCanvas>(width, height);
}

} // namespace

HeadlessWindow::HeadlessWindow(AppState& app, Drawing drawing, double mainWidth, double mainHeight)
    : app_(app), recording_(drawing == Drawing::Record) {
    pictures_[0] = MakeCanvas(recording_, mainWidth, mainHeight);
    pictures_[1] = MakeCanvas(recording_, SectionsThumbWidth, ThumbHeight);
    pictures_[2] = MakeCanvas(recording_, WideThumbWidth, ThumbHeight);
    pictures_[3] = MakeCanvas(recording_, WideThumbWidth, ThumbHeight);
}

void HeadlessWindow::RepaintWindow() {
    ++windowRepaints_;
    RebuildGeometry(app_);
    PrepareMainView(app_, *pictures_[0]);
    const MainPictures pictures{*pictures_[0], *pictures_[1], *pictures_[2], *pictures_[3]};
    PaintMainWindow(app_, status_, pictures);
    NotifyListeners();
}

void HeadlessWindow::RepaintMainView() {
    ++mainViewRepaints_;
    // As the desktop window does: the plan view's waterplane outline also on the plan thumbnail.
    PrepareMainView(app_, *pictures_[0]);
    PaintMainView(app_, *pictures_[0], pictures_[3].get());
}

Canvas& HeadlessWindow::MainPicture() {
    return *pictures_[0];
}

Canvas& HeadlessWindow::Thumbnail(int index) {
    if (index < 0 || index > 2) {
        index = 0;
    }
    return *pictures_[1 + index];
}

RecordingCanvas* HeadlessWindow::RecordedMain() {
    return recording_ ? static_cast<RecordingCanvas*>(pictures_[0].get()) : nullptr;
}

RecordingCanvas* HeadlessWindow::RecordedThumbnail(int index) {
    if (!recording_ || index < 0 || index > 2) {
        return nullptr;
    }
    return static_cast<RecordingCanvas*>(pictures_[1 + index].get());
}

void HeadlessWindow::ForgetDrawing() {
    if (!recording_) {
        return;
    }
    for (auto& picture : pictures_) {
        static_cast<RecordingCanvas*>(picture.get())->Forget();
    }
}

} // namespace merrowin
