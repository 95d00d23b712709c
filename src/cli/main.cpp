// merrowin-cli: the Merrowin engine from the command line.
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

namespace merrowin::cli {

int Usage(const std::string& line) {
    std::cerr << "usage: " << line << "\n";
    return 2;
}

bool ParseStrictNumber(const std::string& text, double& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

} // namespace merrowin::cli

namespace {

const char* const MainUsage =
    "merrowin-cli new|geometry|hydro|displacement|heel|transform|patterns FILE [options]";

} // namespace

int main(int argc, char** argv) {
    using namespace merrowin::cli;
    if (argc < 2) {
        return Usage(MainUsage);
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "new") {
        return RunNew(args);
    }
    if (command == "geometry") {
        return RunGeometry(args);
    }
    if (command == "hydro") {
        return RunHydro(args);
    }
    if (command == "displacement") {
        return RunDisplacement(args);
    }
    if (command == "heel") {
        return RunHeel(args);
    }
    if (command == "transform") {
        return RunTransform(args);
    }
    if (command == "patterns") {
        return RunPatterns(args);
    }
    return Usage(MainUsage);
}
