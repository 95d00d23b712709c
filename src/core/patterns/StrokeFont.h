// The stroke font "pedit.fnt" and the pattern labels drawn with it into plot files.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/Files.h"
#include "io/PlotFile.h"
#include "ui/Services.h"

namespace merrowin {

inline constexpr const char* StrokeFontFileName = "pedit.fnt";
inline constexpr const char* MissingFontStatus = "Missing pedit.fnt, can't output characters";

// One record of the font: a name (normally one character) and a polyline on an 8-unit grid
// (x to the right, y up, the character cell 0..8 wide).
struct StrokeGlyph {
    std::string Name;
    std::vector<std::array<double, 2>> Points;
};

struct StrokeFont {
    bool Found = false; // false: no font file was found, labels are left out
    std::vector<StrokeGlyph> Glyphs;
    // For every byte, the records whose one-character name matches it without regard to case,
    // in file order.
    std::array<std::vector<int>, 256> ByCharacter{};
};

// Glyph coordinates are kept within this many grid units (125 character cells), so that a
// damaged font cannot write plot coordinates beyond what a plotter or the readers can take.
inline constexpr double MaxGlyphUnits = 1000;

// Reads the font records from the file's text: a name, a point count n, then n pairs x, y, all
// as comma-or-line-separated items. A truncated last record keeps the points it has; a coordinate
// beyond MaxGlyphUnits is brought back to it.
StrokeFont ParseStrokeFont(std::string_view text);

// The font file a run uses: the working folder first, then the installed data folder, then the
// data folder of the source tree.
std::optional<fs::path> FindStrokeFont(const fs::path& folder);

// Loads the font found by FindStrokeFont; Found stays false when there is none.
StrokeFont LoadStrokeFont(const fs::path& folder);

// Writes a label into a plot file with pen 1: character k (from 0) is drawn at k * size to the
// right, the grid scaled so that 8 units are one size; the whole label turned by angle (degrees)
// about (x, y). Characters without a record draw nothing but still advance. With no font the
// label is left out and the status text says so. Sizes and positions in inches.
void DrawLabel(PlotWriter& plot, const StrokeFont& font, StatusBar& status, std::string_view text,
               double x, double y, double size, double angle);

} // namespace merrowin
