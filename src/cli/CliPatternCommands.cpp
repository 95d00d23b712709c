// merrowin-cli patterns: the Save button's pattern run from the command line.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "app/AppState.h"
#include "model/ChineCurves.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"
#include "text/NumberText.h"
#include "ui/Services.h"

namespace merrowin::cli {

namespace {

const char* const PatternsUsage =
    "merrowin-cli patterns FILE [--no-expansions] [--no-text] [--hpgl] [--dxf] [--half-frames] "
    "[--spar] [--stem] [--soles] [--deck] [--keel] [--frames Z1,...,Z8] [--export-path DIR]";

// Each switch and the option box it sets.
struct Switch {
    const char* Name;
    bool PatternOptions::*Box;
    bool Value;
};
const Switch Switches[] = {{"--no-expansions", &PatternOptions::Expansions, false},
                           {"--no-text", &PatternOptions::Text, false},
                           {"--hpgl", &PatternOptions::Hpgl, true},
                           {"--dxf", &PatternOptions::Dxf, true},
                           {"--half-frames", &PatternOptions::HalfFrames, true},
                           {"--spar", &PatternOptions::Spar, true},
                           {"--stem", &PatternOptions::Stem, true},
                           {"--soles", &PatternOptions::Soles, true},
                           {"--deck", &PatternOptions::Deck, true},
                           {"--keel", &PatternOptions::Keel, true}};

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
    std::vector<std::string> switches;
    for (const Switch& one : Switches) {
        switches.emplace_back(one.Name);
    }
    Arguments parsed;
    if (!ParseArguments(args, {"--frames", "--export-path"}, switches, parsed)) {
        return Usage(PatternsUsage);
    }
    std::optional<std::vector<std::string>> frames;
    if (const std::string* text = parsed.Find("--frames")) {
        frames = ParseFrames(*text);
        if (!frames) {
            return Usage(PatternsUsage);
        }
    }
    const std::string* exportPath = parsed.Find("--export-path");
    if (exportPath != nullptr && exportPath->empty()) {
        return Usage(PatternsUsage);
    }
    PatternOptions options; // the dialog's design defaults: Expansions and Text set
    for (const Switch& one : Switches) {
        if (parsed.Has(one.Name)) {
            options.*one.Box = one.Value;
        }
    }

    const std::filesystem::path folder = std::filesystem::current_path();
    AppState app;
    if (!LoadHull(app, folder, parsed.File)) {
        return 2;
    }
    UpdateHullGeometry(app.Hull, app.Work);
    app.Work.HullFileName = parsed.File;

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
    SetExportText(app.Work.Patterns, exportPath != nullptr ? *exportPath : folder.string());

    MemoryStatusBar status;
    const Outcome outcome = CreatePatterns(folder, app.Hull, app.Work, status, nullptr);
    if (outcome.HasFailed()) {
        std::cerr << "merrowin-cli: " << outcome.Text() << "\n";
        return 1;
    }
    return 0;
}

} // namespace merrowin::cli
