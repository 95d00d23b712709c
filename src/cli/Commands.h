// The subcommands of merrowin-cli, each in a file of its own.
#pragma once

#include <string>
#include <vector>

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

// Writes "usage: ..." to stderr and returns 2.
int Usage(const std::string& line);
// Strict number parse of a command-line argument: the whole text must be a finite decimal.
bool ParseStrictNumber(const std::string& text, double& value);

} // namespace merrowin::cli
