// Tests of the HPGL export: plotter units, pen selection and the files of a run.
#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"
#include "patterns/HpglExport.h"

namespace merrowin {
namespace {

void WriteRaw(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadRaw(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(HpglExport, MovesInPlotterUnitsWithThePenRules) {
    const std::string plot = "start_plot\r\n"
                             "/* TARVO: 01-02-2027 Xscale: 500 Yscale: 500 */\r\n"
                             "0 penup\r\n"
                             "500 250 acut\r\n" // one inch by a half: 1016, 508
                             "0 pendown\r\n"
                             "-150 1 acut\r\n" // floors toward minus infinity
                             "1 penup\r\n"
                             "7 7 acut\r\n"
                             "1 pendown\r\n"
                             "8  8 acut\r\n" // the blanks before y are stripped
                             "0 pendown\r\n"
                             "9 9 acut\r\n"
                             "500 500 aline\r\n"
                             "start_spline\r\n"
                             "500 500 spline_pt\r\n"
                             "end_spline\r\n"
                             "pendown\r\n"
                             "10 10 acut\r\n"
                             "penup\r\n"
                             "11 11 acut\r\n"
                             "end_plot\r\n";
    // Pen 0 keeps the first selection until a pen-1 move has been made; "aline" and spline
    // blocks move nothing; bare pen statements give "PD"/"PU" and pen 1.
    EXPECT_EQ(PlotToHpgl(plot, 500, 500), "SP 1;\r\n"
                                          "PU  1016,  508;\r\n"
                                          "PD -305,  2;\r\n"
                                          "SP 1;\r\n"
                                          "PU  14,  14;\r\n"
                                          "PD  16,  16;\r\n"
                                          "SP 3;\r\n"
                                          "PD  18,  18;\r\n"
                                          "SP 1;\r\n"
                                          "PD 20,  20;\r\n"
                                          "PU 22,  22;\r\n");
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
