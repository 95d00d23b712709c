// The files the program ships (stroke font, figure outlines): where a run finds them.
#pragma once

#include <optional>
#include <string_view>

#include "io/Files.h"

namespace merrowin {

// The file a run uses for one of the program's own data files: the working folder first (so a
// user's copy wins), then the installed data folder, then the data folder of the source tree.
// Nothing when none of them holds it.
std::optional<fs::path> FindDataFile(const fs::path& folder, std::string_view name);

} // namespace merrowin
