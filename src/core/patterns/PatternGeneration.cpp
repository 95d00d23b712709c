// Pattern generation: triangulation files, bulkhead, frame, transom, stem and sheet plot files,
// the 3-D hull drawing, then the expansion and exports, and the save of the hull.
#include "patterns/PatternGeneration.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>
#include <vector>

#include "export/HullDrawing.h"
#include "model/HullFile.h"
#include "patterns/DxfExport.h"
#include "patterns/Expansion.h"
#include "patterns/HandPlot.h"
#include "patterns/HpglExport.h"
#include "patterns/Leveling.h"
#include "patterns/PanelReport.h"
#include "patterns/PatternSettings.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr double LabelSize = 0.375; // inches

using Point2 = std::array<double, 2>;
using Point3 = std::array<double, 3>;

// Straight-line distance; anything not finite is written as 0 so no file carries it.
double Distance(const Point3& a, const Point3& b) {
    const double dx = b[0] - a[0], dy = b[1] - a[1], dz = b[2] - a[2];
    const double d = std::sqrt(dx * dx + dy * dy + dz * dz);
    return std::isfinite(d) ? d : 0.0;
}

std::string Numbered(const char* stem, int number, const char* extension) {
    return stem + IntText(number) + extension;
}

// The common frame of the outline files: header, label, the hand-plot marker, the closed outline
// with pen 0, and the spar cut-out.
struct Outline {
    std::string Label;
    Point2 LabelAt{};
    bool PenUpBeforeLabel = false; // frame files lift the pen right after the header
    std::vector<Point2> Points;    // ends on its first point again
    bool Spar = false;
    double MeanHeight = 0;
};

std::string OutlinePlot(const Outline& outline, const PatternRun& run, StatusBar& status) {
    PlotWriter plot(run.PlotXScale, run.PlotYScale);
    plot.Begin(TarvoHeader(run.Date, run.PlotXScale, run.PlotYScale));
    if (outline.PenUpBeforeLabel) {
        plot.Pen(0, false);
    }
    if (run.Options.Text) {
        DrawLabel(plot, run.Font, status, outline.Label, outline.LabelAt[0], outline.LabelAt[1],
                  LabelSize, 0);
    }
    plot.Statement("/* hand plot all points */");
    if (!outline.PenUpBeforeLabel) {
        plot.Pen(0, false);
    }
    for (std::size_t i = 0; i < outline.Points.size(); ++i) {
        plot.Coordinate(outline.Points[i][0], outline.Points[i][1]);
        if (i == 0) {
            plot.Pen(0, true);
        }
    }
    plot.Pen(0, false);
    if (outline.Spar) {
        // A 2 x 4 (1.5 x 3.5 in) through the centre line at the mean bulkhead height.
        const double h = outline.MeanHeight;
        plot.Coordinate(-0.75, h - 1.75);
        plot.Pen(0, true);
        plot.Coordinate(-0.75, h + 1.75);
        plot.Coordinate(0.75, h + 1.75);
        plot.Coordinate(0.75, h - 1.75);
        plot.Coordinate(-0.75, h - 1.75);
        plot.Pen(0, false);
    }
    plot.End();
    return plot.Content();
}

// A bulkhead or frame outline through one point per chine: the starboard side upward, the
// centre line at the sheer, the port side downward unless only half is wanted, the centre line
// at chine 1, closed on the first point.
std::vector<Point2> SectionOutline(const std::vector<Point2>& side, bool half) {
    std::vector<Point2> points;
    if (side.empty()) {
        return points;
    }
    points.reserve(2 * side.size() + 3);
    points.insert(points.end(), side.begin(), side.end());
    points.push_back({0.0, side.back()[1]});
    if (!half) {
        for (auto it = side.rbegin(); it != side.rend(); ++it) {
            points.push_back({-(*it)[0], (*it)[1]});
        }
    }
    points.push_back({0.0, side.front()[1]});
    points.push_back(side.front());
    return points;
}

} // namespace

