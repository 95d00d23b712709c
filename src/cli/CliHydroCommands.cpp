// merrowin-cli hydro, displacement, heel and transform: the hydrostatics from the command line.
#include "Commands.h"

namespace merrowin::cli {

int RunHydro(const std::vector<std::string>&) {
    return Usage("merrowin-cli hydro FILE --waterline H [--seawater] [--json]");
}
int RunDisplacement(const std::vector<std::string>&) {
    return Usage("merrowin-cli displacement FILE --target LBS [--seawater] [--json]");
}
int RunHeel(const std::vector<std::string>&) {
    return Usage("merrowin-cli heel FILE --waterline H --angle DEG [--seawater] [--json]");
}
int RunTransform(const std::vector<std::string>&) {
    return Usage("merrowin-cli transform FILE -o OUT [--overall V | --beam V | --height V | "
                 "--length V] [--pitch DEG]");
}

} // namespace merrowin::cli
