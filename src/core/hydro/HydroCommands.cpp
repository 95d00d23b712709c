// The main window's hydrostatics handlers.
#include "hydro/HydroCommands.h"

#include <array>
#include <cmath>
#include <utility>

#include "app/History.h"
#include "hydro/DisplacementSearch.h"
#include "hydro/Heel.h"
#include "hydro/Results.h"
#include "hydro/WaterlineControl.h"
#include "model/Constants.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr int ContourStartColour = Colour::LightBlue;
constexpr int ContourColour = Colour::LightCyan;

// The waterline control on (check mark, scroll bar shown, its range set); the range's new ends
// move the position into the range, which computes there.
void SwitchWaterlineOn(const MeasuredHull& hull, WaterlineRuns& runs, double hullHeight,
                       int minimum) {
    HydroState& h = runs.Hydro;
    h.EnterWaterlineChecked = true;
    h.HScroll1Visible = true;
    ScrollToMinimum(hull, runs, minimum);
    ScrollToMaximum(hull, runs, TenthsOf(hullHeight));
}

Outcome SwitchWaterlineOn(AppState& app, const HydroContext& context, int minimum) {
    WaterlineRuns runs = StartRuns(app);
    SwitchWaterlineOn(UprightHull(app), runs, app.Work.HullHeight, minimum);
    return ShowWaterlineRuns(app, context, std::move(runs));
}

// With the perspective shown, the plan is checked instead. Returns true when it changed.
bool ShowPlanInsteadOfPerspective(ViewState& view) {
    if (view.Sections || view.Profile || view.Plan) {
        return false;
    }
    view.Plan = true;
    return true;
}

void DrawContours(AppState& app, Canvas& picture) {
    const HullDocument& hull = app.Hull;
    const int n = ChineCountInRange(hull);
    std::array<double, 12> heights{};
    const int count = SliceHeights(app.Work.Hydro.WaterlineHeight, heights);
    for (int i = 0; i < count; ++i) {
        bool started = false;
        for (int p = 1; p <= PointsPerChine; ++p) {
            double x = 0, z = 0;
            int chine = n;
            if (!LevelPoint(hull, n, p, heights[static_cast<std::size_t>(i)], x, z, chine)) {
                continue; // every chine of this station lies below the level
            }
            // The first station that reaches the level starts the contour.
            if (started) {
                picture.LineTo(z, x, ContourColour);
            } else {
                picture.Dot(z, x, ContourStartColour);
                started = true;
            }
        }
    }
}

} // namespace

Outcome WaterlineCommand(AppState& app, UiServices& ui, const fs::path& folder) {
    HydroState& h = app.Work.Hydro;
    if (h.EnterWaterlineChecked) {
        LeaveWaterlineMode(h);
        return {};
    }
    const Outcome written = SwitchWaterlineOn(app, HydroContext{ui, &folder}, 10);
    const bool planShown = ShowPlanInsteadOfPerspective(app.Work.View);
    h.EnterHeelEnabled = true;
    if (planShown) {
        // The picture follows the check mark at once.
        ui.Hub.RepaintMainView();
    }
    return written;
}

Outcome DisplacementCommand(AppState& app, UiServices& ui, const fs::path& folder) {
    const HydroContext context{ui, &folder};
    HydroState& h = app.Work.Hydro;
    h.WaterlineHeight = 0;
    if (h.TargetDisplacement == 0) {
        h.TargetDisplacement = h.Displacement != 0 ? SingleValue(h.Displacement) : 250;
    }
    const std::string answer = ui.Boxes.Input(
        "Displacement", "Enter a target displacement in pounds:", BoxText(h.TargetDisplacement));
    h.TargetDisplacement = std::fabs(Val(answer));
    if (h.TargetDisplacement == 0) {
        h.WaterlineHeight = 0;
        h.Combo1Visible = false;
        return {};
    }
    Outcome written = SwitchWaterlineOn(app, context, 0);
    h.EnterHeelEnabled = true;
    ShowPlanInsteadOfPerspective(app.Work.View);
    const double target = h.TargetDisplacement;
    written.Keep(
        ShowWaterlineRuns(app, context, FloatAtWeight(UprightHull(app), StartRuns(app), target)));
    return written;
}

Outcome ContoursCommand(AppState& app, UiServices& ui, const fs::path& folder) {
    Outcome written;
    if (!app.Work.Hydro.EnterWaterlineChecked) {
        WaterlineRuns runs = StartRuns(app);
        const MeasuredHull hull = UprightHull(app);
        SwitchWaterlineOn(hull, runs, app.Work.HullHeight, 10);
        if (runs.Hydro.WaterlineHeight == 0) {
            ScrollToPosition(hull, runs, RoundHalfEven(0.4 * runs.Hydro.HScroll1.Max));
        }
        written = ShowWaterlineRuns(app, HydroContext{ui, &folder}, std::move(runs));
    }
    ViewState& view = app.Work.View;
    view.Sections = false;
    view.Profile = false;
    view.Plan = true;
    ui.Hub.RepaintMainView();
    DrawContours(app, ui.Hub.MainPicture());
    return written;
}