std::string TriangulationText(const EdgePoints& lower, const EdgePoints& upper) {
    TextOut out;
    out.Line(" 1"); // development factor
    // Upper-edge chords: only the odd entries carry a length.
    for (int k = 0; k <= 11; ++k) {
        out.Line(" 0");
        out.Line(PrintNumber(Distance(upper[k + 1], upper[k + 2])));
    }
    out.Line(" 0");
    // Rungs and diagonals along the strip P1 Q1 P2 Q2 ... P13 Q13.
    for (int j = 1; j <= 12; ++j) {
        out.Line(PrintNumber(Distance(lower[j], upper[j])));
        out.Line(PrintNumber(Distance(lower[j + 1], upper[j])));
    }
    out.Line(PrintNumber(Distance(lower[13], upper[13])));
    out.Line(" 0");
    // Lower-edge chords: only the even entries carry a length.
    for (int j = 1; j <= 12; ++j) {
        out.Line(PrintNumber(Distance(lower[j], lower[j + 1])));
        out.Line(" 0");
    }
    out.Line(" 0");
    return out.Content();
}

EdgePoints ChineEdge(const HullDocument& hull, int chine, bool mirrored) {
    EdgePoints edge{};
    const double sign = mirrored ? -1.0 : 1.0;
    const auto& points =
        hull.SplinePoints[static_cast<std::size_t>(std::clamp(chine, 0, MaxChines))];
    for (int p = 1; p <= PointsPerChine; ++p) {
        const auto& point = points[static_cast<std::size_t>(p)];
        edge[static_cast<std::size_t>(p)] = {sign * point[AxisX], point[AxisY], point[AxisZ]};
    }
    return edge;
}

void WriteTriangulationFiles(const PatternRun& run, const HullDocument& hull, FileBatch& files) {
    const int n = ChinesInUse(hull);
    for (int c = 1; c <= n - 1; ++c) {
        files.Put(run.Folder, Numbered("chine", c, ".tri"),
                  TriangulationText(ChineEdge(hull, c, false), ChineEdge(hull, c + 1, false)));
    }
    // Keel, deck and soles span from a chine to its own reflection.
    const PatternOptions& options = run.Options;
    auto acrossCentre = [&](int chine, const char* name) {
        if (chine >= 1 && chine <= n) {
            files.Put(
                run.Folder, name,
                TriangulationText(ChineEdge(hull, chine, false), ChineEdge(hull, chine, true)));
        }
    };
    if (options.Keel) {
        acrossCentre(1, "keel.tri");
    }
    if (options.Deck) {
        acrossCentre(n, "deck.tri");
    }
    if (options.Soles) {
        acrossCentre(2, "sole1.tri");
        acrossCentre(3, "sole2.tri");
    }
}

double MeanBulkheadHeight(const HullDocument& hull) {
    const int n = ChinesInUse(hull);
    if (n == 0) {
        return 0;
    }
    double sum = 0;
    for (int b = 1; b <= 3; ++b) {
        for (int c = 1; c <= n; ++c) {
            sum += hull.OffsetY[b][c];
        }
    }
    return sum / (3.0 * n);
}

void ClampFrameStations(HullDocument& hull, PatternOptions& options) {
    const int n = ChinesInUse(hull);
    for (int f = 0; f < 8; ++f) {
        const std::size_t box = static_cast<std::size_t>(f);
        // The box stands for the absolute value of its number (as the frame station does), so a
        // box holding -24 is clamped as 24.
        auto station = [&] { return std::fabs(Val(options.FrameText[box])); };
        for (int c = 1; c <= n; ++c) {
            const double last = hull.SplinePoints[c][PointsPerChine][AxisZ];
            if (station() > last) {
                SetFrameText(hull, options, f, BoxText(last));
            }
        }
        for (int c = 1; c <= n; ++c) {
            const double first = hull.SplinePoints[c][1][AxisZ];
            const double z = station();
            if (z != 0 && z < first) {
                SetFrameText(hull, options, f, BoxText(first));
            }
        }
    }
}

