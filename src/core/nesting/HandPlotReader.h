// Reading the hand plotting listing back as the nesting window's pieces: names, outlines centred
// on their boxes, and the first positions.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/Files.h"
#include "nesting/NestState.h"

namespace merrowin {

inline constexpr const char* NestHandPlotName = "handplot.txt";
inline constexpr const char* NestWindowCaption = "Pattern Nesting";
inline constexpr const char* NoHandPlotCaption = "No handplot.txt";

struct HandPlotPieces {
    bool Found = false; // the file was there and could be read
    // The window caption the file gives: its first line from 8 characters before the first "."
    // to the end, trimmed; "No handplot.txt" for a missing file; nothing when the first line has
    // no "." that far in (the caption stays as it was).
    std::optional<std::string> Caption;
    std::string HullFileName;      // the hull named by the title line, "" when it names none
    std::vector<NestPiece> Pieces; // none placed; positions put each box in sheet 1's corner
    bool PiecesCut = false;        // the file held more than MaxNestPieces pieces
    bool PointsCut = false;        // a piece held more than MaxNestPoints points
};

// The pieces of a hand plot listing's text (any bytes: bounded, never fails).
HandPlotPieces ParseHandPlot(std::string_view text);

// The pieces of the hand plot file in the folder.
HandPlotPieces ReadHandPlot(const fs::path& folder, std::string_view name = NestHandPlotName);

// The caption the window shows after reading: the file's caption (or the window's own), followed
// by what was left out when the file held more than the window can keep.
std::string NestCaption(const HandPlotPieces& read);

// Starts the nesting over with these pieces: nothing selected or dragged; the sheets stay.
void UsePieces(NestState& state, std::vector<NestPiece> pieces);

} // namespace merrowin
