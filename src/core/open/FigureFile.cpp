// Reading the figure file: bounded in figures and points, tolerant of any bytes.
#include "open/FigureFile.h"

#include "io/DataFiles.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether the text starts with a decimal number (an optional sign, then a digit or a point
// followed by a digit), as the lenient parse reads one.
bool StartsWithNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
    }
    return i < text.size() && IsDigit(text[i]);
}

// A point line: x before the first blank or tab, y after it.
std::array<double, 2> PointOf(std::string_view line) {
    const std::size_t blank = line.find_first_of(" \t");
    if (blank == std::string_view::npos) {
        return {Val(line), 0.0};
    }
    return {Val(line.substr(0, blank)), Val(line.substr(blank + 1))};
}

bool Contains(std::string_view line, std::string_view word) {
    return line.find(word) != std::string_view::npos;
}

} // namespace

std::vector<FigureOutline> ParseFigureFile(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    std::vector<FigureOutline> figures;
    bool inFigure = false;
    // One pass over a finite list of lines; every branch moves on by at least one line.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = TrimBlanks(lines[i]);
        if (Contains(line, "start")) {
            if (figures.size() >= static_cast<std::size_t>(MaxFigures)) {
                break; // figures past the ninth have no thumbnail to choose them by
            }
            FigureOutline figure;
            if (i + 1 < lines.size()) {
                figure.Title = std::string(TrimBlanks(lines[++i]));
            }
            figures.push_back(std::move(figure));
            inFigure = true;
        } else if (!inFigure) {
            continue;
        } else if (Contains(line, "end")) {
            inFigure = false;
        } else if (StartsWithNumber(line) &&
                   figures.back().Points.size() < static_cast<std::size_t>(MaxFigurePoints)) {
            figures.back().Points.push_back(PointOf(line));
        }
    }
    return figures;
}

std::optional<fs::path> FindFigureFile(const fs::path& folder) {
    return FindDataFile(folder, FigureFileName);
}

std::vector<FigureOutline> LoadFigureFile(const fs::path& folder) {
    const std::optional<fs::path> path = FindFigureFile(folder);
    if (!path) {
        return {};
    }
    const std::optional<std::string> text =
        ReadFileBytes(path->parent_path(), path->filename().string());
    if (!text) {
        return {};
    }
    return ParseFigureFile(*text);
}

} // namespace merrowin
