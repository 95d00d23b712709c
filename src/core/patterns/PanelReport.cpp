// The panel report: each developed panel measured flat, its seams matched with its neighbours',
// the bulkhead girths against the panel widths, the scarf joints and the sheets.
#include "patterns/PanelReport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>

#include "patterns/PanelShape.h"
#include "patterns/PatternFiles.h"
#include "patterns/PatternGeneration.h"
#include "patterns/ScarfJoints.h"

namespace merrowin {

namespace {

constexpr double SquareInchesPerFoot = 144;

// A size within this of a sheet's still fits it (inches): the outline's rounding, not wood.
constexpr double FitSlack = 1e-6;

// The most sheets the estimate counts: a bound for absurd hulls, far beyond any boat.
constexpr double MaxSheets = 1e6;

double Finite(double value) {
    return std::isfinite(value) ? value : 0.0;
}

double ToleranceOr(double value, double fallback) {
    return std::isfinite(value) && value > 0 ? value : fallback;
}

// The chines a panel lies between; the upper edge mirrored for the panels across the centre.
struct PanelEdges {
    int LowerChine = 0, UpperChine = 0;
    bool AcrossCentre = false;
};

std::optional<PanelEdges> EdgesOf(const std::string& name, int chines) {
    PanelEdges edges;
    if (name.rfind("chine", 0) == 0) {
        const int n = std::atoi(name.c_str() + 5);
        edges = {n, n + 1, false};
    } else {
        const std::map<std::string, int> acrossCentre{
            {"keel", 1}, {"deck", chines}, {"sole1", 2}, {"sole2", 3}};
        const auto found = acrossCentre.find(name);
        if (found == acrossCentre.end()) {
            return std::nullopt;
        }
        edges = {found->second, found->second, true};
    }
    if (edges.LowerChine < 1 || edges.UpperChine > chines) {
        return std::nullopt;
    }
    return edges;
}

// The edge of another panel of the run that is cut to the same chine and glued to this one:
// chine panels meet their neighbours; chine 1 meets the keel and the sheer chine the deck (both
// edges of each, port and starboard alike); the soles are inner pieces with no seam.
struct EdgeRef {
    std::string Panel;
    bool Upper = false;
};
std::optional<EdgeRef> SeamPartner(const std::string& name, bool upper, int chines,
                                   const std::map<std::string, const PanelCheck*>& present) {
    auto ifPresent = [&](const std::string& panel, bool partnerUpper) -> std::optional<EdgeRef> {
        if (present.count(panel) == 0) {
            return std::nullopt;
        }
        return EdgeRef{panel, partnerUpper};
    };
    const std::string lastChinePanel = "chine" + std::to_string(chines - 1);
    if (name == "keel") {
        return ifPresent("chine1", false);
    }
    if (name == "deck") {
        return ifPresent(lastChinePanel, true);
    }
    if (name.rfind("chine", 0) != 0) {
        return std::nullopt;
    }
    const int n = std::atoi(name.c_str() + 5);
    if (!upper) {
        return n == 1 ? ifPresent("keel", false) : ifPresent("chine" + std::to_string(n - 1), true);
    }
    return name == lastChinePanel ? ifPresent("deck", false)
                                  : ifPresent("chine" + std::to_string(n + 1), false);
}

std::string EdgeName(const EdgeRef& edge) {
    return edge.Panel + (edge.Upper ? " upper edge" : " lower edge");
}

// Where the panel is joined when it is too long for a sheet, and the bounding box of each piece.
void PlanPieces(PanelCheck& check, const FlatPanel& flat) {
    const double length = check.Length, width = check.Width;
    check.FitsSheet = (length <= SheetLength + FitSlack && width <= SheetWidth + FitSlack) ||
                      (length <= SheetWidth + FitSlack && width <= SheetLength + FitSlack);
    if (check.FitsSheet) {
        check.MaxPiece = width <= SheetWidth + FitSlack ? SheetLength : SheetWidth;
        check.Pieces.push_back({length, width});
        return;
    }
    // A piece up to a sheet's width wide lies along the sheet; a wider one only across it.
    check.WiderThanSheet = width > SheetLength + FitSlack;
    check.MaxPiece =
        width <= SheetWidth + FitSlack || check.WiderThanSheet ? SheetLength : SheetWidth;
    std::vector<Stretch> rungs;
    std::vector<int> bulkheads;
    for (const FlatRung& rung : flat.Rungs) {
        rungs.push_back({rung.Lower.X - flat.MinX, rung.Upper.X - flat.MinX});
        bulkheads.push_back(rung.Bulkhead);
    }
    const ScarfPlan plan = PlanScarfJoints(length, rungs, check.MaxPiece, ScarfClearance);
    for (const double at : plan.Joints) {
        ScarfJoint joint;
        joint.At = Finite(at);
        int nearest = -1;
        joint.Clearance = Finite(ClearanceAt(at, rungs, &nearest));
        joint.Bulkhead = nearest < 0 ? 0 : bulkheads[static_cast<std::size_t>(nearest)];
        joint.Clear = nearest < 0 || joint.Clearance >= ScarfClearance;
        check.Joints.push_back(joint);
    }
    double from = 0;
    for (std::size_t i = 0; i <= plan.Joints.size(); ++i) {
        const double to = i < plan.Joints.size() ? plan.Joints[i] : length;
        const std::vector<FlatPoint> piece =
            ClipToSlab(flat.Outline, flat.MinX + from, flat.MinX + to);
        double low = 0, high = 0;
        for (std::size_t k = 0; k < piece.size(); ++k) {
            low = k == 0 ? piece[k].Y : std::min(low, piece[k].Y);
            high = k == 0 ? piece[k].Y : std::max(high, piece[k].Y);
        }
        check.Pieces.push_back({Finite(to - from), Finite(high - low)});
        from = to;
    }
}

// A bulkhead's half girth as its pattern is cut (the offsets across and up, chine to chine).
double HalfGirth(const HullDocument& hull, int bulkhead) {
    double girth = 0;
    for (int c = 1; c < ChinesInUse(hull); ++c) {
        girth += std::hypot(hull.OffsetX[bulkhead][c + 1] - hull.OffsetX[bulkhead][c],
                            hull.OffsetY[bulkhead][c + 1] - hull.OffsetY[bulkhead][c]);
    }
    return Finite(girth);
}

} // namespace

PanelReport MakePanelReport(const PatternRun& run, const HullDocument& hull) {
    PanelReport report;
    report.HullFileName = run.HullFileName;
    const PanelTolerances defaults;
    report.Tolerances.Seam = ToleranceOr(run.Options.Tolerances.Seam, defaults.Seam);
    report.Tolerances.Length = ToleranceOr(run.Options.Tolerances.Length, defaults.Length);
    const int chines = ChinesInUse(hull);

    std::vector<FlatPanel> flats;
    std::vector<bool> sidePanel; // a chine panel, part of the hull's side from keel to sheer
    for (const std::string& name : PanelNames(hull, run.Options)) {
        const std::optional<PanelEdges> edges = EdgesOf(name, chines);
        if (!edges) {
            continue; // the run writes no triangulation for it either
        }
        const EdgePoints lower = ChineEdge(hull, edges->LowerChine, false);
        const EdgePoints upper = ChineEdge(hull, edges->UpperChine, edges->AcrossCentre);
        // Developed from the triangulation text as the run writes it, to the same digits.
        const FlatPanel flat =
            LayPanelFlat(ParseTriangulation(TriangulationText(lower, upper)), run);

        PanelCheck check;
        check.Name = name;
        check.Quantity = edges->AcrossCentre ? 1 : 2;
        check.Length = Finite(flat.MaxX - flat.MinX);
        check.Width = Finite(flat.MaxY - flat.MinY);
        check.Area = PolygonArea(flat.Outline) / SquareInchesPerFoot;
        PlanPieces(check, flat);
        const DiagonalCheck diagonals = CheckDiagonals(flat.Strip, lower, upper);
        check.DiagonalError = Finite(diagonals.Error);
        check.DiagonalRung = diagonals.Rung;
        check.DiagonalStation = Finite(diagonals.Station);
        check.LengthsOk = check.DiagonalError <= report.Tolerances.Length;
        for (const bool isUpper : {false, true}) {
            PanelSeam seam;
            seam.Upper = isUpper;
            seam.Chine = isUpper ? edges->UpperChine : edges->LowerChine;
            seam.Mirrored = isUpper && edges->AcrossCentre;
            seam.Length = Finite(isUpper ? flat.UpperLength : flat.LowerLength);
            check.Seams.push_back(seam);
        }
        report.Panels.push_back(std::move(check));
        flats.push_back(flat);
        sidePanel.push_back(!edges->AcrossCentre);
    }

    // Seams: each edge against the edge its neighbour cuts to the same chine.
    std::map<std::string, const PanelCheck*> present;
    for (const PanelCheck& panel : report.Panels) {
        present[panel.Name] = &panel;
    }
    for (PanelCheck& panel : report.Panels) {
        for (PanelSeam& seam : panel.Seams) {
            const std::optional<EdgeRef> partner =
                SeamPartner(panel.Name, seam.Upper, chines, present);
            if (!partner) {
                continue;
            }
            const PanelCheck& other = *present.at(partner->Panel);
            seam.Partner = EdgeName(*partner);
            seam.PartnerLength = other.Seams[partner->Upper ? 1 : 0].Length;
            seam.Difference = Finite(std::fabs(seam.Length - seam.PartnerLength));
            seam.Ok = seam.Difference <= report.Tolerances.Seam;
            panel.SeamsOk = panel.SeamsOk && seam.Ok;
        }
    }

    // Girths: the chine panels' widths at each bulkhead rung, summed up the side.
    for (int b = 1; b <= 3; ++b) {
        BulkheadGirth girth;
        girth.Bulkhead = b;
        bool anyRung = false;
        for (std::size_t i = 0; i < report.Panels.size(); ++i) {
            if (!sidePanel[i]) {
                continue;
            }
            for (const FlatRung& rung : flats[i].Rungs) {
                if (rung.Bulkhead == b) {
                    girth.PanelWidths +=
                        std::hypot(rung.Upper.X - rung.Lower.X, rung.Upper.Y - rung.Lower.Y);
                    anyRung = true;
                }
            }
        }
        if (!anyRung) {
            continue;
        }
        girth.Girth = HalfGirth(hull, b);
        girth.PanelWidths = Finite(girth.PanelWidths);
        girth.Difference = Finite(std::fabs(girth.Girth - girth.PanelWidths));
        girth.Ok = girth.Difference <= report.Tolerances.Length;
        report.FailedBulkheads += girth.Ok ? 0 : 1;
        report.Bulkheads.push_back(girth);
    }

    // Totals, each panel as many times as it is cut.
    double boxes = 0; // square inches
    for (const PanelCheck& panel : report.Panels) {
        report.PanelCount += panel.Quantity;
        report.PieceCount += panel.Quantity * static_cast<int>(panel.Pieces.size());
        report.TotalArea += panel.Quantity * panel.Area;
        for (const PanelPiece& piece : panel.Pieces) {
            boxes += panel.Quantity * piece.Length * piece.Width;
        }
        report.FailedPanels += panel.SeamsOk && panel.LengthsOk ? 0 : 1;
    }
    report.TotalArea = Finite(report.TotalArea);
    report.PieceBoxArea = Finite(boxes / SquareInchesPerFoot);
    // A hair over a whole number of sheets is rounding, not another sheet.
    const double sheets = std::ceil(Finite(boxes / (SheetWidth * SheetLength)) - 1e-9);
    report.Sheets = static_cast<int>(std::clamp(sheets, 0.0, MaxSheets));
    return report;
}

std::string PanelVerdict(const PanelCheck& panel) {
    if (panel.SeamsOk && panel.LengthsOk) {
        return "ok";
    }
    if (!panel.SeamsOk && !panel.LengthsOk) {
        return "fails the seam and length tolerances";
    }
    return panel.SeamsOk ? "fails the length tolerance" : "fails the seam tolerance";
}

} // namespace merrowin
