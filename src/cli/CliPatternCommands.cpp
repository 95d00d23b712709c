// merrowin-cli patterns: the Save button's pattern run from the command line.
#include "Commands.h"

namespace merrowin::cli {

int RunPatterns(const std::vector<std::string>&) {
    return Usage("merrowin-cli patterns FILE [options]");
}

} // namespace merrowin::cli
