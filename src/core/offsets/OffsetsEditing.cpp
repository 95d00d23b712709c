// The offsets table's handlers over the hull's offsets and the grid.
#include "offsets/OffsetsEditing.h"

#include <cmath>

#include "text/NumberText.h"

namespace merrowin {

namespace {

// A sum of two huge entries can overflow; the model never holds infinity.
double FiniteOrZero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

std::string OffsetsFirstTimeMessage() {
    return "The offsets represent the intersections \n"
           "of chine lines and bulkheads in 3-d.\n"
           "\n"
           "X - width'', Y - height'', Z - length''\n"
           "\n"
           "Click on any offset to change it; units\n"
           "are in decimal inches.\n"
           "\n"
           "Eights: replace decimal with dash; for\n"
           "        example '5-4' equals '5 4/8' or '5.5'\n"
           "        Add '+' or '-' on the right hand to\n"
           "        add or subtract 1/16'' (.0625'')";
}

void OpenOffsetsTable(OffsetsTableState& state, Dialogs& boxes) {
    if (state.MessageShown) {
        return;
    }
    state.MessageShown = true;
    boxes.Message(OffsetsMessageTitle, OffsetsFirstTimeMessage(), MessageButtons::Ok,
                  MessageIcon::None);
}

std::string SelectedCellText(const OffsetsGrid& grid, int row, int column, double yDatum) {
    const std::string text = grid.Cell(row, column);
    if (column == YColumn && yDatum > 0 && EditableCell(grid, row, column)) {
        return BoxText(FiniteOrZero(yDatum - Val(text)));
    }
    return text;
}

bool EditOffsetCell(AppState& app, OffsetsGrid& grid, int row, int column, std::string_view entry,
                    double yDatum, RepaintHub& hub) {
    HullDocument& hull = app.Hull;
    // Label cells are never written: a label such as "1 keel" would become the number 1.
    if (!EditableCell(grid, row, column)) {
        return false;
    }
    const std::optional<Crossing> crossing = CrossingOfRow(row, grid.ChineCount);
    const int chines = ChinesInUse(hull);
    if (!crossing || crossing->Chine > chines) {
        return false;
    }
    app.History.BeginRun({RunKind::OffsetsCell, row * GridColumns + column}, app);
    double value = FiniteOrZero(ParseEntry(entry));
    if (column == YColumn && yDatum > 0) {
        value = FiniteOrZero(yDatum - value);
    }
    // The cell shows the number's text, and the model takes the number that text holds.
    std::string& cell = grid.Cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    cell = BoxText(value);
    const double stored = Val(cell);
    const int b = crossing->Bulkhead;
    const int c = crossing->Chine;
    if (column == XColumn) {
        hull.OffsetX[b][c] = stored;
    } else if (column == YColumn) {
        hull.OffsetY[b][c] = stored;
    } else if (b >= 1 && b <= 3) {
        for (int k = 1; k <= chines; ++k) {
            hull.OffsetZ[b][k] = stored; // an inner bulkhead is a plane across the hull
        }
    } else {
        hull.OffsetZ[b][c] = stored;
    }
    hub.RepaintWindow();
    return true;
}

void OffsetsSelectionMoved(AppState& app) {
    app.History.EndRun(app);
}

void YDatumChanged(OffsetsTableState& state, std::string_view text) {
    state.YDatum = FiniteOrZero(ParseEntry(text));
}

} // namespace merrowin
