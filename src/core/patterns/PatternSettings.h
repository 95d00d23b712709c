// The patterns dialog's remembered settings ("hull.dat") and the rules of its text boxes.
#pragma once

#include <string>
#include <string_view>

#include "io/Files.h"
#include "model/Hull.h"
#include "patterns/PatternOptions.h"

namespace merrowin {

inline constexpr const char* PatternSettingsFileName = "hull.dat";

// Reads "hull.dat" of the folder into the ten option boxes and the export folder box; returns
// false (options untouched) when there is no such file.
bool ReadPatternSettings(const fs::path& folder, PatternOptions& options);
// The same for the file's text: what it sets is set, the rest of the boxes keep their values.
void ParsePatternSettings(std::string_view text, PatternOptions& options);
// The text of "hull.dat": the ten boxes as 0 or 1, then the export folder box (in quotes when
// it has blanks at an end or quotes around it, so that it reads back as it was).
std::string PatternSettingsText(const PatternOptions& options);
Outcome WritePatternSettings(const fs::path& folder, const PatternOptions& options);

// The file-name box: the name part up to its first "." (or its first eight characters when it
// has none) followed by ".hul"; a folder part in front is kept as it is.
std::string HullFileNameRule(std::string_view text);

// The export folder box: ExportPath becomes the text followed by "/" unless it ends with one.
void SetExportText(PatternOptions& options, const std::string& text);

// A frame box: its text, and the frame station = the absolute value of its leading number.
void SetFrameText(HullDocument& hull, PatternOptions& options, int frame, const std::string& text);

} // namespace merrowin
