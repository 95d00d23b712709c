// The pieces of a pattern run read from their plot files and tiled for printing.
#include "tiles/FullSize.h"

#include <algorithm>
#include <optional>

#include "io/PlotFile.h"
#include "patterns/PatternFiles.h"
#include "tiles/PlotSegments.h"

namespace merrowin {

namespace {

// Every optional piece chosen, so the folder decides which of them the run made.
PatternOptions EveryPiece() {
    PatternOptions options;
    options.Stem = options.Deck = options.Keel = options.Soles = true;
    return options;
}

bool Chosen(const FullSizeOptions& options, const std::string& name) {
    return options.Pieces.empty() ||
           std::any_of(options.Pieces.begin(), options.Pieces.end(),
                       [&name](const std::string& wanted) { return EqualNoCase(wanted, name); });
}

// The plot text of a piece, its file found regardless of case as every reader finds it.
std::optional<std::string> ReadPiece(const fs::path& folder, const std::string& name) {
    const std::optional<fs::path> file = FindFile(folder, name + ".uc");
    if (!file) {
        return std::nullopt;
    }
    return ReadFileBytes(file->parent_path(), file->filename().string());
}

} // namespace

std::vector<std::string> FullSizePieces(const fs::path& folder, const HullDocument& hull) {
    std::vector<std::string> pieces;
    for (const std::string& name : PieceNames(hull, EveryPiece(), false)) {
        if (FileExists(folder, name + ".uc")) {
            pieces.push_back(name);
        }
    }
    return pieces;
}

TileDocument PlanFullSize(const fs::path& folder, const HullDocument& hull,
                          const WorkingValues& work, const FullSizeOptions& options) {
    double xScale = work.PlotXScale, yScale = work.PlotYScale;
    ReadPlotterScale(folder, xScale, yScale);
    const std::vector<std::string> available = FullSizePieces(folder, hull);
    std::vector<PieceDrawing> drawings;
    for (const std::string& name : available) {
        if (!Chosen(options, name)) {
            continue;
        }
        const std::optional<std::string> plot = ReadPiece(folder, name);
        drawings.push_back(MakePieceDrawing(name, plot ? ReadPlotSegments(*plot, xScale, yScale)
                                                       : std::vector<PlotSegment>()));
    }
    TileDocument document =
        PlanTiles(std::move(drawings), options.Paper, options.Units, work.HullFileName);
    for (const std::string& wanted : options.Pieces) {
        if (std::none_of(available.begin(), available.end(), [&wanted](const std::string& name) {
                return EqualNoCase(wanted, name);
            })) {
            document.LeftOut.push_back(wanted + " (no plot file)");
        }
    }
    return document;
}

} // namespace merrowin
