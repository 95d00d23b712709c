// Opening a hull file as the program does at start-up and from the command line: the file read
// into the model, the chine count applied and the station boxes filled.
#pragma once

#include <string>
#include <string_view>

#include "app/AppState.h"
#include "io/Files.h"

namespace merrowin {

struct [[nodiscard]] OpenedHull {
    Outcome Result;         // a read failure naming the file when it is missing or unreadable
    std::string StatusText; // "Working on..." and the file name, for the status line; empty on
                            // failure
};

// Reads the hull file into the document and the station boxes, makes it the hull file of the
// program (HullFileName) and applies its chine count as the chine-count box does. On failure the
// model is as it was. The caller shows StatusText; the routine writes no status itself.
OpenedHull OpenHullFile(const fs::path& folder, std::string_view name, AppState& app);

} // namespace merrowin
