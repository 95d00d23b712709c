// The patterns dialog's settings file "hull.dat" and the rules of its file-name, export folder
// and frame boxes.
#include "patterns/PatternSettings.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "text/NumberText.h"

namespace merrowin {

namespace {

// The ten option boxes in the order "hull.dat" keeps them.
constexpr bool PatternOptions::*OptionBoxes[] = {
    &PatternOptions::Expansions, &PatternOptions::Hpgl,       &PatternOptions::Dxf,
    &PatternOptions::Text,       &PatternOptions::HalfFrames, &PatternOptions::Spar,
    &PatternOptions::Stem,       &PatternOptions::Soles,      &PatternOptions::Deck,
    &PatternOptions::Keel};
constexpr std::size_t OptionBoxCount = std::size(OptionBoxes);

// The export folder line the reader gives back as the box held it: the reader trims blanks and
// drops one pair of outer quotes, so a text that either would change is written in quotes.
std::string ExportLine(const std::string& text) {
    const bool blankEnd = !text.empty() && (text.front() == ' ' || text.front() == '\t' ||
                                            text.back() == ' ' || text.back() == '\t');
    const bool quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
    return blankEnd || quoted ? '"' + text + '"' : text;
}

} // namespace

bool ReadPatternSettings(const fs::path& folder, PatternOptions& options) {
    const std::optional<std::vector<std::string>> lines =
        ReadLines(folder, PatternSettingsFileName);
    if (!lines) {
        return false;
    }
    for (std::size_t i = 0; i < OptionBoxCount && i < lines->size(); ++i) {
        // A check box takes 0 or 1; any other value cannot be set and leaves the box as it was.
        const std::vector<std::string> items = SplitItems((*lines)[i]);
        const double value = items.empty() ? 0 : Val(items.front());
        if (value == 0 || value == 1) {
            options.*OptionBoxes[i] = value == 1;
        }
    }
    if (lines->size() > OptionBoxCount) {
        // The export folder is taken as its whole line, so a folder name holding a comma
        // survives; a quoted line loses its quotes.
        std::string text(TrimBlanks((*lines)[OptionBoxCount]));
        if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
            text = text.substr(1, text.size() - 2);
        }
        SetExportText(options, text);
    }
    return true;
}

std::string PatternSettingsText(const PatternOptions& options) {
    TextOut out;
    for (const auto box : OptionBoxes) {
        out.Line(PrintNumber(options.*box ? 1 : 0));
    }
    out.Line(ExportLine(options.ExportText));
    return out.Content();
}

Outcome WritePatternSettings(const fs::path& folder, const PatternOptions& options) {
    return WriteFileAtomic(folder, PatternSettingsFileName, PatternSettingsText(options));
}

std::string HullFileNameRule(std::string_view text) {
    // Only the file's own name is cut: a dot in a folder name must not shorten the path.
    const std::size_t slash = text.find_last_of('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::string_view folderPart = text.substr(0, nameStart);
    const std::string_view name = text.substr(nameStart);
    const std::size_t dot = name.find('.');
    std::string result(folderPart);
    if (dot == std::string_view::npos) {
        return result.append(name.substr(0, 8)).append(".hul");
    }
    // A name already ending in ".hul" in other letters (a file "BOAT.HUL" picked from the list)
    // keeps its spelling, so that the save replaces that same file where case matters.
    const std::string_view extension = name.substr(dot);
    const bool hulAlready = EqualNoCase(extension, ".hul");
    return result.append(name.substr(0, dot)).append(hulAlready ? extension : ".hul");
}

void SetExportText(PatternOptions& options, const std::string& text) {
    options.ExportText = text;
    // An empty box means the working folder itself, never the root of the file system.
    if (text.empty() || text.back() == '/') {
        options.ExportPath = text;
    } else {
        options.ExportPath = text + "/";
    }
}

void SetFrameText(HullDocument& hull, PatternOptions& options, int frame, const std::string& text) {
    if (frame < 0 || frame >= static_cast<int>(options.FrameText.size())) {
        return;
    }
    options.FrameText[static_cast<std::size_t>(frame)] = text;
    hull.FramePositions[static_cast<std::size_t>(frame)] = std::fabs(Val(text));
}

} // namespace merrowin
