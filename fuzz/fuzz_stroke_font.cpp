// Fuzz target: any bytes read as the stroke font give finite glyphs, and a label of every
// character drawn with them is a sound plot: one pen-up, first point, pen-down, points, pen-up
// group per record of the character, finite whole coordinates near the label.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

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

// The plot's lines one at a time, without copying them.
class PlotLines {
public:
    explicit PlotLines(std::string_view content) : rest_(content) {}
    bool Done() const { return rest_.empty(); }
    // The next line; every line must end with CR LF.
    std::string_view Peek() const {
        const std::size_t end = rest_.find("\r\n");
        Check(end != std::string_view::npos);
        return rest_.substr(0, end);
    }
    std::string_view Next() {
        const std::string_view line = Peek();
        rest_.remove_prefix(line.size() + 2);
        return line;
    }

private:
    std::string_view rest_;
};

bool IsCoordinateLine(std::string_view line) {
    return line.size() > 5 && line.substr(line.size() - 5) == " acut";
}

// A whole plotter number as the writer prints it: an optional minus, then digits, and exact
// (below 2^53: beyond it the writer would have clamped a coordinate).
std::int64_t WholeNumber(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    Check(error == std::errc{} && end == text.data() + text.size() && !text.empty() &&
          text[0] != '+');
    Check(value < (std::int64_t{1} << 53) && value > -(std::int64_t{1} << 53));
    return value;
}

struct Label {
    double X, Y, Size, Angle, Scale;
};

// Draws the label and checks the plot: counts of records and points as the glyphs give them, and
// every coordinate within the label's reach (its characters plus the farthest glyph point).
// The checks are left out of the coverage that guides the fuzzer.
__attribute__((no_sanitize("coverage"))) void
DrawAndCheck(const merrowin::StrokeFont& font, const std::string& text, const Label& label,
             double farthest, std::size_t records, std::size_t points) {
    merrowin::PlotWriter plot(label.Scale, label.Scale);
    merrowin::MemoryStatusBar status;
    merrowin::DrawLabel(plot, font, status, text, label.X, label.Y, label.Size, label.Angle);
    Check(status.Panel(1).empty());
    PlotLines lines(plot.Content());
    const double reach =
        label.Scale * label.Size * (static_cast<double>(text.size()) + 1.5 * farthest / 8) + 2;
    std::size_t drawnRecords = 0, drawnPoints = 0;
    auto coordinate = [&](std::string_view line) {
        Check(IsCoordinateLine(line));
        const std::size_t blank = line.find(' ');
        const double x = static_cast<double>(WholeNumber(line.substr(0, blank)));
        const double y =
            static_cast<double>(WholeNumber(line.substr(blank + 1, line.size() - 5 - blank - 1)));
        Check(std::hypot(x - label.X * label.Scale, y - label.Y * label.Scale) <= reach);
        ++drawnPoints;
    };
    while (!lines.Done()) {
        Check(lines.Next() == "1 penup");
        Check(!lines.Done());
        coordinate(lines.Next());
        Check(!lines.Done() && lines.Next() == "1 pendown");
        while (!lines.Done() && IsCoordinateLine(lines.Peek())) {
            coordinate(lines.Next());
        }
        Check(!lines.Done() && lines.Next() == "1 penup");
        ++drawnRecords;
    }
    Check(drawnRecords == records && drawnPoints == points);
}

// Every byte value once, but the 26 letters from `first` on.
std::string EveryByteBut(char first) {
    std::string text;
    for (int c = 0; c < 256; ++c) {
        if (c < first || c >= first + 26) {
            text.push_back(static_cast<char>(c));
        }
    }
    return text;
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

    // A label holding every byte once, its letters in one case: upper case for some inputs,
    // lower case for others, so that both cases are looked up without drawing each letter twice.
    static const std::string labels[2] = {EveryByteBut('a'), EveryByteBut('A')};
    const std::string& label = labels[size / 2 % 2];
    std::size_t records = 0, points = 0;
    for (const char c : label) {
        const unsigned char lower = Lower(static_cast<unsigned char>(c));
        records += recordsOf[lower];
        points += pointsOf[lower];
    }
    // The pattern labels' own size and place, or (for inputs of odd size) a larger label turned
    // by an angle the input size chooses, on a finer plotter: one label an input halves the cost.
    if (size % 2 == 0) {
        DrawAndCheck(font, label, {0.25, 0.25, 0.375, 0, 500}, farthest, records, points);
    } else {
        const double angle = static_cast<double>(size % 721) - 360;
        DrawAndCheck(font, label, {-30, 12.5, 2, angle, 1016}, farthest, records, points);
    }
    return 0;
}
