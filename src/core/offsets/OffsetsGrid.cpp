// The offsets table's grid: labels, number cells and the row of each crossing.
#include "offsets/OffsetsGrid.h"

#include "text/NumberText.h"

namespace merrowin {

std::string OffsetsGrid::Cell(int row, int column) const {
    if (row < 0 || row >= Rows() || column < 0 || column >= GridColumns) {
        return {};
    }
    return Cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

std::string SectionLabel(int bulkhead) {
    std::string label = "BH " + IntText(bulkhead);
    if (bulkhead == 0) {
        label += " stem";
    } else if (bulkhead == BulkheadCount - 1) {
        label += " transom";
    }
    return label;
}

std::string ChineLabel(int chine, int chineCount) {
    if (chine == 1) {
        return "1 keel";
    }
    if (chine == chineCount) {
        return IntText(chine) + " sheer";
    }
    return IntText(chine);
}

std::string OffsetCellText(double inches) {
    return FormatNumber(inches, "0.##");
}

OffsetsGrid BuildOffsetsGrid(const HullDocument& hull) {
    OffsetsGrid grid;
    const int n = ChinesInUse(hull);
    grid.ChineCount = n;
    grid.Cells.assign(static_cast<std::size_t>(BulkheadCount * n + 1), {});
    grid.Cells[0] = {"Section", "Chine", "X''", "Y''", "Z''"};
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c <= n; ++c) {
            auto& row = grid.Cells[static_cast<std::size_t>(b * n + c)];
            if (c == 1) {
                row[SectionColumn] = SectionLabel(b);
            }
            row[ChineColumn] = ChineLabel(c, n);
            row[XColumn] = OffsetCellText(hull.OffsetX[b][c]);
            row[YColumn] = OffsetCellText(hull.OffsetY[b][c]);
            row[ZColumn] = OffsetCellText(hull.OffsetZ[b][c]);
        }
    }
    return grid;
}

std::optional<Crossing> CrossingOfRow(int row, int chineCount) {
    if (chineCount < 1 || row < 1 || row > BulkheadCount * chineCount) {
        return std::nullopt;
    }
    const int b = (row - 1) / chineCount;
    return Crossing{b, row - b * chineCount};
}

bool EditableCell(const OffsetsGrid& grid, int row, int column) {
    return column >= XColumn && column <= ZColumn && row >= 1 && row < grid.Rows();
}

} // namespace merrowin
