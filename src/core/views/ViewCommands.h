// The main window's view commands: the View menu, the thumbnails and logo, the spin buttons and
// arrow keys, the station boxes and the chine-count box. The caller moves the focus and calls
// the repaint named in each comment.
#pragma once

#include <string>

#include "app/AppState.h"
#include "ui/RepaintHub.h"
#include "views/ViewGeometry.h"

namespace merrowin {

// Sections_Click, Profile_Click, Plan_Click: check the chosen item, uncheck the other two;
// repaints the main view.
void ChooseView(AppState& app, ViewKind kind, RepaintHub& hub);
// TrueView_Click: toggles proportional scaling, "true view"/"false view" in panel 1; repaints the
// main view.
void ToggleTrueView(AppState& app, StatusBar& status, RepaintHub& hub);
// Picture3_Click: zoom cleared, no view checked (perspective); repaints the whole window.
void ClickLogo(AppState& app, RepaintHub& hub);
// Picture1_Click(index): repaints the window, clears the zoom, checks the thumbnail's view
// (0 sections, 1 profile, 2 plan), repaints the main view.
void ClickThumbnail(AppState& app, int index, RepaintHub& hub);

// Command1 ("X"), Command5 ("Y"), Command6 ("Z"): uncheck the views, rotate both perspective
// arrays by SpinStep; repaints the main view only.
enum class SpinAxis { X, Y, Z };
void Spin(AppState& app, SpinAxis axis, RepaintHub& hub);
// Arrow keys at window level (37 left, 38 up, 39 right, 40 down): true when handled.
bool ArrowKey(AppState& app, int keyCode, RepaintHub& hub);

// A key pressed in station box Text1(b): checks Auto-Spline; Enter (13) stores the box's value
// as the station of every chine at bulkhead b (and as StationText[b]) and repaints the window.
// `text` is the box text.
void StationBoxKey(AppState& app, int bulkhead, const std::string& text, int keyCode,
                   RepaintHub& hub);

// A change of the chine-count box Text3: clamp, extrapolate, set ChineCount, repaint the window.
// Returns the text the box shows.
std::string ChineCountChanged(AppState& app, const std::string& text, RepaintHub& hub);

} // namespace merrowin
