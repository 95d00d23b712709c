// Tests of the DXF export: plot files translated entity by entity, and the files of a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "TempFolder.h"
#include "patterns/DxfExport.h"

namespace merrowin {
namespace {

void WriteRaw(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadRaw(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Count(const std::string& dxf, const std::string& entity) {
    const std::vector<std::string> lines = SplitLines(dxf);
    return static_cast<int>(std::count(lines.begin(), lines.end(), entity));
}

const std::string SheetOutline = "start_plot\r\n"
                                 "/* TARVO: 01-02-2027 Xscale: 500 Yscale: 500 */\r\n"
                                 "1 penup\r\n"
                                 "0 0 acut\r\n"
                                 "1 pendown\r\n"
                                 "48000 0 acut\r\n"
                                 "48000 24000 acut\r\n"
                                 "0 24000 acut\r\n"
                                 "0 0 acut\r\n"
                                 "1 penup\r\n"
                                 "end_plot\r\n";

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
    const std::string dxf = PlotToDxf("0 pendown\r\n"
                                      "start_spline\r\n"
                                      "500 0 spline_pt\r\n"
                                      "1000 500 spline_pt\r\n"
                                      "1500 0 spline_pt\r\n"
                                      "end_spline\r\n"
                                      "2000 0 acut\r\n",
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
    EXPECT_EQ(Count(open, "VERTEX"), 2);
    EXPECT_EQ(Count(open, "SEQEND"), 1);
    EXPECT_EQ(Count(PlotToDxf("start_spline\r\n", 1, 1), "POLYLINE"), 0);
}

TEST(DxfExport, ExportDxfWritesTheRunsFilesIntoTheExportFolder) {
    test::TempFolder folder;
    const fs::path exports = folder.Path() / "out";
    fs::create_directories(exports);
    WriteRaw(folder.Path() / "4x8.uc", SheetOutline);
    WriteRaw(folder.Path() / "transom.uc", SheetOutline);
    WriteRaw(folder.Path() / "Stem.uc", SheetOutline); // "Stem (BH 0)" not chosen
    WriteRaw(folder.Path() / "chine1.UC", SheetOutline);
    WriteRaw(folder.Path() / "frame3.uc", SheetOutline);
    // Stale drawings: those of the working folder go, those of the export folder stay.
    WriteRaw(folder.Path() / "chine7.dxf", "old");
    WriteRaw(folder.Path() / "CHINE8.DXF", "old");
    WriteRaw(folder.Path() / "bhead1.dxf", "old");
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
    EXPECT_FALSE(fs::exists(folder.Path() / "chine7.dxf"));
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

} // namespace
} // namespace merrowin
