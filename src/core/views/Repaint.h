// The repaint of the main window (the hub's work) and of its main view.
#pragma once

#include "app/AppState.h"
#include "ui/Canvas.h"
#include "ui/Services.h"

namespace merrowin {

// The picture boxes of the main window: `Picture2` (main view) and `Picture1`(0..2) (sections,
// profile and plan thumbnails).
struct MainPictures {
    Canvas& Picture2;
    Canvas& Sections;
    Canvas& Profile;
    Canvas& Plan;
};

// Form_Paint: normalise and measure, derive the curves, status panel 2 ("MBm:"), perspective
// arrays in the start orientation, thumbnails, then the main view.
void RepaintMainWindow(AppState& app, StatusBar& status, const MainPictures& pictures);

// Picture2_Paint: clear and draw the chosen view with selection, markers, figure and rig.
void PaintMainView(AppState& app, Canvas& picture2);
// The same, and the waterplane outline of the plan view also on the plan thumbnail
// `Picture1`(2) in its own coordinates (the window's repaint of the main view passes it).
void PaintMainView(AppState& app, Canvas& picture2, Canvas* planThumbnail);

// The three thumbnails in their own coordinates: chines, bulkheads and centre lines.
void DrawThumbnails(const AppState& app, Canvas& sections, Canvas& profile, Canvas& plan);

// Rebuilds ViewPoints and MirrorViewPoints in the start orientation (tilt, then turn).
void PreparePerspective(const HullDocument& hull, ViewState& view, double pi);

} // namespace merrowin
