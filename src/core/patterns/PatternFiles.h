// The pattern pieces of a run, named in the order each pattern routine takes them.
#pragma once

#include <string>
#include <vector>

#include "model/Hull.h"
#include "patterns/PatternOptions.h"

namespace merrowin {

// The developed panels, without extension, in the order the expansion and the leveling treat
// them: "deck", "keel", "sole1", "sole2" as chosen, then "chine1" .. "chine" + (ChineCount - 1).
std::vector<std::string> PanelNames(const HullDocument& hull, const PatternOptions& options);

// Every piece, without extension, in the order the hand plot and the exports list them: "stem"
// (if chosen), "transom", "bhead1".."bhead3", "deck", "keel", "sole1", "sole2" (as chosen), the
// frames at stations above 0 ("frame1".."frame8"), "4x8" when includeSheet, then the chine panels.
std::vector<std::string> PieceNames(const HullDocument& hull, const PatternOptions& options,
                                    bool includeSheet);

} // namespace merrowin
