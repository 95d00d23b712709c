// Heel analysis: centre of gravity, waterline search on the heeled hull, report.
#include "hydro/Heel.h"
#include "model/Constants.h"

#include <algorithm>
#include <cmath>

#include "hydro/HeelDrawing.h"
#include "hydro/Results.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr char InchMark = '"';

// The heel's degree conversion uses the short pi, not Pi.
double Radians(double degrees) {
    return degrees * ShortDegreesToRadians;
}

// The lowest point of the heeled hull, for its draft; the search starts at 1000 inches, so a hull
// lying wholly higher than that is measured from 1000.
double LowestY(const HullDocument& hull) {
    const int n = ChineCountInRange(hull);
    double lowest = 1000;
    for (int c = 1; c <= n; ++c) {
        for (int p = 1; p <= PointsPerChine; ++p) {
            lowest = std::min(lowest, hull.SplinePoints[c][p][AxisY]);
        }
    }
    return lowest;
}

std::string ClickLogoText(double total) {
    return FormatNumber(total, "0") + "lbs. Click \"MW\" logo.";
}

struct HalfHull {
    double Weight = 0, X = 0, Y = 0, Z = 0;
    bool Sunk = false;
};

HalfHull MeasureHalf(AppState& app, const HydroContext& context) {
    const WaterlineOutcome outcome = ComputeWaterlineKeepingRange(app, context);
    const HydroState& h = app.Work.Hydro;
    return {SingleValue(h.Displacement) / 2, h.CenterBuoyancyX, h.CenterBuoyancyY,
            h.CenterBuoyancyZ, outcome == WaterlineOutcome::Sunk};
}

void Fail(AppState& app, const HydroContext& context, double reached, double total) {
    HydroState& h = app.Work.Hydro;
    // The upright hull is measured again at the scroll bar's waterline, so that the results list
    // and Displacement never show a heeled half's numbers as the upright ones.
    h.WaterlineHeight = WaterlineOfPosition(h.HScroll1.Value);
    ComputeWaterline(app, context);
    context.Ui.Hub.RepaintWindow();
    context.Ui.Status.SetPanel(1, "Sunk or failed at WL:" + FormatNumber(reached, "0.0") +
                                      InchMark + " at:" + FormatNumber(h.HeelAngle, "0.0") +
                                      " degrees, displ:" + ClickLogoText(total));
}

void Report(AppState& app, const HydroContext& context, double total, double lowest,
            double lineFore, double lineAft) {
    HydroState& h = app.Work.Hydro;
    const std::string inch(1, InchMark);
    const double arm = h.CenterBuoyancyX - h.CenterGravityX;
    h.RightingMoment = total * arm / 12;
    context.Ui.Status.SetPanel(1, "Heeled WL at:" + FormatNumber(h.HeelAngle, "0.0") +
                                      " degrees, displ:" + ClickLogoText(total));
    auto& lines = h.ResultsLines;
    lines.clear();
    h.ResultsText = "Results, Heeled " + FormatNumber(h.HeelAngle, "0.0") + " degrees";
    h.ResultsSelected = -1;
    lines.push_back("Heel angle: " + FormatNumber(h.HeelAngle, "0.0 degrees"));
    lines.push_back("Moment arm, X: " + FormatNumber(arm, "0.0 in.") + inch);
    lines.push_back("Righting moment: " + FormatNumber(h.RightingMoment, "0 ft-lbs"));
    lines.push_back("Nominal Waterline heighth: " + FormatNumber(h.WaterlineHeight, "0.0 in.") +
                    inch);
    lines.push_back("Corrected heeled draft: " +
                    FormatNumber(h.WaterlineHeight - lowest, "0.0 in."));
    lines.push_back("Displacement: " + FormatNumber(total, "0 lbs"));
    lines.push_back("Displaced volume: " +
                    FormatNumber(h.DisplacedVolume / CubicInchesPerCubicFoot, "0.00 ft3"));
    lines.push_back("Center of buoyancy, X: " + FormatNumber(h.CenterBuoyancyX, "0.0 in.") + inch);
    lines.push_back("  Center of buoyancy, Y: " + FormatNumber(h.CenterBuoyancyY, "0.0 in.") +
                    inch);
    lines.push_back("  Center of buoyancy, Z: " + FormatNumber(h.CenterBuoyancyZ, "0.0 in.") +
                    inch);
    lines.push_back("Center of gravity, X: " + FormatNumber(h.CenterGravityX, "0.0 in.") + inch);
    lines.push_back("  Center of gravity, Y: " + FormatNumber(h.CenterGravityY, "0.0 in.") + inch);
    lines.push_back("  Center of gravity, Z: " + FormatNumber(h.CenterGravityZ, "0.0 in.") + inch);
    lines.push_back("  Ballast: " + FormatNumber(app.Hull.BallastWeight, "0.0 lbs.") + inch);
    lines.push_back("Length of Waterline: " + FormatNumber(lineAft - lineFore, "0") + inch);
    h.Combo1Visible = true;
    h.Displacement = static_cast<float>(h.TargetDisplacement);
}

} // namespace

