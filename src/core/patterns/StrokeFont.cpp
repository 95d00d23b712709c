// The stroke font "pedit.fnt": reading its records and drawing labels with them.
#include "patterns/StrokeFont.h"
#include "model/Constants.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "io/DataFiles.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

// Labels turn with the program's four-decimal pi, not the exact one.
constexpr double DegreesToRadians = ShortDegreesToRadians;

double GlyphUnits(std::string_view text) {
    return std::clamp(Val(text), -MaxGlyphUnits, MaxGlyphUnits);
}

void IndexGlyph(StrokeFont& font, int index) {
    const std::string& name = font.Glyphs[static_cast<std::size_t>(index)].Name;
    if (name.size() != 1) {
        return; // a longer name never equals one character
    }
    const auto c = static_cast<unsigned char>(name[0]);
    const auto lower = static_cast<unsigned char>(std::tolower(c));
    const auto upper = static_cast<unsigned char>(std::toupper(c));
    font.ByCharacter[lower].push_back(index);
    if (upper != lower) {
        font.ByCharacter[upper].push_back(index);
    }
}

} // namespace

StrokeFont ParseStrokeFont(std::string_view text) {
    StrokeFont font;
    font.Found = true;
    const std::vector<std::string> items = SplitItems(text);
    std::size_t i = 0;
    // Every record consumes at least its name and count, so the loop ends with the items.
    while (i + 1 < items.size()) {
        StrokeGlyph glyph;
        glyph.Name = items[i];
        const double declared = Val(items[i + 1]);
        i += 2;
        const std::size_t available = (items.size() - i) / 2;
        std::size_t count = 0;
        if (declared > 0) {
            count = declared >= static_cast<double>(available) ? available
                                                               : static_cast<std::size_t>(declared);
        }
        glyph.Points.reserve(count);
        for (std::size_t p = 0; p < count; ++p, i += 2) {
            glyph.Points.push_back({GlyphUnits(items[i]), GlyphUnits(items[i + 1])});
        }
        font.Glyphs.push_back(std::move(glyph));
        IndexGlyph(font, static_cast<int>(font.Glyphs.size()) - 1);
    }
    return font;
}

std::optional<fs::path> FindStrokeFont(const fs::path& folder) {
    return FindDataFile(folder, StrokeFontFileName);
}

StrokeFont LoadStrokeFont(const fs::path& folder) {
    const std::optional<fs::path> path = FindStrokeFont(folder);
    if (!path) {
        return {};
    }
    const std::optional<std::string> text =
        ReadFileBytes(path->parent_path(), path->filename().string());
    if (!text) {
        return {};
    }
    return ParseStrokeFont(*text);
}

void DrawLabel(PlotWriter& plot, const StrokeFont& font, StatusBar& status, std::string_view text,
               double x, double y, double size, double angle) {
    if (!font.Found) {
        status.SetPanel(1, MissingFontStatus);
        return;
    }
    const double radians = angle * DegreesToRadians;
    const double cosA = std::cos(radians);
    const double sinA = std::sin(radians);
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto c = static_cast<unsigned char>(text[k]);
        for (const int index : font.ByCharacter[c]) {
            const StrokeGlyph& glyph = font.Glyphs[static_cast<std::size_t>(index)];
            bool first = true;
            for (const auto& point : glyph.Points) {
                const double px = size * static_cast<double>(k) + size * point[0] / 8.0;
                const double py = size * point[1] / 8.0;
                if (first) {
                    plot.Pen(1, false);
                }
                plot.Coordinate(px * cosA - py * sinA + x, px * sinA + py * cosA + y);
                if (first) {
                    plot.Pen(1, true);
                    first = false;
                }
            }
            if (!first) {
                plot.Pen(1, false);
            }
        }
    }
}

} // namespace merrowin
