// The search for the program's own data files: working folder, the executable's install, the
// source tree for a build-tree program, the configured install prefix.
#include "io/DataFiles.h"

#include <algorithm>
#include <system_error>

namespace merrowin {

fs::path RunningExecutable() {
    std::error_code error;
    fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    return executable;
}

bool IsInsideFolder(const fs::path& path, const fs::path& folder) {
    const fs::path inner = path.lexically_normal();
    fs::path outer = folder.lexically_normal();
    if (outer.empty() || inner.empty()) {
        return false;
    }
    if (!outer.has_filename()) {
        outer = outer.parent_path(); // "/a/b/" names the folder "/a/b"
    }
    return std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end()).first ==
           outer.end();
}

std::vector<fs::path> DataFolders(const fs::path& executable) {
    std::vector<fs::path> folders;
    if (executable.is_absolute()) {
        folders.push_back(
            (executable.parent_path() / MERROWIN_DATA_FROM_BINDIR).lexically_normal());
        // The executable's path has its links resolved: so must the build tree's.
        std::error_code error;
        fs::path buildTree = fs::weakly_canonical(MERROWIN_BUILD_DIR, error);
        if (error) {
            buildTree = MERROWIN_BUILD_DIR;
        }
        if (IsInsideFolder(executable, buildTree)) {
            folders.emplace_back(MERROWIN_SOURCE_DATA_DIR);
        }
    }
    folders.emplace_back(MERROWIN_DATA_DIR);
    return folders;
}

std::optional<fs::path> FindDataFile(const fs::path& folder, std::string_view name) {
    return FindDataFile(folder, name, RunningExecutable());
}

std::optional<fs::path> FindDataFile(const fs::path& folder, std::string_view name,
                                     const fs::path& executable) {
    if (std::optional<fs::path> local = FindFile(folder, name)) {
        return local;
    }
    for (const fs::path& dataFolder : DataFolders(executable)) {
        if (std::optional<fs::path> shipped = FindFile(dataFolder, name)) {
            return shipped;
        }
    }
    return std::nullopt;
}

} // namespace merrowin
