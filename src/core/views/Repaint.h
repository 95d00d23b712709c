// The painting of the main window and of its main view. Painting only reads the state: the model
// steps come first (RebuildGeometry, then PrepareMainView).
#pragma once

#include "app/AppState.h"
#include "ui/Canvas.h"
#include "ui/Services.h"
#include "views/ViewGeometry.h"

namespace merrowin {

// The picture boxes of the main window: `Picture2` (main view) and `Picture1`(0..2) (sections,
// profile and plan thumbnails).
struct MainPictures {
    Canvas& Picture2;
    Canvas& Sections;
    Canvas& Profile;
    Canvas& Plan;
};

// The main view's own derived values, before each paint of it: the mast step height while the
// rig is shown, and the user coordinates for the picture's proportions (kept when none can be
// formed).
void PrepareMainView(AppState& app, const Canvas& picture2);

// The user coordinates the main view is painted in: those of the current extents, zoom and
// proportional scaling, else the ones kept from the last repaint; false when there are neither.
bool MainViewScale(const AppState& app, double aspect, ViewExtent& extent);

// Form_Paint after the model steps: status panel 2 ("MBm:"), the thumbnails, then the main view.
void PaintMainWindow(const AppState& app, StatusBar& status, const MainPictures& pictures);

// Picture2_Paint: clear and draw the chosen view with selection, markers, figure and rig. The
// window's repaint also passes the plan thumbnail `Picture1`(2), which then gets the plan view's
// waterplane outline in its own coordinates.
void PaintMainView(const AppState& app, Canvas& picture2, Canvas* planThumbnail = nullptr);

// The three thumbnails in their own coordinates: chines, bulkheads and centre lines.
void DrawThumbnails(const AppState& app, Canvas& sections, Canvas& profile, Canvas& plan);

// Rebuilds ViewPoints and MirrorViewPoints in the start orientation (tilt, then turn).
void PreparePerspective(const HullDocument& hull, ViewState& view, double pi);

} // namespace merrowin
