// Tests of the DXF export: plot files translated entity by entity, and the files of a run.
#include <gtest/gtest.h>

#include "PatternTestSupport.h"
#include "patterns/DxfExport.h"

namespace merrowin {
namespace {

using test::Lines;
using test::Section;

const std::string SheetOutline =
    Lines({"start_plot", "/* TARVO: 01-02-2027 Xscale: 500 Yscale: 500 */", "1 penup", "0 0 acut",
           "1 pendown", "48000 0 acut", "48000 24000 acut", "0 24000 acut", "0 0 acut", "1 penup",
           "end_plot"});

TEST(DxfExport, TranslatesPlotStatementsIntoEntities) {
    const std::string dxf =
        // Each axis by its own scale; "aline" draws like "acut".
        Section("line",
                PlotToDxf("0 penup\r\n250 -125 acut\r\n0 pendown\r\n500 0 aline\r\n", 500, 250)) +
        // The first corner only moves the pen; four sides are drawn; the header, "start_plot"
        // and "end_plot" give nothing.
        Section("sheet", PlotToDxf(SheetOutline, 500, 500)) +
        // Pen numbers are lost: "0 pendown" and "1 pendown" both draw, either penup lifts.
        Section("pens", PlotToDxf("1 pendown\r\n0 0 acut\r\n5 5 acut\r\n0 penup\r\n9 9 acut\r\n"
                                  "0 pendown\r\n1 1 acut\r\n1 penup\r\n2 2 acut\r\n",
                                  500, 500)) +
        // Two blanks before y are not stripped here: y reads as 0.
        Section("two blanks", PlotToDxf("0 pendown\r\n500  500 acut\r\n", 500, 500)) +
        // A spline block is a polyline; it leaves the pen down and its last point as the
        // position.
        Section("spline", PlotToDxf(Lines({"0 pendown", "start_spline", "500 0 spline_pt",
                                           "1000 500 spline_pt", "1500 0 spline_pt", "end_spline",
                                           "2000 0 acut"}),
                                    500, 500)) +
        // A block never closed runs to the end of the file and is closed all the same; one
        // with no line after it draws nothing.
        Section("open spline",
                PlotToDxf("start_spline\r\n0 0 spline_pt\r\n5 5 spline_pt\r\n", 1, 1)) +
        Section("bare spline", PlotToDxf("start_spline\r\n", 1, 1));
    test::ExpectGolden("patterns/dxf_export.txt", dxf);
}

// Stale "chine*.dxf" files of the working folder go in a whole run (PatternRunTest).
TEST(DxfExport, ExportDxfAddsTheRunsPiecesAndFailsForOneNotPlotted) {
    HullDocument hull;
    hull.ChineCount = 2;
    hull.FramePositions[2] = 50;
    const PatternRun run = test::TestRun(); // "Stem (BH 0)" is not chosen
    FileBatch files;
    for (const char* name :
         {"4x8.uc", "bhead1.uc", "bhead2.uc", "bhead3.uc", "Stem.uc", "chine1.UC", "frame3.uc"}) {
        files.Put(run.Folder, name, SheetOutline);
    }
    MemoryStatusBar status;
    // "transom.uc" is missing: the export fails, naming it, and does the others all the same.
    EXPECT_EQ(ExportDxf(run, hull, files, status).Text(), "Could not read transom.uc");
    EXPECT_EQ(status.Panel(1), "Done...");
    const std::string expected = PlotToDxf(SheetOutline, 500, 500);
    for (const char* name : {"4x8.dxf", "bhead3.dxf", "chine1.dxf", "frame3.dxf"}) {
        const std::string* dxf = files.Find(run.ExportFolder, name);
        ASSERT_NE(dxf, nullptr) << name;
        EXPECT_EQ(*dxf, expected) << name;
    }
    EXPECT_EQ(files.Find(run.ExportFolder, "stem.dxf"), nullptr); // not chosen
    EXPECT_EQ(files.Size(), 7u + 6u);
}

} // namespace
} // namespace merrowin
