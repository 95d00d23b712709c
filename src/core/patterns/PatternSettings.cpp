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

// The comma-or-line-separated read of "hull.dat", item by item, so the values may stand one a
// line or several on a line ("1,0,0,1,0,0,0,0,0,1,"/x"").
class SettingsItems {
public:
    explicit SettingsItems(std::string_view text) : text_(text) {}
    bool AtEnd() const { return at_ >= text_.size(); }

    // The next item: a quoted one is what lies between its quotes (anything after the closing
    // quote is dropped), another runs to the next comma or line end, without blanks around it.
    std::string Next() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) {
            ++at_;
        }
        if (at_ < text_.size() && text_[at_] == '"') {
            const std::size_t close =
                std::min(text_.find_first_of("\"\r\n", at_ + 1), text_.size());
            std::string item(text_.substr(at_ + 1, close - at_ - 1));
            at_ = close < text_.size() && text_[close] == '"' ? close + 1 : close;
            Take(Until(",\r\n"));
            return item;
        }
        const std::size_t start = at_;
        const std::size_t end = Until(",\r\n");
        Take(end);
        return std::string(TrimBlanks(text_.substr(start, end - start)));
    }

    // The rest of the line as one item, without the blanks and one pair of quotes around it: the
    // export folder, the last value, whose name may hold commas.
    std::string RestOfLine() {
        const std::size_t start = at_;
        const std::size_t end = Until("\r\n");
        Take(end);
        std::string text(TrimBlanks(text_.substr(start, end - start)));
        if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
            text = text.substr(1, text.size() - 2);
        }
        return text;
    }

private:
    std::size_t Until(std::string_view separators) const {
        return std::min(text_.find_first_of(separators, at_), text_.size());
    }
    // Moves past the separator at `end`; a CR LF is one line end.
    void Take(std::size_t end) {
        at_ = std::min(end + 1, text_.size());
        if (end < text_.size() && text_[end] == '\r' && at_ < text_.size() && text_[at_] == '\n') {
            ++at_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

bool ReadPatternSettings(const fs::path& folder, PatternOptions& options) {
    const std::optional<std::string> text = ReadFileBytes(folder, PatternSettingsFileName);
    if (!text) {
        return false;
    }
    ParsePatternSettings(*text, options);
    return true;
}

void ParsePatternSettings(std::string_view text, PatternOptions& options) {
    SettingsItems items(text);
    for (std::size_t i = 0; i < OptionBoxCount && !items.AtEnd(); ++i) {
        // A check box takes 0 or 1; any other value cannot be set and leaves the box as it was.
        const double value = Val(items.Next());
        if (value == 0 || value == 1) {
            options.*OptionBoxes[i] = value == 1;
        }
    }
    if (!items.AtEnd()) {
        SetExportText(options, items.RestOfLine());
    }
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
