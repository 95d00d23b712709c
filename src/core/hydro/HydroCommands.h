// The main window's hydrostatics handlers: the Calculations menu, the water choice, the rescale
// items, the waterline scroll bar, the results list and the resets of "&Open". Each window
// handler is one call; the window then shows what the model says (check marks, enabled items,
// HScroll1's range and position, Combo1's lines) without repainting its pictures: the contours,
// the heeled hull and the waterline on the thumbnails stay only until the next repaint. The
// handlers that run the waterline return the outcome of writing "watrplne.uc", which the caller
// shows (the window after the run's own status text) or reports.
#pragma once

#include "app/AppState.h"
#include "io/Files.h"
#include "ui/RepaintHub.h"
#include "views/RescalePitch.h"

namespace merrowin {

// "&Waterline": toggles the waterline control (scroll bar range 10 .. 10 x HullHeight).
Outcome WaterlineCommand(AppState& app, UiServices& ui, const fs::path& folder);

// "&Displacement": asks for a target weight and steps the waterline up an inch at a time until
// the hull displaces it, then interpolates inside the last inch. Ends at the top of the range.
Outcome DisplacementCommand(AppState& app, UiServices& ui, const fs::path& folder);

// "&Contours": waterline contours on the plan view, switching the waterline control on first.
Outcome ContoursCommand(AppState& app, UiServices& ui, const fs::path& folder);

// "&Heel": asks for the heel angle and runs the heel analysis.
Outcome HeelCommand(AppState& app, UiServices& ui, const fs::path& folder);

// "&Freshwater (20 C.)" (seawaterItem false) or "&Seawater" (true): the pair toggles between fresh
// and salt water, then the waterline is computed again.
Outcome WaterChoice(AppState& app, UiServices& ui, const fs::path& folder, bool seawaterItem);

// The four "&Rescale" items: asks for the new value and rescales the offsets.
void RescaleCommand(AppState& app, UiServices& ui, RescaleItem item);

// "&Pitch": warning (first time), pitch angle, ApplyPitch, and the re-float at the remembered
// weight while the waterline is shown.
Outcome PitchCommand(AppState& app, UiServices& ui, const fs::path& folder);

// HScroll1 moved by the user (change or scroll while the thumb is dragged): the new position in
// tenths of an inch; the waterline is computed there.
Outcome WaterlineScrolled(AppState& app, UiServices& ui, const fs::path& folder, int position);

// Combo1 click: the line picked.
void ResultsPicked(AppState& app, int index);

// What "&Open" resets before the Open window shows: waterline, volume, waterline length and ends,
// the centre of gravity, the pitch (applied), the waterline control and the results list.
void OpenResetsCalculations(AppState& app, UiServices& ui);

} // namespace merrowin
