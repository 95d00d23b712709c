// Fuzz target: any bytes read as the stroke font give finite glyphs, and a label of every
// character drawn with them is a sound plot: one pen-up, first point, pen-down, points, pen-up
// group per record of the character, finite whole coordinates near the label.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "io/Files.h"
#include "io/PlotFile.h"
#include "patterns/StrokeFont.h"
#include "ui/Services.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// ASCII lower case, as the font compares names.
unsigned char Lower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool IsCoordinateLine(const std::string& line) {
    return line.size() > 5 && line.compare(line.size() - 5, 5, " acut") == 0;
}

// A whole plotter number as the writer prints it: an optional minus, then digits.
bool WholeNumberText(const std::string& text) {
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    return text.size() > start && text.find_first_not_of("0123456789", start) == std::string::npos;
}

struct Label {
    double X, Y, Size, Angle, Scale;
};

// Draws the label and checks the plot: counts of records and points as the glyphs give them, and
// every coordinate within the label's reach (its characters plus the farthest glyph point).
void DrawAndCheck(const merrowin::StrokeFont& font, const std::string& text, const Label& label,
                  double farthest, std::size_t records, std::size_t points) {
    merrowin::PlotWriter plot(label.Scale, label.Scale);
    merrowin::MemoryStatusBar status;
    merrowin::DrawLabel(plot, font, status, text, label.X, label.Y, label.Size, label.Angle);
    Check(status.Panel(1).empty());
    const std::string& content = plot.Content();
    Check(content.empty() || content.substr(content.size() - 2) == "\r\n");
    const std::vector<std::string> lines = merrowin::SplitLines(content);
    const double reach =
        label.Scale * label.Size * (static_cast<double>(text.size()) + 1.5 * farthest / 8) + 2;
    std::size_t drawnRecords = 0, drawnPoints = 0;
    auto coordinate = [&](std::size_t i) {
        Check(i < lines.size() && IsCoordinateLine(lines[i]));
        const merrowin::PlotTokens tokens = merrowin::TokenisePlotLine(lines[i], false);
        Check(tokens.Rest == " acut");
        Check(WholeNumberText(tokens.XText) && WholeNumberText(tokens.YText));
        Check(std::isfinite(tokens.X) && std::isfinite(tokens.Y));
        // Within 2^53 a whole number is exact: beyond it the writer has clamped a coordinate.
        Check(std::fabs(tokens.X) < 9007199254740992.0 && std::fabs(tokens.Y) < 9007199254740992.0);
        Check(std::hypot(tokens.X - label.X * label.Scale, tokens.Y - label.Y * label.Scale) <=
              reach);
        ++drawnPoints;
    };
    std::size_t i = 0;
    while (i < lines.size()) {
        Check(lines[i] == "1 penup");
        coordinate(i + 1);
        Check(i + 2 < lines.size() && lines[i + 2] == "1 pendown");
        i += 3;
        while (i < lines.size() && IsCoordinateLine(lines[i])) {
            coordinate(i++);
        }
        Check(i < lines.size() && lines[i] == "1 penup");
        ++i;
        ++drawnRecords;
    }
    Check(drawnRecords == records && drawnPoints == points);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const merrowin::StrokeFont font =
        merrowin::ParseStrokeFont(std::string_view(reinterpret_cast<const char*>(data), size));
    Check(font.Found);
    // Every record takes at least two bytes (its name and count, or their separators).
    Check(font.Glyphs.size() <= size / 2 + 1);

    // What each character should draw, from the records themselves rather than their index.
    std::size_t recordsOf[256] = {}, pointsOf[256] = {};
    double farthest = 0;
    for (const merrowin::StrokeGlyph& glyph : font.Glyphs) {
        for (const auto& point : glyph.Points) {
            Check(std::isfinite(point[0]) && std::isfinite(point[1]));
            farthest = std::max({farthest, std::fabs(point[0]), std::fabs(point[1])});
        }
        if (glyph.Name.size() == 1 && !glyph.Points.empty()) {
            const unsigned char c = Lower(static_cast<unsigned char>(glyph.Name[0]));
            ++recordsOf[c];
            pointsOf[c] += glyph.Points.size();
        }
    }
    for (int c = 0; c < 256; ++c) {
        for (const int index : font.ByCharacter[static_cast<std::size_t>(c)]) {
            Check(index >= 0 && static_cast<std::size_t>(index) < font.Glyphs.size());
            const std::string& name = font.Glyphs[static_cast<std::size_t>(index)].Name;
            Check(name.size() == 1 && Lower(static_cast<unsigned char>(name[0])) ==
                                          Lower(static_cast<unsigned char>(c)));
        }
    }

    // A label holding every byte once; both letter cases of a letter draw the same records.
    static const std::string everyCharacter = [] {
        std::string text;
        for (int c = 0; c < 256; ++c) {
            text.push_back(static_cast<char>(c));
        }
        return text;
    }();
    std::size_t records = 0, points = 0;
    for (int c = 0; c < 256; ++c) {
        const unsigned char lower = Lower(static_cast<unsigned char>(c));
        records += recordsOf[lower];
        points += pointsOf[lower];
    }
    // The pattern labels' own size and place, then a larger label turned by an angle the input
    // chooses, on a finer plotter.
    DrawAndCheck(font, everyCharacter, {0.25, 0.25, 0.375, 0, 500}, farthest, records, points);
    const double angle = static_cast<double>(size % 721) - 360;
    DrawAndCheck(font, everyCharacter, {-30, 12.5, 2, angle, 1016}, farthest, records, points);
    return 0;
}
