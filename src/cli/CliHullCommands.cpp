// merrowin-cli new and geometry: writing a default hull and printing a hull's derived geometry.
#include "Commands.h"

namespace merrowin::cli {

int RunNew(const std::vector<std::string>&) { return Usage("merrowin-cli new FILE [--chines N]"); }
int RunGeometry(const std::vector<std::string>&) { return Usage("merrowin-cli geometry FILE"); }

} // namespace merrowin::cli
