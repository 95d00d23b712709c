// The pattern pieces of a run in the order each pattern routine takes them.
#include "patterns/PatternFiles.h"

#include <algorithm>
#include <system_error>

namespace merrowin {

namespace {

int PanelCount(const HullDocument& hull) {
    // Chine panels lie between adjacent chines: ChineCount - 1 of them, within the model's range.
    return std::clamp(hull.ChineCount, 1, MaxChines) - 1;
}

void AddChosenPanels(std::vector<std::string>& names, const PatternOptions& options) {
    if (options.Deck) {
        names.emplace_back("deck");
    }
    if (options.Keel) {
        names.emplace_back("keel");
    }
    if (options.Soles) {
        names.emplace_back("sole1");
        names.emplace_back("sole2");
    }
}

// The absolute form of a path, for a message; the path as it is when that cannot be had.
fs::path FullPath(const fs::path& path) {
    std::error_code error;
    fs::path full = fs::absolute(path, error);
    return error ? path : full.lexically_normal();
}

void AddChinePanels(std::vector<std::string>& names, const HullDocument& hull) {
    for (int n = 1; n <= PanelCount(hull); ++n) {
        names.push_back("chine" + std::to_string(n));
    }
}

} // namespace

std::vector<std::string> PanelNames(const HullDocument& hull, const PatternOptions& options) {
    std::vector<std::string> names;
    AddChosenPanels(names, options);
    AddChinePanels(names, hull);
    return names;
}

std::vector<std::string> PieceNames(const HullDocument& hull, const PatternOptions& options,
                                    bool includeSheet) {
    std::vector<std::string> names;
    if (options.Stem) {
        names.emplace_back("stem");
    }
    names.emplace_back("transom");
    for (int b = 1; b <= 3; ++b) {
        names.push_back("bhead" + std::to_string(b));
    }
    AddChosenPanels(names, options);
    for (int f = 0; f < 8; ++f) {
        if (hull.FramePositions[f] > 0) {
            names.push_back("frame" + std::to_string(f + 1));
        }
    }
    if (includeSheet) {
        names.emplace_back("4x8");
    }
    AddChinePanels(names, hull);
    return names;
}

Outcome ExportPieces(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                     StatusBar& status, std::string_view extension, std::string_view what,
                     PlotTranslation translate) {
    files.RemoveMatching(run.Folder, "chine*" + std::string(extension));
    Outcome outcome;
    for (const std::string& piece : PieceNames(hull, run.Options, true)) {
        const std::string name = piece + std::string(extension);
        status.SetPanel(1, "Exporting to " + std::string(what) + "..." + name);
        const std::string plotName = piece + ".uc";
        const std::string* plot = files.Find(run.Folder, plotName);
        if (plot == nullptr) {
            // A piece the run did not plot would be missing from the cutting files unnoticed.
            outcome.Keep(Outcome::Failed(Failure::Kind::Read, plotName));
            continue;
        }
        // Named by its full path: the export folder is not where the builder is working.
        files.Put(run.ExportFolder, name, translate(*plot, run.PlotXScale, run.PlotYScale),
                  FullPath(InFolder(run.ExportFolder, name)).string());
    }
    status.SetPanel(1, "Done...");
    return outcome;
}

} // namespace merrowin
