// The nesting window's handlers: list, pick, drag and release, flips, turns, copies and the
// pointer read-out.
#include "nesting/NestCommands.h"

#include <cmath>

#include "model/Constants.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

// Every placed shape of the state, piece before copy, with its index and kind.
template <class Visit> void ForEachPlaced(const NestState& state, Visit visit) {
    for (std::size_t i = 0; i < state.Pieces.size(); ++i) {
        const NestPiece& piece = state.Pieces[i];
        if (piece.Piece.Placed) {
            visit(static_cast<int>(i), false, piece.Piece);
        }
        if (piece.Copy.Placed) {
            visit(static_cast<int>(i), true, piece.Copy);
        }
    }
}

} // namespace

void SelectListPiece(NestState& state, int index) {
    if (index < 0 || index >= static_cast<int>(state.Pieces.size())) {
        return;
    }
    state.Pieces[static_cast<std::size_t>(index)].Piece.Placed = true;
    state.SelectedPiece = index;
    state.SelectedIsCopy = false;
}

// Only placed shapes are candidates: an unplaced one is not drawn, and a pick of it would
// steal the press from the visible shape beside it.
bool PickPiece(NestState& state, double x, double y) {
    state.Dragging = false;
    double nearest = PickReach;
    int found = -1;
    bool foundCopy = false;
    ForEachPlaced(state, [&](int index, bool isCopy, const NestShape& shape) {
        const double distance = std::hypot(shape.PositionX - x, shape.PositionY - y);
        if (distance < nearest) {
            nearest = distance;
            found = index;
            foundCopy = isCopy;
        }
    });
    if (found < 0) {
        return false;
    }
    state.SelectedPiece = found;
    state.SelectedIsCopy = foundCopy;
    const NestShape& shape = *SelectedShape(state);
    state.GrabX = x - shape.PositionX;
    state.GrabY = y - shape.PositionY;
    state.Dragging = true;
    return true;
}

void DragPiece(NestState& state, double x, double y) {
    NestShape* shape = SelectedShape(state);
    if (!state.Dragging || shape == nullptr) {
        return;
    }
    shape->PositionX = ClampInches(x - state.GrabX);
    shape->PositionY = ClampInches(y - state.GrabY);
}

// The release only pushes the shape inside; the further look at its Y against 0.5, W - 0.5,
// 0.9 W and 1.1 W that could follow is left out (what it was for is unknown).
void ReleasePiece(NestState& state) {
    NestShape* shape = SelectedShape(state);
    if (state.Dragging && shape != nullptr) {
        PushInsideSheets(*shape, state.Sheets);
    }
    state.Dragging = false;
}

namespace {

// The outline's extremes relative to the handle.
struct Extent {
    double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
};

Extent ExtentOf(const NestShape& shape) {
    Extent e;
    if (!shape.Points.empty()) {
        e = {shape.Points[0].X, shape.Points[0].X, shape.Points[0].Y, shape.Points[0].Y};
    }
    for (const NestPoint& p : shape.Points) {
        e.MinX = std::fmin(e.MinX, p.X);
        e.MaxX = std::fmax(e.MaxX, p.X);
        e.MinY = std::fmin(e.MinY, p.Y);
        e.MaxY = std::fmax(e.MaxY, p.Y);
    }
    return e;
}

} // namespace

void PushInsideSheets(NestShape& shape, const NestSheets& sheets) {
    if (shape.Points.empty()) {
        return;
    }
    const Extent e = ExtentOf(shape);
    const double rowLength = sheets.Count * sheets.Length;
    // Absolute extremes: position plus outline point. Left and top first, so a shape larger than
    // the sheets ends up pushed against their far edge.
    if (shape.PositionX + e.MinX < 0) {
        shape.PositionX -= shape.PositionX + e.MinX;
    }
    if (shape.PositionX + e.MaxX > rowLength) {
        shape.PositionX -= shape.PositionX + e.MaxX - rowLength;
    }
    if (shape.PositionY + e.MinY < 0) {
        shape.PositionY -= shape.PositionY + e.MinY;
    }
    if (shape.PositionY + e.MaxY > sheets.Width) {
        shape.PositionY -= shape.PositionY + e.MaxY - sheets.Width;
    }
}

bool InsideSheets(const NestShape& shape, const NestSheets& sheets) {
    const Extent e = ExtentOf(shape);
    return shape.PositionX + e.MinX >= 0 &&
           shape.PositionX + e.MaxX <= sheets.Count * sheets.Length &&
           shape.PositionY + e.MinY >= 0 && shape.PositionY + e.MaxY <= sheets.Width;
}

void FlipShape(NestShape& shape) {
    for (NestPoint& p : shape.Points) {
        p.Y = -p.Y;
    }
}

void FlipPiece(NestState& state) {
    if (NestShape* shape = SelectedShape(state)) {
        FlipShape(*shape);
    }
}

void TurnShape(NestShape& shape, double degrees) {
    const double t = degrees * ShortDegreesToRadians; // repeated turns drift, as they always have
    const double c = std::cos(t), s = std::sin(t);
    for (NestPoint& p : shape.Points) {
        const double x = p.X * c - p.Y * s;
        const double y = p.X * s + p.Y * c;
        p.X = x;
        p.Y = y;
    }
}

void TurnPiece(NestState& state, double degrees) {
    if (NestShape* shape = SelectedShape(state)) {
        TurnShape(*shape, degrees);
    }
}

void CopyPiece(NestState& state) {
    if (state.SelectedPiece < 0 || state.SelectedPiece >= static_cast<int>(state.Pieces.size())) {
        return;
    }
    NestPiece& piece = state.Pieces[static_cast<std::size_t>(state.SelectedPiece)];
    piece.Copy.Placed = true;
    piece.Copy.PositionX = ClampInches(piece.Piece.PositionX + 3);
    piece.Copy.PositionY = ClampInches(piece.Piece.PositionY + 3);
}

NestReadOut PointReadOut(const NestState& state, double x, double y) {
    NestReadOut out;
    double nearest = 1000;
    ForEachPlaced(state, [&](int, bool, const NestShape& shape) {
        for (const NestPoint& p : shape.Points) {
            const double px = shape.PositionX + p.X, py = shape.PositionY + p.Y;
            const double distance = std::hypot(px - x, py - y);
            if (distance < nearest) {
                nearest = distance;
                out.Found = true;
                out.X = px;
                out.Y = py;
            }
        }
    });
    if (!out.Found) {
        return out;
    }
    // The caption names the selected piece, whichever piece the point belongs to.
    std::string name;
    if (state.SelectedPiece >= 0 && state.SelectedPiece < static_cast<int>(state.Pieces.size())) {
        name = state.Pieces[static_cast<std::size_t>(state.SelectedPiece)].Name;
    }
    out.Caption = name + ": " + FormatNumber(out.X, "0.00") + "'' " + FormatNumber(out.Y, "0.00") +
                  "'' (" + InchesEighths(out.X) + "'' " + InchesEighths(out.Y) + "'')";
    return out;
}

} // namespace merrowin
