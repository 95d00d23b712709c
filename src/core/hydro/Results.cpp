// The results list and the status summary of the upright hydrostatics.
#include "hydro/Results.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "model/Constants.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr char InchMark = '"';

} // namespace

double SingleValue(float value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double decimal = value;
    std::from_chars(text, written.ptr, decimal);
    return decimal;
}

std::string WaterlineStatusText(const HydroState& hydro) {
    std::string text;
    text.reserve(96);
    text += "WL:";
    text += FormatNumber(hydro.WaterlineHeight, "0.0");
    text += InchMark;
    text += "  Displ:";
    text += FormatNumber(SingleValue(hydro.Displacement), "0 lbs @");
    text += FormatNumber(hydro.DisplacedVolume / CubicInchesPerCubicFoot, "0.00 ft3  CB:");
    text += FormatNumber(hydro.CenterBuoyancyZ, "0.0");
    text += InchMark;
    text += "  LWL:";
    text += FormatNumber(SingleValue(hydro.WaterlineLength), "0");
    text += InchMark;
    text += "  D/L:";
    text += FormatNumber(hydro.DLRatio, "0  HS:");
    text += FormatNumber(hydro.DispSpeed, "0.0 kt");
    return text;
}

void ShowResults(HydroState& hydro) {
    auto& lines = hydro.ResultsLines;
    hydro.ResultsText = "Results";
    hydro.ResultsSelected = -1;
    // The lines are rebuilt in the strings of the last report, which keeps a run that happens at
    // every step of the slider from allocating them again.
    std::size_t count = 0;
    auto add = [&](std::string_view head, double value, std::string_view pattern,
                   std::string_view tail = {}) {
        if (count == lines.size()) {
            lines.emplace_back();
        }
        std::string& line = lines[count++];
        line.assign(head);
        line += FormatNumber(value, pattern);
        line += tail;
    };
    constexpr std::string_view inch = "\"";
    const double length = SingleValue(hydro.WaterlineLength);
    add("Waterline heighth: ", hydro.WaterlineHeight, "0.0 in.", inch);
    add("Displacement: ", SingleValue(hydro.Displacement), "0 lbs");
    add("Displaced volume: ", hydro.DisplacedVolume / CubicInchesPerCubicFoot, "0.00 ft3");
    add("Center of buoyancy, Z: ", hydro.CenterBuoyancyZ, "0.0 in.", inch);
    add("Center of buoyancy, Y: ", hydro.CenterBuoyancyY, "0.0 in.", inch);
    add("Center of Lateral Area, Z: ", hydro.LateralCenterZ, "0.0 in.", inch);
    add("Center of Lateral Area, Y: ", hydro.LateralCenterY, "0.0 in.", inch);
    add("Lateral Area: ", hydro.LateralArea / SquareInchesPerSquareFoot, "0.00 ft2", inch);
    add("Length of Waterline: ", length, "0", inch);
    add("Prismatic Coeff: ", hydro.PrismaticCoeff, "0.00");
    add("Buttock angle: ", hydro.ButtockAngle, "0.0", " deg.");
    add("Disp. Hull Speed: ", hydro.DispSpeed, "0.00 kt");
    add("D/L ratio: ", hydro.DLRatio, "0");
    add("S/L ratio: ", hydro.SLRatio, "0.00");
    // The speed that ratio gives on this waterline; no line when the length has no square root.
    if (hydro.WaterlineLength >= 0) {
        add("D/L limited speed: ", hydro.SLRatio * std::sqrt(length / 12), "0.00 kt.");
    }
    lines.resize(count);
    hydro.Combo1Visible = true;
    if (hydro.ResultsIndex > -1) {
        PickResult(hydro, hydro.ResultsIndex);
    }
}

void PickResult(HydroState& hydro, int index) {
    if (index < 0 || index >= static_cast<int>(hydro.ResultsLines.size())) {
        return;
    }
    hydro.ResultsIndex = index;
    hydro.ResultsSelected = index;
    hydro.ResultsText = hydro.ResultsLines[static_cast<std::size_t>(index)];
}

void ClearResults(HydroState& hydro) {
    hydro.ResultsLines.clear();
    hydro.ResultsText = "Results";
    hydro.ResultsSelected = -1;
    hydro.Combo1Visible = false;
}

} // namespace merrowin
