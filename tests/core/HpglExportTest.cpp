// Tests of the HPGL export: plotter units, pen selection and the files of a run.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "patterns/HpglExport.h"

namespace merrowin {
namespace {

using test::Lines;
using test::ReadRaw;
using test::WriteRaw;

TEST(HpglExport, MovesInPlotterUnitsWithThePenRules) {
    // One inch by a half (1016, 508); floored toward minus infinity; the blanks before y
    // stripped.
    const std::string plot = Lines({"start_plot",
                                    "/* TARVO: 01-02-2027 Xscale: 500 Yscale: 500 */",
                                    "0 penup",
                                    "500 250 acut",
                                    "0 pendown",
                                    "-150 1 acut",
                                    "1 penup",
                                    "7 7 acut",
                                    "1 pendown",
                                    "8  8 acut",
                                    "0 pendown",
                                    "9 9 acut",
                                    "500 500 aline",
                                    "start_spline",
                                    "500 500 spline_pt",
                                    "end_spline",
                                    "pendown",
                                    "10 10 acut",
                                    "penup",
                                    "11 11 acut",
                                    "end_plot"});
    // Pen 0 keeps the first selection until a pen-1 move has been made; "aline" and spline
    // blocks move nothing; bare pen statements give "PD"/"PU" and pen 1.
    EXPECT_EQ(
        PlotToHpgl(plot, 500, 500),
        Lines({"SP 1;", "PU  1016,  508;", "PD -305,  2;", "SP 1;", "PU  14,  14;", "PD  16,  16;",
               "SP 3;", "PD  18,  18;", "SP 1;", "PD 20,  20;", "PU 22,  22;"}));
    // Each axis by its own scale.
    EXPECT_EQ(PlotToHpgl("0 pendown\r\n250 1000 acut\r\n", 250, 1000),
              "SP 1;\r\nPD  1016,  1016;\r\n");
}

TEST(HpglExport, ExportHpglWritesTheRunsFilesIntoTheExportFolder) {
    test::TempFolder folder;
    const fs::path exports = folder.Path() / "plots";
    fs::create_directories(exports);
    const std::string plot = "0 penup\r\n500 0 acut\r\n";
    for (const char* name : {"transom.uc", "bhead2.uc", "deck.uc", "sole2.uc", "4x8.uc",
                             "chine1.UC", "chine2.UC", "chine3.UC"}) {
        WriteRaw(folder.Path() / name, plot);
    }
    WriteRaw(folder.Path() / "chine5.plt", "old");
    WriteRaw(exports / "chine5.plt", "old");

    HullDocument hull;
    hull.ChineCount = 3;
    WorkingValues work;
    work.Patterns.Deck = true;
    work.Patterns.Soles = true;
    work.Patterns.ExportPath = exports.string() + "/";
    MemoryStatusBar status;
    ExportHpgl(folder.Path(), hull, work, status);

    EXPECT_EQ(status.Panel(1), "Done...");
    EXPECT_FALSE(fs::exists(folder.Path() / "chine5.plt"));
    EXPECT_EQ(ReadRaw(exports / "chine5.plt"), "old");
    for (const char* name : {"transom.plt", "bhead2.plt", "deck.plt", "sole2.plt", "4x8.plt",
                             "chine1.plt", "chine2.plt"}) {
        EXPECT_EQ(ReadRaw(exports / name), "SP 1;\r\nPU  1016,  0;\r\n") << name;
    }
    for (const char* name : {"bhead1.plt", "sole1.plt", "chine3.plt", "stem.plt"}) {
        EXPECT_FALSE(fs::exists(exports / name)) << name;
    }
}

} // namespace
} // namespace merrowin
