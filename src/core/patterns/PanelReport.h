// The panel report: whether the developed panels of a pattern run will fit together (seams,
// bulkhead girths, how developable each panel is) and how they come out of plywood sheets.
#pragma once

#include <string>
#include <vector>

#include "model/Hull.h"
#include "patterns/PatternOptions.h"
#include "patterns/PatternRun.h"

namespace merrowin {

// The file a pattern run writes the report to, in the working folder.
inline constexpr const char* PanelReportName = "panels.txt";

// A plywood sheet (inches), and how far a scarf joint keeps from a bulkhead where it can.
inline constexpr double SheetWidth = 48, SheetLength = 96;
inline constexpr double ScarfClearance = 6;

// One edge of a panel against the edge of the panel that meets it on the same chine.
struct PanelSeam {
    bool Upper = false;    // the panel's upper edge; else its lower edge
    int Chine = 0;         // the chine the edge follows
    bool Mirrored = false; // on the chine's reflection: the port edge of a panel across the centre
    double Length = 0;     // along the cut outline, inches
    std::string Partner;   // e.g. "chine2 lower edge"; empty when no panel of the run meets it
    double PartnerLength = 0;
    double Difference = 0; // inches, never negative
    bool Ok = true;
};

struct ScarfJoint {
    double At = 0;        // inches from the panel's forward end
    int Bulkhead = 0;     // the nearest bulkhead the panel shows (1..3), 0 when none
    double Clearance = 0; // from that bulkhead's rung, inches
    bool Clear = true;    // at least ScarfClearance
};

// A piece of a panel between joints (or the whole panel): its bounding box, inches.
struct PanelPiece {
    double Length = 0, Width = 0;
};

struct PanelCheck {
    std::string Name;             // "chine1", "keel", "deck", "sole1" ...
    int Quantity = 1;             // chine panels are cut twice, port and starboard
    double Length = 0, Width = 0; // of the flat, leveled outline, inches
    double Area = 0;              // of the outline, square feet
    bool FitsSheet = false;       // on one sheet, either way round
    bool WiderThanSheet = false;  // too wide for any sheet: the pieces need an edge joint too
    double MaxPiece = 0;          // the longest piece a sheet takes at this width, inches
    std::vector<ScarfJoint> Joints;
    std::vector<PanelPiece> Pieces; // forward to aft; the whole panel when it fits
    double DiagonalError = 0;       // the largest, inches
    int DiagonalRung = 0;           // between rungs DiagonalRung and DiagonalRung + 1; 0 none
    double DiagonalStation = 0;     // Z there, inches
    std::vector<PanelSeam> Seams;
    bool SeamsOk = true, LengthsOk = true;
};

// A bulkhead's half girth along its chines (as its pattern is cut, across and up) against the
// widths of the chine panels at its rung.
struct BulkheadGirth {
    int Bulkhead = 0;                                  // 1..3
    double Girth = 0, PanelWidths = 0, Difference = 0; // inches
    bool Ok = true;
};

struct PanelReport {
    std::string HullFileName;
    PanelTolerances Tolerances; // as used: positive and finite
    std::vector<PanelCheck> Panels;
    std::vector<BulkheadGirth> Bulkheads;
    int PanelCount = 0;      // with quantities
    int PieceCount = 0;      // with quantities
    double TotalArea = 0;    // square feet, with quantities
    double PieceBoxArea = 0; // the pieces' bounding boxes, square feet, with quantities
    int Sheets = 0;          // the estimate: PieceBoxArea over a sheet's area, rounded up
    int FailedPanels = 0, FailedBulkheads = 0;
};

// The report on the panels a run with this context develops (chine panels, and keel, deck and
// soles as its options choose), from the hull's 13 points of each chine as the last repaint
// left them; the tolerances are the options', a value that is not a positive finite number
// taking the default.
PanelReport MakePanelReport(const PatternRun& run, const HullDocument& hull);

// "ok", or the tolerances the panel fails ("fails the seam tolerance", "fails the length
// tolerance", "fails the seam and length tolerances").
std::string PanelVerdict(const PanelCheck& panel);

// The verdict on the whole run: "every panel and bulkhead within the tolerances", or how many
// panels and bulkheads are outside them.
std::string PanelReportVerdict(const PanelReport& report);

// The report as the lines of "panels.txt" (without line ends), for a results list to show.
std::vector<std::string> PanelReportLines(const PanelReport& report);

// The text of "panels.txt": the lines with CR LF ends.
std::string PanelReportText(const PanelReport& report);

} // namespace merrowin
