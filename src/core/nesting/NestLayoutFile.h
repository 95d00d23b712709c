// A nesting layout as text, for the command line: one placement a line, the piece name (or
// "Copy of " and the name), the handle's X and Y in inches, then flips and turns in order:
//     chine1.uc 48 12 180 flip 90
//     Copy of chine1.uc 150 30 cw cw
// Empty lines and lines starting with "#" are passed over.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "nesting/NestState.h"

namespace merrowin {

// The piece buttons a layout line can name: "flip", "180", "90", "ccw" and "cw".
enum class NestStep { Flip, Half, Quarter, Ccw, Cw };

struct NestPlacement {
    int Line = 0; // from 1
    std::string Name;
    bool IsCopy = false;
    double X = 0, Y = 0;
    std::vector<NestStep> Steps;
};

// A layout holds at most one placement of each piece and of each copy, and a line at most this
// many steps.
inline constexpr int MaxLayoutPlacements = 2 * MaxNestPieces;
inline constexpr int MaxLayoutSteps = 1000;

struct NestLayoutRead {
    std::vector<NestPlacement> Placements;
    std::optional<std::string> Failure; // the first fault, with its line number
};

// Reads a layout's text (any bytes: bounded, never fails).
NestLayoutRead ParseNestLayout(std::string_view text);

// Places the pieces and copies as the layout says, names compared without regard to case, and
// applies each line's steps as the buttons would. Nothing changes when a placement names no
// piece, places a piece or copy twice, or places a copy of a piece it does not place; the
// fault is returned.
std::optional<std::string> ApplyNestLayout(NestState& state,
                                           const std::vector<NestPlacement>& placements);

} // namespace merrowin
