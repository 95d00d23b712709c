// merrowin-cli: the Merrowin engine from the command line.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "Commands.h"
#include "app/OpenHullFile.h"
#include "io/AtomicWrite.h"
#include "io/PlotFile.h"
#include "text/StrictNumber.h"

namespace merrowin::cli {

int Usage(const std::string& line) {
    std::cerr << "usage: " << line << "\n";
    return 2;
}

bool ParseStrictNumber(const std::string& text, double& value) {
    const std::optional<double> read = ReadStrictNumber(text);
    if (!read) {
        return false;
    }
    value = *read;
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
    const OpenedHull opened = OpenHullFile(folder, file, app);
    if (opened.Result.HasFailed()) {
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
    "merrowin-cli new|geometry|hydro|displacement|heel|stability|transform|patterns|vrml|mesh "
    "FILE "
    "[options]\n"
    "       merrowin-cli nest HANDPLOT LAYOUT [options]\n"
    "       merrowin-cli tiles FILE -o OUT.pdf [options]";

const char* const HelpText =
    "usage: merrowin-cli COMMAND FILE [options]\n"
    "       merrowin-cli --help | --version\n"
    "\n"
    "The Merrowin engine without windows, working in the current folder.\n"
    "\n"
    "  new FILE [--chines N]          write the built-in default hull\n"
    "  geometry FILE                  print the derived chine geometry\n"
    "  patterns FILE [options]        the Save button's pattern run; options: --no-expansions\n"
    "                                 --no-text --hpgl --dxf --half-frames --spar --stem --soles\n"
    "                                 --deck --keel --frames Z1,...,Z8 --export-path DIR\n"
    "  hydro FILE --waterline H [--seawater] [--json]\n"
    "                                 hydrostatics at a waterline of H inches\n"
    "  displacement FILE --target LBS [--seawater] [--json]\n"
    "                                 the waterline for a weight\n"
    "  heel FILE --waterline H --angle DEG [--seawater] [--json]\n"
    "                                 the righting moment at a heel angle\n"
    "  stability FILE (--waterline H | --target LBS) [--to DEG] [--step DEG] [--vcg Y]\n"
    "            [--lcg Z] [--seawater] [--json | --csv]\n"
    "                                 the righting-arm curve, 0 to 90 degrees by 5\n"
    "  transform FILE -o OUT [--overall V | --beam V | --height V | --length V] [--pitch DEG]\n"
    "                                 the hull rescaled and pitched, written to OUT\n"
    "  vrml FILE                      the hull as a VRML 1.0 world\n"
    "  mesh FILE -o OUT.stl|OUT.obj [--closed] [--units in|mm|m] [--ascii]\n"
    "                                 the hull as a triangle mesh\n"
    "  nest HANDPLOT LAYOUT [-o OUT] [--sheets 3|4|5] [--width W] [--length L] [--pdf FILE]\n"
    "                                 the nested hand plotting listing of a layout\n"
    "  tiles FILE -o OUT.pdf [--paper letter|a4] [--units in|mm] [--pieces NAME,...] | --list\n"
    "                                 a pattern run's pieces full size on printer pages\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be written or a number of hydro, displacement,\n"
    "heel or transform was refused, 2 other wrong arguments or an unreadable hull.\n";

// Answers --help and --version; nothing when the first argument is neither.
std::optional<int> AnswerInformationOption(std::string_view option) {
    if (option == "--version") {
        std::fputs("merrowin-cli " MERROWIN_VERSION "\n", stdout);
    } else if (option == "--help" || option == "-h") {
        std::fputs(HelpText, stdout);
    } else {
        return std::nullopt;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    using namespace merrowin::cli;
    using Command = int (*)(const std::vector<std::string>&);
    static const std::pair<const char*, Command> Commands[] = {
        {"new", RunNew},           {"geometry", RunGeometry},
        {"hydro", RunHydro},       {"displacement", RunDisplacement},
        {"heel", RunHeel},         {"transform", RunTransform},
        {"patterns", RunPatterns}, {"vrml", RunVrml},
        {"nest", RunNest},         {"mesh", RunMesh},
        {"tiles", RunTiles},       {"stability", RunStability}};
    if (argc >= 2) {
        if (const std::optional<int> status = AnswerInformationOption(argv[1])) {
            return *status;
        }
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
