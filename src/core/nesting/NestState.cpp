// The nesting state's small rules: the selected shape, shape names and sheet sizes.
#include "nesting/NestState.h"

#include <algorithm>
#include <cmath>

#include "text/NumberText.h"

namespace merrowin {

namespace {

// The selected shape of a state, const or not.
template <class State> auto* Selected(State& state) {
    const int index = state.SelectedPiece;
    if (index < 0 || index >= static_cast<int>(state.Pieces.size())) {
        return decltype(&state.Pieces[0].Piece){nullptr};
    }
    auto& piece = state.Pieces[static_cast<std::size_t>(index)];
    return state.SelectedIsCopy ? &piece.Copy : &piece.Piece;
}

} // namespace

NestShape* SelectedShape(NestState& state) {
    return Selected(state);
}

const NestShape* SelectedShape(const NestState& state) {
    return Selected(state);
}

std::string ShapeName(const NestPiece& piece, bool isCopy) {
    return isCopy ? "Copy of " + piece.Name : piece.Name;
}

double ClampInches(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return std::clamp(value, -MaxNestInches, MaxNestInches);
}

bool NestOptionChecked(std::string_view option) {
    return Val(option) != 0;
}

std::string NestOptionText(bool checked) {
    return PrintNumber(checked ? 1 : 0);
}

void SetSheetSize(NestSheets& sheets, std::string_view widthText, std::string_view lengthText) {
    sheets.Width = std::clamp(Val(widthText), 0.0, MaxNestInches);
    sheets.Length = std::clamp(Val(lengthText), 0.0, MaxNestInches);
}

void SetSheetCount(NestSheets& sheets, int count) {
    sheets.Count = std::clamp(count, 3, 5);
}

} // namespace merrowin
