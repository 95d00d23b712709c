// A set of files written all or nothing: held in memory while a run makes them, then staged
// beside their targets and moved into place only when every one of them has been written.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "io/Files.h"

namespace merrowin {

class FileBatch {
public:
    // Adds a file, or replaces the text of the one added under the same name in the same
    // folder. `shown` is how a failure names the file (the name itself when empty).
    void Put(const fs::path& folder, std::string_view name, std::string text,
             std::string shown = {});

    // The text of a file of the batch, its name compared without regard to case; null when the
    // batch has no such file.
    const std::string* Find(const fs::path& folder, std::string_view name) const;
    std::string* Find(const fs::path& folder, std::string_view name);

    // The files of the folder matching a wildcard pattern (as DeleteMatching) that the commit
    // deletes before it moves the batch's files in: the stale files of an earlier run.
    void RemoveMatching(const fs::path& folder, std::string pattern);

    // A file that is written after the batch: the commit fails, touching nothing, while a
    // folder or anything else that is not a file holds its name.
    void Require(const fs::path& folder, std::string_view name);

    // Writes every file into a staging folder inside its target's folder, then moves the stale
    // files aside and the staged files into place, and finally deletes what was moved aside.
    // A failure at any step puts every file back as it was, removes the staging folders and
    // names the first file that failed.
    Outcome Commit() const;

    std::size_t Size() const { return files_.size(); }
    // The files of the batch that go into one folder.
    std::size_t CountIn(const fs::path& folder) const;

private:
    struct Entry {
        fs::path Target; // folder / name
        std::string Text;
        std::string Shown;
    };
    struct Pattern {
        fs::path Folder;
        std::string Wildcard;
    };
    std::vector<Entry> files_;
    std::unordered_map<std::string, std::size_t> byTarget_;    // exact target path
    std::unordered_map<std::string, std::size_t> byLowerName_; // lower-case target path
    std::vector<Pattern> stale_;
    std::vector<Entry> required_;
};

} // namespace merrowin
