// Reading the hand plotting listing back: piece headers, point lines and the title.
#include "nesting/HandPlotReader.h"

#include <algorithm>
#include <utility>

#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr std::string_view TitleStart = "Hand plotting file for ";

// The caption rule: from 8 characters before the first "." to the end, trimmed (" default.hul"
// and what follows it for the default hull).
std::optional<std::string> CaptionOf(std::string_view title) {
    const std::size_t point = title.find('.');
    if (point == std::string_view::npos || point < 8) {
        return std::nullopt;
    }
    return std::string(TrimBlanks(title.substr(point - 8)));
}

// The last blank-separated word of a text and the text before it.
std::pair<std::string_view, std::string_view> SplitLastWord(std::string_view text) {
    text = TrimBlanks(text);
    const std::size_t blank = text.find_last_of(" \t");
    if (blank == std::string_view::npos) {
        return {std::string_view{}, text};
    }
    return {TrimBlanks(text.substr(0, blank)), text.substr(blank + 1)};
}

bool Shaped(std::string_view word, std::string_view shape) {
    if (word.size() != shape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        const bool digit = word[i] >= '0' && word[i] <= '9';
        if (shape[i] == '9' ? !digit : word[i] != shape[i]) {
            return false;
        }
    }
    return true;
}

// The hull file name of a title line: what follows "Hand plotting file for " without the time
// ("hh:mm:ss") and date ("mm-dd-yyyy") the listing writes after it.
std::string HullNameOf(std::string_view title) {
    if (title.substr(0, TitleStart.size()) != TitleStart) {
        return {};
    }
    std::string_view rest = title.substr(TitleStart.size());
    auto [beforeDate, date] = SplitLastWord(rest);
    if (Shaped(date, "99-99-9999")) {
        rest = beforeDate;
        auto [beforeTime, time] = SplitLastWord(rest);
        if (Shaped(time, "99:99:99")) {
            rest = beforeTime;
        }
    }
    return std::string(TrimBlanks(rest));
}

// The piece name of a header line: its first word.
std::string HeaderName(std::string_view line) {
    const std::string_view text = TrimBlanks(line);
    return std::string(text.substr(0, text.find_first_of(" \t")));
}

// A point line: the first number is X, the one after the first blank Y (decimal inches); the
// further columns repeat them in other units.
NestPoint PointOf(std::string_view line) {
    const std::string_view text = TrimBlanks(line);
    const std::size_t blank = text.find_first_of(" \t");
    NestPoint point;
    point.X = ClampInches(Val(text));
    point.Y = blank == std::string_view::npos ? 0 : ClampInches(Val(text.substr(blank + 1)));
    return point;
}

// Centres the outline on its box and lays the box in sheet 1's corner at the origin.
void FinishPiece(NestPiece& piece) {
    std::vector<NestPoint>& points = piece.Piece.Points;
    if (!points.empty()) {
        double minX = points[0].X, maxX = minX, minY = points[0].Y, maxY = minY;
        for (const NestPoint& p : points) {
            minX = std::min(minX, p.X);
            maxX = std::max(maxX, p.X);
            minY = std::min(minY, p.Y);
            maxY = std::max(maxY, p.Y);
        }
        piece.Width = maxX - minX;
        piece.Height = maxY - minY;
        const double centreX = (minX + maxX) / 2, centreY = (minY + maxY) / 2;
        for (NestPoint& p : points) {
            p.X -= centreX;
            p.Y -= centreY;
        }
    }
    piece.Piece.PositionX = piece.Width / 2;
    piece.Piece.PositionY = piece.Height / 2;
    piece.Copy.Points = points;
}

} // namespace

HandPlotPieces ParseHandPlot(std::string_view text) {
    HandPlotPieces read;
    const std::vector<std::string> lines = SplitLines(text);
    if (lines.empty()) {
        return read;
    }
    read.Caption = CaptionOf(lines[0]);
    read.HullFileName = HullNameOf(lines[0]);
    // A header (a line holding "uc", the plot file's name) opens a piece; its point lines follow
    // up to an empty line, the next header or the end. Other lines are passed over.
    bool inPoints = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.find("uc") != std::string::npos) {
            if (read.Pieces.size() >= static_cast<std::size_t>(MaxNestPieces)) {
                read.PiecesCut = true;
                break;
            }
            read.Pieces.emplace_back().Name = HeaderName(line);
            inPoints = true;
        } else if (!inPoints) {
            continue;
        } else if (TrimBlanks(line).empty()) {
            inPoints = false;
        } else if (read.Pieces.back().Piece.Points.size() <
                   static_cast<std::size_t>(MaxNestPoints)) {
            read.Pieces.back().Piece.Points.push_back(PointOf(line));
        } else {
            read.PointsCut = true;
        }
    }
    for (NestPiece& piece : read.Pieces) {
        FinishPiece(piece);
    }
    return read;
}

HandPlotPieces ReadHandPlot(const fs::path& folder, std::string_view name) {
    const std::optional<std::string> bytes = ReadFileBytes(folder, name);
    if (!bytes) {
        HandPlotPieces missing;
        missing.Caption = NoHandPlotCaption;
        return missing;
    }
    HandPlotPieces read = ParseHandPlot(*bytes);
    read.Found = true;
    return read;
}

std::string NestCaption(const HandPlotPieces& read) {
    std::string caption = read.Caption.value_or(NestWindowCaption);
    if (read.PiecesCut && read.PointsCut) {
        caption += " (only the first 30 pieces and 50 points of each were read)";
    } else if (read.PiecesCut) {
        caption += " (only the first 30 pieces were read)";
    } else if (read.PointsCut) {
        caption += " (only the first 50 points of each piece were read)";
    }
    return caption;
}

void UsePieces(NestState& state, std::vector<NestPiece> pieces) {
    state.Pieces = std::move(pieces);
    state.SelectedPiece = -1;
    state.SelectedIsCopy = false;
    state.Dragging = false;
}

} // namespace merrowin
