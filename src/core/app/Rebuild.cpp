// The model steps of a repaint of the main window.
#include "app/Rebuild.h"

#include "text/NumberText.h"
#include "views/Repaint.h"

namespace merrowin {

void RebuildGeometry(AppState& app) {
    UpdateHullGeometry(app.Hull, app.Work);
    app.Work.MaxBeamText = "MBm:" + FormatNumber(2 * app.Work.MaxHalfBreadth, "0.00");
    PreparePerspective(app.Hull, app.Work.View, app.Work.Pi);
}

} // namespace merrowin
