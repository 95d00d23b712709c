// Reading a nesting layout's lines and placing the pieces they name.
#include "nesting/NestLayoutFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "io/Files.h"
#include "nesting/NestCommands.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", i);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, end - start));
        i = end;
    }
    return words;
}

// A whole word that is a decimal number within MaxNestInches.
std::optional<double> Inches(std::string_view word) {
    if (!word.empty() && word[0] == '+') {
        word.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(word.data(), word.data() + word.size(), value, std::chars_format::general);
    if (error != std::errc{} || end != word.data() + word.size() || !std::isfinite(value) ||
        std::fabs(value) > MaxNestInches) {
        return std::nullopt;
    }
    return value;
}

std::optional<NestStep> StepOf(std::string_view word) {
    const std::string lower = LowerAscii(word);
    if (lower == "flip") {
        return NestStep::Flip;
    }
    if (lower == "180") {
        return NestStep::Half;
    }
    if (lower == "90") {
        return NestStep::Quarter;
    }
    if (lower == "ccw") {
        return NestStep::Ccw;
    }
    if (lower == "cw") {
        return NestStep::Cw;
    }
    return std::nullopt;
}

std::string AtLine(int line, std::string_view what) {
    return "line " + IntText(line) + ": " + std::string(what);
}

void ApplyStep(NestShape& shape, NestStep step) {
    switch (step) {
    case NestStep::Flip:
        FlipShape(shape);
        return;
    case NestStep::Half:
        TurnShape(shape, NestTurn::Half);
        return;
    case NestStep::Quarter:
        TurnShape(shape, NestTurn::Quarter);
        return;
    case NestStep::Ccw:
        TurnShape(shape, NestTurn::Ccw);
        return;
    case NestStep::Cw:
        TurnShape(shape, NestTurn::Cw);
        return;
    }
}

} // namespace

NestLayoutRead ParseNestLayout(std::string_view text) {
    NestLayoutRead read;
    const std::vector<std::string> lines = SplitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        const std::vector<std::string_view> words = Words(lines[i]);
        if (words.empty() || words[0][0] == '#') {
            continue;
        }
        if (read.Placements.size() >= static_cast<std::size_t>(MaxLayoutPlacements)) {
            read.Failure = AtLine(lineNumber, "more than " + IntText(MaxLayoutPlacements) +
                                                  " placements (a piece and its copy each)");
            return read;
        }
        NestPlacement placement;
        placement.Line = lineNumber;
        std::size_t w = 0;
        if (words.size() >= 2 && EqualNoCase(words[0], "Copy") && EqualNoCase(words[1], "of")) {
            placement.IsCopy = true;
            w = 2;
        }
        if (words.size() < w + 3) {
            read.Failure = AtLine(lineNumber, "a piece name, X and Y are needed");
            return read;
        }
        placement.Name = std::string(words[w]);
        const std::optional<double> x = Inches(words[w + 1]);
        const std::optional<double> y = Inches(words[w + 2]);
        if (!x || !y) {
            read.Failure = AtLine(lineNumber, "X and Y must be numbers of inches up to 100000");
            return read;
        }
        placement.X = *x;
        placement.Y = *y;
        if (words.size() - (w + 3) > static_cast<std::size_t>(MaxLayoutSteps)) {
            read.Failure = AtLine(lineNumber, "more than " + IntText(MaxLayoutSteps) + " steps");
            return read;
        }
        for (std::size_t k = w + 3; k < words.size(); ++k) {
            const std::optional<NestStep> step = StepOf(words[k]);
            if (!step) {
                read.Failure = AtLine(lineNumber, "not flip, 180, 90, ccw or cw: " +
                                                      std::string(words[k].substr(0, 40)));
                return read;
            }
            placement.Steps.push_back(*step);
        }
        read.Placements.push_back(std::move(placement));
    }
    return read;
}

std::optional<std::string> ApplyNestLayout(NestState& state,
                                           const std::vector<NestPlacement>& placements) {
    NestState placed = state;
    for (NestPiece& piece : placed.Pieces) {
        piece.Piece.Placed = false;
        piece.Copy.Placed = false;
    }
    for (const NestPlacement& placement : placements) {
        NestPiece* found = nullptr;
        for (NestPiece& piece : placed.Pieces) {
            if (EqualNoCase(piece.Name, placement.Name)) {
                found = &piece;
                break;
            }
        }
        const std::string name = placement.IsCopy ? "Copy of " + placement.Name : placement.Name;
        if (found == nullptr) {
            return AtLine(placement.Line, "no piece named " + placement.Name);
        }
        NestShape& shape = placement.IsCopy ? found->Copy : found->Piece;
        if (shape.Placed) {
            return AtLine(placement.Line, name + " is placed twice");
        }
        shape.Placed = true;
        shape.PositionX = placement.X;
        shape.PositionY = placement.Y;
        for (const NestStep step : placement.Steps) {
            ApplyStep(shape, step);
        }
    }
    // The listing and the printout show a copy only beside its piece.
    for (const NestPlacement& placement : placements) {
        for (const NestPiece& piece : placed.Pieces) {
            if (placement.IsCopy && EqualNoCase(piece.Name, placement.Name) &&
                !piece.Piece.Placed) {
                return AtLine(placement.Line,
                              "Copy of " + placement.Name + " needs " + piece.Name + " placed");
            }
        }
    }
    state = std::move(placed);
    return std::nullopt;
}

} // namespace merrowin
