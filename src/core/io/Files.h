// File access for every reader and writer: names relative to an explicit working folder,
// case-insensitive look-up, bounded reads and atomic replacement.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// How hard a write insists on reaching the disk. Every write replaces its file by a rename, so a
// crash of the program never leaves a truncated file; Synced also flushes the new file to the disk
// before the rename, so that a power cut cannot lose it either. Hull files are written Synced;
// pattern files, which a run makes again in a moment, are not (a pattern run writes over a hundred
// files and must stay fast).
enum class Durability { Ordinary, Synced };

// Replaces a file atomically: writes a temporary file beside it, then renames it over the target,
// so the target is never left truncated. Returns false (target untouched) on failure.
bool WriteFileAtomic(const fs::path& folder, std::string_view name, std::string_view content,
                     Durability durability = Durability::Ordinary);

// Text built line by line with CR LF ends, then written with WriteFileAtomic.
class TextOut {
public:
    TextOut& Line(std::string_view text);
    const std::string& Content() const { return content_; }
    bool WriteTo(const fs::path& folder, std::string_view name,
                 Durability durability = Durability::Ordinary) const;

private:
    std::string content_;
};

// Copies a file over another one atomically; false when the source cannot be read or the copy
// cannot be written.
bool CopyFileAtomic(const fs::path& folder, std::string_view from, std::string_view to,
                    Durability durability = Durability::Ordinary);

// Deletes the regular files of the folder (never anything outside it, never a folder) whose
// names match a wildcard pattern ('*' and '?', without regard to case). A file that is not
// there is no error. Returns the number deleted.
int DeleteMatching(const fs::path& folder, std::string_view pattern);

// True when the name matches the wildcard pattern without regard to case.
bool WildcardMatch(std::string_view pattern, std::string_view name);

} // namespace merrowin
