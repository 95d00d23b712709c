// Opening a hull file as the program does at start-up and from the command line.
#include "app/OpenHullFile.h"

#include "model/ChineCount.h"
#include "model/HullFile.h"
#include "text/NumberText.h"

namespace merrowin {

OpenedHull OpenHullFile(const fs::path& folder, std::string_view name, AppState& app) {
    OpenedHull opened{ReadHullFile(folder, name, app.Hull, app.Work.StationText), {}};
    if (opened.Result.HasFailed()) {
        return opened;
    }
    app.Work.HullFileName = std::string(name);
    // The count the file holds, clamped to 2..30, through the chine-count box's own rule.
    ApplyChineCountText(app.Hull, app.Work, IntText(ChineCountInRange(app.Hull)));
    opened.StatusText = "Working on..." + app.Work.HullFileName;
    return opened;
}

} // namespace merrowin
