// Tests of the panel report as the window reads it back: the tolerance a box takes, the lines
// marked as outside a tolerance, the run's verdict; and the full-size window's done text.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "patterns/PanelReport.h"
#include "patterns/PanelReportFile.h"
#include "tiles/FullSizeChoice.h"

namespace merrowin {
namespace {

TEST(PanelReportFile, ToleranceBoxesTakeDecimalsAndFractionsWithinAnInch) {
    struct Case {
        const char* Text;
        std::optional<double> Inches;
    };
    const Case cases[] = {
        {"0.03125", 1.0 / 32},
        {" 1/32 ", 1.0 / 32},
        {".0625", 1.0 / 16},
        {"0,5", 0.5},
        {"1", 1.0},
        {"1 / 64", 1.0 / 64},
        {"", std::nullopt},
        {"0", std::nullopt},
        {"-0.1", std::nullopt},
        {"1.5", std::nullopt},
        {"32/1", std::nullopt},
        {"1/0", std::nullopt},
        {"1/32in", std::nullopt},
        {"abc", std::nullopt},
        {"1e999", std::nullopt},
        {"nan", std::nullopt},
        {"/", std::nullopt},
        {"1/2/3", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseTolerance(c.Text), c.Inches) << '"' << c.Text << '"';
    }
    // What a box shows reads back as the same tolerance.
    for (const double inches : {1.0 / 32, 1.0 / 16, 0.5, 1.0}) {
        EXPECT_EQ(ParseTolerance(ToleranceText(inches)), inches) << inches;
    }
}

// The default hull's report: the seams, diagonals and verdicts that fail are marked, the passing
// ones and the run's header (which names the tolerances) are not.
TEST(PanelReportFile, MarksTheFailingLinesOfTheDefaultHullReport) {
    const std::string text = test::ReadRaw(fs::path(MERROWIN_TEST_DATA) / "patterns/panels.txt");
    const std::vector<std::string> lines = SplitLines(text);
    std::vector<int> marked;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (PanelReportLineFails(lines[i])) {
            marked.push_back(static_cast<int>(i + 1));
        }
    }
    EXPECT_EQ(marked, (std::vector<int>{13, 14, 15, 54, 57, 64, 67, 76, 77, 88}));
    EXPECT_EQ(PanelReportRunVerdict(lines), "4 panels outside the tolerances");
    EXPECT_FALSE(PanelReportLineFails("  Verdict: " + std::string("every panel and bulkhead "
                                                                  "within the tolerances")));
    EXPECT_EQ(PanelReportRunVerdict({"Panel report", "  Size: 1 x 2 in"}), "");
}

TEST(FullSizeChoice, DoneTextCountsPagesAndPiecesLeftOut) {
    TileDocument document;
    document.Pages.resize(1);
    EXPECT_EQ(FullSizeDoneText("patterns.pdf", document), "patterns.pdf: 1 page");
    document.Pages.resize(12);
    document.LeftOut = {"keel (no plot file)", "deck (no plot file)"};
    EXPECT_EQ(FullSizeDoneText("a.pdf", document),
              "a.pdf: 12 pages; 2 pieces left out (see the map)");
}

} // namespace
} // namespace merrowin
