// The printout of the offsets table ("Prnt"), as text lines in print zones of 14 characters.
#pragma once

#include <string>
#include <vector>

#include "model/Hull.h"

namespace merrowin {

// The printer's font size for the table, in points.
inline constexpr double OffsetsPrintFontSize = 8.25;

// The lines of the printout, top to bottom, without line ends: the heading, the column titles,
// then one block per bulkhead (its name on the first line, one line per chine with the label
// and X, Y, Z as "0.##"), each followed by an empty line. A printer or a PDF writer prints each
// line in a fixed-pitch font and ends the document after the last.
std::vector<std::string> OffsetsPrintLines(const HullDocument& hull);

} // namespace merrowin
