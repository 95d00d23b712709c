// The offsets table's handlers: opening, the cell selection, typing into the editor, the Y datum.
// The window keeps Grid1 in step with the OffsetsGrid these change.
#pragma once

#include <string>
#include <string_view>

#include "app/AppState.h"
#include "offsets/OffsetsGrid.h"
#include "ui/RepaintHub.h"
#include "ui/Services.h"

namespace merrowin {

// The offsets table's own values, kept for the whole run.
struct OffsetsTableState {
    double YDatum = 0;         // Text2; above 0 the Y column is typed as depths below it
    bool MessageShown = false; // the first opening in a run explains the table
};

inline constexpr const char* OffsetsMessageTitle = "Offsets Table";
// The explanation shown on the first opening, lines separated by line feeds.
std::string OffsetsFirstTimeMessage();

// "&Offsets Table": the explanation the first time in a run (OK button), nothing after that.
void OpenOffsetsTable(OffsetsTableState& state, Dialogs& boxes);

// Grid1's selection moved to (row, column): the text the editor Text1 shows. A Y cell is shown
// as its depth below the datum while the datum is above 0.
std::string SelectedCellText(const OffsetsGrid& grid, int row, int column, double yDatum);

// Text1 changed while (row, column) is the current cell: the entry in shop notation (ParseEntry
// of text/NumberText.h; a Y entry as a depth below a datum above 0) is stored into the offset and
// the cell. A Z entry at an inner bulkhead is stored for every chine there, so the bulkhead stays
// planar; the other rows' cells keep their text until the grid is built again. The main window is
// repainted after a store. Returns false, changing nothing, for a cell that takes no typing or a
// row the hull no longer has. The entries typed into one cell are one step of the undo history,
// until the window ends it when the selection moves (OffsetsSelectionMoved).
bool EditOffsetCell(AppState& app, OffsetsGrid& grid, int row, int column, std::string_view entry,
                    double yDatum, RepaintHub& hub);

// Grid1's selection moved, or the table was left: the cell's step ends.
void OffsetsSelectionMoved(AppState& app);

// Text2 changed: the Y datum the text gives in shop notation.
void YDatumChanged(OffsetsTableState& state, std::string_view text);

} // namespace merrowin
