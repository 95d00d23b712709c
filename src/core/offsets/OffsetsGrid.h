// The grid of the offsets table (Grid1 of Form5): one row per bulkhead crossing of every chine.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/Hull.h"

namespace merrowin {

// Columns of the grid.
inline constexpr int GridColumns = 5;
inline constexpr int SectionColumn = 0, ChineColumn = 1, XColumn = 2, YColumn = 3, ZColumn = 4;

// The table as the window shows it: 5 N + 1 rows of 5 cells, row 0 the fixed header row.
struct OffsetsGrid {
    int ChineCount = 0; // N the rows were laid out for
    std::vector<std::array<std::string, GridColumns>> Cells;

    int Rows() const { return static_cast<int>(Cells.size()); }
    // The cell's text; empty outside the grid.
    std::string Cell(int row, int column) const;
};

// One bulkhead crossing: bulkhead 0..4, chine 1..N.
struct Crossing {
    int Bulkhead = 0;
    int Chine = 1;
};

// Column 0 on the first row of a bulkhead's block: "BH 0 stem", "BH 1" .. "BH 4 transom".
std::string SectionLabel(int bulkhead);
// Column 1: "1 keel", the plain number for inner chines, "N sheer" for the last.
std::string ChineLabel(int chine, int chineCount);
// An offset as a cell shows it: "0.##" (5.5, 8, 1.24).
std::string OffsetCellText(double inches);

// Form5 load: the grid for the hull's chines, every crossing with its labels and offsets.
OffsetsGrid BuildOffsetsGrid(const HullDocument& hull);

// The crossing a grid row holds (row b N + c); nothing for the header row or a row outside.
std::optional<Crossing> CrossingOfRow(int row, int chineCount);

// Only the X, Y and Z cells of crossing rows take typing; the label columns and the header row
// stay as they are laid out.
bool EditableCell(const OffsetsGrid& grid, int row, int column);

} // namespace merrowin
