// Fuzz target: any bytes read as the settings file "hull.dat" give options that write and read
// back unchanged, and an export path that is empty or ends with "/".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "io/Files.h"
#include "patterns/PatternSettings.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The ten boxes, each set or each cleared.
merrowin::PatternOptions AllBoxes(bool set) {
    merrowin::PatternOptions options;
    options.Expansions = options.Hpgl = options.Dxf = options.Text = options.HalfFrames =
        options.Spar = options.Stem = options.Soles = options.Deck = options.Keel = set;
    return options;
}

bool SameBoxes(const merrowin::PatternOptions& a, const merrowin::PatternOptions& b) {
    return a.Expansions == b.Expansions && a.Hpgl == b.Hpgl && a.Dxf == b.Dxf && a.Text == b.Text &&
           a.HalfFrames == b.HalfFrames && a.Spar == b.Spar && a.Stem == b.Stem &&
           a.Soles == b.Soles && a.Deck == b.Deck && a.Keel == b.Keel;
}

void CheckExportPath(const merrowin::PatternOptions& options) {
    const std::string& text = options.ExportText;
    const std::string& path = options.ExportPath;
    Check(text.find_first_of("\r\n") == std::string::npos);
    Check(path.empty() || path.back() == '/');
    Check(path == text || path == text + "/");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The boxes start all set or all clear, so that a line that sets nothing shows.
    const bool startSet = size % 2 == 1;
    merrowin::PatternOptions read = AllBoxes(startSet);
    // The text as the file would hold it: the reading of the file itself is the file module's,
    // and writing a scratch file for each input cost nine tenths of the time.
    merrowin::ParsePatternSettings(std::string_view(reinterpret_cast<const char*>(data), size),
                                   read);
    CheckExportPath(read);

    // What was read is written as the dialog's Unload writes it and read again by the next Load
    // over boxes that start the other way: nothing may change on the way.
    const std::string text = merrowin::PatternSettingsText(read);
    Check(merrowin::SplitLines(text).size() == 11);
    merrowin::PatternOptions again = AllBoxes(!startSet);
    merrowin::ParsePatternSettings(text, again);
    Check(SameBoxes(read, again));
    Check(again.ExportText == read.ExportText && again.ExportPath == read.ExportPath);
    return 0;
}
