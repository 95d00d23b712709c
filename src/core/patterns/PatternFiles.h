// The pattern pieces of a run, named in the order each pattern routine takes them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "io/Files.h"
#include "model/Hull.h"
#include "app/Working.h"
#include "patterns/PatternOptions.h"
#include "ui/Services.h"

namespace merrowin {

// The developed panels, without extension, in the order the expansion and the leveling treat
// them: "deck", "keel", "sole1", "sole2" as chosen, then "chine1" .. "chine" + (ChineCount - 1).
std::vector<std::string> PanelNames(const HullDocument& hull, const PatternOptions& options);

// Every piece, without extension, in the order the hand plot and the exports list them: "stem"
// (if chosen), "transom", "bhead1".."bhead3", "deck", "keel", "sole1", "sole2" (as chosen), the
// frames at stations above 0 ("frame1".."frame8"), "4x8" when includeSheet, then the chine panels.
std::vector<std::string> PieceNames(const HullDocument& hull, const PatternOptions& options,
                                    bool includeSheet);

// The regular files of the working folder, listed once, for a routine that opens many pattern
// files by names compared without regard to case: one listing instead of one folder scan for
// every name spelled otherwise on disk ("chine1.uc" for "chine1.UC").
class PatternFolder {
public:
    explicit PatternFolder(const fs::path& folder);
    // The name on disk of a file, the exact spelling first, otherwise one differing in case.
    std::optional<std::string> NameOf(std::string_view name) const;
    // The content of that file, or nothing when there is none or it cannot be read.
    std::optional<std::string> Read(std::string_view name) const;

private:
    fs::path folder_;
    std::unordered_set<std::string> names_;
    std::unordered_map<std::string, std::string> byLowerName_;
};

// One export run: the plot file of every piece (PieceNames with the sheet) translated at the
// plotter scale, read again first, into "<piece><extension>" in the export folder (the working
// folder when none is set). Stale "chine*<extension>" files of the working folder are deleted
// first; a piece that was never plotted gets no file. The status line names each file as
// "Exporting to <what>...<file>", then ends with "Done...", or with "Could not write " and the
// full path of the first file that could not be written.
using PlotTranslation = std::string (*)(std::string_view plotText, double plotXScale,
                                        double plotYScale);
void ExportPieces(const fs::path& folder, const HullDocument& hull, WorkingValues& work,
                  StatusBar& status, std::string_view extension, std::string_view what,
                  PlotTranslation translate);

} // namespace merrowin
