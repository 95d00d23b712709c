// Plot files: the writer, the plotter scale look-up and the shared coordinate-line tokeniser.
#include "io/PlotFile.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "text/NumberText.h"

namespace merrowin {

namespace {

// The numeric read of the scale file: a number ends at a blank, a tab, a comma or a line end;
// blanks and tabs around it are dropped, and one comma or line end after it is taken with it, so
// "1016 1016", "1016, 1016" and two lines all give two numbers, and ",," an empty item between.
std::vector<std::string> ScaleItems(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    auto ends = [&](char c) { return blank(c) || c == ',' || c == '\r' || c == '\n'; };
    std::vector<std::string> items;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && blank(text[i])) {
            ++i;
        }
        if (i == text.size()) {
            break;
        }
        const std::size_t start = i;
        while (i < text.size() && !ends(text[i])) {
            ++i;
        }
        items.emplace_back(text.substr(start, i - start));
        while (i < text.size() && blank(text[i])) {
            ++i;
        }
        if (i < text.size() && (text[i] == ',' || text[i] == '\n')) {
            ++i;
        } else if (i < text.size() && text[i] == '\r') {
            i += i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
        }
    }
    return items;
}

} // namespace

void ReadPlotterScale(const fs::path& folder, double& plotXScale, double& plotYScale,
                      const fs::path& systemFile) {
    // The system-wide file first, then the working folder's two names: the first that exists is
    // the one read. One that exists but cannot be read gives no numbers, so the scales keep their
    // values (500 unless set); the next file is not a stand-in for it.
    std::optional<fs::path> file;
    if (!systemFile.empty()) {
        file = FindFile(systemFile.parent_path(), systemFile.filename().string());
    }
    for (const char* name : {"pm32.dat", "pmaster.dat"}) {
        if (!file) {
            file = FindFile(folder, name);
        }
    }
    const std::optional<std::string> content =
        file ? ReadFileBytes(file->parent_path(), file->filename().string()) : std::nullopt;
    if (content) {
        const std::vector<std::string> items = ScaleItems(*content);
        if (!items.empty()) {
            plotXScale = Val(items[0]);
        }
        if (items.size() > 1) {
            plotYScale = Val(items[1]);
        }
    }
    if (plotXScale == 0 || !std::isfinite(plotXScale)) {
        plotXScale = 500;
    }
    if (plotYScale == 0 || !std::isfinite(plotYScale)) {
        plotYScale = 500;
    }
    plotXScale = std::fabs(plotXScale);
    plotYScale = std::fabs(plotYScale);
}

std::string TarvoHeader(const std::string& date, double plotXScale, double plotYScale) {
    return "/* TARVO: " + date + " Xscale:" + StrNumber(plotXScale) +
           " Yscale:" + StrNumber(plotYScale) + " */";
}

std::string ExpansionHeader(const std::string& date, double plotXScale, double plotYScale) {
    return "/* Hull Xscale: " + TrimmedNumber(plotXScale) +
           " Yscale: " + TrimmedNumber(plotYScale) + " " + date + " */";
}

void PlotWriter::Begin(std::string_view header) {
    out_.Line("start_plot");
    out_.Line(header);
}

void PlotWriter::Pen(int pen, bool down) {
    out_.Line(IntText(pen) + (down ? " pendown" : " penup"));
}

void PlotWriter::Coordinate(double xInches, double yInches, std::string_view keyword) {
    std::string line = IntText(IntFloor(xInches * xScale_));
    line += ' ';
    line += IntText(IntFloor(yInches * yScale_));
    line += ' ';
    line += keyword;
    out_.Line(line);
}

void PlotWriter::Statement(std::string_view line) {
    out_.Line(line);
}

void PlotWriter::End() {
    out_.Line("end_plot");
}

Outcome PlotWriter::WriteTo(const fs::path& folder, std::string_view name) const {
    return out_.WriteTo(folder, name);
}

PlotTokens TokenisePlotLine(std::string_view line, bool stripLeading) {
    PlotTokens tokens;
    const std::size_t firstBlank = line.find(' ');
    if (firstBlank == std::string_view::npos) {
        // No blank: the whole line is the x text (its leading number, if any) and y reads as 0.
        tokens.XText = std::string(line);
        tokens.X = Val(tokens.XText);
        return tokens;
    }
    tokens.XText = std::string(line.substr(0, firstBlank));
    std::string_view remainder = line.substr(firstBlank + 1);
    if (stripLeading) {
        const std::size_t start = remainder.find_first_not_of(' ');
        remainder = start == std::string_view::npos ? std::string_view() : remainder.substr(start);
    }
    const std::size_t secondBlank = remainder.find(' ');
    if (secondBlank == std::string_view::npos) {
        tokens.YText = std::string(remainder);
    } else {
        tokens.YText = std::string(remainder.substr(0, secondBlank));
        tokens.Rest = std::string(remainder.substr(secondBlank));
    }
    tokens.X = Val(tokens.XText);
    tokens.Y = Val(tokens.YText);
    return tokens;
}

} // namespace merrowin
