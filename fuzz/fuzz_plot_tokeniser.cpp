// Fuzz target: the plot-line tokeniser splits any line into its parts, both ways, and its numbers
// are those of its texts.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "io/Files.h"
#include "io/PlotFile.h"
#include "text/NumberText.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckLine(std::string_view line, bool stripLeading) {
    const merrowin::PlotTokens tokens = merrowin::TokenisePlotLine(line, stripLeading);
    Check(std::isfinite(tokens.X) && std::isfinite(tokens.Y));
    Check(tokens.X == merrowin::Val(tokens.XText) && tokens.Y == merrowin::Val(tokens.YText));
    Check(tokens.XText.find(' ') == std::string::npos);
    Check(tokens.YText.find(' ') == std::string::npos);
    Check(line.substr(0, tokens.XText.size()) == tokens.XText);
    Check(tokens.Rest.empty() || tokens.Rest.front() == ' ');
    if (!stripLeading && line.find(' ') != std::string_view::npos) {
        // Without stripping the parts put back together give the line.
        Check(tokens.XText + " " + tokens.YText + tokens.Rest == line);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : merrowin::SplitLines(text)) {
        CheckLine(line, false);
        CheckLine(line, true);
    }
    return 0;
}
