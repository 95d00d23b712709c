// File access for every reader and writer: names relative to an explicit working folder,
// case-insensitive look-up, bounded reads and atomic replacement.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/Outcome.h"

namespace merrowin {

namespace fs = std::filesystem;

// Readers never take in more than this much of one file (64 MiB); the rest is ignored.
inline constexpr std::size_t MaxReadBytes = 64u << 20;

// The path of a file name inside a folder; an absolute name is kept as it is.
fs::path InFolder(const fs::path& folder, std::string_view name);

// The existing file that a name means: the exact name if it exists, otherwise a file of the
// folder whose name differs only in letter case (the program compares file names without
// regard to case). Nothing when no such regular file exists.
std::optional<fs::path> FindFile(const fs::path& folder, std::string_view name);
bool FileExists(const fs::path& folder, std::string_view name);

// The whole file (at most MaxReadBytes), or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const fs::path& folder, std::string_view name);

// Splits text into lines at LF, CR LF or a lone CR; the line ends are not kept.
std::vector<std::string> SplitLines(std::string_view text);

// The lines of a file, or nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadLines(const fs::path& folder, std::string_view name);

// The comma-or-line-delimited items of a text (the numeric read of the scale, settings and
// triangulation files): items are separated by commas and line ends, blanks around them dropped,
// a quoted item keeps its inside.
std::vector<std::string> SplitItems(std::string_view text);

// Replaces a document (a hull file, the settings, a listing) safely: writes a temporary file
// beside it, flushes it to the disk, renames it over the target and flushes the folder, so
// neither a crash of the program nor a power cut can leave the target truncated, empty or old.
// What the user had is kept: the replaced file keeps its mode (and owner and group where the
// system permits); a symbolic link stays a link and the file it ends at is replaced; a name that
// differs only in letter case from a file already there saves to that file. A file that nobody
// may write (mode 0444), or that the user may not replace in its folder, is refused, whoever runs
// the program. On failure the target is untouched. Temporaries: see io/AtomicWrite.h.
Outcome WriteFileAtomic(const fs::path& folder, std::string_view name, std::string_view content);

// Writes a file that the program makes again at will (plot, triangulation, listing and export
// files): overwritten in place and cut to its new length, without a flush. A pattern run writes
// over two hundred of these and the waterline slider rewrites one at every step, so they must be
// cheap; an interrupted write only costs a run of the command again.
Outcome WriteFileInPlace(const fs::path& folder, std::string_view name, std::string_view content);

// Text built line by line with CR LF ends.
class TextOut {
public:
    TextOut& Line(std::string_view text);
    const std::string& Content() const { return content_; }
    // Written with WriteFileInPlace.
    Outcome WriteTo(const fs::path& folder, std::string_view name) const;

private:
    std::string content_;
};

// Copies a file over another one with WriteFileAtomic; fails when the source cannot be read
// (a read failure naming `from`) or the copy cannot be written (naming `to`).
Outcome CopyFileAtomic(const fs::path& folder, std::string_view from, std::string_view to);

// Deletes the regular files of the folder (never anything outside it, never a folder) whose
// names match a wildcard pattern ('*' and '?', without regard to case). A file that is not
// there is no error. Returns the number deleted.
int DeleteMatching(const fs::path& folder, std::string_view pattern);

// True when the name matches the wildcard pattern without regard to case.
bool WildcardMatch(std::string_view pattern, std::string_view name);

// What the readers do with the text of a line: blanks and tabs trimmed from both ends, and
// letters compared or lowered without regard to case (ASCII letters only, whatever the locale).
std::string_view TrimBlanks(std::string_view text);
bool EqualNoCase(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view text);

} // namespace merrowin
