// Tests of the DXF export: plot files translated entity by entity, and the files of a run.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "patterns/DxfExport.h"

namespace merrowin {
namespace {

using test::Lines;
using test::ReadRaw;
using test::WriteRaw;

int Count(const std::string& dxf, const std::string& entity) {
    return test::CountLines(SplitLines(dxf), entity);
}

const std::string SheetOutline =
    Lines({"start_plot", "/* TARVO: 01-02-2027 Xscale: 500 Yscale: 500 */", "1 penup", "0 0 acut",
           "1 pendown", "48000 0 acut", "48000 24000 acut", "0 24000 acut", "0 0 acut", "1 penup",
           "end_plot"});

TEST(DxfExport, TranslatesLinesWithTheExactGroupCodes) {
    const std::string dxf =
        PlotToDxf("0 penup\r\n250 -125 acut\r\n0 pendown\r\n500 0 aline\r\n", 500, 250);
    EXPECT_EQ(dxf, "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n"
                   "  0\r\nLINE\r\n  8\r\n0\r\n"
                   " 10\r\n .5 \r\n 20\r\n-.5 \r\n 11\r\n 1 \r\n 21\r\n 0 \r\n"
                   "  0\r\nENDSEC\r\n  0\r\nEOF\r\n");

    // The sheet outline: the first corner only moves the pen, four sides are drawn; the
    // header, "start_plot" and "end_plot" give nothing.
    EXPECT_EQ(Count(PlotToDxf(SheetOutline, 500, 500), "LINE"), 4);

    // Pen numbers are lost: "0 pendown" and "1 pendown" both draw, either penup lifts.
    EXPECT_EQ(Count(PlotToDxf("1 pendown\r\n0 0 acut\r\n5 5 acut\r\n0 penup\r\n9 9 acut\r\n"
                              "0 pendown\r\n1 1 acut\r\n1 penup\r\n2 2 acut\r\n",
                              500, 500),
                    "LINE"),
              3);
    // Two blanks before y are not stripped here: y reads as 0.
    EXPECT_NE(PlotToDxf("0 pendown\r\n500  500 acut\r\n", 500, 500).find(" 21\r\n 0 \r\n"),
              std::string::npos);
}

TEST(DxfExport, SplineBlocksBecomePolylines) {
    const std::string dxf =
        PlotToDxf(Lines({"0 pendown", "start_spline", "500 0 spline_pt", "1000 500 spline_pt",
                         "1500 0 spline_pt", "end_spline", "2000 0 acut"}),
                  500, 500);
    EXPECT_EQ(dxf, "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n"
                   "  0\r\nPOLYLINE\r\n  8\r\n0\r\n 66\r\n     1\r\n 10\r\n0.0\r\n 20\r\n0.0\r\n"
                   "  0\r\nVERTEX\r\n  8\r\n0\r\n 10\r\n 1 \r\n 20\r\n 0 \r\n"
                   "  0\r\nVERTEX\r\n  8\r\n0\r\n 10\r\n 2 \r\n 20\r\n 1 \r\n"
                   "  0\r\nVERTEX\r\n  8\r\n0\r\n 10\r\n 3 \r\n 20\r\n 0 \r\n"
                   "  0\r\nSEQEND\r\n"
                   // The block leaves the pen down and its last point as the position.
                   "  0\r\nLINE\r\n  8\r\n0\r\n"
                   " 10\r\n 3 \r\n 20\r\n 0 \r\n 11\r\n 4 \r\n 21\r\n 0 \r\n"
                   "  0\r\nENDSEC\r\n  0\r\nEOF\r\n");

    // A block never closed runs to the end of the file and is closed all the same.
    const std::string open = PlotToDxf("start_spline\r\n0 0 spline_pt\r\n5 5 spline_pt\r\n", 1, 1);
    EXPECT_EQ(Count(open, "SEQEND"), 1);
    EXPECT_EQ(Count(PlotToDxf("start_spline\r\n", 1, 1), "POLYLINE"), 0);
}

TEST(DxfExport, ExportDxfWritesTheRunsFilesIntoTheExportFolder) {
    test::TempFolder folder;
    const fs::path exports = folder.Path() / "out";
    fs::create_directories(exports);
    // "Stem (BH 0)" is not chosen.
    for (const char* name : {"4x8.uc", "transom.uc", "Stem.uc", "chine1.UC", "frame3.uc"}) {
        WriteRaw(folder.Path() / name, SheetOutline);
    }
    // Stale drawings: those of the working folder go, those of the export folder stay.
    for (const char* name : {"chine7.dxf", "CHINE8.DXF", "bhead1.dxf"}) {
        WriteRaw(folder.Path() / name, "old");
    }
    WriteRaw(exports / "chine9.dxf", "old");
    WriteRaw(exports / "chine1.dxf", "old");

    HullDocument hull;
    hull.ChineCount = 2;
    hull.FramePositions[2] = 50;
    WorkingValues work;
    work.Patterns.ExportPath = exports.string() + "/";
    MemoryStatusBar status;
    ExportDxf(folder.Path(), hull, work, status);

    EXPECT_EQ(status.Panel(1), "Done...");
    EXPECT_FALSE(fs::exists(folder.Path() / "CHINE8.DXF"));
    EXPECT_TRUE(fs::exists(folder.Path() / "bhead1.dxf"));
    EXPECT_EQ(ReadRaw(exports / "chine9.dxf"), "old");
    const std::string expected = PlotToDxf(SheetOutline, 500, 500);
    for (const char* name : {"4x8.dxf", "transom.dxf", "chine1.dxf", "frame3.dxf"}) {
        EXPECT_EQ(ReadRaw(exports / name), expected) << name;
    }
    // No plot file, no drawing; an unchosen piece is not exported.
    EXPECT_FALSE(fs::exists(exports / "bhead1.dxf"));
    EXPECT_FALSE(fs::exists(exports / "stem.dxf"));
}

TEST(DxfExport, AnExportThatCannotBeWrittenDoesNotEndInDone) {
    test::TempFolder folder;
    for (const char* name : {"bhead2.uc", "4x8.uc"}) {
        WriteRaw(folder.Path() / name, SheetOutline);
    }
    HullDocument hull;
    hull.ChineCount = 2;
    WorkingValues work;
    work.Patterns.ExportPath = (folder.Path() / "missing").string() + "/";
    MemoryStatusBar status;
    ExportDxf(folder.Path(), hull, work, status);
    EXPECT_EQ(status.Panel(1),
              "Could not write " + (folder.Path() / "missing" / "bhead2.dxf").string());
}

} // namespace
} // namespace merrowin
