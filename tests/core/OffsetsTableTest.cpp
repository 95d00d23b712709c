// The offsets table: its grid, the editor's selection and edit steps, the Y datum and the print.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "Golden.h"
#include "TestSupport.h"
#include "offsets/OffsetsEditing.h"
#include "offsets/OffsetsGrid.h"
#include "offsets/OffsetsPrint.h"

namespace merrowin {
namespace {

// The started application with a window that counts its repaints, and the table built over it.
class OffsetsTable : public ::testing::Test {
protected:
    OffsetsTable() { ResetToStartup(app); }
    void Build() { grid = BuildOffsetsGrid(app.Hull); }
    bool Type(int row, int column, const char* entry, double yDatum = 0) {
        return EditOffsetCell(app.Hull, grid, row, column, entry, yDatum, window);
    }

    AppState app;
    HeadlessWindow window{app, HeadlessWindow::Drawing::Discard};
    OffsetsGrid grid;
};

TEST_F(OffsetsTable, GridHasOneBlockOfRowsPerBulkhead) {
    app.Hull.ChineCount = 6;
    app.Hull.OffsetX[1][1] = 1.236;
    app.Hull.OffsetY[1][1] = 8;
    app.Hull.OffsetZ[1][1] = 5.5;
    Build();
    ASSERT_EQ(grid.Rows(), 31);
    EXPECT_EQ(grid.Cells[0],
              (std::array<std::string, GridColumns>{"Section", "Chine", "X''", "Y''", "Z''"}));
    // Row 7 is chine 1 of bulkhead 1; the section name stands on the block's first row only.
    EXPECT_EQ(grid.Cells[7],
              (std::array<std::string, GridColumns>{"BH 1", "1 keel", "1.24", "8", "5.5"}));
    EXPECT_EQ(grid.Cell(8, SectionColumn), "");
    EXPECT_EQ(grid.Cell(8, ChineColumn), "2");
    EXPECT_EQ(grid.Cell(12, ChineColumn), "6 sheer");
    EXPECT_EQ(grid.Cell(1, SectionColumn), "BH 0 stem");
    EXPECT_EQ(grid.Cell(25, SectionColumn), "BH 4 transom");
    EXPECT_EQ(grid.Cell(31, XColumn), "");

    // Every row maps back to its own crossing; the header row and rows past the end to none.
    for (int row = 1; row <= 30; ++row) {
        const std::optional<Crossing> crossing = CrossingOfRow(row, 6);
        ASSERT_TRUE(crossing.has_value()) << row;
        EXPECT_EQ(crossing->Bulkhead * 6 + crossing->Chine, row);
        EXPECT_GE(crossing->Chine, 1);
        EXPECT_LE(crossing->Chine, 6);
    }
    EXPECT_FALSE(CrossingOfRow(0, 6));
    EXPECT_FALSE(CrossingOfRow(31, 6));
    EXPECT_FALSE(CrossingOfRow(1, 0));
}

TEST_F(OffsetsTable, ShopNotationTypedIntoAnXCell) {
    Build();
    const int row = 2 * 4 + 3; // bulkhead 2, chine 3
    ASSERT_TRUE(Type(row, XColumn, "5-4"));
    EXPECT_EQ(app.Hull.OffsetX[2][3], 5.5);
    EXPECT_EQ(grid.Cell(row, XColumn), "5.5");
    EXPECT_EQ(window.WindowRepaints(), 1);
    // Each keystroke stores again: "5-4+" then "5-4+" with a digit typed before the dash.
    ASSERT_TRUE(Type(row, XColumn, "5-4+"));
    EXPECT_EQ(app.Hull.OffsetX[2][3], 5.5625);
    ASSERT_TRUE(Type(row, XColumn, "junk"));
    EXPECT_EQ(app.Hull.OffsetX[2][3], 0);
    EXPECT_EQ(grid.Cell(row, XColumn), "0");
}

TEST_F(OffsetsTable, LabelCellsAndVanishedRowsTakeNoTyping) {
    Build();
    const HullDocument before = app.Hull;
    EXPECT_FALSE(Type(1, ChineColumn, "7"));
    EXPECT_FALSE(Type(1, SectionColumn, "7"));
    EXPECT_FALSE(Type(0, XColumn, "7"));
    EXPECT_FALSE(Type(21, XColumn, "7"));
    EXPECT_EQ(grid.Cell(1, ChineColumn), "1 keel");
    // The grid was laid out for 4 chines; the hull has 3 now, so chine 4's rows are gone.
    app.Hull.ChineCount = 3;
    EXPECT_FALSE(Type(4, XColumn, "7"));
    EXPECT_EQ(app.Hull.OffsetX, before.OffsetX);
    EXPECT_EQ(window.WindowRepaints(), 0);
    // The editor still shows a label cell's text when it is selected.
    EXPECT_EQ(SelectedCellText(grid, 5, SectionColumn, 40), "BH 1");
}

TEST_F(OffsetsTable, YDatumRoundTrip) {
    app.Hull.OffsetY[1][2] = 35;
    Build();
    OffsetsTableState state;
    YDatumChanged(state, "40");
    const int row = 4 + 2;
    // The Y cell of 35 shows as 5 below the datum; typing 7 stores 33, which the cell shows.
    EXPECT_EQ(SelectedCellText(grid, row, YColumn, state.YDatum), "5");
    ASSERT_TRUE(Type(row, YColumn, "7", state.YDatum));
    EXPECT_EQ(app.Hull.OffsetY[1][2], 33);
    EXPECT_EQ(grid.Cell(row, YColumn), "33");
    EXPECT_EQ(SelectedCellText(grid, row, YColumn, state.YDatum), "7");
    // X and Z cells ignore the datum; a datum of 0 shows and stores Y itself.
    EXPECT_EQ(SelectedCellText(grid, row, ZColumn, state.YDatum), grid.Cell(row, ZColumn));
    YDatumChanged(state, "39-4");
    EXPECT_EQ(state.YDatum, 39.5);
    YDatumChanged(state, "");
    EXPECT_EQ(SelectedCellText(grid, row, YColumn, state.YDatum), "33");
    ASSERT_TRUE(Type(row, YColumn, "7", state.YDatum));
    EXPECT_EQ(app.Hull.OffsetY[1][2], 7);
}

TEST_F(OffsetsTable, ZAtAnInnerBulkheadKeepsItPlanar) {
    app.Hull.ChineCount = 6;
    Build();
    const HullDocument before = app.Hull;
    ASSERT_TRUE(Type(2 * 6 + 4, ZColumn, "60")); // any chine of "BH 2"
    // The repaint normalises the offsets and derives the curves: the bulkhead is still a plane.
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(app.Hull.OffsetZ[2][c], 60) << c;
        EXPECT_EQ(app.Hull.SplinePoints[c][7][3], 60) << c;
    }
    for (int b : {0, 1, 3, 4}) {
        EXPECT_EQ(app.Hull.OffsetZ[b], before.OffsetZ[b]) << b;
    }
    // Only the typed cell changes; the other rows show the new Z when the grid is built again.
    EXPECT_EQ(grid.Cell(2 * 6 + 1, ZColumn), OffsetCellText(before.OffsetZ[2][1]));
    // At the transom each chine keeps a Z of its own.
    ASSERT_TRUE(Type(4 * 6 + 6, ZColumn, "150"));
    EXPECT_EQ(app.Hull.OffsetZ[4][6], 150);
    EXPECT_EQ(app.Hull.OffsetZ[4][5], before.OffsetZ[4][5]);
}

TEST_F(OffsetsTable, OverflowingEntryStoresZero) {
    Build();
    ASSERT_TRUE(Type(5, XColumn, "1.7e308-1.7e308"));
    EXPECT_EQ(app.Hull.OffsetX[1][1], 0);
    OffsetsTableState state;
    YDatumChanged(state, "1.7e308-1.7e308");
    EXPECT_EQ(state.YDatum, 0);
    ASSERT_TRUE(Type(5, YColumn, "-1.7e308", 1.7e308));
    EXPECT_TRUE(std::isfinite(app.Hull.OffsetY[1][1]));
}

TEST(OffsetsTableMessage, ShownOnTheFirstOpeningOnly) {
    OffsetsTableState state;
    ScriptedDialogs boxes;
    OpenOffsetsTable(state, boxes);
    OpenOffsetsTable(state, boxes);
    EXPECT_EQ(boxes.Asked, std::vector<std::string>{"Offsets Table"});
    test::ExpectGolden("offsets/first_time_message.txt", OffsetsFirstTimeMessage());
}

TEST(OffsetsTablePrint, FourChineHullPrintsFiveBlocks) {
    const AppState app = test::StartupApp();
    const std::vector<std::string> lines = OffsetsPrintLines(app.Hull);
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    test::ExpectGolden("offsets/print_default.txt", text);
    // Six heading lines, then five blocks of four value lines and an empty line.
    ASSERT_EQ(lines.size(), 6u + 5u * 5u);
    for (int b = 0; b < 5; ++b) {
        const std::size_t first = 6 + 5 * static_cast<std::size_t>(b);
        EXPECT_EQ(lines[first].rfind("BH " + std::to_string(b), 0), 0u) << b;
        EXPECT_EQ(lines[first + 3].substr(0, 28), "              4 sheer       ");
        EXPECT_EQ(lines[first + 4], "");
    }
}

} // namespace
} // namespace merrowin
