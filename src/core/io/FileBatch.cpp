// A set of files written all or nothing: staged beside their targets, then moved into place.
#include "io/FileBatch.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace merrowin {

namespace {

constexpr const char* AsideName = "aside";

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

// Writes a file that does not exist yet.
bool WriteNewFile(const fs::path& path, std::string_view text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    for (std::size_t done = 0; ok && done < text.size();) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        ok = written > 0; // a write that makes no progress would never end
        done += ok ? static_cast<std::size_t>(written) : 0;
    }
    return ::close(fd) == 0 && ok;
}

// The files (and links) of a folder by name, listed once: which targets replace a file, and
// which stale files there are.
std::unordered_map<std::string, bool> ListFiles(const fs::path& folder) {
    std::unordered_map<std::string, bool> files; // name, whether it is a link
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        const bool link = it->is_symlink(typeError);
        if (link || it->is_regular_file(typeError)) {
            files.emplace(it->path().filename().string(), link);
        }
    }
    return files;
}

// The staging folders of one commit, one in each target folder, and the moves made so far, so
// that a failure can put everything back. The staging folders go with it, and with them the
// files moved aside.
class Transaction {
public:
    ~Transaction() {
        for (const auto& [folder, staging] : stagings_) {
            for (const std::string& name : staging.Names) {
                ::unlink((staging.Path / name).c_str());
            }
            ::rmdir((staging.Path / AsideName).c_str());
            if (::rmdir(staging.Path.c_str()) != 0) {
                std::error_code error; // something unforeseen left inside
                fs::remove_all(staging.Path, error);
            }
        }
    }

    // Writes a file into the staging folder of its target's folder.
    bool Stage(const fs::path& target, std::string_view text) {
        Staging* staging = Find(target.parent_path());
        const std::string name = target.filename().string();
        if (staging == nullptr || !WriteNewFile(staging->Path / name, text)) {
            return false;
        }
        staging->Names.push_back(name);
        return true;
    }

    // Moves a stale file into the aside folder of the staging folder beside it.
    bool MoveAside(const fs::path& file) {
        Staging* staging = Find(file.parent_path());
        if (staging == nullptr) {
            return false;
        }
        const fs::path aside = staging->Path / AsideName;
        if (!staging->HasAside) {
            staging->HasAside = ::mkdir(aside.c_str(), 0755) == 0;
        }
        const std::string name = file.filename().string();
        if (!staging->HasAside || !Move(file, aside / name)) {
            return false;
        }
        staging->Names.push_back(std::string(AsideName) + "/" + name);
        return true;
    }

    // Puts a staged file in place; an old file of that name is swapped into the staging folder
    // in the same step, so it can come back.
    bool PutInPlace(const fs::path& target, bool replaces) {
        Staging* staging = Find(target.parent_path());
        if (staging == nullptr) {
            return false;
        }
        const fs::path staged = staging->Path / target.filename();
        if (replaces) {
            if (::renameat2(AT_FDCWD, staged.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) ==
                0) {
                done_.push_back({staged, target, true});
                return true;
            }
            // Gone since the folder was listed: nothing to keep. A file system without the
            // swap: the old file goes aside first.
            if (errno != ENOENT && !MoveAside(target)) {
                return false;
            }
        }
        return Move(staged, target);
    }

    // Undoes every move, the last first: the new files go back out, the old ones back in.
    void Undo() {
        for (auto it = done_.rbegin(); it != done_.rend(); ++it) {
            if (it->Swapped) {
                ::renameat2(AT_FDCWD, it->From.c_str(), AT_FDCWD, it->To.c_str(), RENAME_EXCHANGE);
            } else {
                ::rename(it->To.c_str(), it->From.c_str());
            }
        }
        done_.clear();
    }

private:
    struct Staging {
        fs::path Path;
        std::vector<std::string> Names; // what may be left inside, relative to Path
        bool HasAside = false;
    };
    struct Step {
        fs::path From, To;
        bool Swapped;
    };

    // The staging folder inside a target folder, made on first use; null when it cannot be.
    Staging* Find(const fs::path& folder) {
        const std::string key = folder.string();
        const auto found = stagings_.find(key);
        if (found != stagings_.end()) {
            return &found->second;
        }
        const fs::path staging = folder / StagingName();
        if (::mkdir(staging.c_str(), 0755) != 0) {
            return nullptr;
        }
        return &stagings_.emplace(key, Staging{staging, {}, false}).first->second;
    }

    bool Move(const fs::path& from, const fs::path& to) {
        if (::rename(from.c_str(), to.c_str()) != 0) {
            return false;
        }
        done_.push_back({from, to, false});
        return true;
    }

    std::unordered_map<std::string, Staging> stagings_;
    std::vector<Step> done_;
};

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
    // Spelled as the targets' folders are, so that each folder is listed once.
    stale_.push_back({TargetOf(folder, ".").parent_path(), std::move(pattern)});
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
        if (!run.Stage(file.Target, file.Text)) {
            return failed(file.Shown);
        }
    }

    // Each folder listed once, for the stale files and for the targets that replace a file.
    std::unordered_map<std::string, std::unordered_map<std::string, bool>> listed;
    const auto listing = [&](const fs::path& folder) -> std::unordered_map<std::string, bool>& {
        const auto found = listed.find(folder.string());
        return found != listed.end()
                   ? found->second
                   : listed.emplace(folder.string(), ListFiles(folder)).first->second;
    };
    // The stale files (never a link: what it points to is not the run's) moved aside, so a
    // failure can bring them back.
    for (const Pattern& pattern : stale_) {
        if (pattern.Wildcard.empty() || pattern.Wildcard.find('/') != std::string::npos) {
            continue; // only names inside the folder itself
        }
        auto& files = listing(pattern.Folder);
        for (auto it = files.begin(); it != files.end();) {
            if (!it->second && WildcardMatch(pattern.Wildcard, it->first)) {
                if (!run.MoveAside(pattern.Folder / it->first)) {
                    run.Undo();
                    return failed(it->first);
                }
                it = files.erase(it);
            } else {
                ++it;
            }
        }
    }

    // The new files into place; a name held by a folder fails here and undoes the lot.
    for (const Entry& file : files_) {
        const bool replaces =
            listing(file.Target.parent_path()).count(file.Target.filename().string()) != 0;
        if (!run.PutInPlace(file.Target, replaces)) {
            run.Undo();
            return failed(file.Shown);
        }
    }
    return {};
}

std::size_t FileBatch::CountIn(const fs::path& folder) const {
    const fs::path wanted = (folder / "x").lexically_normal().parent_path();
    std::size_t count = 0;
    for (const Entry& entry : files_) {
        count += entry.Target.parent_path() == wanted ? 1 : 0;
    }
    return count;
}

} // namespace merrowin
