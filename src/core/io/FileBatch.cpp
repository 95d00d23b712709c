// A set of files written all or nothing: staged beside their targets, then moved into place.
#include "io/FileBatch.h"

#include <random>
#include <system_error>
#include <utility>

#include <unistd.h>

namespace merrowin {

namespace {

fs::path TargetOf(const fs::path& folder, std::string_view name) {
    return InFolder(folder, name).lexically_normal();
}

// A name no run of this or another process uses at the same time; it starts with a dot so that
// no file list of the program shows it.
std::string StagingName() {
    std::random_device seed;
    return ".merrowin-staging-" + std::to_string(::getpid()) + "-" +
           std::to_string(seed() % 1000000000u);
}

// Whether something other than a file (or a link) holds the name: the name cannot be written.
bool Blocked(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (error || status.type() == fs::file_type::not_found) {
        return false;
    }
    return status.type() != fs::file_type::regular && status.type() != fs::file_type::symlink;
}

// Whether a file (or a link) holds the name: it is moved aside before the new one comes in.
bool Present(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    return !error &&
           (status.type() == fs::file_type::regular || status.type() == fs::file_type::symlink);
}

// The staging folders of one commit, one in each target folder, and the moves made so far, so
// that a failure can put everything back.
class Transaction {
public:
    ~Transaction() {
        for (const auto& [folder, staging] : stagings_) {
            std::error_code error;
            fs::remove_all(staging, error);
        }
    }

    // The staging folder inside a target folder, made on first use; nothing when it cannot be.
    const fs::path* StagingIn(const fs::path& folder) {
        const std::string key = folder.string();
        const auto found = stagings_.find(key);
        if (found != stagings_.end()) {
            return &found->second;
        }
        const fs::path staging = folder / StagingName();
        std::error_code error;
        if (!fs::create_directory(staging, error) || error) {
            return nullptr;
        }
        return &stagings_.emplace(key, staging).first->second;
    }

    bool Move(const fs::path& from, const fs::path& to) {
        std::error_code error;
        fs::rename(from, to, error);
        if (error) {
            return false;
        }
        done_.emplace_back(from, to);
        return true;
    }

    // Undoes every move, the last first: the new files go back out, the old ones back in.
    void Undo() {
        for (auto it = done_.rbegin(); it != done_.rend(); ++it) {
            std::error_code error;
            fs::rename(it->second, it->first, error);
        }
        done_.clear();
    }

private:
    std::unordered_map<std::string, fs::path> stagings_;
    std::vector<std::pair<fs::path, fs::path>> done_;
};

constexpr const char* AsideName = "aside";

} // namespace

void FileBatch::Put(const fs::path& folder, std::string_view name, std::string text,
                    std::string shown) {
    const fs::path target = TargetOf(folder, name);
    const auto found = byTarget_.find(target.string());
    if (found != byTarget_.end()) {
        files_[found->second].Text = std::move(text);
        return;
    }
    if (shown.empty()) {
        shown = std::string(name);
    }
    byTarget_.emplace(target.string(), files_.size());
    byLowerName_.emplace(LowerAscii(target.string()), files_.size());
    files_.push_back({target, std::move(text), std::move(shown)});
}

const std::string* FileBatch::Find(const fs::path& folder, std::string_view name) const {
    const fs::path target = TargetOf(folder, name);
    auto found = byTarget_.find(target.string());
    if (found == byTarget_.end()) {
        found = byLowerName_.find(LowerAscii(target.string()));
        if (found == byLowerName_.end()) {
            return nullptr;
        }
    }
    return &files_[found->second].Text;
}

std::string* FileBatch::Find(const fs::path& folder, std::string_view name) {
    return const_cast<std::string*>(std::as_const(*this).Find(folder, name));
}

void FileBatch::RemoveMatching(const fs::path& folder, std::string pattern) {
    stale_.push_back({folder, std::move(pattern)});
}

void FileBatch::Require(const fs::path& folder, std::string_view name) {
    required_.push_back({TargetOf(folder, name), {}, std::string(name)});
}

Outcome FileBatch::Commit() const {
    const auto failed = [](const std::string& shown) {
        return Outcome::Failed(Failure::Kind::Write, shown);
    };
    for (const Entry& required : required_) {
        if (Blocked(required.Target)) {
            return failed(required.Shown);
        }
    }

    // Every file written into the staging folder beside its target: a full disk or a missing
    // folder fails here, before anything in place has been touched.
    Transaction run;
    for (const Entry& file : files_) {
        const fs::path* staging = run.StagingIn(file.Target.parent_path());
        if (staging == nullptr ||
            WriteFileInPlace(*staging, file.Target.filename().string(), file.Text).HasFailed()) {
            return failed(file.Shown);
        }
    }

    // The stale files and the files about to be replaced, moved aside so a failure can bring
    // them back.
    std::vector<std::pair<fs::path, std::string>> aside; // path, how a failure names it
    std::unordered_map<std::string, bool> seen;
    for (const Pattern& pattern : stale_) {
        if (pattern.Wildcard.empty() || pattern.Wildcard.find('/') != std::string::npos) {
            continue; // only names inside the folder itself
        }
        std::error_code error;
        fs::directory_iterator it(pattern.Folder.empty() ? fs::path(".") : pattern.Folder, error);
        for (; !error && it != fs::directory_iterator(); it.increment(error)) {
            std::error_code entryError;
            if (!it->is_regular_file(entryError) || it->is_symlink(entryError)) {
                continue;
            }
            const std::string name = it->path().filename().string();
            const fs::path path = it->path().lexically_normal();
            if (WildcardMatch(pattern.Wildcard, name) && !seen[path.string()]) {
                seen[path.string()] = true;
                aside.emplace_back(path, name);
            }
        }
    }
    for (const Entry& file : files_) {
        if (Present(file.Target) && !seen[file.Target.string()]) {
            seen[file.Target.string()] = true;
            aside.emplace_back(file.Target, file.Shown);
        }
    }
    for (const auto& [path, shown] : aside) {
        const fs::path* staging = run.StagingIn(path.parent_path());
        if (staging == nullptr) {
            run.Undo();
            return failed(shown);
        }
        std::error_code error;
        fs::create_directory(*staging / AsideName, error);
        if (error || !run.Move(path, *staging / AsideName / path.filename())) {
            run.Undo();
            return failed(shown);
        }
    }

    // The new files into place; a name held by a folder fails here and undoes the lot.
    for (const Entry& file : files_) {
        const fs::path* staging = run.StagingIn(file.Target.parent_path());
        if (staging == nullptr || !run.Move(*staging / file.Target.filename(), file.Target)) {
            run.Undo();
            return failed(file.Shown);
        }
    }
    return {}; // the staging folders, with the stale files aside, go with the transaction
}

} // namespace merrowin
