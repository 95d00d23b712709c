// The offsets table: its grid, the editor's selection and edit steps, the Y datum and the print.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "offsets/OffsetsEditing.h"
#include "offsets/OffsetsGrid.h"
#include "offsets/OffsetsPrint.h"

namespace merrowin {
namespace {

// The started application with a window that counts its repaints, and the table built over it.
class OffsetsTable : public ::testing::Test {
protected:
    void Build(int chines) {
        app.Hull.ChineCount = chines;
        grid = BuildOffsetsGrid(app.Hull);
    }
    bool Type(int row, int column, const char* entry, double yDatum = 0) {
        return EditOffsetCell(app, grid, row, column, entry, yDatum, window);
    }

    AppState app = test::StartupApp();
    HeadlessWindow window{app, HeadlessWindow::Drawing::Discard};
    OffsetsGrid grid;
};

TEST_F(OffsetsTable, GridHasOneBlockOfRowsPerBulkhead) {
    app.Hull.OffsetX[1][1] = 1.236;
    Build(6);
    ASSERT_EQ(grid.Rows(), 31);
    // Row 7 is chine 1 of bulkhead 1; the section name stands on the block's first row only.
    EXPECT_EQ(grid.Cells[7],
              (std::array<std::string, GridColumns>{"BH 1", "1 keel", "1.24", "0", "28"}));
    EXPECT_EQ(grid.Cell(8, SectionColumn), "");
    EXPECT_EQ(grid.Cell(12, ChineColumn), "6 sheer");
    EXPECT_EQ(grid.Cell(30, SectionColumn), "");
    EXPECT_EQ(CrossingOfRow(30, 6)->Bulkhead, 4);
    EXPECT_EQ(CrossingOfRow(30, 6)->Chine, 6);
    EXPECT_FALSE(CrossingOfRow(31, 6));
}

TEST_F(OffsetsTable, ShopNotationTypedIntoAnXCell) {
    Build(4);
    ASSERT_TRUE(Type(11, XColumn, "5-4")); // bulkhead 2, chine 3
    EXPECT_EQ(app.Hull.OffsetX[2][3], 5.5);
    EXPECT_EQ(grid.Cell(11, XColumn), "5.5");
    EXPECT_EQ(window.WindowRepaints(), 1);
    // An entry whose halves overflow together stores 0, never infinity.
    ASSERT_TRUE(Type(11, XColumn, "1.7e308-1.7e308"));
    EXPECT_EQ(app.Hull.OffsetX[2][3], 0);
}

TEST_F(OffsetsTable, LabelCellsAndVanishedRowsTakeNoTyping) {
    Build(4);
    EXPECT_FALSE(Type(1, ChineColumn, "7"));
    EXPECT_EQ(grid.Cell(1, ChineColumn), "1 keel");
    // The grid was laid out for 4 chines; the hull has 3 now, so chine 4's rows are gone.
    app.Hull.ChineCount = 3;
    EXPECT_FALSE(Type(4, XColumn, "7"));
    EXPECT_EQ(app.Hull.OffsetX[0][4], test::StartupApp().Hull.OffsetX[0][4]);
    EXPECT_EQ(window.WindowRepaints(), 0);
}

TEST_F(OffsetsTable, YDatumRoundTrip) {
    app.Hull.OffsetY[1][2] = 35;
    Build(4);
    OffsetsTableState state;
    YDatumChanged(state, "40");
    // The Y cell of 35 shows as 5 below the datum; typing 7 stores 33, which the cell shows.
    EXPECT_EQ(SelectedCellText(grid, 6, YColumn, state.YDatum), "5");
    ASSERT_TRUE(Type(6, YColumn, "7", state.YDatum));
    EXPECT_EQ(app.Hull.OffsetY[1][2], 33);
    EXPECT_EQ(grid.Cell(6, YColumn), "33");
    EXPECT_EQ(SelectedCellText(grid, 6, YColumn, state.YDatum), "7");
    // Without a datum Y is shown and typed as it is.
    YDatumChanged(state, "");
    EXPECT_EQ(SelectedCellText(grid, 6, YColumn, state.YDatum), "33");
}

TEST_F(OffsetsTable, ZAtAnInnerBulkheadKeepsItPlanar) {
    Build(6);
    const HullDocument before = app.Hull;
    ASSERT_TRUE(Type(2 * 6 + 4, ZColumn, "60")); // any chine of "BH 2"
    // After the repaint's derivation every chine crosses bulkhead 2 at 60.
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(app.Hull.OffsetZ[2][c], 60) << c;
        EXPECT_EQ(app.Hull.SplinePoints[c][7][3], 60) << c;
    }
    EXPECT_EQ(app.Hull.OffsetZ[3], before.OffsetZ[3]);
    // At the transom each chine keeps a Z of its own.
    ASSERT_TRUE(Type(4 * 6 + 6, ZColumn, "150"));
    EXPECT_EQ(app.Hull.OffsetZ[4][5], before.OffsetZ[4][5]);
}

TEST(OffsetsTableText, MessageOnceAndTheFourChinePrint) {
    OffsetsTableState state;
    ScriptedDialogs boxes;
    OpenOffsetsTable(state, boxes);
    OpenOffsetsTable(state, boxes);
    EXPECT_EQ(boxes.Asked, std::vector<std::string>{"Offsets Table"});
    test::ExpectGolden("offsets/first_time_message.txt", OffsetsFirstTimeMessage());

    const std::vector<std::string> lines = OffsetsPrintLines(test::StartupApp().Hull);
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    test::ExpectGolden("offsets/print_default.txt", text);
    // Five blocks of four value lines, each after an empty line.
    EXPECT_EQ(test::CountLines(lines, ""), 8);
    EXPECT_EQ(lines.size(), 6u + 5u * 5u);
}

} // namespace
} // namespace merrowin
