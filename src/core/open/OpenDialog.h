// The Open window's file handlers: the hull file name a click makes, the click that loads the
// hull for preview, and "Done".
#pragma once

#include <string>
#include <string_view>

#include "app/AppState.h"
#include "io/Files.h"
#include "open/Figures.h"
#include "ui/RepaintHub.h"
#include "ui/Services.h"

namespace merrowin {

// The folder path and the file name joined with "/", unless the path already ends in "/" (the
// root); an empty path leaves the name as it is (the working folder).
std::string JoinHullFileName(std::string_view folderPath, std::string_view fileName);

// "&Open": the visit to the Open window begins. Everything up to "Done" (the resets of "&Open",
// every preview, the rig and ballast boxes) is one step of the undo history, so an undo gives
// back the hull there was before.
void BeginOpenVisit(AppState& app);

// File1 click on `fileName` listed in `folderPath`: the figure choice is cleared and the joined
// name is opened as every hull file is (OpenHullFile: read with its comma repair, made
// HullFileName, its chine count applied); panel 1 reads "Working on..." and the name. A damaged
// file is read as far as it goes and counts as read. False when no file is selected (an empty
// name) or the file cannot be read at all: the model and HullFileName then stay as they were and
// panel 1 names the failure. The window then shows the name, the information lines and the rig
// and ballast boxes, and repaints.
bool File1Click(AppState& app, FigureFrame& frame, const fs::path& workingFolder,
                std::string_view folderPath, std::string_view fileName, StatusBar& status);

// "Done": panel 1 reads "Working on..." and HullFileName, the main window is repainted, and the
// visit's step ends; the window then centres the main window and hides itself.
void OpenDone(AppState& app, StatusBar& status, RepaintHub& hub);

} // namespace merrowin
