// The pattern pieces of a run, named in the order each pattern routine takes them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "io/FileBatch.h"
#include "model/Hull.h"
#include "patterns/PatternOptions.h"
#include "patterns/PatternRun.h"
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

// One export run: the plot text of every piece of the run (PieceNames with the sheet) translated
// at the run's plotter scale into "<piece><extension>" in the export folder. Stale
// "chine*<extension>" files of the working folder are deleted when the run's files are put in
// place. The status line names each file as "Exporting to <what>...<file>", then ends with
// "Done...". A piece whose plot text the run did not make fails the export (a read failure naming
// the plot file); the other pieces are exported all the same.
using PlotTranslation = std::string (*)(std::string_view plotText, double plotXScale,
                                        double plotYScale);
Outcome ExportPieces(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                     StatusBar& status, std::string_view extension, std::string_view what,
                     PlotTranslation translate);

} // namespace merrowin
