// The main window's hydrostatics handlers.
#include "hydro/HydroCommands.h"
#include "model/Constants.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "hydro/Heel.h"
#include "hydro/Results.h"
#include "hydro/ScrollRange.h"
#include "hydro/WaterlineControl.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr int ContourStartColour = Colour::LightBlue;
constexpr int ContourColour = Colour::LightCyan;

// One whole-inch step per position of the scroll range and one more: no search can step further.
constexpr int MaxFloatSteps = 32767 / 10 + 2;

// The waterline control on (check mark, scroll bar shown, its range set); the range's new ends
// move the position into the range, which computes there.
void SwitchWaterlineOn(AppState& app, const HydroContext& context, int minimum) {
    HydroState& h = app.Work.Hydro;
    h.EnterWaterlineChecked = true;
    h.HScroll1Visible = true;
    SetWaterlineMinimum(app, context, minimum);
    SetWaterlineMaximum(app, context, TenthsOf(app.Work.HullHeight));
}

// With the perspective shown, the plan is checked instead. Returns true when it changed.
bool ShowPlanInsteadOfPerspective(ViewState& view) {
    if (view.Sections || view.Profile || view.Plan) {
        return false;
    }
    view.Plan = true;
    return true;
}

double WeightOfVolume(const HydroState& h) {
    return h.DisplacedVolume * h.WaterDensity / CubicInchesPerGallon;
}

// Floats the hull at a weight: from 0 the waterline goes up an inch at a time through the scroll
// bar until the hull displaces more than the target, then the waterline is interpolated inside the
// last inch and set to the nearest tenth. When the top of the range comes first the search stops
// there and the last computed waterline stays. Shared by the displacement search and the re-float
// after a pitch.
void FloatAtWeight(AppState& app, const HydroContext& context, double target) {
    HydroState& h = app.Work.Hydro;
    // From 0 once the range is set: a new maximum below the old position moves the position and
    // with it the waterline, and a search from there could end before its first step.
    h.WaterlineHeight = 0;
    double before = 0, after = 0;
    bool reached = false;
    for (int step = 0; step < MaxFloatSteps; ++step) {
        h.WaterlineHeight += 1;
        before = WeightOfVolume(h); // the weight at the waterline computed last
        if (10 * h.WaterlineHeight > h.HScroll1.Max) {
            break;
        }
        SetWaterlinePosition(app, context, TenthsOf(h.WaterlineHeight));
        after = WeightOfVolume(h);
        if (target < after) {
            reached = true;
            break;
        }
    }
    if (reached && after != before) {
        const double interpolated = (h.WaterlineHeight - 1) + (target - before) / (after - before);
        if (std::isfinite(interpolated)) {
            // A position outside the range is refused and the waterline stays.
            SetWaterlinePosition(app, context, TenthsOf(interpolated));
        }
    }
    // The waterline is the scroll bar's, as computed last.
    h.WaterlineHeight = WaterlineOfPosition(h.HScroll1.Value);
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

void WaterlineCommand(AppState& app, UiServices& ui, const fs::path& folder) {
    const HydroContext context{ui, &folder};
    HydroState& h = app.Work.Hydro;
    if (h.EnterWaterlineChecked) {
        LeaveWaterlineMode(h);
        return;
    }
    SwitchWaterlineOn(app, context, 10);
    const bool planShown = ShowPlanInsteadOfPerspective(app.Work.View);
    h.EnterHeelEnabled = true;
    if (planShown) {
        // The picture follows the check mark at once.
        ui.Hub.RepaintMainView();
    }
}

void DisplacementCommand(AppState& app, UiServices& ui, const fs::path& folder) {
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
        return;
    }
    SwitchWaterlineOn(app, context, 0);
    h.EnterHeelEnabled = true;
    ShowPlanInsteadOfPerspective(app.Work.View);
    FloatAtWeight(app, context, h.TargetDisplacement);
}

void ContoursCommand(AppState& app, UiServices& ui, const fs::path& folder) {
    const HydroContext context{ui, &folder};
    HydroState& h = app.Work.Hydro;
    if (!h.EnterWaterlineChecked) {
        SwitchWaterlineOn(app, context, 10);
        if (h.WaterlineHeight == 0) {
            SetWaterlinePosition(app, context, RoundHalfEven(0.4 * h.HScroll1.Max));
        }
    }
    ViewState& view = app.Work.View;
    view.Sections = false;
    view.Profile = false;
    view.Plan = true;
    ui.Hub.RepaintMainView();
    DrawContours(app, ui.Hub.MainPicture());
}

void HeelCommand(AppState& app, UiServices& ui, const fs::path& folder) {
    HydroState& h = app.Work.Hydro;
    if (!h.EnterHeelEnabled) {
        return; // the menu item is disabled while the waterline control is off
    }
    const HydroContext context{ui, &folder};
    h.TargetDisplacement = SingleValue(h.Displacement);
    const std::string answer =
        ui.Boxes.Input("Heel Angle", "Enter a hull heel angle in degrees:", BoxText(h.HeelAngle));
    h.HeelAngle = Val(answer);
    ui.Hub.RepaintWindow();
    ComputeHeel(app, context);
}

void WaterChoice(AppState& app, UiServices& ui, const fs::path& folder, bool seawaterItem) {
    HydroState& h = app.Work.Hydro;
    // Each item reads its own check mark: the pair always swaps.
    const bool toSea = seawaterItem ? !h.SeawaterChecked : h.FreshwaterChecked;
    h.FreshwaterChecked = !toSea;
    h.SeawaterChecked = toSea;
    h.WaterDensity = toSea ? SeaWaterDensity : FreshWaterDensity;
    const HydroContext context{ui, &folder};
    ComputeWaterline(app, context);
}

void RescaleCommand(AppState& app, UiServices& ui, RescaleItem item) {
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

void PitchCommand(AppState& app, UiServices& ui, const fs::path& folder) {
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
            return;
        }
    }
    const std::string answer = ui.Boxes.Input(
        "Pitch Angle", "Enter a hull pitch angle in degrees:", BoxText(work.PitchAngle));
    work.PitchAngle = Val(answer);
    ApplyPitch(app, ui.Hub);
    const HydroContext context{ui, &folder};
    SetWaterlineMaximum(app, context, TenthsOf(work.HullHeight));
    HydroState& h = work.Hydro;
    if (h.HScroll1Visible) {
        // Re-float at the remembered weight.
        if (h.TargetDisplacement == 0) {
            h.TargetDisplacement = SingleValue(h.Displacement);
        }
        FloatAtWeight(app, context, h.TargetDisplacement);
    } else {
        ShowResults(h);
    }
}

void WaterlineScrolled(AppState& app, UiServices& ui, const fs::path& folder, int position) {
    const HydroContext context{ui, &folder};
    SetWaterlinePosition(app, context, position);
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
