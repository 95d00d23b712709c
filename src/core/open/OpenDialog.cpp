// The Open window's file handlers over the model.
#include "open/OpenDialog.h"

#include "app/History.h"
#include "app/OpenHullFile.h"

namespace merrowin {

std::string JoinHullFileName(std::string_view folderPath, std::string_view fileName) {
    std::string joined(folderPath);
    if (!joined.empty() && joined.back() != '/') {
        joined += '/';
    }
    joined.append(fileName);
    return joined;
}

void BeginOpenVisit(AppState& app) {
    app.History.BeginLong(LongStep::OpenVisit, app);
}

bool File1Click(AppState& app, FigureFrame& frame, const fs::path& workingFolder,
                std::string_view folderPath, std::string_view fileName, StatusBar& status) {
    if (fileName.empty()) {
        return false;
    }
    // A preview after an undo in the middle of a visit begins the visit's step again.
    BeginOpenVisit(app);
    ClearFigureChoice(app.Work.View, frame);
    // The one way a hull file is opened: read, named HullFileName and its chine count applied.
    const OpenedHull opened =
        OpenHullFile(workingFolder, JoinHullFileName(folderPath, fileName), app);
    status.SetPanel(1, opened.Result.Ok() ? opened.StatusText : opened.Result.Text());
    return opened.Result.Ok();
}

void OpenDone(AppState& app, StatusBar& status, RepaintHub& hub) {
    status.SetPanel(1, "Working on..." + app.Work.HullFileName);
    hub.RepaintWindow();
    app.History.EndLong(LongStep::OpenVisit, app);
}

} // namespace merrowin
