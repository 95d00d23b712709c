// The model steps of a repaint of the main window, apart from its painting.
#pragma once

#include "app/AppState.h"

namespace merrowin {

// Brings the model into working form, in the order the repaint has always taken: normalise the
// offsets and measure the extents, ViewMargin, derive the chine curves (UpdateHullGeometry), the
// maximum-beam reading of status panel 2, and the perspective arrays in their start orientation.
// Painting afterwards only reads the state.
void RebuildGeometry(AppState& app);

} // namespace merrowin
