// The files the program ships (stroke font, figure outlines): where a run finds them.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "io/Files.h"

namespace merrowin {

// The running program's executable (read from /proc/self/exe, links resolved); empty when it
// cannot be read.
fs::path RunningExecutable();

// Whether `path` is `folder` or lies somewhere below it, compared component by component (so
// "/src/build-asan/x" is not inside "/src/build").
bool IsInsideFolder(const fs::path& path, const fs::path& folder);

// The folders that may hold the program's own data files, after the working folder, for a
// program run from `executable`, in the order they are tried:
//   1. the data folder of the install the executable belongs to, <its folder>/../share/merrowin,
//      so an install moved elsewhere, made with DESTDIR or into another prefix finds its own;
//   2. the source tree's data folder, only for an executable inside the build tree (a
//      developer's build and the tests use the data they were built with, while an installed
//      program never reaches back into the tree it was built from);
//   3. the data folder of the install prefix chosen when the program was configured (the
//      executable copied elsewhere, or its path unknown).
std::vector<fs::path> DataFolders(const fs::path& executable);

// The file a run uses for one of the program's own data files: the working folder first (so a
// user's copy wins), then DataFolders of the running executable. Nothing when none holds it.
std::optional<fs::path> FindDataFile(const fs::path& folder, std::string_view name);
// The same for a program run from `executable`.
std::optional<fs::path> FindDataFile(const fs::path& folder, std::string_view name,
                                     const fs::path& executable);

} // namespace merrowin
