// Point editing in the main view: pick, drag, snap, zoom band, exact entry, position read-out.
#pragma once

#include "app/AppState.h"
#include "ui/RepaintHub.h"

namespace merrowin {

// Mouse button states as the handlers receive them: 1 left, 2 right (other bits: other buttons).
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;

// (mx, my) are in the user coordinates of the current view.
void Picture2MouseDown(AppState& app, int button, double mx, double my);
void Picture2MouseMove(AppState& app, UiServices& ui, int button, double mx, double my);
void Picture2MouseUp(AppState& app, UiServices& ui, int button, double mx, double my);
void Picture2DblClick(AppState& app, UiServices& ui);

} // namespace merrowin
