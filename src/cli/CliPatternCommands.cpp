// merrowin-cli patterns: the Save button's pattern run from the command line.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "model/AppState.h"
#include "model/ChineCurves.h"
#include "model/HullFile.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"
#include "patterns/PlotFile.h"
#include "text/NumberText.h"
#include "ui/Services.h"

namespace merrowin::cli {

namespace {

const char* const PatternsUsage =
    "merrowin-cli patterns FILE [--no-expansions] [--no-text] [--hpgl] [--dxf] [--half-frames] "
    "[--spar] [--stem] [--soles] [--deck] [--keel] [--frames Z1,...,Z8] [--export-path DIR]";

// The frame stations of --frames: one to eight numbers separated by commas, nothing else.
std::optional<std::vector<std::string>> ParseFrames(const std::string& text) {
    std::vector<std::string> frames;
    std::size_t start = 0;
    for (int guard = 0; guard < 9; ++guard) {
        const std::size_t comma = text.find(',', start);
        const std::string item =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        double value = 0;
        if (!ParseStrictNumber(item, value)) {
            return std::nullopt;
        }
        frames.push_back(item);
        if (frames.size() > 8) {
            return std::nullopt; // there are eight frame boxes
        }
        if (comma == std::string::npos) {
            return frames;
        }
        start = comma + 1;
    }
    return std::nullopt;
}

} // namespace

int RunPatterns(const std::vector<std::string>& args) {
    std::optional<std::string> file;
    PatternOptions options; // the dialog's design defaults: Expansions and Text set
    std::optional<std::vector<std::string>> frames;
    std::optional<std::string> exportPath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--no-expansions") {
            options.Expansions = false;
        } else if (arg == "--no-text") {
            options.Text = false;
        } else if (arg == "--hpgl") {
            options.Hpgl = true;
        } else if (arg == "--dxf") {
            options.Dxf = true;
        } else if (arg == "--half-frames") {
            options.HalfFrames = true;
        } else if (arg == "--spar") {
            options.Spar = true;
        } else if (arg == "--stem") {
            options.Stem = true;
        } else if (arg == "--soles") {
            options.Soles = true;
        } else if (arg == "--deck") {
            options.Deck = true;
        } else if (arg == "--keel") {
            options.Keel = true;
        } else if (arg == "--frames" && hasValue) {
            frames = ParseFrames(args[++i]);
            if (!frames) {
                return Usage(PatternsUsage);
            }
        } else if (arg == "--export-path" && hasValue && !args[i + 1].empty()) {
            exportPath = args[++i];
        } else if (!file && !arg.empty() && arg[0] != '-') {
            file = arg;
        } else {
            return Usage(PatternsUsage);
        }
    }
    if (!file) {
        return Usage(PatternsUsage);
    }

    const std::filesystem::path folder = std::filesystem::current_path();
    AppState app;
    ResetToStartup(app);
    ReadPlotterScale(folder, app.Work.PlotXScale, app.Work.PlotYScale);
    if (!ReadHullFile(folder, *file, app.Hull, app.Work)) {
        std::cerr << "merrowin-cli: cannot read " << *file << "\n";
        return 2;
    }
    UpdateHullGeometry(app.Hull, app.Work);
    app.Work.HullFileName = *file;

    // The boxes as the dialog shows them: frames from the hull unless given here.
    app.Work.Patterns = options;
    for (int f = 0; f < 8; ++f) {
        const auto box = static_cast<std::size_t>(f);
        std::string text = BoxText(app.Hull.FramePositions[box]);
        if (frames) {
            text = box < frames->size() ? (*frames)[box] : "0";
        }
        SetFrameText(app.Hull, app.Work.Patterns, f, text);
    }
    SetExportText(app.Work.Patterns, exportPath ? *exportPath : folder.string());

    MemoryStatusBar status;
    CreatePatterns(folder, app.Hull, app.Work, status, nullptr);
    return 0;
}

} // namespace merrowin::cli
