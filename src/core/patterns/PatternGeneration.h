// Pattern generation: the Save button's run that turns the hull into shop patterns and saves it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/Working.h"
#include "io/FileBatch.h"
#include "model/Hull.h"
#include "patterns/PatternRun.h"
#include "ui/Canvas.h"
#include "ui/Services.h"

namespace merrowin {

struct PanelReport;

// The whole run in the working folder (exports into work.Patterns.ExportPath): triangulation
// files, bulkhead, frame, transom, stem and sheet plot files, the 3-D hull drawing, then
// expansion, leveling, hand plot and the chosen exports, all made in memory and put in place
// together, replacing the old pattern files, only when every one could be written; a failure
// leaves the old files as they were. With "Expansions" clear only the save. Always ends by
// saving the hull to HullFileName and copying it to "default.hul". The frame boxes may be
// clamped and "Soles" cleared by the run, and the plotter scales are those the run read. The
// developing panels are drawn on the canvas when one is given. Reads the 13 points of each chine
// as the last repaint left them. Returns the run's first failure; the status line shows the
// stages' progress, and the caller shows the outcome (PatternRunStatusText). The run also writes
// the panel report "panels.txt"; `report`, when given, receives it whenever the run makes it
// (with "Expansions" set), to be shown only when the outcome is a success.
// `written`, when given, receives how many files a successful run put into each folder.
struct PatternRunFiles {
    fs::path Folder;                // the working folder
    std::size_t InFolder = 0;       // pattern files, the hull file and its copy there
    fs::path ExportFolder;          // where the DXF and HPGL exports went
    std::size_t InExportFolder = 0; // exports written there, when it is another folder
};
Outcome CreatePatterns(const fs::path& folder, HullDocument& hull, WorkingValues& work,
                       StatusBar& status, Canvas* canvas = nullptr, PanelReport* report = nullptr,
                       PatternRunFiles* written = nullptr);

// The status text a finished run leaves: "Working on..." and the hull file name, then how many
// files went into which folder ("Working on...boat.hul - 31 files written in /boats"), or the
// failure.
std::string PatternRunStatusText(const Outcome& outcome, const std::string& hullFileName,
                                 const PatternRunFiles& written);

// The 77 numbers of the triangulation file of a panel between a lower and an upper edge of 13
// points each (X, Y, Z in inches, index 1..13; index 0 unused).
using EdgePoints = std::array<std::array<double, 3>, PointsPerChine + 1>;
std::string TriangulationText(const EdgePoints& lower, const EdgePoints& upper);

// The 13 points of a chine, or of its reflection in the centre plane (X becomes -X).
EdgePoints ChineEdge(const HullDocument& hull, int chine, bool mirrored);

// Adds the triangulation files of the run: chine panels, then keel, deck and soles as chosen.
void WriteTriangulationFiles(const PatternRun& run, const HullDocument& hull, FileBatch& files);

// The average height of the inner bulkheads' offsets (the centre of the spar cut-out).
double MeanBulkheadHeight(const HullDocument& hull);

// Pulls every non-zero frame box inside the stations that all chines cover and updates the
// frame positions from the boxes.
void ClampFrameStations(HullDocument& hull, PatternOptions& options);

// Where station z cuts chine c: (X, Y) interpolated along its 13 points.
std::array<double, 2> FrameCrossing(const HullDocument& hull, int chine, double z);

// The plot files, each as its text, at the run's scales, date, font and options; a label the
// font cannot draw says so on the status line.
std::string BulkheadPlot(const HullDocument& hull, const PatternRun& run, StatusBar& status,
                         int bulkhead, double meanHeight);
std::string FramePlot(const HullDocument& hull, const PatternRun& run, StatusBar& status, int frame,
                      double meanHeight);
std::string TransomPlot(const HullDocument& hull, const PatternRun& run, StatusBar& status);
std::string StemPlot(const HullDocument& hull, const PatternRun& run, StatusBar& status);
std::string SheetPlot(const PatternRun& run, StatusBar& status);

// The true shape of a raked bulkhead (0 stem, 4 transom), unrolled along its face: per chine
// 1..ChineCount the half-width and the distance along the face from chine 1.
std::array<std::array<double, 2>, MaxChines + 1> UnrolledBulkhead(const HullDocument& hull,
                                                                  int bulkhead);

} // namespace merrowin
