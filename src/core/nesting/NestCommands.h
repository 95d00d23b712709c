// The nesting window's handlers on its state: the piece list, picking and dragging on the
// sheets, the piece buttons (Flip, 180, 90, CCW, CW, Copy) and the pointer read-out.
#pragma once

#include <string>

#include "nesting/NestState.h"

namespace merrowin {

// The angles (degrees) of the turn buttons "180", "90", "CCW" and "CW".
namespace NestTurn {
inline constexpr double Half = 180, Quarter = 90, Ccw = 0.25, Cw = -0.25;
} // namespace NestTurn

// List1 click on entry `index`: the piece becomes placed and selected (not its copy). An index
// outside the list changes nothing.
void SelectListPiece(NestState& state, int index);

// Mouse down at sheet point (x, y): the placed piece or placed copy whose handle is nearest
// becomes selected, when it lies less than PickReach inches away, and a drag starts. Returns
// whether something was picked.
bool PickPiece(NestState& state, double x, double y);
// Mouse move while a drag is on: the picked shape follows the pointer.
void DragPiece(NestState& state, double x, double y);
// Mouse up: a dragged shape is pushed back inside the sheets; the drag ends.
void ReleasePiece(NestState& state);

// Moves a shape back inside the row of sheets: an outline point left of 0 moves it right by that
// much, one beyond Count x Length moves it left by the excess, and the same across 0 and Width.
void PushInsideSheets(NestShape& shape, const NestSheets& sheets);
// Whether every outline point of the shape lies on the row of sheets (edges included).
bool InsideSheets(const NestShape& shape, const NestSheets& sheets);

// "Flip": mirrors the selected shape about its X axis (every Y negated).
void FlipPiece(NestState& state);
// The flip itself, on one outline.
void FlipShape(NestShape& shape);
// "180", "90", "CCW", "CW": turns the selected shape about its handle by `degrees`, converted
// with NestPi.
void TurnPiece(NestState& state, double degrees);
// The turn itself, on one outline.
void TurnShape(NestShape& shape, double degrees);
// "Copy": the selected piece's copy is placed 3 inches further in X and in Y than the piece.
void CopyPiece(NestState& state);

// The pointer read-out of "-->": the outline point of a placed shape nearest to the pointer
// (searched within 1000 inches), in sheet-row inches, and the caption that reports it.
struct NestReadOut {
    bool Found = false;
    double X = 0, Y = 0;
    std::string Caption;
};
NestReadOut PointReadOut(const NestState& state, double x, double y);

} // namespace merrowin
