// The panel report of the last pattern run as a window shows it: the lines of "panels.txt" read
// back, which of them say a tolerance is not met, and the tolerances typed for the next run.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/Files.h"

namespace merrowin {

// The largest tolerance a box takes, inches: more is no fit at all, and most likely "1/32"
// typed where "0.03125" was meant and read as 1.
inline constexpr double MaxTypedTolerance = 1;

// The lines of the folder's "panels.txt" (found regardless of letter case), without line ends;
// nothing when the folder has none or it cannot be read.
std::optional<std::vector<std::string>> ReadPanelReport(const fs::path& folder);

// Whether a line of the report says something is outside a tolerance: an edge or a diagonal
// "over the ... tolerance", a verdict that "fails", or a run "outside the tolerances".
bool PanelReportLineFails(std::string_view line);

// The verdict on the whole run: what follows "Verdict: " on the report's last verdict line;
// empty when there is none.
std::string PanelReportRunVerdict(const std::vector<std::string>& lines);

// A tolerance typed into a box, inches: a decimal number ("0.03125", ".0625") or a fraction
// ("1/32"), blanks around it allowed, a decimal comma read as a point. Nothing unless it is a
// finite number above 0 and at most MaxTypedTolerance.
std::optional<double> ParseTolerance(std::string_view text);

// The text a tolerance box shows: up to five decimals, no trailing zeros ("0.03125", "0.5").
std::string ToleranceText(double inches);

} // namespace merrowin