std::array<double, 2> FrameCrossing(const HullDocument& hull, int chine, double z) {
    const auto& points =
        hull.SplinePoints[static_cast<std::size_t>(std::clamp(chine, 0, MaxChines))];
    for (int j = 1; j <= 12; ++j) {
        const double z1 = points[j][AxisZ], z2 = points[j + 1][AxisZ];
        if (z1 < z && z <= z2) {
            const double x =
                points[j][AxisX] + (points[j + 1][AxisX] - points[j][AxisX]) * (z - z1) / (z2 - z1);
            const double y =
                points[j][AxisY] + (points[j + 1][AxisY] - points[j][AxisY]) * (z - z1) / (z2 - z1);
            return {x, y};
        }
    }
    // No segment brackets the station: it lies on or before the chine's first point (a frame
    // exactly at the stem end of the chine) and takes that point, or past its last point.
    const int end = z <= points[1][AxisZ] ? 1 : PointsPerChine;
    return {points[end][AxisX], points[end][AxisY]};
}

std::array<std::array<double, 2>, MaxChines + 1> UnrolledBulkhead(const HullDocument& hull,
                                                                  int bulkhead) {
    std::array<std::array<double, 2>, MaxChines + 1> t{};
    const int b = std::clamp(bulkhead, 0, BulkheadCount - 1);
    const int n = ChinesInUse(hull);
    if (n < 1) {
        return t;
    }
    t[1] = {hull.OffsetX[b][1], 0.0};
    for (int c = 2; c <= n; ++c) {
        const Point3 lower{hull.OffsetX[b][c - 1], hull.OffsetY[b][c - 1], hull.OffsetZ[b][c - 1]};
        const Point3 upper{hull.OffsetX[b][c], hull.OffsetY[b][c], hull.OffsetZ[b][c]};
        const double l = Distance(lower, upper);
        const double dx = upper[0] - lower[0];
        // Rounding can make the square of the rise a hair below zero: take 0 then.
        const double rise2 = l * l - dx * dx;
        const double rise = rise2 > 0 && std::isfinite(rise2) ? std::sqrt(rise2) : 0.0;
        t[static_cast<std::size_t>(c)] = {upper[0], t[static_cast<std::size_t>(c - 1)][1] + rise};
    }
    return t;
}

namespace {

// A bulkhead or frame cut through the chines at `side`: labelled a quarter inch right of the
// centre line and above `labelY`, with the spar cut-out when it is chosen.
std::string SectionPlot(const std::vector<Point2>& side, std::string label, double labelY,
                        bool penUpBeforeLabel, const PatternRun& run, StatusBar& status,
                        double meanHeight) {
    Outline outline;
    outline.Label = std::move(label);
    outline.LabelAt = {0.25, labelY + 0.25};
    outline.PenUpBeforeLabel = penUpBeforeLabel;
    outline.Points = SectionOutline(side, run.Options.HalfFrames);
    outline.Spar = run.Options.Spar;
    outline.MeanHeight = meanHeight;
    return OutlinePlot(outline, run, status);
}

// The transom or the stem: the crossings of the chines in use unrolled up its face, and the
// label a quarter inch inside the end of chine 1.
std::vector<Point2> UnrolledSide(const HullDocument& hull, int bulkhead) {
    const auto t = UnrolledBulkhead(hull, bulkhead);
    return {t.begin() + 1, t.begin() + 1 + ChinesInUse(hull)};
}
Outline FaceOutline(const HullDocument& hull, int bulkhead, const char* label) {
    Outline outline;
    outline.Label = label;
    outline.LabelAt = {0.25 - hull.OffsetX[bulkhead][1], 0.25};
    return outline;
}

} // namespace

