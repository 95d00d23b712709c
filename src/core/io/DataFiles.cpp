// The search for the program's own data files: working folder, installed folder, source tree.
#include "io/DataFiles.h"

namespace merrowin {

namespace {

// Where the program's own data files live besides the working folder.
const char* const DataFolders[] = {MERROWIN_DATA_DIR, MERROWIN_SOURCE_DATA_DIR};

} // namespace

std::optional<fs::path> FindDataFile(const fs::path& folder, std::string_view name) {
    if (std::optional<fs::path> local = FindFile(folder, name)) {
        return local;
    }
    for (const char* dataFolder : DataFolders) {
        if (std::optional<fs::path> shipped = FindFile(dataFolder, name)) {
            return shipped;
        }
    }
    return std::nullopt;
}

} // namespace merrowin
