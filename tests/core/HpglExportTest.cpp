// Tests of the HPGL export: plotter units and pen selection. The files of a run are the export
// pieces the DXF export tests pin; real plotter files are rendered by cli/patterns_readers.
#include <gtest/gtest.h>

#include "PatternTestSupport.h"
#include "patterns/HpglExport.h"

namespace merrowin {
namespace {

using test::Lines;
using test::Section;

TEST(HpglExport, MovesInPlotterUnitsWithThePenRules) {
    // One inch by a half (1016, 508); floored toward minus infinity; the blanks before y
    // stripped. Pen 0 keeps the first selection until a pen-1 move has been made; "aline" and
    // spline blocks move nothing; bare pen statements give "PD"/"PU" and pen 1.
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
    test::ExpectGolden(
        "patterns/hpgl_export.txt",
        Section("pens", PlotToHpgl(plot, 500, 500)) +
            // Each axis by its own scale.
            Section("scales", PlotToHpgl("0 pendown\r\n250 1000 acut\r\n", 250, 1000)));
}

} // namespace
} // namespace merrowin
