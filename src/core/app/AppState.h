// The application's model: the one hull document and the working values, owned for the whole run.
#pragma once

#include <string>
#include <string_view>

#include "app/History.h"
#include "app/Working.h"
#include "io/Files.h"
#include "model/Hull.h"

namespace merrowin {

struct AppState {
    HullDocument Hull;
    WorkingValues Work;
    UndoHistory History; // the designer's steps, for "&Undo" and "&Redo"
};

// Start-up state before any file is read: working defaults, the default hull, four chines, no
// steps to undo.
void ResetToStartup(AppState& app);

// The hull's own steps of a repaint (the first of RebuildGeometry): normalise and measure the
// extents, ViewMargin, MaxHalfBreadth = 0, then derive points or offsets by the Auto-Spline mode.
void UpdateHullGeometry(HullDocument& hull, WorkingValues& work);

// The chine-count box's change: the model's rule, and the text the box then shows.
std::string ApplyChineCountText(HullDocument& hull, WorkingValues& work, const std::string& text);

// Reads a hull file into the document, the station boxes and the chine-count box; false when it
// cannot be read. Opening a file as the program does is OpenHullFile (app/OpenHullFile.h).
bool ReadHullFile(const fs::path& folder, std::string_view name, HullDocument& hull,
                  WorkingValues& work);

} // namespace merrowin
