// merrowin-cli: the Merrowin engine from the command line.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "Commands.h"
#include "io/AtomicWrite.h"
#include "io/PlotFile.h"
#include "model/HullFile.h"

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

const std::string* Arguments::Find(const std::string& option) const {
    for (const auto& [name, text] : Values) {
        if (name == option) {
            return &text;
        }
    }
    return nullptr;
}

bool Arguments::Has(const std::string& option) const {
    return std::find(Switches.begin(), Switches.end(), option) != Switches.end();
}

bool ParseArguments(const std::vector<std::string>& args,
                    const std::vector<std::string>& valueOptions,
                    const std::vector<std::string>& switches, Arguments& parsed) {
    const auto listed = [](const std::vector<std::string>& list, const std::string& arg) {
        return std::find(list.begin(), list.end(), arg) != list.end();
    };
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (listed(valueOptions, arg)) {
            if (i + 1 >= args.size() || parsed.Find(arg) != nullptr) {
                return false;
            }
            parsed.Values.emplace_back(arg, args[++i]);
        } else if (listed(switches, arg)) {
            if (!parsed.Has(arg)) {
                parsed.Switches.push_back(arg);
            }
        } else if (!haveFile && !arg.empty() && arg[0] != '-') {
            parsed.File = arg;
            haveFile = true;
        } else {
            return false;
        }
    }
    return haveFile;
}

bool LoadHull(AppState& app, const std::filesystem::path& folder, const std::string& file) {
    ResetToStartup(app);
    if (!ReadHullFile(folder, file, app.Hull, app.Work)) {
        std::cerr << "merrowin-cli: cannot read " << file << "\n";
        return false;
    }
    ReadPlotterScale(folder, app.Work.PlotXScale, app.Work.PlotYScale);
    return true;
}

int WriteOut(const std::string& out) {
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace merrowin::cli

namespace {

const char* const MainUsage =
    "merrowin-cli new|geometry|hydro|displacement|heel|transform|patterns|vrml FILE [options]\n"
    "       merrowin-cli nest HANDPLOT LAYOUT [options]";

} // namespace

int main(int argc, char** argv) {
    using namespace merrowin::cli;
    using Command = int (*)(const std::vector<std::string>&);
    static const std::pair<const char*, Command> Commands[] = {
        {"new", RunNew},           {"geometry", RunGeometry},
        {"hydro", RunHydro},       {"displacement", RunDisplacement},
        {"heel", RunHeel},         {"transform", RunTransform},
        {"patterns", RunPatterns}, {"vrml", RunVrml},
        {"nest", RunNest}};
    if (argc >= 2) {
        const std::vector<std::string> args(argv + 2, argv + argc);
        for (const auto& [name, run] : Commands) {
            if (std::string_view(argv[1]) == name) {
                // Temporaries left in the working folder by a save that was killed half-way.
                std::error_code noFolder;
                const std::filesystem::path folder = std::filesystem::current_path(noFolder);
                if (!noFolder) {
                    merrowin::RemoveStaleTemporaries(folder);
                }

                return run(args);
            }
        }
    }
    return Usage(MainUsage);
}
