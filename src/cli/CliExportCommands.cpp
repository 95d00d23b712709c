// merrowin-cli vrml: the main window's "VRML" button from the command line.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "export/VrmlExport.h"
#include "app/AppState.h"
#include "model/ChineCurves.h"

namespace merrowin::cli {

namespace {

const char* const VrmlUsage = "merrowin-cli vrml FILE";

} // namespace

int RunVrml(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!ParseArguments(args, {}, {}, parsed)) {
        return Usage(VrmlUsage);
    }
    const std::filesystem::path folder = std::filesystem::current_path();
    AppState app;
    if (!LoadHull(app, folder, parsed.File)) {
        return 2;
    }
    // The button refreshes the main window first, so the world holds the derived points.
    UpdateHullGeometry(app.Hull, app.Work);
    app.Work.HullFileName = parsed.File;

    if (const Outcome saved =
            SaveVrmlWorld(folder, app.Work.HullFileName, app.Hull, app.Work.HullHeight);
        saved.HasFailed()) {
        std::cerr << "merrowin-cli: " << saved.Text() << "\n";
        return 1;
    }
    return WriteOut(VrmlFileName(app.Work.HullFileName) + "\n" + DefaultWorldName + "\n");
}

} // namespace merrowin::cli
