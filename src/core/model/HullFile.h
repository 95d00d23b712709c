// The hull file (.hul): one value per line, CR LF, in the fixed record order.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "io/Files.h"
#include "model/Hull.h"

namespace merrowin {

// The hull file the autosave writes and start-up reads, and the pattern run copies the hull to.
inline constexpr const char* AutosaveFileName = "default.hul";

// The hull file text for the current document (54 N + 28 lines for N chines).
std::string HullFileText(const HullDocument& hull);

// Writes the hull file, replacing it atomically. On failure ("Could not save NAME") the old file
// is untouched.
Outcome WriteHullFile(const fs::path& folder, std::string_view name, const HullDocument& hull);

// The texts of the main window's station boxes Text1(0..4), one per bulkhead.
using StationTexts = std::array<std::string, BulkheadCount>;

// Reads a hull file into the document and the station boxes. Does nothing and fails (a read
// failure naming the file) when the file does not exist or cannot be read. Commas in the file are
// turned into points, in the file on disk too. Whatever a damaged file cannot supply keeps its
// previous value: a damaged file is no failure.
Outcome ReadHullFile(const fs::path& folder, std::string_view name, HullDocument& hull,
                     StationTexts& stationText);

} // namespace merrowin
