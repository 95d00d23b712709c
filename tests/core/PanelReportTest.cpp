// Tests of the panel report: developable and twisted panels, seams and girths, scarf joints and
// sheets, the report text of the default hull, and the file a pattern run writes.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "PatternTestSupport.h"
#include "model/ChineCurves.h"
#include "patterns/PanelReport.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"

namespace merrowin {
namespace {

using Point3 = std::array<double, 3>;

// A hull whose chines are given point by point (chine 1.., point 1..13); each bulkhead's offsets
// are the points on it, as the chine curves leave them.
HullDocument HullOf(int chines, const std::function<Point3(int chine, int point)>& at) {
    HullDocument hull;
    hull.ChineCount = chines;
    for (int c = 1; c <= chines; ++c) {
        for (int k = 1; k <= PointsPerChine; ++k) {
            const Point3 p = at(c, k);
            hull.SplinePoints[c][k] = {0, p[0], p[1], p[2]};
        }
        for (int b = 0; b < BulkheadCount; ++b) {
            const auto& p = hull.SplinePoints[c][1 + 3 * b];
            hull.OffsetX[b][c] = p[AxisX];
            hull.OffsetY[b][c] = p[AxisY];
            hull.OffsetZ[b][c] = p[AxisZ];
        }
    }
    return hull;
}

// Chines on a circular cylinder about the y axis, 20 in apart: the panels between them develop
// to rectangles exactly.
HullDocument CylinderHull(double radius) {
    return HullOf(3, [radius](int c, int k) {
        const double a = 0.1 * (k - 1);
        return Point3{radius * std::cos(a), 20.0 * (c - 1), radius * std::sin(a)};
    });
}

// One panel twisted along its length, nothing about it developable.
HullDocument TwistedHull() {
    return HullOf(3, [](int c, int k) {
        const double z = 12.0 * (k - 1), twist = 0.08 * (k - 1) * (c - 1);
        return Point3{20 + 15 * std::sin(twist) + 2 * c, 16.0 * (c - 1) * std::cos(twist), z};
    });
}

// A flat panel 140 in long and 20 in wide, standing upright: bulkheads at 35, 70 and 105 in.
HullDocument PlankHull() {
    return HullOf(2, [](int c, int k) { return Point3{20, 20.0 * (c - 1), 140.0 * (k - 1) / 12}; });
}

PanelReport ReportOf(const HullDocument& hull, const PatternOptions& options = {}) {
    return MakePanelReport(test::TestRun(options), hull);
}

const PanelCheck& Panel(const PanelReport& report, const std::string& name) {
    for (const PanelCheck& panel : report.Panels) {
        if (panel.Name == name) {
            return panel;
        }
    }
    ADD_FAILURE() << "no panel " << name;
    static const PanelCheck none;
    return none;
}

TEST(PanelReport, CylinderPanelsDevelopExactlyAndTheirSeamsMatch) {
    const double radius = 50;
    const PanelReport report = ReportOf(CylinderHull(radius));
    ASSERT_EQ(report.Panels.size(), 2u);
    // Each edge is the chain of 12 chords of the circle, laid out straight.
    const double edge = 12 * 2 * radius * std::sin(0.05);
    for (const PanelCheck& panel : report.Panels) {
        // Only the first rung's placement, with the short pi, bends the flat strip a little.
        EXPECT_LT(panel.DiagonalError, 2e-3) << panel.Name;
        EXPECT_NEAR(panel.Area, edge * 20 / 144, 1e-4) << panel.Name;
        // The leveling fits its line through every plotted point, the forward lower corner's
        // repeats among them, and so turns even a rectangle by a few thousandths of a radian.
        EXPECT_NEAR(panel.Length, edge, 0.1) << panel.Name;
        EXPECT_NEAR(panel.Width, 20, 0.2) << panel.Name;
        EXPECT_NEAR(panel.Seams[0].Length, edge, 1e-6) << panel.Name;
        EXPECT_TRUE(panel.FitsSheet && panel.Joints.empty()) << panel.Name;
        EXPECT_EQ(PanelVerdict(panel), "ok");
    }
    const PanelSeam& upper = Panel(report, "chine1").Seams[1];
    EXPECT_EQ(upper.Partner, "chine2 lower edge");
    EXPECT_LT(upper.Difference, 1e-6);
    ASSERT_EQ(report.Bulkheads.size(), 3u);
    for (const BulkheadGirth& girth : report.Bulkheads) {
        EXPECT_NEAR(girth.Girth, 40, 1e-9);
        EXPECT_LT(girth.Difference, 1e-3);
        EXPECT_TRUE(girth.Ok);
    }
    EXPECT_EQ(report.PanelCount, 4);
    EXPECT_EQ(report.Sheets, 2); // four 60 x 20 in pieces: 4800 sq in, a sheet is 4608
    EXPECT_EQ(PanelReportVerdict(report), "every panel and bulkhead within the tolerances");
}

// A twisted panel fails the default length tolerance; then each tolerance set a little under
// and a little over what the panel measures.
TEST(PanelReport, TwistedPanelShowsItsErrorAndVerdictsNameTheFailingTolerance) {
    const PanelReport measured = ReportOf(TwistedHull());
    const PanelCheck& panel = Panel(measured, "chine2");
    const double seam = panel.Seams[0].Difference, diagonal = panel.DiagonalError;
    ASSERT_GT(seam, 1e-4);
    // Far from developable, and said where: the mean station of the quadrilateral's corners.
    ASSERT_GT(diagonal, 0.1);
    EXPECT_NEAR(panel.DiagonalStation, 12.0 * (panel.DiagonalRung - 1) + 6, 1e-9);
    EXPECT_EQ(PanelVerdict(panel), "fails the length tolerance");
    struct Case {
        double SeamFactor, LengthFactor;
        const char* Verdict;
    };
    for (const Case& c : {Case{1.1, 1.1, "ok"}, Case{0.9, 1.1, "fails the seam tolerance"},
                          Case{1.1, 0.9, "fails the length tolerance"},
                          Case{0.9, 0.9, "fails the seam and length tolerances"}}) {
        PatternOptions options;
        options.Tolerances = {seam * c.SeamFactor, diagonal * c.LengthFactor};
        const PanelReport report = ReportOf(TwistedHull(), options);
        EXPECT_EQ(PanelVerdict(Panel(report, "chine2")), c.Verdict)
            << c.SeamFactor << " " << c.LengthFactor;
        // The other side of the seam fails with it.
        EXPECT_EQ(Panel(report, "chine1").SeamsOk, c.SeamFactor > 1);
    }
    // Tolerances that are no positive number give way to the defaults.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const PanelTolerances bad :
         {PanelTolerances{0, -1}, PanelTolerances{nan, std::numeric_limits<double>::infinity()}}) {
        PatternOptions options;
        options.Tolerances = bad;
        const PanelReport report = ReportOf(TwistedHull(), options);
        EXPECT_EQ(report.Tolerances.Seam, 1.0 / 32);
        EXPECT_EQ(report.Tolerances.Length, 1.0 / 16);
    }
}

TEST(PanelReport, A140InchPanelGetsOneScarfJointClearOfTheBulkheads) {
    const PanelReport report = ReportOf(PlankHull());
    const PanelCheck& panel = Panel(report, "chine1");
    // The leveling turns the plank by about a milliradian (see the cylinder above).
    EXPECT_NEAR(panel.Length, 140, 0.05);
    EXPECT_NEAR(panel.Width, 20, 0.2);
    EXPECT_FALSE(panel.FitsSheet);
    ASSERT_EQ(panel.Joints.size(), 1u);
    const ScarfJoint& joint = panel.Joints[0];
    // Halfway would be on bulkhead 2; the joint moves just far enough off it.
    EXPECT_EQ(joint.Bulkhead, 2);
    EXPECT_NEAR(joint.Clearance, 6, 1e-9);
    EXPECT_TRUE(joint.Clear);
    for (const double bulkhead : {35.0, 70.0, 105.0}) {
        EXPECT_GE(std::fabs(joint.At - bulkhead), 5.9);
    }
    ASSERT_EQ(panel.Pieces.size(), 2u);
    EXPECT_NEAR(panel.Pieces[0].Length + panel.Pieces[1].Length, panel.Length, 1e-9);
    for (const PanelPiece& piece : panel.Pieces) {
        EXPECT_LE(piece.Length, 96);
        EXPECT_NEAR(piece.Width, 20, 0.2);
    }
    EXPECT_EQ(report.PieceCount, 4); // two pieces, port and starboard
    EXPECT_EQ(report.Sheets, 2);     // 5600 sq in of pieces
}

// The keel meets chine 1 and the deck the sheer chine, on both their edges; the soles meet no
// panel; without the keel the first chine panel's lower edge meets none.
TEST(PanelReport, SeamsPairTheEdgesCutToTheSameChine) {
    AppState app = test::StartupApp();
    UpdateHullGeometry(app.Hull, app.Work);
    PatternOptions options;
    options.Keel = options.Deck = options.Soles = true;
    const PanelReport all = ReportOf(app.Hull, options);
    const std::vector<std::pair<std::string, std::array<const char*, 2>>> expected{
        {"deck", {"chine3 upper edge", "chine3 upper edge"}},
        {"keel", {"chine1 lower edge", "chine1 lower edge"}},
        {"sole1", {"", ""}},
        {"sole2", {"", ""}},
        {"chine1", {"keel lower edge", "chine2 lower edge"}},
        {"chine2", {"chine1 upper edge", "chine3 lower edge"}},
        {"chine3", {"chine2 upper edge", "deck lower edge"}}};
    ASSERT_EQ(all.Panels.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const PanelCheck& panel = all.Panels[i];
        EXPECT_EQ(panel.Name, expected[i].first);
        EXPECT_EQ(panel.Quantity, panel.Name.rfind("chine", 0) == 0 ? 2 : 1);
        for (std::size_t edge = 0; edge < 2; ++edge) {
            EXPECT_EQ(panel.Seams[edge].Partner, expected[i].second[edge]) << panel.Name;
        }
    }
    const PanelReport bare = ReportOf(app.Hull);
    EXPECT_EQ(Panel(bare, "chine1").Seams[0].Partner, "");
    EXPECT_EQ(Panel(bare, "chine3").Seams[1].Partner, "");
}

TEST(PanelReport, DefaultHullReport) {
    AppState app = test::StartupApp();
    UpdateHullGeometry(app.Hull, app.Work);
    PatternOptions options;
    options.Keel = options.Deck = options.Soles = true;
    PatternRun run = test::TestRun(options);
    run.HullFileName = "default.hul";
    test::ExpectGolden("patterns/panels.txt", PanelReportText(MakePanelReport(run, app.Hull)));
}

// Hulls no boat has: all points at one place, and points far out. The report still holds only
// finite numbers.
TEST(PanelReport, DegenerateHullsGiveFiniteNumbers) {
    for (const double scale : {0.0, 1e12}) {
        const HullDocument hull = HullOf(4, [scale](int c, int k) {
            return Point3{scale * c, scale * k * k, scale * (k % 3)};
        });
        PatternOptions options;
        options.Keel = options.Deck = true;
        const PanelReport report = ReportOf(hull, options);
        for (const PanelCheck& panel : report.Panels) {
            for (const double value : {panel.Length, panel.Width, panel.Area, panel.DiagonalError,
                                       panel.Seams[0].Length, panel.Seams[1].Difference}) {
                EXPECT_TRUE(std::isfinite(value)) << panel.Name << " " << scale;
            }
        }
        EXPECT_GE(report.Sheets, 0);
    }
}

// A pattern run writes the report with its other files, as the report it hands back.
TEST(PanelReport, APatternRunWritesTheReportItReturns) {
    test::TempFolder folder;
    AppState app = test::StartupApp();
    UpdateHullGeometry(app.Hull, app.Work);
    SetExportText(app.Work.Patterns, folder.Path().string());
    app.Work.HullFileName = "boat.hul";
    app.Work.Patterns.Tolerances = {0.5, 0.25};
    MemoryStatusBar status;
    PanelReport report;
    ASSERT_TRUE(CreatePatterns(folder.Path(), app.Hull, app.Work, status, nullptr, &report).Ok());
    EXPECT_EQ(report.Tolerances.Seam, 0.5);
    ASSERT_EQ(report.Panels.size(), 3u);
    const std::string text = test::ReadRaw(folder.Path() / "panels.txt");
    EXPECT_EQ(text, PanelReportText(report));
    EXPECT_EQ(text.rfind("Panel report for boat.hul\r\n", 0), 0u);

    // Without expansions there is no report, and the earlier one stays.
    app.Work.Patterns.Expansions = false;
    PanelReport none;
    ASSERT_TRUE(CreatePatterns(folder.Path(), app.Hull, app.Work, status, nullptr, &none).Ok());
    EXPECT_TRUE(none.Panels.empty());
    EXPECT_EQ(test::ReadRaw(folder.Path() / "panels.txt"), text);
}

} // namespace
} // namespace merrowin