void RotateSections(HullDocument& hull, double angle) {
    const double cosine = std::cos(angle), sine = std::sin(angle);
    const int n = ChineCountInRange(hull);
    for (int c = 1; c <= n; ++c) {
        for (int p = 1; p <= PointsPerChine; ++p) {
            auto& point = hull.SplinePoints[c][p];
            const double x = point[AxisX], y = point[AxisY];
            point[AxisX] = x * cosine - y * sine;
            point[AxisY] = x * sine + y * cosine;
        }
    }
}

void ComputeHeel(AppState& app, const HydroContext& context) {
    HydroState& h = app.Work.Hydro;
    if (h.HeelAngle == 0) {
        return;
    }
    if (h.TargetDisplacement == 0) {
        h.TargetDisplacement = SingleValue(h.Displacement);
    }
    h.HeelLowered = 0;
    h.NominalWaterline = h.WaterlineHeight;

    // The centre of gravity is taken as the centre of buoyancy of the fully immersed hull, on
    // the centre line: the waterline goes to the top of the range, where the sunk limit pulls it
    // down to just below the lowest sheer point.
    const std::int64_t top = TenthsOf(app.Work.HullHeight);
    SetWaterlineMaximum(app, context, top);
    SetWaterlinePosition(app, context, top);
    const double gravityY = h.CenterBuoyancyY;
    const double gravityZ = h.CenterBuoyancyZ;
    SetWaterlinePosition(app, context, TenthsOf(h.NominalWaterline));
    const double theta = Radians(h.HeelAngle);
    // Heeled once, by R(-theta), and kept for the whole search.
    h.CenterGravityX = gravityY * std::sin(theta);
    h.CenterGravityY = gravityY * std::cos(theta);
    h.CenterGravityZ = gravityZ;

    HullDocument& hull = app.Hull;
    const SplineTable upright = hull.SplinePoints;
    const ViewKind view = HeelDrawingView(app.Work.View);
    Canvas& picture = context.Ui.Hub.MainPicture();
    double total = 0;
    double reached = h.WaterlineHeight;
    for (int trial = 0; trial < MaxHeelTrials; ++trial) {
        picture.Clear();
        const ViewExtent extent = ScaleHeelView(picture, app.Work, view, theta);
        // The +X (starboard) half heeled down, measured as a whole symmetric hull.
        RotateSections(hull, -theta);
        const double lowest = LowestY(hull);
        const double lineFore = h.WaterlineFore, lineAft = h.WaterlineAft;
        DrawHeeledHull(picture, app, view, extent);
        const HalfHull a = MeasureHalf(app, context);
        // Its mirror image heeled up, which stands for the -X half.
        RotateSections(hull, 2 * theta);
        DrawHeeledHull(picture, app, view, extent);
        const HalfHull b = MeasureHalf(app, context);
        // Upright again before anything repaints: with Auto-Spline off a repaint takes the
        // bulkhead offsets back from the points.
        hull.SplinePoints = upright;

        total = a.Weight + b.Weight;
        if (total != 0) {
            h.CenterBuoyancyX = (a.Weight * a.X - b.Weight * b.X) / total;
            h.CenterBuoyancyY = (a.Weight * a.Y + b.Weight * b.Y) / total;
            h.CenterBuoyancyZ = (a.Weight * a.Z + b.Weight * b.Z) / total;
        }
        DrawHeelMarkers(picture, app.Work, view);

        const double target = h.TargetDisplacement;
        // A heeled sheer under water cannot be measured: its half keeps the weight of an earlier
        // run, and the search would chase it without end.
        if (a.Sunk || b.Sunk || total < HeelWeightTolerance) {
            break;
        }
        double factor = 1;
        if (target - total > HeelWeightTolerance) {
            if (h.HeelLowered == 1) {
                break; // rising again after a descent: the search swings to and fro
            }
            context.Ui.Hub.RepaintWindow();
            factor = 1 + HeelRiseGain * (target - total) / total;
        } else if (total - target > HeelWeightTolerance) {
            h.HeelLowered = 1;
            context.Ui.Hub.RepaintWindow();
            factor = 1 + HeelSinkGain * (target - total) / total;
        } else {
            Report(app, context, total, lowest, lineFore, lineAft);
            return;
        }
        const double next = h.WaterlineHeight * factor;
        // The search ends at the top of the scroll range, rising or falling.
        if (!std::isfinite(next) || 10 * next > h.HScroll1.Max) {
            if (std::isfinite(next)) {
                reached = next;
            }
            break;
        }
        h.WaterlineHeight = next;
        reached = next;
        SetWaterlinePosition(app, context, TenthsOf(h.WaterlineHeight));
    }
    hull.SplinePoints = upright;
    Fail(app, context, reached, total);
}

} // namespace merrowin
