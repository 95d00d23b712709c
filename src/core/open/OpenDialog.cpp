// The Open window's file handlers over the model.
#include "open/OpenDialog.h"

#include "model/HullFile.h"

namespace merrowin {

std::string JoinHullFileName(std::string_view folderPath, std::string_view fileName) {
    std::string joined(folderPath);
    if (!joined.empty() && joined.back() != '/') {
        joined += '/';
    }
    joined.append(fileName);
    return joined;
}

bool File1Click(AppState& app, FigureFrame& frame, const fs::path& workingFolder,
                std::string_view folderPath, std::string_view fileName, StatusBar& status) {
    if (fileName.empty()) {
        return false;
    }
    app.Work.HullFileName = JoinHullFileName(folderPath, fileName);
    ClearFigureChoice(app.Work.View, frame);
    const bool read = ReadHullFile(workingFolder, app.Work.HullFileName, app.Hull, app.Work);
    status.SetPanel(1, "Working on..." + app.Work.HullFileName);
    return read;
}

void OpenDone(const AppState& app, StatusBar& status, RepaintHub& hub) {
    status.SetPanel(1, "Working on..." + app.Work.HullFileName);
    hub.RepaintWindow();
}

} // namespace merrowin
