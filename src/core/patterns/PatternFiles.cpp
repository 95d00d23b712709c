// The pattern pieces of a run in the order each pattern routine takes them.
#include "patterns/PatternFiles.h"

#include <algorithm>
#include <system_error>

#include "io/PlotFile.h"

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

PatternFolder::PatternFolder(const fs::path& folder) : folder_(folder) {
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        std::string name = it->path().filename().string();
        byLowerName_.emplace(LowerAscii(name), name);
        names_.insert(std::move(name));
    }
}

std::optional<std::string> PatternFolder::NameOf(std::string_view name) const {
    std::string wanted(name);
    if (names_.count(wanted) != 0) {
        return wanted;
    }
    const auto found = byLowerName_.find(LowerAscii(name));
    if (found == byLowerName_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<std::string> PatternFolder::Read(std::string_view name) const {
    const std::optional<std::string> onDisk = NameOf(name);
    if (!onDisk) {
        return std::nullopt;
    }
    return ReadFileBytes(folder_, *onDisk);
}

void ExportPieces(const fs::path& folder, const HullDocument& hull, WorkingValues& work,
                  StatusBar& status, std::string_view extension, std::string_view what,
                  PlotTranslation translate) {
    DeleteMatching(folder, "chine*" + std::string(extension));
    ReadPlotterScale(folder, work.PlotXScale, work.PlotYScale);
    const fs::path exportFolder =
        work.Patterns.ExportPath.empty() ? folder : InFolder(folder, work.Patterns.ExportPath);
    const PatternFolder files(folder);
    std::optional<fs::path> unwritten; // the first export file that could not be written
    for (const std::string& piece : PieceNames(hull, work.Patterns, true)) {
        const std::string name = piece + std::string(extension);
        status.SetPanel(1, "Exporting to " + std::string(what) + "..." + name);
        const std::optional<std::string> plot = files.Read(piece + ".uc");
        if (!plot) {
            continue;
        }
        if (WriteFileInPlace(exportFolder, name, translate(*plot, work.PlotXScale, work.PlotYScale))
                .HasFailed() &&
            !unwritten) {
            unwritten = FullPath(InFolder(exportFolder, name));
        }
    }
    // The builder must not take a missing export for a done one (an export folder that is
    // missing or read-only, as the program's own folder is on an installed system).
    status.SetPanel(1, unwritten ? "Could not write " + unwritten->string() : "Done...");
}

} // namespace merrowin
