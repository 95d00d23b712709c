// Heel analysis: the search shown, the heeled hull drawn and the report.
#include "hydro/Heel.h"

#include <utility>

#include "hydro/HeelDrawing.h"
#include "model/Constants.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr char InchMark = '"';

// The whole heeled hull's volume in cubic feet, from its displacement T (pounds) and the water's
// weight (pounds per US gallon of 231 cubic inches): the last run measured one half only.
double HeeledVolume(double total, double waterDensity) {
    if (waterDensity == 0) {
        return 0;
    }
    return total / waterDensity * CubicInchesPerGallon / CubicInchesPerCubicFoot;
}

std::string ClickLogoText(double total) {
    return FormatNumber(total, "0") + "lbs. Click \"MW\" logo.";
}

} // namespace

std::string HeelReport(HydroState& h, const HeelSearch& search, double ballastWeight) {
    const std::string inch(1, InchMark);
    const double total = search.Total;
    const HeelTrial& trial = search.Last;
    const double arm = h.CenterBuoyancyX - h.CenterGravityX;
    h.RightingMoment = total * arm / 12;
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
                    FormatNumber(h.WaterlineHeight - trial.Heeled.Lowest, "0.0 in."));
    lines.push_back("Displacement: " + FormatNumber(total, "0 lbs"));
    lines.push_back("Displaced volume: " +
                    FormatNumber(HeeledVolume(total, h.WaterDensity), "0.00 ft3"));
    lines.push_back("Center of buoyancy, X: " + FormatNumber(h.CenterBuoyancyX, "0.0 in.") + inch);
    lines.push_back("  Center of buoyancy, Y: " + FormatNumber(h.CenterBuoyancyY, "0.0 in.") +
                    inch);
    lines.push_back("  Center of buoyancy, Z: " + FormatNumber(h.CenterBuoyancyZ, "0.0 in.") +
                    inch);
    lines.push_back("Center of gravity, X: " + FormatNumber(h.CenterGravityX, "0.0 in.") + inch);
    lines.push_back("  Center of gravity, Y: " + FormatNumber(h.CenterGravityY, "0.0 in.") + inch);
    lines.push_back("  Center of gravity, Z: " + FormatNumber(h.CenterGravityZ, "0.0 in.") + inch);
    lines.push_back("  Ballast: " + FormatNumber(ballastWeight, "0.0 lbs.") + inch);
    lines.push_back("Length of Waterline: " + FormatNumber(trial.Aft - trial.Fore, "0") + inch);
    h.Combo1Visible = true;
    h.Displacement = static_cast<float>(h.TargetDisplacement);
    return "Heeled WL at:" + FormatNumber(h.HeelAngle, "0.0") +
           " degrees, displ:" + ClickLogoText(total);
}

std::string HeelFailureText(const HydroState& h, const HeelSearch& search) {
    return "Sunk or failed at WL:" + FormatNumber(search.Reached, "0.0") + InchMark +
           " at:" + FormatNumber(h.HeelAngle, "0.0") +
           " degrees, displ:" + ClickLogoText(search.Total);
}

Outcome ComputeHeel(AppState& app, const HydroContext& context) {
    if (app.Work.Hydro.HeelAngle == 0) {
        return {};
    }
    HeelSearch search = SearchHeel(UprightHull(app), app.Work.HullHeight, StartRuns(app));
    // The heeled runs' outlines belong to the heeled drawing, which replaces the picture.
    search.Runs.Trace.OutlineOnPicture.reset();
    const Outcome written = ShowWaterlineRuns(app, context, std::move(search.Runs));
    HydroState& h = app.Work.Hydro;
    if (!search.Found) {
        context.Ui.Status.SetPanel(1, HeelFailureText(h, search));
        return written;
    }
    DrawHeelTrial(context.Ui.Hub.MainPicture(), app, search);
    context.Ui.Status.SetPanel(1, HeelReport(h, search, app.Hull.BallastWeight));
    return written;
}

} // namespace merrowin