std::string BulkheadPlot(const HullDocument& hull, const PatternRun& run, StatusBar& status,
                         int bulkhead, double meanHeight) {
    const int b = std::clamp(bulkhead, 1, 3);
    std::vector<Point2> side;
    for (int c = 1; c <= ChinesInUse(hull); ++c) {
        side.push_back({hull.OffsetX[b][c], hull.OffsetY[b][c]});
    }
    return SectionPlot(side, Numbered("BH", b, ""), hull.OffsetY[b][1], false, run, status,
                       meanHeight);
}

std::string FramePlot(const HullDocument& hull, const PatternRun& run, StatusBar& status, int frame,
                      double meanHeight) {
    const int f = std::clamp(frame, 0, 7);
    const double z = hull.FramePositions[static_cast<std::size_t>(f)];
    std::vector<Point2> side;
    for (int c = 1; c <= ChinesInUse(hull); ++c) {
        side.push_back(FrameCrossing(hull, c, z));
    }
    const double labelY = side.empty() ? 0.0 : side.front()[1];
    return SectionPlot(side, Numbered("FRM", f + 1, ""), labelY, true, run, status, meanHeight);
}

std::string TransomPlot(const HullDocument& hull, const PatternRun& run, StatusBar& status) {
    Outline outline = FaceOutline(hull, 4, "trnsm");
    outline.Points = SectionOutline(UnrolledSide(hull, 4), run.Options.HalfFrames);
    return OutlinePlot(outline, run, status);
}

std::string StemPlot(const HullDocument& hull, const PatternRun& run, StatusBar& status) {
    Outline outline = FaceOutline(hull, 0, "stem");
    // Always both halves and no centre-line points.
    const std::vector<Point2> side = UnrolledSide(hull, 0);
    outline.Points = side;
    for (auto it = side.rbegin(); it != side.rend(); ++it) {
        outline.Points.push_back({-(*it)[0], (*it)[1]});
    }
    if (!side.empty()) {
        outline.Points.push_back(side.front());
    }
    return OutlinePlot(outline, run, status);
}

std::string SheetPlot(const PatternRun& run, StatusBar& status) {
    PlotWriter plot(run.PlotXScale, run.PlotYScale);
    plot.Begin(TarvoHeader(run.Date, run.PlotXScale, run.PlotYScale));
    if (run.Options.Text) {
        DrawLabel(plot, run.Font, status, "4x8", 0.25, 0.25, LabelSize, 0);
    }
    // The 4 x 8 ft sheet, in inches, with the auxiliary pen.
    plot.Pen(1, false);
    plot.Coordinate(0, 0);
    plot.Pen(1, true);
    plot.Coordinate(96, 0);
    plot.Coordinate(96, 48);
    plot.Coordinate(0, 48);
    plot.Coordinate(0, 0);
    plot.Pen(1, false);
    plot.End();
    return plot.Content();
}

namespace {

// Every pattern file of the run, made in memory in the order the run has always written them.
void MakePatternFiles(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                      StatusBar& status, Canvas* canvas) {
    status.SetPanel(1, "Setting up solutions...");
    WriteTriangulationFiles(run, hull, files);
    const double meanHeight = MeanBulkheadHeight(hull);
    for (int b = 1; b <= 3; ++b) {
        files.Put(run.Folder, Numbered("bhead", b, ".uc"),
                  BulkheadPlot(hull, run, status, b, meanHeight));
    }
    for (int f = 0; f < 8; ++f) {
        if (hull.FramePositions[static_cast<std::size_t>(f)] > 0) {
            files.Put(run.Folder, Numbered("frame", f + 1, ".uc"),
                      FramePlot(hull, run, status, f, meanHeight));
        }
    }
    files.Put(run.Folder, "transom.uc", TransomPlot(hull, run, status));
    if (run.Options.Stem) {
        files.Put(run.Folder, "Stem.uc", StemPlot(hull, run, status));
    }
    files.Put(run.Folder, "4x8.uc", SheetPlot(run, status));

    const std::string drawing = HullDrawingName(run.HullFileName);
    status.SetPanel(1, "Saving hull drawing " + drawing + "...");
    std::ostringstream drawingText;
    WriteHullDrawing(drawingText, hull);
    files.Put(run.Folder, drawing, std::move(drawingText).str());

    ExpandPanels(run, hull, files, status, canvas);
    LevelPatterns(run, hull, files, status);
    WriteHandPlot(run, hull, files, status);
}

// A folder as a comparable path, "/boats/" and "/boats/./" alike.
fs::path TargetFolder(const fs::path& folder) {
    return (folder / "x").lexically_normal().parent_path();
}

} // namespace

