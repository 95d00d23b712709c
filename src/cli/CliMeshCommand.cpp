// merrowin-cli mesh: the hull as a triangle mesh (STL or OBJ, by the output's extension).
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"
#include "app/AppState.h"
#include "export/MeshFiles.h"

namespace merrowin::cli {

namespace {

const char* const MeshUsage =
    "merrowin-cli mesh FILE -o OUT.stl|OUT.obj [--closed] [--units in|mm|m] [--ascii]";

bool ParseUnits(const std::string& text, MeshUnits& units) {
    if (text == "in") {
        units = MeshUnits::Inches;
    } else if (text == "mm") {
        units = MeshUnits::Millimetres;
    } else if (text == "m") {
        units = MeshUnits::Metres;
    } else {
        return false;
    }
    return true;
}

} // namespace

int RunMesh(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!ParseArguments(args, {"-o", "--units"}, {"--closed", "--ascii"}, parsed)) {
        return Usage(MeshUsage);
    }
    const std::string* const output = parsed.Find("-o");
    const std::string* const units = parsed.Find("--units");
    MeshOptions options;
    options.Closed = parsed.Has("--closed");
    options.AsciiStl = parsed.Has("--ascii");
    if (output == nullptr || (units != nullptr && !ParseUnits(*units, options.Units))) {
        return Usage(MeshUsage);
    }
    // The format comes from the extension; only an STL file has a text form to choose.
    const std::optional<MeshFormat> format = MeshFormatOf(*output);
    if (!format || (options.AsciiStl && *format != MeshFormat::Stl)) {
        return Usage(MeshUsage);
    }
    const std::filesystem::path folder = std::filesystem::current_path();
    AppState app;
    if (!LoadHull(app, folder, parsed.File)) {
        return 2;
    }
    // As the VRML button, from the points a repaint derives.
    UpdateHullGeometry(app.Hull, app.Work);
    if (const Outcome saved = SaveHullMesh(folder, *output, app.Hull, options); saved.HasFailed()) {
        std::cerr << "merrowin-cli: " << saved.Text() << "\n";
        return 1;
    }
    return WriteOut(*output + "\n");
}

} // namespace merrowin::cli
