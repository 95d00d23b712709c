// The panel report as the lines of "panels.txt".
#include <string>
#include <vector>

#include "io/Files.h"
#include "patterns/PanelReport.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

std::string Inches(double value) {
    return FormatNumber(value, "0.00") + " in";
}

// Differences, finer than the shop's sixteenths so a tolerance can be read against them.
std::string Difference(double value) {
    return FormatNumber(value, "0.000") + " in";
}

std::string Count(int count, const char* one, const char* many) {
    return IntText(count) + " " + (count == 1 ? one : many);
}

std::string SheetText() {
    return TrimmedNumber(SheetWidth) + " x " + TrimmedNumber(SheetLength) + " in sheet";
}

void SheetLines(const PanelCheck& panel, std::vector<std::string>& lines) {
    if (panel.FitsSheet) {
        lines.push_back("  Sheet: fits one " + SheetText() +
                        (panel.Width > SheetWidth ? ", across it" : ""));
        return;
    }
    std::string sheet = "  Sheet: does not fit one " + SheetText() + ": " +
                        Count(static_cast<int>(panel.Joints.size()), "scarf joint", "scarf joints");
    if (!panel.Joints.empty()) {
        sheet += ", pieces at most " + TrimmedNumber(panel.MaxPiece) + " in long";
    }
    if (panel.WiderThanSheet) {
        sheet += "; wider than a sheet, so it needs a joint along its length too (not planned)";
    }
    lines.push_back(sheet);
    for (std::size_t i = 0; i < panel.Joints.size(); ++i) {
        const ScarfJoint& joint = panel.Joints[i];
        std::string line = "    Joint " + IntText(static_cast<std::int64_t>(i + 1)) + " at " +
                           Inches(joint.At) + " from the forward end";
        if (joint.Bulkhead > 0) {
            line += ", " + Inches(joint.Clearance) + " from BH" + IntText(joint.Bulkhead);
        }
        if (!joint.Clear) {
            line += " (closer than " + TrimmedNumber(ScarfClearance) +
                    " in: the panel leaves no clear place)";
        }
        lines.push_back(line);
    }
    if (!panel.Joints.empty()) {
        std::string pieces = "    Pieces:";
        for (std::size_t i = 0; i < panel.Pieces.size(); ++i) {
            pieces += (i == 0 ? " " : ", ") + FormatNumber(panel.Pieces[i].Length, "0.00") + " x " +
                      Inches(panel.Pieces[i].Width);
        }
        lines.push_back(pieces);
    }
}

std::string SeamLine(const PanelSeam& seam) {
    std::string line = std::string("  ") + (seam.Upper ? "Upper" : "Lower") + " edge, chine " +
                       IntText(seam.Chine) + (seam.Mirrored ? " mirrored" : "") + ": " +
                       Inches(seam.Length);
    if (seam.Partner.empty()) {
        return line + "; no panel of the run meets it";
    }
    return line + "; " + seam.Partner + " " + Inches(seam.PartnerLength) + ", difference " +
           Difference(seam.Difference) + (seam.Ok ? "" : ", over the seam tolerance");
}

void PanelLines(const PanelCheck& panel, std::vector<std::string>& lines) {
    lines.push_back(panel.Name + ": " +
                    (panel.Quantity == 2 ? std::string("2 off, port and starboard")
                                         : Count(panel.Quantity, "off", "off")));
    lines.push_back("  Size: " + FormatNumber(panel.Length, "0.00") + " x " + Inches(panel.Width) +
                    ", area " + FormatNumber(panel.Area, "0.00") + " sq ft");
    SheetLines(panel, lines);
    if (panel.DiagonalRung == 0) {
        lines.push_back("  Development: no quadrilateral to check");
    } else {
        lines.push_back("  Development: largest diagonal difference " +
                        Difference(panel.DiagonalError) + ", between rungs " +
                        IntText(panel.DiagonalRung) + " and " + IntText(panel.DiagonalRung + 1) +
                        " at station Z " + FormatNumber(panel.DiagonalStation, "0.0") +
                        (panel.LengthsOk ? "" : ", over the length tolerance"));
    }
    for (const PanelSeam& seam : panel.Seams) {
        lines.push_back(SeamLine(seam));
    }
    lines.push_back("  Verdict: " + PanelVerdict(panel));
}

} // namespace

std::string PanelReportVerdict(const PanelReport& report) {
    if (report.FailedPanels == 0 && report.FailedBulkheads == 0) {
        return "every panel and bulkhead within the tolerances";
    }
    std::string verdict;
    if (report.FailedPanels > 0) {
        verdict = Count(report.FailedPanels, "panel", "panels");
    }
    if (report.FailedBulkheads > 0) {
        verdict += (verdict.empty() ? "" : " and ") +
                   Count(report.FailedBulkheads, "bulkhead", "bulkheads");
    }
    return verdict + " outside the tolerances";
}

std::vector<std::string> PanelReportLines(const PanelReport& report) {
    std::vector<std::string> lines;
    lines.push_back(report.HullFileName.empty() ? "Panel report"
                                                : "Panel report for " + report.HullFileName);
    lines.push_back("Will the pieces fit together? Seam tolerance " +
                    FormatNumber(report.Tolerances.Seam, "0.#####") + " in, length tolerance " +
                    FormatNumber(report.Tolerances.Length, "0.#####") + " in.");
    lines.push_back("Sizes are of the flat, leveled outlines, in inches; areas in square feet; "
                    "pieces leave out the overlap of their scarf joints.");
    for (const PanelCheck& panel : report.Panels) {
        lines.emplace_back();
        PanelLines(panel, lines);
    }
    if (!report.Bulkheads.empty()) {
        lines.emplace_back();
        lines.push_back("Bulkhead half girths along the chines, as cut, against the chine panels' "
                        "widths there");
        for (const BulkheadGirth& girth : report.Bulkheads) {
            lines.push_back("  BH" + IntText(girth.Bulkhead) + ": girth " + Inches(girth.Girth) +
                            ", panel widths " + Inches(girth.PanelWidths) + ", difference " +
                            Difference(girth.Difference) +
                            (girth.Ok ? ": ok" : ": fails the length tolerance"));
        }
    }
    lines.emplace_back();
    lines.push_back("Totals");
    lines.push_back("  Panels: " + IntText(report.PanelCount) + " to cut from " +
                    Count(static_cast<int>(report.Panels.size()), "pattern", "patterns") + ", " +
                    Count(report.PieceCount, "piece", "pieces"));
    lines.push_back("  Plywood area: " + FormatNumber(report.TotalArea, "0.00") + " sq ft");
    lines.push_back("  Sheets: " + IntText(report.Sheets) + " of " + TrimmedNumber(SheetWidth) +
                    " x " + TrimmedNumber(SheetLength) +
                    " in, an estimate: the pieces' bounding boxes (" +
                    FormatNumber(report.PieceBoxArea, "0.00") + " sq ft) over " +
                    TrimmedNumber(SheetWidth * SheetLength / 144) +
                    " sq ft a sheet, rounded up; nesting decides the real count");
    lines.push_back("  Verdict: " + PanelReportVerdict(report));
    return lines;
}

std::string PanelReportText(const PanelReport& report) {
    TextOut out;
    for (const std::string& line : PanelReportLines(report)) {
        out.Line(line);
    }
    return out.Content();
}

} // namespace merrowin
