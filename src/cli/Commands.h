// The subcommands of merrowin-cli, each in a file of its own, and what they share.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/AppState.h"

namespace merrowin::cli {

// Each takes the arguments after its name and returns the exit status (2 for usage errors and
// unreadable files).
int RunNew(const std::vector<std::string>& args);
int RunGeometry(const std::vector<std::string>& args);
int RunHydro(const std::vector<std::string>& args);
int RunDisplacement(const std::vector<std::string>& args);
int RunHeel(const std::vector<std::string>& args);
int RunTransform(const std::vector<std::string>& args);
int RunPatterns(const std::vector<std::string>& args);
int RunVrml(const std::vector<std::string>& args);
int RunNest(const std::vector<std::string>& args);
int RunMesh(const std::vector<std::string>& args);
int RunTiles(const std::vector<std::string>& args);

// Writes "usage: ..." to stderr and returns 2.
int Usage(const std::string& line);
// Strict number parse of a command-line argument (ReadStrictNumber): the whole text must be a
// finite decimal, without blanks.
bool ParseStrictNumber(const std::string& text, double& value);

// The arguments of one subcommand: the hull file, the options that take a value, the switches.
struct Arguments {
    std::string File;
    std::vector<std::pair<std::string, std::string>> Values; // option, its text as given
    std::vector<std::string> Switches;

    // The text given with an option, or null when the option is absent.
    const std::string* Find(const std::string& option) const;
    bool Has(const std::string& option) const;
};
// Strict parse: FILE exactly once (a word not starting with '-'), each of `valueOptions` at most
// once and followed by its text, each of `switches` at most once, nothing else.
bool ParseArguments(const std::vector<std::string>& args,
                    const std::vector<std::string>& valueOptions,
                    const std::vector<std::string>& switches, Arguments& parsed);

// The start of every subcommand that reads a hull: the start-up state, the hull file opened over
// it as the window opens one, and the plotter scale. On failure says so on stderr and returns
// false.
bool LoadHull(AppState& app, const std::filesystem::path& folder, const std::string& file);

// Writes a command's standard output in one go; 0, or 1 when it cannot be written.
int WriteOut(const std::string& out);

} // namespace merrowin::cli