Outcome CreatePatterns(const fs::path& folder, HullDocument& hull, WorkingValues& work,
                       StatusBar& status, Canvas* canvas, PanelReport* report,
                       PatternRunFiles* written) {
    PatternOptions& options = work.Patterns;
    const std::string& hullFile = work.HullFileName;
    PatternRunFiles counted;
    counted.Folder = folder;
    counted.ExportFolder = folder;
    Outcome outcome;
    if (options.Expansions) {
        if (hull.ChineCount < 3) {
            options.Soles = false; // the soles lie on chines 2 and 3
        }
        ClampFrameStations(hull, options);
        const PatternRun run =
            StartPatternRun(folder, options, hullFile, work.PlotXScale, work.PlotYScale);
        work.PlotXScale = run.PlotXScale;
        work.PlotYScale = run.PlotYScale;

        FileBatch files;
        MakePatternFiles(run, hull, files, status, canvas);
        // Whether the developed panels will fit together: written with the run's other files.
        PanelReport panels = MakePanelReport(run, hull);
        files.Put(run.Folder, PanelReportName, PanelReportText(panels));
        if (report != nullptr) {
            *report = std::move(panels);
        }
        if (options.Hpgl) {
            outcome.Keep(ExportHpgl(run, hull, files, status));
        }
        if (options.Dxf) {
            outcome.Keep(ExportDxf(run, hull, files, status));
        }
        // The pattern files of an earlier run, and only in the working folder, go when the new
        // ones come in; the hull file and its copy, written next, must be writable first, so
        // that a run that cannot finish leaves every earlier file as it was.
        for (const char* stale : {"chine*.tri", "*.uc", "handplot.txt"}) {
            files.RemoveMatching(folder, stale);
        }
        files.Require(folder, hullFile);
        files.Require(folder, AutosaveFileName);
        if (outcome.Ok()) {
            outcome = files.Commit();
        }
        counted.InFolder = files.CountIn(folder);
        counted.ExportFolder = run.ExportFolder;
        if (TargetFolder(run.ExportFolder) != TargetFolder(folder)) {
            counted.InExportFolder = files.CountIn(run.ExportFolder);
        }
    }
    const Outcome saved = WriteHullFile(folder, hullFile, hull);
    outcome.Keep(saved);
    if (saved.Ok()) {
        outcome.Keep(CopyFileAtomic(folder, hullFile, AutosaveFileName));
        // The hull file (unless it lives in another folder) and its copy "default.hul".
        const bool hullHere =
            TargetFolder(InFolder(folder, hullFile).parent_path()) == TargetFolder(folder);
        const bool copyApart =
            !EqualNoCase(fs::path(hullFile).filename().string(), AutosaveFileName);
        counted.InFolder += (hullHere ? 1 : 0) + (copyApart || !hullHere ? 1 : 0);
    }
    if (written != nullptr && outcome.Ok()) {
        *written = counted;
    }
    return outcome;
}

std::string PatternRunStatusText(const Outcome& outcome, const std::string& hullFileName,
                                 const PatternRunFiles& written) {
    if (outcome.HasFailed()) {
        return outcome.Text();
    }
    auto files = [](std::size_t count) {
        return std::to_string(count) + (count == 1 ? " file" : " files");
    };
    std::string text = "Working on..." + hullFileName + " - " + files(written.InFolder) +
                       " written in " + written.Folder.string();
    if (written.InExportFolder > 0) {
        text +=
            ", " + std::to_string(written.InExportFolder) + " in " + written.ExportFolder.string();
    }
    return text;
}

} // namespace merrowin
