// The temporary files of the atomic replacement (WriteFileAtomic in io/Files.h) and the removal
// of those left behind by a program that was killed while it saved.
#pragma once

#include <string_view>

#include "io/Files.h"

namespace merrowin {

// A save of NAME writes ".NAME.merrowin-tmp.XXXXXXXX" beside the file it replaces (XXXXXXXX:
// eight random hexadecimal digits, so two programs saving the same file at once never share a
// temporary) and holds a lock on it until it has been renamed over NAME. A lock that is free
// means no save is using the file any more: the program that made it has ended.
//
// Removes the temporaries of the folder that no save is using and that were last written more
// than a minute ago. A save also removes, before it writes, every unused temporary of its own
// file whatever its age, so a save killed half-way leaves at most one and the next save of that
// file clears it. Returns the number removed.
int RemoveStaleTemporaries(const fs::path& folder);

// Writes all bytes to an open file descriptor from its start, going on after an interrupted
// write; false when a write fails or makes no progress.
bool WriteAll(int fd, std::string_view content);

} // namespace merrowin