Outcome HeelCommand(AppState& app, UiServices& ui, const fs::path& folder) {
    HydroState& h = app.Work.Hydro;
    if (!h.EnterHeelEnabled) {
        return {}; // the menu item is disabled while the waterline control is off
    }
    h.TargetDisplacement = SingleValue(h.Displacement);
    const std::string answer =
        ui.Boxes.Input("Heel Angle", "Enter a hull heel angle in degrees:", BoxText(h.HeelAngle));
    h.HeelAngle = Val(answer);
    ui.Hub.RepaintWindow();
    return ComputeHeel(app, HydroContext{ui, &folder});
}

Outcome WaterChoice(AppState& app, UiServices& ui, const fs::path& folder, bool seawaterItem) {
    HydroState& h = app.Work.Hydro;
    // Each item reads its own check mark: the pair always swaps.
    const bool toSea = seawaterItem ? !h.SeawaterChecked : h.FreshwaterChecked;
    h.FreshwaterChecked = !toSea;
    h.SeawaterChecked = toSea;
    h.WaterDensity = toSea ? SeaWaterDensity : FreshWaterDensity;
    return ComputeWaterline(app, HydroContext{ui, &folder});
}

void RescaleCommand(AppState& app, UiServices& ui, RescaleItem item) {
    const StepScope step(app);
    const double current = RescaleCurrentValue(app.Work, item);
    const std::string shown = FormatNumber(current, "0.000");
    const std::string answer = ui.Boxes.Input("ReScale", RescalePrompt(item), shown);
    double value = std::fabs(Val(answer));
    if (value == 0) {
        return;
    }
    // Accepting the value as shown (rounded to thousandths) keeps the hull as it is.
    if (value == Val(shown)) {
        value = current;
    }
    if (RescaleHull(app.Hull, app.Work, item, value, std::fabs(Val(answer)))) {
        ui.Hub.RepaintWindow();
    }
}

Outcome PitchCommand(AppState& app, UiServices& ui, const fs::path& folder) {
    const StepScope step(app);
    WorkingValues& work = app.Work;
    if (work.PitchWarningShown == 0) {
        const MessageAnswer answer = ui.Boxes.Message(
            "Warning",
            "The pitching function may shift your hull slightly in Y and Z to keep it on the "
            "screen. The hull will not change, although the Y-Z offsets may be permanently "
            "slightly shifted if you Save.",
            MessageButtons::OkCancel, MessageIcon::Information);
        work.PitchWarningShown = 1;
        if (answer == MessageAnswer::Cancel) {
            return {};
        }
    }
    const std::string answer = ui.Boxes.Input(
        "Pitch Angle", "Enter a hull pitch angle in degrees:", BoxText(work.PitchAngle));
    work.PitchAngle = Val(answer);
    ApplyPitch(app, ui.Hub);
    WaterlineRuns runs = StartRuns(app);
    const MeasuredHull hull = UprightHull(app);
    ScrollToMaximum(hull, runs, TenthsOf(work.HullHeight));
    HydroState& h = runs.Hydro;
    if (h.HScroll1Visible) {
        // Re-float at the remembered weight.
        if (h.TargetDisplacement == 0) {
            h.TargetDisplacement = SingleValue(h.Displacement);
        }
        const double target = h.TargetDisplacement;
        runs = FloatAtWeight(hull, std::move(runs), target);
    }
    const Outcome written = ShowWaterlineRuns(app, HydroContext{ui, &folder}, std::move(runs));
    if (!work.Hydro.HScroll1Visible) {
        ShowResults(work.Hydro);
    }
    return written;
}

Outcome WaterlineScrolled(AppState& app, UiServices& ui, const fs::path& folder, int position) {
    WaterlineRuns runs = StartRuns(app);
    ScrollToPosition(UprightHull(app), runs, position);
    return ShowWaterlineRuns(app, HydroContext{ui, &folder}, std::move(runs));
}

void ResultsPicked(AppState& app, int index) {
    PickResult(app.Work.Hydro, index);
}

void OpenResetsCalculations(AppState& app, UiServices& ui) {
    HydroState& h = app.Work.Hydro;
    h.WaterlineHeight = 0;
    h.DisplacedVolume = 0;
    h.WaterlineLength = 0;
    h.WaterlineFore = 0;
    h.WaterlineAft = 0;
    h.CenterGravityX = 0;
    h.CenterGravityY = 0;
    h.CenterGravityZ = 0;
    app.Work.PitchAngle = 0;
    ApplyPitch(app, ui.Hub);
    LeaveWaterlineMode(h);
    ClearResults(h);
}

} // namespace merrowin
